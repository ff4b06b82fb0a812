#include "paint/Marquee.h"

#include <algorithm>

namespace {

inline bool onDot(qint64 i) { return (i / 3) % 2 == 0; }

// XORs the dotted run along row y from x0 to x1 (inclusive, any order of the
// ends clipped away), with outline index i0 at x = first and stepping by dir.
void xorRow(QImage& img, int y, int first, int last, qint64 i0, int dir, QRgb mask) {
    if (y < 0 || y >= img.height())
        return;
    const int lo = std::max(0, std::min(first, last));
    const int hi = std::min(img.width() - 1, std::max(first, last));
    QRgb* row = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = lo; x <= hi; ++x)
        if (onDot(i0 + qint64(x - first) * dir))
            row[x] ^= mask;
}

void xorColumn(QImage& img, int x, int first, int last, qint64 i0, int dir, QRgb mask) {
    if (x < 0 || x >= img.width())
        return;
    const int lo = std::max(0, std::min(first, last));
    const int hi = std::min(img.height() - 1, std::max(first, last));
    for (int y = lo; y <= hi; ++y)
        if (onDot(i0 + qint64(y - first) * dir))
            reinterpret_cast<QRgb*>(img.scanLine(y))[x] ^= mask;
}

} // namespace

void Marquee::xorOutline(QImage& img, const QRect& r, QRgb mask) {
    mask &= 0x00FFFFFFu;
    if (img.isNull() || mask == 0 || !r.isValid())
        return;
    const int l = r.left(), t = r.top(), rt = r.right(), b = r.bottom();
    const qint64 w = qint64(rt) - l, h = qint64(b) - t;
    if (h == 0) { // a flat rectangle is one line, each pixel once
        xorRow(img, t, l, rt, 0, 1, mask);
        return;
    }
    if (w == 0) {
        xorColumn(img, l, t, b, 0, 1, mask);
        return;
    }
    xorRow(img, t, l, rt, 0, 1, mask);                  // top, left to right
    xorColumn(img, rt, t + 1, b, w + 1, 1, mask);       // right, downwards
    xorRow(img, b, rt - 1, l, w + h + 1, -1, mask);     // bottom, right to left
    if (h > 1)
        xorColumn(img, l, b - 1, t + 1, 2 * w + h + 1, -1, mask); // left, upwards
}

void Marquee::show(QImage& picture, const QRect& r, QRgb mask) {
    hide(picture);
    rect_ = r;
    mask_ = mask & 0x00FFFFFFu;
    xorOutline(picture, rect_, mask_);
    shown_ = true;
}

void Marquee::hide(QImage& picture) {
    if (!shown_)
        return;
    xorOutline(picture, rect_, mask_);
    shown_ = false;
}
