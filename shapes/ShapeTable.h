#pragma once
// Internal: the catalogue as data. Every coordinate is a fraction of the
// canvas width (x values, even positions) or height (y values, odd positions).
#include "shapes/ShapeCatalogue.h"

#include <initializer_list>
#include <vector>

namespace ShapeTable {

// The nearest single-precision value of v. Goes through a volatile float:
// GCC 12 at -O2 vectorises pairs of float round trips into nothing.
inline double single(double v) {
    volatile float f = float(v);
    return f;
}

// A fraction of a canvas side: num * side / den. Decimal fractions have den 1
// (0.01 -> 0.01 * W); thirds and sixths are exact quotients (2/3 -> 2 * W / 3).
struct Frac {
    double num;
    int den = 1;
    constexpr Frac(double v) : num(v) {} // NOLINT: table literals
    constexpr Frac(double n, int d) : num(n), den(d) {}
    double of(double side) const { return den == 1 ? num * side : num * side / den; }
};

// One primitive of the table. values: box (x, y, w, h), or the points as
// x, y pairs. Arc angles as in ShapePrimitive.
struct PrimRow {
    PrimitiveKind kind;
    std::vector<Frac> values;
    float start = 0;
    float sweep = 0;
    bool whole = false;
};

// Appends computed primitives (after the table's own) for a canvas W x H >= 1.
using DeriveFn = void (*)(double W, double H, std::vector<ShapePrimitive>& out);

struct Entry {
    const char* name;
    std::vector<PrimRow> prims;
    std::vector<Frac> seeds; // x, y pairs in fill order; empty = the default (1/2, 3/4)
    DeriveFn derive = nullptr;
};

// The 55 entries in list order.
const std::vector<Entry>& entries();

// Derived shapes (ShapeDerived.cpp).
void deriveSmileMouth(double W, double H, std::vector<ShapePrimitive>& out);
void deriveRoundedRectangle(double W, double H, std::vector<ShapePrimitive>& out);
void deriveStar16(double W, double H, std::vector<ShapePrimitive>& out);
void deriveStar24(double W, double H, std::vector<ShapePrimitive>& out);
void deriveStar32(double W, double H, std::vector<ShapePrimitive>& out);
void deriveOvalCallout(double W, double H, std::vector<ShapePrimitive>& out);

} // namespace ShapeTable
