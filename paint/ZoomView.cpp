#include "paint/ZoomView.h"

#include "imaging/Effect.h"
#include "paint/PaintEnv.h"
#include "paint/PaintState.h"
#include "paint/ZoomMath.h"
#include "platform/AppContext.h"
#include "platform/Canvas.h"
#include "platform/Surface.h"

#include <QWidget>

namespace ZoomView {

namespace {

void showResizeHandles(PaintEnv& env, bool shown) {
    QWidget* window = env.window();
    if (!window)
        return;
    for (int i = 0; i < 3; ++i)
        if (QWidget* handle = window->findChild<QWidget*>(QStringLiteral("picPaintResize%1").arg(i)))
            handle->setVisible(shown);
}

void showReference(PaintEnv& env) {
    Surface& canvas = env.canvas();
    canvas.image() = env.picZoom().image();
    canvas.drawMode = Surface::DrawCopy;
    if (env.picPaint())
        env.picPaint()->syncToSurface();
}

} // namespace

void TakeReference(PaintEnv& env) {
    if (env.state().zoom != 1.0f)
        return;
    env.picZoom().image() = env.canvas().image();
}

void ZoomImage(PaintEnv& env, double focusX, double focusY, bool reset) {
    PaintState& state = env.state();
    if (reset) {
        if (state.zoom == 1.0f)
            return;
        state.zoom = 1.0f;
        showReference(env);
        env.canvas().refresh();
        env.AdjustPaintResizeBox();
        env.Form_Resize();
        showResizeHandles(env, true);
        return;
    }
    AppContext& app = AppContext::instance();
    app.EffectScaleX = state.zoom;
    app.EffectScaleY = state.zoom;
    showResizeHandles(env, false);
    showReference(env);
    mdlEffect::ImageEffect(mdlEffect::Scale, env.canvas(), env.picImageEffect(), env.effectHost());
    if (env.picPaint())
        env.picPaint()->syncToSurface();
    env.Form_Resize();

    const PaintMetrics m = env.metrics();
    const double canvasWidth = double(env.canvas().width()) * ZoomMath::TwipsPerPixel;
    const double canvasHeight = double(env.canvas().height()) * ZoomMath::TwipsPerPixel;
    const ScrollState h = env.hScroll();
    if (h.visible) {
        const double view = m.windowWidth - m.toolColumnWidth - m.vBarWidth;
        env.setHScrollValue(ZoomMath::FocusScrollValue(focusX, view, canvasWidth, h.maximum));
    }
    const ScrollState v = env.vScroll();
    if (v.visible) {
        const double view = m.clientHeight - m.colorBarHeight - m.hBarHeight - m.statusBarHeight;
        env.setVScrollValue(ZoomMath::FocusScrollValue(focusY, view, canvasHeight, v.maximum));
    }
    if (env.picPaint())
        env.picPaint()->setFocus();
}

bool Click(PaintEnv& env, int x, int y, bool ctrl) {
    PaintState& state = env.state();
    TakeReference(env);
    const Surface& reference = env.picZoom();
    constexpr double t = ZoomMath::TwipsPerPixel;
    if (!ctrl) {
        if (!ZoomMath::CanZoomIn(reference.width(), reference.height(), state.zoom))
            return false;
        state.zoom = ZoomMath::ZoomedIn(state.zoom);
        env.ZoomImage(t * x * ZoomMath::Step, t * y * ZoomMath::Step, false);
    } else {
        state.zoom = ZoomMath::ZoomedOut(state.zoom);
        env.ZoomImage(t * x / ZoomMath::Step, t * y / ZoomMath::Step, false);
    }
    return true;
}

} // namespace ZoomView
