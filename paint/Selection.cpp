#include "paint/Selection.h"

#include "paint/FigureGeometry.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>

namespace {

// The marquee lies one pixel outside the selection.
QRect around(const QRect& inner) { return inner.adjusted(-1, -1, 1, 1); }

// The rectangle with corners a and b, both inclusive, in any order.
QRect corners(QPoint a, QPoint b) {
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

} // namespace

Selection::Selection(SelectionHost& host) : host_(host), pic_(host.selectionSurface()) { pic_.autoSize = true; }

QPoint Selection::constrained(QPoint p, bool shift, bool ctrl) const {
    // SHIFT alone squares the selection; CTRL has no meaning here.
    return Figure::ConstrainEndPoint(start_, p.x(), p.y(), shift, ctrl, false);
}

void Selection::showMarquee() {
    Surface& c = host_.canvas();
    marquee_.show(c.image(), around(rect()), Color::toRgb(c.backColor));
}

void Selection::clearPlace(const QRect& r) {
    Surface& c = host_.canvas();
    const int mode = c.drawMode;
    c.drawMode = Surface::DrawCopy;
    c.filledBox(r.left(), r.top(), r.right(), r.bottom(), c.backColor);
    c.drawMode = mode;
}

void Selection::changed() {
    host_.canvas().refresh();
    host_.selectionChanged();
}

// ---------------------------------------------------------------------------
// Selecting

void Selection::beginSelect(QPoint p) {
    DropSelection();
    selecting_ = true;
    start_ = end_ = p;
}

void Selection::dragSelect(QPoint p, bool shift, bool ctrl) {
    if (!selecting_)
        return;
    end_ = constrained(p, shift, ctrl);
    Surface& c = host_.canvas();
    marquee_.show(c.image(), corners(start_, end_), Color::toRgb(c.backColor));
    c.refresh();
}

void Selection::endSelect(QPoint p, bool shift, bool ctrl) {
    if (!selecting_)
        return;
    selecting_ = false;
    end_ = constrained(p, shift, ctrl);
    Surface& c = host_.canvas();
    const QRect inner = corners(start_, end_).adjusted(1, 1, -1, -1).intersected(c.image().rect());
    if (std::abs(end_.x() - start_.x()) <= 1 || std::abs(end_.y() - start_.y()) <= 1 || inner.isEmpty()) {
        marquee_.hide(c.image());
        shown_ = false;
        fresh_ = false;
        changed();
        return;
    }
    pic_.backColor = c.backColor;
    pic_.image() = c.image().copy(inner);
    pos_ = inner.topLeft();
    cutFrom_ = inner;
    shown_ = true;
    fresh_ = true;
    showMarquee(); // the same box as the drag's last one unless clipped
    changed();
}

// ---------------------------------------------------------------------------
// Moving

bool Selection::contains(QPoint p) const { return shown_ && rect().contains(p); }

void Selection::beginMove(QPoint p, bool ctrl) {
    if (!shown_)
        return;
    moving_ = true;
    if (!ctrl && fresh_) {
        clearPlace(cutFrom_);
        fresh_ = false;
    }
    marquee_.hide(host_.canvas().image());
    grab_ = p - pos_;
    changed();
}

void Selection::dragMove(QPoint p) {
    if (!moving_)
        return;
    pos_ = p - grab_;
    host_.selectionChanged();
}

void Selection::endMove(QPoint p) {
    if (!moving_)
        return;
    dragMove(p);
    moving_ = false;
    fresh_ = false;
    showMarquee();
    changed();
}

// ---------------------------------------------------------------------------
// Commands

void Selection::DropSelection() {
    if (!shown_)
        return;
    moving_ = false;
    shown_ = false;
    Surface& c = host_.canvas();
    marquee_.hide(c.image());
    const bool record = !fresh_;
    fresh_ = false;
    if (record) {
        const int mode = c.drawMode;
        c.drawMode = Surface::DrawCopy;
        c.paintPicture(pic_.image(), pos_.x(), pos_.y(), pic_.width(), pic_.height());
        c.drawMode = mode;
    }
    changed();
    if (record)
        host_.SetImageBuffer();
}

void Selection::DrawSelectionRect() {
    if (!shown_)
        return;
    fresh_ = false;
    if (marquee_.shown())
        marquee_.hide(host_.canvas().image());
    else
        showMarquee();
    changed();
}

void Selection::deleteSelection() {
    if (!shown_)
        return;
    shown_ = false;
    moving_ = false;
    marquee_.hide(host_.canvas().image());
    if (fresh_)
        clearPlace(cutFrom_);
    fresh_ = false;
    changed();
    host_.SetImageBuffer();
}

void Selection::crop() {
    if (!shown_)
        return;
    shown_ = false;
    moving_ = false;
    fresh_ = false;
    Surface& c = host_.canvas();
    marquee_.forget();
    c.image() = pic_.image().copy();
    changed();
    host_.SetImageBuffer();
    host_.canvasResized();
}

void Selection::selectAll() {
    DropSelection();
    Surface& c = host_.canvas();
    pic_.backColor = c.backColor;
    pic_.image() = c.image().copy();
    pos_ = QPoint(0, 0);
    cutFrom_ = c.image().rect();
    start_ = QPoint(-1, -1);
    end_ = QPoint(c.width(), c.height());
    shown_ = true;
    fresh_ = true;
    showMarquee();
    changed();
}

void Selection::paste(const QImage& picture) {
    if (picture.isNull())
        return;
    DropSelection();
    pic_.backColor = host_.canvas().backColor;
    pic_.setPicture(picture);
    pos_ = QPoint(0, 0);
    fresh_ = false;
    shown_ = true;
    showMarquee();
    changed();
}

void Selection::discard() {
    const bool was = shown_;
    shown_ = false;
    fresh_ = false;
    moving_ = false;
    selecting_ = false;
    marquee_.forget();
    if (was)
        host_.selectionChanged();
}

QImage Selection::composite() {
    QImage out = host_.canvas().image().copy();
    if (marquee_.shown())
        Marquee::xorOutline(out, marquee_.rect(), marquee_.mask());
    if (shown_) {
        QPainter p(&out);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(pos_, pic_.image());
    }
    return out;
}
