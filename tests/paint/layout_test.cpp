#include "paint/PaintLayout.h"
#include "paint/PaintTool.h"

#include <gtest/gtest.h>

namespace {

using namespace PaintLayout;

TEST(PaintLayout, FormResizeWithASmallCanvasShowsNoScrollBars) {
    FormInput in;
    in.windowWidth = 11520;
    in.windowHeight = 9150;
    in.clientHeight = 8400;
    in.canvasWidth = 300 * 15;
    in.canvasHeight = 200 * 15;
    const FormResult r = formResize(in);
    ASSERT_TRUE(r.laidOut);
    EXPECT_EQ(r.windowHeight, 9150);
    EXPECT_EQ(r.toolColumnHeight, 7500);
    EXPECT_EQ(r.colorBarTop, 7290);
    EXPECT_EQ(r.colorBarWidth, 11430);
    EXPECT_FALSE(r.vShown);
    EXPECT_FALSE(r.hShown);
    EXPECT_FALSE(r.fillerShown);
    EXPECT_EQ(r.vMax, 0);
    EXPECT_EQ(r.hMax, 0);
}

TEST(PaintLayout, FormResizeWithALargeCanvasShowsBothBarsAndTheFiller) {
    FormInput in;
    in.windowWidth = 11520;
    in.windowHeight = 9150;
    in.clientHeight = 8400;
    in.canvasWidth = 1000 * 15;
    in.canvasHeight = 800 * 15;
    const FormResult r = formResize(in);
    EXPECT_TRUE(r.vShown);
    EXPECT_EQ(r.vLeft, 11155);
    EXPECT_TRUE(r.hShown);
    EXPECT_EQ(r.hMax, 478); // round(478.5), halves to even
    EXPECT_EQ(r.hTop, 7145);
    EXPECT_EQ(r.hWidth, 10320);
    // The vertical bar is measured again with the horizontal bar shown.
    EXPECT_EQ(r.vMax, 496); // round(495.5)
    EXPECT_EQ(r.vHeight, 7035);
    EXPECT_TRUE(r.fillerShown);
    EXPECT_EQ(r.fillerPlace, QPoint(11155, 7145));
}

TEST(PaintLayout, FormResizeRaisesAShortWindowAndSkipsAMinimisedOne) {
    FormInput in;
    in.windowWidth = 6000;
    in.windowHeight = 2000;
    in.clientHeight = 1250;
    in.canvasWidth = 150;
    in.canvasHeight = 150;
    const FormResult r = formResize(in);
    EXPECT_EQ(r.windowHeight, MinWindowHeight);
    EXPECT_EQ(r.colorBarTop, 2050 - 1110);
    in.minimized = true;
    EXPECT_FALSE(formResize(in).laidOut);
}

TEST(PaintLayout, CanvasAndHandlePlaces) {
    EXPECT_EQ(canvasPlace(0, 0), QPoint(855, 0));
    EXPECT_EQ(canvasPlace(12, 3), QPoint(855 - 120, -30));
    const auto h = handlePlaces(QRect(57, 0, 100, 51));
    EXPECT_EQ(h[0], QPoint(157, 25));
    EXPECT_EQ(h[1], QPoint(107, 51));
    EXPECT_EQ(h[2], QPoint(157, 51));
}

TEST(PaintLayout, HandleStepsKeepEachSideWithinOneTo3333) {
    struct Case {
        int handle, dx, dy;
        QSize from, to;
    } cases[] = {
        {0, 10, 99, {100, 100}, {110, 100}},   // width only
        {1, 99, 5, {100, 100}, {100, 105}},    // height only
        {2, 3, -99, {100, 100}, {103, 1}},     // both, down to 1
        {0, -100, 0, {100, 100}, {100, 100}},  // width 0 refused
        {2, -150, -100, {100, 100}, {100, 100}},
        {0, 10, 0, {3330, 10}, {3330, 10}},    // past the bound
        {0, 3, 0, {3330, 10}, {3333, 10}},
        {1, 0, 2000000000, {10, 3000}, {10, 3000}}, // no overflow
    };
    for (const Case& c : cases)
        EXPECT_EQ(handleStep(c.handle, c.from, c.dx, c.dy), c.to) << c.handle << " " << c.dx << " " << c.dy;
}

TEST(PaintLayout, DotPaneHitAreas) {
    struct Case {
        int x, y;
        std::optional<int> dot;
    } cases[] = {
        {400, 700, 5}, {100, 200, 0}, {325, 150, 1}, {324, 399, 0}, {75, 400, 2},
        {574, 1149, 7}, {74, 700, std::nullopt}, {575, 700, std::nullopt}, {200, 149, std::nullopt},
        {200, 1150, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(dotAt(c.x, c.y), c.dot) << c.x << "," << c.y;
    EXPECT_EQ(dotHighlight(5), QPoint(325, 650));
    EXPECT_EQ(dotHighlight(0), QPoint(75, 150));
}

TEST(PaintLayout, FillPaneHitAreas) {
    struct Case {
        int y;
        std::optional<int> mode;
    } cases[] = {{125, 0}, {424, 0}, {425, std::nullopt}, {450, 1}, {749, 1}, {760, std::nullopt},
                 {775, 2}, {1074, 2}, {1075, std::nullopt}, {100, std::nullopt}};
    for (const Case& c : cases)
        EXPECT_EQ(fillModeAt(300, c.y), c.mode) << c.y;
    EXPECT_EQ(fillHighlightTop(0), 150);
    EXPECT_EQ(fillHighlightTop(1), 465);
    EXPECT_EQ(fillHighlightTop(2), 780);
}

TEST(PaintLayout, PaletteColours) {
    struct Case {
        int cell;
        ColorValue value;
    } cases[] = {{0, 0}, {1, 16777215}, {2, 8421504}, {3, 12632256}, {4, 128}, {5, 255},
                 {13, 16711680}, {20, 16744576}, {24, 16512}, {25, 33023}};
    for (const Case& c : cases)
        EXPECT_EQ(paletteColor(c.cell), c.value) << c.cell;
    // Even cells in the upper row, odd ones below, two per column.
    EXPECT_EQ(paletteCellPlace(0).x(), paletteCellPlace(1).x());
    EXPECT_LT(paletteCellPlace(0).y(), paletteCellPlace(1).y());
    EXPECT_EQ(paletteCellPlace(2).x() - paletteCellPlace(0).x(), 18);
}

TEST(PaintLayout, ToolColumnRowsAndNames) {
    EXPECT_EQ(toolAt(0, 0), 0);
    EXPECT_EQ(toolAt(0, 1), 15);
    EXPECT_EQ(toolAt(2, 0), 4);
    EXPECT_EQ(toolAt(8, 1), 17);
    EXPECT_EQ(toolButtonPlace(4), QRect(50, 120 + 2 * 375, 390, 375));
    EXPECT_EQ(toolButtonPlace(17), QRect(435, 120 + 8 * 375, 390, 375));
    EXPECT_STREQ(toolName(11), "Rounded Rectangle");
    EXPECT_STREQ(toolName(14), "Filter Brush");
}

TEST(PaintTool, CursorsPanesAndRecordingByTool) {
    const struct {
        int tool;
        const char* cursor;
        unsigned panes;
        bool records;
    } cases[] = {
        {0, "", PaneNone, false},           {1, "pick.cur", PaneNone, true},
        {2, "eraser.cur", PaneDot, true},   {3, "fill.cur", PaneNone, true},
        {4, "pencil.cur", PaneDot, true},   {6, "cross.cur", PaneDot | PaneFill, true},
        {8, "text.cur", PaneNone, false},   {10, "airbrush.cur", PaneDot, true},
        {12, "cross.cur", PaneDot | PaneFill, false}, {13, "", PaneDot, false},
        {15, "zoom.cur", PaneNone, false},  {16, "brush.cur", PaneDot | PaneBrush, true},
        {17, "handflat.cur", PaneNone, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(defaultCursorFile(c.tool), QString::fromLatin1(c.cursor)) << c.tool;
        EXPECT_EQ(defaultPanes(c.tool), c.panes) << c.tool;
        EXPECT_EQ(defaultRecordsOnRelease(c.tool), c.records) << c.tool;
    }
}

} // namespace
