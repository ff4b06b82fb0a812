#include "paint/PaintStatus.h"
#include "platform/ErrorMessage.h"
#include "platform/FakeDialogs.h"

#include <gtest/gtest.h>

namespace {

using PaintStatus::Extras;

struct HintCase {
    int tool;
    bool pressed;
    const char* hint;
};

TEST(PaintStatus, ToolHintsPlainAndPressed) {
    const HintCase cases[] = {
        {0, false, "Selects a rectangular part of the picture to move or delete"},
        {0, true, "Press and hold down SHIFT to select a square part"},
        {1, true, "Picks up a foreground color (click) or background color (right-click) from the picture for drawing"},
        {2, false, "Erases a partion of the picture using the selected eraser width"},
        {3, false, "Fills an area"},
        {4, true, "Draws using a pencil with the selected dot size"},
        {5, false, "Draws a straight line with the selected line width"},
        {5, true, "Press and hold down CTRL to draw a horizontal or vertical line; SHIFT to draw a 45-degree line"},
        {6, false, "Draws a rectangle with the selected outline width and fill style"},
        {6, true, "Press and hold down SHIFT to draw a square"},
        {7, false, "Draws an ellips with the selected outline width and fill style"},
        {7, true, "Press and hold down SHIFT to draw a circle"},
        {8, false, "Insert text into the picture"},
        {9, false, "Draws an arrow with the selected arrow width"},
        {9, true, "Press and hold down CTRL to draw a horizontal or vertical arrow; SHIFT to draw a 45-degree arrow"},
        {10, false, "Draws using an airbrush with the selected airbrush size"},
        {11, false, "Draws a rounded rectangle with the selected outline width and fill style"},
        {11, true, "Press and hold down SHIFT to draw a rounded-square"},
        {12, false, "Draws a polygon with the selected outline width and fill area"},
        {13, false, "Draws a bezier curve with the selected curve width"},
        {14, false, "Apply the selected filter to the image"},
        {15, false, "Zoom in or zoom out the image 1.25x (press and hold down CTRL to zoom out)"},
        {16, false, "Draws using a brush with the selected shape"},
        {17, true, "Pan to see other part of the picture"},
    };
    for (const HintCase& c : cases) {
        PaintState s;
        s.tool = c.tool;
        s.pressed = c.pressed;
        EXPECT_EQ(PaintStatus::toolHint(s, {}), QString::fromLatin1(c.hint)) << c.tool << " " << c.pressed;
    }
}

TEST(PaintStatus, ToolHintsOfTheStatesOfLaterTools) {
    PaintState s;
    s.tool = 0;
    s.freshSelection = true;
    s.pressed = true;
    EXPECT_EQ(PaintStatus::toolHint(s, {}),
              QStringLiteral("Press and hold down CTRL before moving the selection to copy it"));
    s = PaintState();
    s.tool = 8;
    EXPECT_EQ(PaintStatus::toolHint(s, Extras{true, false}),
              QStringLiteral("Press ENTER or double-click to finish inserting the text"));
    s.tool = 12;
    s.polygonUnderWay = true;
    EXPECT_EQ(PaintStatus::toolHint(s, {}), QStringLiteral("Press ENTER or double-click to finish drawing the polygon"));
    s.tool = 13;
    EXPECT_EQ(PaintStatus::toolHint(s, Extras{false, true}),
              QStringLiteral("Press ENTER or double-click to finish drawing the curve"));
}

TEST(PaintStatus, ColourBarAndProgressHints) {
    const PaintState s;
    const struct {
        int info, percentage;
        const char* text;
    } cases[] = {
        {1, 0, "Click to set the foreground color; Right-click to set the background color"},
        {2, 0, "Double-click to set the foreground color with custom color"},
        {3, 0, "Double-click to set the background color with custom color"},
        {4, 37, "Filtering... (37% complete)"},
        {4, 0, "Filtering... (0% complete)"},
        {5, 100, "Retrieving color information... (100% complete)"},
        {6, 0, ""},
        {-1, 0, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PaintStatus::hintText(c.info, s, {}, c.percentage), QString::fromLatin1(c.text)) << c.info;
}

TEST(PaintStatus, PanelsForPositionsSizesAndClearing) {
    PaintState s; // the Pencil
    auto p = PaintStatus::panels(0, 0, 0, 0, false, s, {});
    EXPECT_EQ(p.hint, QStringLiteral("Draws using a pencil with the selected dot size"));
    EXPECT_EQ(p.place, QStringLiteral("0,0"));
    EXPECT_EQ(p.size, QString());

    p = PaintStatus::panels(0, 120.5f, 45, 0, false, s, {});
    EXPECT_EQ(p.place, QStringLiteral("120.5,45"));

    s.tool = 6;
    s.pressed = true;
    s.start = QPoint(10, 20);
    s.end = QPoint(4, 50);
    p = PaintStatus::panels(0, 7, 7, 0, false, s, {});
    EXPECT_EQ(p.size, QStringLiteral("-6x30"));
    EXPECT_FALSE(p.place) << "panel 2 keeps its text while a figure is dragged";

    s.tool = 4; // not a sized tool: position even while pressed
    p = PaintStatus::panels(0, 7, 8, 0, false, s, {});
    EXPECT_EQ(p.place, QStringLiteral("7,8"));
    EXPECT_EQ(p.size, QString());

    p = PaintStatus::panels(1, 7, 8, 0, false, s, {});
    EXPECT_EQ(p.place, QString());
    p = PaintStatus::panels(0, 7, 8, 0, true, s, {});
    EXPECT_EQ(p.hint, QString());
    EXPECT_EQ(p.place, QString());

    s.tool = 5;
    s.start = QPoint(-2000000000, 0);
    s.end = QPoint(2000000000, 0);
    bool overflow = false;
    p = PaintStatus::panels(0, 0, 0, 0, false, s, {}, &overflow);
    EXPECT_TRUE(overflow);
}

TEST(ErrorMessage, TextsByCode) {
    EXPECT_EQ(ErrorMessageText(0, QStringLiteral("Out of memory")), QStringLiteral("Out of memory"));
    EXPECT_EQ(ErrorMessageText(1, {}),
              QStringLiteral("Cannot write to the disk.\r\n\r\nMake sure the disk is not full or write-protected."));
    EXPECT_EQ(ErrorMessageText(4, {}),
              QStringLiteral("Cannot drawing using the selected tool.\r\n\r\nThe needed file may be missing."));
    EXPECT_EQ(ErrorMessageText(2, QStringLiteral("x")), QString());
}

TEST(ErrorMessage, ShowsAStopMessageWithTheTitleOnlyForKnownCodes) {
    FakeDialogs fake;
    ShowErrorMessage(3, QStringLiteral("ignored"));
    EXPECT_TRUE(fake.shown.empty());
    ShowErrorMessage(4, {});
    ASSERT_EQ(fake.shown.size(), 1u);
    EXPECT_EQ(fake.shown[0].icon, MsgIcon::Critical);
    EXPECT_EQ(fake.shown[0].title, QStringLiteral("Wisplet Dorizized"));
    EXPECT_EQ(fake.shown[0].buttons, MsgButtons::Ok);
}

} // namespace
