#include "paint/PolygonTool.h"

#include "paint/FigureDraw.h"
#include "paint/PaintEnv.h"

void PolygonTool::drawEdge(std::size_t to) {
    Surface& s = env().canvas();
    const std::vector<QPoint>& v = env().state().polygon;
    if (to == 0 || to >= v.size())
        return;
    if (edges_.size() < to)
        edges_.resize(to);
    Figure::UseLineColors(s, env().state(), true);
    s.trace = &edges_[to - 1];
    s.line(v[to - 1].x(), v[to - 1].y(), v[to].x(), v[to].y());
    s.trace = nullptr;
}

void PolygonTool::removeEdges() {
    Surface& s = env().canvas();
    for (auto it = edges_.rbegin(); it != edges_.rend(); ++it)
        s.erase(*it);
}

void PolygonTool::refresh() {
    QPolygon points;
    for (const QPoint& p : env().state().polygon)
        points << p;
    const int m = env().canvas().drawWidth + 2;
    env().refreshCanvas(points.boundingRect().adjusted(-m, -m, m, m));
}

void PolygonTool::press(const ToolEvent& e) {
    PaintState& st = env().state();
    if (!st.polygonUnderWay) {
        st.polygonUnderWay = true;
        st.polygon.assign(1, QPoint(e.x, e.y));
        edges_.clear();
        shown_ = true;
    } else {
        st.polygon.push_back(QPoint(e.x, e.y));
        drawEdge(st.polygon.size() - 1);
    }
    Figure::UseLineColors(env().canvas(), st, true);
    refresh();
}

void PolygonTool::move(const ToolEvent& e) {
    PaintState& st = env().state();
    if (!st.polygonUnderWay)
        return;
    if (st.polygon.size() == 1)
        st.polygon.push_back(QPoint(e.x, e.y));
    else if (edges_.size() >= st.polygon.size() - 1)
        env().canvas().erase(edges_[st.polygon.size() - 2]);
    const QRect before = QPolygon(QList<QPoint>(st.polygon.begin(), st.polygon.end())).boundingRect();
    st.polygon.back() = QPoint(e.x, e.y);
    drawEdge(st.polygon.size() - 1);
    const int m = env().canvas().drawWidth + 2;
    env().refreshCanvas(before.adjusted(-m, -m, m, m));
    refresh();
}

void PolygonTool::finish() {
    PaintState& st = env().state();
    if (!st.polygonUnderWay)
        return;
    removeEdges();
    edges_.clear();
    Surface& s = env().canvas();
    Figure::UseClosedFigureColors(s, st, false);
    Figure::DrawPolygon(s, st.polygon);
    refresh();
    st.polygonUnderWay = false;
    st.polygon.assign(1, QPoint());
    shown_ = true;
    env().SetImageBuffer();
}

void PolygonTool::redrawPending() {
    PaintState& st = env().state();
    if (!st.polygonUnderWay)
        return;
    if (shown_) {
        removeEdges();
    } else {
        for (std::size_t i = 1; i < st.polygon.size(); ++i)
            drawEdge(i);
    }
    shown_ = !shown_;
    refresh();
}
