#include "imaging/DIBSection.h"

#include "imaging/Rounding.h"
#include "platform/AppContext.h"
#include "platform/AppError.h"
#include "platform/SafeWrite.h"
#include "platform/Surface.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QFileInfo>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

constexpr int HeaderSize = 40;
constexpr int FileHeaderSize = 14;
constexpr int PixelOffset = 58; // 14 + 40 + the zero palette entry

// 32-bit signed byte counts, or AppError 6 when they do not fit.
long long CheckedInt(long long v) {
    if (v > std::numeric_limits<std::int32_t>::max())
        throw AppError(6, QStringLiteral("Overflow"));
    return v;
}

void PutLE32(char* p, std::uint32_t v) { qToLittleEndian<std::uint32_t>(v, p); }
void PutLE16(char* p, std::uint16_t v) { qToLittleEndian<std::uint16_t>(v, p); }

QString ProgramName() {
    const QString path = QCoreApplication::applicationFilePath();
    const QString name = path.isEmpty() ? QCoreApplication::applicationName() : QFileInfo(path).completeBaseName();
    return name.isEmpty() ? QStringLiteral("Wisplet") : name;
}

} // namespace

int cDIBSection::BytesPerScanLine() const {
    return int(CheckedInt((CheckedInt(static_cast<long long>(width_) * 3) + 3) & ~3LL));
}

QByteArray cDIBSection::BitmapInfo() const {
    QByteArray info(HeaderSize + 4, '\0');
    char* p = info.data();
    PutLE32(p + 0, HeaderSize);
    PutLE32(p + 4, std::uint32_t(width_));
    PutLE32(p + 8, std::uint32_t(height_));
    PutLE16(p + 12, 1);  // planes
    PutLE16(p + 14, 24); // bits per pixel
    PutLE32(p + 16, 0);  // uncompressed
    PutLE32(p + 20, std::uint32_t(CheckedInt(static_cast<long long>(BytesPerScanLine()) * height_)));
    // resolution and colour counts stay 0; the palette entry stays 0
    return info;
}

bool cDIBSection::Create(int lWidth, int lHeight) {
    ClearUp();
    if (lWidth < 1 || lHeight < 1)
        return false;
    width_ = lWidth;
    height_ = lHeight;
    const long long size = CheckedInt(static_cast<long long>(BytesPerScanLine()) * lHeight);
    try {
        bits_.assign(std::size_t(size), 0);
    } catch (const std::bad_alloc&) {
        bits_.clear();
        return false;
    }
    return true;
}

void cDIBSection::CreateFromPicture(const QImage& picThis) {
    if (picThis.isNull()) {
        ClearUp();
        return;
    }
    if (Create(picThis.width(), picThis.height()))
        LoadPictureBlt(picThis, 0, 0, -1, -1);
}

void cDIBSection::LoadPictureBlt(const QImage& source, int lSrcLeft, int lSrcTop, int lSrcWidth, int lSrcHeight) {
    if (bits_.empty() || source.isNull())
        return;
    const QImage src = source.format() == QImage::Format_RGB32 || source.format() == QImage::Format_ARGB32
                           ? source
                           : source.convertToFormat(QImage::Format_RGB32);
    if (src.isNull())
        return;
    const int w = lSrcWidth == -1 ? width_ : lSrcWidth;
    const int h = lSrcHeight == -1 ? height_ : lSrcHeight;
    const int stride = BytesPerScanLine();
    for (int y = 0; y < std::min(h, height_); ++y) {
        const int sy = lSrcTop + y;
        if (sy < 0 || sy >= src.height())
            continue;
        const QRgb* s = reinterpret_cast<const QRgb*>(src.constScanLine(sy));
        std::uint8_t* d = bits_.data() + std::size_t(height_ - 1 - y) * stride; // bottom-up
        for (int x = 0; x < std::min(w, width_); ++x) {
            const int sx = lSrcLeft + x;
            if (sx < 0 || sx >= src.width())
                continue;
            const QRgb p = s[sx];
            d[x * 3] = std::uint8_t(qBlue(p));
            d[x * 3 + 1] = std::uint8_t(qGreen(p));
            d[x * 3 + 2] = std::uint8_t(qRed(p));
        }
    }
}

void cDIBSection::PaintPicture(QImage& target, int lDestLeft, int lDestTop, int lDestWidth, int lDestHeight,
                               int lSrcLeft, int lSrcTop) const {
    if (bits_.empty() || target.isNull())
        return;
    if (target.format() != QImage::Format_RGB32 && target.format() != QImage::Format_ARGB32)
        target = target.convertToFormat(QImage::Format_RGB32);
    const int w = lDestWidth == -1 ? width_ : lDestWidth;
    const int h = lDestHeight == -1 ? height_ : lDestHeight;
    const int stride = BytesPerScanLine();
    for (int y = 0; y < h; ++y) {
        const int sy = lSrcTop + y, ty = lDestTop + y;
        if (sy < 0 || sy >= height_ || ty < 0 || ty >= target.height())
            continue;
        const std::uint8_t* s = bits_.data() + std::size_t(height_ - 1 - sy) * stride;
        QRgb* d = reinterpret_cast<QRgb*>(target.scanLine(ty));
        for (int x = 0; x < w; ++x) {
            const int sx = lSrcLeft + x, tx = lDestLeft + x;
            if (sx < 0 || sx >= width_ || tx < 0 || tx >= target.width())
                continue;
            d[tx] = qRgb(s[sx * 3 + 2], s[sx * 3 + 1], s[sx * 3]);
        }
    }
}

void cDIBSection::PaintPicture(Surface& target, int lDestLeft, int lDestTop, int lDestWidth, int lDestHeight,
                               int lSrcLeft, int lSrcTop) const {
    PaintPicture(target.image(), lDestLeft, lDestTop, lDestWidth, lDestHeight, lSrcLeft, lSrcTop);
}

bool cDIBSection::SavePicture(const QString& sFileName) const {
    if (bits_.empty())
        return false;
    // Written beside the target and renamed over it when complete: a full
    // disk leaves the previous file whole.
    QSaveFile file(sFileName);
    if (!file.open(QIODevice::WriteOnly))
        throw AppError(17, file.errorString(), ProgramName() + QStringLiteral(".cDIBSection"));
    const QByteArray info = BitmapInfo();
    const long long imageSize = CheckedInt(static_cast<long long>(BytesPerScanLine()) * height_);
    char fileHeader[FileHeaderSize] = {'B', 'M'};
    PutLE32(fileHeader + 2, std::uint32_t(CheckedInt(imageSize + PixelOffset)));
    PutLE32(fileHeader + 6, 0);
    PutLE32(fileHeader + 10, PixelOffset);

    bool ok = file.write(fileHeader, FileHeaderSize) == FileHeaderSize;
    ok = ok && file.write(info.constData(), info.size()) == info.size();
    ok = ok && file.write(reinterpret_cast<const char*>(bits_.data()), imageSize) == imageSize;
    // commit() would rename a file whose buffered tail failed to reach the disk.
    ok = ok && file.flush();
    if (!ok) {
        lastSaveError_ = FileErrorText(file);
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        lastSaveError_ = FileErrorText(file);
        return false;
    }
    lastSaveError_.clear();
    return true;
}

void cDIBSection::RandomiseBits(bool bGray, Random* random) {
    Random& rnd = random ? *random : AppContext::instance().random;
    rnd.reseedFromClock();
    if (bits_.empty())
        return;
    const int stride = BytesPerScanLine();
    for (int y = 0; y < height_; ++y) {
        std::uint8_t* row = bits_.data() + std::size_t(y) * stride;
        for (int x = 0; x <= (width_ - 1) * 3; x += 3) {
            if (bGray) {
                const auto v = std::uint8_t(Rounding::halfEven(rnd.next() * 255));
                row[x] = row[x + 1] = row[x + 2] = v;
            } else {
                row[x] = 0;
                row[x + 1] = std::uint8_t(Rounding::halfEven(rnd.next() * 255));
                row[x + 2] = std::uint8_t(Rounding::halfEven(rnd.next() * 255));
            }
        }
    }
}

std::unique_ptr<cDIBSection> cDIBSection::Resample(int lNewHeight, int lNewWidth) const {
    auto out = std::make_unique<cDIBSection>();
    if (!out->Create(lNewWidth, lNewHeight))
        return nullptr;
    if (bits_.empty())
        return out;
    if (lNewWidth == width_ && lNewHeight == height_) {
        out->bits_ = bits_;
        return out;
    }
    const int srcStride = BytesPerScanLine(), dstStride = out->BytesPerScanLine();
    const double sx = double(width_ - 1) / lNewWidth;
    const double sy = double(height_ - 1) / lNewHeight;
    // Per column: the left source column's byte offset, the right one's
    // (the same column when there is no right neighbour: its weight is 0),
    // and the weight tx.
    std::vector<int> left(static_cast<std::size_t>(lNewWidth)), right(static_cast<std::size_t>(lNewWidth));
    std::vector<double> txs(static_cast<std::size_t>(lNewWidth));
    for (int x = 0; x < lNewWidth; ++x) {
        const double fx = sx * x;
        const int ix = int(std::floor(fx));
        txs[std::size_t(x)] = fx - ix;
        left[std::size_t(x)] = ix * 3;
        right[std::size_t(x)] = std::min(ix + 1, width_ - 1) * 3;
    }
    for (int y = 0; y < lNewHeight; ++y) {
        const double fy = sy * y;
        const int iy = int(std::floor(fy));
        const double ty = fy - iy;
        // A one-row source has no row iy + 1; its weight is 0 there.
        const std::uint8_t* r0 = bits_.data() + std::size_t(iy) * srcStride;
        const std::uint8_t* r1 = bits_.data() + std::size_t(std::min(iy + 1, height_ - 1)) * srcStride;
        std::uint8_t* d = out->bits_.data() + std::size_t(y) * dstStride;
        for (int x = 0; x < lNewWidth; ++x) {
            const int c0 = left[std::size_t(x)], c1 = right[std::size_t(x)];
            const double tx = txs[std::size_t(x)];
            for (int ch = 0; ch < 3; ++ch) {
                const int l = Rounding::halfEvenSmall((1 - ty) * r0[c0 + ch] + ty * r1[c0 + ch]);
                const int r = Rounding::halfEvenSmall((1 - ty) * r0[c1 + ch] + ty * r1[c1 + ch]);
                const int v = Rounding::halfEvenSmall((1 - tx) * l + tx * r);
                d[x * 3 + ch] = std::uint8_t(std::clamp(v, 0, 255));
            }
        }
    }
    return out;
}

void cDIBSection::ClearUp() {
    std::vector<std::uint8_t>().swap(bits_);
}

QImage cDIBSection::ToImage() const {
    if (bits_.empty())
        return {};
    QImage image(width_, height_, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    PaintPicture(image, 0, 0, -1, -1, 0, 0);
    return image;
}
