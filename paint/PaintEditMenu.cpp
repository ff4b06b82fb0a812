// The Edit menu's selection commands and Format > Font, wired to the
// window's selection and text-box controllers.
#include "paint/PaintEditMenu.h"

#include "paint/PaintEnv.h"
#include "paint/PaintMenus.h"
#include "paint/SelectionController.h"
#include "paint/TextBoxController.h"
#include "platform/AppError.h"

#include <QAction>
#include <QMenu>
#include <exception>

namespace {

using Command = void (*)(PaintEnv&);

struct Item {
    const char* name;
    Command run;
    bool enabledAtStart;
};

const Item Items[] = {
    {"mnuCut", [](PaintEnv& env) { SelectionController::of(env).cut(); }, false},
    {"mnuCopy", [](PaintEnv& env) { SelectionController::of(env).copy(); }, false},
    {"mnuPaste", [](PaintEnv& env) { SelectionController::of(env).paste(); }, false},
    {"mnuDelete", [](PaintEnv& env) { SelectionController::of(env).deleteSelection(); }, false},
    {"mnuCrop", [](PaintEnv& env) { SelectionController::of(env).crop(); }, false},
    {"mnuSelectAll", [](PaintEnv& env) { SelectionController::of(env).selectAll(); }, true},
    {"mnuFont", [](PaintEnv& env) { TextBoxController::of(env).chooseFont(); }, true},
};

} // namespace

void wirePaintEdit(PaintMenus& menus, PaintEnv& env) {
    SelectionController& selection = SelectionController::of(env);
    TextBoxController::of(env);
    for (const Item& item : Items) {
        QAction* a = menus.action(QLatin1String(item.name));
        if (!a)
            continue;
        a->setEnabled(item.enabledAtStart);
        const Command run = item.run;
        QObject::connect(a, &QAction::triggered, &selection, [run, &env] {
            try {
                run(env);
            } catch (const std::exception& e) {
                env.ShowErrorMessage(0, ErrorDescription(e));
            }
        });
    }
    // Paste follows the clipboard, also what other programs put there.
    selection.updatePaste();
    if (QMenu* edit = menus.menu(QStringLiteral("mnuEdit")))
        QObject::connect(edit, &QMenu::aboutToShow, &selection, &SelectionController::updatePaste);
}
