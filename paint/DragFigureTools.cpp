#include "paint/DragFigureTools.h"

#include "paint/FigureDraw.h"
#include "paint/PaintEnv.h"

void DragFigureTool::useColors(bool preview) {
    if (index() == Tool::Line || index() == Tool::Arrow)
        Figure::UseLineColors(env().canvas(), env().state(), preview);
    else
        Figure::UseClosedFigureColors(env().canvas(), env().state(), preview);
}

QPoint DragFigureTool::constrained(const ToolEvent& e) const {
    const bool lines = index() == Tool::Line || index() == Tool::Arrow;
    return Figure::ConstrainEndPoint(env().state().start, e.x, e.y, e.shift, e.ctrl, lines);
}

void DragFigureTool::draw() {
    Surface& s = env().canvas();
    const QPoint a = env().state().start, b = env().state().end;
    switch (index()) {
    case Tool::Line:
        s.line(a.x(), a.y(), b.x(), b.y());
        break;
    case Tool::Arrow:
        Figure::DrawArrow(s, a.x(), a.y(), b.x(), b.y());
        break;
    case Tool::Rectangle:
        Figure::DrawRectangle(s, a, b);
        break;
    case Tool::Ellipse:
        Figure::DrawEllipse(s, a, b);
        break;
    case Tool::RoundedRectangle:
        if (a != b)
            Figure::DrawRoundedRectangle(s, a, b);
        break;
    default:
        break;
    }
}

QRect DragFigureTool::reach(QPoint a, QPoint b) const {
    // Pen half-width, rounding, and the arrow's 10-pixel barbs.
    const int m = env().canvas().drawWidth + 12;
    return QRect(a, b).normalized().adjusted(-m, -m, m, m);
}

void DragFigureTool::removePreview() {
    if (preview_.empty())
        return;
    env().canvas().erase(preview_);
    env().refreshCanvas(previewArea_);
}

void DragFigureTool::press(const ToolEvent&) {
    PaintState& st = env().state();
    st.end = st.start;
    preview_.clear();
    previewArea_ = QRect();
    useColors(true);
}

void DragFigureTool::move(const ToolEvent& e) {
    Surface& s = env().canvas();
    PaintState& st = env().state();
    const QRect old = previewArea_;
    s.erase(preview_);
    st.end = constrained(e);
    useColors(true);
    s.trace = &preview_;
    draw();
    s.trace = nullptr;
    previewArea_ = reach(st.start, st.end);
    env().refreshCanvas(old | previewArea_);
}

void DragFigureTool::release(const ToolEvent& e) {
    Surface& s = env().canvas();
    PaintState& st = env().state();
    const QRect old = previewArea_;
    s.erase(preview_);
    previewArea_ = QRect();
    useColors(false);
    st.end = constrained(e);
    draw();
    env().refreshCanvas(old | reach(st.start, st.end));
}
