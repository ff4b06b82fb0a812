#include "paint/PaintTool.h"

#include "paint/FigureTools.h"
#include "paint/FreehandTools.h"
#include "paint/SelectionTools.h"

namespace {

struct ToolTraits {
    unsigned panes;
    const char* cursor;
    bool records; // a history step at release
};

// By tool index.
constexpr ToolTraits Traits[Tool::Count] = {
    {PaneNone, "", false},                  // 0 Select Area
    {PaneNone, "pick.cur", true},           // 1 Pick Color
    {PaneDot, "eraser.cur", true},          // 2 Eraser
    {PaneNone, "fill.cur", true},           // 3 Fill
    {PaneDot, "pencil.cur", true},          // 4 Pencil
    {PaneDot, "cross.cur", true},           // 5 Line
    {PaneDot | PaneFill, "cross.cur", true}, // 6 Rectangle
    {PaneDot | PaneFill, "cross.cur", true}, // 7 Ellipse
    {PaneNone, "text.cur", false},          // 8 Text
    {PaneDot, "cross.cur", true},           // 9 Arrow
    {PaneDot, "airbrush.cur", true},        // 10 Air Brush
    {PaneDot | PaneFill, "cross.cur", true}, // 11 Rounded Rectangle
    {PaneDot | PaneFill, "cross.cur", false}, // 12 Polygon
    {PaneDot, "", false},                   // 13 Curve
    {PaneDot, "filter.cur", true},          // 14 Filter Brush
    {PaneNone, "zoom.cur", false},          // 15 Zoom
    {PaneDot | PaneBrush, "brush.cur", true}, // 16 Brush
    {PaneNone, "handflat.cur", true},       // 17 Hand
};

bool valid(int tool) { return tool >= 0 && tool < Tool::Count; }

} // namespace

unsigned defaultPanes(int tool) { return valid(tool) ? Traits[tool].panes : PaneNone; }
QString defaultCursorFile(int tool) { return valid(tool) ? QString::fromLatin1(Traits[tool].cursor) : QString(); }
bool defaultRecordsOnRelease(int tool) { return valid(tool) && Traits[tool].records; }

std::unique_ptr<PaintTool> createPaintTool(int index, PaintEnv& env) {
    if (auto t = createFreehandTool(index, env))
        return t;
    if (auto t = createFigureTool(index, env))
        return t;
    return createSelectionTool(index, env);
}
