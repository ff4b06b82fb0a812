// The point-filter loops. Every loop body is written once (always inlined)
// and instantiated per instruction-set level; the compiler widens the plain
// loops to the level's vector registers (this file is built with -O3), and
// the SSE2 intrinsics become VEX-encoded at the AVX levels.
#include "imaging/FilterSpans.h"

#include "imaging/Rounding.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#define FILTER_SPAN_LEVELS 1
#include <immintrin.h>
#elif defined(__SSE2__)
#include <emmintrin.h>
#endif

#if defined(__GNUC__)
#define SPAN_INLINE inline __attribute__((always_inline))
#else
#define SPAN_INLINE inline
#endif

namespace mdlFilter::detail {

namespace {

inline int R(QRgb p) { return int((p >> 16) & 0xFF); }
inline int G(QRgb p) { return int((p >> 8) & 0xFF); }
inline int B(QRgb p) { return int(p & 0xFF); }
SPAN_INLINE QRgb Gray(QRgb v) { return 0xFF000000u | (v << 16) | (v << 8) | v; }

// round(x / 256), halves to even, for x >= 0: adding 127 plus the parity of
// the quotient carries exactly when the remainder is above 128, or 128 with
// an odd quotient.
SPAN_INLINE int Round256(int x) { return (x + 127 + ((x >> 8) & 1)) >> 8; }
SPAN_INLINE int Min255(int x) { return x < 255 ? x : 255; }

// Gray Black & White of one pixel, in a form the vectoriser can widen.
// Bounds: r1 <= 762, g1 <= 3786, every product below 2^24, s <= 765; round(s / 3)
// = floor((s + 1) / 3) = ((s + 1) * 43691) >> 17 over that range.
SPAN_INLINE QRgb GrayBlackWhiteFast(QRgb q) {
    const int r = int((q >> 16) & 0xFF), g = int((q >> 8) & 0xFF), b = int(q & 0xFF);
    const int r1 = Round256(std::abs(r * (r + 2 * g - b)));
    const int g1 = Round256(std::abs(r1 * (r1 + 2 * b - g)));
    const int b1 = Round256(std::abs(g1 * (r1 + 2 * b - g1)));
    const int s = Min255(r1) + Min255(g1) + Min255(b1);
    return Gray(QRgb(((s + 1) * 43691) >> 17));
}

// Grayscale of one pixel: floor((8 s + 12) / 25) = ((8 s + 12) * 5243) >> 17
// for s = r + g + b in 0..765 (see GrayscalePixel).
SPAN_INLINE QRgb GrayscaleFast(QRgb q) {
    const int s = int((q >> 16) & 0xFF) + int((q >> 8) & 0xFF) + int(q & 0xFF);
    return Gray(QRgb(((8 * s + 12) * 5243) >> 17));
}

// A byte is 192 or more exactly when its two top bits are set.
SPAN_INLINE QRgb BlackWhitePixel(QRgb p) { return (p & (p << 1) & 0x00808080u) ? 0xFFFFFFFFu : 0xFF000000u; }

SPAN_INLINE void GrayBlackWhiteBody(QRgb* __restrict p, int n) {
    for (int i = 0; i < n; ++i)
        p[i] = GrayBlackWhiteFast(p[i]);
}

// The same rule in 16-bit pieces (twice the lanes per register; used at the
// AVX-512 level, where the byte and word instructions are wide).
// round(a b / 256), halves to even, for a b < 2^24: the quotient is the high
// word shifted left by 8 joined with the top byte of the low word.
SPAN_INLINE std::uint16_t MulRound256(std::uint16_t a, std::uint16_t b) {
    const auto lo = std::uint16_t(a * b);
    const auto hi = std::uint16_t((std::uint32_t(a) * b) >> 16);
    const auto q = std::uint16_t((hi << 8) | (lo >> 8));
    return std::uint16_t(q + (((lo & 255) + 127 + (q & 1)) >> 8));
}
SPAN_INLINE std::uint16_t Abs16(int v) { return std::uint16_t(v < 0 ? -v : v); }
SPAN_INLINE std::uint16_t Min255u(std::uint16_t x) { return x < 255 ? x : 255; }

SPAN_INLINE void GrayBlackWhiteBody16(QRgb* __restrict p, int n) {
    using u16 = std::uint16_t;
    for (int i = 0; i < n; ++i) {
        const QRgb q = p[i];
        const u16 r = u16((q >> 16) & 0xFF), g = u16((q >> 8) & 0xFF), b = u16(q & 0xFF);
        const u16 r1 = MulRound256(r, Abs16(std::int16_t(r + 2 * g - b)));
        const auto t = std::int16_t(r1 + 2 * b); // -255..1272
        const u16 g1 = MulRound256(r1, Abs16(std::int16_t(t - g)));
        const u16 b1 = MulRound256(g1, Abs16(std::int16_t(t - g1)));
        const u16 s = u16(Min255u(r1) + Min255u(g1) + Min255u(b1));
        p[i] = Gray(QRgb((std::uint32_t(s + 1) * 43691u) >> 17));
    }
}

SPAN_INLINE void GrayscaleBody(QRgb* __restrict p, int n) {
    for (int i = 0; i < n; ++i)
        p[i] = GrayscaleFast(p[i]);
}

SPAN_INLINE void BlackWhiteBody(QRgb* __restrict p, int n) {
    for (int i = 0; i < n; ++i)
        p[i] = BlackWhitePixel(p[i]);
}

SPAN_INLINE void ReplaceBody(QRgb* __restrict p, int n, QRgb from, QRgb to) {
    for (int i = 0; i < n; ++i)
        p[i] = (p[i] & 0x00FFFFFFu) == from ? to : p[i];
}

SPAN_INLINE std::uint8_t Shifted(int c, int amount) { return std::uint8_t(std::min(std::abs(c + amount), 255)); }

// Brightness / Darkness: c + k limited to 255, or |c - k| = (c -sat k) | (k -sat c),
// sixteen bytes at a time; the rest one pixel at a time.
SPAN_INLINE void ShiftBody(QRgb* p, int n, int amount) {
    int i = 0;
#if defined(__SSE2__)
    const __m128i alpha = _mm_set1_epi32(int(0xFF000000u));
    const __m128i k = _mm_set1_epi8(char(std::min(std::abs(amount), 255)));
    auto* v = reinterpret_cast<__m128i*>(p);
    if (amount >= 0) {
        for (; i + 4 <= n; i += 4, ++v)
            _mm_storeu_si128(v, _mm_or_si128(_mm_adds_epu8(_mm_loadu_si128(v), k), alpha));
    } else {
        for (; i + 4 <= n; i += 4, ++v) {
            const __m128i c = _mm_loadu_si128(v);
            _mm_storeu_si128(v, _mm_or_si128(_mm_or_si128(_mm_subs_epu8(c, k), _mm_subs_epu8(k, c)), alpha));
        }
    }
#endif
    for (; i < n; ++i)
        p[i] = 0xFF000000u | (QRgb(Shifted(R(p[i]), amount)) << 16) | (QRgb(Shifted(G(p[i]), amount)) << 8) |
               QRgb(Shifted(B(p[i]), amount));
}

struct SpanSet {
    void (*blackWhite)(QRgb*, int);
    void (*shift)(QRgb*, int, int);
    void (*grayBlackWhite)(QRgb*, int);
    void (*grayscale)(QRgb*, int);
    void (*replace)(QRgb*, int, QRgb, QRgb);
};

#define FILTER_SPAN_SET(Name, Attr, GrayBlackWhiteLoop)                                                 \
    Attr void Name##BlackWhite(QRgb* p, int n) { BlackWhiteBody(p, n); }                                \
    Attr void Name##Shift(QRgb* p, int n, int a) { ShiftBody(p, n, a); }                                \
    Attr void Name##GrayBlackWhite(QRgb* p, int n) { GrayBlackWhiteLoop(p, n); }                        \
    Attr void Name##Grayscale(QRgb* p, int n) { GrayscaleBody(p, n); }                                  \
    Attr void Name##Replace(QRgb* p, int n, QRgb f, QRgb t) { ReplaceBody(p, n, f, t); }                \
    constexpr SpanSet Name{Name##BlackWhite, Name##Shift, Name##GrayBlackWhite, Name##Grayscale, Name##Replace};

FILTER_SPAN_SET(Plain, , GrayBlackWhiteBody)
#if defined(FILTER_SPAN_LEVELS)
FILTER_SPAN_SET(Avx2, __attribute__((target("avx2"))), GrayBlackWhiteBody)
FILTER_SPAN_SET(Avx512, __attribute__((target("avx512f,avx512bw,avx512vl,avx512dq"))), GrayBlackWhiteBody16)

__attribute__((target("avx"))) void ZeroUpper() { _mm256_zeroupper(); }

int BestLevel() {
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
        __builtin_cpu_supports("avx512vl") && __builtin_cpu_supports("avx512dq"))
        return 2;
    return __builtin_cpu_supports("avx2") ? 1 : 0;
}
const SpanSet* const Sets[] = {&Plain, &Avx2, &Avx512};
#else
void ZeroUpper() {}
int BestLevel() { return 0; }
const SpanSet* const Sets[] = {&Plain};
#endif

int Best() {
    static const int best = BestLevel();
    return best;
}

std::atomic<int>& Level() {
    static std::atomic<int> level{Best()};
    return level;
}

const SpanSet& Active() { return *Sets[Level().load(std::memory_order_relaxed)]; }

} // namespace

int SpanLevel() { return Level().load(); }

int UseSpanLevel(int level) {
    Level().store(std::clamp(level, 0, Best()));
    return SpanLevel();
}

void ClearVectorState() {
    static const bool avx = [] {
#if defined(FILTER_SPAN_LEVELS)
        __builtin_cpu_init();
        return bool(__builtin_cpu_supports("avx"));
#else
        return false;
#endif
    }();
    if (avx)
        ZeroUpper();
}

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

void BlackWhiteSpan(QRgb* p, int n) { Active().blackWhite(p, n); }
void ShiftSpan(QRgb* p, int n, int amount) { Active().shift(p, n, amount); }
void GrayBlackWhiteSpan(QRgb* p, int n) { Active().grayBlackWhite(p, n); }
void GrayscaleSpan(QRgb* p, int n) { Active().grayscale(p, n); }
void ReplaceSpan(QRgb* p, int n, QRgb from, QRgb to) { Active().replace(p, n, from, to); }

} // namespace mdlFilter::detail
