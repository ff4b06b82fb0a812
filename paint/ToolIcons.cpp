#include "paint/ToolIcons.h"

#include "paint/PaintState.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor Ink(30, 30, 30);
const QColor Blue(40, 90, 190);
const QColor Red(200, 40, 40);
const QColor Wood(190, 140, 60);
const QColor Grey(150, 150, 150);

void pencil(QPainter& p) {
    QPolygonF body{{3, 15}, {4, 11}, {13, 2}, {16, 5}, {7, 14}};
    p.setPen(QPen(Ink, 1));
    p.setBrush(QColor(240, 200, 60));
    p.drawPolygon(body);
    p.setBrush(Wood);
    p.drawPolygon(QPolygonF{{3, 15}, {4, 11}, {7, 14}});
    p.setBrush(Red);
    p.drawPolygon(QPolygonF{{12, 3}, {13, 2}, {16, 5}, {15, 6}});
}

void brush(QPainter& p) {
    p.setPen(QPen(Wood.darker(130), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(15, 2), QPointF(9, 8));
    p.setPen(QPen(Ink, 1));
    p.setBrush(Grey);
    p.drawRect(QRectF(7, 8, 3, 3));
    QPainterPath tip(QPointF(7, 10));
    tip.cubicTo(QPointF(3, 10), QPointF(4, 15), QPointF(2, 16));
    tip.cubicTo(QPointF(7, 16), QPointF(10, 14), QPointF(9, 11));
    p.setBrush(Blue);
    p.drawPath(tip);
}

void draw(QPainter& p, int tool) {
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(Ink, 1.2);
    p.setPen(pen);
    switch (tool) {
    case Tool::SelectArea:
        p.setPen(QPen(Ink, 1, Qt::DashLine));
        p.drawRect(QRectF(2.5, 3.5, 13, 11));
        break;
    case Tool::PickColor:
        p.setBrush(Grey);
        p.drawPolygon(QPolygonF{{3, 15}, {3, 12}, {10, 5}, {13, 8}, {6, 15}});
        p.setBrush(Ink);
        p.drawEllipse(QRectF(10, 2, 6, 6));
        break;
    case Tool::Eraser:
        p.setBrush(QColor(240, 150, 170));
        p.drawPolygon(QPolygonF{{2, 12}, {9, 5}, {15, 10}, {8, 16}, {4, 16}});
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF{{2, 12}, {5, 9}, {11, 14}, {8, 16}, {4, 16}});
        break;
    case Tool::Fill:
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF{{3, 9}, {9, 3}, {15, 9}, {9, 15}});
        p.setBrush(Blue);
        p.drawPolygon(QPolygonF{{3, 9}, {15, 9}, {9, 15}});
        p.drawEllipse(QRectF(14, 11, 3, 5));
        break;
    case Tool::Pencil: pencil(p); break;
    case Tool::Line: p.setPen(QPen(Ink, 1.6)); p.drawLine(QPointF(3, 15), QPointF(15, 3)); break;
    case Tool::Rectangle: p.drawRect(QRectF(2.5, 4.5, 13, 9)); break;
    case Tool::Ellipse: p.drawEllipse(QRectF(2, 4, 14, 10)); break;
    case Tool::Text: {
        QFont f(QStringLiteral("Serif"));
        f.setPixelSize(16);
        f.setBold(true);
        p.setFont(f);
        p.drawText(QRectF(0, 0, 18, 18), Qt::AlignCenter, QStringLiteral("A"));
        break;
    }
    case Tool::Arrow:
        p.setPen(QPen(Ink, 1.6));
        p.drawLine(QPointF(3, 15), QPointF(15, 3));
        p.drawLine(QPointF(15, 3), QPointF(9, 4));
        p.drawLine(QPointF(15, 3), QPointF(14, 9));
        break;
    case Tool::AirBrush: {
        p.setBrush(Grey);
        p.drawRoundedRect(QRectF(9, 7, 6, 9), 1.5, 1.5);
        p.drawRect(QRectF(10, 4, 4, 3));
        p.setPen(Qt::NoPen);
        p.setBrush(Blue);
        const QPointF dots[] = {{3, 3}, {6, 2}, {4, 6}, {7, 5}, {2, 8}, {5, 9}, {8, 2}};
        for (const QPointF& d : dots)
            p.drawEllipse(d, 0.9, 0.9);
        break;
    }
    case Tool::RoundedRectangle: p.drawRoundedRect(QRectF(2.5, 4.5, 13, 9), 3.5, 3.5); break;
    case Tool::Polygon: p.drawPolygon(QPolygonF{{3, 14}, {4, 4}, {10, 8}, {15, 3}, {14, 15}}); break;
    case Tool::Curve: {
        QPainterPath path(QPointF(2, 14));
        path.cubicTo(QPointF(6, -2), QPointF(11, 20), QPointF(16, 4));
        p.setPen(QPen(Ink, 1.5));
        p.drawPath(path);
        break;
    }
    case Tool::FilterBrush:
        brush(p);
        p.setPen(QPen(QColor(230, 180, 20), 1.2));
        p.drawLine(QPointF(3, 2), QPointF(3, 6));
        p.drawLine(QPointF(1, 4), QPointF(5, 4));
        break;
    case Tool::Zoom:
        p.setPen(QPen(Ink, 1.4));
        p.setBrush(QColor(220, 235, 255));
        p.drawEllipse(QRectF(2, 2, 9, 9));
        p.setPen(QPen(Ink, 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(10.5, 10.5), QPointF(15.5, 15.5));
        break;
    case Tool::Brush: brush(p); break;
    case Tool::Hand: {
        p.setBrush(QColor(250, 220, 190));
        QPainterPath hand;
        hand.addRoundedRect(QRectF(4, 8, 10, 8), 3, 3);
        for (int i = 0; i < 4; ++i)
            hand.addRoundedRect(QRectF(4 + i * 2.5, 2 + (i == 0 || i == 3 ? 2 : 0), 2.5, 9), 1.2, 1.2);
        p.drawPath(hand.simplified());
        break;
    }
    default: break;
    }
}

} // namespace

QImage toolPicture(int tool) {
    QImage img(18, 18, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    draw(p, tool);
    return img;
}

QIcon toolIcon(int tool) { return QIcon(QPixmap::fromImage(toolPicture(tool))); }
