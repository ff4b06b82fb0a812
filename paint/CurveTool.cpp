#include "paint/CurveTool.h"

#include "paint/FigureDraw.h"
#include "paint/PaintEnv.h"

#include <QMouseEvent>
#include <QWidget>

void CurveTool::drawPreview() {
    Surface& s = env().canvas();
    Figure::UseLineColors(s, env().state(), true);
    s.trace = &preview_;
    Figure::DrawCurve(s, Figure::CurveControlPoints(corners_));
    s.trace = nullptr;
    shown_ = true;
}

void CurveTool::removePreview() {
    env().canvas().erase(preview_);
    shown_ = false;
}

void CurveTool::refresh() {
    QRect r;
    for (const QPoint& c : corners_)
        r |= QRect(c, QSize(Figure::HandleSize, Figure::HandleSize));
    // A cubic curve stays inside the hull of its points; the old place too.
    const int m = env().canvas().drawWidth + 2;
    r.adjust(-m, -m, m, m);
    env().refreshCanvas(r | lastArea_);
    lastArea_ = r;
}

void CurveTool::placeHandleWidgets(bool shown) {
    for (int i = 0; i < 4; ++i) {
        QWidget* h = env().imgBezier(i);
        if (!h)
            continue;
        if (!filtersInstalled_)
            h->installEventFilter(this);
        h->move(corners_[std::size_t(i)]);
        h->setVisible(shown);
        if (shown)
            h->raise();
    }
    filtersInstalled_ = true;
}

void CurveTool::press(const ToolEvent& e) {
    if (!underWay_) {
        corners_ = Figure::PlaceCurveHandles(e.x, e.y);
        underWay_ = true;
        preview_.clear();
        drawPreview();
        placeHandleWidgets(true);
        refresh();
    }
}

void CurveTool::move(const ToolEvent& e) {
    if (!underWay_)
        return;
    PaintState& st = env().state();
    removePreview();
    const QPoint d(e.x - st.start.x(), e.y - st.start.y());
    for (QPoint& c : corners_)
        c += d;
    drawPreview();
    placeHandleWidgets(true);
    st.start = QPoint(e.x, e.y);
    refresh();
}

void CurveTool::dragHandle(int index, int dx, int dy) {
    if (!underWay_ || index < 0 || index > 3)
        return;
    const bool wasShown = shown_;
    if (wasShown)
        removePreview();
    corners_[std::size_t(index)] += QPoint(dx, dy);
    if (wasShown)
        drawPreview();
    placeHandleWidgets(true);
    refresh();
}

void CurveTool::finish() {
    if (!underWay_)
        return;
    if (shown_)
        removePreview();
    Surface& s = env().canvas();
    Figure::UseLineColors(s, env().state(), false);
    Figure::DrawCurve(s, Figure::CurveControlPoints(corners_));
    underWay_ = false;
    placeHandleWidgets(false);
    refresh();
    env().SetImageBuffer();
}

void CurveTool::redrawPending() {
    // Nothing unless a curve is under way.
    if (!underWay_)
        return;
    if (shown_)
        removePreview();
    else
        drawPreview();
    refresh();
}

bool CurveTool::eventFilter(QObject* watched, QEvent* event) {
    int index = -1;
    for (int i = 0; i < 4; ++i)
        if (watched == env().imgBezier(i))
            index = i;
    if (index < 0)
        return false;
    auto* me = dynamic_cast<QMouseEvent*>(event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (me && me->button() == Qt::LeftButton) {
            grabbed_ = index;
            grab_ = me->position();
            env().state().drag = true;
            return true;
        }
        break;
    case QEvent::MouseMove:
        if (me && grabbed_ == index && env().state().drag) {
            const QPointF d = me->position() - grab_;
            const int dx = qRound(d.x()), dy = qRound(d.y());
            if (dx != 0 || dy != 0)
                dragHandle(index, dx, dy);
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (me && grabbed_ == index) {
            grabbed_ = -1;
            env().state().drag = false;
            return true;
        }
        break;
    default:
        break;
    }
    return false;
}
