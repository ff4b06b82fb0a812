#pragma once
// Internal to the filter module: the point filters over one row's run of
// pixels (Format_RGB32). Each gives exactly the pixels of its per-pixel rule.
// The loops are compiled once per instruction-set level (plain x86-64,
// AVX2, AVX-512) and the best level the processor and system support is
// chosen on first use.
#include <QRgb>
#include <cstdint>

namespace mdlFilter::detail {

// 0 Black & White: black when every component is below 192, else white.
void BlackWhiteSpan(QRgb* p, int n);
// 2 Brightness / 4 Darkness: each component c -> min(|c + amount|, 255).
void ShiftSpan(QRgb* p, int n, int amount);
// 7 Gray Black & White (chained products, then the mean of the limited three).
void GrayBlackWhiteSpan(QRgb* p, int n);
// 8 Grayscale: v = round(|A r + A g + A b|), A = 0.32 in single precision.
void GrayscaleSpan(QRgb* p, int n);
// 10 Replace Colors: pixels whose 24 colour bits equal `from` become `to`.
void ReplaceSpan(QRgb* p, int n, QRgb from, QRgb to);

// The one-pixel rules (also the reference for the loops).
QRgb GrayBlackWhitePixel(QRgb p);
QRgb GrayscalePixel(QRgb p);

// Instruction-set levels of the loops: 0 plain, 1 AVX2, 2 AVX-512.
// SpanLevel() is the one in use; UseSpanLevel(level) switches to `level`
// when this processor supports it and returns the level in use afterwards
// (tests run every level this way).
int SpanLevel();
int UseSpanLevel(int level);

// Leaves the processor's wide-register state clean (vzeroupper where AVX
// exists). Code elsewhere in the process that leaves the upper halves of
// the vector registers dirty makes every following non-VEX SSE instruction
// (scalar double arithmetic included) several times slower; the filters call
// this before their loops and after each callback.
void ClearVectorState();

} // namespace mdlFilter::detail
