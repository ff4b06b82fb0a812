#include "SurfaceTestUtil.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr ColorValue Red = Color::rgb(255, 0, 0);

struct Figure {
    const char* name;
    std::function<void(Surface&)> draw;
};

const std::vector<Figure>& figures() {
    static const QPolygon poly({QPoint(10, 10), QPoint(100, 20), QPoint(60, 80), QPoint(20, 60), QPoint(90, 70)});
    static const QPolygon curve({QPoint(5, 80), QPoint(40, 0), QPoint(80, 100), QPoint(115, 10)});
    static const std::vector<Figure> all = {
        {"line", [](Surface& s) { s.line(3, 4, 110, 77); }},
        {"steep line", [](Surface& s) { s.line(60, 2, 64, 88); }},
        {"dot", [](Surface& s) { s.line(30, 30, 30, 30); }},
        {"box", [](Surface& s) { s.box(10, 10, 60, 50); }},
        {"thin box", [](Surface& s) { s.box(10, 10, 90, 10); }},
        {"circle", [](Surface& s) { s.circle(60, 45, 30); }},
        {"flat ellipse", [](Surface& s) { s.circle(60, 45, 50, 0.3); }},
        {"round rect", [](Surface& s) { s.roundRect(10, 10, 100, 70, 10, 10); }},
        {"polygon", [](Surface& s) { s.polygon(poly); }},
        {"polyline", [](Surface& s) { s.polyline(poly); }},
        {"bezier", [](Surface& s) { s.bezier(curve); }},
        {"outside", [](Surface& s) { s.line(-50, -50, 500, 20); s.circle(120, 90, 40); }},
    };
    return all;
}

struct Pen {
    int width, style, fillStyle;
};
constexpr Pen Pens[] = {{1, Surface::Solid, Surface::FillTransparent}, {1, Surface::Dot, Surface::FillSolid},
                        {3, Surface::Dash, Surface::FillUpwardDiagonal}, {8, Surface::Solid, Surface::FillTransparent},
                        {5, Surface::DashDotDot, Surface::FillCross}};

void setPen(Surface& s, const Pen& p) {
    s.foreColor = Color::rgb(0x5A, 0xC3, 0x0F);
    s.fillColor = Color::rgb(0x21, 0x44, 0xF0);
    s.drawWidth = p.width;
    s.drawStyle = p.style;
    s.fillStyle = p.fillStyle;
}

} // namespace

// On white, an exclusive-or figure shows every pixel of the copy-mode figure
// (inverted) and nothing else: no pixel of it is lost outside the examined
// band, none is left behind on the layer for the next figure.
TEST(SurfaceXor, PreviewCoversExactlyTheCopyFigure) {
    for (const Figure& f : figures()) {
        for (const Pen& p : Pens) {
            Surface copy(120, 90, Color::White);
            setPen(copy, p);
            f.draw(copy);
            Surface xr(120, 90, Color::White);
            setPen(xr, p);
            xr.drawMode = Surface::DrawXor;
            f.draw(xr);
            int wrong = 0;
            for (int y = 0; y < 90; ++y)
                for (int x = 0; x < 120; ++x)
                    wrong += (xr.point(x, y) ^ 0xFFFFFF) != (copy.point(x, y) == qint64(Color::White) ? 0 : copy.point(x, y));
            EXPECT_EQ(wrong, 0) << f.name << " width " << p.width << " style " << p.style;
            // A second figure elsewhere shows nothing of the first.
            xr.drawMode = Surface::DrawCopy;
            xr.clear();
            xr.drawMode = Surface::DrawXor;
            xr.pset(1, 1, Red);
            EXPECT_EQ(paintedBounds(xr, Color::White), QRect(1, 1, 1, 1)) << f.name;
        }
    }
}

TEST(SurfaceXor, TraceErasesExactlyWhatItRecorded) {
    Surface s(120, 90, Color::White);
    for (int y = 0; y < 90; ++y)
        for (int x = 0; x < 120; ++x)
            s.pset(x, y, Color::rgb(x * 2, y * 3, (x ^ y) & 0xFF));
    const QImage before = s.image().copy();
    for (const Figure& f : figures()) {
        for (const Pen& p : Pens) {
            setPen(s, p);
            s.drawMode = Surface::DrawXor;
            XorTrace first, second;
            s.trace = &first;
            f.draw(s);
            s.pset(7, 7, Red);
            s.filledBox(40, 40, 50, 45, Red);
            const QImage withFirst = s.image().copy();
            s.trace = &second;
            s.drawWidth = p.width + 2; // another figure over it
            f.draw(s);
            s.trace = nullptr;
            EXPECT_FALSE(first.empty());
            s.erase(second);
            EXPECT_TRUE(second.empty());
            EXPECT_TRUE(sameImage(withFirst, s.image())) << f.name;
            s.erase(first);
            EXPECT_TRUE(sameImage(before, s.image())) << f.name << " width " << p.width;
        }
    }
}

// The trace of an outline holds the outline, not the box it spans.
TEST(SurfaceXor, OutlineTraceFollowsThePerimeter) {
    Surface s(2000, 2000, Color::White);
    s.drawMode = Surface::DrawXor;
    XorTrace t;
    s.trace = &t;
    s.box(10, 10, 1990, 1990);
    EXPECT_EQ(t.pixels(), 4 * 1980);
    s.erase(t);
    s.circle(1000, 1000, 900, 0.5);
    EXPECT_GT(t.pixels(), 3000);
    EXPECT_LT(t.pixels(), 6000);
    s.erase(t);
    EXPECT_EQ(paintedBounds(s, Color::White), QRect());
}

// Aspect 0 (no height) and an infinite aspect (no width) are flat figures.
TEST(SurfaceXor, FlatEllipseIsALine) {
    Surface wide(100, 100);
    wide.circle(50, 50, 20, 0.0);
    EXPECT_EQ(paintedBounds(wide, Color::White), QRect(QPoint(30, 50), QPoint(70, 50)));
    Surface tall(100, 100);
    tall.circle(50, 50, 20, std::numeric_limits<double>::infinity());
    EXPECT_EQ(paintedBounds(tall, Color::White), QRect(QPoint(50, 30), QPoint(50, 70)));
}
