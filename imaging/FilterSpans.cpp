#include "imaging/FilterSpans.h"

#include "imaging/Rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace mdlFilter::detail {

namespace {

inline int R(QRgb p) { return int((p >> 16) & 0xFF); }
inline int G(QRgb p) { return int((p >> 8) & 0xFF); }
inline int B(QRgb p) { return int(p & 0xFF); }
inline QRgb Gray(QRgb v) { return 0xFF000000u | (v << 16) | (v << 8) | v; }

// A byte is 192 or more exactly when its two top bits are set.
inline QRgb BlackWhitePixel(QRgb p) { return (p & (p << 1) & 0x00808080u) ? 0xFFFFFFFFu : 0xFF000000u; }

std::array<std::uint8_t, 256> ShiftTable(int amount) {
    std::array<std::uint8_t, 256> t{};
    for (int c = 0; c < 256; ++c)
        t[std::size_t(c)] = std::uint8_t(std::min(std::abs(c + amount), 255));
    return t;
}

#if defined(__SSE2__)
inline __m128i Load(const QRgb* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
inline void Store(QRgb* p, __m128i v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v); }

// |x| of 32-bit lanes.
inline __m128i Abs32(__m128i x) {
    const __m128i s = _mm_srai_epi32(x, 31);
    return _mm_sub_epi32(_mm_xor_si128(x, s), s);
}
// round(x / 256), halves to even, for 32-bit lanes x >= 0.
inline __m128i Div256(__m128i x) {
    const __m128i q = _mm_srli_epi32(x, 8);
    const __m128i rem = _mm_and_si128(x, _mm_set1_epi32(255));
    const __m128i half = _mm_set1_epi32(128);
    const __m128i odd = _mm_cmpeq_epi32(_mm_and_si128(q, _mm_set1_epi32(1)), _mm_set1_epi32(1));
    const __m128i up = _mm_or_si128(_mm_cmpgt_epi32(rem, half), _mm_and_si128(_mm_cmpeq_epi32(rem, half), odd));
    return _mm_sub_epi32(q, up); // up is -1 where rounding up
}
// a * b for 32-bit lanes holding a in 0..32767 and b in -32768..32767.
inline __m128i Mul16(__m128i a, __m128i b) { return _mm_madd_epi16(a, b); }
inline __m128i Min255(__m128i x) {
    const __m128i c = _mm_set1_epi32(255);
    const __m128i m = _mm_cmpgt_epi32(x, c);
    return _mm_or_si128(_mm_and_si128(m, c), _mm_andnot_si128(m, x));
}
// Splits four pixels into red, green and blue lanes.
inline void Split(__m128i v, __m128i& r, __m128i& g, __m128i& b) {
    const __m128i byte = _mm_set1_epi32(255);
    r = _mm_and_si128(_mm_srli_epi32(v, 16), byte);
    g = _mm_and_si128(_mm_srli_epi32(v, 8), byte);
    b = _mm_and_si128(v, byte);
}
// Four gray pixels of 32-bit lanes v in 0..255.
inline __m128i GrayPixels(__m128i v) {
    return _mm_or_si128(_mm_or_si128(_mm_set1_epi32(int(0xFF000000u)), _mm_slli_epi32(v, 16)),
                        _mm_or_si128(_mm_slli_epi32(v, 8), v));
}
#endif

} // namespace

// Gray Black & White: three chained products folded back with absolute
// values, composed (components above 255 count as 255), then averaged.
QRgb GrayBlackWhitePixel(QRgb p) {
    const int r = R(p), g = G(p), b = B(p);
    const int r1 = Rounding::divHalfEven(std::abs(r * (r + 2 * g - b)), 256);
    const int g1 = Rounding::divHalfEven(std::abs(r1 * (r1 + 2 * b - g)), 256);
    const int b1 = Rounding::divHalfEven(std::abs(g1 * (r1 + 2 * b - g1)), 256);
    const int v = Rounding::divHalfEven(std::min(r1, 255) + std::min(g1, 255) + std::min(b1, 255), 3);
    return Gray(QRgb(v));
}

// The three products of the 24-bit constant and bytes add up exactly in
// double, so A r + A g + A b = A s with s = r + g + b; and 8 s / 25 (= 0.32 s)
// is never within 0.02 of a half, farther than A differs from 0.32 can move
// it, so round(A s) = floor((8 s + 12) / 25) for every s in 0..765.
QRgb GrayscalePixel(QRgb p) { return Gray(QRgb((8 * (R(p) + G(p) + B(p)) + 12) / 25)); }

void BlackWhiteSpan(QRgb* p, int n) {
    int i = 0;
#if defined(__SSE2__)
    const __m128i top = _mm_set1_epi32(0x00808080), rgb = _mm_set1_epi32(0x00FFFFFF),
                  alpha = _mm_set1_epi32(int(0xFF000000u)), zero = _mm_setzero_si128();
    for (; i + 4 <= n; i += 4) {
        const __m128i v = Load(p + i);
        const __m128i black = _mm_cmpeq_epi32(_mm_and_si128(_mm_and_si128(v, _mm_slli_epi32(v, 1)), top), zero);
        Store(p + i, _mm_or_si128(_mm_andnot_si128(black, rgb), alpha));
    }
#endif
    for (; i < n; ++i)
        p[i] = BlackWhitePixel(p[i]);
}

void ShiftSpan(QRgb* p, int n, int amount) {
    int i = 0;
#if defined(__SSE2__)
    const __m128i alpha = _mm_set1_epi32(int(0xFF000000u));
    const __m128i k = _mm_set1_epi8(char(std::min(std::abs(amount), 255)));
    if (amount >= 0) {
        for (; i + 4 <= n; i += 4) // c + k, limited to 255
            Store(p + i, _mm_or_si128(_mm_adds_epu8(Load(p + i), k), alpha));
    } else {
        for (; i + 4 <= n; i += 4) { // |c - k| = (c -sat k) | (k -sat c)
            const __m128i v = Load(p + i);
            Store(p + i, _mm_or_si128(_mm_or_si128(_mm_subs_epu8(v, k), _mm_subs_epu8(k, v)), alpha));
        }
    }
#endif
    if (i < n) {
        const auto t = ShiftTable(amount);
        for (; i < n; ++i)
            p[i] = 0xFF000000u | (QRgb(t[std::size_t(R(p[i]))]) << 16) | (QRgb(t[std::size_t(G(p[i]))]) << 8) |
                   QRgb(t[std::size_t(B(p[i]))]);
    }
}

void GrayBlackWhiteSpan(QRgb* p, int n) {
    int i = 0;
#if defined(__SSE2__)
    for (; i + 4 <= n; i += 4) {
        __m128i r, g, b;
        Split(Load(p + i), r, g, b);
        const __m128i b2 = _mm_add_epi32(b, b);
        // r1 = round(|r (r + 2g - b)| / 256)
        const __m128i r1 = Div256(Abs32(Mul16(r, _mm_sub_epi32(_mm_add_epi32(r, _mm_add_epi32(g, g)), b))));
        // g1 = round(|r1 (r1 + 2b - g)| / 256)
        const __m128i g1 = Div256(Abs32(Mul16(r1, _mm_sub_epi32(_mm_add_epi32(r1, b2), g))));
        // b1 = round(|g1 (r1 + 2b - g1)| / 256)
        const __m128i b1 = Div256(Abs32(Mul16(g1, _mm_sub_epi32(_mm_add_epi32(r1, b2), g1))));
        const __m128i s = _mm_add_epi32(_mm_add_epi32(Min255(r1), Min255(g1)), Min255(b1));
        // round(s / 3) = floor((s + 1) / 3) = ((s + 1) * 43691) >> 17 for s <= 765
        const __m128i v = _mm_srli_epi32(_mm_mulhi_epu16(_mm_add_epi32(s, _mm_set1_epi32(1)), _mm_set1_epi32(43691)), 1);
        Store(p + i, GrayPixels(v));
    }
#endif
    for (; i < n; ++i)
        p[i] = GrayBlackWhitePixel(p[i]);
}

void GrayscaleSpan(QRgb* p, int n) {
    int i = 0;
#if defined(__SSE2__)
    for (; i + 4 <= n; i += 4) {
        __m128i r, g, b;
        Split(Load(p + i), r, g, b);
        // x = 8 s + 12 <= 6132; floor(x / 25) = (x * 5243) >> 17 over that range
        const __m128i x = _mm_add_epi32(_mm_slli_epi32(_mm_add_epi32(_mm_add_epi32(r, g), b), 3), _mm_set1_epi32(12));
        Store(p + i, GrayPixels(_mm_srli_epi32(_mm_mulhi_epu16(x, _mm_set1_epi32(5243)), 1)));
    }
#endif
    for (; i < n; ++i)
        p[i] = GrayscalePixel(p[i]);
}

void ReplaceSpan(QRgb* p, int n, QRgb from, QRgb to) {
    int i = 0;
#if defined(__SSE2__)
    const __m128i rgb = _mm_set1_epi32(0x00FFFFFF), f = _mm_set1_epi32(int(from)), t = _mm_set1_epi32(int(to));
    for (; i + 4 <= n; i += 4) {
        const __m128i v = Load(p + i);
        const __m128i m = _mm_cmpeq_epi32(_mm_and_si128(v, rgb), f);
        Store(p + i, _mm_or_si128(_mm_and_si128(m, t), _mm_andnot_si128(m, v)));
    }
#endif
    for (; i < n; ++i)
        if ((p[i] & 0x00FFFFFFu) == from)
            p[i] = to;
}

} // namespace mdlFilter::detail
