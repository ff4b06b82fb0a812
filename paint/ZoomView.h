#pragma once
// The paint window's zoom view, against PaintEnv: the canvas shows a scaled
// copy of the 100 % reference kept in picZoom; drawing on the scaled view is
// not carried back (returning to 100 % shows the reference again).
class PaintEnv;

namespace ZoomView {

// Takes the canvas as the 100 % reference, only while the view is at 100 %:
// a scaled view never becomes the picture.
void TakeReference(PaintEnv& env);

// ZoomImage(focus x, focus y, reset). Without reset: the reference scaled by
// the zoom factor, the resize handles hidden, the focus point (window
// twips) centred by the scroll bars where there are any. With reset, when
// zoomed: factor 1.0, the reference back on the canvas, handles shown.
void ZoomImage(PaintEnv& env, double focusX, double focusY, bool reset);

// A click of the zoom tool at canvas pixel (x, y): in by 1.25 (while the
// doubled zoomed reference stays within 100000 twips; otherwise nothing), or
// out by 1.25 with CTRL, without a lower limit. Returns whether the factor
// changed.
bool Click(PaintEnv& env, int x, int y, bool ctrl);

} // namespace ZoomView
