#pragma once
// The picture surface: a retained 32-bit RGB picture plus the drawing state
// every picture of the designer is drawn with (pen, fill, font, draw mode,
// text position). All coordinates are pixels unless a function says otherwise.
//
// Pixel access is O(1) on the image buffer; filters and effects may also work
// on image() directly with scanLine()/bits() and call refresh() when done.
#include "platform/Color.h"

#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QString>
#include <functional>

struct SurfaceFont {
    QString name = QStringLiteral("Arial");
    double size = 8.25; // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
};

class Surface {
public:
    enum PenStyle { Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4 };
    enum DrawModeValue { DrawXor = 7, DrawCopy = 13 }; // pixel XOR pen colour / plain copy
    enum FillStyleValue {
        FillSolid = 0,
        FillTransparent = 1,
        FillHorizontal = 2,
        FillVertical = 3,
        FillUpwardDiagonal = 4,   // lines rising to the right
        FillDownwardDiagonal = 5, // lines falling to the right
        FillCross = 6,
        FillDiagonalCross = 7
    };
    enum ScaleModeValue { ScaleTwips = 1, ScalePixels = 3 };
    enum class Rop { SrcCopy, SrcInvert }; // SrcInvert: destination XOR source

    explicit Surface(int width = 1, int height = 1, ColorValue back = Color::White);

    // --- retained image -------------------------------------------------
    QImage& image() { return image_; } // always QImage::Format_RGB32
    const QImage& image() const { return image_; }
    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    // Width/height in the scale unit (pixels, or twips = 15 per pixel).
    int scaleWidth() const { return scaleMode == ScaleTwips ? width() * 15 : width(); }
    int scaleHeight() const { return scaleMode == ScaleTwips ? height() * 15 : height(); }

    // New size; the overlapping part is kept, new area takes the back colour.
    // Sizes below 1 are taken as 1. A size that cannot be allocated throws
    // std::bad_alloc and leaves the surface as it was.
    void resize(int width, int height);
    // Fill with the back colour and move the text position to (0, 0).
    void clear();
    // Show a picture: with autoSize the surface takes the picture's size
    // first; the picture is drawn at (0, 0). A null picture clears.
    void setPicture(const QImage& picture);
    // Hand the retained image to the screen (calls onRefresh if set).
    void refresh() const;

    // --- drawing state --------------------------------------------------
    ColorValue backColor = Color::White;
    ColorValue foreColor = Color::Black; // pen colour
    ColorValue fillColor = Color::Black;
    int drawWidth = 1;                   // pen width in pixels
    int drawStyle = Solid;
    int drawMode = DrawCopy;
    int fillStyle = FillTransparent;
    SurfaceFont font;
    double currentX = 0; // text position
    double currentY = 0;
    int scaleMode = ScalePixels;
    bool autoSize = false;
    std::function<void()> onRefresh;

    // --- primitives (pen = foreColor/drawWidth/drawStyle, in drawMode) ---
    void line(double x1, double y1, double x2, double y2);
    void line(double x1, double y1, double x2, double y2, ColorValue color);
    // Box with corners (x1, y1), (x2, y2) inclusive: outline in the pen,
    // interior in the fill style (nothing inside with a transparent fill).
    void box(double x1, double y1, double x2, double y2);
    void box(double x1, double y1, double x2, double y2, ColorValue color);
    // The box filled with a colour (pen ignored), corners inclusive.
    void filledBox(double x1, double y1, double x2, double y2, ColorValue color);
    // Circle or ellipse by centre and radius; aspect = height / width; the
    // radius applies to the longer axis. Interior in the fill style.
    void circle(double cx, double cy, double radius, double aspect = 1.0);
    void circle(double cx, double cy, double radius, ColorValue color, double aspect = 1.0);
    // Rounded rectangle with a corner ellipse of ew x eh pixels; outline in the
    // pen, interior in the fill style.
    void roundRect(int x1, int y1, int x2, int y2, int ew, int eh);
    // Closed polygon: outline in the pen, interior in the fill style.
    void polygon(const QPolygon& points);
    void polyline(const QPolygon& points);
    // Cubic Bezier: 1 + 3n points (start, then control, control, end per piece).
    void bezier(const QPolygon& points);
    // Draw text at the text position in the font and pen colour; the text
    // position moves to the start of the next line.
    void print(const QString& text);
    // Width and height of a text in the current font, in pixels.
    QSize textSize(const QString& text) const;

    // Colour value at (x, y), or -1 outside the surface.
    qint64 point(int x, int y) const {
        if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height())
            return -1;
        return Color::fromRgb(reinterpret_cast<const QRgb*>(image_.constScanLine(y))[x]);
    }
    // Write one pixel in the draw mode; nothing happens outside the surface.
    void pset(int x, int y, ColorValue color) {
        if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height())
            return;
        QRgb* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
        row[x] = drawMode == DrawXor ? (row[x] ^ (Color::toRgb(color) & 0x00FFFFFF)) | 0xFF000000u
                                     : Color::toRgb(color);
    }

    // Flood fill by surface colour: every pixel 4-connected to (x, y) that has
    // exactly the colour of (x, y) takes the current fill (fillColor in
    // fillStyle; a transparent fill style fills solid). Iterative scanline fill.
    void floodFill(int x, int y);
    void floodFill(int x, int y, ColorValue color); // solid fill in the given colour

    // Stretched copy of the rectangle (sx, sy, sw, sh) of a picture into the
    // destination rectangle (dx, dy, dw, dh). sw/sh < 0 in the call means the
    // whole picture. A negative dw or dh mirrors (the rectangle then extends
    // left / up from dx, dy). Nearest-pixel sampling.
    void paintPicture(const QImage& picture, int dx, int dy, int dw, int dh, int sx = 0, int sy = 0,
                      int sw = -1, int sh = -1, Rop rop = Rop::SrcCopy);

    // Draw with a QPainter on the retained image (antialiased when asked),
    // for the shape renderer and anything else that needs paths.
    template <class F> void paint(F&& draw, bool antialias = true) {
        QPainter p(&image_);
        p.setRenderHint(QPainter::Antialiasing, antialias);
        draw(p);
    }

    // The pen / brush of the current state, for use with paint().
    QPen pen() const;
    QPen pen(ColorValue color) const;
    QBrush fillBrush() const;
    QFont qfont() const;

private:
    QImage image_;
};
