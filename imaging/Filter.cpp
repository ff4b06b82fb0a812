#include "imaging/Filter.h"

#include "imaging/FilterRun.h"
#include "platform/AppContext.h"
#include "platform/AppError.h"

#include <exception>
#include <new>

namespace mdlFilter {

using namespace detail;

int Snapshot::component(int index, int x, int y) const {
    const std::int32_t v = colour(x, y);
    switch (index) {
    case 0:
        return RedOf(v);
    case 1:
        return GreenOf(v);
    case 2:
        return BlueOf(v);
    default:
        return v;
    }
}

namespace {

void WholeSurfaceRule(const Surface& surface, int& x1, int& y1, int& x2, int& y2) {
    if (x1 == -1 && y1 == -1 && x2 == -1 && y2 == -1) {
        x1 = 0;
        y1 = 0;
        x2 = surface.width();
        y2 = surface.height();
    }
}

// Reads columns c0..c1 of the rectangle into the snapshot (already sized and
// filled with -1).
void ReadColumns(const QImage& image, Snapshot& s, int c0, int c1) {
    const Span xs = Clip(c0, c1, image.width());
    const Span ys = Clip(s.y1, s.y2, image.height());
    if (xs.empty() || ys.empty())
        return;
    const std::size_t stride = std::size_t(s.columns());
    for (int y = ys.lo; y <= ys.hi; ++y) {
        const QRgb* src = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        std::int32_t* dst = s.colours.data() + std::size_t(y - s.y1) * stride + (xs.lo - s.x1);
        for (int x = xs.lo; x <= xs.hi; ++x)
            *dst++ = ValueOf(src[x]);
    }
}

} // namespace

void ReadArea(const Surface& surface, Snapshot& snapshot, int& x1, int& y1, int& x2, int& y2, bool packed,
              bool showProgress, const FilterContext& context) {
    WholeSurfaceRule(surface, x1, y1, x2, y2);
    snapshot.x1 = x1;
    snapshot.y1 = y1;
    snapshot.x2 = x2;
    snapshot.y2 = y2;
    snapshot.packed = packed;
    snapshot.colours.clear();
    if (x2 < x1 || y2 < y1)
        return;
    snapshot.colours.assign(std::size_t(snapshot.columns()) * std::size_t(snapshot.rows()), -1);
    const QImage& image = surface.image();
    for (long long b = x1; b <= x2; b += BandColumns) {
        const int last = int(std::min<long long>(x2, b + BandColumns - 1));
        ReadColumns(image, snapshot, int(b), last);
        if (showProgress && context.UpdateStatusBar) {
            context.UpdateStatusBar(InfoReading, Percent(last, x2));
            ClearVectorState();
        }
    }
}

void ApplyFilter(int kind, Surface& surface, int& x1, int& y1, int& x2, int& y2, const FilterContext& context) {
    const int savedDrawMode = surface.drawMode;
    try {
        WholeSurfaceRule(surface, x1, y1, x2, y2);
        const bool small = (long long)(x2 - x1) * (long long)(y2 - y1) < 256;
        surface.drawMode = Surface::DrawCopy;
        if (surface.image().format() != QImage::Format_RGB32)
            surface.image() = surface.image().convertToFormat(QImage::Format_RGB32);
        Run run(surface, x1, y1, x2, y2, small, context);
        ClearVectorState();
        if (IsPixelKind(kind))
            RunPixelKind(kind, run);
        else if (IsSnapshotKind(kind))
            RunSnapshotKind(kind, run, context.random ? *context.random : AppContext::instance().random);
    } catch (const std::exception& e) {
        if (context.ShowErrorMessage)
            context.ShowErrorMessage(ErrorDescription(e));
    }
    surface.drawMode = savedDrawMode;
    surface.refresh();
}

} // namespace mdlFilter
