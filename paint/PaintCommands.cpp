#include "paint/PaintCommands.h"

#include "imaging/Effect.h"
#include "imaging/Rounding.h"
#include "paint/PaintEnv.h"
#include "paint/PaintHistory.h"
#include "paint/PaintLayout.h"
#include "platform/AppContext.h"
#include "platform/AppError.h"
#include "platform/Canvas.h"
#include "platform/Surface.h"

#include <QWidget>
#include <cmath>

namespace PaintCommands {

int boxSide(const QString& text) {
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v))
        throw AppError(13, QStringLiteral("Type mismatch"));
    if (v < 1)
        return 1;
    if (v > PaintLayout::MaxCanvasSide)
        return PaintLayout::MaxCanvasSide;
    return std::max(1, Rounding::halfEven(v));
}

void resetForNew(PaintEnv& env, bool keepPicture) {
    env.ZoomImage(0, 0, true);
    Surface& canvas = env.canvas();
    if (keepPicture) {
        env.picZoom().image() = canvas.image(); // shared: no pixels are copied
    } else {
        env.picZoom().resize(canvas.width(), canvas.height());
        env.picZoom().clear();
        canvas.clear();
    }
    PaintState& s = env.state();
    s.changed = false;
    s.polygonUnderWay = false;
    s.polygon.assign(1, QPoint());
    for (int i = 0; i < 4; ++i)
        if (QWidget* h = env.imgBezier(i))
            h->hide();
    s.zoom = 1.0f;
    env.AdjustPaintResizeBox();
    env.history().reset(canvas.image());
    env.setActionEnabled("mnuUndo", false);
    env.setActionEnabled("mnuRedo", false);
    if (env.hooks().hideSelection)
        env.hooks().hideSelection();
    else if (env.picSelect())
        env.picSelect()->hide();
    s.freshSelection = false;
    for (const char* name : {"mnuCut", "mnuCopy", "mnuDelete", "mnuCrop"})
        env.setActionEnabled(name, false);
    canvas.refresh();
}

bool runEffectOnCanvas(PaintEnv& env, int mode, float factor, float angle) {
    AppContext& ctx = AppContext::instance();
    Surface& canvas = env.canvas();
    if (mode == mdlEffect::Scale) {
        ctx.EffectScaleX = factor;
        ctx.EffectScaleY = factor;
        const double t = PaintLayout::TwipsPerPixel;
        if (canvas.width() * t * factor > 50000 || canvas.height() * t * factor > 50000)
            return false;
    } else if (mode == mdlEffect::Rotate) {
        ctx.EffectAngle = angle;
        ctx.EffectClockwise = true;
    }
    mdlEffect::ImageEffect(mode, canvas, env.picImageEffect(), env.effectHost());
    return true;
}

} // namespace PaintCommands
