#pragma once
// The picture surface: a retained 32-bit RGB picture plus the drawing state
// every picture of the designer is drawn with (pen, fill, font, draw mode,
// text position). All coordinates are pixels unless a function says otherwise.
//
// Pixel access is O(1) on the image buffer; filters and effects may also work
// on image() directly with scanLine()/bits() and call refresh() when done.
#include "platform/Color.h"

#include <QImage>
#include <QLine>
#include <QPainter>
#include <QPolygon>
#include <QString>
#include <functional>
#include <vector>

// What exclusive-or drawings changed on a surface: runs of pixels with the
// value each run was XORed with. Surface::erase() XORs them once more, which
// takes exactly those drawings away, as long as nothing was drawn over them
// in copy mode meanwhile. The cost of recording and erasing follows the
// pixels drawn, not the figure's bounding box.
class XorTrace {
public:
    bool empty() const { return runs_.empty(); }
    void clear() { runs_.clear(); }
    // Pixels recorded; a pixel XORed twice counts twice.
    qsizetype pixels() const;

private:
    friend class Surface;
    struct Run {
        int x, y, length;
        QRgb mask; // the colour bits XORed into every pixel of the run
    };
    void add(int x, int y, QRgb mask) { addRun(x, y, 1, mask); }
    void addRun(int x, int y, int length, QRgb mask);
    std::vector<Run> runs_;
};

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
    // While set, every exclusive-or drawing (primitives, pset, filledBox)
    // also appends the pixels it changed to this trace.
    XorTrace* trace = nullptr;
    // XORs the pixels of a trace once more, removing what was recorded, and
    // empties it. Runs outside the surface (after a resize) are skipped.
    void erase(XorTrace& trace);

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
    // Separate segments drawn as one figure in the pen (in exclusive-or mode
    // a pixel where two of them meet changes once); a segment of no length
    // is a dot. The text position moves to the last segment's end.
    void lines(const QVector<QLine>& segments);
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
        if (drawMode != DrawXor) {
            row[x] = Color::toRgb(color);
            return;
        }
        const QRgb mask = Color::toRgb(color) & 0x00FFFFFFu;
        row[x] = (row[x] ^ mask) | 0xFF000000u;
        if (trace)
            trace->add(x, y, mask);
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

    // Where a figure drawn in exclusive-or mode can reach: everything lies
    // in bounds; when the outline is given, everything also lies within
    // reach pixels of its lines (an unfilled figure), and only that band is
    // examined.
    struct Coverage {
        QRectF bounds;
        QList<QPolygonF> outline;
        double reach = 0;
    };

private:
    // Draws one figure in the draw mode, aliased (SurfaceXor.cpp).
    void drawFigure(const Coverage& coverage, const std::function<void(QPainter&)>& draw);
    void drawXor(const Coverage& coverage, const std::function<void(QPainter&)>& draw);

    QImage image_;
    // Exclusive-or drawing paints on this transparent layer of the image's
    // size and XORs every covered pixel once with the colour the figure has
    // there; the examined tiles are cleared again at once, so the layer is
    // kept (allocated on first use) and never scanned whole.
    QImage xorLayer_;
    std::vector<unsigned char> tileMarks_;
    std::vector<int> tiles_;
};
