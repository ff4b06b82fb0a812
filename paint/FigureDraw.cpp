#include "paint/FigureDraw.h"

#include "paint/PaintState.h"
#include "platform/Surface.h"

#include <QLine>
#include <QPolygon>

namespace Figure {

namespace {

ColorValue shown(ColorValue c, const Surface& s, bool preview) { return preview ? (c ^ s.backColor) & 0xFFFFFF : c; }

} // namespace

void UseClosedFigureColors(Surface& s, const PaintState& state, bool preview) {
    s.drawMode = preview ? Surface::DrawXor : Surface::DrawCopy;
    const ColorValue pen = state.fillMode == 2 ? state.fillColor : state.foreColor;
    s.foreColor = shown(pen, s, preview);
    s.fillColor = shown(state.fillColor, s, preview);
    s.fillStyle = state.fillMode == 0 ? int(Surface::FillTransparent) : state.fillStyle;
}

void UseLineColors(Surface& s, const PaintState& state, bool preview) {
    s.drawMode = preview ? Surface::DrawXor : Surface::DrawCopy;
    s.foreColor = shown(state.foreColor, s, preview);
    s.fillStyle = Surface::FillTransparent;
}

void DrawArrow(Surface& s, int x1, int y1, int x2, int y2) {
    const ArrowHead h = ArrowBarbs(x1, y1, x2, y2);
    const QPoint tip(x2, y2);
    s.lines({QLine(QPoint(x1, y1), tip), QLine(tip, h.barb1), QLine(tip, h.barb2)});
}

void DrawEllipse(Surface& s, QPoint a, QPoint b) {
    const EllipseShape e = EllipseInBox(a, b);
    if (e.drawn)
        s.circle(e.cx, e.cy, e.radius, e.aspect);
}

void DrawRectangle(Surface& s, QPoint a, QPoint b) {
    if (a != b)
        s.box(a.x(), a.y(), b.x(), b.y());
}

void DrawRoundedRectangle(Surface& s, QPoint a, QPoint b) { s.roundRect(a.x(), a.y(), b.x(), b.y(), 10, 10); }

void DrawCurve(Surface& s, const CurvePoints& p) { s.bezier(QPolygon({p[0], p[1], p[2], p[3]})); }

void DrawPolygonEdges(Surface& s, const std::vector<QPoint>& v, bool lastOnly) {
    if (v.size() < 2)
        return;
    if (lastOnly) {
        s.lines({QLine(v[v.size() - 2], v.back())});
        return;
    }
    QVector<QLine> edges;
    for (std::size_t i = 0; i + 1 < v.size(); ++i)
        edges.append(QLine(v[i], v[i + 1]));
    s.lines(edges);
}

void DrawPolygon(Surface& s, const std::vector<QPoint>& v) {
    if (v.empty())
        return;
    QPolygon points;
    for (const QPoint& p : v)
        points << p;
    s.polygon(points);
}

} // namespace Figure
