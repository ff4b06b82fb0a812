#include "paint/PaintEditMenu.h"

#include "paint/PaintMenus.h"

#include <QAction>

void wirePaintEdit(PaintMenus& menus, PaintEnv& env) {
    (void)env;
    for (const char* name : {"mnuCut", "mnuCopy", "mnuPaste", "mnuDelete", "mnuCrop", "mnuSelectAll", "mnuFont"})
        if (QAction* a = menus.action(QLatin1String(name)))
            a->setEnabled(false);
}
