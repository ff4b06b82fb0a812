#pragma once
// Colour values as HTML colour text ("#RRGGBB", upper-case hexadecimal).
#include "platform/Color.h"

#include <QString>

// One component of a colour value c (red + 256 * green + 65536 * blue): c is
// written as six upper-case hexadecimal digits BBGGRR; part 1 gives the value
// of the last two digits (red), part 2 the first two (blue), part 3 the middle
// two (green). Bits above the low 24 are ignored; any other part gives 0.
int ColorComponent(ColorValue c, int part);

// "#" + red + green + blue, each as two upper-case hexadecimal digits.
// RGB (10, 11, 12) gives "#0A0B0C".
QString ColorToHtml(ColorValue c);
