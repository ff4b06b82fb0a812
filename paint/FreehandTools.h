#pragma once
// The freehand tools: 1 Pick Color, 2 Eraser, 3 Fill, 4 Pencil, 10 Air Brush,
// 16 Brush, 17 Hand. They draw in copy mode on the canvas and repaint only
// the rectangle they changed.
#include "paint/PaintTool.h"

#include <QRect>

class Surface;

std::unique_ptr<PaintTool> createFreehandTool(int index, PaintEnv& env);

namespace Freehand {

// The eraser's box at (x, y) for line width w: the outline from (x, y) to
// (x + w, y - w) drawn with a pen of width w in the background colour.
// Returns the rectangle that may have changed.
QRect eraseAt(Surface& canvas, int x, int y, int w);
// Brush shape 0..9 at (x, y): s = 3 * w, pen width 1 in `color`; shapes 0
// and 1 filled (1 in fillStyle), 2 and 3 outlines, 4..9 strokes. The pen
// width is restored. Returns the rectangle that may have changed.
QRect StampBrush(Surface& canvas, int shape, int x, int y, int w, ColorValue color, int fillStyle);
// size * size / 4 dots (rounded) in the pen colour, each at
// (x - size / 2 + size * u1, y - size / 2 + size * u2) rounded, u1 then u2
// from the program's shared generator (reseeded from the clock first; an
// installed source stays). Returns the rectangle that may have changed.
QRect SprayAirBrush(Surface& canvas, int x, int y, int size);

} // namespace Freehand
