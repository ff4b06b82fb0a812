#pragma once
// Drawing the paint program's figures on the canvas surface with the editor
// state's colours and styles. Widget-free; the tools call these for both the
// exclusive-or preview and the final figure.
#include "paint/FigureGeometry.h"

#include <QPoint>
#include <vector>

class Surface;
struct PaintState;

namespace Figure {

// Pen colour, fill colour and fill style of a closed figure (rectangle,
// ellipse, rounded rectangle, polygon) by the fill mode:
//   0 pen = foreground, no interior
//   1 pen = foreground, interior = fill colour in the fill style
//   2 pen = fill colour, interior = fill colour in the fill style
// With preview set each colour is XORed with the canvas's background colour
// and the surface draws in exclusive-or mode (over background pixels the
// preview then shows the figure's own colours); otherwise copy mode.
void UseClosedFigureColors(Surface& s, const PaintState& state, bool preview);
// The same for lines, arrows, polygon edges and curves: pen = foreground,
// no interior.
void UseLineColors(Surface& s, const PaintState& state, bool preview);

// The arrow: the shaft from (x1, y1) to (x2, y2) and the two barbs at (x2,
// y2), as one figure (in exclusive-or mode every pixel changes once).
void DrawArrow(Surface& s, int x1, int y1, int x2, int y2);
// The ellipse inscribed in the box between a and b. A flat box draws the
// flat figure (a line); coinciding corners draw nothing.
void DrawEllipse(Surface& s, QPoint a, QPoint b);
// The rectangle between a and b, nothing when they coincide.
void DrawRectangle(Surface& s, QPoint a, QPoint b);
// Rounded rectangle between a and b with 10 x 10 pixel corner ellipses.
void DrawRoundedRectangle(Surface& s, QPoint a, QPoint b);
// The cubic curve from point 0 to point 3 with points 1 and 2 as controls.
void DrawCurve(Surface& s, const CurvePoints& points);

// A polygon under way, as exclusive-or preview edges: with lastOnly the
// edge from the next-to-last vertex to the last; otherwise the edges from
// each vertex to the next (the closing edge is not drawn). Nothing for fewer
// than two vertices.
void DrawPolygonEdges(Surface& s, const std::vector<QPoint>& vertices, bool lastOnly);
// The finished polygon through all vertices, closed, outline and interior.
void DrawPolygon(Surface& s, const std::vector<QPoint>& vertices);

} // namespace Figure
