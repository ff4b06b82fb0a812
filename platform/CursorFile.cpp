// .cur / .ico decoding: ICONDIR, ICONDIRENTRY (hot spot in the planes and
// bit-count fields for cursors), then per entry a PNG or a BITMAPINFOHEADER
// with an optional palette, the colour rows and the 1-bit AND mask, both
// bottom-up with rows padded to 4 bytes and twice the height in the header.
#include "platform/CursorFile.h"
#include "platform/PngChunks.h"

#include <cmath>

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPixmap>
#include <cstdlib>

namespace {

class Reader {
public:
    explicit Reader(const QByteArray& d) : d_(d) {}
    bool has(qint64 offset, qint64 n) const { return offset >= 0 && n >= 0 && offset + n <= d_.size(); }
    quint32 u8(qint64 o) const { return quint8(d_[o]); }
    quint32 u16(qint64 o) const { return u8(o) | (u8(o + 1) << 8); }
    quint32 u32(qint64 o) const { return u16(o) | (u16(o + 2) << 16); }
    qint32 i32(qint64 o) const { return qint32(u32(o)); }
    const uchar* at(qint64 o) const { return reinterpret_cast<const uchar*>(d_.constData()) + o; }

private:
    const QByteArray& d_;
};

// Bit `x` of a row of packed pixels of the given depth.
quint32 packed(const uchar* row, int x, int depth) {
    switch (depth) {
    case 1: return (row[x >> 3] >> (7 - (x & 7))) & 1u;
    case 4: return (row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xFu;
    case 8: return row[x];
    default: return 0;
    }
}

constexpr int MaxSide = 256;

std::optional<QImage> decodeBmp(const Reader& r, qint64 off, qint64 size) {
    if (!r.has(off, 40) || size < 40)
        return std::nullopt;
    const quint32 headerSize = r.u32(off);
    const qint32 w = r.i32(off + 4);
    const qint32 h2 = r.i32(off + 8); // colour rows + mask rows
    const int depth = int(r.u16(off + 14));
    const quint32 compression = r.u32(off + 16);
    quint32 colorsUsed = r.u32(off + 32);
    // A cursor or icon is at most 256 pixels a side.
    if (headerSize < 40 || w <= 0 || w > MaxSide || h2 <= 0 || h2 / 2 > MaxSide || compression != 0)
        return std::nullopt;
    if (depth != 1 && depth != 4 && depth != 8 && depth != 24 && depth != 32)
        return std::nullopt;
    const int h = h2 / 2 > 0 ? h2 / 2 : h2;
    if (depth <= 8 && (colorsUsed == 0 || colorsUsed > (1u << depth)))
        colorsUsed = 1u << depth;
    if (depth > 8)
        colorsUsed = 0;

    const qint64 paletteOff = off + headerSize;
    const qint64 colorStride = ((qint64(w) * depth + 31) / 32) * 4;
    const qint64 maskStride = ((qint64(w) + 31) / 32) * 4;
    const qint64 colorOff = paletteOff + 4 * qint64(colorsUsed);
    const qint64 maskOff = colorOff + colorStride * h;
    if (!r.has(paletteOff, 4 * qint64(colorsUsed)) || !r.has(colorOff, colorStride * h))
        return std::nullopt;
    const bool haveMask = r.has(maskOff, maskStride * h);

    QImage img(w, h, QImage::Format_ARGB32);
    bool anyAlpha = false;
    for (int y = 0; y < h; ++y) {
        const uchar* row = r.at(colorOff + colorStride * (h - 1 - y));
        QRgb* out = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            if (depth <= 8) {
                const quint32 i = packed(row, x, depth);
                const qint64 p = paletteOff + 4 * qint64(i < colorsUsed ? i : 0);
                out[x] = qRgb(int(r.u8(p + 2)), int(r.u8(p + 1)), int(r.u8(p)));
            } else if (depth == 24) {
                out[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
            } else {
                out[x] = qRgba(row[4 * x + 2], row[4 * x + 1], row[4 * x], row[4 * x + 3]);
                anyAlpha = anyAlpha || row[4 * x + 3] != 0;
            }
        }
    }
    if (depth == 32 && anyAlpha)
        return img; // the alpha channel rules; the mask is only a fallback
    for (int y = 0; y < h; ++y) {
        QRgb* out = reinterpret_cast<QRgb*>(img.scanLine(y));
        const uchar* mask = haveMask ? r.at(maskOff + maskStride * (h - 1 - y)) : nullptr;
        for (int x = 0; x < w; ++x) {
            const bool transparent = mask && packed(mask, x, 1);
            if (!transparent) {
                out[x] = 0xFF000000u | out[x];
            } else if ((out[x] & 0x00FFFFFFu) == 0) {
                out[x] = 0; // screen shows through
            } else {
                out[x] = 0xFF000000u; // "invert the screen" pixels: drawn black
            }
        }
    }
    return img;
}

} // namespace

std::optional<CursorImage> decodeCursor(const QByteArray& data) {
    const Reader r(data);
    if (!r.has(0, 6) || r.u16(0) != 0)
        return std::nullopt;
    const quint32 type = r.u16(2); // 1 icon, 2 cursor
    const quint32 count = r.u16(4);
    if ((type != 1 && type != 2) || count == 0 || !r.has(6, 16 * qint64(count)))
        return std::nullopt;

    // The entry nearest to 32 pixels wide.
    int best = -1;
    int bestScore = 0;
    for (quint32 i = 0; i < count; ++i) {
        const qint64 e = 6 + 16 * qint64(i);
        const int w = r.u8(e) == 0 ? 256 : int(r.u8(e));
        const int score = std::abs(w - 32);
        if (best < 0 || score < bestScore) {
            best = int(i);
            bestScore = score;
        }
    }
    const qint64 e = 6 + 16 * qint64(best);
    const QPoint hot = type == 2 ? QPoint(int(r.u16(e + 4)), int(r.u16(e + 6))) : QPoint(0, 0);
    const qint64 size = r.u32(e + 8);
    const qint64 off = r.u32(e + 12);
    if (!r.has(off, std::min<qint64>(size, 8)) || size < 8)
        return std::nullopt;

    QImage img;
    static const char pngMagic[] = "\x89PNG\r\n\x1a\n";
    if (data.mid(off, 8) == QByteArray(pngMagic, 8)) {
        if (!r.has(off, size))
            return std::nullopt;
        QByteArray png = data.mid(off, size);
        QBuffer buffer(&png);
        buffer.open(QIODevice::ReadOnly);
        if (!PngChunksFit(buffer))
            return std::nullopt;
        QImageReader reader(&buffer, "png");
        const QSize declared = reader.size(); // from the header, before any pixel is decoded
        if (!declared.isValid() || declared.width() > MaxSide || declared.height() > MaxSide)
            return std::nullopt;
        img = reader.read();
        if (img.isNull())
            return std::nullopt;
        img = img.convertToFormat(QImage::Format_ARGB32);
    } else {
        auto bmp = decodeBmp(r, off, size);
        if (!bmp)
            return std::nullopt;
        img = *bmp;
    }
    CursorImage out{img, QPoint(std::clamp(hot.x(), 0, img.width() - 1), std::clamp(hot.y(), 0, img.height() - 1))};
    return out;
}

std::optional<CursorImage> readCursorFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return decodeCursor(f.read(4 * 1024 * 1024));
}

CursorImage scaleCursor(const CursorImage& cursor, qreal ratio) {
    if (ratio <= 0 || ratio == 1.0 || cursor.image.isNull())
        return cursor;
    const QImage src = cursor.image.convertToFormat(QImage::Format_ARGB32);
    auto enlarged = [ratio](int side) { return std::max(1, int(std::ceil(side * ratio - 0.5))); };
    auto source = [ratio](int d, int limit) { return std::min(limit - 1, int(std::floor((d + 0.5) / ratio))); };
    QImage out(enlarged(src.width()), enlarged(src.height()), QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(source(y, src.height())));
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            line[x] = in[source(x, src.width())];
    }
    auto first = [ratio](int p) { return int(std::ceil(p * ratio - 0.5)); };
    const QPoint hot(std::min(first(cursor.hotSpot.x()), out.width() - 1),
                     std::min(first(cursor.hotSpot.y()), out.height() - 1));
    return CursorImage{out, hot};
}

QCursor makeCursor(const CursorImage& cursor, qreal ratio) {
    const CursorImage big = scaleCursor(cursor, ratio);
    QPixmap pixmap = QPixmap::fromImage(big.image);
    pixmap.setDevicePixelRatio(big.image.size() == cursor.image.size() ? 1.0 : ratio);
    return QCursor(pixmap, big.hotSpot.x(), big.hotSpot.y());
}

QCursor loadCursor(const QString& path, Qt::CursorShape fallback, qreal ratio) {
    const auto c = readCursorFile(path);
    if (!c)
        return QCursor(fallback);
    return makeCursor(*c, ratio);
}
