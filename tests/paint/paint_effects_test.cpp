#include "fake_paint_env.h"

#include "paint/FigureTools.h"
#include "paint/PaintEffects.h"
#include "paint/ZoomView.h"
#include "platform/AppContext.h"

#include <gtest/gtest.h>

namespace {

constexpr ColorValue Red = Color::rgb(255, 0, 0);

// A picture whose left half is red: mirrors and scales are easy to see.
void paintHalves(Surface& s) {
    s.clear();
    s.filledBox(0, 0, s.width() / 2 - 1, s.height() - 1, Red);
    s.pset(1, 1, Color::rgb(0, 0, 255));
}

QImage mirrored(const QImage& i, bool horizontal, bool vertical) {
    return i.mirrored(horizontal, vertical).convertToFormat(QImage::Format_RGB32);
}

bool same(const QImage& a, const QImage& b) {
    return a.size() == b.size() && a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

struct PaintEffectsTest : ::testing::Test {
    FakePaintEnv env;
    EffectChoices choices;
    void SetUp() override {
        AppContext::instance().reset();
        env.hooks_.zoomImage = [this](double fx, double fy, bool reset) { ZoomView::ZoomImage(env, fx, fy, reset); };
    }
};

} // namespace

TEST_F(PaintEffectsTest, ResizeBySideAndLimit) {
    struct Case {
        int w, h;
        EffectChoices::Axes axes;
        float factor;
        QSize want;
        bool done;
    } cases[] = {
        {1700, 10, EffectChoices::Both, 2.0f, {1700, 10}, false}, // 51000 twips: skipped
        {1666, 10, EffectChoices::Both, 2.0f, {3332, 20}, true},  // 49980 twips
        {100, 60, EffectChoices::WidthOnly, 0.5f, {50, 60}, true},
        {100, 60, EffectChoices::HeightOnly, 0.25f, {100, 15}, true},
        {100, 60, EffectChoices::Both, 1.75f, {175, 105}, true},
    };
    for (const Case& c : cases) {
        env.canvas_.resize(c.w, c.h);
        env.records = 0;
        choices.resize = c.axes;
        EXPECT_EQ(PaintEffects::RunEffect(env, choices, 2, c.factor, 0), c.done);
        EXPECT_EQ(QSize(env.canvas_.width(), env.canvas_.height()), c.want) << c.w << " x " << c.factor;
        EXPECT_EQ(env.records, c.done ? 1 : 0);
        EXPECT_TRUE(env.errors.isEmpty());
    }
}

TEST_F(PaintEffectsTest, HalfTurnIsTwoMirrorsAndUndoGivesTheFirst) {
    paintHalves(env.canvas_);
    env.history_.reset(env.canvas_.image());
    const QImage before = env.canvas_.image().copy();
    PaintEffects::RotateHalfTurn(env, choices);
    EXPECT_EQ(env.records, 2);
    EXPECT_TRUE(same(env.canvas_.image(), mirrored(before, true, true)));
    const auto undone = env.history_.undo();
    ASSERT_TRUE(undone);
    EXPECT_TRUE(same(undone->picture, mirrored(before, true, false)));
}

TEST_F(PaintEffectsTest, RotationFollowsTheCheckedDirection) {
    env.canvas_.resize(100, 60);
    paintHalves(env.canvas_);
    choices.clockwise = true;
    PaintEffects::RunEffect(env, choices, 3, 0, 90);
    EXPECT_EQ(QSize(env.canvas_.width(), env.canvas_.height()), QSize(60, 100));
    EXPECT_TRUE(AppContext::instance().EffectClockwise);
    choices.clockwise = false;
    PaintEffects::RunEffect(env, choices, 3, 0, 45);
    EXPECT_FALSE(AppContext::instance().EffectClockwise);
    EXPECT_EQ(env.records, 2);
}

TEST_F(PaintEffectsTest, FailedEffectRestoresThePictureAndRecordsNothing) {
    paintHalves(env.canvas_);
    const QImage before = env.canvas_.image().copy();
    env.host_.throwOnMarquee = true; // fails after the target was cleared
    EXPECT_FALSE(PaintEffects::RunEffect(env, choices, 2, 1.5f, 0));
    EXPECT_EQ(env.errors, QStringList{QStringLiteral("marquee failed")});
    EXPECT_EQ(env.records, 0);
    EXPECT_TRUE(same(env.canvas_.image(), before));
}

TEST_F(PaintEffectsTest, EffectsAndFiltersReturnToFullSizeFirst) {
    paintHalves(env.canvas_);
    const QImage picture = env.canvas_.image().copy();
    ZoomView::Click(env, 10, 10, false);
    ASSERT_EQ(env.state_.zoom, 1.25f);
    ASSERT_EQ(env.canvas_.width(), 375);
    PaintEffects::RunEffect(env, choices, 0, 0, 0);
    EXPECT_EQ(env.state_.zoom, 1.0f);
    EXPECT_TRUE(same(env.canvas_.image(), mirrored(picture, true, false)));

    ZoomView::Click(env, 10, 10, false);
    PaintEffects::RunFilter(env, 9); // kind 9 changes nothing: only the return is seen
    EXPECT_EQ(env.canvas_.width(), 300);
    EXPECT_TRUE(same(env.canvas_.image(), mirrored(picture, true, false)));

    ZoomView::Click(env, 10, 10, false);
    PaintEffects::ClearPicture(env);
    EXPECT_EQ(env.canvas_.width(), 300);
    EXPECT_EQ(env.canvas_.point(0, 0), qint64(Color::White));
    EXPECT_EQ(env.canvas_.point(299, 199), qint64(Color::White));
}

TEST_F(PaintEffectsTest, ZoomCountsAndReference) {
    env.canvas_.resize(999, 40);
    paintHalves(env.canvas_);
    const QImage picture = env.canvas_.image().copy();
    auto zoom = createFigureTool(Tool::Zoom, env);
    zoom->activated();
    int widths[7];
    for (int i = 0; i < 7; ++i) {
        env.press(*zoom, {100, 10});
        env.release(*zoom, {100, 10});
        widths[i] = env.canvas_.width();
    }
    EXPECT_EQ(widths[4], int(std::nearbyint(999 * 1.25 * 1.25 * 1.25 * 1.25 * 1.25)));
    EXPECT_EQ(widths[5], widths[4]) << "the sixth zoom-in does nothing";
    EXPECT_FLOAT_EQ(env.state_.zoom, 1.25f * 1.25f * 1.25f * 1.25f * 1.25f);
    EXPECT_EQ(env.records, 0);

    // Choosing the zoom tool again while zoomed (after Hand or Pick Color)
    // keeps the reference: the scaled view never becomes the picture.
    zoom->activated();
    env.ZoomImage(0, 0, true);
    EXPECT_TRUE(same(env.canvas_.image(), picture));

    // CTRL zooms out without a lower limit.
    for (int i = 0; i < 3; ++i) {
        env.press(*zoom, {10, 10}, false, true);
        env.release(*zoom, {10, 10}, false, true);
    }
    EXPECT_FLOAT_EQ(env.state_.zoom, 1.0f / 1.25f / 1.25f / 1.25f);
    EXPECT_EQ(env.canvas_.width(), int(std::nearbyint(999 / 1.25 / 1.25 / 1.25)));
}

TEST_F(PaintEffectsTest, ZoomCentresTheFocusWithAndWithoutRoom) {
    env.canvas_.resize(1000, 300);
    env.metrics_.windowWidth = 6000;
    env.metrics_.toolColumnWidth = 855;
    env.metrics_.vBarWidth = 255;
    env.h_ = {0, 0, 300, true};
    // Focus 15 * 500 * 1.25 = 9375 twips on a canvas of 18750, view 4890.
    ZoomView::Click(env, 500, 100, false);
    EXPECT_EQ(env.h_.value, 150);
    // A canvas no wider than the view: value 0, no division by zero.
    env.metrics_.windowWidth = 20000;
    env.h_.value = 5;
    ZoomView::Click(env, 300, 100, false);
    EXPECT_EQ(env.h_.value, 0);
}

TEST_F(PaintEffectsTest, FilterBrushLightensTheSquareUnderThePointer) {
    struct Case {
        int dotSize;
        QPoint point;
        int changed; // pixels of (120,120,120) that became (122,122,122)
    } cases[] = {{0, {50, 50}, 1}, {3, {50, 50}, 49}, {2, {0, 0}, 9}, {1, {-2, 5}, 0}};
    for (const Case& c : cases) {
        FakePaintEnv e;
        e.canvas_.image().fill(Color::toRgb(Color::rgb(120, 120, 120)));
        e.state_.dotSize = c.dotSize;
        e.state_.filterTool = 2; // "&Light"
        auto brush = createFigureTool(Tool::FilterBrush, e);
        e.press(*brush, c.point);
        e.release(*brush, c.point);
        int n = 0;
        for (int y = 0; y < e.canvas_.height(); ++y)
            for (int x = 0; x < e.canvas_.width(); ++x)
                n += e.canvas_.point(x, y) == qint64(Color::rgb(122, 122, 122));
        EXPECT_EQ(n, c.changed) << "dot size " << c.dotSize;
        EXPECT_EQ(e.records, 1);
    }
}

TEST_F(PaintEffectsTest, FilterRunsOnTheSelectionWhenShownAndRecordsNothing) {
    bool shown = true;
    env.hooks_.selectionShown = [&] { return shown; };
    env.select_.image().fill(Color::toRgb(Color::rgb(10, 10, 10)));
    PaintEffects::RunFilter(env, 2);
    EXPECT_EQ(env.select_.point(5, 5), qint64(Color::rgb(42, 42, 42)));
    EXPECT_EQ(env.canvas_.point(5, 5), qint64(Color::White));
    EXPECT_EQ(env.records, 0);
    shown = false;
    env.state_.foreColor = Color::White;
    env.state_.fillColor = Red;
    PaintEffects::RunFilter(env, 10); // Replace Colors: foreground by fill colour
    EXPECT_EQ(env.canvas_.point(5, 5), qint64(Red));
    EXPECT_EQ(env.records, 1);
    EXPECT_FALSE(env.percentages.empty());
    EXPECT_EQ(env.percentages.back(), 100);
}
