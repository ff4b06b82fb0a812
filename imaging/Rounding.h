#pragma once
// Whole-number conversions used by the pixel code. Every fractional value
// goes to the nearest whole number with halves to even (2.5 -> 2, 3.5 -> 4);
// integer helpers give the same answers as the floating-point form without
// leaving integer arithmetic.
#include <cmath>

namespace Rounding {

// Nearest whole number, halves to even (the default floating-point rounding
// mode is round-to-nearest-even; nothing in the program changes it).
inline int halfEven(double v) { return static_cast<int>(std::nearbyint(v)); }

// The same for |v| < 2^31, without a library call: adding and removing
// 1.5 * 2^52 leaves v rounded to a whole number in the current (nearest,
// halves to even) mode; IEEE arithmetic (no fast-math) keeps the two steps.
// For hot pixel loops.
inline int halfEvenSmall(double v) {
    constexpr double magic = 6755399441055744.0;
    return static_cast<int>((v + magic) - magic);
}

// round(n / d) for n >= 0 and d > 0, halves to even.
inline int divHalfEven(int n, int d) {
    const int q = n / d;
    const int twiceRem = (n - q * d) * 2;
    if (twiceRem > d)
        return q + 1;
    if (twiceRem == d)
        return q + (q & 1);
    return q;
}

// round(t / 2) for any t, halves to even.
inline int halfOfHalfEven(int t) {
    const int q = t >> 1; // floor(t / 2), also for negative t
    return (t & 1) ? q + (q & 1) : q;
}

} // namespace Rounding
