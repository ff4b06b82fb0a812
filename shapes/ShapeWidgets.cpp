#include "shapes/ShapeWidgets.h"

#include "shapes/CanvasResize.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

BorderWidthBox::BorderWidthBox(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(1);
    setAcceptDrops(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAlignment(Qt::AlignCenter);
}

void BorderWidthBox::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Escape || key == Qt::Key_Return ||
        key == Qt::Key_Enter) {
        event->ignore(); // focus moves / the window handles it
        return;
    }
    event->accept();
    const QString text = event->text();
    if (key == Qt::Key_Backspace) {
        clear();
        emit widthKey(-1);
    } else if (text.size() == 1 && text.at(0) >= u'0' && text.at(0) <= u'9' &&
               !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        setText(text);
        emit widthKey(text.at(0).unicode() - u'0');
    }
}

ResizeHandle::ResizeHandle(int index, Qt::CursorShape cursor, QWidget* parent) : QWidget(parent), index_(index) {
    setFixedSize(CanvasResize::HandleSize, CanvasResize::HandleSize);
    setCursor(cursor);
    setMouseTracking(true);
}

void ResizeHandle::setGhost(bool ghost) {
    ghost_ = ghost;
    update();
}

void ResizeHandle::paintEvent(QPaintEvent*) {
    if (!ghost_)
        QPainter(this).fillRect(rect(), QColor(0, 0, 128));
}

void ResizeHandle::mousePressEvent(QMouseEvent* event) { emit pressed(index_, event->position().toPoint()); }
void ResizeHandle::mouseMoveEvent(QMouseEvent* event) { emit moved(index_, event->position().toPoint()); }
void ResizeHandle::mouseReleaseEvent(QMouseEvent*) { emit released(index_); }
