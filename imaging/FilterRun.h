#pragma once
// Internal to the filter module: the state of one filter run and the
// per-kind rules. The rules visit the columns of the rectangle in bands
// (ascending); inside a band they walk the image row by row, which gives the
// same pixels as the column-by-column order because every rule either writes
// each position from a snapshot or from the position's own old colour, and
// the two rules whose order matters (Crease/Wave, Diffuse) keep it per column.
#include "imaging/Filter.h"
#include "imaging/FilterSpans.h"
#include "platform/Surface.h"

#include <QElapsedTimer>
#include <QImage>
#include <algorithm>

namespace mdlFilter::detail {

// Columns per band: progress and repaints happen between bands. Wide enough
// that a band walks whole cache lines of every row.
constexpr int BandColumns = 128;

// Percentage of column n on the way to column x2 (integer division), kept
// within 0..100: a rectangle ending at column 0 or left of it counts as
// complete, columns left of the surface as not yet begun.
inline int Percent(long long n, int x2) { return x2 > 0 ? int(std::clamp(n * 100 / x2, 0LL, 100LL)) : 100; }

struct Run {
    Surface& surface;
    QImage& image; // surface.image(), Format_RGB32
    int x1, y1, x2, y2;
    bool small;
    const FilterContext& context;
    QElapsedTimer sinceRefresh;

    uchar* bits;           // the image's pixels, detached once for the run
    qsizetype bytesPerLine;

    Run(Surface& s, int ax1, int ay1, int ax2, int ay2, bool isSmall, const FilterContext& ctx)
        : surface(s), image(s.image()), x1(ax1), y1(ay1), x2(ax2), y2(ay2), small(isSmall), context(ctx),
          bits(image.bits()), bytesPerLine(image.bytesPerLine()) {
        sinceRefresh.start();
    }

    int width() const { return image.width(); }
    int height() const { return image.height(); }
    QRgb* row(int y) { return reinterpret_cast<QRgb*>(bits + y * bytesPerLine); }

    void status(int info, int percentage) const {
        if (context.UpdateStatusBar)
            context.UpdateStatusBar(info, percentage);
    }
    // Repaint when the last repaint is long enough ago.
    void maybeRefresh() {
        if (sinceRefresh.elapsed() >= context.refreshIntervalMs) {
            surface.refresh();
            sinceRefresh.restart();
        }
    }

    // Calls rule(first, last) for bands of the columns c0..c1; after each band
    // of a large run: repaint (throttled) and report hint 4 with the
    // percentage of the band's last column, n = column + nOffset.
    template <class Rule> void columns(int c0, int c1, int nOffset, Rule&& rule) {
        for (long long b = c0; b <= c1; b += BandColumns) {
            const int last = int(std::min<long long>(c1, b + BandColumns - 1));
            rule(int(b), last);
            if (!small) {
                maybeRefresh();
                status(InfoFiltering, Percent((long long)last + nOffset, x2));
                ClearVectorState(); // the repaint and the status bar may leave it dirty
            }
        }
    }
};

// Clip of an inclusive range to 0..limit - 1; empty when lo > hi.
struct Span {
    int lo, hi;
    bool empty() const { return lo > hi; }
};
inline Span Clip(int a, int b, int limit) { return {std::max(a, 0), std::min(b, limit - 1)}; }

// Colour value of an image pixel, and back.
inline std::int32_t ValueOf(QRgb p) { return std::int32_t(Color::fromRgb(p)); }
inline QRgb PixelOf(std::int32_t value) { return Color::toRgb(ColorValue(value)); }

// Components of a colour value: (-1, 0, 0) for -1, else its three bytes.
inline int RedOf(std::int32_t v) { return (v & 0xFF) | (v >> 31); }
inline int GreenOf(std::int32_t v) { return ((v >> 8) & 0xFF) & ~(v >> 31); }
inline int BlueOf(std::int32_t v) { return ((v >> 16) & 0xFF) & ~(v >> 31); }
inline QRgb Pixel(int r, int g, int b) {
    return 0xFF000000u | (QRgb(std::min(r, 255)) << 16) | (QRgb(std::min(g, 255)) << 8) | QRgb(std::min(b, 255));
}

// The per-kind rules (FilterKinds.cpp, FilterSnapshotKinds.cpp).
void RunPixelKind(int kind, Run& run);
void RunSnapshotKind(int kind, Run& run, Random& random);
bool IsPixelKind(int kind);
bool IsSnapshotKind(int kind);
bool IsPackedKind(int kind);

} // namespace mdlFilter::detail
