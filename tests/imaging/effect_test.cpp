// Geometric effects: mirrors, scaling, rotation, inversion, and the calls
// into the paint window.
#include "imaging/Effect.h"
#include "platform/AppContext.h"
#include "platform/Surface.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace mdlEffect;

namespace {

struct FakeHost : EffectHost {
    QStringList calls;
    QStringList errors;
    bool failOnAdjust = false;
    void DrawSelectionRect() override { calls << "DrawSelectionRect"; }
    void AdjustPaintResizeBox() override {
        calls << "AdjustPaintResizeBox";
        if (failOnAdjust)
            throw std::runtime_error("handles gone");
    }
    void Form_Resize() override { calls << "Form_Resize"; }
    void refresh() override { calls << "refresh"; }
    void setTargetVisible(Surface&, bool visible) override { calls << (visible ? "show" : "hide"); }
    void ShowErrorMessage(int code, const QString& d) override { errors << QString::number(code) + ":" + d; }
};

QImage Pattern(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb((x * 7) & 255, (y * 3) & 255, (x ^ y) & 255));
    return img;
}

struct EffectTest : ::testing::Test {
    void SetUp() override { AppContext::instance().reset(); }
    void TearDown() override { AppContext::instance().reset(); }
    FakeHost host;
    Surface scratch;
};

} // namespace

TEST_F(EffectTest, MirrorsMatchQtAndKeepTheSize) {
    const struct { int mode; bool horizontal, vertical; } cases[] = {{MirrorLeftRight, true, false},
                                                                     {MirrorTopBottom, false, true}};
    for (const auto& c : cases) {
        Surface target(13, 7);
        target.image() = Pattern(13, 7);
        ImageEffect(c.mode, target, scratch, host);
        EXPECT_EQ(target.image(), Pattern(13, 7).mirrored(c.horizontal, c.vertical)) << c.mode;
    }
    // Both mirrors (the half turn) keep every pixel.
    Surface target(9, 5);
    target.image() = Pattern(9, 5);
    ImageEffect(MirrorLeftRight, target, scratch, host);
    ImageEffect(MirrorTopBottom, target, scratch, host);
    EXPECT_EQ(target.image(), Pattern(9, 5).mirrored(true, true));
    EXPECT_TRUE(host.errors.isEmpty());
}

TEST_F(EffectTest, InversionIsXorWithTheBackgroundColour) {
    const struct { ColorValue back, in, out; } cases[] = {
        {Color::White, Color::White, Color::Black},
        {Color::White, Color::Black, Color::White},
        {Color::White, Color::rgb(10, 200, 0), Color::rgb(245, 55, 255)},
        {Color::rgb(255, 0, 0), Color::rgb(255, 0, 0), Color::Black},
    };
    for (const auto& c : cases) {
        Surface target(4, 3, c.back);
        target.image().fill(Color::toRgb(c.in));
        ImageEffect(Invert, target, scratch, host);
        EXPECT_EQ(Color::fromRgb(target.image().pixel(2, 1)), c.out);
    }
}

TEST_F(EffectTest, ScaleResizesStretchesAndLaysTheWindowOut) {
    auto& app = AppContext::instance();
    scratch.autoSize = false;
    Surface target(20, 10);
    target.image() = Pattern(20, 10);

    app.EffectScaleX = app.EffectScaleY = 1.0;
    ImageEffect(Scale, target, scratch, host);
    EXPECT_EQ(target.image(), Pattern(20, 10));
    EXPECT_EQ(host.calls, QStringList({"DrawSelectionRect", "hide", "show", "DrawSelectionRect",
                                       "AdjustPaintResizeBox", "Form_Resize"}));
    EXPECT_FALSE(scratch.autoSize); // restored

    app.EffectScaleX = 1.5;
    app.EffectScaleY = 0.5;
    ImageEffect(Scale, target, scratch, host);
    ASSERT_EQ(target.width(), 30);
    ASSERT_EQ(target.height(), 5);
    // Nearest pixel: destination pixel x takes source pixel floor((x + 1/2) * 20 / 30).
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 30; ++x)
            ASSERT_EQ(target.image().pixel(x, y), Pattern(20, 10).pixel((2 * x + 1) * 20 / 60, 2 * y + 1)) << x << "," << y;

    // Doubling repeats every pixel twice.
    app.EffectScaleX = app.EffectScaleY = 2.0;
    target.image() = Pattern(5, 4);
    ImageEffect(Scale, target, scratch, host);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 10; ++x)
            ASSERT_EQ(target.image().pixel(x, y), Pattern(5, 4).pixel(x / 2, y / 2));
}

TEST_F(EffectTest, QuarterTurnOfHundredBySixtyTurnsOnItsSideTwoPixelsLeft) {
    auto& app = AppContext::instance();
    const ColorValue back = Color::rgb(1, 2, 3);
    Surface target(100, 60, back);
    target.image().fill(qRgb(200, 0, 0));
    app.EffectAngle = 90;
    app.EffectClockwise = false;
    ImageEffect(Rotate, target, scratch, host);
    ASSERT_EQ(target.width(), 60);
    ASSERT_EQ(target.height(), 100);
    EXPECT_FLOAT_EQ(float(app.EffectAngle), float(90 * 3.14159265358979 / 180));
    EXPECT_EQ(host.calls.mid(0, 5),
              QStringList({"DrawSelectionRect", "DrawSelectionRect", "AdjustPaintResizeBox", "Form_Resize", "refresh"}));
    // The picture sits around x = 50 - 22 = 28: the two right-most columns
    // receive nothing; the columns from 0 to 57 are painted.
    auto backPixels = [&](int x) {
        int n = 0;
        for (int y = 0; y < 100; ++y)
            n += Color::fromRgb(target.image().pixel(x, y)) == back;
        return n;
    };
    EXPECT_EQ(backPixels(58), 100);
    EXPECT_EQ(backPixels(59), 100);
    for (int x : {0, 10, 28, 57})
        EXPECT_LE(backPixels(x), 2) << x;

    // The content turns anticlockwise: the source's left half ends up below.
    Surface t2(100, 60, back);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 100; ++x)
            t2.image().setPixel(x, y, x < 50 ? qRgb(0, 0, 255) : qRgb(0, 255, 0));
    app.EffectAngle = 90;
    ImageEffect(Rotate, t2, scratch, host);
    EXPECT_EQ(t2.image().pixel(28, 80), qRgb(0, 0, 255));
    EXPECT_EQ(t2.image().pixel(28, 20), qRgb(0, 255, 0));
}

TEST_F(EffectTest, ClockwiseTurnsUseThreeSixtyMinusTheAngle) {
    auto& app = AppContext::instance();
    Surface target(100, 60, Color::White);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 100; ++x)
            target.image().setPixel(x, y, x < 50 ? qRgb(0, 0, 255) : qRgb(0, 255, 0));
    app.EffectAngle = 90;
    app.EffectClockwise = true; // 270 anticlockwise: the left half ends up above
    ImageEffect(Rotate, target, scratch, host);
    ASSERT_EQ(target.width(), 60);
    EXPECT_FLOAT_EQ(float(app.EffectAngle), float(270 * 3.14159265358979 / 180));
    EXPECT_EQ(target.image().pixel(28, 20), qRgb(0, 0, 255));
    EXPECT_EQ(target.image().pixel(28, 80), qRgb(0, 255, 0));
}

TEST_F(EffectTest, FortyFiveDegreesLeavesTheCornersInTheBackgroundColour) {
    auto& app = AppContext::instance();
    for (const bool clockwise : {false, true}) {
        Surface target(80, 50, Color::rgb(9, 9, 9));
        target.image().fill(qRgb(250, 250, 250));
        app.EffectAngle = 45;
        app.EffectClockwise = clockwise;
        ImageEffect(Rotate, target, scratch, host);
        ASSERT_EQ(target.width(), 80); // no side turn
        for (const QPoint p : {QPoint(0, 0), QPoint(79, 0), QPoint(0, 49), QPoint(79, 49)})
            EXPECT_EQ(Color::fromRgb(target.image().pixel(p)), Color::rgb(9, 9, 9)) << p.x() << "," << p.y();
        EXPECT_EQ(target.image().pixel(40, 25), qRgb(250, 250, 250));
    }
}

TEST_F(EffectTest, FailuresAreReportedWithCodeZeroAndTheScratchSizingRestored) {
    host.failOnAdjust = true;
    scratch.autoSize = false;
    Surface target(10, 10);
    target.image() = Pattern(10, 10);
    AppContext::instance().EffectScaleX = AppContext::instance().EffectScaleY = 2.0;
    ImageEffect(Scale, target, scratch, host);
    ASSERT_EQ(host.errors, QStringList({"0:handles gone"}));
    EXPECT_EQ(target.width(), 20); // what was done stays done
    EXPECT_FALSE(scratch.autoSize);
}
