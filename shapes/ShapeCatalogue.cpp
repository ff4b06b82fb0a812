// Interpreter of the shape table: fractions of the canvas to pixels.
#include "shapes/ShapeCatalogue.h"

#include "shapes/ShapeTable.h"

#include <QHash>
#include <cmath>

namespace ShapeCatalogue {
namespace {

const QHash<QString, const ShapeTable::Entry*>& index() {
    static const QHash<QString, const ShapeTable::Entry*> map = [] {
        QHash<QString, const ShapeTable::Entry*> m;
        for (const auto& e : ShapeTable::entries())
            m.insert(QString::fromLatin1(e.name), &e);
        return m;
    }();
    return map;
}

// Value i of a primitive: even positions are x (fractions of W), odd are y.
double value(const ShapeTable::PrimRow& s, std::size_t i, double W, double H) {
    const double v = s.values[i].of(i % 2 == 0 ? W : H);
    return s.whole ? double(roundHalfEven(v)) : ShapeTable::single(v);
}

ShapePrimitive build(const ShapeTable::PrimRow& s, double W, double H) {
    ShapePrimitive p;
    p.kind = s.kind;
    p.start = s.start;
    p.sweep = s.sweep;
    p.wholePixels = s.whole;
    switch (s.kind) {
    case PrimitiveKind::Rectangle:
    case PrimitiveKind::Ellipse:
    case PrimitiveKind::Arc:
    case PrimitiveKind::RoundRect:
        p.box = QRectF(value(s, 0, W, H), value(s, 1, W, H), value(s, 2, W, H), value(s, 3, W, H));
        break;
    default:
        p.points.reserve(s.values.size() / 2);
        for (std::size_t i = 0; i + 1 < s.values.size(); i += 2)
            p.points.emplace_back(value(s, i, W, H), value(s, i + 1, W, H));
        break;
    }
    return p;
}

} // namespace

int roundHalfEven(double v) { return int(std::nearbyint(v)); }

const QStringList& names() {
    static const QStringList list = [] {
        QStringList l;
        for (const auto& e : ShapeTable::entries())
            l << QString::fromLatin1(e.name);
        return l;
    }();
    return list;
}

bool contains(const QString& name) { return index().contains(name); }

ShapeGeometry geometry(const QString& name, int width, int height) {
    ShapeGeometry g;
    if (width < 1 || height < 1)
        return g;
    const double W = width, H = height;
    const ShapeTable::Entry* e = index().value(name, nullptr);
    if (!e) {
        g.seeds.emplace_back(roundHalfEven(W / 2), roundHalfEven(3 * H / 4));
        return g;
    }
    g.primitives.reserve(e->prims.size() + 2);
    for (const auto& s : e->prims)
        g.primitives.push_back(build(s, W, H));
    if (e->derive)
        e->derive(W, H, g.primitives);
    if (e->seeds.empty()) {
        g.seeds.emplace_back(roundHalfEven(W / 2), roundHalfEven(3 * H / 4));
    } else {
        for (std::size_t i = 0; i + 1 < e->seeds.size(); i += 2)
            g.seeds.emplace_back(roundHalfEven(e->seeds[i].of(W)), roundHalfEven(e->seeds[i + 1].of(H)));
    }
    return g;
}

} // namespace ShapeCatalogue
