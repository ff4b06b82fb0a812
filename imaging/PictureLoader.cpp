#include "imaging/PictureLoader.h"

#include "platform/PngChunks.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <turbojpeg.h>

#include <algorithm>
#include <cmath>

namespace {

#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr int PixelFormat = TJPF_BGRX; // QImage::Format_RGB32 byte order
#else
constexpr int PixelFormat = TJPF_XRGB;
#endif

constexpr qint64 MiB = qint64(1) << 20;

// What the markers before the first scan of a JPEG file tell.
struct JpegFrame {
    QSize size;
    bool multiScan = false;  // progressive, or sequential with one scan per component
    qint64 coefficientBytes = 0; // the whole-picture store a multi-scan file needs
    qint64 rowBytes = 0;         // a generous bound of the decoder's row buffers
    QString problem;             // empty when the frame is usable
};

bool readExact(QIODevice& in, unsigned char* out, qint64 n) { return in.read(reinterpret_cast<char*>(out), n) == n; }

// Walks the marker segments from the start of the file up to the first scan,
// seeking over their contents, and reads the frame header.
JpegFrame readJpegFrame(QIODevice& in) {
    JpegFrame frame;
    unsigned char b[4];
    if (!readExact(in, b, 2) || b[0] != 0xFF || b[1] != 0xD8) {
        frame.problem = QStringLiteral("not a picture");
        return frame;
    }
    int components = 0;
    bool haveFrame = false;
    for (;;) {
        unsigned char c = 0;
        // Skip to the next marker (fill bytes FF FF ... included); stray bytes
        // between segments are tolerated, pages of them are not.
        int stray = 0;
        do {
            if (!readExact(in, &c, 1) || ++stray > 65536)
                return frame.problem = QStringLiteral("damaged"), frame;
        } while (c != 0xFF);
        do {
            if (!readExact(in, &c, 1))
                return frame.problem = QStringLiteral("damaged"), frame;
        } while (c == 0xFF);
        if (c == 0x01 || (c >= 0xD0 && c <= 0xD8))
            continue; // stand-alone markers
        if (c == 0xD9)
            return frame.problem = QStringLiteral("damaged"), frame;
        if (!readExact(in, b, 2))
            return frame.problem = QStringLiteral("damaged"), frame;
        const int length = (b[0] << 8) | b[1];
        if (length < 2)
            return frame.problem = QStringLiteral("damaged"), frame;
        const qint64 next = in.pos() + length - 2;
        const bool sof = c >= 0xC0 && c <= 0xCF && c != 0xC4 && c != 0xC8 && c != 0xCC;
        if (sof && !haveFrame) {
            unsigned char h[6];
            if (length < 8 || !readExact(in, h, 6))
                return frame.problem = QStringLiteral("damaged"), frame;
            const int height = (h[1] << 8) | h[2], width = (h[3] << 8) | h[4];
            components = h[5];
            if (width < 1 || height < 1 || components < 1 || components > 4 || length < 8 + 3 * components)
                return frame.problem = QStringLiteral("damaged"), frame;
            int hs[4] = {}, vs[4] = {}, hmax = 1, vmax = 1;
            for (int i = 0; i < components; ++i) {
                unsigned char comp[3];
                if (!readExact(in, comp, 3))
                    return frame.problem = QStringLiteral("damaged"), frame;
                hs[i] = std::clamp(comp[1] >> 4, 1, 4);
                vs[i] = std::clamp(comp[1] & 15, 1, 4);
                hmax = std::max(hmax, hs[i]);
                vmax = std::max(vmax, vs[i]);
            }
            frame.size = QSize(width, height);
            frame.multiScan = c == 0xC2 || c == 0xC6 || c == 0xCA || c == 0xCE;
            for (int i = 0; i < components; ++i) {
                // Blocks per component, padded to whole sampling units as the decoder does.
                const qint64 bw = (qint64(width) * hs[i] + hmax * 8 - 1) / (hmax * 8);
                const qint64 bh = (qint64(height) * vs[i] + vmax * 8 - 1) / (vmax * 8);
                frame.coefficientBytes += ((bw + hs[i] - 1) / hs[i] * hs[i]) * ((bh + vs[i] - 1) / vs[i] * vs[i]) * 128;
            }
            frame.rowBytes = qint64(width) * components * vmax * 64 + MiB;
            haveFrame = true;
        } else if (c == 0xDA) {
            if (!haveFrame)
                return frame.problem = QStringLiteral("damaged"), frame;
            unsigned char ns = 0;
            if (!readExact(in, &ns, 1))
                return frame.problem = QStringLiteral("damaged"), frame;
            if (ns < components)
                frame.multiScan = true;
            return frame;
        }
        if (!in.seek(next))
            return frame.problem = QStringLiteral("damaged"), frame;
    }
}

QString fileLabel(const QString& name) { return QStringLiteral("\"%1\"").arg(name); }

QString megabytes(qint64 bytes) {
    return QString::number(double(bytes) / double(MiB), 'f', bytes < 10 * MiB ? 1 : 0) + QStringLiteral(" MB");
}

PictureLoad failure(const QString& text, QSize fullSize = {}) {
    PictureLoad r;
    r.error = text;
    r.fullSize = fullSize;
    return r;
}

PictureLoad tooLarge(const QString& name, QSize size) {
    return failure(QStringLiteral("The picture %1 is too large to open: %2 x %3 pixels.")
                       .arg(fileLabel(name))
                       .arg(size.width())
                       .arg(size.height()),
                   size);
}

PictureLoad notPicture(const QString& name) {
    return failure(QStringLiteral("%1 is not a picture this program can read.").arg(fileLabel(name)));
}

PictureLoad damaged(const QString& name, QSize size = {}) {
    return failure(QStringLiteral("The picture %1 is damaged or incomplete.").arg(fileLabel(name)), size);
}

struct Decoder {
    tjhandle handle = tjInitDecompress();
    ~Decoder() {
        if (handle)
            tjDestroy(handle);
    }
};

// Decodes a JPEG whose frame passed the budget. Null image when TurboJPEG
// cannot turn the colour space into RGB (the caller then tries Qt's reader).
PictureLoad decodeJpeg(const QByteArray& data, const JpegFrame& frame, QSize out, const QString& name,
                       bool* tryOther) {
    *tryOther = false;
    Decoder dec;
    if (!dec.handle)
        return failure(QStringLiteral("The picture %1 cannot be decoded: %2").arg(fileLabel(name), QString::fromUtf8(tjGetErrorStr2(nullptr))));
    const auto* buf = reinterpret_cast<const unsigned char*>(data.constData());
    const auto len = static_cast<unsigned long>(data.size());
    int width = 0, height = 0, subsamp = 0, colorspace = 0;
    if (tjDecompressHeader3(dec.handle, buf, len, &width, &height, &subsamp, &colorspace) != 0
        || QSize(width, height) != frame.size)
        return damaged(name, frame.size);
    if (colorspace == TJCS_CMYK || colorspace == TJCS_YCCK) {
        *tryOther = true;
        return {};
    }
    QImage image(out, QImage::Format_RGB32);
    if (image.isNull())
        return tooLarge(name, frame.size);
    if (tjDecompress2(dec.handle, buf, len, image.bits(), out.width(), int(image.bytesPerLine()), out.height(),
                      PixelFormat, TJFLAG_ACCURATEDCT | TJFLAG_LIMITSCANS) != 0) {
        const bool warning = tjGetErrorCode(dec.handle) == TJERR_WARNING;
        const char* text = tjGetErrorStr2(dec.handle);
        // Warnings about stray bytes are common in camera files and harmless;
        // running out of data (end of file, or a marker where picture data
        // should go on) means part of the picture is missing.
        if (!warning || (text && QByteArray(text).toLower().contains("premature end")))
            return damaged(name, frame.size);
    }
    PictureLoad r;
    r.image = image;
    r.fullSize = frame.size;
    return r;
}

QImage opaqueRgb32(QImage image, QRgb background) {
    if (image.hasAlphaChannel()) {
        // Transparent parts show the background (white, as on a fresh white surface).
        QImage opaque(image.size(), QImage::Format_RGB32);
        if (opaque.isNull())
            return {};
        opaque.fill(background);
        image.setDevicePixelRatio(1.0);
        QPainter(&opaque).drawImage(0, 0, image);
        return opaque;
    }
    return image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
}

// Any format Qt's image plugins read (and JPEG colour spaces TurboJPEG
// cannot convert). The plugins' own allocation limit backs the budget.
PictureLoad decodeOther(QIODevice& in, const QString& name, QSize target, const PictureBudget& budget) {
    if (!PngChunksFit(in))
        return damaged(name);
    in.seek(0);
    QImageReader reader(&in);
    reader.setAutoTransform(false);
    reader.setAllocationLimit(int(std::clamp<qint64>(budget.maxDecodeBytes / MiB, 1, 1 << 30)));
    const QSize full = reader.size();
    if (full.isValid() && qint64(full.width()) * full.height() > budget.maxPixels)
        return tooLarge(name, full);
    if (!reader.canRead())
        return notPicture(name);
    if (full.isValid()) {
        if (full.isEmpty())
            return damaged(name, full);
        // Alpha pictures are drawn on white: count a second copy.
        const qint64 fullBytes = qint64(full.width()) * full.height() * 8;
        if (fullBytes > budget.maxDecodeBytes) {
            if (target.isEmpty() || !reader.supportsOption(QImageIOHandler::ScaledSize))
                return tooLarge(name, full);
            const double f = std::min(1.0, std::max(double(target.width()) / full.width(),
                                                    double(target.height()) / full.height()));
            const QSize reduced(std::max(1, int(std::ceil(full.width() * f))),
                                std::max(1, int(std::ceil(full.height() * f))));
            if (qint64(reduced.width()) * reduced.height() * 8 > budget.maxDecodeBytes)
                return tooLarge(name, full);
            reader.setScaledSize(reduced);
        }
    }
    const QImage read = reader.read();
    if (read.isNull()) {
        if (reader.error() == QImageReader::UnsupportedFormatError)
            return notPicture(name);
        return damaged(name, full);
    }
    PictureLoad r;
    r.image = opaqueRgb32(read, budget.background);
    r.fullSize = full.isValid() ? full : read.size();
    if (r.image.isNull())
        return tooLarge(name, r.fullSize);
    return r;
}

PictureLoad loadFrom(QIODevice& in, qint64 size, const QString& name, QSize target, const PictureBudget& budget,
                     const QByteArray* whole) {
    if (size == 0)
        return failure(QStringLiteral("%1 is empty, not a picture.").arg(fileLabel(name)));
    if (size > budget.maxFileBytes)
        return failure(QStringLiteral("The file %1 is too large to open as a picture (%2).")
                           .arg(fileLabel(name), megabytes(size)));
    if (!LooksLikeJpeg(in.peek(3)))
        return decodeOther(in, name, target, budget);

    const JpegFrame frame = readJpegFrame(in);
    if (!frame.problem.isEmpty())
        return damaged(name, frame.size);
    if (qint64(frame.size.width()) * frame.size.height() > budget.maxPixels)
        return tooLarge(name, frame.size);
    const QSize out = JpegDecodeSize(frame.size, target);
    const qint64 need = qint64(out.width()) * out.height() * 4 + frame.rowBytes + size
                        + (frame.multiScan ? frame.coefficientBytes : 0);
    if (need > budget.maxDecodeBytes)
        return tooLarge(name, frame.size);

    QByteArray data;
    if (whole) {
        data = *whole;
    } else {
        in.seek(0);
        data = in.read(size);
        if (data.size() != size)
            return failure(QStringLiteral("Cannot read %1: %2").arg(fileLabel(name), in.errorString()));
    }
    bool tryOther = false;
    PictureLoad r = decodeJpeg(data, frame, out, name, &tryOther);
    if (tryOther) {
        QBuffer buffer(&data);
        buffer.open(QIODevice::ReadOnly);
        return decodeOther(buffer, name, target, budget);
    }
    return r;
}

} // namespace

PictureLoad loadPicture(const QString& path, QSize target, const PictureBudget& budget) {
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (QFileInfo(path).isDir())
        return notPicture(name);
    if (!file.open(QIODevice::ReadOnly))
        return failure(QStringLiteral("Cannot read %1: %2").arg(fileLabel(name), file.errorString()));
    return loadFrom(file, file.size(), name, target, budget, nullptr);
}

PictureLoad loadPictureData(const QByteArray& data, const QString& name, QSize target, const PictureBudget& budget) {
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    return loadFrom(buffer, data.size(), name, target, budget, &data);
}

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
