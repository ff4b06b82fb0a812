#include "paint/PaintStatus.h"

#include <charconv>
#include <cstdint>

namespace PaintStatus {

namespace {

struct HintRow {
    const char* plain;   // the hint when the tool has no condition, or its "otherwise"
    const char* pressed; // while pressed (tools 5, 6, 7, 9, 11), or nullptr
};

// Code 0 hints by tool; tools 0, 8, 12 and 13 have conditions of their own below.
constexpr HintRow Hints[Tool::Count] = {
    {"Selects a rectangular part of the picture to move or delete",
     "Press and hold down SHIFT to select a square part"},
    {"Picks up a foreground color (click) or background color (right-click) from the picture for drawing", nullptr},
    {"Erases a partion of the picture using the selected eraser width", nullptr},
    {"Fills an area", nullptr},
    {"Draws using a pencil with the selected dot size", nullptr},
    {"Draws a straight line with the selected line width",
     "Press and hold down CTRL to draw a horizontal or vertical line; SHIFT to draw a 45-degree line"},
    {"Draws a rectangle with the selected outline width and fill style", "Press and hold down SHIFT to draw a square"},
    {"Draws an ellips with the selected outline width and fill style", "Press and hold down SHIFT to draw a circle"},
    {"Insert text into the picture", nullptr},
    {"Draws an arrow with the selected arrow width",
     "Press and hold down CTRL to draw a horizontal or vertical arrow; SHIFT to draw a 45-degree arrow"},
    {"Draws using an airbrush with the selected airbrush size", nullptr},
    {"Draws a rounded rectangle with the selected outline width and fill style",
     "Press and hold down SHIFT to draw a rounded-square"},
    {"Draws a polygon with the selected outline width and fill area", nullptr},
    {"Draws a bezier curve with the selected curve width", nullptr},
    {"Apply the selected filter to the image", nullptr},
    {"Zoom in or zoom out the image 1.25x (press and hold down CTRL to zoom out)", nullptr},
    {"Draws using a brush with the selected shape", nullptr},
    {"Pan to see other part of the picture", nullptr},
};

bool showsSize(int tool) {
    return tool == Tool::SelectArea || tool == Tool::Line || tool == Tool::Rectangle || tool == Tool::Ellipse ||
           tool == Tool::Arrow || tool == Tool::RoundedRectangle;
}

} // namespace

QString toolHint(const PaintState& s, const Extras& extras) {
    if (s.tool < 0 || s.tool >= Tool::Count)
        return {};
    switch (s.tool) {
    case Tool::SelectArea:
        if (s.freshSelection)
            return QStringLiteral("Press and hold down CTRL before moving the selection to copy it");
        break;
    case Tool::Text:
        if (extras.textBoxShown)
            return QStringLiteral("Press ENTER or double-click to finish inserting the text");
        break;
    case Tool::Polygon:
        if (s.polygonUnderWay)
            return QStringLiteral("Press ENTER or double-click to finish drawing the polygon");
        break;
    case Tool::Curve:
        if (extras.curveHandleShown)
            return QStringLiteral("Press ENTER or double-click to finish drawing the curve");
        break;
    default: break;
    }
    const HintRow& row = Hints[s.tool];
    return QString::fromLatin1(s.pressed && row.pressed ? row.pressed : row.plain);
}

QString hintText(int info, const PaintState& s, const Extras& extras, int percentage) {
    switch (info) {
    case 0: return toolHint(s, extras);
    case 1: return QStringLiteral("Click to set the foreground color; Right-click to set the background color");
    case 2: return QStringLiteral("Double-click to set the foreground color with custom color");
    case 3: return QStringLiteral("Double-click to set the background color with custom color");
    case 4: return QStringLiteral("Filtering... (%1% complete)").arg(percentage);
    case 5: return QStringLiteral("Retrieving color information... (%1% complete)").arg(percentage);
    default: return {};
    }
}

QString number(float v) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return QString::fromLatin1(buf, int(r.ptr - buf));
}

Panels panels(int info, float x, float y, int percentage, bool clear, const PaintState& s, const Extras& extras,
              bool* overflow) {
    Panels p;
    if (overflow)
        *overflow = false;
    if (clear) {
        p.place = QString();
        return p;
    }
    p.hint = hintText(info, s, extras, percentage);
    if (info != 0) {
        p.place = QString();
        return p;
    }
    if (s.pressed && showsSize(s.tool)) {
        const std::int64_t w = std::int64_t(s.end.x()) - s.start.x();
        const std::int64_t h = std::int64_t(s.end.y()) - s.start.y();
        if (w != std::int32_t(w) || h != std::int32_t(h)) {
            if (overflow)
                *overflow = true;
            return p;
        }
        p.size = QString::number(w) + QLatin1Char('x') + QString::number(h);
        return p; // panel 2 keeps its text
    }
    p.place = number(x) + QLatin1Char(',') + number(y);
    return p;
}

} // namespace PaintStatus
