// Exclusive-or drawing on the picture surface, and the traces that record it.
//
// A figure is painted on a transparent layer of the image's size; every
// layer pixel it covers is XORed once into the image with the colour the
// figure has there (pen on the outline, fill inside), so outline and
// interior never cancel each other and drawing the same figure twice
// restores every pixel. Only the tiles of the layer the figure can reach are
// examined and cleared again: an unfilled figure's cost follows its outline,
// not its bounding box.
#include "platform/Surface.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr int TileShift = 4; // 16 x 16 pixel tiles
constexpr int Tile = 1 << TileShift;

// Pieces of a segment no longer than this are marked by their bounds.
constexpr double PieceLength = 8.0;

} // namespace

qsizetype XorTrace::pixels() const {
    qsizetype n = 0;
    for (const Run& r : runs_)
        n += r.length;
    return n;
}

void XorTrace::addRun(int x, int y, int length, QRgb mask) {
    if (!runs_.empty()) {
        Run& last = runs_.back();
        if (last.y == y && last.mask == mask && last.x + last.length == x) {
            last.length += length;
            return;
        }
    }
    runs_.push_back({x, y, length, mask});
}

void Surface::erase(XorTrace& t) {
    const int w = width(), h = height();
    for (const XorTrace::Run& r : t.runs_) {
        if (r.y < 0 || r.y >= h)
            continue;
        const int x0 = std::max(0, r.x), x1 = std::min(w, r.x + r.length);
        QRgb* row = reinterpret_cast<QRgb*>(image_.scanLine(r.y));
        for (int x = x0; x < x1; ++x)
            row[x] ^= r.mask;
    }
    t.clear();
}

void Surface::drawFigure(const Coverage& coverage, const std::function<void(QPainter&)>& draw) {
    if (drawMode == DrawXor) {
        drawXor(coverage, draw);
        return;
    }
    QPainter p(&image_);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setBackgroundMode(Qt::TransparentMode);
    draw(p);
}

void Surface::drawXor(const Coverage& coverage, const std::function<void(QPainter&)>& draw) {
    const QRect area = coverage.bounds.toAlignedRect().adjusted(-2, -2, 2, 2).intersected(image_.rect());
    if (area.isEmpty())
        return;
    if (xorLayer_.size() != image_.size()) {
        xorLayer_ = QImage(image_.size(), QImage::Format_ARGB32_Premultiplied);
        xorLayer_.fill(0);
    }
    const int columns = (image_.width() + Tile - 1) >> TileShift;
    const int rows = (image_.height() + Tile - 1) >> TileShift;
    tileMarks_.assign(std::size_t(columns) * rows, 0);
    tiles_.clear();
    auto markRect = [&](const QRect& r) {
        const QRect c = r.intersected(area);
        if (c.isEmpty())
            return;
        for (int ty = c.top() >> TileShift; ty <= c.bottom() >> TileShift; ++ty)
            for (int tx = c.left() >> TileShift; tx <= c.right() >> TileShift; ++tx) {
                const int i = ty * columns + tx;
                if (!tileMarks_[std::size_t(i)]) {
                    tileMarks_[std::size_t(i)] = 1;
                    tiles_.push_back(i);
                }
            }
    };
    if (!coverage.outline.isEmpty()) {
        const double m = coverage.reach + 1;
        for (const QPolygonF& line : coverage.outline) {
            for (int k = 0; k < line.size(); ++k) {
                const QPointF a = line[k], b = line[std::min<int>(k + 1, int(line.size()) - 1)];
                const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
                const int pieces = std::max(1, int(std::ceil(length / PieceLength)));
                for (int i = 0; i < pieces; ++i) {
                    const QPointF p = a + (b - a) * (double(i) / pieces);
                    const QPointF q = a + (b - a) * (double(i + 1) / pieces);
                    const QRectF piece = QRectF(p, q).normalized().adjusted(-m, -m, m, m);
                    markRect(piece.toAlignedRect());
                }
            }
        }
    }
    {
        QPainter p(&xorLayer_);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        p.setBackgroundMode(Qt::TransparentMode);
        // Nothing may stay on the layer outside the tiles examined below.
        p.setClipRect(area);
        draw(p);
    }
    uchar* layerBits = xorLayer_.bits();
    uchar* imageBits = image_.bits();
    const qsizetype layerLine = xorLayer_.bytesPerLine(), imageLine = image_.bytesPerLine();
    // XORs the layer's pixels of row y, columns x0..x1 - 1, into the image
    // run by run of equal colour, and clears them on the layer.
    auto scan = [&](int y, int x0, int x1) {
        QRgb* src = reinterpret_cast<QRgb*>(layerBits + y * layerLine);
        QRgb* dst = reinterpret_cast<QRgb*>(imageBits + y * imageLine);
        int x = x0;
        while (x < x1) {
            const QRgb c = src[x];
            if (c == 0) {
                ++x;
                continue;
            }
            int end = x + 1;
            while (end < x1 && src[end] == c)
                ++end;
            if (qAlpha(c) >= 128) {
                const QRgb mask = c & 0x00FFFFFFu;
                for (int i = x; i < end; ++i)
                    dst[i] ^= mask;
                if (trace)
                    trace->addRun(x, y, end - x, mask);
            }
            std::memset(src + x, 0, std::size_t(end - x) * sizeof(QRgb));
            x = end;
        }
    };
    if (coverage.outline.isEmpty()) {
        for (int y = area.top(); y <= area.bottom(); ++y)
            scan(y, area.left(), area.right() + 1);
        return;
    }
    const int w = image_.width(), h = image_.height();
    for (int i : tiles_) {
        const int x0 = (i % columns) << TileShift, y0 = (i / columns) << TileShift;
        const int x1 = std::min(w, x0 + Tile), y1 = std::min(h, y0 + Tile);
        for (int y = y0; y < y1; ++y)
            scan(y, x0, x1);
    }
}
