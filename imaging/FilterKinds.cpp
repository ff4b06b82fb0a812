// The filters that read only the pixel they write: Black & White, Brightness,
// Darkness, Gray Black & White, Grayscale and Replace Colors. Reads outside
// the surface give -1 and writes there are dropped, so only the part of the
// rectangle inside the surface has anything to do.
#include "imaging/FilterRun.h"
#include "imaging/FilterSpans.h"

namespace mdlFilter::detail {

namespace {

// Calls f(first pixel, count) for each row's part of columns c0..c1 inside
// the surface.
template <class F> void ForEachRowSpan(Run& run, int c0, int c1, F&& f) {
    const Span xs = Clip(c0, c1, run.width());
    const Span ys = Clip(run.y1, run.y2, run.height());
    if (xs.empty() || ys.empty())
        return;
    for (int y = ys.lo; y <= ys.hi; ++y)
        f(run.row(y) + xs.lo, xs.hi - xs.lo + 1);
}

template <class F> void EachBand(Run& run, F&& span) {
    run.columns(run.x1, run.x2, 0, [&](int c0, int c1) { ForEachRowSpan(run, c0, c1, span); });
}

} // namespace

bool IsPixelKind(int kind) {
    switch (kind) {
    case BlackWhite:
    case Brightness:
    case Darkness:
    case GrayBlackWhite:
    case Grayscale:
    case ReplaceColors:
        return true;
    default:
        return false;
    }
}

void RunPixelKind(int kind, Run& run) {
    switch (kind) {
    case BlackWhite:
        EachBand(run, BlackWhiteSpan);
        break;
    case Brightness:
    case Darkness: {
        const int step = run.small ? 2 : 32;
        const int amount = kind == Brightness ? step : -step;
        EachBand(run, [amount](QRgb* p, int n) { ShiftSpan(p, n, amount); });
        break;
    }
    case GrayBlackWhite:
        EachBand(run, GrayBlackWhiteSpan);
        break;
    case Grayscale:
        EachBand(run, GrayscaleSpan);
        break;
    case ReplaceColors: {
        // A value beyond 24 bits is no plain colour and matches no pixel.
        const ColorValue c = run.context.replaceColor;
        const QRgb from = c > 0xFFFFFFu ? 0xFFFFFFFFu : QRgb(Color::toRgb(c) & 0x00FFFFFFu);
        const QRgb to = Color::toRgb(run.context.replacement);
        EachBand(run, [from, to](QRgb* p, int n) { ReplaceSpan(p, n, from, to); });
        break;
    }
    default:
        break;
    }
}

} // namespace mdlFilter::detail
