#include "imaging/PictureBox.h"

#include <QPainter>

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    surface_.onRefresh = [this] { update(); };
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Color::toQColor(surface_.backColor));
    p.drawImage(0, 0, surface_.image());
}
