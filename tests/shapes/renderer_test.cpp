// Shape renderer: strokes and flood fills on real surfaces.
#include "shapes/ShapeCatalogue.h"
#include "shapes/ShapeRenderer.h"

#include "platform/Surface.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPalette>

namespace {

constexpr ColorValue Red = 0x0000FF;
constexpr ColorValue Green = 0x00FF00;
constexpr ColorValue Back = Color::White;

QRgb px(const Surface& s, int x, int y) { return s.image().pixel(x, y) & 0xFFFFFF; }
constexpr QRgb rgbOf(ColorValue c) { return Color::toRgb(c) & 0xFFFFFF; }

int countColour(const Surface& s, ColorValue c) {
    int n = 0;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            n += px(s, x, y) == rgbOf(c);
    return n;
}

Surface drawn(const QString& name, int w, int h, ColorValue fill, int width = 1) {
    Surface s(w, h, Back);
    DrawShape(name, s, Color::Black, fill, width);
    return s;
}

TEST(ColorToArgb, ConvertsColourValuesAndSystemReferences) {
    const quint32 window = 0xFF000000u | (QGuiApplication::palette().color(QPalette::Base).rgb() & 0xFFFFFF);
    struct Case { ColorValue in; quint32 out; };
    for (const Case c : {Case{0x000000FF, 0xFFFF0000}, Case{0x00FF8000, 0xFF0080FF}, Case{0, 0xFF000000},
                         Case{0x00FFFFFF, 0xFFFFFFFF}, Case{0xFF0000FF, 0xFFFF0000}, // top byte ignored
                         Case{0x80000005, window}, Case{0x800000FF, 0xFF000000},     // unknown number: black
                         Case{0x80000100, 0xFF000100}}) {                              // past the range: plain
        EXPECT_EQ(ColorToArgb(c.in), c.out) << std::hex << c.in;
    }
}

TEST(DrawShape, RectangleRedInsideBackgroundOutside) {
    const Surface s = drawn("Rectangle", 100, 100, Red);
    EXPECT_EQ(px(s, 50, 50), rgbOf(Red));
    EXPECT_EQ(px(s, 2, 2), rgbOf(Red)); // inside up to the outline
    EXPECT_EQ(px(s, 98, 98), rgbOf(Red));
    for (const QPoint p : {QPoint(0, 0), QPoint(0, 50), QPoint(50, 0)}) // outside keeps the background
        EXPECT_EQ(px(s, p.x(), p.y()), rgbOf(Back)) << p.x() << "," << p.y();
    // The 1-pixel outline on whole coordinates covers exactly columns/rows 1 and 99.
    for (const QPoint p : {QPoint(1, 50), QPoint(99, 50), QPoint(50, 1), QPoint(50, 99)})
        EXPECT_EQ(px(s, p.x(), p.y()), 0u) << p.x() << "," << p.y();
}

TEST(DrawShape, WideBorderIsCutAtTheCanvasEdges) {
    const Surface thin = drawn("Rectangle", 100, 100, Red, 1);
    const Surface wide = drawn("Rectangle", 100, 100, Red, 9);
    // The pen reaches 4.5 pixels each side of x = 1: black from the edge to 5.5.
    for (int x : {0, 1, 5})
        EXPECT_EQ(px(wide, x, 50), 0u) << x;
    EXPECT_EQ(px(wide, 6, 50), rgbOf(Red));
    EXPECT_EQ(px(wide, 50, 50), rgbOf(Red));
    EXPECT_EQ(px(thin, 0, 50), rgbOf(Back));
    EXPECT_LT(countColour(wide, Red), countColour(thin, Red));
    EXPECT_EQ(countColour(wide, Back), 0); // nothing of the background is left
}

TEST(DrawShape, UnknownOrWronglyCasedNameFloodsTheCanvas) {
    for (const char* name : {"rectangle", "No Such Shape", ""}) {
        const Surface s = drawn(QString::fromLatin1(name), 60, 40, Red);
        EXPECT_EQ(countColour(s, Red), 60 * 40) << name;
    }
}

TEST(DrawShape, DrawingTwiceOnlyDarkensTheOutline) {
    Surface s(120, 90, Back);
    DrawShape("5-Point Star", s, Color::Black, Red, 1);
    const QImage first = s.image().copy();
    DrawShape("5-Point Star", s, Color::Black, Red, 1);
    int darker = 0;
    for (int y = 0; y < s.height(); ++y) {
        for (int x = 0; x < s.width(); ++x) {
            const QRgb a = first.pixel(x, y) & 0xFFFFFF, b = px(s, x, y);
            if (a == rgbOf(Red) || a == rgbOf(Back)) {
                ASSERT_EQ(a, b) << x << "," << y;
            } else {
                EXPECT_LE(qRed(b) + qGreen(b) + qBlue(b), qRed(a) + qGreen(a) + qBlue(a));
                darker += b != a;
            }
        }
    }
    EXPECT_GT(darker, 0);
}

// Every seed lies in a region its outline closes: on a cleared canvas the fill
// never reaches the canvas border, and it does cover a good part of the canvas.
TEST(DrawShape, EveryShapeFillsInsideItsOutlineOnly) {
    for (const QSize size : {QSize(100, 100), QSize(300, 200), QSize(200, 300)}) {
        for (const QString& name : ShapeCatalogue::names()) {
            const Surface s = drawn(name, size.width(), size.height(), Green);
            int borderFill = 0;
            for (int x = 0; x < s.width(); ++x)
                borderFill += (px(s, x, 0) == rgbOf(Green)) + (px(s, x, s.height() - 1) == rgbOf(Green));
            for (int y = 0; y < s.height(); ++y)
                borderFill += (px(s, 0, y) == rgbOf(Green)) + (px(s, s.width() - 1, y) == rgbOf(Green));
            EXPECT_EQ(borderFill, 0) << name.toStdString() << " at " << size.width() << "x" << size.height();
            EXPECT_GT(countColour(s, Green), s.width() * s.height() / 10)
                << name.toStdString() << " at " << size.width() << "x" << size.height();
        }
    }
}

TEST(DrawShape, RegionsWithoutSeedsStayUnfilled) {
    struct Case { const char* name; double fx, fy; bool filled; };
    const Case cases[] = {
        {"Smile", 0.358, 0.358, false},        // eye
        {"Smile", 0.5, 0.5, true},             // face
        {"Donut", 0.5, 0.5, false},            // hole
        {"Donut", 0.2, 0.5, true},
        {"Cloud Callout", 0.19, 0.81, false},  // first bubble
        {"Cloud Callout", 0.5, 0.4, true},
        {"Horizontal Scroll", 0.05, 0.5, true}, // rolled end from its extra seed
        {"Up Ribbon", 0.18, 0.5, true},         // side pieces from the extra seeds
        {"Up Ribbon", 0.82, 0.5, true},
        {"Up Ribbon", 0.5, 0.5, true},
        {"Up Ribbon", 0.05, 0.5, false},        // left of the side piece's notch
        {"Block Arc", 0.5, 0.4, false},         // inside the inner arc
        {"Block Arc", 0.5, 0.1, true},
    };
    for (const Case& c : cases) {
        const Surface s = drawn(c.name, 300, 200, Green);
        const QRgb p = px(s, int(c.fx * 300), int(c.fy * 200));
        EXPECT_EQ(p == rgbOf(Green), c.filled) << c.name << " at " << c.fx << "," << c.fy;
    }
}

TEST(DrawShape, BorderColourAndSystemColourFill) {
    Surface s(100, 100, Back);
    DrawShape("Rectangle", s, 0x00FF0000 /* blue */, 0x80000008 /* window text */, 3);
    const QRgb edge = px(s, 1, 50);
    EXPECT_EQ(edge, 0x0000FFu);
    const ColorValue text = SystemColor(8);
    EXPECT_EQ(px(s, 50, 50), rgbOf(text));
}

TEST(DrawShape, TinyAndFlatCanvasesDoNotFail) {
    for (const QSize size : {QSize(1, 1), QSize(2, 1), QSize(1, 300), QSize(400, 3)}) {
        for (const QString& name : ShapeCatalogue::names()) {
            Surface s(size.width(), size.height(), Back);
            DrawShape(name, s, Color::Black, Red, 9);
            EXPECT_EQ(s.width(), size.width());
        }
    }
}

} // namespace
