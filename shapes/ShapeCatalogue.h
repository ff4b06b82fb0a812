#pragma once
// The catalogue of the 55 predefined shapes: for a shape name and a canvas
// size it yields the outline primitives in drawing order and the flood-fill
// seeds in fill order. Pure arithmetic, no pixels.
//
// Coordinates are pixels with the origin at the canvas's top-left corner and y
// growing downwards. They are computed in double precision and stored as the
// nearest single-precision values (the drawing layer works in float), except
// primitives marked wholePixels, whose coordinates are whole numbers. All
// whole-number roundings take halves to even.
#include <QPoint>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <vector>

enum class PrimitiveKind {
    Rectangle, // outline of box
    Ellipse,   // outline of the ellipse inscribed in box
    Arc,       // part of that ellipse: start, sweep in degrees, see below
    Line,      // points[0] to points[1]
    Polygon,   // closed: the last point joins the first
    Polyline,  // open chain through points
    Bezier,    // one cubic curve: P0, C1, C2, P3
    RoundRect  // closed path of four edges and four corner arcs of radius
};

struct ShapePrimitive {
    PrimitiveKind kind = PrimitiveKind::Line;
    QRectF box;                 // Rectangle, Ellipse, Arc, RoundRect
    std::vector<QPointF> points; // Line, Polygon, Polyline, Bezier
    // Arc angles in degrees from the 3 o'clock direction, growing clockwise on
    // the screen (towards +y). An angle names the point of the ellipse that
    // lies in that direction from the box centre (not the parametric angle).
    float start = 0;
    float sweep = 0;
    float radius = 0;           // RoundRect corner radius
    bool wholePixels = false;   // coordinates were rounded to whole pixels
};

struct ShapeGeometry {
    std::vector<ShapePrimitive> primitives; // drawing order
    std::vector<QPoint> seeds;              // fill order; the last is the main seed
};

namespace ShapeCatalogue {

// The 55 names in the window's list order ("Smile" first, "Cloud Callout"
// last). Names are compared exactly: case and spaces count.
const QStringList& names();
bool contains(const QString& name);

// Geometry of a shape on a canvas of width x height pixels.
// - A name outside the catalogue: no primitives, the default seed
//   (width/2, 3*height/4) alone.
// - width or height below 1: a canvas without pixels has nothing to draw or
//   fill, so the result is empty (no primitives, no seeds) for every name.
ShapeGeometry geometry(const QString& name, int width, int height);

// Halves-to-even rounding used for seeds and whole-pixel primitives.
int roundHalfEven(double v);

} // namespace ShapeCatalogue
