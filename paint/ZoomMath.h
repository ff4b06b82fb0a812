#pragma once
// Widget-free arithmetic of the paint program's zoom view: the factor steps
// by 1.25 per click, zooming in stops before the doubled zoomed picture
// would pass 100000 twips on either side, zooming out has no limit; the
// scroll values that centre the clicked point.
namespace ZoomMath {

constexpr float Step = 1.25f;
constexpr double LimitTwips = 100000;
constexpr int TwipsPerPixel = 15;

// Whether a zoom in from `zoom` is allowed for a reference picture of this
// size in pixels.
bool CanZoomIn(int referenceWidth, int referenceHeight, float zoom);

// The next factor in or out (single precision, as the view keeps it).
inline float ZoomedIn(float zoom) { return zoom * Step; }
inline float ZoomedOut(float zoom) { return zoom / Step; }

// The scroll value (0..maximum) that brings `focus` to the middle of a view
// `view` long on a canvas `canvas` long (all in the same unit):
// round((focus - view / 2) / (canvas - view) * maximum), clamped. A canvas
// no longer than the view (denominator zero or less) gives 0.
int FocusScrollValue(double focus, double view, double canvas, int maximum);

} // namespace ZoomMath
