// Raster filters: the documented vectors, the frame (whole surface, small
// area, progress, draw mode) and failure reporting.
#include "imaging/Filter.h"
#include "platform/Random.h"
#include "platform/Surface.h"

#include <gtest/gtest.h>
#include <stdexcept>

using namespace mdlFilter;

namespace {

struct Recorder {
    std::vector<std::pair<int, int>> status;
    QStringList errors;
    FilterContext context() {
        FilterContext c;
        c.UpdateStatusBar = [this](int info, int p) { status.emplace_back(info, p); };
        c.ShowErrorMessage = [this](const QString& d) { errors << d; };
        return c;
    }
};

Surface Uniform(int w, int h, ColorValue c) { return Surface(w, h, c); }

ColorValue At(const Surface& s, int x, int y) { return ColorValue(s.point(x, y)); }

void Whole(int kind, Surface& s, const FilterContext& c = {}) {
    int x1 = -1, y1 = -1, x2 = -1, y2 = -1;
    ApplyFilter(kind, s, x1, y1, x2, y2, c);
}

} // namespace

TEST(Filter, SplitColorKeepsTheSignOfMinusOne) {
    int r, g, b;
    SplitColor(-1, r, g, b);
    EXPECT_EQ(r, -1);
    EXPECT_EQ(g, 0);
    EXPECT_EQ(b, 0);
    SplitColor(Color::rgb(10, 20, 30), r, g, b);
    EXPECT_EQ(r, 10);
    EXPECT_EQ(g, 20);
    EXPECT_EQ(b, 30);
    EXPECT_EQ(ComposeColor(300, 0, 256), std::int32_t(Color::rgb(255, 0, 255)));
}

TEST(Filter, PointFiltersOnUniformAreas) {
    const struct { int kind; ColorValue in, out; } cases[] = {
        {BlackWhite, Color::rgb(191, 191, 191), Color::rgb(0, 0, 0)},
        {BlackWhite, Color::rgb(192, 0, 0), Color::rgb(255, 255, 255)},
        {BlackWhite, Color::rgb(0, 0, 192), Color::rgb(255, 255, 255)},
        {Brightness, Color::rgb(250, 0, 100), Color::rgb(255, 32, 132)},
        {Darkness, Color::rgb(10, 0, 32), Color::rgb(22, 32, 0)},
        {Grayscale, Color::rgb(255, 255, 255), Color::rgb(245, 245, 245)},
        {Grayscale, Color::rgb(0, 0, 0), Color::rgb(0, 0, 0)},
        {GrayBlackWhite, Color::rgb(255, 255, 255), Color::rgb(255, 255, 255)},
        {GrayBlackWhite, Color::rgb(0, 0, 0), Color::rgb(0, 0, 0)},
        // r1 = round(100 * 100 / 256) = 39; g1 = round(39 * 39 / 256) = 6;
        // b1 = round(6 * 33 / 256) = 1; v = round(46 / 3) = 15
        {GrayBlackWhite, Color::rgb(100, 0, 0), Color::rgb(15, 15, 15)},
        {NoRule, Color::rgb(1, 2, 3), Color::rgb(1, 2, 3)},
        {99, Color::rgb(1, 2, 3), Color::rgb(1, 2, 3)},
    };
    for (const auto& c : cases) {
        Surface s = Uniform(20, 20, c.in);
        Whole(c.kind, s);
        for (int y = 0; y < 20; y += 19)
            for (int x = 0; x < 20; x += 19)
                EXPECT_EQ(At(s, x, y), c.out) << "kind " << c.kind << " in " << std::hex << c.in;
    }
}

TEST(Filter, NeighbourFiltersOnUniformAreas) {
    const struct { int kind; ColorValue in, out; } cases[] = {
        {Blur, Color::rgb(255, 255, 255), Color::rgb(230, 230, 230)}, // round(229.5) = 230
        {Blur, Color::rgb(5, 15, 25), Color::rgb(4, 14, 22)},         // 4.5 -> 4, 13.5 -> 14, 22.5 -> 22
        {Emboss, Color::rgb(7, 99, 255), Color::rgb(128, 128, 128)},
        {Sharpen, Color::rgb(7, 99, 255), Color::rgb(7, 99, 255)},
        {Snow, Color::rgb(7, 99, 255), Color::rgb(7, 99, 255)},
    };
    for (const auto& c : cases) {
        Surface s = Uniform(30, 30, c.in);
        Whole(c.kind, s);
        EXPECT_EQ(At(s, 15, 15), c.out) << "kind " << c.kind;
    }
}

TEST(Filter, WholeSurfaceBlurReadsTheOutsideColumnAsRedMinusOne) {
    Surface s = Uniform(10, 8, Color::rgb(1, 1, 1));
    int x1 = -1, y1 = -1, x2 = -1, y2 = -1;
    ApplyFilter(Blur, s, x1, y1, x2, y2);
    EXPECT_EQ(x1, 0);
    EXPECT_EQ(y1, 0);
    EXPECT_EQ(x2, 10); // written back: one past the last column
    EXPECT_EQ(y2, 8);
    EXPECT_EQ(At(s, 5, 4), Color::rgb(1, 1, 1)); // 9 / 10 -> 1
    // Last column: red 6 - 3 = 3 -> 0; green, blue 6 -> 1.
    EXPECT_EQ(At(s, 9, 4), Color::rgb(0, 1, 1));
    EXPECT_EQ(At(s, 4, 7), Color::rgb(0, 1, 1)); // last row likewise
    // Corner: red 4 - 5 = -1 -> |-0.1| -> 0; green 4 -> 0.
    EXPECT_EQ(At(s, 9, 7), Color::rgb(0, 0, 0));
    // Column 0 and row 0 are not blurred.
    EXPECT_EQ(At(s, 0, 4), Color::rgb(1, 1, 1));
    EXPECT_EQ(At(s, 4, 0), Color::rgb(1, 1, 1));
}

TEST(Filter, SnowAndSharpenOnAStep) {
    Surface s = Uniform(20, 20, Color::rgb(0, 0, 0));
    s.image().setPixel(10, 10, qRgb(10, 10, 10)); // (9, 9) stays 0
    Surface t = s;
    Whole(Snow, s);
    EXPECT_EQ(At(s, 10, 10), Color::rgb(250, 250, 250)); // |10 + 24 * 10|
    EXPECT_EQ(At(s, 11, 11), Color::rgb(240, 240, 240)); // |0 + 24 * (0 - 10)|
    Whole(Sharpen, t);
    EXPECT_EQ(At(t, 10, 10), Color::rgb(15, 15, 15));    // 10 + 0.5 * 10
    EXPECT_EQ(At(t, 11, 11), Color::rgb(5, 5, 5));       // |0 + 0.5 * -10|
    Surface u = Uniform(20, 20, Color::rgb(0, 0, 0));
    u.image().setPixel(10, 10, qRgb(1, 3, 5));
    Whole(Sharpen, u);
    EXPECT_EQ(At(u, 10, 10), Color::rgb(2, 4, 8));       // 1.5 -> 2, 4.5 -> 4, 7.5 -> 8
    EXPECT_EQ(At(u, 11, 11), Color::rgb(0, 2, 2));       // -0.5 -> 0, -1.5 -> 2, -2.5 -> 2
}

TEST(Filter, BrushSquaresOfHalfSizeSevenAreSmall) {
    const struct { int half; int added; bool progress; } cases[] = {{7, 2, false}, {8, 32, true}};
    for (const auto& c : cases) {
        for (const int kind : {Brightness, Darkness}) {
            Surface s = Uniform(40, 40, Color::rgb(100, 100, 100));
            Recorder rec;
            int x1 = 20 - c.half, y1 = 20 - c.half, x2 = 20 + c.half, y2 = 20 + c.half;
            ApplyFilter(kind, s, x1, y1, x2, y2, rec.context());
            const int v = kind == Brightness ? 100 + c.added : 100 - c.added;
            EXPECT_EQ(At(s, 20, 20), Color::rgb(v, v, v)) << c.half;
            EXPECT_EQ(At(s, 20 + c.half + 1, 20), Color::rgb(100, 100, 100));
            EXPECT_EQ(!rec.status.empty(), c.progress) << c.half;
        }
    }
}

TEST(Filter, ReplaceColorsReplacesExactMatchesOnly) {
    Surface s = Uniform(20, 20, Color::rgb(10, 20, 30));
    s.image().setPixel(3, 3, qRgb(10, 20, 31));
    FilterContext c;
    c.replaceColor = Color::rgb(10, 20, 30);
    c.replacement = Color::rgb(200, 0, 0);
    Whole(ReplaceColors, s, c);
    EXPECT_EQ(At(s, 0, 0), Color::rgb(200, 0, 0));
    EXPECT_EQ(At(s, 3, 3), Color::rgb(10, 20, 31));
    c.replacement = c.replaceColor = Color::rgb(10, 20, 31);
    Whole(ReplaceColors, s, c);
    EXPECT_EQ(At(s, 3, 3), Color::rgb(10, 20, 31));
}

TEST(Filter, WaveMovesEachColumnByFourSineRows) {
    // Every column counts its rows in red; column x's pixels move to
    // round(4 sin(x) + y).
    const int w = 12, h = 30;
    Surface s(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            s.image().setPixel(x, y, qRgb(y, x, 0));
    Whole(Wave, s);
    for (int x = 0; x < w; ++x) {
        const int shift = int(std::nearbyint(4 * std::sin(double(x))));
        for (int y = 5; y < h - 5; ++y)
            EXPECT_EQ(At(s, x, y), Color::rgb(y - shift, x, 0)) << x << "," << y;
    }
    // Crease throws almost everything outside: column 0 (sin 0 = 0) stays.
    Surface c(w, h);
    c.image().fill(qRgb(1, 2, 3));
    Whole(Crease, c);
    EXPECT_EQ(At(c, 0, 10), Color::rgb(1, 2, 3));
}

TEST(Filter, WaveDoesNotPaintTheRowBelowTheSurfaceIn) {
    // The whole-surface rectangle ends one row below the picture; that row
    // holds no colour and must not be painted into the bottom rows.
    Surface s = Uniform(40, 20, Color::rgb(0, 0, 0));
    Whole(Wave, s);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(At(s, x, y), Color::rgb(0, 0, 0)) << x << "," << y;
}

TEST(Filter, DiffuseTakesComponentsFromRandomNeighbours) {
    Surface s(20, 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            s.image().setPixel(x, y, qRgb(x * 10, y * 10, x + y));
    const QImage before = s.image().copy();
    Random random;
    random.setSource([] { return 0.0; }); // every spread -2
    FilterContext c;
    c.random = &random;
    Whole(Diffuse, s, c);
    // red from (x, y - 2), green from (x - 2, y), blue from (x - 2, y - 2)
    EXPECT_EQ(At(s, 7, 9), Color::rgb(70, 90, 12));
    EXPECT_EQ(s.image().pixel(1, 9), before.pixel(1, 9)); // columns x1 + 2.. only
    EXPECT_EQ(s.image().pixel(17, 9), qRgb(170, 90, 22)); // x2 - 3 = 17 is the last
    EXPECT_EQ(s.image().pixel(18, 9), before.pixel(18, 9));
    int draws = 0;
    random.setSource([&draws] { ++draws; return 0.5; }); // spread 0: unchanged
    s.image() = before.copy();
    Whole(Diffuse, s, c);
    EXPECT_EQ(s.image(), before);
    EXPECT_EQ(draws, 16 * 16 * 4); // columns 2..17, rows 2..17, four numbers each
}

TEST(Filter, ProgressReadsThenFiltersUpToOneHundredPercent) {
    for (const int kind : {BlackWhite, Blur, Diffuse, Emboss, Wave}) {
        Surface s = Uniform(200, 50, Color::rgb(9, 9, 9));
        Recorder rec;
        Whole(kind, s, rec.context());
        ASSERT_FALSE(rec.status.empty());
        const bool snapshot = kind != BlackWhite;
        EXPECT_EQ(rec.status.front().first, snapshot ? InfoReading : InfoFiltering) << kind;
        int lastInfo = 0, lastPercent = -1;
        for (const auto& [info, p] : rec.status) {
            if (info != lastInfo)
                lastPercent = -1;
            EXPECT_GE(p, lastPercent) << kind;
            EXPECT_LE(p, 100);
            lastInfo = info;
            lastPercent = p;
        }
        EXPECT_EQ(rec.status.back(), std::make_pair(InfoFiltering, 100)) << kind;
    }
}

TEST(Filter, RunRestoresDrawModeAndRefreshesAtTheEnd) {
    Surface s = Uniform(10, 10, Color::White);
    s.drawMode = Surface::DrawXor;
    int refreshes = 0;
    s.onRefresh = [&] { ++refreshes; };
    Whole(NoRule, s);
    EXPECT_EQ(s.drawMode, Surface::DrawXor);
    EXPECT_EQ(refreshes, 1);
}

TEST(Filter, ErrorEndsTheRunAndIsReportedOnce) {
    Surface s = Uniform(300, 10, Color::rgb(100, 100, 100));
    Recorder rec;
    FilterContext c = rec.context();
    c.UpdateStatusBar = [](int, int) { throw std::runtime_error("status bar gone"); };
    Whole(Brightness, s, c);
    ASSERT_EQ(rec.errors.size(), 1);
    EXPECT_EQ(rec.errors[0], "status bar gone");
    EXPECT_EQ(At(s, 0, 0), Color::rgb(132, 132, 132));   // first band done
    EXPECT_EQ(At(s, 299, 0), Color::rgb(100, 100, 100)); // the rest not
}

TEST(Filter, BrushOverTheLeftAndTopEdgesWorks) {
    // Snapshot filters over a square reaching left of and above the surface,
    // and a large square ending at column 0, run without any error.
    for (int kind = 0; kind <= 13; ++kind) {
        Surface s = Uniform(30, 30, Color::rgb(50, 60, 70));
        Recorder rec;
        int x1 = -10, y1 = -10, x2 = 10, y2 = 10;
        ApplyFilter(kind, s, x1, y1, x2, y2, rec.context());
        int a = -40, b = -20, c = 0, d = 20;
        ApplyFilter(kind, s, a, b, c, d, rec.context());
        int e = -600, f = -5, g = 10, h = 5;
        ApplyFilter(kind, s, e, f, g, h, rec.context());
        EXPECT_TRUE(rec.errors.isEmpty()) << kind << ": " << rec.errors.join(";").toStdString();
        for (const auto& [info, p] : rec.status) {
            EXPECT_GE(p, 0) << kind;
            EXPECT_LE(p, 100) << kind;
        }
    }
}

TEST(Filter, ReadAreaFillsTheRectangleAndMarksOutsidePositions) {
    Surface s(4, 3);
    s.image().setPixel(3, 2, qRgb(1, 2, 3));
    Snapshot snap;
    int x1 = 2, y1 = 1, x2 = 5, y2 = 2;
    ReadArea(s, snap, x1, y1, x2, y2, false, false);
    EXPECT_EQ(snap.columns(), 4);
    EXPECT_EQ(snap.rows(), 2);
    EXPECT_EQ(snap.component(0, 3, 2), 1);
    EXPECT_EQ(snap.component(2, 3, 2), 3);
    EXPECT_EQ(snap.component(3, 3, 2), std::int32_t(Color::rgb(1, 2, 3)));
    EXPECT_EQ(snap.component(0, 4, 2), -1);
    EXPECT_EQ(snap.component(1, 4, 2), 0);
    EXPECT_EQ(snap.component(3, 5, 1), -1);
}

TEST(Filter, BulkRandomNumbersEqualSingleDraws) {
    for (const unsigned seed : {1u, 5489u, 20240611u}) {
        Random a, b;
        a.seed(seed);
        b.seed(seed);
        std::vector<double> bulk(50000);
        a.fill(bulk.data(), bulk.size());
        for (double v : bulk)
            ASSERT_EQ(v, b.next()) << seed;
        EXPECT_EQ(a.next(), b.next()); // both continue from the same place
    }
}
