#include "platform/Canvas.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>

namespace {

CanvasMouse mouseOf(const QMouseEvent* e, bool withButton) {
    CanvasMouse m;
    m.x = e->position().x();
    m.y = e->position().y();
    m.button = withButton ? e->button() : Qt::NoButton;
    m.buttons = e->buttons();
    m.shift = e->modifiers().testFlag(Qt::ShiftModifier);
    m.ctrl = e->modifiers().testFlag(Qt::ControlModifier);
    return m;
}

CanvasKey keyOf(const QKeyEvent* e) {
    CanvasKey k;
    k.key = e->key();
    k.text = e->text();
    k.shift = e->modifiers().testFlag(Qt::ShiftModifier);
    k.ctrl = e->modifiers().testFlag(Qt::ControlModifier);
    k.autoRepeat = e->isAutoRepeat();
    return k;
}

} // namespace

SurfaceCanvas::SurfaceCanvas(Surface* surface, QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true); // moves without a button are reported too
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSurface(surface);
}

SurfaceCanvas::~SurfaceCanvas() { release(); }

void SurfaceCanvas::release() {
    if (surface_)
        surface_->onRefresh = std::move(previousRefresh_);
    previousRefresh_ = nullptr;
    surface_ = nullptr;
}

void SurfaceCanvas::setSurface(Surface* surface) {
    if (surface == surface_)
        return;
    release();
    surface_ = surface;
    if (surface_) {
        previousRefresh_ = surface_->onRefresh;
        // Copies of the surface carry this hook too; it must stay harmless
        // after the canvas is gone.
        surface_->onRefresh = [self = QPointer<SurfaceCanvas>(this), previous = previousRefresh_] {
            if (self)
                self->syncToSurface();
            if (previous)
                previous();
        };
    }
    syncToSurface();
}

void SurfaceCanvas::syncToSurface() {
    const QSize s = surface_ ? QSize(surface_->width(), surface_->height()) : QSize(0, 0);
    if (size() != s)
        setFixedSize(s);
    update();
}

QSize SurfaceCanvas::sizeHint() const {
    return surface_ ? QSize(surface_->width(), surface_->height()) : QSize(0, 0);
}

void SurfaceCanvas::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect r = event->rect();
    if (!surface_) {
        p.fillRect(r, palette().window());
        return;
    }
    p.drawImage(r.topLeft(), surface_->image(), r);
    // Outside the picture (while a resize is pending) the window colour shows.
    const QRect picture(0, 0, surface_->width(), surface_->height());
    const QRegion rest = QRegion(r).subtracted(picture);
    for (const QRect& part : rest)
        p.fillRect(part, palette().window());
}

void SurfaceCanvas::mousePressEvent(QMouseEvent* event) { emit mousePressed(mouseOf(event, true)); }
void SurfaceCanvas::mouseMoveEvent(QMouseEvent* event) { emit mouseMoved(mouseOf(event, false)); }
void SurfaceCanvas::mouseReleaseEvent(QMouseEvent* event) { emit mouseReleased(mouseOf(event, true)); }
void SurfaceCanvas::mouseDoubleClickEvent(QMouseEvent* event) { emit doubleClicked(mouseOf(event, true)); }

void SurfaceCanvas::keyPressEvent(QKeyEvent* event) { emit keyPressed(keyOf(event)); }
void SurfaceCanvas::keyReleaseEvent(QKeyEvent* event) { emit keyReleased(keyOf(event)); }
