#include "paint/PaintLayout.h"

#include "imaging/Rounding.h"

#include <cmath>

namespace PaintLayout {

namespace {
int roundTenth(double v) { return Rounding::halfEven(v / 10.0); }
} // namespace

FormResult formResize(const FormInput& in) {
    FormResult r;
    if (in.minimized)
        return r;
    r.laidOut = true;
    r.windowHeight = std::max(in.windowHeight, MinWindowHeight);
    // The client area grows with the window when it was raised.
    const int clientHeight = in.clientHeight + (r.windowHeight - in.windowHeight);
    r.toolColumnHeight = clientHeight - 900;
    r.colorBarTop = clientHeight - 1110;
    r.colorBarWidth = in.windowWidth - 90;

    int h = in.hBarShown ? ScrollBarSize : 0;
    r.vMax = roundTenth(double(in.canvasHeight) - (r.windowHeight - h - 1950));
    r.vShown = r.vMax > 0;
    if (r.vShown) {
        r.vLeft = in.windowWidth - ScrollBarSize - 110;
        r.vHeight = clientHeight - ColorBarHeight - h - 150;
    }
    const int v = r.vShown ? ScrollBarSize : 0;
    r.hMax = roundTenth(double(in.canvasWidth) - (in.windowWidth - v - 1050));
    r.hShown = r.hMax > 0;
    if (r.hShown) {
        r.hTop = r.colorBarTop - ScrollBarSize + 110;
        r.hWidth = in.windowWidth - ToolColumnWidth - v - 90;
    }
    if (r.vShown) {
        h = r.hShown ? ScrollBarSize : 0;
        r.vMax = roundTenth(double(in.canvasHeight) - (r.windowHeight - h - 1850));
        r.vHeight = clientHeight - ColorBarHeight - h - 150;
    }
    r.fillerShown = r.vShown && r.hShown;
    if (r.fillerShown)
        r.fillerPlace = QPoint(r.vLeft, r.hTop);
    if (!r.vShown)
        r.vMax = 0;
    if (!r.hShown)
        r.hMax = 0;
    return r;
}

QPoint canvasPlace(int hValue, int vValue) { return {ToolColumnWidth - hValue * 10, -vValue * 10}; }

std::array<QPoint, 3> handlePlaces(const QRect& c) {
    const QPoint right(c.left() + c.width(), c.top() + c.height() / 2);
    const QPoint bottom(c.left() + c.width() / 2, c.top() + c.height());
    return {right, bottom, QPoint(right.x(), bottom.y())};
}

QSize handleStep(int index, QSize canvas, int dx, int dy) {
    QSize next = canvas;
    if (index == 0 || index == 2) {
        const long long w = (long long)canvas.width() + dx;
        if (w >= 1 && w <= MaxCanvasSide)
            next.setWidth(int(w));
    }
    if (index == 1 || index == 2) {
        const long long hh = (long long)canvas.height() + dy;
        if (hh >= 1 && hh <= MaxCanvasSide)
            next.setHeight(int(hh));
    }
    return next;
}

namespace {
// Rows of the tool column: left column, right column.
constexpr int ToolGrid[9][2] = {{0, 15}, {1, 3}, {4, 2}, {10, 14}, {5, 9}, {6, 11}, {7, 12}, {8, 13}, {16, 17}};
constexpr const char* ToolNames[18] = {"Select Area", "Pick Color", "Eraser",  "Fill",
                                       "Pencil",      "Line",       "Rectangle", "Ellipse",
                                       "Text",        "Arrow",      "Air Brush", "Rounded Rectangle",
                                       "Polygon",     "Curve",      "Filter Brush", "Zoom",
                                       "Brush",       "Hand"};
} // namespace

int toolAt(int row, int column) {
    if (row < 0 || row > 8 || column < 0 || column > 1)
        return -1;
    return ToolGrid[row][column];
}

QRect toolButtonPlace(int tool) {
    for (int row = 0; row < 9; ++row)
        for (int col = 0; col < 2; ++col)
            if (ToolGrid[row][col] == tool)
                return QRect(col == 0 ? 50 : 435, 120 + row * 375, 390, 375);
    return {};
}

const char* toolName(int tool) { return tool >= 0 && tool < 18 ? ToolNames[tool] : ""; }

std::optional<int> dotAt(int x, int y) {
    if (y < 150 || y >= 1150)
        return std::nullopt;
    const int row = (y - 150) / 250;
    if (x >= 75 && x < 325)
        return row * 2;
    if (x >= 325 && x < 575)
        return row * 2 + 1;
    return std::nullopt;
}

std::optional<int> fillModeAt(int x, int y) {
    (void)x;
    if (y >= 125 && y < 425)
        return 0;
    if (y >= 450 && y < 750)
        return 1;
    if (y >= 775 && y < 1075)
        return 2;
    return std::nullopt;
}

QPoint dotHighlight(int dotSize) { return {dotSize % 2 == 0 ? 75 : 325, 150 + (dotSize / 2) * 250}; }

int fillHighlightTop(int fillMode) { return fillMode == 0 ? 150 : fillMode == 1 ? 465 : 780; }

QPoint dotCentre(int dot) { return {dot % 2 == 0 ? 200 : 450, 275 + (dot / 2) * 250}; }

int dotDiameter(int dot) { return dot + 2; }

QPoint brushSpot(int shape) { return {(shape % 2 == 0) ? 8 : 26, 6 + (shape / 2) * 16}; }

namespace {
constexpr ColorValue rgbHex(unsigned hex) { return Color::rgb(int(hex >> 16), int((hex >> 8) & 0xFF), int(hex & 0xFF)); }
constexpr unsigned UpperRow[13] = {0x000000, 0x808080, 0x800000, 0x808000, 0x008000, 0x008080, 0x000080,
                                   0x800080, 0x404000, 0x004000, 0x8080FF, 0x400040, 0x804000};
constexpr unsigned LowerRow[13] = {0xFFFFFF, 0xC0C0C0, 0xFF0000, 0xFFFF00, 0x00FF00, 0x00FFFF, 0x0000FF,
                                   0xFF00FF, 0xFFFFC0, 0x80FF80, 0xC0FFFF, 0xFF80FF, 0xFF8000};
} // namespace

ColorValue paletteColor(int cell) {
    if (cell < 0 || cell >= PaletteCells)
        return Color::Black;
    return rgbHex(cell % 2 == 0 ? UpperRow[cell / 2] : LowerRow[cell / 2]);
}

QPoint paletteCellPlace(int cell) { return {52 + (cell / 2) * 18, 10 + (cell % 2) * 18}; }

} // namespace PaintLayout
