#include "paint/PaintEffects.h"

#include "imaging/Effect.h"
#include "imaging/Filter.h"
#include "paint/PaintEnv.h"
#include "paint/PaintState.h"
#include "platform/AppContext.h"
#include "platform/Canvas.h"
#include "platform/Surface.h"

#include <QWidget>
#include <cmath>

namespace PaintEffects {

namespace {

constexpr int TwipsPerPixel = 15;

// Forwards to the window's effect host and notes whether the effect reported
// a failure.
class WatchedHost : public EffectHost {
public:
    explicit WatchedHost(EffectHost& inner) : inner_(inner) {}
    bool failed = false;
    void DrawSelectionRect() override { inner_.DrawSelectionRect(); }
    void AdjustPaintResizeBox() override { inner_.AdjustPaintResizeBox(); }
    void Form_Resize() override { inner_.Form_Resize(); }
    void refresh() override { inner_.refresh(); }
    void setTargetVisible(Surface& target, bool visible) override { inner_.setTargetVisible(target, visible); }
    void ShowErrorMessage(int code, const QString& description) override {
        failed = true;
        inner_.ShowErrorMessage(code, description);
    }

private:
    EffectHost& inner_;
};

// While a long pixel loop holds the thread, update() paints nothing: each
// refresh of the target repaints the canvas (or the selection) at once. The
// window repaints the status bar's progress itself.
class SynchronousRepaint {
public:
    SynchronousRepaint(PaintEnv& env, Surface& target) : target_(target), previous_(target.onRefresh) {
        QWidget* view = &target == &env.canvas() ? static_cast<QWidget*>(env.picPaint()) : env.picSelect();
        target.onRefresh = [this, view] {
            if (previous_)
                previous_();
            if (view)
                view->repaint();
        };
    }
    ~SynchronousRepaint() { target_.onRefresh = previous_; }
    SynchronousRepaint(const SynchronousRepaint&) = delete;
    SynchronousRepaint& operator=(const SynchronousRepaint&) = delete;

private:
    Surface& target_;
    std::function<void()> previous_;
};

bool selectionShown(PaintEnv& env) { return env.hooks().selectionShown && env.hooks().selectionShown(); }

void drawSelectionRect(PaintEnv& env) {
    if (env.hooks().drawSelectionRect)
        env.hooks().drawSelectionRect();
}

// The floating selection when it is shown; otherwise the pending figure is
// finished and the canvas is the target.
Surface& target(PaintEnv& env) {
    if (selectionShown(env))
        return env.selectSurface();
    env.FinishFigure();
    return env.canvas();
}

// Records the run of an effect or filter on the canvas, between the two
// marquee toggles that keep a shown selection's marquee in place.
void recordRun(PaintEnv& env, bool onSelection) {
    drawSelectionRect(env);
    if (!onSelection)
        env.SetImageBuffer();
    drawSelectionRect(env);
}

void syncView(PaintEnv& env, bool onSelection) {
    SurfaceCanvas* view = onSelection ? env.picSelect() : env.picPaint();
    if (view)
        view->syncToSurface();
}

} // namespace

bool RunEffect(PaintEnv& env, const EffectChoices& choices, int mode, float factor, float angle) {
    env.ZoomImage(0, 0, true);
    const bool onSelection = selectionShown(env);
    Surface& surface = target(env);
    AppContext& app = AppContext::instance();
    if (mode == mdlEffect::Scale) {
        const float sx = choices.resize == EffectChoices::HeightOnly ? 1.0f : factor;
        const float sy = choices.resize == EffectChoices::WidthOnly ? 1.0f : factor;
        if (double(surface.width()) * TwipsPerPixel * sx > ResizeLimitTwips ||
            double(surface.height()) * TwipsPerPixel * sy > ResizeLimitTwips)
            return false;
        app.EffectScaleX = sx;
        app.EffectScaleY = sy;
    } else if (mode == mdlEffect::Rotate) {
        app.EffectClockwise = choices.clockwise;
        app.EffectAngle = angle;
    }
    const QImage before = surface.image();
    WatchedHost host(env.effectHost());
    {
        SynchronousRepaint repaint(env, surface);
        mdlEffect::ImageEffect(mode, surface, env.picImageEffect(), host);
    }
    if (host.failed) {
        surface.image() = before;
        surface.refresh();
        syncView(env, onSelection);
        env.AdjustPaintResizeBox();
        env.Form_Resize();
        return false;
    }
    syncView(env, onSelection);
    recordRun(env, onSelection);
    return true;
}

void RotateHalfTurn(PaintEnv& env, const EffectChoices& choices) {
    if (RunEffect(env, choices, mdlEffect::MirrorLeftRight, 0, 0))
        RunEffect(env, choices, mdlEffect::MirrorTopBottom, 0, 0);
}

void ClearPicture(PaintEnv& env) {
    env.ZoomImage(0, 0, true);
    env.FinishFigure();
    Surface& canvas = env.canvas();
    const int mode = canvas.drawMode;
    canvas.drawMode = Surface::DrawCopy;
    canvas.clear();
    canvas.drawMode = mode;
    canvas.refresh();
    env.SetImageBuffer();
}

void RunFilter(PaintEnv& env, int kind, int x, int y) {
    const PaintState& state = env.state();
    mdlFilter::FilterContext context = env.filterContext();
    if (kind == mdlFilter::ReplaceColors) {
        context.replaceColor = state.foreColor;
        context.replacement = state.fillColor;
    }
    if (x != -1 || y != -1) {
        const int d = state.dotSize;
        if (x + d < 0 || y + d < 0)
            return;
        int x1 = x - d, y1 = y - d, x2 = x + d, y2 = y + d;
        mdlFilter::ApplyFilter(kind, env.canvas(), x1, y1, x2, y2, context);
        return;
    }
    env.ZoomImage(0, 0, true);
    const bool onSelection = selectionShown(env);
    Surface& surface = target(env);
    {
        SynchronousRepaint repaint(env, surface);
        int x1 = -1, y1 = -1, x2 = -1, y2 = -1;
        mdlFilter::ApplyFilter(kind, surface, x1, y1, x2, y2, context);
    }
    recordRun(env, onSelection);
}

} // namespace PaintEffects
