// Shape catalogue: the numbers of the geometry tables and derived shapes.
#include "shapes/ShapeCatalogue.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

using K = PrimitiveKind;

const QStringList Banners = {"Horizontal Scroll", "Up Ribbon", "Down Ribbon", "Curved Up Ribbon",
                             "Curved Down Ribbon"};

// Nearest float of v, kept from being folded away by the optimiser.
double single(double v) {
    volatile float f = float(v);
    return f;
}

void expectPoint(const QPointF& p, double x, double y, double tol = 1e-4) {
    EXPECT_NEAR(p.x(), x, tol);
    EXPECT_NEAR(p.y(), y, tol);
}

TEST(ShapeCatalogue, ListsFiftyFiveUniqueNamesInListOrder) {
    const QStringList& n = ShapeCatalogue::names();
    ASSERT_EQ(n.size(), 55);
    EXPECT_EQ(n.first(), "Smile");
    EXPECT_EQ(n.at(19), "Moon");
    EXPECT_EQ(n.at(20), "Right Arrow");
    EXPECT_EQ(n.at(38), "4-Point Star");
    EXPECT_EQ(n.at(44), "Wave");
    EXPECT_EQ(n.last(), "Cloud Callout");
    EXPECT_EQ(QSet<QString>(n.begin(), n.end()).size(), 55);
}

TEST(ShapeCatalogue, RectangleOn100x100) {
    const ShapeGeometry g = ShapeCatalogue::geometry("Rectangle", 100, 100);
    ASSERT_EQ(g.primitives.size(), 1u);
    EXPECT_EQ(g.primitives[0].kind, K::Rectangle);
    EXPECT_EQ(g.primitives[0].box, QRectF(1, 1, 98, 98));
    ASSERT_EQ(g.seeds.size(), 1u);
    EXPECT_EQ(g.seeds[0], QPoint(50, 75));
}

TEST(ShapeCatalogue, SeedsRoundHalvesToEven) {
    struct Case { QString name; int w, h; QPoint seed; };
    const Case cases[] = {
        {"Rectangle", 5, 100, {2, 75}},   // 2.5 -> 2
        {"Rectangle", 7, 100, {4, 75}},   // 3.5 -> 4
        {"Rectangle", 100, 6, {50, 4}},   // 4.5 -> 4
        {"Rectangle", 9, 10, {4, 8}},     // 4.5 -> 4, 7.5 -> 8
        {"Right Arrow", 5, 7, {2, 4}},    // centre seed: 2.5 -> 2, 3.5 -> 4
        {"Block Arc", 100, 15, {50, 3}},  // 0.2 * 15 = 3
        {"Nonexistent", 7, 6, {4, 4}},    // unknown name: default seed
    };
    for (const Case& c : cases) {
        const ShapeGeometry g = ShapeCatalogue::geometry(c.name, c.w, c.h);
        ASSERT_FALSE(g.seeds.empty()) << c.name.toStdString();
        EXPECT_EQ(g.seeds.back(), c.seed) << c.name.toStdString() << " " << c.w << "x" << c.h;
    }
}

TEST(ShapeCatalogue, UnknownOrWronglyCasedNameGivesNoPrimitivesAndDefaultSeed) {
    for (const char* name : {"rectangle", "Rectangle ", "", "Star", "SMILE"}) {
        const ShapeGeometry g = ShapeCatalogue::geometry(QString::fromLatin1(name), 300, 200);
        EXPECT_TRUE(g.primitives.empty()) << name;
        ASSERT_EQ(g.seeds.size(), 1u) << name;
        EXPECT_EQ(g.seeds[0], QPoint(150, 150)) << name;
        EXPECT_FALSE(ShapeCatalogue::contains(QString::fromLatin1(name)));
    }
}

TEST(ShapeCatalogue, CanvasWithoutPixelsYieldsNothing) {
    for (const QString& name : ShapeCatalogue::names() + QStringList{"unknown"}) {
        for (auto [w, h] : {std::pair{0, 0}, {0, 100}, {100, 0}, {-3, 50}}) {
            const ShapeGeometry g = ShapeCatalogue::geometry(name, w, h);
            EXPECT_TRUE(g.primitives.empty() && g.seeds.empty()) << name.toStdString() << " " << w << "x" << h;
        }
    }
}

TEST(ShapeCatalogue, RoundedRectangleRadiusIsTheDiagonalOverTwenty) {
    struct Case { int w, h; double r; };
    for (const Case c : {Case{100, 100, 7.0711}, Case{300, 200, 18.0278}, Case{1, 1, 0.0707}}) {
        const ShapeGeometry g = ShapeCatalogue::geometry("Rounded Rectangle", c.w, c.h);
        ASSERT_EQ(g.primitives.size(), 1u);
        EXPECT_EQ(g.primitives[0].kind, K::RoundRect);
        EXPECT_NEAR(g.primitives[0].radius, c.r, 1e-4);
        EXPECT_EQ(g.primitives[0].box,
                  QRectF(single(0.01 * c.w), single(0.01 * c.h), single(0.98 * c.w), single(0.98 * c.h)));
    }
}

TEST(ShapeCatalogue, ComputedStarsAreClosedPolygonsOnTwoEllipses) {
    for (auto [name, n] : {std::pair{"16-Point Star", 16}, {"24-Point Star", 24}, {"32-Point Star", 32}}) {
        const ShapeGeometry g = ShapeCatalogue::geometry(name, 100, 100);
        ASSERT_EQ(g.primitives.size(), 1u);
        const auto& pts = g.primitives[0].points;
        EXPECT_EQ(g.primitives[0].kind, K::Polygon);
        ASSERT_EQ(pts.size(), size_t(2 * n + 1)) << name;
        EXPECT_EQ(pts.front(), pts.back()) << name;
        expectPoint(pts[1], 99, 50); // outer 0 at 3 o'clock
        for (size_t i = 0; i < pts.size(); ++i) {
            const double r = std::hypot(pts[i].x() - 50, pts[i].y() - 50);
            EXPECT_NEAR(r, i % 2 == 0 ? 39 : 49, 1e-4) << name << " point " << i;
        }
    }
    const auto pts = ShapeCatalogue::geometry("16-Point Star", 100, 100).primitives[0].points;
    expectPoint(pts[0], 88.2514, 57.6047);
    expectPoint(pts[2], 88.2514, 42.3953);
    expectPoint(pts[3], 95.2738, 31.2575);
    expectPoint(pts[32], 88.2514, 57.6047);
}

TEST(ShapeCatalogue, StarPointsFollowTheEllipseOnWideCanvas) {
    const auto pts = ShapeCatalogue::geometry("24-Point Star", 400, 100).primitives[0].points;
    for (const QPointF& p : pts) {
        const double dx = (p.x() - 200) / 400, dy = (p.y() - 50) / 100;
        const double e = std::hypot(dx, dy);
        EXPECT_TRUE(std::abs(std::hypot(dx / 0.39, dy / 0.39) - 1) < 1e-4 ||
                    std::abs(std::hypot(dx / 0.49, dy / 0.49) - 1) < 1e-4)
            << p.x() << "," << p.y() << " " << e;
    }
}

TEST(ShapeCatalogue, OvalCalloutAnglesAndTail) {
    const ShapeGeometry g = ShapeCatalogue::geometry("Oval Callout", 300, 200);
    ASSERT_EQ(g.primitives.size(), 2u);
    const ShapePrimitive& oval = g.primitives[0];
    EXPECT_EQ(oval.kind, K::Arc);
    EXPECT_EQ(oval.box, QRectF(3, 2, 294, 158));
    EXPECT_NEAR(oval.start, 145.5590, 1e-4);
    EXPECT_NEAR(oval.sweep, 344.6879, 1e-4);
    const ShapePrimitive& tail = g.primitives[1];
    EXPECT_EQ(tail.kind, K::Polyline);
    ASSERT_EQ(tail.points.size(), 3u);
    expectPoint(tail.points[0], 90, 151.8192);
    expectPoint(tail.points[1], 3, 198);
    expectPoint(tail.points[2], 60, 142.6786);
    EXPECT_EQ(g.seeds, std::vector<QPoint>{QPoint(150, 100)});
}

TEST(ShapeCatalogue, SmileEyesAndMouth) {
    const ShapeGeometry g = ShapeCatalogue::geometry("Smile", 300, 100);
    ASSERT_EQ(g.primitives.size(), 4u);
    EXPECT_EQ(g.primitives[0].box, QRectF(3, 1, 294, 98));
    EXPECT_EQ(g.primitives[1].box, QRectF(100, single(100.0 / 3), 15, 5));
    EXPECT_EQ(g.primitives[2].box, QRectF(200, single(100.0 / 3), 15, 5));
    const auto& mouth = g.primitives[3];
    EXPECT_EQ(mouth.kind, K::Bezier);
    ASSERT_EQ(mouth.points.size(), 4u);
    expectPoint(mouth.points[0], 225, 75);
    expectPoint(mouth.points[1], 187.5, 79.5); // m = 3H/4 + (H - 10)/20
    expectPoint(mouth.points[2], 112.5, 79.5);
    expectPoint(mouth.points[3], 75, 75);
}

TEST(ShapeCatalogue, WholePixelPrimitivesRoundHalvesToEven) {
    // 0.01 * 250 = 2.5 -> 2; 0.99 * 250 = 247.5 -> 248; 0.1 * 250 = 25.
    const ShapeGeometry g = ShapeCatalogue::geometry("Plaque", 250, 250);
    ASSERT_EQ(g.primitives.size(), 8u);
    EXPECT_TRUE(g.primitives[0].wholePixels);
    EXPECT_EQ(g.primitives[0].points, (std::vector<QPointF>{{25, 2}, {225, 2}}));
    EXPECT_EQ(g.primitives[1].points, (std::vector<QPointF>{{248, 25}, {248, 225}}));
    EXPECT_FALSE(g.primitives[4].wholePixels);
    expectPoint(g.primitives[4].points[0], 2.5, 25);

    const auto merge = ShapeCatalogue::geometry("Merge", 250, 250).primitives[0];
    EXPECT_EQ(merge.points, (std::vector<QPointF>{{2, 2}, {248, 2}, {125, 248}}));
}

TEST(ShapeCatalogue, ExactThirdsAndSixths) {
    const auto oct = ShapeCatalogue::geometry("Octagon", 300, 600).primitives[0].points;
    ASSERT_EQ(oct.size(), 8u);
    EXPECT_EQ(oct[0], QPointF(100, 6));
    EXPECT_EQ(oct[2], QPointF(297, 200));
    EXPECT_EQ(oct[3], QPointF(297, 400));
    const auto trap = ShapeCatalogue::geometry("Trapezoid", 600, 100).primitives[0].points;
    EXPECT_EQ(trap[2], QPointF(500, 99));
    EXPECT_EQ(trap[3], QPointF(100, 99));
}

TEST(ShapeCatalogue, MoonAndBlockArcAngles) {
    const auto moon = ShapeCatalogue::geometry("Moon", 100, 100).primitives;
    ASSERT_EQ(moon.size(), 2u);
    EXPECT_EQ(moon[0].box, QRectF(1, 1, 199, 98)); // twice the canvas wide, left half drawn
    EXPECT_EQ(moon[0].start, 90);
    EXPECT_EQ(moon[0].sweep, 180);
    const auto arc = ShapeCatalogue::geometry("Block Arc", 100, 100).primitives;
    EXPECT_EQ(arc[1].box, QRectF(25, 25, 50, 50));
    EXPECT_EQ(arc[1].start, 180);
    const auto fold = ShapeCatalogue::geometry("Folded Corner", 1000, 1000).primitives;
    ASSERT_EQ(fold.size(), 3u);
    EXPECT_EQ(fold[1].points, (std::vector<QPointF>{{900, 990}, {922.5, 900}}));
    EXPECT_EQ(fold[2].box, QRectF(922.5, 890, 67.5, 20));
}

TEST(ShapeCatalogue, BannersHaveThreeSeedsOthersOne) {
    for (const QString& name : ShapeCatalogue::names()) {
        const ShapeGeometry g = ShapeCatalogue::geometry(name, 300, 200);
        EXPECT_EQ(g.seeds.size(), Banners.contains(name) ? 3u : 1u) << name.toStdString();
    }
    const auto scroll = ShapeCatalogue::geometry("Horizontal Scroll", 200, 100).seeds;
    EXPECT_EQ(scroll, (std::vector<QPoint>{{10, 50}, {175, 18}, {100, 75}}));
    const auto ribbon = ShapeCatalogue::geometry("Curved Down Ribbon", 200, 100).seeds;
    EXPECT_EQ(ribbon, (std::vector<QPoint>{{30, 50}, {170, 50}, {100, 50}}));
}

TEST(ShapeCatalogue, EveryPrimitiveIsWellFormed) {
    for (const QString& name : ShapeCatalogue::names()) {
        const ShapeGeometry g = ShapeCatalogue::geometry(name, 300, 200);
        EXPECT_FALSE(g.primitives.empty()) << name.toStdString();
        for (const ShapePrimitive& p : g.primitives) {
            switch (p.kind) {
            case K::Line: EXPECT_EQ(p.points.size(), 2u) << name.toStdString(); break;
            case K::Bezier: EXPECT_EQ(p.points.size(), 4u) << name.toStdString(); break;
            case K::Polygon:
            case K::Polyline: EXPECT_GE(p.points.size(), 3u) << name.toStdString(); break;
            default: EXPECT_TRUE(p.points.empty() && p.box.width() > 0 && p.box.height() > 0); break;
            }
            for (const QPointF& q : p.points) { // values are single precision
                EXPECT_EQ(q.x(), single(q.x())) << name.toStdString();
                EXPECT_EQ(q.y(), single(q.y())) << name.toStdString();
            }
        }
        for (const QPoint& s : g.seeds)
            EXPECT_TRUE(QRect(0, 0, 300, 200).contains(s)) << name.toStdString();
    }
}

} // namespace
