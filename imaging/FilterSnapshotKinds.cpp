// The filters that read a snapshot of the rectangle: Blur, Crease, Diffuse,
// Emboss, Sharpen, Snow and Wave.
#include "imaging/FilterRun.h"
#include "imaging/Rounding.h"
#include "platform/Random.h"

#include <array>
#include <cmath>
#include <cstdlib>

namespace mdlFilter::detail {

namespace {

// Blur: each component of (x, y) becomes round(|S / 10|), S the sum of that
// component over the 3 x 3 block around it (divided by 10, not 9). The three
// sums are carried in 16-bit lanes of one 64-bit number: red + 1, green,
// blue, so that the outside colour (-1, 0, 0) is the number 0; nine red
// lanes then hold S + 9.
inline std::uint64_t Lanes(std::int32_t v) {
    const std::uint64_t inside = ~std::uint64_t(std::int64_t(v >> 31)); // all ones unless v is -1
    const std::uint64_t u = std::uint32_t(v);
    return (((u & 0xFF) + 1) | ((u & 0xFF00) << 8) | ((u & 0xFF0000) << 16)) & inside;
}

struct BlurTables {
    std::array<std::uint8_t, 9 * 256 + 1> red{};   // index S + 9
    std::array<std::uint8_t, 9 * 255 + 1> other{}; // index S
    BlurTables() {
        for (int i = 0; i < int(red.size()); ++i)
            red[std::size_t(i)] = std::uint8_t(Rounding::divHalfEven(std::abs(i - 9), 10));
        for (int i = 0; i < int(other.size()); ++i)
            other[std::size_t(i)] = std::uint8_t(Rounding::divHalfEven(i, 10));
    }
};

void BlurColumns(Run& run, const Snapshot& s, int c0, int c1) {
    static const BlurTables tables;
    const Span xs = Clip(c0, c1, run.width());
    const Span ys = Clip(run.y1 + 1, run.y2 - 1, run.height());
    if (xs.empty() || ys.empty())
        return;
    // Column sums of the rows y - 1..y + 1 for columns xs.lo - 1..xs.hi + 1.
    const int n = xs.hi - xs.lo + 3;
    std::vector<std::uint64_t> col(static_cast<std::size_t>(n));
    for (int y = ys.lo; y <= ys.hi; ++y) {
        const std::int32_t* up = &s.colours[std::size_t(y - 1 - s.y1) * s.columns() + (xs.lo - 1 - s.x1)];
        const std::int32_t* mid = up + s.columns();
        const std::int32_t* down = mid + s.columns();
        for (int k = 0; k < n; ++k)
            col[std::size_t(k)] = Lanes(up[k]) + Lanes(mid[k]) + Lanes(down[k]);
        QRgb* out = run.row(y) + xs.lo;
        for (int k = 1; k < n - 1; ++k) {
            const std::uint64_t sum = col[std::size_t(k - 1)] + col[std::size_t(k)] + col[std::size_t(k + 1)];
            out[k - 1] = 0xFF000000u | (QRgb(tables.red[sum & 0xFFFF]) << 16) |
                         (QRgb(tables.other[(sum >> 16) & 0xFFFF]) << 8) | QRgb(tables.other[(sum >> 32) & 0xFFFF]);
        }
    }
}

// Emboss, Sharpen and Snow: each component becomes f(s(x, y), s(x + dx, y + dy)),
// limited to 255, over the given rows.
template <class F>
void PairColumns(Run& run, const Snapshot& s, int c0, int c1, int row0, int row1, int dx, int dy, F&& f) {
    const Span xs = Clip(c0, c1, run.width());
    const Span ys = Clip(row0, row1, run.height());
    if (xs.empty() || ys.empty())
        return;
    for (int y = ys.lo; y <= ys.hi; ++y) {
        const std::int32_t* here = &s.colours[std::size_t(y - s.y1) * s.columns() + (xs.lo - s.x1)];
        const std::int32_t* there = here + std::ptrdiff_t(dy) * s.columns() + dx;
        QRgb* out = run.row(y) + xs.lo;
        const int n = xs.hi - xs.lo + 1;
        for (int k = 0; k < n; ++k) {
            const std::int32_t a = here[k], b = there[k];
            out[k] = Pixel(f(RedOf(a), RedOf(b)), f(GreenOf(a), GreenOf(b)), f(BlueOf(a), BlueOf(b)));
        }
    }
}

// Crease and Wave: the snapshot colour of (x, y) goes to (x, round(A sin(x) + y)),
// x in radians. Each column's writes happen in ascending y, so a later write
// over the same place wins, as in the column-by-column order. Positions of the
// rectangle outside the surface carry no colour and are not written.
void ShiftColumns(Run& run, const Snapshot& s, int c0, int c1, double amplitude) {
    const Span xs = Clip(c0, c1, run.width());
    if (xs.empty())
        return;
    std::vector<double> offset(std::size_t(xs.hi - xs.lo + 1));
    for (int x = xs.lo; x <= xs.hi; ++x)
        offset[std::size_t(x - xs.lo)] = amplitude * std::sin(double(x));
    const int h = run.height();
    for (int y = run.y1; y <= run.y2; ++y) {
        for (int x = xs.lo; x <= xs.hi; ++x) {
            const std::int32_t v = s.colour(x, y);
            if (v < 0)
                continue;
            const double target = offset[std::size_t(x - xs.lo)] + y;
            if (target < -1.0 || target >= double(h))
                continue;
            const int ty = Rounding::halfEvenSmall(target);
            if (ty >= 0 && ty < h)
                run.row(ty)[x] = PixelOf(v);
        }
    }
}

// floor(u * 5 - 2) for u in [0, 1): -2..2.
inline int Spread(double u) {
    const double v = u * 5 - 2;
    const int t = int(v); // toward zero
    return t - (v < double(t));
}

// Diffuse: four uniform numbers per position, drawn column by column in
// ascending rows (the program's order), then the picked components.
void DiffuseColumns(Run& run, const Snapshot& s, int c0, int c1, Random& random) {
    const int row0 = run.y1 + 2, row1 = run.y2 - 3;
    if (row1 < row0)
        return;
    const std::size_t rows = std::size_t(row1 - row0 + 1);
    const Span ys = Clip(row0, row1, run.height());
    constexpr int Group = 16; // columns whose numbers are drawn at once
    std::vector<double> u;
    std::vector<std::int8_t> d;
    for (int g0 = c0; g0 <= c1; g0 += Group) {
        const int g1 = std::min(c1, g0 + Group - 1);
        const std::size_t count = std::size_t(g1 - g0 + 1) * rows * 4;
        u.resize(count);
        d.resize(count);
        random.fill(u.data(), count); // column by column, four per position
        for (std::size_t k = 0; k < count; ++k)
            d[k] = std::int8_t(Spread(u[k]));
        const Span xs = Clip(g0, g1, run.width());
        if (xs.empty() || ys.empty())
            continue;
        for (int y = ys.lo; y <= ys.hi; ++y) {
            QRgb* out = run.row(y);
            for (int x = xs.lo; x <= xs.hi; ++x) {
                const std::int8_t* e = d.data() + (std::size_t(x - g0) * rows + std::size_t(y - row0)) * 4;
                const int red = std::abs(RedOf(s.colour(x, y + e[0])));
                const int green = std::abs(GreenOf(s.colour(x + e[1], y)));
                const int blue = std::abs(BlueOf(s.colour(x + e[3], y + e[2])));
                out[x] = Pixel(red, green, blue);
            }
        }
    }
}

} // namespace

bool IsSnapshotKind(int kind) {
    switch (kind) {
    case Blur:
    case Crease:
    case Diffuse:
    case Emboss:
    case Sharpen:
    case Snow:
    case Wave:
        return true;
    default:
        return false;
    }
}

bool IsPackedKind(int kind) { return kind == Crease || kind == Diffuse || kind == Wave; }

void RunSnapshotKind(int kind, Run& run, Random& random) {
    Snapshot s;
    int x1 = run.x1, y1 = run.y1, x2 = run.x2, y2 = run.y2;
    ReadArea(run.surface, s, x1, y1, x2, y2, IsPackedKind(kind), !run.small, run.context);
    if (s.colours.empty())
        return;
    switch (kind) {
    case Blur:
        run.columns(run.x1 + 1, run.x2 - 1, 1, [&](int c0, int c1) { BlurColumns(run, s, c0, c1); });
        break;
    case Crease:
    case Wave: {
        const double amplitude = kind == Crease ? 512.0 : 4.0;
        run.columns(run.x1, run.x2, 0, [&](int c0, int c1) { ShiftColumns(run, s, c0, c1, amplitude); });
        break;
    }
    case Diffuse:
        run.columns(run.x1 + 2, run.x2 - 3, 3, [&](int c0, int c1) { DiffuseColumns(run, s, c0, c1, random); });
        break;
    case Emboss:
        run.columns(run.x1, run.x2 - 1, 1, [&](int c0, int c1) {
            PairColumns(run, s, c0, c1, run.y1, run.y2 - 1, 1, 1,
                        [](int a, int b) { return std::min(std::abs(a - b - 128), 255); });
        });
        break;
    case Sharpen: // round(s + 0.5 (s - s')) = round((3s - s') / 2)
        run.columns(run.x1 + 1, run.x2, 0, [&](int c0, int c1) {
            PairColumns(run, s, c0, c1, run.y1 + 1, run.y2, -1, -1,
                        [](int a, int b) { return std::min(std::abs(Rounding::halfOfHalfEven(3 * a - b)), 255); });
        });
        break;
    case Snow:
        run.columns(run.x1 + 1, run.x2, 0, [&](int c0, int c1) {
            PairColumns(run, s, c0, c1, run.y1 + 1, run.y2, -1, -1,
                        [](int a, int b) { return std::min(std::abs(a + 24 * (a - b)), 255); });
        });
        break;
    default:
        break;
    }
}

} // namespace mdlFilter::detail
