// The picture surface: size, picture, drawing state and the painter-based
// primitives. Flood fill lives in SurfaceFill.cpp, stretched copies in
// SurfaceBlit.cpp.
//
// Every primitive is drawn aliased (exact pixels). In exclusive-or mode each
// pixel the figure covers is XORed exactly once with the colour the figure
// has there (pen on the outline, fill inside), so drawing the same figure
// twice restores every pixel (see drawFigure).
#include "platform/Surface.h"

#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <new>

namespace {

constexpr double PixelsPerPoint = 96.0 / 72.0;

// Throws std::bad_alloc when the picture cannot be allocated, before
// anything of the surface has changed.
QImage blankImage(int w, int h, ColorValue back) {
    QImage img(std::max(1, w), std::max(1, h), QImage::Format_RGB32);
    if (img.isNull())
        throw std::bad_alloc();
    img.fill(Color::toRgb(back));
    return img;
}

} // namespace

Surface::Surface(int width, int height, ColorValue back) : backColor(back) {
    image_ = blankImage(width, height, back);
}

void Surface::resize(int w, int h) {
    w = std::max(1, w);
    h = std::max(1, h);
    if (w == width() && h == height())
        return;
    QImage next = blankImage(w, h, backColor);
    const int cw = std::min(w, width());
    const int ch = std::min(h, height());
    for (int y = 0; y < ch; ++y)
        std::memcpy(next.scanLine(y), image_.constScanLine(y), size_t(cw) * 4);
    image_ = std::move(next);
}

void Surface::clear() {
    image_.fill(Color::toRgb(backColor));
    currentX = 0;
    currentY = 0;
}

void Surface::setPicture(const QImage& picture) {
    if (picture.isNull()) {
        clear();
        return;
    }
    if (autoSize && (picture.width() != width() || picture.height() != height()))
        image_ = blankImage(picture.width(), picture.height(), backColor);
    else
        image_.fill(Color::toRgb(backColor));
    if (picture.format() == QImage::Format_RGB32 && picture.size() == image_.size()) {
        image_ = picture.copy(); // detach: later drawing must not reach the caller's picture
        return;
    }
    // Transparent parts of the picture show the back colour.
    QPainter p(&image_);
    p.drawImage(0, 0, picture);
}

void Surface::refresh() const {
    if (onRefresh)
        onRefresh();
}

// ---------------------------------------------------------------------------
// Drawing state

QPen Surface::pen() const { return pen(foreColor); }

QPen Surface::pen(ColorValue color) const {
    QPen p(Color::toQColor(color));
    const int w = std::max(1, drawWidth);
    p.setWidth(w);
    // Round ends and joins like the classic wide pens; a 1-pixel pen keeps
    // its end pixels.
    p.setCapStyle(w == 1 ? Qt::SquareCap : Qt::RoundCap);
    p.setJoinStyle(w == 1 ? Qt::MiterJoin : Qt::RoundJoin);
    // Dash lengths are in pen widths (the toolkit's convention). A 1-pixel
    // pen uses the classic pixel patterns; wider pens the same look scaled.
    const bool thin = w == 1;
    switch (drawStyle) {
    case Dash: p.setDashPattern(thin ? QList<qreal>{18, 6} : QList<qreal>{4, 2}); break;
    case Dot: p.setDashPattern(thin ? QList<qreal>{3, 3} : QList<qreal>{1, 2}); break;
    case DashDot: p.setDashPattern(thin ? QList<qreal>{9, 6, 3, 6} : QList<qreal>{4, 2, 1, 2}); break;
    case DashDotDot: p.setDashPattern(thin ? QList<qreal>{9, 3, 3, 3, 3, 3} : QList<qreal>{4, 2, 1, 2, 1, 2}); break;
    default: p.setStyle(Qt::SolidLine); break;
    }
    if (drawStyle >= Dash && drawStyle <= DashDotDot)
        p.setCapStyle(Qt::FlatCap); // caps would swallow the gaps
    return p;
}

QBrush Surface::fillBrush() const {
    const QColor c = Color::toQColor(fillColor);
    switch (fillStyle) {
    case FillSolid: return QBrush(c, Qt::SolidPattern);
    case FillHorizontal: return QBrush(c, Qt::HorPattern);
    case FillVertical: return QBrush(c, Qt::VerPattern);
    case FillUpwardDiagonal: return QBrush(c, Qt::BDiagPattern);
    case FillDownwardDiagonal: return QBrush(c, Qt::FDiagPattern);
    case FillCross: return QBrush(c, Qt::CrossPattern);
    case FillDiagonalCross: return QBrush(c, Qt::DiagCrossPattern);
    default: return QBrush(Qt::NoBrush);
    }
}

QFont Surface::qfont() const {
    QFont f(font.name);
    // Pictures are 96 pixels per inch whatever the screen says.
    f.setPixelSize(std::max(1, int(std::nearbyint(font.size * PixelsPerPoint))));
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setStrikeOut(font.strikethrough);
    return f;
}

// ---------------------------------------------------------------------------
// Primitives

namespace {

// Draws one figure in the surface's draw mode, aliased. Copy mode paints on
// the image. Exclusive-or mode paints the figure on a transparent layer over
// its bounds and XORs every covered pixel once with the colour the figure has
// there, so outline and interior never cancel each other and drawing the same
// figure twice restores every pixel.
void drawFigure(QImage& img, int drawMode, const QRectF& bounds, const std::function<void(QPainter&)>& draw) {
    if (drawMode != Surface::DrawXor) {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setRenderHint(QPainter::TextAntialiasing, true);
        p.setBackgroundMode(Qt::TransparentMode);
        draw(p);
        return;
    }
    const QRect area = bounds.toAlignedRect().adjusted(-2, -2, 2, 2).intersected(img.rect());
    if (area.isEmpty())
        return;
    QImage layer(area.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(0);
    {
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        p.setBackgroundMode(Qt::TransparentMode);
        p.translate(-area.left(), -area.top());
        draw(p);
    }
    for (int y = 0; y < area.height(); ++y) {
        const QRgb* src = reinterpret_cast<const QRgb*>(layer.constScanLine(y));
        QRgb* dst = reinterpret_cast<QRgb*>(img.scanLine(area.top() + y)) + area.left();
        for (int x = 0; x < area.width(); ++x)
            if (qAlpha(src[x]) >= 128)
                dst[x] ^= src[x] & 0x00FFFFFFu;
    }
}

QRectF normalBox(double x1, double y1, double x2, double y2) {
    return QRectF(QPointF(std::min(x1, x2), std::min(y1, y2)), QPointF(std::max(x1, x2), std::max(y1, y2)));
}

// Bounds of a figure with the pen's reach around it.
QRectF reach(const QRectF& r, int penWidth) {
    const double m = std::max(1, penWidth) / 2.0 + 1;
    return r.normalized().adjusted(-m, -m, m, m);
}

} // namespace

void Surface::line(double x1, double y1, double x2, double y2) { line(x1, y1, x2, y2, foreColor); }

void Surface::line(double x1, double y1, double x2, double y2, ColorValue color) {
    const QPen p = pen(color);
    drawFigure(image_, drawMode, reach(normalBox(x1, y1, x2, y2), drawWidth), [&](QPainter& g) {
        if (x1 == x2 && y1 == y2) {
            QPen dot = p;
            dot.setStyle(Qt::SolidLine);
            g.setPen(dot);
            g.drawPoint(QPointF(x1, y1));
        } else {
            g.setPen(p);
            g.drawLine(QPointF(x1, y1), QPointF(x2, y2));
        }
    });
    currentX = x2;
    currentY = y2;
}

void Surface::box(double x1, double y1, double x2, double y2) { box(x1, y1, x2, y2, foreColor); }

void Surface::box(double x1, double y1, double x2, double y2, ColorValue color) {
    const QRectF r = normalBox(x1, y1, x2, y2);
    const QPen p = pen(color);
    const QBrush b = fillBrush();
    drawFigure(image_, drawMode, reach(r, drawWidth), [&](QPainter& g) {
        if (r.width() == 0 && r.height() == 0) {
            QPen dot = p;
            dot.setStyle(Qt::SolidLine);
            g.setPen(dot);
            g.drawPoint(r.topLeft());
        } else if (r.width() == 0 || r.height() == 0) {
            g.setPen(p);
            g.drawLine(r.topLeft(), r.bottomRight());
        } else {
            g.setPen(p);
            g.setBrush(b);
            g.drawRect(r);
        }
    });
    currentX = x2;
    currentY = y2;
}

void Surface::filledBox(double x1, double y1, double x2, double y2, ColorValue color) {
    const int l = std::max(0, int(std::nearbyint(std::min(x1, x2))));
    const int t = std::max(0, int(std::nearbyint(std::min(y1, y2))));
    const int r = std::min(width() - 1, int(std::nearbyint(std::max(x1, x2))));
    const int b = std::min(height() - 1, int(std::nearbyint(std::max(y1, y2))));
    currentX = x2;
    currentY = y2;
    if (l > r || t > b)
        return;
    const QRgb c = Color::toRgb(color);
    const bool xorMode = drawMode == DrawXor;
    for (int y = t; y <= b; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
        if (xorMode) {
            const QRgb m = c & 0x00FFFFFFu;
            for (int x = l; x <= r; ++x)
                row[x] ^= m;
        } else {
            std::fill(row + l, row + r + 1, c);
        }
    }
}

void Surface::circle(double cx, double cy, double radius, double aspect) { circle(cx, cy, radius, foreColor, aspect); }

void Surface::circle(double cx, double cy, double radius, ColorValue color, double aspect) {
    radius = std::abs(radius);
    if (!(aspect > 0) || !std::isfinite(aspect))
        aspect = 1.0;
    double rx = radius, ry = radius;
    if (aspect < 1.0)
        ry = radius * aspect;
    else if (aspect > 1.0)
        rx = radius / aspect;
    const QPen p = pen(color);
    const QBrush b = fillBrush();
    drawFigure(image_, drawMode, reach(QRectF(cx - rx, cy - ry, 2 * rx, 2 * ry), drawWidth), [&](QPainter& g) {
        g.setPen(p);
        g.setBrush(b);
        if (rx == 0 && ry == 0) { // a circle of no size is a dot
            QPen dot = p;
            dot.setStyle(Qt::SolidLine);
            g.setPen(dot);
            g.drawPoint(QPointF(cx, cy));
        } else {
            g.drawEllipse(QPointF(cx, cy), rx, ry);
        }
    });
}

void Surface::roundRect(int x1, int y1, int x2, int y2, int ew, int eh) {
    const QRectF r = normalBox(x1, y1, x2, y2);
    const QPen p = pen();
    const QBrush b = fillBrush();
    drawFigure(image_, drawMode, reach(r, drawWidth), [&](QPainter& g) {
        g.setPen(p);
        g.setBrush(b);
        g.drawRoundedRect(r, std::max(0, ew) / 2.0, std::max(0, eh) / 2.0, Qt::AbsoluteSize);
    });
}

void Surface::polygon(const QPolygon& points) {
    if (points.isEmpty())
        return;
    const QPen p = pen();
    const QBrush b = fillBrush();
    drawFigure(image_, drawMode, reach(QRectF(points.boundingRect()), drawWidth), [&](QPainter& g) {
        g.setPen(p);
        g.setBrush(b);
        if (points.size() == 1)
            g.drawPoint(points.first());
        else
            g.drawPolygon(points, Qt::OddEvenFill);
    });
}

void Surface::polyline(const QPolygon& points) {
    if (points.isEmpty())
        return;
    const QPen p = pen();
    drawFigure(image_, drawMode, reach(QRectF(points.boundingRect()), drawWidth), [&](QPainter& g) {
        g.setPen(p);
        if (points.size() == 1)
            g.drawPoint(points.first());
        else
            g.drawPolyline(points);
    });
}

void Surface::bezier(const QPolygon& points) {
    if (points.size() < 4)
        return;
    QPainterPath path(points[0]);
    for (int i = 1; i + 2 < points.size(); i += 3)
        path.cubicTo(points[i], points[i + 1], points[i + 2]);
    const QPen p = pen();
    drawFigure(image_, drawMode, reach(path.boundingRect(), drawWidth), [&](QPainter& g) {
        g.setPen(p);
        g.setBrush(Qt::NoBrush);
        g.drawPath(path);
    });
}

namespace {
QStringList textLines(const QString& text) {
    return QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")).split(QLatin1Char('\n'));
}
} // namespace

void Surface::print(const QString& text) {
    const QFont f = qfont();
    const QFontMetrics fm(f);
    const QStringList lines = textLines(text);
    const double left = currentX;
    const double top = currentY;
    const QSize size = textSize(text);
    const QColor c = Color::toQColor(foreColor);
    // Italic overhang and underline may reach a little past the advance.
    const QRectF bounds(left - fm.height(), top, size.width() + 2 * fm.height(), size.height() + fm.descent());
    drawFigure(image_, drawMode, bounds, [&](QPainter& g) {
        g.setFont(f);
        g.setPen(c);
        double y = top;
        for (const QString& l : lines) {
            g.drawText(QPointF(left, y + fm.ascent()), l);
            y += fm.height();
        }
    });
    currentX = left;
    currentY = top + fm.height() * double(lines.size());
}

QSize Surface::textSize(const QString& text) const {
    const QFontMetrics fm(qfont());
    const QStringList lines = textLines(text);
    int w = 0;
    for (const QString& l : lines)
        w = std::max(w, fm.horizontalAdvance(l));
    return QSize(w, fm.height() * int(lines.size()));
}
