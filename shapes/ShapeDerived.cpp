// The shapes whose numbers are computed rather than fixed fractions: the
// Smile's mouth, the Rounded Rectangle's radius, the 16/24/32-point stars and
// the Oval Callout. Arithmetic in double, results handed on as float. These
// stars and the callout take pi as 3.14, which is part of their look.
#include "shapes/ShapeTable.h"

#include <cmath>

namespace ShapeTable {
namespace {

constexpr double Pi314 = 3.14;

QPointF pt(double x, double y) { return QPointF(single(x), single(y)); }

ShapePrimitive bezier(QPointF p0, QPointF c1, QPointF c2, QPointF p3) {
    ShapePrimitive p;
    p.kind = PrimitiveKind::Bezier;
    p.points = {p0, c1, c2, p3};
    return p;
}

// Point at polar angle theta (radians, counter-clockwise on the screen from
// 3 o'clock) on the ellipse with semi-axes a, b centred at (cx, cy).
QPointF ellipsePoint(double cx, double cy, double a, double b, double theta) {
    const double s = std::sin(theta), c = std::cos(theta);
    const double r = std::sqrt(a * a * b * b / (a * a * s * s + b * b * c * c));
    return pt(cx + r * std::cos(theta), cy - r * std::sin(theta));
}

void deriveStar(int n, double W, double H, std::vector<ShapePrimitive>& out) {
    const double step = (360.0 / n) / 180.0 * Pi314;
    const double cx = 0.5 * W, cy = 0.5 * H;
    ShapePrimitive p;
    p.kind = PrimitiveKind::Polygon;
    p.points.reserve(2 * n + 1);
    for (int k = 0; k < n; ++k) {
        p.points.push_back(ellipsePoint(cx, cy, 0.39 * W, 0.39 * H, (k - 0.5) * step)); // inner k
        p.points.push_back(ellipsePoint(cx, cy, 0.49 * W, 0.49 * H, k * step));         // outer k
    }
    // Repeating inner 0 closes the outline exactly: n steps fall short of a
    // full turn with this pi.
    p.points.push_back(p.points.front());
    out.push_back(std::move(p));
}

} // namespace

void deriveSmileMouth(double W, double H, std::vector<ShapePrimitive>& out) {
    const double m = 3 * H / 4 + (H - 10) / 20;
    out.push_back(bezier(pt(3 * W / 4, 3 * H / 4), pt(5 * W / 8, m), pt(3 * W / 8, m), pt(W / 4, 3 * H / 4)));
}

void deriveRoundedRectangle(double W, double H, std::vector<ShapePrimitive>& out) {
    ShapePrimitive p;
    p.kind = PrimitiveKind::RoundRect;
    p.box = QRectF(single(0.01 * W), single(0.01 * H), single(0.98 * W), single(0.98 * H));
    p.radius = float(std::sqrt(H * H / 400 + W * W / 400)); // the diagonal / 20
    out.push_back(std::move(p));
}

void deriveStar16(double W, double H, std::vector<ShapePrimitive>& out) { deriveStar(16, W, H, out); }
void deriveStar24(double W, double H, std::vector<ShapePrimitive>& out) { deriveStar(24, W, H, out); }
void deriveStar32(double W, double H, std::vector<ShapePrimitive>& out) { deriveStar(32, W, H, out); }

// The oval's arc leaves a gap between the angles of the tail's base points P
// and Q; the tail runs P -> tip -> Q. The base points' heights are measured
// from 0.395H while the oval's centre is at 0.405H, so they lie just inside
// the outline and the tail joins it without a gap.
void deriveOvalCallout(double W, double H, std::vector<ShapePrimitive>& out) {
    const double a = 0.49 * W, b = 0.395 * H;
    auto h = [&](double d) { return std::sqrt((1 - d * d / (a * a)) * b * b); };
    const double px = 0.3 * W, py = 0.395 * H + h(0.19 * W);
    const double qx = 0.2 * W, qy = 0.395 * H + h(0.29 * W);
    const double cy = 0.405 * H;
    const double angleQ = (Pi314 - std::atan((qy - cy) / (0.3 * W))) * 180 / Pi314;
    const double angleP = (Pi314 - std::atan((py - cy) / (0.2 * W))) * 180 / Pi314;

    ShapePrimitive oval;
    oval.kind = PrimitiveKind::Arc;
    oval.box = QRectF(single(0.01 * W), single(0.01 * H), single(0.98 * W), single(0.79 * H));
    oval.start = float(angleQ);
    oval.sweep = float(360 - (angleQ - angleP));
    out.push_back(std::move(oval));

    ShapePrimitive tail;
    tail.kind = PrimitiveKind::Polyline;
    tail.points = {pt(px, py), pt(0.01 * W, 0.99 * H), pt(qx, qy)};
    out.push_back(std::move(tail));
}

} // namespace ShapeTable
