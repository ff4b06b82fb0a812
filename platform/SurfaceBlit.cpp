// Stretched, mirrored copies of pictures onto the surface with nearest-pixel
// sampling, straight on the image rows.
#include "platform/Surface.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// For each destination pixel i of a run of n, the source index it samples:
// the source pixel under the destination pixel's centre, reversed when
// mirrored.
std::vector<int> sampleMap(int n, int srcStart, int srcLen, bool mirrored) {
    std::vector<int> map(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const int k = int(((2 * qint64(i) + 1) * srcLen) / (2 * qint64(n)));
        map[size_t(i)] = srcStart + (mirrored ? srcLen - 1 - k : k);
    }
    return map;
}

} // namespace

void Surface::paintPicture(const QImage& picture, int dx, int dy, int dw, int dh, int sx, int sy, int sw, int sh,
                           Rop rop) {
    if (picture.isNull() || dw == 0 || dh == 0)
        return;
    // A shallow copy: writing to image_ below detaches it, so copying a
    // surface onto itself reads the unchanged picture.
    const QImage src = picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32
                           ? picture
                           : picture.convertToFormat(QImage::Format_RGB32);
    if (sw < 0)
        sw = src.width() - sx;
    if (sh < 0)
        sh = src.height() - sy;
    if (sw <= 0 || sh <= 0)
        return;

    const bool mirrorX = dw < 0;
    const bool mirrorY = dh < 0;
    const int adw = mirrorX ? -dw : dw;
    const int adh = mirrorY ? -dh : dh;
    const int left = mirrorX ? dx + dw : dx; // a mirrored rectangle extends left / up
    const int top = mirrorY ? dy + dh : dy;

    // Destination pixels on the surface.
    const int x0 = std::max(0, left), x1 = std::min(width(), left + adw);
    const int y0 = std::max(0, top), y1 = std::min(height(), top + adh);
    if (x0 >= x1 || y0 >= y1)
        return;

    const std::vector<int> cols = sampleMap(adw, sx, sw, mirrorX);
    const std::vector<int> rows = sampleMap(adh, sy, sh, mirrorY);
    // Destination columns whose source column lies inside the picture; the
    // others keep their pixels.
    std::vector<int> colMap;
    std::vector<int> colAt;
    colMap.reserve(size_t(x1 - x0));
    colAt.reserve(size_t(x1 - x0));
    for (int x = x0; x < x1; ++x) {
        const int c = cols[size_t(x - left)];
        if (c >= 0 && c < src.width()) {
            colAt.push_back(x);
            colMap.push_back(c);
        }
    }
    const bool contiguous = !colAt.empty() && colAt.back() - colAt.front() + 1 == int(colAt.size());
    const bool straight = contiguous && !mirrorX && adw == sw;
    const QRgb opaque = src.format() == QImage::Format_RGB32 ? 0u : 0xFF000000u;
    const int n = int(colAt.size());

    int lastRow = -1;   // source row of the previous destination row
    QRgb* lastDst = nullptr;
    for (int y = y0; y < y1 && n > 0; ++y) {
        const int syy = rows[size_t(y - top)];
        if (syy < 0 || syy >= src.height())
            continue; // outside the picture: the surface keeps its pixels
        QRgb* d = reinterpret_cast<QRgb*>(image_.scanLine(y));
        if (rop == Rop::SrcCopy && contiguous && syy == lastRow && lastDst) {
            // An enlarged copy repeats rows: copy the finished one.
            std::memcpy(d + colAt[0], lastDst + colAt[0], size_t(n) * 4);
            continue;
        }
        const QRgb* s = reinterpret_cast<const QRgb*>(src.constScanLine(syy));
        if (rop == Rop::SrcCopy) {
            if (straight && opaque == 0)
                std::memcpy(d + colAt[0], s + colMap[0], size_t(n) * 4);
            else if (contiguous) {
                QRgb* out = d + colAt[0];
                const int* map = colMap.data();
                for (int i = 0; i < n; ++i)
                    out[i] = s[map[i]] | opaque;
            } else {
                for (int i = 0; i < n; ++i)
                    d[colAt[size_t(i)]] = s[colMap[size_t(i)]] | opaque;
            }
            lastRow = syy;
            lastDst = d;
        } else {
            for (int i = 0; i < n; ++i)
                d[colAt[size_t(i)]] ^= s[colMap[size_t(i)]] & 0x00FFFFFFu;
        }
    }
}
