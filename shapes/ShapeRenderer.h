#pragma once
// The shape renderer: strokes a catalogue shape antialiased with one pen and
// fills its inside by exact-colour flood fills from the shape's seeds.
#include "platform/Color.h"

#include <QString>
#include <QtGlobal>

class QPainter;
class QPen;
class Surface;

// ARGB (alpha in the top byte, then red, green, blue) of a colour value.
// 0x80000000..0x800000FF are system colour references: the low byte names a
// system colour (SystemColor) whose value is used. Any other value is taken
// as red + 256 * green + 65536 * blue, its top byte ignored. Always opaque.
quint32 ColorToArgb(ColorValue color);

// The platform palette's colour for a system colour number (0 scroll bar,
// 5 window background, 8 window text, 15 button face, ...); unknown numbers
// give black.
ColorValue SystemColor(int index);

// Strokes, with pen, the closed path of four edges and four quarter arcs of
// radius r around the box (x, y, w, h). A radius above half the width or
// height is not limited: the corner arcs then overlap.
void DrawRoundRect(QPainter& graphics, const QPen& pen, float x, float y, float w, float h, float r);

// Draws the shape over whatever the canvas holds (clearing is the caller's):
// every primitive is stroked antialiased with a pen of borderColor, width
// borderWidth pixels (0..255; 0 gives the thinnest line), centred on the path;
// then, from each seed in order, the connected area of exactly the seed
// pixel's colour takes fillColor. An unknown name (compared exactly) draws no
// outline and fills from the default seed, which on a cleared canvas floods it.
void DrawShape(const QString& shapeName, Surface& canvas, ColorValue borderColor, ColorValue fillColor,
               int borderWidth);
