#include "shapes/ShapeRenderer.h"

#include "platform/Surface.h"
#include "shapes/ShapeCatalogue.h"

#include <QPainterPath>
#include <QPen>
#include <algorithm>
#include <cmath>

namespace {

// The ellipse point lying in direction theta (degrees, clockwise on the
// screen) from the centre, as the parametric angle of an ellipse with
// semi-axes a, b (which is what the painter's arcs take).
double parametricAngle(double thetaDeg, double a, double b) {
    const double base = std::floor(thetaDeg / 360.0) * 360.0; // whole turns
    const double t = (thetaDeg - base) * M_PI / 180.0;        // [0, 2 pi)
    double u = std::atan2(a * std::sin(t), b * std::cos(t)) * 180.0 / M_PI;
    if (u < 0)
        u += 360.0;
    return u + base;
}

// Arc of the ellipse in box from start through sweep (degrees, clockwise on
// the screen, angles naming directions from the centre).
QPainterPath arcPath(const QRectF& box, double start, double sweep) {
    const double a = box.width() / 2, b = box.height() / 2;
    double u1 = parametricAngle(start, a, b);
    double du = sweep;
    if (std::abs(sweep) < 360.0) {
        du = parametricAngle(start + sweep, a, b) - u1;
        if (sweep > 0)
            while (du < 0) du += 360.0;
        else
            while (du > 0) du -= 360.0;
    }
    // The painter measures counter-clockwise.
    QPainterPath path;
    path.arcMoveTo(box, -u1);
    path.arcTo(box, -u1, -du);
    return path;
}

QPainterPath bezierPath(const std::vector<QPointF>& p) {
    QPainterPath path(p[0]);
    path.cubicTo(p[1], p[2], p[3]);
    return path;
}

void lineToIfApart(QPainterPath& path, QPointF to) {
    if (path.currentPosition() != to)
        path.lineTo(to);
}

void strokePrimitive(QPainter& g, const QPen& pen, const ShapePrimitive& s) {
    const auto& pts = s.points;
    switch (s.kind) {
    case PrimitiveKind::Rectangle: g.drawRect(s.box); break;
    case PrimitiveKind::Ellipse: g.drawEllipse(s.box); break;
    case PrimitiveKind::Arc: g.drawPath(arcPath(s.box, s.start, s.sweep)); break;
    case PrimitiveKind::Line: g.drawLine(pts[0], pts[1]); break;
    case PrimitiveKind::Polygon: g.drawPolygon(pts.data(), int(pts.size())); break;
    case PrimitiveKind::Polyline: g.drawPolyline(pts.data(), int(pts.size())); break;
    case PrimitiveKind::Bezier: g.drawPath(bezierPath(pts)); break;
    case PrimitiveKind::RoundRect:
        DrawRoundRect(g, pen, float(s.box.x()), float(s.box.y()), float(s.box.width()), float(s.box.height()),
                      s.radius);
        break;
    }
}

} // namespace

quint32 ColorToArgb(ColorValue color) {
    if (color >= 0x80000000u && color <= 0x800000FFu)
        color = SystemColor(int(color & 0xFF));
    return 0xFF000000u | (quint32(Color::red(color)) << 16) | (quint32(Color::green(color)) << 8) |
           quint32(Color::blue(color));
}

void DrawRoundRect(QPainter& graphics, const QPen& pen, float x, float y, float w, float h, float r) {
    const qreal d = 2 * qreal(r);
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.moveTo(x + r, y);
    path.lineTo(x + w - r, y);                                   // top edge
    path.arcTo(QRectF(x + w - d, y, d, d), 90, -90);             // top-right corner
    lineToIfApart(path, QPointF(x + w, y + r));
    path.lineTo(x + w, y + h - r);                               // right edge
    path.arcTo(QRectF(x + w - d, y + h - d, d, d), 0, -90);      // bottom-right corner
    lineToIfApart(path, QPointF(x + w - r, y + h));
    path.lineTo(x + r, y + h);                                   // bottom edge
    path.arcTo(QRectF(x, y + h - d, d, d), -90, -90);            // bottom-left corner
    lineToIfApart(path, QPointF(x, y + h - r));
    path.lineTo(x, y + r);                                       // left edge
    path.arcTo(QRectF(x, y, d, d), -180, -90);                   // top-left corner
    path.closeSubpath();
    graphics.strokePath(path, pen);
}

void DrawShape(const QString& shapeName, Surface& canvas, ColorValue borderColor, ColorValue fillColor,
               int borderWidth) {
    const ShapeGeometry geo = ShapeCatalogue::geometry(shapeName, canvas.width(), canvas.height());

    QPen pen(QBrush(QColor::fromRgba(ColorToArgb(borderColor))), std::clamp(borderWidth, 0, 255), Qt::SolidLine,
             Qt::FlatCap, Qt::MiterJoin);
    pen.setMiterLimit(5); // the miter may reach 5 pen widths from the joint
    if (!geo.primitives.empty()) {
        canvas.paint([&](QPainter& g) {
            // Whole coordinates name pixel centres (the painter's own centres
            // are at +0.5), so a 1-pixel line at x = 1 covers exactly column 1.
            g.translate(0.5, 0.5);
            g.setPen(pen);
            g.setBrush(Qt::NoBrush);
            for (const ShapePrimitive& s : geo.primitives)
                strokePrimitive(g, pen, s);
        });
    }

    // A system colour reference as fill takes that colour, like the border.
    const ColorValue fill = Color::fromRgb(ColorToArgb(fillColor));
    const QRect inside(0, 0, canvas.width(), canvas.height());
    for (const QPoint& seed : geo.seeds)
        if (inside.contains(seed))
            canvas.floodFill(seed.x(), seed.y(), fill);
}
