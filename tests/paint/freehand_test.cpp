#include "paint/FreehandTools.h"
#include "platform/AppContext.h"
#include "platform/Surface.h"

#include <gtest/gtest.h>

namespace {

// The bounding box of the pixels that differ from the background.
QRect inked(const Surface& s) {
    QRect r;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            if (s.point(x, y) != qint64(s.backColor))
                r = r.united(QRect(x, y, 1, 1));
    return r;
}

int inkCount(const Surface& s) {
    int n = 0;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            n += s.point(x, y) != qint64(s.backColor);
    return n;
}

TEST(Freehand, BrushShapeZeroFillsTheSquareAroundThePoint) {
    Surface s(60, 60);
    Freehand::StampBrush(s, 0, 20, 20, 1, Color::rgb(255, 0, 0), 0);
    EXPECT_EQ(inked(s), QRect(QPoint(17, 17), QPoint(23, 23)));
    EXPECT_EQ(inkCount(s), 49);
    EXPECT_EQ(s.point(17, 17), qint64(Color::rgb(255, 0, 0)));
}

TEST(Freehand, BrushShapesReachThreeLineWidths) {
    struct Case {
        int shape, w;
        QRect box;
    } cases[] = {
        {2, 1, QRect(QPoint(17, 17), QPoint(23, 23))},
        {4, 2, QRect(QPoint(24, 24), QPoint(36, 36))},
        {8, 8, QRect(QPoint(6, 30), QPoint(54, 30))},
        {9, 1, QRect(QPoint(30, 27), QPoint(30, 33))},
        {7, 1, QRect(QPoint(27, 27), QPoint(33, 33))},
    };
    for (const Case& c : cases) {
        Surface s(61, 61);
        s.drawWidth = 5;
        const int x = c.shape == 2 ? 20 : 30;
        Freehand::StampBrush(s, c.shape, x, x, c.w, Color::Black, 0);
        EXPECT_EQ(inked(s), c.box) << c.shape;
        EXPECT_EQ(s.drawWidth, 5) << "pen width restored";
    }
    Surface hollow(40, 40);
    Freehand::StampBrush(hollow, 2, 20, 20, 2, Color::Black, 0);
    EXPECT_EQ(hollow.point(20, 20), qint64(Color::White)) << "shape 2 is an outline";
}

TEST(Freehand, EraserClearsTheBoxAboveAndRightOfThePoint) {
    Surface s(20, 20, Color::White);
    s.image().fill(Color::toRgb(Color::Black));
    Freehand::eraseAt(s, 5, 10, 1);
    int cleared = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            if (s.point(x, y) == qint64(Color::White)) {
                ++cleared;
                EXPECT_TRUE(x >= 5 && x <= 6 && y >= 9 && y <= 10) << x << "," << y;
            }
    EXPECT_EQ(cleared, 4);
}

TEST(Freehand, AirBrushSprayIsDeterministicWithAnInstalledSource) {
    Random& r = AppContext::instance().random;
    // Alternating extremes: u1 = 0, u2 = 0.999..., then the other way round.
    int calls = 0;
    r.setSource([&calls] { return (calls++ % 2 == 0) ? 0.0 : 0.9999; });
    Surface s(100, 100);
    s.foreColor = Color::rgb(0, 0, 255);
    const int size = 4 * 8; // line width 8
    Freehand::SprayAirBrush(s, 50, 50, size);
    EXPECT_EQ(calls, 2 * 256) << "size * size / 4 dots, two numbers each";
    EXPECT_TRUE(r.hasSource()) << "reseeding from the clock keeps the installed source";
    EXPECT_EQ(s.point(34, 66), qint64(Color::rgb(0, 0, 255)));
    EXPECT_EQ(inked(s), QRect(QPoint(34, 66), QSize(1, 1)));

    calls = 0;
    int k = 0;
    r.setSource([&k] { return (k++ % 97) / 97.0; });
    Surface t(100, 100);
    Freehand::SprayAirBrush(t, 50, 50, 4);
    const QRect box = inked(t);
    EXPECT_TRUE(QRect(QPoint(48, 48), QPoint(52, 52)).contains(box)) << box.x() << "," << box.y();
    r.setSource(nullptr);
}

TEST(Freehand, AirBrushFromTheGeneratorStaysInsideItsSquare) {
    Random& r = AppContext::instance().random;
    r.setSource(nullptr);
    for (int trial = 0; trial < 20; ++trial) {
        Surface s(80, 80);
        Freehand::SprayAirBrush(s, 40, 40, 12);
        EXPECT_TRUE(QRect(QPoint(34, 34), QPoint(46, 46)).contains(inked(s)));
    }
}

} // namespace
