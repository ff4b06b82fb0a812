#pragma once
// Internal to the filter module: the point filters over one row's run of
// pixels (Format_RGB32), four pixels at a time where SSE2 is available. Each
// gives exactly the pixels of its per-pixel rule.
#include <QRgb>
#include <array>
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

// The one-pixel rules (also the reference for the vector paths).
QRgb GrayBlackWhitePixel(QRgb p);
QRgb GrayscalePixel(QRgb p);

} // namespace mdlFilter::detail
