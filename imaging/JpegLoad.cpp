#include "imaging/JpegLoad.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <turbojpeg.h>


namespace {

#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr int PixelFormat = TJPF_BGRX; // QImage::Format_RGB32 byte order
#else
constexpr int PixelFormat = TJPF_XRGB;
#endif

// Largest picture we agree to decode (pixels), so a forged header cannot ask
// for gigabytes.
constexpr qint64 MaxPixels = qint64(1) << 28;

struct Decoder {
    tjhandle handle = tjInitDecompress();
    ~Decoder() {
        if (handle)
            tjDestroy(handle);
    }
};

QByteArray readFile(const QString& fileName) {
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

// Decode through TurboJPEG at the smallest scale whose result is at least
// minSize (an empty minSize means full size). Null on a fatal decode error;
// a recoverable one (for example a truncated file) keeps what was decoded.
QImage decodeJpeg(const QByteArray& data, QSize minSize, QSize* fullSize) {
    Decoder dec;
    if (!dec.handle)
        return {};
    const auto* buf = reinterpret_cast<const unsigned char*>(data.constData());
    const auto len = static_cast<unsigned long>(data.size());
    int width = 0, height = 0, subsamp = 0, colorspace = 0;
    if (tjDecompressHeader3(dec.handle, buf, len, &width, &height, &subsamp, &colorspace) != 0)
        return {};
    if (width < 1 || height < 1 || qint64(width) * height > MaxPixels)
        return {};

    if (fullSize)
        *fullSize = QSize(width, height);
    const QSize out = JpegDecodeSize(QSize(width, height), minSize);
    const int outW = out.width(), outH = out.height();

    QImage image(outW, outH, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    if (tjDecompress2(dec.handle, buf, len, image.bits(), outW, int(image.bytesPerLine()), outH, PixelFormat,
                      TJFLAG_ACCURATEDCT) != 0) {
        if (tjGetErrorCode(dec.handle) != TJERR_WARNING) {
            if (fullSize)
                *fullSize = QSize();
            return {};
        }
    }
    return image;
}

QImage decodeOther(const QByteArray& data) {
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(false);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > MaxPixels)
        return {};
    QImage image = reader.read();
    if (image.isNull())
        return {};
    if (image.hasAlphaChannel()) {
        // Transparent parts show white, as on a fresh white surface.
        QImage opaque(image.size(), QImage::Format_RGB32);
        opaque.fill(Qt::white);
        opaque.setDevicePixelRatio(1.0);
        image.setDevicePixelRatio(1.0);
        QPainter(&opaque).drawImage(0, 0, image);
        return opaque;
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

QSize JpegDecodeSize(QSize fullSize, QSize minSize) {
    if (fullSize.isEmpty() || minSize.isEmpty())
        return fullSize;
    const int width = fullSize.width(), height = fullSize.height();
    QSize best = fullSize;
    int count = 0;
    const tjscalingfactor* factors = tjGetScalingFactors(&count);
    for (int i = 0; factors && i < count; ++i) {
        const tjscalingfactor f = factors[i];
        if (f.num < 1 || f.denom < 1 || f.num > f.denom)
            continue; // never enlarge
        const QSize s(TJSCALED(width, f), TJSCALED(height, f));
        if (DecodedCovers(s, fullSize, minSize) && qint64(s.width()) * s.height() < qint64(best.width()) * best.height())
            best = s;
    }
    return best;
}

bool DecodedCovers(QSize loaded, QSize fullSize, QSize target) {
    return (loaded.width() >= target.width() || loaded.width() >= fullSize.width()) &&
           (loaded.height() >= target.height() || loaded.height() >= fullSize.height());
}

bool LooksLikeJpeg(const QByteArray& data) {
    return data.size() >= 3 && uchar(data[0]) == 0xFF && uchar(data[1]) == 0xD8 && uchar(data[2]) == 0xFF;
}

QImage LoadPictureDataAtLeast(const QByteArray& data, QSize minSize, QSize* fullSize) {
    if (fullSize)
        *fullSize = QSize();
    if (data.isEmpty())
        return {};
    if (LooksLikeJpeg(data)) {
        QImage image = decodeJpeg(data, minSize, fullSize);
        if (!image.isNull())
            return image;
        // Colour spaces TurboJPEG cannot turn into RGB (CMYK, ...) go on below.
    }
    QImage image = decodeOther(data);
    if (fullSize)
        *fullSize = image.isNull() ? QSize() : image.size();
    return image;
}

QImage LoadPictureData(const QByteArray& data) { return LoadPictureDataAtLeast(data, QSize()); }

QImage LoadPicture(const QString& fileName) { return LoadPictureData(readFile(fileName)); }

QImage LoadPictureAtLeast(const QString& fileName, QSize minSize, QSize* fullSize) {
    return LoadPictureDataAtLeast(readFile(fileName), minSize, fullSize);
}

QImage LoadThumbnail(const QString& fileName, QSize size) {
    if (size.isEmpty())
        return {};
    const QImage picture = LoadPictureAtLeast(fileName, size);
    if (picture.isNull())
        return {};
    if (picture.size() == size)
        return picture;
    return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}
