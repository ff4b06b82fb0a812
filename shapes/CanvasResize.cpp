#include "shapes/CanvasResize.h"

#include <algorithm>

namespace CanvasResize {

int sideFromText(const QString& text) {
    const QString t = text.trimmed();
    qsizetype n = 0;
    while (n < t.size() && n < 9 && t.at(n).isDigit() && t.at(n).unicode() < 128)
        ++n;
    const int v = n ? t.left(n).toInt() : 0;
    return std::clamp(v, 1, MaxSide);
}

QPoint handlePlace(Handle h, const QRect& canvas) {
    const int right = canvas.left() + canvas.width();
    const int bottom = canvas.top() + canvas.height();
    switch (h) {
    case Right: return {right, canvas.top() + canvas.height() / 2};
    case Bottom: return {canvas.left() + canvas.width() / 2, bottom};
    case Corner: break;
    }
    return {right, bottom};
}

QSize dragStep(Handle h, const QRect& canvas, const QSize& window, int dx, int dy) {
    QSize next = canvas.size();
    if (h != Bottom) {
        const int w = canvas.width() + dx;
        if (w > 0 && w <= MaxSide && canvas.left() + w <= window.width() - RightMargin)
            next.setWidth(w);
    }
    if (h != Right) {
        const int hh = canvas.height() + dy;
        if (hh > 0 && hh <= MaxSide && canvas.top() + hh <= window.height() - BottomMargin)
            next.setHeight(hh);
    }
    return next;
}

QString sizeLabel(const QSize& canvas) {
    return QStringLiteral("W= %1 , H= %2").arg(canvas.width()).arg(canvas.height());
}

} // namespace CanvasResize
