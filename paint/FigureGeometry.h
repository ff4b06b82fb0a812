#pragma once
// Widget-free geometry of the paint program's figures: the SHIFT / CTRL
// constraint of a dragged end point, the arrow head, the ellipse inscribed in
// a dragged box, and the curve's four handles. Canvas pixels throughout;
// every rounding goes to the nearest whole number, halves to even.
#include <QPoint>
#include <array>

namespace Figure {

// The end point of a figure dragged from start to (x, y).
//  - SHIFT alone: the point on a 45-degree diagonal at the smaller of the two
//    distances (45-degree lines, squares, circles);
//  - CTRL alone, when allowCtrl (lines and arrows): a horizontal or vertical
//    line, whichever is nearer to the pointer;
//  - otherwise, SHIFT and CTRL together included: (x, y) itself.
QPoint ConstrainEndPoint(QPoint start, int x, int y, bool shift, bool ctrl, bool allowCtrl);

// The two barbs of an arrow head at (x2, y2): 10 pixels long, 45 degrees on
// either side of the shaft from (x1, y1). When the two points coincide both
// barbs are the point itself.
struct ArrowHead {
    QPoint barb1, barb2;
};
ArrowHead ArrowBarbs(int x1, int y1, int x2, int y2);

// The ellipse inscribed in the box between two corners, as the surface's
// circle primitive takes it: centre, radius of the longer axis and aspect
// (height / width). A box of no width or no height is flat: aspect 0 for no
// height, infinity for no width. Nothing is drawn when both corners coincide.
struct EllipseShape {
    double cx = 0, cy = 0;
    double radius = 0;
    double aspect = 1;
    bool drawn = false;
};
EllipseShape EllipseInBox(QPoint a, QPoint b);

// Curve handles: small squares whose centres are the cubic curve's start,
// two control points and end, in handle order.
constexpr int HandleSize = 4; // pixels
using CurvePoints = std::array<QPoint, 4>;
// Top-left corners of the four handles of a new curve placed at (x, y): an S
// from the top-left to the bottom-right corner of a 100-pixel square.
CurvePoints PlaceCurveHandles(int x, int y);
// The curve's points: the centres of the handles with the given corners.
CurvePoints CurveControlPoints(const CurvePoints& handleCorners);

} // namespace Figure
