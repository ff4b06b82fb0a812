#include "paint/FigureGeometry.h"
#include "paint/ZoomMath.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Figure;

TEST(FigureGeometry, ConstrainEndPoint) {
    struct Case {
        QPoint start;
        int x, y;
        bool shift, ctrl, allowCtrl;
        QPoint want;
    } cases[] = {
        {{10, 10}, 30, 15, true, false, true, {15, 15}},   // nearer horizontal: 45 degrees at dy
        {{10, 10}, 30, 5, true, false, true, {15, 5}},
        {{10, 10}, 30, 15, false, true, true, {30, 10}},   // horizontal
        {{10, 10}, 12, 40, false, true, true, {10, 40}},   // vertical
        {{10, 10}, 30, 15, true, true, true, {30, 15}},    // both: unconstrained
        {{10, 10}, 30, 15, false, true, false, {30, 15}},  // CTRL not allowed (boxes)
        {{10, 10}, 12, 40, true, false, false, {12, 12}},  // dy >= dx: square at dx, below
        {{10, 10}, 12, -20, true, false, false, {12, 8}},  // above
        {{10, 10}, -20, 13, true, false, false, {7, 13}},  // left
        {{10, 10}, 10, 10, true, false, true, {10, 10}},
        {{10, 10}, 20, 20, false, true, true, {10, 20}},   // a tie goes vertical
    };
    for (const Case& c : cases)
        EXPECT_EQ(ConstrainEndPoint(c.start, c.x, c.y, c.shift, c.ctrl, c.allowCtrl), c.want)
            << c.x << "," << c.y << " shift " << c.shift << " ctrl " << c.ctrl;
}

TEST(FigureGeometry, ArrowBarbs) {
    struct Case {
        int x1, y1, x2, y2;
        QPoint b1, b2;
    } cases[] = {
        {0, 0, 100, 0, {93, -7}, {93, 7}},     // to the right
        {100, 0, 0, 0, {7, 7}, {7, -7}},       // reversed
        {0, 0, 0, 100, {7, 93}, {-7, 93}},     // down
        {0, 100, 0, 0, {-7, 7}, {7, 7}},       // up
        {0, 0, 100, 100, {100, 90}, {90, 100}}, // 45 degrees: barbs along the axes
        {5, 5, 5, 5, {5, 5}, {5, 5}},          // no direction: the head is the point
    };
    for (const Case& c : cases) {
        const ArrowHead h = ArrowBarbs(c.x1, c.y1, c.x2, c.y2);
        EXPECT_EQ(h.barb1, c.b1) << c.x1 << "," << c.y1 << "-" << c.x2 << "," << c.y2;
        EXPECT_EQ(h.barb2, c.b2) << c.x1 << "," << c.y1 << "-" << c.x2 << "," << c.y2;
    }
}

TEST(FigureGeometry, EllipseInBox) {
    EllipseShape e = EllipseInBox({10, 10}, {50, 30});
    EXPECT_TRUE(e.drawn);
    EXPECT_DOUBLE_EQ(e.cx, 30);
    EXPECT_DOUBLE_EQ(e.cy, 20);
    EXPECT_DOUBLE_EQ(e.radius, 20);
    EXPECT_DOUBLE_EQ(e.aspect, 0.5);

    e = EllipseInBox({50, 30}, {40, 70}); // taller than wide: radius of the height
    EXPECT_DOUBLE_EQ(e.radius, 20);
    EXPECT_DOUBLE_EQ(e.aspect, 4);
    EXPECT_DOUBLE_EQ(e.cx, 45);

    e = EllipseInBox({10, 10}, {50, 10}); // flat: aspect 0, not a circle
    EXPECT_TRUE(e.drawn);
    EXPECT_DOUBLE_EQ(e.aspect, 0);
    EXPECT_DOUBLE_EQ(e.radius, 20);
    e = EllipseInBox({10, 10}, {10, 50});
    EXPECT_TRUE(e.drawn);
    EXPECT_TRUE(std::isinf(e.aspect));
    EXPECT_FALSE(EllipseInBox({10, 10}, {10, 10}).drawn);
}

TEST(FigureGeometry, CurveHandlesAroundAPress) {
    const CurvePoints corners = PlaceCurveHandles(100, 100);
    const CurvePoints wantCorners = {QPoint(50, 50), QPoint(150, 50), QPoint(50, 150), QPoint(150, 150)};
    EXPECT_EQ(corners, wantCorners);
    const CurvePoints wantPoints = {QPoint(52, 52), QPoint(152, 52), QPoint(52, 152), QPoint(152, 152)};
    EXPECT_EQ(CurveControlPoints(corners), wantPoints);
}

TEST(ZoomMath, ZoomInStopsAtTheLimit) {
    struct Case {
        int w, h, zoomIns; // clicks that zoom before the limit stops them
    } cases[] = {{999, 999, 5}, {999, 10, 5}, {10, 999, 5}, {3333, 3333, 0}, {1666, 100, 3}, {100, 100, 15}};
    for (const Case& c : cases) {
        float zoom = 1.0f;
        int n = 0;
        while (n < 100 && ZoomMath::CanZoomIn(c.w, c.h, zoom)) {
            zoom = ZoomMath::ZoomedIn(zoom);
            ++n;
        }
        EXPECT_EQ(n, c.zoomIns) << c.w << " x " << c.h;
    }
    // Zooming out has no lower limit.
    float zoom = 1.0f;
    for (int i = 0; i < 50; ++i)
        zoom = ZoomMath::ZoomedOut(zoom);
    EXPECT_GT(zoom, 0.0f);
    EXPECT_LT(zoom, 1e-4f);
}

TEST(ZoomMath, FocusScrollValue) {
    struct Case {
        double focus, view, canvas;
        int maximum, want;
    } cases[] = {
        {5000, 2000, 10000, 800, 400},  // (5000 - 1000) / 8000 * 800
        {500, 2000, 10000, 800, 0},     // left of the middle: 0
        {20000, 2000, 10000, 800, 800}, // past the end: the maximum
        {5000, 10000, 10000, 800, 0},   // the canvas fits: no division by zero
        {5000, 12000, 10000, 800, 0},   // negative denominator
        {5000, 2000, 10000, 0, 0},
        {1100, 2000, 10000, 800, 10},
        {1050, 2000, 10000, 800, 5},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ZoomMath::FocusScrollValue(c.focus, c.view, c.canvas, c.maximum), c.want)
            << c.focus << " " << c.view << " " << c.canvas;
}
