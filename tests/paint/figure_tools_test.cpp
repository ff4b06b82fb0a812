#include "fake_paint_env.h"

#include "paint/CurveTool.h"
#include "paint/FigureDraw.h"
#include "paint/FigureTools.h"
#include "paint/PolygonTool.h"

#include <gtest/gtest.h>

namespace {

constexpr ColorValue Red = Color::rgb(255, 0, 0);
constexpr ColorValue Green = Color::rgb(0, 160, 0);

// Pixels that differ between two pictures.
int differences(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return -1;
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += (a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF);
    return n;
}

// A busy picture, so exclusive-or remains would show against any colour.
void paintBusy(Surface& s) {
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            s.pset(x, y, x < 150 ? Color::White : Color::rgb(x, y, (x * y) & 0xFF));
}

// The figure drawn straight in copy mode, as the tool's final figure should be.
QImage expected(const QImage& before, const PaintState& st, int tool, QPoint a, QPoint b) {
    Surface s(before.width(), before.height());
    s.image() = before.copy();
    s.drawWidth = st.lineWidth();
    s.drawStyle = st.borderStyle;
    if (tool == Tool::Line || tool == Tool::Arrow)
        Figure::UseLineColors(s, st, false);
    else
        Figure::UseClosedFigureColors(s, st, false);
    switch (tool) {
    case Tool::Line: s.line(a.x(), a.y(), b.x(), b.y()); break;
    case Tool::Arrow: Figure::DrawArrow(s, a.x(), a.y(), b.x(), b.y()); break;
    case Tool::Rectangle: Figure::DrawRectangle(s, a, b); break;
    case Tool::Ellipse: Figure::DrawEllipse(s, a, b); break;
    case Tool::RoundedRectangle: if (a != b) Figure::DrawRoundedRectangle(s, a, b); break;
    default: break;
    }
    return s.image();
}

} // namespace

// The previews are removed from their record: whatever the moves and the
// SHIFT / CTRL state at release, the canvas ends with the final figure only.
TEST(FigureTools, DraggedFiguresLeaveOnlyTheFinalFigure) {
    struct Case {
        int tool;
        std::vector<QPoint> moves;
        bool moveShift, releaseShift, releaseCtrl;
        QPoint release, end; // release point, constrained end
    } cases[] = {
        {Tool::Rectangle, {}, false, false, false, {40, 40}, {40, 40}},             // click: nothing
        {Tool::Rectangle, {{90, 60}, {120, 70}}, false, true, false, {120, 70}, {70, 70}},
        {Tool::Ellipse, {{90, 60}}, true, false, false, {200, 120}, {200, 120}},
        {Tool::Ellipse, {}, false, false, false, {40, 40}, {40, 40}},
        {Tool::Line, {{90, 60}, {170, 65}}, false, false, true, {170, 65}, {170, 40}},
        {Tool::Line, {}, false, false, false, {40, 40}, {40, 40}},                  // a dot
        {Tool::Arrow, {{100, 100}}, true, false, false, {180, 150}, {180, 150}},
        {Tool::Arrow, {}, false, false, false, {40, 40}, {40, 40}},
        {Tool::RoundedRectangle, {{60, 60}, {250, 180}}, false, true, false, {250, 180}, {180, 180}},
        {Tool::RoundedRectangle, {}, false, false, false, {40, 40}, {40, 40}},
    };
    struct Style {
        int fillMode, dotSize, borderStyle;
    } styles[] = {{0, 0, 0}, {1, 3, 1}, {2, 7, 4}};
    for (const Case& c : cases) {
        for (const Style& st : styles) {
            FakePaintEnv env;
            paintBusy(env.canvas_);
            env.state_.foreColor = Red;
            env.state_.fillColor = Green;
            env.state_.fillMode = st.fillMode;
            env.state_.dotSize = st.dotSize;
            env.state_.borderStyle = st.borderStyle;
            env.state_.fillStyle = Surface::FillCross;
            const QImage before = env.canvas_.image().copy();
            auto tool = createFigureTool(c.tool, env);
            ASSERT_TRUE(tool);
            env.press(*tool, {40, 40});
            for (QPoint p : c.moves)
                env.move(*tool, p, c.moveShift);
            env.release(*tool, c.release, c.releaseShift, c.releaseCtrl);
            EXPECT_EQ(env.state_.end, c.end);
            EXPECT_EQ(differences(env.canvas_.image(), expected(before, env.state_, c.tool, {40, 40}, c.end)), 0)
                << "tool " << c.tool << " to " << c.release.x() << "," << c.release.y() << " mode " << st.fillMode;
            EXPECT_EQ(env.canvas_.drawMode, int(Surface::DrawCopy));
            EXPECT_EQ(env.records, 1) << "a step at release, even for a click";
        }
    }
}

TEST(FigureTools, FlatEllipseDrawsTheFlatFigure) {
    struct Case {
        QPoint a, b;
        QRect painted;
    } cases[] = {{{10, 20}, {50, 20}, QRect(QPoint(10, 20), QPoint(50, 20))},
                 {{30, 10}, {30, 60}, QRect(QPoint(30, 10), QPoint(30, 60))}};
    for (const Case& c : cases) {
        FakePaintEnv env;
        auto tool = createFigureTool(Tool::Ellipse, env);
        env.press(*tool, c.a);
        env.move(*tool, c.b);
        env.release(*tool, c.b);
        QRect painted;
        for (int y = 0; y < env.canvas_.height(); ++y)
            for (int x = 0; x < env.canvas_.width(); ++x)
                if (env.canvas_.point(x, y) != qint64(Color::White))
                    painted |= QRect(x, y, 1, 1);
        EXPECT_EQ(painted, c.painted);
    }
}

TEST(FigureTools, CurvePlacesHandlesAndFinishesInCopyMode) {
    FakePaintEnv env;
    paintBusy(env.canvas_);
    env.state_.foreColor = Red;
    env.state_.dotSize = 2;
    const QImage before = env.canvas_.image().copy();
    CurveTool tool(Tool::Curve, env);
    env.tool = &tool;

    // No curve under way: redrawing the pending figure draws nothing.
    tool.redrawPending();
    EXPECT_EQ(differences(env.canvas_.image(), before), 0);

    env.press(tool, {100, 100});
    EXPECT_TRUE(tool.underWay());
    const Figure::CurvePoints placed = {QPoint(50, 50), QPoint(150, 50), QPoint(50, 150), QPoint(150, 150)};
    EXPECT_EQ(tool.handles(), placed);
    env.move(tool, {110, 105}); // the whole curve follows
    env.release(tool, {110, 105});
    tool.dragHandle(1, 20, -10);
    EXPECT_NE(differences(env.canvas_.image(), before), 0);
    // Redrawn twice around a colour change, the preview follows it.
    tool.redrawPending();
    EXPECT_EQ(differences(env.canvas_.image(), before), 0);
    env.state_.foreColor = Color::Black;
    tool.redrawPending();

    env.FinishFigure();
    EXPECT_FALSE(tool.underWay());
    EXPECT_EQ(env.records, 1);
    Surface want(300, 200);
    want.image() = before.copy();
    want.drawWidth = 3;
    Figure::UseLineColors(want, env.state_, false);
    Figure::CurvePoints corners = placed;
    for (QPoint& p : corners)
        p += QPoint(10, 5);
    corners[1] += QPoint(20, -10);
    Figure::DrawCurve(want, Figure::CurveControlPoints(corners));
    EXPECT_EQ(differences(env.canvas_.image(), want.image()), 0);
    // Finished: nothing pending any more.
    tool.redrawPending();
    EXPECT_EQ(differences(env.canvas_.image(), want.image()), 0);
}

TEST(FigureTools, PolygonFinishesWithoutPreviewRemains) {
    struct Style {
        int fillMode, borderStyle;
    } styles[] = {{0, 0}, {1, 1}, {2, 2}};
    for (const Style& st : styles) {
        FakePaintEnv env;
        paintBusy(env.canvas_);
        env.state_.foreColor = Red;
        env.state_.fillColor = Green;
        env.state_.fillMode = st.fillMode;
        env.state_.borderStyle = st.borderStyle;
        env.state_.dotSize = 1;
        const QImage before = env.canvas_.image().copy();
        PolygonTool tool(Tool::Polygon, env);
        env.tool = &tool;
        env.press(tool, {20, 20});
        env.move(tool, {100, 30});
        env.move(tool, {200, 20}); // the second vertex follows the pointer
        env.release(tool, {200, 20});
        env.press(tool, {180, 150});
        env.move(tool, {160, 170});
        env.release(tool, {160, 170});
        env.press(tool, {30, 120});
        env.release(tool, {30, 120});
        EXPECT_TRUE(env.state_.polygonUnderWay);
        const std::vector<QPoint> vertices = env.state_.polygon;
        ASSERT_EQ(vertices.size(), 4u);
        EXPECT_EQ(vertices[2], QPoint(160, 170));
        env.RedrawPendingFigure(); // around a colour change
        env.RedrawPendingFigure();
        env.FinishFigure();
        EXPECT_FALSE(env.state_.polygonUnderWay);
        EXPECT_EQ(env.records, 1);
        Surface want(300, 200);
        want.image() = before.copy();
        want.drawWidth = 2;
        want.drawStyle = st.borderStyle;
        Figure::UseClosedFigureColors(want, env.state_, false);
        Figure::DrawPolygon(want, vertices);
        EXPECT_EQ(differences(env.canvas_.image(), want.image()), 0) << "fill mode " << st.fillMode;
    }
}
