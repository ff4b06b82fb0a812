#include "paint/PaintWidgets.h"

#include "paint/PaintLayout.h"

#include <QMouseEvent>
#include <QPainter>

namespace PaintWidgets {

Pane::Pane(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
}

void Pane::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPoint p = event->position().toPoint();
        emit pressedAt(QPoint(p.x() * PaintLayout::TwipsPerPixel, p.y() * PaintLayout::TwipsPerPixel));
    }
}

ColorCell::ColorCell(ColorValue color, QWidget* parent) : QWidget(parent), color_(color) {
    setFixedSize(17, 17);
    setMouseTracking(true);
}

void ColorCell::setColor(ColorValue c) {
    color_ = c;
    update();
}

void ColorCell::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // Sunken bevel around the colour.
    p.setPen(QColor(128, 128, 128));
    p.drawLine(0, 0, width() - 1, 0);
    p.drawLine(0, 0, 0, height() - 1);
    p.setPen(Qt::white);
    p.drawLine(1, height() - 1, width() - 1, height() - 1);
    p.drawLine(width() - 1, 1, width() - 1, height() - 1);
    p.setPen(Qt::black);
    p.drawRect(1, 1, width() - 3, height() - 3);
    p.fillRect(rect().adjusted(2, 2, -2, -2), Color::toQColor(color_));
}

void ColorCell::mousePressEvent(QMouseEvent* event) { emit pressed(event->button()); }
void ColorCell::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}
void ColorCell::mouseMoveEvent(QMouseEvent*) { emit hovered(); }

DotSample::DotSample(int diameter, QWidget* parent) : QWidget(parent), diameter_(diameter) {
    setFixedSize(diameter + 2, diameter + 2);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void DotSample::setChosen(bool chosen) {
    chosen_ = chosen;
    update();
}

void DotSample::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(chosen_ ? Qt::white : Qt::black);
    p.drawEllipse(QRectF(1, 1, diameter_, diameter_));
}

FillSample::FillSample(int mode, QWidget* parent) : QWidget(parent), mode_(mode) {
    setFixedSize(30, 17);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FillSample::setChosen(bool chosen) {
    chosen_ = chosen;
    update();
}

void FillSample::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect().adjusted(1, 1, -2, -2);
    // A light grey, so the fill stands out on the window's darker grey.
    const QColor sampleFill(192, 192, 192);
    if (mode_ != 0)
        p.fillRect(r, sampleFill);
    // Mode 2 has no outline of its own: only the choice's border shows.
    p.setPen(QPen(chosen_ ? Qt::white : (mode_ == 2 ? sampleFill : Qt::black), 1));
    p.drawRect(r);
}

BrushSpot::BrushSpot(int shape, QWidget* parent) : QWidget(parent), shape_(shape) { setFixedSize(9, 9); }

void BrushSpot::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(Qt::black);
    p.setBrush(Qt::black);
    const int s = 4, c = 4; // half size, centre
    switch (shape_) {
    case 0: p.fillRect(0, 0, 9, 9, Qt::black); break;
    case 1: p.setRenderHint(QPainter::Antialiasing); p.drawEllipse(QRectF(0.5, 0.5, 8, 8)); break;
    case 2: p.setBrush(Qt::NoBrush); p.drawRect(0, 0, 8, 8); break;
    case 3: p.setBrush(Qt::NoBrush); p.setRenderHint(QPainter::Antialiasing); p.drawEllipse(QRectF(0.5, 0.5, 8, 8)); break;
    case 4: p.drawLine(c - s, c, c + s, c); p.drawLine(c, c - s, c, c + s); break;
    case 5: p.drawLine(c - s, c + s, c + s, c - s); p.drawLine(c - s, c - s, c + s, c + s); break;
    case 6: p.drawLine(c - s, c + s, c + s, c - s); break;
    case 7: p.drawLine(c - s, c - s, c + s, c + s); break;
    case 8: p.drawLine(c - s, c, c + s, c); break;
    default: p.drawLine(c, c - s, c, c + s); break;
    }
}

void BrushSpot::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit pressed(shape_);
}

} // namespace PaintWidgets
