// Flood fill by surface colour: iterative scanline fill with an explicit
// stack, so the size of the area costs memory on the heap, never stack depth.
#include "platform/Surface.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

// The 8 x 8 cell of a hatch brush, aligned to the surface origin: taken from
// the painter's own brush so that flood fills and figure interiors match.
std::array<bool, 64> hatchCell(const QBrush& brush) {
    QImage cell(8, 8, QImage::Format_ARGB32_Premultiplied);
    cell.fill(0);
    {
        QPainter p(&cell);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(QRect(0, 0, 8, 8), QBrush(Qt::black, brush.style()));
    }
    std::array<bool, 64> bits{};
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            bits[size_t(y * 8 + x)] = qAlpha(cell.pixel(x, y)) >= 128;
    return bits;
}

struct Bounds {
    int left, top, right, bottom;
};

// Replaces every pixel 4-connected to (x, y) whose value is exactly `match`
// by `mark` (which must differ from `match`). Returns the touched bounds.
Bounds scanlineFill(QImage& img, int x, int y, QRgb match, QRgb mark) {
    const int w = img.width();
    const int h = img.height();
    uchar* bits = img.bits();
    const qsizetype bpl = img.bytesPerLine();
    auto row = [&](int yy) { return reinterpret_cast<QRgb*>(bits + yy * bpl); };

    Bounds b{x, y, x, y};
    std::vector<std::pair<int, int>> stack;
    stack.reserve(1024);
    stack.emplace_back(x, y);
    while (!stack.empty()) {
        const auto [sx, sy] = stack.back();
        stack.pop_back();
        QRgb* r = row(sy);
        if (r[sx] != match)
            continue;
        int xl = sx;
        while (xl > 0 && r[xl - 1] == match)
            --xl;
        int xr = sx;
        while (xr < w - 1 && r[xr + 1] == match)
            ++xr;
        std::fill(r + xl, r + xr + 1, mark);
        b.left = std::min(b.left, xl);
        b.right = std::max(b.right, xr);
        b.top = std::min(b.top, sy);
        b.bottom = std::max(b.bottom, sy);
        for (int ny : {sy - 1, sy + 1}) {
            if (ny < 0 || ny >= h)
                continue;
            const QRgb* n = row(ny);
            // One seed per run of matching pixels next to the span.
            for (int nx = xl; nx <= xr; ++nx)
                if (n[nx] == match && (nx == xl || n[nx - 1] != match))
                    stack.emplace_back(nx, ny);
        }
    }
    return b;
}

void fill(Surface& s, int x, int y, ColorValue color, int style) {
    QImage& img = s.image();
    if (x < 0 || y < 0 || x >= img.width() || y >= img.height())
        return;
    const QRgb seed = reinterpret_cast<const QRgb*>(img.constScanLine(y))[x] | 0xFF000000u;
    const QRgb paint = Color::toRgb(color);
    const bool xorMode = s.drawMode == Surface::DrawXor;
    const QRgb painted = xorMode ? (seed ^ (paint & 0x00FFFFFFu)) : paint;

    const bool hatch = style >= Surface::FillHorizontal && style <= Surface::FillDiagonalCross;
    if (!hatch) {
        if (painted != seed)
            scanlineFill(img, x, y, seed, painted);
        return;
    }
    // Hatched: mark the area first (the seed colour with alpha 0, a value no
    // opaque pixel has), then paint the hatch lines and put the seed colour
    // back between them.
    Surface probe(1, 1);
    probe.fillStyle = style;
    const std::array<bool, 64> cell = hatchCell(probe.fillBrush());
    const QRgb mark = seed & 0x00FFFFFFu;
    const Bounds b = scanlineFill(img, x, y, seed, mark);
    for (int yy = b.top; yy <= b.bottom; ++yy) {
        QRgb* r = reinterpret_cast<QRgb*>(img.scanLine(yy));
        const bool* cellRow = cell.data() + (yy & 7) * 8;
        for (int xx = b.left; xx <= b.right; ++xx)
            if (r[xx] == mark)
                r[xx] = cellRow[xx & 7] ? painted : seed;
    }
}

} // namespace

void Surface::floodFill(int x, int y) {
    fill(*this, x, y, fillColor, fillStyle == FillTransparent ? int(FillSolid) : fillStyle);
}

void Surface::floodFill(int x, int y, ColorValue color) { fill(*this, x, y, color, FillSolid); }
