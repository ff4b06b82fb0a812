#pragma once
// Widget-free arithmetic of the paint window's layout: Form_Resize, the tool
// buttons' places, the option panes' hit areas, the palette and the resize
// handles. Window lengths are twips (15 to a pixel), canvas sizes pixels.
#include "platform/Color.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>
#include <optional>

namespace PaintLayout {

constexpr int TwipsPerPixel = 15;
constexpr int ToolColumnWidth = 855;
constexpr int ScrollBarSize = 255;  // width of vscPaint, height of hscPaint
constexpr int ColorBarHeight = 960; // fraColor
constexpr int StatusBarHeight = 300;
constexpr int MinWindowHeight = 2800;
// The classic frame around the client area (caption, menu bar, borders):
// Form_Resize's constants count it into the window's outer size, whatever the
// desktop draws, so the canvas area comes out the same everywhere.
constexpr int FrameWidth = 120;
constexpr int FrameHeight = 750;
// The largest canvas side a resize-handle drag may reach, in pixels (the
// resize effect's own bound: 50000 twips).
constexpr int MaxCanvasSide = 3333;

struct FormInput {
    int windowWidth = 0;  // outer size, twips
    int windowHeight = 0;
    int clientHeight = 0; // below the menu bar, twips
    int canvasWidth = 0;  // canvas outer size, twips
    int canvasHeight = 0;
    bool hBarShown = false; // the horizontal bar's state before this layout
    bool minimized = false;
};

struct FormResult {
    bool laidOut = false; // false while minimised: nothing changes
    int windowHeight = 0; // raised to MinWindowHeight when below
    int toolColumnHeight = 0;
    int colorBarTop = 0;
    int colorBarWidth = 0;
    bool vShown = false;
    int vMax = 0, vLeft = 0, vHeight = 0;
    bool hShown = false;
    int hMax = 0, hTop = 0, hWidth = 0;
    bool fillerShown = false;
    QPoint fillerPlace; // (vertical bar's left, horizontal bar's top)
};

// The window's layout pass (Form_Resize).
FormResult formResize(const FormInput& in);

// Canvas place in the client area for the scroll values: left = tool column
// width - h * 10, top = -v * 10 (twips).
QPoint canvasPlace(int hValue, int vValue);

// Handle corners (twips) for a canvas at `canvas` (outer place and size):
// 0 right edge middle, 1 bottom edge middle, 2 corner.
std::array<QPoint, 3> handlePlaces(const QRect& canvas);

// One resize-handle step: the canvas's new size in pixels after handle
// `index` moved by (dx, dy) pixels. Width from handles 0 and 2, height from
// 1 and 2; a side that would leave 1..MaxCanvasSide keeps its size.
QSize handleStep(int index, QSize canvas, int dx, int dy);

// Tool button index by (row 0..8, column 0..1), and the button's place.
int toolAt(int row, int column);
QRect toolButtonPlace(int tool); // twips inside fraTools
const char* toolName(int tool);  // tooltip

// Option panes: the choice a press at (x, y) twips inside the pane makes,
// or nothing outside the hit areas.
std::optional<int> dotAt(int x, int y);
std::optional<int> fillModeAt(int x, int y);
// Highlight's top-left corner (twips) for a dot size / fill mode.
QPoint dotHighlight(int dotSize);
int fillHighlightTop(int fillMode);
// Dot sample i: its centre (twips inside the pane) and diameter (pixels).
QPoint dotCentre(int dot);
int dotDiameter(int dot);
// Brush spot i (0..9): top-left in pixels inside the pane (9 x 9 pixels).
QPoint brushSpot(int shape);

// The 26 palette colours by cell index (even upper row, odd lower row).
constexpr int PaletteCells = 26;
ColorValue paletteColor(int cell);
// Cell's top-left in pixels inside the colour bar (cells 17 x 17).
QPoint paletteCellPlace(int cell);

} // namespace PaintLayout
