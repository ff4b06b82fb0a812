#include "SurfaceTestUtil.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>

namespace {

constexpr ColorValue Red = Color::rgb(255, 0, 0);
constexpr ColorValue Blue = Color::rgb(0, 0, 255);

// A picture with something on it, so exclusive-or works against varied pixels.
Surface busySurface() {
    Surface s(120, 90, Color::White);
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            s.pset(x, y, Color::rgb(x * 2, y * 3, (x ^ y) & 0xFF));
    return s;
}

struct Figure {
    const char* name;
    std::function<void(Surface&)> draw;
};

} // namespace

TEST(SurfaceDraw, ExclusiveOrDrawnTwiceRestoresEveryPixel) {
    const QPolygon poly({QPoint(10, 10), QPoint(100, 20), QPoint(60, 80), QPoint(20, 60), QPoint(90, 70)});
    const QPolygon curve({QPoint(5, 80), QPoint(40, 0), QPoint(80, 100), QPoint(115, 10)});
    const std::vector<Figure> figures = {
        {"line", [](Surface& s) { s.line(3, 4, 110, 77); }},
        {"dot", [](Surface& s) { s.line(30, 30, 30, 30); }},
        {"box", [](Surface& s) { s.box(10, 10, 60, 50); }},
        {"point box", [](Surface& s) { s.box(10, 10, 10, 10); }},
        {"filled box", [](Surface& s) { s.filledBox(5, 5, 70, 40, Red); }},
        {"circle", [](Surface& s) { s.circle(60, 45, 30); }},
        {"flat ellipse", [](Surface& s) { s.circle(60, 45, 50, 0.3); }},
        {"tall ellipse", [](Surface& s) { s.circle(60, 45, 40, 2.5); }},
        {"round rect", [](Surface& s) { s.roundRect(10, 10, 100, 70, 10, 10); }},
        {"polygon", [&](Surface& s) { s.polygon(poly); }},
        {"polyline", [&](Surface& s) { s.polyline(poly); }},
        {"bezier", [&](Surface& s) { s.bezier(curve); }},
        {"text", [](Surface& s) { s.currentX = 5; s.currentY = 5; s.print(QStringLiteral("Hello\nXor")); }},
        {"outside", [](Surface& s) { s.line(-50, -50, 500, 20); s.circle(120, 90, 40); }},
    };
    struct Pen {
        int width, style, fillStyle;
    };
    const Pen pens[] = {{1, Surface::Solid, Surface::FillTransparent}, {1, Surface::Dot, Surface::FillSolid},
                        {3, Surface::Dash, Surface::FillUpwardDiagonal}, {7, Surface::DashDotDot, Surface::FillCross},
                        {4, Surface::Solid, Surface::FillDiagonalCross}};
    for (const Figure& f : figures) {
        for (const Pen& p : pens) {
            Surface s = busySurface();
            s.drawMode = Surface::DrawXor;
            s.foreColor = Color::rgb(0x5A, 0xC3, 0x0F);
            s.fillColor = Color::rgb(0x21, 0x44, 0xF0);
            s.drawWidth = p.width;
            s.drawStyle = p.style;
            s.fillStyle = p.fillStyle;
            const QImage before = s.image().copy();
            f.draw(s);
            const bool changed = !sameImage(before, s.image());
            s.currentX = s.currentY = 0;
            f.draw(s);
            EXPECT_TRUE(changed) << f.name << " width " << p.width;
            EXPECT_TRUE(sameImage(before, s.image())) << f.name << " width " << p.width << " style " << p.style;
        }
    }
}

TEST(SurfaceDraw, ExclusiveOrIsPixelXorPenColour) {
    Surface s(20, 5, Color::rgb(0x10, 0x20, 0x30));
    s.drawMode = Surface::DrawXor;
    s.foreColor = Color::rgb(0xFF, 0x0F, 0x01);
    s.line(2, 2, 15, 2);
    EXPECT_EQ(s.point(5, 2), qint64(Color::rgb(0x10 ^ 0xFF, 0x20 ^ 0x0F, 0x30 ^ 0x01)));
    EXPECT_EQ(s.point(5, 1), qint64(Color::rgb(0x10, 0x20, 0x30)));
    EXPECT_EQ(qAlpha(s.image().pixel(5, 2)), 255);
    s.pset(0, 0, Color::White);
    EXPECT_EQ(s.point(0, 0), qint64(Color::rgb(0xEF, 0xDF, 0xCF)));
}

TEST(SurfaceDraw, ExclusiveOrFigureKeepsOutlineOverSameColouredInterior) {
    // Pen and fill of the same colour: every pixel is XORed once, so the
    // preview shows a solid figure and no outline cancels out.
    Surface s(40, 40, Color::Black);
    s.drawMode = Surface::DrawXor;
    s.foreColor = s.fillColor = Color::White;
    s.fillStyle = Surface::FillSolid;
    s.box(5, 5, 30, 30);
    EXPECT_EQ(countColor(s, Color::White, QRect(5, 5, 26, 26)), 26 * 26);
    EXPECT_EQ(paintedBounds(s, Color::Black), QRect(QPoint(5, 5), QPoint(30, 30)));
}

TEST(SurfaceDraw, BoxCornersAreInclusive) {
    struct Case {
        int x1, y1, x2, y2;
    } cases[] = {{2, 3, 12, 9}, {12, 9, 2, 3}, {4, 4, 4, 10}, {7, 7, 7, 7}};
    for (const Case& c : cases) {
        Surface s(20, 20);
        s.box(c.x1, c.y1, c.x2, c.y2);
        const QRect want(QPoint(std::min(c.x1, c.x2), std::min(c.y1, c.y2)), QPoint(std::max(c.x1, c.x2), std::max(c.y1, c.y2)));
        EXPECT_EQ(paintedBounds(s, Color::White), want) << c.x1 << "," << c.y1;
        Surface f(20, 20);
        f.filledBox(c.x1, c.y1, c.x2, c.y2, Red);
        EXPECT_EQ(paintedBounds(f, Color::White), want);
        EXPECT_EQ(countColor(f, Red, want), want.width() * want.height());
    }
}

TEST(SurfaceDraw, LineEndsAndPenWidths) {
    struct Case {
        int width;
        int rows; // rows covered by a long horizontal line
    } cases[] = {{1, 1}, {2, 2}, {3, 3}, {5, 5}, {8, 8}};
    for (const Case& c : cases) {
        Surface s(60, 30);
        s.drawWidth = c.width;
        s.line(10, 15, 50, 15);
        int rows = 0;
        for (int y = 0; y < 30; ++y)
            rows += s.point(30, y) == qint64(Color::Black);
        EXPECT_EQ(rows, c.rows) << "width " << c.width;
    }
    Surface s(20, 5);
    s.line(2, 2, 12, 2);
    EXPECT_EQ(rowText(s, 2, 0, 14, Color::Black), QStringLiteral("..###########.."));
    EXPECT_EQ(s.currentX, 12);
}

TEST(SurfaceDraw, PenStylesMakeTheirOwnPatterns) {
    // Along a 1-pixel line: solid has no gaps; the others repeat a pattern of
    // dashes and gaps, each different.
    QStringList patterns;
    for (int style = Surface::Solid; style <= Surface::DashDotDot; ++style) {
        Surface s(100, 3);
        s.drawStyle = style;
        s.line(0, 1, 99, 1);
        const QString row = rowText(s, 1, 0, 99, Color::Black);
        patterns << row;
        if (style == Surface::Solid)
            EXPECT_FALSE(row.contains(QLatin1Char('.')));
        else {
            EXPECT_TRUE(row.contains(QLatin1Char('.'))) << style;
            EXPECT_GT(row.count(QLatin1Char('#')), 20) << style;
        }
    }
    patterns.removeDuplicates();
    EXPECT_EQ(patterns.size(), 5);
    // Dots of a 1-pixel pen: three on, three off.
    EXPECT_TRUE(patterns[Surface::Dot].startsWith(QStringLiteral("###...###...")));
    // A wide dashed pen keeps its gaps.
    Surface w(200, 20);
    w.drawWidth = 4;
    w.drawStyle = Surface::Dash;
    w.line(0, 10, 199, 10);
    EXPECT_TRUE(rowText(w, 10, 0, 199, Color::Black).contains(QStringLiteral("..")));
}

TEST(SurfaceDraw, EllipseByRadiusAndAspectFillsItsBox) {
    struct Case {
        double radius, aspect;
        int halfW, halfH; // expected extent from the centre
    } cases[] = {
        {20, 1.0, 20, 20}, {30, 0.5, 30, 15}, {30, 2.0, 15, 30}, {10, 0.2, 10, 2}, {25, 5.0, 5, 25}, {0, 1.0, 0, 0},
    };
    for (const Case& c : cases) {
        Surface s(100, 100);
        s.circle(50, 50, c.radius, c.aspect);
        const QRect want(QPoint(50 - c.halfW, 50 - c.halfH), QPoint(50 + c.halfW, 50 + c.halfH));
        const QRect got = paintedBounds(s, Color::White);
        EXPECT_LE(std::abs(got.left() - want.left()), 1) << c.radius << " " << c.aspect;
        EXPECT_LE(std::abs(got.right() - want.right()), 1) << c.radius << " " << c.aspect;
        EXPECT_LE(std::abs(got.top() - want.top()), 1) << c.radius << " " << c.aspect;
        EXPECT_LE(std::abs(got.bottom() - want.bottom()), 1) << c.radius << " " << c.aspect;
    }
}

TEST(SurfaceDraw, FillStylesOfClosedFigures) {
    // A big square in each fill style: the interior pattern, in the fill
    // colour, with the hatch lines in the named direction.
    auto interior = [](int style) {
        Surface s(64, 64, Color::White);
        s.foreColor = Blue;
        s.fillColor = Red;
        s.fillStyle = style;
        s.box(0, 0, 63, 63);
        return s;
    };
    auto isFill = [](const Surface& s, int x, int y) { return s.point(x, y) == qint64(Red); };
    const QRect inside(8, 8, 48, 48);
    const int area = inside.width() * inside.height();

    EXPECT_EQ(countColor(interior(Surface::FillSolid), Red, inside), area);
    EXPECT_EQ(countColor(interior(Surface::FillTransparent), Color::White, inside), area);

    struct Hatch {
        int style;
        const char* direction;
    } hatches[] = {{Surface::FillHorizontal, "-"},        {Surface::FillVertical, "|"},
                   {Surface::FillUpwardDiagonal, "/"},    {Surface::FillDownwardDiagonal, "\\"},
                   {Surface::FillCross, "-|"},            {Surface::FillDiagonalCross, "/\\"}};
    for (const Hatch& h : hatches) {
        Surface s = interior(h.style);
        const int red = countColor(s, Red, inside);
        EXPECT_GT(red, 0) << h.style;
        EXPECT_EQ(red + countColor(s, Color::White, inside), area) << "hatch background stays " << h.style;
        EXPECT_LT(red, area / 2) << h.style;
        // The directions in which fill pixels continue (y grows downwards:
        // "/" rises to the right).
        QString dirs;
        for (int y = 8; y < 56; ++y)
            for (int x = 8; x < 56; ++x)
                if (isFill(s, x, y)) {
                    if (isFill(s, x + 1, y) && isFill(s, x - 1, y) && !dirs.contains(QLatin1Char('-'))) dirs += QLatin1Char('-');
                    if (isFill(s, x, y + 1) && isFill(s, x, y - 1) && !dirs.contains(QLatin1Char('|'))) dirs += QLatin1Char('|');
                    if (isFill(s, x + 1, y - 1) && isFill(s, x - 1, y + 1) && !dirs.contains(QLatin1Char('/'))) dirs += QLatin1Char('/');
                    if (isFill(s, x + 1, y + 1) && isFill(s, x - 1, y - 1) && !dirs.contains(QLatin1Char('\\'))) dirs += QLatin1Char('\\');
                }
        std::sort(dirs.begin(), dirs.end());
        QString want = QString::fromLatin1(h.direction);
        std::sort(want.begin(), want.end());
        EXPECT_EQ(dirs, want) << "style " << h.style;
    }
}

TEST(SurfaceDraw, PolygonOutlineInPenInteriorInFill) {
    Surface s(50, 50);
    s.foreColor = Blue;
    s.fillColor = Red;
    s.fillStyle = Surface::FillSolid;
    s.polygon(QPolygon({QPoint(5, 5), QPoint(45, 5), QPoint(45, 45), QPoint(5, 45)}));
    EXPECT_EQ(s.point(5, 20), qint64(Blue));
    EXPECT_EQ(s.point(45, 20), qint64(Blue));
    EXPECT_EQ(s.point(25, 25), qint64(Red));
    EXPECT_EQ(s.point(4, 25), qint64(Color::White));
    // A self-crossing polygon leaves its doubly-covered middle empty (alternate filling).
    Surface t(60, 60);
    t.fillColor = Red;
    t.fillStyle = Surface::FillSolid;
    t.polygon(QPolygon({QPoint(10, 10), QPoint(50, 10), QPoint(50, 30), QPoint(20, 30), QPoint(20, 20), QPoint(40, 20),
                        QPoint(40, 50), QPoint(10, 50)}));
    EXPECT_EQ(t.point(15, 15), qint64(Red));
    EXPECT_EQ(t.point(30, 25), qint64(Color::White));
}

TEST(SurfaceDraw, BezierPassesThroughItsEnds) {
    Surface s(110, 110);
    s.bezier(QPolygon({QPoint(5, 5), QPoint(105, 5), QPoint(5, 105), QPoint(105, 105)}));
    EXPECT_EQ(s.point(5, 5), qint64(Color::Black));
    EXPECT_EQ(s.point(105, 105), qint64(Color::Black));
    EXPECT_EQ(s.point(55, 55), qint64(Color::Black)); // symmetric S passes the middle
    // Fewer than four points draw nothing.
    Surface t(20, 20);
    t.bezier(QPolygon({QPoint(1, 1), QPoint(5, 5), QPoint(9, 9)}));
    EXPECT_TRUE(paintedBounds(t, Color::White).isEmpty());
}

TEST(SurfaceDraw, PrintMovesToTheNextLine) {
    Surface s(200, 100);
    s.font.size = 12;
    s.currentX = 10;
    s.currentY = 5;
    const QSize one = s.textSize(QStringLiteral("Wg"));
    s.print(QStringLiteral("Wg"));
    EXPECT_EQ(s.currentX, 10);
    EXPECT_EQ(s.currentY, 5 + one.height());
    const QRect ink = paintedBounds(s, Color::White);
    EXPECT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), 9);
    EXPECT_GE(ink.top(), 5);
    EXPECT_LE(ink.bottom(), 5 + one.height());
    EXPECT_EQ(s.textSize(QStringLiteral("a\nb")).height(), 2 * one.height());
    EXPECT_GT(s.textSize(QStringLiteral("WWWW")).width(), s.textSize(QStringLiteral("W")).width());
}

namespace {

TEST(SurfaceSize, AResizeThatCannotBeAllocatedThrowsAndKeepsThePicture) {
    Surface s(20, 10);
    s.pset(3, 4, Color::rgb(255, 0, 0));
    EXPECT_THROW(s.resize(1 << 30, 4), std::bad_alloc);
    EXPECT_EQ(s.width(), 20);
    EXPECT_EQ(s.height(), 10);
    EXPECT_EQ(s.point(3, 4), qint64(Color::rgb(255, 0, 0)));
}

} // namespace
