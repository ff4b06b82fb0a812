#pragma once
// The paint window's editor state: one set per window, widget-free, read and
// written by the tools, the commands and the status bar. Coordinates are
// canvas pixels unless a member says otherwise.
#include "platform/Color.h"

#include <QPoint>
#include <vector>

// Indexes of the tool buttons optTools0..optTools17.
namespace Tool {
enum Index {
    SelectArea = 0,
    PickColor = 1,
    Eraser = 2,
    Fill = 3,
    Pencil = 4,
    Line = 5,
    Rectangle = 6,
    Ellipse = 7,
    Text = 8,
    Arrow = 9,
    AirBrush = 10,
    RoundedRectangle = 11,
    Polygon = 12,
    Curve = 13,
    FilterBrush = 14,
    Zoom = 15,
    Brush = 16,
    Hand = 17
};
constexpr int Count = 18;
} // namespace Tool

struct PaintState {
    int tool = Tool::Pencil;
    // The left button went down on the canvas and has not come up yet.
    bool pressed = false;
    // Press point and current / release point (whole pixels).
    QPoint start;
    QPoint end;
    // A hand pan, a curve-handle drag or a resize-handle drag is under way.
    bool drag = false;
    // Canvas position at the start of a hand pan, or the grab point in a handle.
    QPoint dragOrigin;
    // The canvas changed size during a resize-handle drag.
    bool resized = false;

    int dotSize = 0;     // 0..7; line width = dotSize + 1 pixels
    int brushShape = 0;  // 0..9
    int fillMode = 0;    // 0 outline, 1 outline + fill, 2 fill only
    int borderStyle = 0; // pen style 0..4 (Surface::PenStyle)
    int fillStyle = 0;   // 0..7 (Surface::FillStyleValue)
    int filterTool = 2;  // the filter kind the filter brush applies
    float zoom = 1.0f;   // factor of the zoom view

    std::vector<QPoint> polygon{QPoint()}; // vertices; one element when none
    bool polygonUnderWay = false;
    bool freshSelection = false;
    bool selectionDrag = false;

    // Something was recorded in the history since the last New or Save.
    bool changed = false;

    ColorValue foreColor = Color::Black; // lblForeColor
    ColorValue fillColor = Color::White; // lblFillColor ("background colour" in the hints)

    int lineWidth() const { return dotSize + 1; }
};
