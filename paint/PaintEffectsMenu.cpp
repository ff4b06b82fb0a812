#include "paint/PaintEffectsMenu.h"

#include "paint/PaintMenus.h"

#include <QAction>
#include <QMenu>

void wirePaintEffects(PaintMenus& menus, PaintEnv& env) {
    (void)env;
    for (const char* name : {"mnuEffect", "mnuFilter"})
        if (QMenu* m = menus.menu(QLatin1String(name)))
            for (QAction* a : m->actions())
                a->setEnabled(false);
    if (QAction* about = menus.action(QStringLiteral("mnuAbout")))
        about->setEnabled(false);
}
