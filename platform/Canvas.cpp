#include "platform/Canvas.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

CanvasMouse mouseOf(const QWidget* canvas, const QMouseEvent* e, bool withButton) {
    CanvasMouse m;
    m.x = e->position().x();
    m.y = e->position().y();
    const qreal ratio = canvas->devicePixelRatioF();
    if (ratio != 1.0) {
        m.x = SurfaceCanvas::pixelAt(m.x, ratio);
        m.y = SurfaceCanvas::pixelAt(m.y, ratio);
    }
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

// A scaled screen (device pixel ratio 1.25, 1.5, 2, ...): the exposed part
// `area` (logical pixels) of the picture is enlarged here, nearest neighbour
// and never blurred, so that device pixel d shows picture pixel
// floor((d - origin + 0.5) / scale), the pixel pixelAt() reports for a
// pointer there; the result is drawn one to one onto the device pixels. Every
// repaint of any part samples alike, so parts always meet seamlessly.
void drawEnlarged(QPainter& p, const QImage& picture, const QRect& area) {
    const QTransform t = p.deviceTransform();
    const qreal sx = t.m11(), sy = t.m22();
    const QRect device = t.mapRect(QRectF(area & picture.rect())).toAlignedRect();
    if (device.isEmpty() || sx <= 0 || sy <= 0)
        return;
    QImage part(device.size(), QImage::Format_RGB32);
    if (part.isNull())
        return;
    auto source = [](int d, qreal origin, qreal scale, int limit) {
        return std::clamp(int(std::floor((d - origin + 0.5) / scale)), 0, limit - 1);
    };
    std::vector<int> column(size_t(device.width()));
    for (int i = 0; i < device.width(); ++i)
        column[size_t(i)] = source(device.x() + i, t.dx(), sx, picture.width());
    const QImage rgb = picture.format() == QImage::Format_RGB32 ? picture : picture.convertToFormat(QImage::Format_RGB32);
    for (int j = 0; j < device.height(); ++j) {
        const auto* in = reinterpret_cast<const QRgb*>(rgb.constScanLine(source(device.y() + j, t.dy(), sy, rgb.height())));
        auto* out = reinterpret_cast<QRgb*>(part.scanLine(j));
        for (int i = 0; i < device.width(); ++i)
            out[i] = in[column[size_t(i)]];
    }
    part.setDevicePixelRatio(sx);
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(QPointF((device.x() - t.dx()) / sx, (device.y() - t.dy()) / sy), part);
    p.restore();
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

int SurfaceCanvas::pixelAt(qreal position, qreal ratio) {
    return int(std::floor(position + 0.5 / ratio));
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
    if (p.deviceTransform().type() <= QTransform::TxTranslate) {
        p.drawImage(r.topLeft(), surface_->image(), r);
    } else {
        drawEnlarged(p, surface_->image(), r);
    }
    // Outside the picture (while a resize is pending) the window colour shows.
    const QRect picture(0, 0, surface_->width(), surface_->height());
    const QRegion rest = QRegion(r).subtracted(picture);
    for (const QRect& part : rest)
        p.fillRect(part, palette().window());
}

void SurfaceCanvas::mousePressEvent(QMouseEvent* event) { emit mousePressed(mouseOf(this, event, true)); }
void SurfaceCanvas::mouseMoveEvent(QMouseEvent* event) { emit mouseMoved(mouseOf(this, event, false)); }
void SurfaceCanvas::mouseReleaseEvent(QMouseEvent* event) { emit mouseReleased(mouseOf(this, event, true)); }
void SurfaceCanvas::mouseDoubleClickEvent(QMouseEvent* event) { emit doubleClicked(mouseOf(this, event, true)); }

void SurfaceCanvas::keyPressEvent(QKeyEvent* event) { emit keyPressed(keyOf(event)); }
void SurfaceCanvas::keyReleaseEvent(QKeyEvent* event) { emit keyReleased(keyOf(event)); }
