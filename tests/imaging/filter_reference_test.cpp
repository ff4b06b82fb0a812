// The buffer filters against a slow reference that follows the per-pixel
// rules word for word: one pixel read and one pixel write at a time through
// the surface, columns outer, rows inner, floating-point rounding. Random
// pictures and rectangles (whole surface, brush squares on and over the
// edges, small and large) must give identical pixels.
#include "imaging/Filter.h"
#include "platform/Random.h"
#include "platform/Surface.h"

#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <random>

using namespace mdlFilter;

namespace {

long long Rnd(double v) { return std::llround(std::nearbyint(v)); }

void Split(long long c, long long& r, long long& g, long long& b) {
    r = c % 256;
    g = (c / 256) % 256;
    b = c / 65536;
}
ColorValue Compose(long long r, long long g, long long b) {
    return ColorValue(std::min(r, 255LL) + 256 * std::min(g, 255LL) + 65536 * std::min(b, 255LL));
}

// Snapshot indexed by absolute coordinates (may be negative).
struct RefSnap {
    std::map<std::pair<int, int>, long long> v;
    long long at(int x, int y) const { return v.at({x, y}); }
    long long comp(int i, int x, int y) const {
        long long r, g, b;
        Split(at(x, y), r, g, b);
        return i == 0 ? r : i == 1 ? g : b;
    }
};

void Reference(int kind, Surface& s, int x1, int y1, int x2, int y2, ColorValue from, ColorValue to, Random& rnd) {
    if (x1 == -1 && y1 == -1 && x2 == -1 && y2 == -1) {
        x1 = 0;
        y1 = 0;
        x2 = s.width();
        y2 = s.height();
    }
    const bool small = (long long)(x2 - x1) * (y2 - y1) < 256;
    RefSnap snap;
    for (int x = x1; x <= x2; ++x)
        for (int y = y1; y <= y2; ++y)
            snap.v[{x, y}] = s.point(x, y);
    auto each = [&](int xa, int xb, int ya, int yb, auto&& f) {
        for (int x = xa; x <= xb; ++x)
            for (int y = ya; y <= yb; ++y)
                f(x, y);
    };
    auto perComp = [&](int x, int y, auto&& f) {
        s.pset(x, y, Compose(f(0), f(1), f(2)));
    };
    switch (kind) {
    case BlackWhite:
        each(x1, x2, y1, y2, [&](int x, int y) {
            long long r, g, b;
            Split(s.point(x, y), r, g, b);
            s.pset(x, y, (r < 192 && g < 192 && b < 192) ? 0 : 16777215);
        });
        break;
    case Blur:
        each(x1 + 1, x2 - 1, y1 + 1, y2 - 1, [&](int x, int y) {
            perComp(x, y, [&](int i) {
                long long sum = 0;
                for (int a = x - 1; a <= x + 1; ++a)
                    for (int b = y - 1; b <= y + 1; ++b)
                        sum += snap.comp(i, a, b);
                return Rnd(std::fabs(double(sum) / 10));
            });
        });
        break;
    case Brightness:
    case Darkness: {
        const double amount = (kind == Brightness ? 1 : -1) * (small ? 2.0 : 32.0);
        each(x1, x2, y1, y2, [&](int x, int y) {
            long long c[3];
            Split(s.point(x, y), c[0], c[1], c[2]);
            perComp(x, y, [&](int i) { return Rnd(std::fabs(c[i] + amount)); });
        });
        break;
    }
    case Crease:
    case Wave: {
        const double a = kind == Crease ? 512.0f : 4.0f;
        each(x1, x2, y1, y2, [&](int x, int y) {
            if (snap.at(x, y) != -1)
                s.pset(x, int(Rnd(a * std::sin(double(x)) + y)), ColorValue(snap.at(x, y)));
        });
        break;
    }
    case Diffuse:
        each(x1 + 2, x2 - 3, y1 + 2, y2 - 3, [&](int x, int y) {
            int d[4];
            for (int& k : d)
                k = int(std::floor(rnd.next() * 5 - 2));
            s.pset(x, y,
                   Compose(std::llabs(snap.comp(0, x, y + d[0])), std::llabs(snap.comp(1, x + d[1], y)),
                           std::llabs(snap.comp(2, x + d[3], y + d[2]))));
        });
        break;
    case Emboss:
        each(x1, x2 - 1, y1, y2 - 1, [&](int x, int y) {
            perComp(x, y, [&](int i) { return Rnd(std::fabs(double(snap.comp(i, x, y) - snap.comp(i, x + 1, y + 1) - 128))); });
        });
        break;
    case GrayBlackWhite:
        each(x1, x2, y1, y2, [&](int x, int y) {
            long long r, g, b;
            Split(s.point(x, y), r, g, b);
            const long long r1 = Rnd(std::fabs(double(r * (r + 2 * g - b))) / 256);
            const long long g1 = Rnd(std::fabs(double(r1 * (r1 + 2 * b - g))) / 256);
            const long long b1 = Rnd(std::fabs(double(g1 * (r1 + 2 * b - g1))) / 256);
            long long r2, g2, b2;
            Split(Compose(r1, g1, b1), r2, g2, b2);
            const long long v = Rnd(double(r2 + g2 + b2) / 3);
            s.pset(x, y, Compose(v, v, v));
        });
        break;
    case Grayscale:
        each(x1, x2, y1, y2, [&](int x, int y) {
            long long r, g, b;
            Split(s.point(x, y), r, g, b);
            const double a = 0.32f;
            const long long v = Rnd(std::fabs(a * r + a * g + a * b));
            s.pset(x, y, Compose(v, v, v));
        });
        break;
    case ReplaceColors:
        each(x1, x2, y1, y2, [&](int x, int y) {
            if (s.point(x, y) == (long long)from)
                s.pset(x, y, to);
        });
        break;
    case Sharpen:
    case Snow: {
        const double a = kind == Sharpen ? 0.5f : 24.0f;
        each(x1 + 1, x2, y1 + 1, y2, [&](int x, int y) {
            perComp(x, y, [&](int i) {
                const double v = double(snap.comp(i, x, y));
                return std::llabs(Rnd(v + a * (v - double(snap.comp(i, x - 1, y - 1)))));
            });
        });
        break;
    }
    default:
        break;
    }
}

} // namespace

TEST(FilterReference, BufferFiltersMatchThePixelByPixelRules) {
    std::mt19937 gen(20240611u);
    auto uni = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); };
    int compared = 0;
    for (int round = 0; round < 12; ++round) {
        const int w = uni(1, 70), h = uni(1, 50);
        Surface base(w, h);
        // Few distinct colours make Replace Colors and runs of equal pixels
        // likely; extremes exercise the limits.
        const QRgb palette[] = {qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(uni(0, 255), uni(0, 255), uni(0, 255)),
                                qRgb(191, 192, 10), qRgb(128, 127, 129)};
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                base.image().setPixel(x, y, uni(0, 3) == 0 ? palette[uni(0, 4)]
                                                           : qRgb(uni(0, 255), uni(0, 255), uni(0, 255)));
        const ColorValue from = Color::fromRgb(palette[2]);
        for (int kind = 0; kind <= 13; ++kind) {
            for (int shape = 0; shape < 4; ++shape) {
                int x1 = -1, y1 = -1, x2 = -1, y2 = -1;
                if (shape > 0) { // a brush square around a point, maybe over an edge
                    const int half = shape == 1 ? uni(1, 7) : uni(8, 30);
                    const int cx = uni(-half, w + half), cy = uni(-half, h + half);
                    x1 = cx - half;
                    y1 = cy - half;
                    x2 = cx + half;
                    y2 = cy + half;
                }
                Surface fast = base, slow = base;
                Random r1, r2;
                r1.seed(unsigned(round * 100 + kind));
                r2.seed(unsigned(round * 100 + kind));
                FilterContext c;
                c.random = &r1;
                c.replaceColor = from;
                c.replacement = Color::rgb(1, 2, 3);
                QStringList errors;
                c.ShowErrorMessage = [&](const QString& d) { errors << d; };
                int a = x1, b = y1, cc = x2, d = y2;
                ApplyFilter(kind, fast, a, b, cc, d, c);
                Reference(kind, slow, x1, y1, x2, y2, from, c.replacement, r2);
                ASSERT_TRUE(errors.isEmpty()) << errors.join(";").toStdString();
                ASSERT_EQ(fast.image(), slow.image())
                    << "kind " << kind << " size " << w << "x" << h << " rect " << x1 << "," << y1 << "-" << x2 << "," << y2;
                ++compared;
            }
        }
    }
    EXPECT_EQ(compared, 12 * 14 * 4);
}
