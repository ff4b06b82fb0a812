#include "imaging/Jpeg.h"

#include "platform/AppError.h"
#include "platform/SafeWrite.h"

#include <QSaveFile>
#include <turbojpeg.h>

// Status numbers appended to "Cannot save the image. GDI+ Error:":
//   1  the encoder could not be started
//   2  invalid argument: empty picture, or quality outside 0..100
//   3  the picture could not be converted to 32-bit RGB (out of memory)
//   4  encoding failed
//   5  the temporary file beside the target could not be created (missing
//      folder, no permission, read-only target)
//   6  writing the temporary file failed (disk full, I/O error)
//   7  the temporary file could not be renamed over the target
// On every failure the target keeps its previous content (or stays absent).
namespace {

enum JpegStatus { StartFailed = 1, InvalidArgument = 2, ConvertFailed = 3, EncodeFailed = 4,
                  CreateFailed = 5, WriteFailed = 6, ReplaceFailed = 7 };

[[noreturn]] void fail(int status) {
    throw AppError(5, QStringLiteral("Cannot save the image. GDI+ Error:") + QString::number(status),
                   QStringLiteral("Jpeg"));
}

// Owns a TurboJPEG handle and its output buffer for one call.
struct Encoder {
    tjhandle handle = tjInitCompress();
    unsigned char* out = nullptr;
    unsigned long size = 0;
    ~Encoder() {
        if (out)
            tjFree(out);
        if (handle)
            tjDestroy(handle);
    }
};

} // namespace

void SaveJpeg(const QImage& picture, const QString& fileName, int quality, QString* reason) {
    if (picture.isNull() || picture.width() < 1 || picture.height() < 1 || quality < 0 || quality > 100)
        fail(InvalidArgument);

    // 32 bits per pixel, colour bytes B, G, R in memory; alpha is ignored.
    QImage pixels = picture;
    if (pixels.format() != QImage::Format_RGB32 && pixels.format() != QImage::Format_ARGB32) {
        pixels = picture.convertToFormat(QImage::Format_RGB32);
        if (pixels.isNull())
            fail(ConvertFailed);
    }
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    constexpr int pixelFormat = TJPF_BGRX;
#else
    constexpr int pixelFormat = TJPF_XRGB;
#endif

    Encoder enc;
    if (!enc.handle)
        fail(StartFailed);
    // Baseline, 4:4:4 (no chroma subsampling), accurate DCT.
    if (tjCompress2(enc.handle, pixels.constBits(), pixels.width(), int(pixels.bytesPerLine()), pixels.height(),
                    pixelFormat, &enc.out, &enc.size, TJSAMP_444, quality, TJFLAG_ACCURATEDCT) != 0
        || !enc.out || enc.size == 0)
        fail(EncodeFailed);

    QSaveFile file(fileName);
    auto failFile = [&](int status) {
        if (reason)
            *reason = FileErrorText(file);
        fail(status);
    };
    if (!file.open(QIODevice::WriteOnly))
        failFile(CreateFailed);
    // flush() before commit(): commit() would rename a file whose buffered
    // tail failed to reach the disk.
    if (file.write(reinterpret_cast<const char*>(enc.out), qint64(enc.size)) != qint64(enc.size) || !file.flush()) {
        if (reason)
            *reason = FileErrorText(file);
        file.cancelWriting();
        fail(WriteFailed);
    }
    if (!file.commit())
        failFile(file.error() == QFileDevice::WriteError ? WriteFailed : ReplaceFailed);
}
