#pragma once
// Plain geometry of the shapes window's canvas and its three resize handles,
// in pixels (15 twips = 1 pixel).
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

namespace CanvasResize {

// Handles: 0 middle of the right edge, 1 middle of the bottom edge, 2 corner.
enum Handle { Right = 0, Bottom = 1, Corner = 2 };

constexpr int HandleSize = 5;    // 70 twips
constexpr int RightMargin = 20;  // the canvas ends at least this far from the window's right edge
constexpr int BottomMargin = 40; // ... and from its bottom edge
constexpr int MaxSide = 999;     // the box's width and height take at most 3 digits

// Canvas side from a width or height text: its leading decimal digits (as a
// number box would read it; "250px" is 250, "" or "abc" is 0), kept within
// 1..MaxSide since a canvas has at least one pixel.
int sideFromText(const QString& text);

// Top-left corners of the handles for a canvas placed at `canvas`.
QPoint handlePlace(Handle h, const QRect& canvas);

// One pointer step while dragging handle h by (dx, dy): the canvas's new size.
// A width change is taken only from handles Right and Corner, and only if the
// new width stays above 0, within MaxSide, and the canvas's right edge
// (left + width) stays within window width - RightMargin; heights likewise
// from Bottom and Corner with BottomMargin. A refused direction keeps its size.
QSize dragStep(Handle h, const QRect& canvas, const QSize& window, int dx, int dy);

// "W= 300 , H= 200"
QString sizeLabel(const QSize& canvas);

} // namespace CanvasResize
