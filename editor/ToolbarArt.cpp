#include "editor/ToolbarArt.h"

#include <QFont>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace {
const QColor Ink(52, 64, 88);
const QColor Blue(47, 111, 208);
const QColor Red(206, 62, 62);
const QColor Green(46, 150, 76);
const QColor Paper(255, 255, 255);
const QColor Shade(214, 224, 240);

using Draw = std::function<void(QPainter&)>;

QPen pen(const QColor& c, double w = 1.2) { return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void lines(QPainter& p, const QList<QLineF>& list, const QColor& c = Ink, double w = 1.4) {
    p.setPen(pen(c, w));
    p.drawLines(list);
}

void letter(QPainter& p, const QString& text, const QRectF& box, bool bold, bool italic, bool underline,
            const QColor& c = Ink, double pixelSize = 13) {
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setPixelSize(int(pixelSize));
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    p.setFont(f);
    p.setPen(c);
    p.drawText(box, Qt::AlignCenter, text);
}

// A 3 x 3 grid of cells in the given rectangle.
void grid(QPainter& p, const QRectF& r, const QColor& head = Shade) {
    p.setPen(pen(Ink, 1));
    p.setBrush(Paper);
    p.drawRect(r);
    p.fillRect(QRectF(r.left() + 0.5, r.top() + 0.5, r.width() - 1, r.height() / 3 - 0.5), head);
    for (int i = 1; i < 3; ++i) {
        p.drawLine(QPointF(r.left() + r.width() * i / 3, r.top()), QPointF(r.left() + r.width() * i / 3, r.bottom()));
        p.drawLine(QPointF(r.left(), r.top() + r.height() * i / 3), QPointF(r.right(), r.top() + r.height() * i / 3));
    }
}

void plus(QPainter& p, QPointF c, const QColor& col = Green) {
    p.setPen(pen(col, 2));
    p.drawLine(c - QPointF(3, 0), c + QPointF(3, 0));
    p.drawLine(c - QPointF(0, 3), c + QPointF(0, 3));
}

void cross(QPainter& p, QPointF c) {
    p.setPen(pen(Red, 2));
    p.drawLine(c - QPointF(2.5, 2.5), c + QPointF(2.5, 2.5));
    p.drawLine(c + QPointF(-2.5, 2.5), c + QPointF(2.5, -2.5));
}

void page(QPainter& p, const QRectF& r) {
    QPainterPath path;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - 3, r.top());
    path.lineTo(r.right(), r.top() + 3);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    p.setPen(pen(Ink, 1));
    p.setBrush(Paper);
    p.drawPath(path);
}

void textLines(QPainter& p, double left, double top, const QList<std::pair<double, double>>& spans) {
    QList<QLineF> l;
    double y = top;
    for (auto [from, to] : spans) {
        l << QLineF(left + from, y, left + to, y);
        y += 3;
    }
    lines(p, l, Ink, 1.3);
}

void curvedArrow(QPainter& p, bool left) {
    const double s = left ? 1 : -1;
    auto x = [&](double v) { return left ? v : 16 - v; };
    QPainterPath path;
    path.moveTo(x(4), 7);
    path.cubicTo(x(7), 3, x(13), 4, x(13), 9);
    path.cubicTo(x(13), 12, x(10), 13, x(8), 13);
    p.setPen(pen(Blue, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    QPolygonF head{{x(2), 8}, {x(7), 3.5}, {x(7.5) + 0 * s, 9}};
    p.setPen(Qt::NoPen);
    p.setBrush(Blue);
    p.drawPolygon(head);
}

void alignLines(QPainter& p, int mode) { // 0 left, 1 centre, 2 right
    const double widths[] = {12, 8, 12, 6, 10};
    QList<QLineF> l;
    for (int i = 0; i < 5; ++i) {
        const double w = widths[i];
        const double left = mode == 0 ? 2 : mode == 1 ? 8 - w / 2 : 14 - w;
        l << QLineF(left, 3 + i * 2.6, left + w, 3 + i * 2.6);
    }
    lines(p, l, Ink, 1.3);
}

void indentArrow(QPainter& p, bool in) {
    QList<QLineF> l{{2, 3, 14, 3}, {7, 6.5, 14, 6.5}, {7, 10, 14, 10}, {2, 13.5, 14, 13.5}};
    lines(p, l, Ink, 1.3);
    p.setPen(Qt::NoPen);
    p.setBrush(Blue);
    p.drawPolygon(in ? QPolygonF{{2, 5.5}, {5.5, 8.25}, {2, 11}} : QPolygonF{{5.5, 5.5}, {2, 8.25}, {5.5, 11}});
}

void infoCircle(QPainter& p, const QRectF& r) {
    p.setPen(pen(Blue.darker(120), 1));
    p.setBrush(Blue);
    p.drawEllipse(r);
    letter(p, QStringLiteral("i"), r.adjusted(0, 0.5, 0, 0), true, false, false, Paper, r.height() * 0.8);
}

void commentMark(QPainter& p, const QRectF& r) {
    p.setPen(pen(QColor(200, 160, 0), 1));
    p.setBrush(QColor(255, 230, 128));
    p.drawRoundedRect(r, 2, 2);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(int(r.height() * 0.62));
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(90, 70, 0));
    p.drawText(r, Qt::AlignCenter, QStringLiteral("<!>"));
}

const QHash<QString, Draw>& art() {
    static const QHash<QString, Draw> table{
        {"Cut",
         [](QPainter& p) {
             p.setPen(pen(Ink, 1.4));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QRectF(2, 10, 4.5, 4.5));
             p.drawEllipse(QRectF(9.5, 10, 4.5, 4.5));
             lines(p, {{5.5, 10.5, 11, 1.5}, {10.5, 10.5, 5, 1.5}}, Ink, 1.4);
         }},
        {"Copy",
         [](QPainter& p) {
             page(p, QRectF(2, 1.5, 8, 10));
             page(p, QRectF(6, 4.5, 8, 10));
             textLines(p, 7.5, 8, {{0, 5}, {0, 5}, {0, 3}});
         }},
        {"Paste",
         [](QPainter& p) {
             p.setPen(pen(Ink, 1));
             p.setBrush(QColor(196, 146, 84));
             p.drawRoundedRect(QRectF(2, 2.5, 10, 12), 1.5, 1.5);
             p.setBrush(Shade);
             p.drawRect(QRectF(4.5, 1.5, 5, 2.5));
             page(p, QRectF(7, 6, 7.5, 9));
             textLines(p, 8.5, 9, {{0, 4.5}, {0, 4.5}});
         }},
        {"Undob", [](QPainter& p) { curvedArrow(p, true); }},
        {"Redob", [](QPainter& p) { curvedArrow(p, false); }},
        {"Hyperlink",
         [](QPainter& p) {
             p.setPen(pen(Blue, 1.8));
             p.setBrush(Qt::NoBrush);
             p.save();
             p.translate(8, 8);
             p.rotate(-45);
             p.drawRoundedRect(QRectF(-7, -2.5, 7.5, 5), 2.5, 2.5);
             p.drawRoundedRect(QRectF(-0.5, -2.5, 7.5, 5), 2.5, 2.5);
             p.restore();
         }},
        {"InsertImage",
         [](QPainter& p) {
             p.setPen(pen(Ink, 1));
             p.setBrush(QColor(190, 222, 255));
             p.drawRect(QRectF(1.5, 2.5, 13, 11));
             p.setPen(Qt::NoPen);
             p.setBrush(QColor(255, 200, 60));
             p.drawEllipse(QRectF(9.5, 4, 3, 3));
             p.setBrush(Green);
             p.drawPolygon(QPolygonF{{2, 13}, {6.5, 7}, {10, 11}, {11.5, 9.5}, {14, 13}});
         }},
        {"hr",
         [](QPainter& p) {
             textLines(p, 3, 3, {{0, 10}});
             lines(p, {{1.5, 8, 14.5, 8}}, Blue, 2.2);
             textLines(p, 3, 13, {{0, 10}});
         }},
        {"InsertTable", [](QPainter& p) { grid(p, QRectF(1.5, 2.5, 13, 11), QColor(190, 210, 245)); }},
        {"InsertRow",
         [](QPainter& p) {
             grid(p, QRectF(1.5, 5.5, 10, 9));
             plus(p, {12.5, 3.5});
         }},
        {"InsertCol",
         [](QPainter& p) {
             grid(p, QRectF(1.5, 1.5, 9, 10));
             plus(p, {12.5, 12.5});
         }},
        {"DelRow",
         [](QPainter& p) {
             grid(p, QRectF(1.5, 5.5, 10, 9));
             cross(p, {12.5, 3.5});
         }},
        {"DelCol",
         [](QPainter& p) {
             grid(p, QRectF(1.5, 1.5, 9, 10));
             cross(p, {12.5, 12.5});
         }},
        {"SplitCell",
         [](QPainter& p) {
             p.setPen(pen(Ink, 1));
             p.setBrush(Paper);
             p.drawRect(QRectF(1.5, 3.5, 13, 9));
             p.setPen(QPen(Red, 1.2, Qt::DashLine));
             p.drawLine(QPointF(8, 2), QPointF(8, 14));
             p.setPen(Qt::NoPen);
             p.setBrush(Blue);
             p.drawPolygon(QPolygonF{{6.5, 8}, {3.5, 6}, {3.5, 10}});
             p.drawPolygon(QPolygonF{{9.5, 8}, {12.5, 6}, {12.5, 10}});
         }},
        {"MergCell",
         [](QPainter& p) {
             p.setPen(pen(Ink, 1));
             p.setBrush(Paper);
             p.drawRect(QRectF(1.5, 3.5, 13, 9));
             p.drawLine(QPointF(6, 3.5), QPointF(6, 12.5));
             p.fillRect(QRectF(6.5, 4, 7.5, 8), QColor(205, 235, 210));
             plus(p, {10.25, 8});
         }},
        {"save2",
         [](QPainter& p) {
             p.setPen(pen(Ink, 1));
             p.setBrush(Blue);
             p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
             p.setBrush(Paper);
             p.drawRect(QRectF(4, 1.5, 8, 5));
             p.setBrush(Shade);
             p.drawRect(QRectF(4, 9, 8, 5.5));
             p.fillRect(QRectF(9, 2.5, 2, 3), Ink);
         }},
        {"ViewSource",
         [](QPainter& p) {
             page(p, QRectF(1.5, 1.5, 11, 13));
             letter(p, QStringLiteral("</>"), QRectF(1.5, 2, 11, 12), true, false, false, Blue, 7);
             QFont f(QStringLiteral("DejaVu Sans"));
             f.setPixelSize(9);
             f.setBold(true);
             p.setFont(f);
             p.setPen(Ink);
             p.drawText(QRectF(14, 0, 30, 16), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Code"));
         }},
        {"Design",
         [](QPainter& p) {
             page(p, QRectF(1.5, 1.5, 11, 13));
             p.setPen(Qt::NoPen);
             p.setBrush(QColor(190, 222, 255));
             p.drawRect(QRectF(3.5, 4, 7, 4));
             textLines(p, 3.5, 10, {{0, 7}, {0, 5}});
             QFont f(QStringLiteral("DejaVu Sans"));
             f.setPixelSize(8);
             f.setBold(true);
             p.setFont(f);
             p.setPen(Ink);
             p.drawText(QRectF(13.5, 0, 31, 16), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Design"));
         }},
        {"FontFace",
         [](QPainter& p) {
             letter(p, QStringLiteral("A"), QRectF(0, 0, 11, 14), true, false, false, Ink, 13);
             letter(p, QStringLiteral("a"), QRectF(8, 4, 8, 12), false, true, false, Blue, 10);
         }},
        {"MyBackColor",
         [](QPainter& p) {
             p.setPen(pen(Ink, 1));
             p.setBrush(QColor(255, 236, 110));
             p.save();
             p.translate(8, 6.5);
             p.rotate(40);
             p.drawRect(QRectF(-2, -6, 4, 9));
             p.setBrush(Ink);
             p.drawPolygon(QPolygonF{{-2, 3}, {2, 3}, {0, 6}});
             p.restore();
             p.fillRect(QRectF(1, 12.5, 14, 3), QColor(255, 214, 0));
         }},
        {"Bold", [](QPainter& p) { letter(p, QStringLiteral("B"), QRectF(0, 0, 16, 16), true, false, false); }},
        {"Italic", [](QPainter& p) { letter(p, QStringLiteral("I"), QRectF(0, 0, 16, 16), false, true, false); }},
        {"Underline",
         [](QPainter& p) {
             letter(p, QStringLiteral("U"), QRectF(0, -1.5, 16, 15), false, false, false);
             lines(p, {{3.5, 14.5, 12.5, 14.5}}, Blue, 1.5);
         }},
        {"AligLeft", [](QPainter& p) { alignLines(p, 0); }},
        {"AlignCenter", [](QPainter& p) { alignLines(p, 1); }},
        {"AlignRight", [](QPainter& p) { alignLines(p, 2); }},
        {"Ol",
         [](QPainter& p) {
             QFont f(QStringLiteral("DejaVu Sans"));
             f.setPixelSize(5);
             f.setBold(true);
             p.setFont(f);
             p.setPen(Blue);
             for (int i = 0; i < 3; ++i)
                 p.drawText(QRectF(0.5, 1 + i * 5, 5, 5), Qt::AlignCenter, QString::number(i + 1));
             lines(p, {{7, 3.5, 15, 3.5}, {7, 8.5, 15, 8.5}, {7, 13.5, 15, 13.5}}, Ink, 1.3);
         }},
        {"Ul",
         [](QPainter& p) {
             p.setPen(Qt::NoPen);
             p.setBrush(Blue);
             for (int i = 0; i < 3; ++i)
                 p.drawEllipse(QRectF(1.5, 2 + i * 5, 3, 3));
             lines(p, {{7, 3.5, 15, 3.5}, {7, 8.5, 15, 8.5}, {7, 13.5, 15, 13.5}}, Ink, 1.3);
         }},
        // "Outdent" carries the tooltip "indent" and "Indent" the tooltip "outdent".
        {"Outdent", [](QPainter& p) { indentArrow(p, true); }},
        {"Indent", [](QPainter& p) { indentArrow(p, false); }},
        {"br",
         [](QPainter& p) {
             p.setPen(pen(Ink, 1.6));
             p.setBrush(Qt::NoBrush);
             QPainterPath path;
             path.moveTo(13, 2.5);
             path.lineTo(13, 9);
             path.lineTo(5, 9);
             p.drawPath(path);
             p.setPen(Qt::NoPen);
             p.setBrush(Blue);
             p.drawPolygon(QPolygonF{{2, 9}, {6, 5.5}, {6, 12.5}});
         }},
        {"info", [](QPainter& p) { infoCircle(p, QRectF(1.5, 1.5, 13, 13)); }},
        {"Picture2", [](QPainter& p) { infoCircle(p, QRectF(1.5, 1.5, 13, 13)); }},
        {"Picture1", [](QPainter& p) { commentMark(p, QRectF(0.5, 1.5, 19, 12)); }},
    };
    return table;
}

QSize baseSize(const QString& name) {
    if (name == QLatin1String("Picture1"))
        return QSize(20, 15);
    return name == QLatin1String("ViewSource") || name == QLatin1String("Design") ? QSize(44, 16) : QSize(16, 16);
}

QPixmap render(const QString& name, QSize size, qreal ratio) {
    const auto it = art().constFind(name);
    if (it == art().constEnd())
        return QPixmap();
    QPixmap pm(size * ratio);
    pm.setDevicePixelRatio(ratio);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QSize base = baseSize(name);
    p.scale(double(size.width()) / base.width(), double(size.height()) / base.height());
    (*it)(p);
    return pm;
}
} // namespace

QPixmap ToolbarPixmap(const QString& name, QSize size) { return render(name, size, 1.0); }

QIcon ToolbarIcon(const QString& name) {
    if (!art().contains(name))
        return QIcon();
    QIcon icon;
    const QSize base = baseSize(name);
    icon.addPixmap(render(name, base, 1.0));
    icon.addPixmap(render(name, base, 2.0));
    return icon;
}
