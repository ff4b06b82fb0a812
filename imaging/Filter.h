#pragma once
// mdlFilter: the paint program's raster filters over a rectangle of a picture
// surface. Kinds:
//   0 Black & White     1 Blur            2 Brightness        3 Crease
//   4 Darkness          5 Diffuse         6 Emboss            7 Gray Black & White
//   8 Grayscale         9 (no rule)       10 Replace Colors   11 Sharpen
//   12 Snow             13 Wave
// Colour components are whole numbers 0..255; a position outside the surface
// reads as the colour value -1, which splits into red -1, green 0, blue 0.
// Writes outside the surface are dropped. The arithmetic (absolute values
// instead of clamping, Blur's divisor 10, halves-to-even rounding) is part of
// each filter's look and is kept exactly.
#include "platform/Color.h"

#include <QString>
#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

class Random;
class Surface;

namespace mdlFilter {

enum Kind {
    BlackWhite = 0,
    Blur = 1,
    Brightness = 2,
    Crease = 3,
    Darkness = 4,
    Diffuse = 5,
    Emboss = 6,
    GrayBlackWhite = 7,
    Grayscale = 8,
    NoRule = 9,
    ReplaceColors = 10,
    Sharpen = 11,
    Snow = 12,
    Wave = 13
};

// Status hint codes of the paint window used while a filter runs.
constexpr int InfoFiltering = 4; // "Filtering... (p% complete)"
constexpr int InfoReading = 5;   // "Retrieving color information... (p% complete)"

// What the caller lends a run. Every member may be left empty.
struct FilterContext {
    // The paint window's status procedure: (hint code, percentage 0..100).
    std::function<void(int info, int percentage)> UpdateStatusBar;
    // The error reporter (message box with the description); a run that
    // fails stops at once and calls this exactly once.
    std::function<void(const QString& description)> ShowErrorMessage;
    // Kind 10: pixels of exactly replaceColor become replacement.
    ColorValue replaceColor = Color::Black;
    ColorValue replacement = Color::White;
    // Source of uniform numbers in [0, 1) for Diffuse; null = the program's
    // shared generator (AppContext::instance().random).
    Random* random = nullptr;
    // Shortest time between two repaints of the surface during a large run;
    // the surface is always refreshed once more at the end.
    int refreshIntervalMs = 33;
};

// Red, green and blue of a colour value; -1 (outside) gives (-1, 0, 0).
inline void SplitColor(std::int32_t colour, int& red, int& green, int& blue) {
    red = colour % 256;
    green = (colour / 256) % 256;
    blue = colour / 65536;
}

// Colour value of three non-negative components, each above 255 taken as 255.
inline std::int32_t ComposeColor(int red, int green, int blue) {
    return std::int32_t(std::min(red, 255) + 256 * std::min(green, 255) + 65536 * std::min(blue, 255));
}

// A copy of a rectangle taken before a filter writes, indexed by absolute
// surface coordinates (x1..x2, y1..y2 inclusive; any of them may lie outside
// the surface, those positions hold -1).
struct Snapshot {
    int x1 = 0, y1 = 0, x2 = -1, y2 = -1;
    bool packed = false;               // how the rectangle was read (kinds 3, 5, 13)
    std::vector<std::int32_t> colours; // colour values, row by row

    int columns() const { return x2 - x1 + 1; }
    int rows() const { return y2 - y1 + 1; }
    bool contains(int x, int y) const { return x >= x1 && x <= x2 && y >= y1 && y <= y2; }
    // Colour value at (x, y); the position must lie in the rectangle.
    std::int32_t colour(int x, int y) const { return colours[std::size_t(y - y1) * columns() + (x - x1)]; }
    // Component 0 red, 1 green, 2 blue, 3 the whole colour value.
    int component(int index, int x, int y) const;
};

// One filter over the rectangle (x1, y1)-(x2, y2), both corners included.
// All four at -1 mean the whole surface: they become 0, 0, width, height and
// are written back (so the last column and row lie just outside). A run over
// fewer than 256 units of area ((x2 - x1) * (y2 - y1) < 256) is "small": no
// progress, no repaint until the end, and Brightness/Darkness step by 2
// instead of 32. Unknown kinds change nothing. Never throws.
void ApplyFilter(int kind, Surface& surface, int& x1, int& y1, int& x2, int& y2,
                 const FilterContext& context = {});

// Reads the rectangle into a snapshot (same whole-surface rule), reporting
// hint 5 with x * 100 / x2 as it goes when showProgress is set.
void ReadArea(const Surface& surface, Snapshot& snapshot, int& x1, int& y1, int& x2, int& y2, bool packed,
              bool showProgress, const FilterContext& context = {});

} // namespace mdlFilter
