// Wiring of the Effect and Filter menus, the filter-tool popup and Help >
// About, from a table of items and what each runs.
#include "paint/PaintEffectsMenu.h"

#include "imaging/Effect.h"
#include "paint/PaintEffects.h"
#include "paint/PaintEnv.h"
#include "paint/PaintMenus.h"
#include "paint/ZoomView.h"
#include "platform/AboutWindow.h"
#include "platform/AppError.h"
#include "platform/Canvas.h"

#include <QAction>
#include <QMenu>
#include <memory>

namespace {

struct EffectItem {
    const char* name;
    int mode;
    float factor, angle;
};

constexpr EffectItem EffectItems[] = {
    {"mnuResize25", mdlEffect::Scale, 0.25f, 0},   {"mnuResize50", mdlEffect::Scale, 0.5f, 0},
    {"mnuResize75", mdlEffect::Scale, 0.75f, 0},   {"mnuResize125", mdlEffect::Scale, 1.25f, 0},
    {"mnuResize150", mdlEffect::Scale, 1.5f, 0},   {"mnuResize175", mdlEffect::Scale, 1.75f, 0},
    {"mnuResize200", mdlEffect::Scale, 2.0f, 0},   {"mnuFlipHorizontal", mdlEffect::MirrorLeftRight, 0, 0},
    {"mnuFlipVertical", mdlEffect::MirrorTopBottom, 0, 0},
    {"mnuRotate45", mdlEffect::Rotate, 0, 45},     {"mnuRotate90", mdlEffect::Rotate, 0, 90},
    {"mnuRotate135", mdlEffect::Rotate, 0, 135},   {"mnuRotate225", mdlEffect::Rotate, 0, 225},
    {"mnuRotate270", mdlEffect::Rotate, 0, 270},   {"mnuRotate315", mdlEffect::Rotate, 0, 315},
    {"mnuFilters9", mdlEffect::Invert, 0, 0}, // "&Invert Colors" is an effect
};

// Filter menu items mnuFilters<kind>; 9 is the effect above.
constexpr int FilterKinds[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13};

void onTriggered(PaintMenus& menus, const QString& name, PaintEnv& env, std::function<void()> run) {
    QAction* a = menus.action(name);
    if (!a)
        return;
    a->setEnabled(true);
    QObject::connect(a, &QAction::triggered, a, [&env, run = std::move(run)] {
        try {
            run();
        } catch (const std::exception& e) {
            env.ShowErrorMessage(0, ErrorDescription(e));
        }
    });
}

} // namespace

void wirePaintEffects(PaintMenus& menus, PaintEnv& env) {
    auto choices = std::make_shared<EffectChoices>();

    env.hooks().zoomImage = [&env](double fx, double fy, bool reset) { ZoomView::ZoomImage(env, fx, fy, reset); };
    env.hooks().runEffect = [&env, choices](int mode, float factor, float angle) {
        PaintEffects::RunEffect(env, *choices, mode, factor, angle);
    };

    for (const EffectItem& item : EffectItems)
        onTriggered(menus, QLatin1String(item.name), env, [&env, choices, item] {
            PaintEffects::RunEffect(env, *choices, item.mode, item.factor, item.angle);
        });
    onTriggered(menus, QStringLiteral("mnuRotate180"), env, [&env, choices] { PaintEffects::RotateHalfTurn(env, *choices); });
    onTriggered(menus, QStringLiteral("mnuClear"), env, [&env] { PaintEffects::ClearPicture(env); });
    for (int kind : FilterKinds)
        onTriggered(menus, QStringLiteral("mnuFilters%1").arg(kind), env, [&env, kind] { PaintEffects::RunFilter(env, kind); });

    // Checked choices of the Resize and Rotate submenus.
    const std::pair<const char*, EffectChoices::Axes> axes[] = {{"mnuResizeBoth", EffectChoices::Both},
                                                                {"mnuResizeWidth", EffectChoices::WidthOnly},
                                                                {"mnuResizeHeight", EffectChoices::HeightOnly}};
    for (const auto& [name, value] : axes)
        onTriggered(menus, QLatin1String(name), env, [choices, value = value] { choices->resize = value; });
    onTriggered(menus, QStringLiteral("mnuClockwise"), env, [choices] { choices->clockwise = true; });
    onTriggered(menus, QStringLiteral("mnuAntiClockwise"), env, [choices] { choices->clockwise = false; });

    // The filter brush's tool menu: the item's index is the filter kind.
    for (int i = 0; i < 14; ++i)
        onTriggered(menus, QStringLiteral("mnuFilterTools%1").arg(i), env, [&menus, &env, i] {
            menus.checkOnly(QStringLiteral("mnuFilterTools"), i);
            env.state().filterTool = i;
            if (env.picPaint())
                env.picPaint()->setFocus();
        });

    // About, modal and owned by the paint window.
    onTriggered(menus, QStringLiteral("mnuAbout"), env, [&env] {
        QWidget* owner = env.window();
        if (owner)
            owner->setEnabled(false);
        auto* about = new frmAbout(owner);
        about->setEnabled(true);
        if (owner)
            about->move(owner->geometry().center() - about->rect().center());
        about->show();
    });
}
