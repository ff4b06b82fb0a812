#include "paint/FreehandTools.h"

#include "imaging/Rounding.h"
#include "paint/PaintEnv.h"
#include "paint/PaintLayout.h"
#include "platform/AppContext.h"
#include "platform/Surface.h"

#include <cmath>

namespace Freehand {

namespace {
QRect around(int x1, int y1, int x2, int y2, int margin) {
    return QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2)))
        .adjusted(-margin, -margin, margin, margin);
}
} // namespace

QRect eraseAt(Surface& canvas, int x, int y, int w) {
    canvas.drawMode = Surface::DrawCopy;
    canvas.drawWidth = w;
    canvas.fillStyle = Surface::FillTransparent;
    canvas.box(x, y, x + w, y - w, canvas.backColor);
    return around(x, y, x + w, y - w, w);
}

QRect StampBrush(Surface& canvas, int shape, int x, int y, int w, ColorValue color, int fillStyle) {
    const int savedWidth = canvas.drawWidth;
    const int s = 3 * w;
    canvas.drawMode = Surface::DrawCopy;
    canvas.drawWidth = 1;
    canvas.foreColor = color;
    canvas.fillColor = color;
    canvas.fillStyle = shape <= 1 ? fillStyle : Surface::FillTransparent;
    switch (shape) {
    case 0: canvas.filledBox(x - s, y - s, x + s, y + s, color); break;
    case 1: canvas.circle(x, y, s); break;
    case 2: canvas.box(x - s, y - s, x + s, y + s); break;
    case 3: canvas.circle(x, y, s); break;
    case 4:
        canvas.line(x - s, y, x + s, y);
        canvas.line(x, y - s, x, y + s);
        break;
    case 5:
        canvas.line(x - s, y + s, x + s, y - s);
        canvas.line(x - s, y - s, x + s, y + s);
        break;
    case 6: canvas.line(x - s, y + s, x + s, y - s); break;
    case 7: canvas.line(x - s, y - s, x + s, y + s); break;
    case 8: canvas.line(x - s, y, x + s, y); break;
    case 9: canvas.line(x, y - s, x, y + s); break;
    default: break;
    }
    canvas.drawWidth = savedWidth;
    return around(x - s, y - s, x + s, y + s, 2);
}

QRect SprayAirBrush(Surface& canvas, int x, int y, int size) {
    const int savedWidth = canvas.drawWidth;
    canvas.drawWidth = 1;
    Random& random = AppContext::instance().random;
    random.reseedFromClock();
    const int n = Rounding::halfEven(double(size) * size * 0.25);
    const ColorValue c = canvas.foreColor;
    for (int i = 0; i < n; ++i) {
        const double u1 = random.next();
        const double u2 = random.next();
        canvas.pset(Rounding::halfEven(x - size / 2.0 + size * u1), Rounding::halfEven(y - size / 2.0 + size * u2), c);
    }
    canvas.drawWidth = savedWidth;
    return around(x - size / 2, y - size / 2, x + size / 2, y + size / 2, 2);
}

} // namespace Freehand

namespace {

// The canvas in copy mode with the foreground colour as its pen.
Surface& penInForeground(PaintEnv& env) {
    Surface& c = env.canvas();
    c.drawMode = Surface::DrawCopy;
    c.foreColor = env.state().foreColor;
    return c;
}

class PickColorTool : public PaintTool {
public:
    using PaintTool::PaintTool;
    void press(const ToolEvent& e) override {
        const qint64 c = env().canvas().point(e.x, e.y);
        if (c < 0)
            return; // outside the picture: the colour stays
        if (e.button == Qt::LeftButton)
            env().state().foreColor = ColorValue(c);
        else if (e.button == Qt::RightButton)
            env().state().fillColor = ColorValue(c);
        env().colorsChanged();
    }
};

class EraserTool : public PaintTool {
public:
    using PaintTool::PaintTool;
    void press(const ToolEvent& e) override { erase(e); }
    void move(const ToolEvent& e) override { erase(e); }

private:
    void erase(const ToolEvent& e) {
        if (e.button == Qt::RightButton)
            return;
        env().refreshCanvas(Freehand::eraseAt(env().canvas(), e.x, e.y, env().state().lineWidth()));
    }
};

class FillTool : public PaintTool {
public:
    using PaintTool::PaintTool;
    void press(const ToolEvent& e) override {
        if (e.button != Qt::LeftButton)
            return;
        Surface& c = penInForeground(env());
        c.fillColor = env().state().foreColor;
        c.fillStyle = env().state().fillStyle;
        c.floodFill(e.x, e.y);
        env().refreshCanvas();
    }
};

class PencilTool : public PaintTool {
public:
    using PaintTool::PaintTool;
    void press(const ToolEvent& e) override {
        if (e.button != Qt::LeftButton)
            return;
        Surface& c = penInForeground(env());
        const int w = env().state().lineWidth();
        c.drawWidth = w;
        c.box(e.x, e.y, e.x, e.y);
        env().refreshCanvas(QRect(e.x - w, e.y - w, 2 * w + 1, 2 * w + 1));
    }
    void move(const ToolEvent& e) override {
        PaintState& s = env().state();
        s.end = s.start;
        s.start = QPoint(e.x, e.y);
        Surface& c = env().canvas();
        c.line(s.end.x(), s.end.y(), s.start.x(), s.start.y());
        const int m = c.drawWidth + 1;
        env().refreshCanvas(QRect(s.end, s.start).normalized().adjusted(-m, -m, m, m));
    }
};

class AirBrushTool : public PaintTool {
public:
    using PaintTool::PaintTool;
    void press(const ToolEvent& e) override {
        if (e.button != Qt::LeftButton)
            return;
        penInForeground(env());
        spray(e);
    }
    void move(const ToolEvent& e) override { spray(e); }

private:
    void spray(const ToolEvent& e) {
        env().refreshCanvas(Freehand::SprayAirBrush(env().canvas(), e.x, e.y, 4 * env().state().lineWidth()));
    }
};

class BrushTool : public PaintTool {
public:
    using PaintTool::PaintTool;
    void press(const ToolEvent& e) override {
        if (e.button == Qt::LeftButton)
            stamp(e);
    }
    void move(const ToolEvent& e) override { stamp(e); }

private:
    void stamp(const ToolEvent& e) {
        const PaintState& s = env().state();
        env().refreshCanvas(
            Freehand::StampBrush(env().canvas(), s.brushShape, e.x, e.y, s.lineWidth(), s.foreColor, s.fillStyle));
    }
};

// Pans the view by moving the scroll bars so that the canvas follows the
// pointer; while panning the canvas works in twips.
class HandTool : public PaintTool {
public:
    using PaintTool::PaintTool;
    void press(const ToolEvent& e) override {
        if (e.button != Qt::LeftButton)
            return;
        PaintState& s = env().state();
        env().canvas().scaleMode = Surface::ScaleTwips;
        env().setToolCursor(QStringLiteral("handgrab.cur"));
        const QPoint place = env().canvasPlace();
        s.start = QPoint(Rounding::halfEven(e.fx * PaintLayout::TwipsPerPixel) + place.x(),
                         Rounding::halfEven(e.fy * PaintLayout::TwipsPerPixel) + place.y());
        s.dragOrigin = place;
        s.drag = true;
    }
    void move(const ToolEvent& e) override {
        const PaintState& s = env().state();
        if (!s.drag)
            return;
        const QPoint place = env().canvasPlace();
        const double px = e.fx * PaintLayout::TwipsPerPixel, py = e.fy * PaintLayout::TwipsPerPixel;
        if (const ScrollState h = env().hScroll(); h.visible)
            env().setHScrollValue(panValue(s.dragOrigin.x(), s.start.x(), place.x(), px, h));
        if (const ScrollState v = env().vScroll(); v.visible)
            env().setVScrollValue(panValue(s.dragOrigin.y(), s.start.y(), place.y(), py, v));
        env().refreshCanvas();
    }
    void release(const ToolEvent&) override { stop(); }
    void deactivated() override {
        if (env().state().drag)
            stop();
    }

    // The bar value that puts the canvas's edge where the pointer has dragged
    // it: t = origin - (start - (place + pointer)), in twips; one scroll unit
    // is 10 twips.
    static int panValue(int origin, int start, int place, double pointer, const ScrollState& bar) {
        const double t = std::nearbyint(origin - (start - (place + pointer)));
        const int v = Rounding::halfEven((place - t) / 10.0 + bar.value);
        return std::clamp(v, bar.minimum, bar.maximum);
    }

private:
    void stop() {
        env().state().drag = false;
        env().canvas().scaleMode = Surface::ScalePixels;
        env().setToolCursor(QStringLiteral("handflat.cur"));
    }
};

} // namespace

std::unique_ptr<PaintTool> createFreehandTool(int index, PaintEnv& env) {
    switch (index) {
    case Tool::PickColor: return std::make_unique<PickColorTool>(index, env);
    case Tool::Eraser: return std::make_unique<EraserTool>(index, env);
    case Tool::Fill: return std::make_unique<FillTool>(index, env);
    case Tool::Pencil: return std::make_unique<PencilTool>(index, env);
    case Tool::AirBrush: return std::make_unique<AirBrushTool>(index, env);
    case Tool::Brush: return std::make_unique<BrushTool>(index, env);
    case Tool::Hand: return std::make_unique<HandTool>(index, env);
    default: return nullptr;
    }
}
