// The floating selection without widgets: selecting, moving, copying with
// CTRL, dropping, Delete, Crop, Select All, Paste, and the marquee left
// behind (never) by any of them.
#include "paint/Selection.h"
#include "tests/platform/SurfaceTestUtil.h"

#include <gtest/gtest.h>

namespace {

struct Host : SelectionHost {
    Surface surface{60, 50};
    Surface floating;
    int steps = 0;
    int resized = 0;
    Surface& canvas() override { return surface; }
    Surface& selectionSurface() override { return floating; }
    void SetImageBuffer() override { ++steps; }
    void canvasResized() override { ++resized; }
};

// A canvas with a pattern every pixel of which differs from its neighbours.
void paintPattern(Surface& s) {
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            s.pset(x, y, Color::rgb(x * 4, y * 5, (x * 7 + y * 3) & 0xFF));
}

struct SelectionTest : ::testing::Test {
    Host host;
    Selection sel{host};
    QImage before;
    void SetUp() override {
        paintPattern(host.surface);
        before = host.surface.image().copy();
    }
    void select(QPoint a, QPoint b, bool shift = false) {
        sel.beginSelect(a);
        sel.dragSelect((a + b) / 2, shift, false);
        sel.dragSelect(b, shift, false);
        sel.endSelect(b, shift, false);
    }
    void move(QPoint from, QPoint to, bool ctrl = false) {
        sel.beginMove(from, ctrl);
        sel.dragMove((from + to) / 2);
        sel.endMove(to);
    }
    const QImage& canvas() { return host.surface.image(); }
};

TEST_F(SelectionTest, DragGivesTheInsideAndTheMarqueeOnItsCorners) {
    select({20, 20}, {30, 30});
    ASSERT_TRUE(sel.shown());
    EXPECT_TRUE(sel.fresh());
    EXPECT_EQ(sel.rect(), QRect(21, 21, 9, 9));
    EXPECT_EQ(sel.marquee().rect(), QRect(QPoint(20, 20), QPoint(30, 30)));
    EXPECT_TRUE(sameImage(sel.surface().image(), before.copy(21, 21, 9, 9)));
    EXPECT_EQ(host.steps, 0);
    // The marquee changed the canvas only on its outline; the composite is
    // the picture without it.
    EXPECT_FALSE(sameImage(canvas(), before));
    EXPECT_TRUE(sameImage(sel.composite(), before));
    // Dropping a fresh selection changes nothing and records nothing.
    sel.DropSelection();
    EXPECT_FALSE(sel.shown());
    EXPECT_EQ(host.steps, 0);
    EXPECT_TRUE(sameImage(canvas(), before));
}

TEST_F(SelectionTest, DragsInAnyDirectionAndShiftSquares) {
    struct Case {
        QPoint a, b;
        bool shift;
        QRect expected;
    } cases[] = {
        {{30, 30}, {20, 20}, false, QRect(21, 21, 9, 9)},
        {{30, 10}, {10, 40}, false, QRect(11, 11, 19, 29)},
        {{10, 10}, {40, 20}, true, QRect(11, 11, 9, 9)},  // dy < dx: x = start + dy
        {{10, 10}, {15, 40}, true, QRect(11, 11, 4, 4)},  // dy >= dx: y = start + dx
        {{40, 40}, {10, 30}, true, QRect(31, 31, 9, 9)},
    };
    for (const Case& c : cases) {
        select(c.a, c.b, c.shift);
        EXPECT_EQ(sel.rect(), c.expected) << c.a.x() << "," << c.a.y() << " -> " << c.b.x() << "," << c.b.y();
        EXPECT_TRUE(sameImage(sel.surface().image(), before.copy(c.expected)));
        sel.DropSelection();
        EXPECT_TRUE(sameImage(canvas(), before)) << "marquee left behind";
    }
    EXPECT_EQ(host.steps, 0);
}

TEST_F(SelectionTest, TinyOrOffCanvasDragsGiveNoSelectionAndNoMarquee) {
    const QPoint cases[][2] = {
        {{20, 20}, {21, 40}}, // one pixel wide
        {{20, 20}, {40, 19}}, // one pixel high
        {{20, 20}, {20, 20}}, // a click
        {{-30, -30}, {-5, -5}},  // wholly outside
        {{70, 10}, {90, 30}},
        {{60, 10}, {90, 30}}, // starts on the edge: its inside is off the canvas
    };
    for (const auto& c : cases) {
        select(c[0], c[1]);
        EXPECT_FALSE(sel.shown());
        EXPECT_FALSE(sel.marquee().shown());
        EXPECT_TRUE(sameImage(canvas(), before)) << c[0].x() << "," << c[0].y();
    }
    EXPECT_EQ(host.steps, 0);
}

TEST_F(SelectionTest, DragBeyondTheEdgeIsClippedToTheCanvas) {
    select({40, 30}, {100, 90});
    ASSERT_TRUE(sel.shown());
    EXPECT_EQ(sel.rect(), QRect(41, 31, 19, 19));
    move({45, 35}, {5, 5});
    sel.DropSelection();
    EXPECT_EQ(host.steps, 1);
    QImage expected = before.copy();
    for (int y = 31; y < 50; ++y)
        for (int x = 41; x < 60; ++x)
            expected.setPixel(x, y, qRgb(255, 255, 255));
    for (int y = 0; y < 19; ++y)
        for (int x = 0; x < 19; ++x)
            expected.setPixel(1 + x, 1 + y, before.pixel(41 + x, 31 + y));
    EXPECT_TRUE(sameImage(canvas(), expected));
}

TEST_F(SelectionTest, MoveClearsThePlaceAndCtrlKeepsIt) {
    for (bool ctrl : {false, true}) {
        host.surface.image() = before.copy();
        host.steps = 0;
        select({9, 9}, {20, 20}); // inside (10, 10) 10 x 10
        move({12, 12}, {32, 22}, ctrl);
        EXPECT_EQ(sel.pos(), QPoint(30, 20));
        EXPECT_FALSE(sel.fresh());
        EXPECT_EQ(host.steps, 0);
        sel.DropSelection();
        EXPECT_EQ(host.steps, 1) << "a moved selection records its drop";
        QImage expected = before.copy();
        if (!ctrl)
            for (int y = 10; y < 20; ++y)
                for (int x = 10; x < 20; ++x)
                    expected.setPixel(x, y, qRgb(255, 255, 255));
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x)
                expected.setPixel(30 + x, 20 + y, before.pixel(10 + x, 10 + y));
        EXPECT_TRUE(sameImage(canvas(), expected)) << "ctrl " << ctrl;
    }
}

TEST_F(SelectionTest, DraggedWhollyOutsideDropsNothingAndLeavesNoMarquee) {
    select({9, 9}, {20, 20});
    move({12, 12}, {212, 312});
    EXPECT_FALSE(sel.marquee().shown() && sel.marquee().rect().intersects(canvas().rect()));
    sel.DropSelection();
    QImage expected = before.copy();
    for (int y = 10; y < 20; ++y)
        for (int x = 10; x < 20; ++x)
            expected.setPixel(x, y, qRgb(255, 255, 255));
    EXPECT_TRUE(sameImage(canvas(), expected));
    // Partly outside on the top-left.
    select({29, 29}, {40, 40});
    move({35, 35}, {0, 0});
    EXPECT_EQ(sel.pos(), QPoint(-5, -5));
    sel.DropSelection();
    EXPECT_EQ(QColor(canvas().pixel(0, 0)), QColor(before.pixel(35, 35)));
    EXPECT_EQ(QColor(canvas().pixel(4, 4)), QColor(before.pixel(39, 39)));
}

TEST_F(SelectionTest, DeleteFreshEmptiesThePlaceAndAfterAMoveOnlyTheFloatingPixels) {
    select({9, 9}, {20, 20});
    sel.deleteSelection();
    EXPECT_FALSE(sel.shown());
    EXPECT_EQ(host.steps, 1);
    EXPECT_EQ(countColor(host.surface, Color::White, QRect(10, 10, 10, 10)), 100);
    EXPECT_EQ(paintedBounds(host.surface, Color::White).isEmpty(), false);
    host.surface.image() = before.copy();
    select({9, 9}, {20, 20});
    move({10, 10}, {40, 30}, true);
    sel.deleteSelection();
    EXPECT_TRUE(sameImage(canvas(), before)) << "the copy disappears, the place keeps its pixels";
}

TEST_F(SelectionTest, SelectAllThenDeleteGivesABlankCanvas) {
    sel.selectAll();
    EXPECT_EQ(sel.rect(), canvas().rect());
    EXPECT_TRUE(sel.fresh());
    sel.deleteSelection();
    EXPECT_EQ(host.steps, 1);
    EXPECT_TRUE(paintedBounds(host.surface, Color::White).isEmpty());
}

TEST_F(SelectionTest, CropGivesTheSelectionAndOneStep) {
    select({4, 5}, {30, 25});
    sel.crop();
    EXPECT_EQ(host.surface.width(), 25);
    EXPECT_EQ(host.surface.height(), 19);
    EXPECT_EQ(host.steps, 1);
    EXPECT_EQ(host.resized, 1);
    EXPECT_FALSE(sel.shown());
    EXPECT_TRUE(sameImage(canvas(), before.copy(5, 6, 25, 19)));
}

TEST_F(SelectionTest, PasteFloatsAtTheTopLeftAndDropsAShownSelection) {
    QImage pic(8, 6, QImage::Format_RGB32);
    pic.fill(qRgb(10, 200, 30));
    select({20, 20}, {30, 30});
    sel.paste(pic);
    EXPECT_EQ(host.steps, 0) << "the fresh selection went back unchanged";
    EXPECT_EQ(sel.rect(), QRect(0, 0, 8, 6));
    EXPECT_FALSE(sel.fresh());
    EXPECT_TRUE(sameImage(sel.composite().copy(20, 20, 11, 11), before.copy(20, 20, 11, 11)));
    sel.DropSelection();
    EXPECT_EQ(host.steps, 1);
    EXPECT_EQ(countColor(host.surface, Color::rgb(10, 200, 30), QRect(0, 0, 8, 6)), 48);
    QImage expected = before.copy();
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x)
            expected.setPixel(x, y, pic.pixel(x, y));
    EXPECT_TRUE(sameImage(canvas(), expected));
}

TEST_F(SelectionTest, PasteLargerThanTheCanvasIsClippedAndLeavesNoMarquee) {
    QImage pic(200, 150, QImage::Format_RGB32);
    pic.fill(qRgb(1, 2, 3));
    sel.paste(pic);
    EXPECT_TRUE(sameImage(canvas(), before)) << "its marquee lies wholly outside";
    move({100, 100}, {90, 95});
    sel.DropSelection();
    EXPECT_EQ(countColor(host.surface, Color::rgb(1, 2, 3), canvas().rect()), 60 * 50);
    // Crop to the large paste makes the canvas its size.
    sel.paste(pic);
    sel.crop();
    EXPECT_EQ(canvas().size(), QSize(200, 150));
}

TEST_F(SelectionTest, MarqueeToggledAroundAChangeOfSize) {
    select({9, 9}, {20, 20});
    sel.DrawSelectionRect();
    EXPECT_FALSE(sel.fresh());
    EXPECT_TRUE(sameImage(canvas(), before));
    sel.surface().resize(20, 4);
    sel.DrawSelectionRect();
    EXPECT_EQ(sel.marquee().rect(), QRect(QPoint(9, 9), QPoint(30, 14)));
    sel.DropSelection();
    EXPECT_EQ(host.steps, 1) << "an effect on the selection is recorded at its drop";
}

TEST_F(SelectionTest, DiscardHidesWithoutPastingAndForgetsTheMarquee) {
    select({9, 9}, {20, 20});
    move({10, 10}, {40, 30});
    sel.discard();
    EXPECT_FALSE(sel.shown());
    host.surface.clear(); // New replaces the picture, marquee included
    sel.DropSelection();
    sel.DrawSelectionRect();
    EXPECT_EQ(host.steps, 0);
    EXPECT_TRUE(paintedBounds(host.surface, Color::White).isEmpty()) << "no old marquee removed into it";
}

TEST_F(SelectionTest, CompositeShowsTheFloatingSelectionWithoutChangingAnything) {
    select({9, 9}, {20, 20});
    move({10, 10}, {40, 30});
    const QImage canvasNow = canvas().copy();
    const QImage seen = sel.composite();
    EXPECT_TRUE(sameImage(canvas(), canvasNow));
    EXPECT_TRUE(sel.shown());
    EXPECT_TRUE(sameImage(seen.copy(40, 30, 10, 10), before.copy(10, 10, 10, 10)));
    EXPECT_EQ(QColor(seen.pixel(39, 29)), QColor(before.pixel(39, 29))) << "no marquee in the picture";
    EXPECT_EQ(QColor(seen.pixel(12, 12)), QColor(Qt::white));
}

} // namespace
