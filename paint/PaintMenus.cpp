#include "paint/PaintMenus.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace {

// One row of the menu table. level 0: a menu of the bar (or the popup),
// 1: an item or a submenu of it, 2: an item of that submenu.
enum Kind { Menu, Item, Sub, Separator };
enum Flags : unsigned { None = 0, Checked = 1, Checkable = 2, Hidden = 4, Popup = 8 };

struct Row {
    int level;
    Kind kind;
    const char* name;
    const char* caption; // UTF-8
    const char* shortcut;
    unsigned flags;
    const char* group; // exclusive check group, or nullptr
};

constexpr unsigned C = Checkable;
constexpr unsigned CK = Checkable | Checked;
constexpr unsigned CH = Checkable | Hidden;

const Row Table[] = {
    {0, Menu, "mnuFile", "&File", nullptr, None, nullptr},
    {1, Item, "mnuNew", "&New", "Ctrl+N", None, nullptr},
    {1, Item, "mnuOpen", "&Open...", "Ctrl+O", None, nullptr},
    {1, Item, "mnuSave", "&Save", "Ctrl+S", None, nullptr},
    {1, Separator, nullptr, nullptr, nullptr, None, nullptr},
    {1, Item, "mnuExit", "&Exit", nullptr, None, nullptr},

    {0, Menu, "mnuEdit", "&Edit", nullptr, None, nullptr},
    {1, Item, "mnuUndo", "&Undo", "Ctrl+Z", None, nullptr},
    {1, Item, "mnuRedo", "&Redo", "Ctrl+Y", None, nullptr},
    {1, Separator, nullptr, nullptr, nullptr, None, nullptr},
    {1, Item, "mnuCut", "Cu&t", "Ctrl+X", None, nullptr},
    {1, Item, "mnuCopy", "&Copy", "Ctrl+C", None, nullptr},
    {1, Item, "mnuPaste", "&Paste", "Ctrl+V", None, nullptr},
    {1, Item, "mnuDelete", "&Delete", "Del", None, nullptr},
    {1, Separator, nullptr, nullptr, nullptr, None, nullptr},
    {1, Item, "mnuCrop", "C&rop", nullptr, None, nullptr},
    {1, Item, "mnuSelectAll", "Select &All", "Ctrl+A", None, nullptr},

    {0, Menu, "mnuFormat", "F&ormat", nullptr, None, nullptr},
    {1, Sub, "mnuBorderStyle", "&Border Style", nullptr, None, nullptr},
    {2, Item, "mnuBorderStyles0", "&Solid", nullptr, CK, "border"},
    {2, Item, "mnuBorderStyles1", "&Dash", nullptr, C, "border"},
    {2, Item, "mnuBorderStyles2", "D&ot", nullptr, C, "border"},
    {2, Item, "mnuBorderStyles3", "D&ashDot", nullptr, C, "border"},
    {2, Item, "mnuBorderStyles4", "Da&shDotDot", nullptr, C, "border"},
    {1, Sub, "mnuFillStyle", "Fi&ll Style", nullptr, None, nullptr},
    {2, Item, "mnuFillStyles0", "&Solid", nullptr, CK, "fill"},
    {2, Item, "mnuFillStyles1", "&Transparent", nullptr, CH, "fill"},
    {2, Item, "mnuFillStyles2", "&Horizontal Line", nullptr, C, "fill"},
    {2, Item, "mnuFillStyles3", "&Vertical Line", nullptr, C, "fill"},
    {2, Item, "mnuFillStyles4", "&Downward Diagonal", nullptr, C, "fill"},
    {2, Item, "mnuFillStyles5", "&Upward Diagonal", nullptr, C, "fill"},
    {2, Item, "mnuFillStyles6", "&Cross", nullptr, C, "fill"},
    {2, Item, "mnuFillStyles7", "Diagona&l Cross", nullptr, C, "fill"},
    {1, Separator, nullptr, nullptr, nullptr, None, nullptr},
    {1, Item, "mnuForeColor", "F&oreground Color...", nullptr, None, nullptr},
    {1, Item, "mnuFillColor", "Fi&ll Color...", nullptr, None, nullptr},
    {1, Item, "mnuFont", "&Font...", "Ctrl+F", None, nullptr},

    {0, Menu, "mnuEffect", "Effec&t", nullptr, None, nullptr},
    {1, Sub, "mnuResize", "Re&size", nullptr, None, nullptr},
    {2, Item, "mnuResize25", "25%", nullptr, None, nullptr},
    {2, Item, "mnuResize50", "50%", nullptr, None, nullptr},
    {2, Item, "mnuResize75", "75%", nullptr, None, nullptr},
    {2, Item, "mnuResize125", "125%", nullptr, None, nullptr},
    {2, Item, "mnuResize150", "150%", nullptr, None, nullptr},
    {2, Item, "mnuResize175", "175%", nullptr, None, nullptr},
    {2, Item, "mnuResize200", "200%", nullptr, None, nullptr},
    {2, Separator, nullptr, nullptr, nullptr, None, nullptr},
    {2, Item, "mnuResizeBoth", "&Both", nullptr, CK, "resize"},
    {2, Item, "mnuResizeWidth", "&Width", nullptr, C, "resize"},
    {2, Item, "mnuResizeHeight", "&Height", nullptr, C, "resize"},
    {1, Sub, "mnuFlip", "&Flip", nullptr, None, nullptr},
    {2, Item, "mnuFlipHorizontal", "&Horizontal", nullptr, None, nullptr},
    {2, Item, "mnuFlipVertical", "&Vertical", nullptr, None, nullptr},
    {1, Sub, "mnuRotate", "&Rotate", nullptr, None, nullptr},
    {2, Item, "mnuRotate45", "By 45°", nullptr, None, nullptr},
    {2, Item, "mnuRotate90", "By 90°", nullptr, None, nullptr},
    {2, Item, "mnuRotate135", "By 135°", nullptr, None, nullptr},
    {2, Item, "mnuRotate180", "By 180°", nullptr, None, nullptr},
    {2, Item, "mnuRotate225", "By 225°", nullptr, None, nullptr},
    {2, Item, "mnuRotate270", "By 270°", nullptr, None, nullptr},
    {2, Item, "mnuRotate315", "By 315°", nullptr, None, nullptr},
    {2, Separator, nullptr, nullptr, nullptr, None, nullptr},
    {2, Item, "mnuClockwise", "&Clockwise", nullptr, CK, "rotate"},
    {2, Item, "mnuAntiClockwise", "&Anti-Clockwise", nullptr, C, "rotate"},
    {1, Separator, nullptr, nullptr, nullptr, None, nullptr},
    {1, Item, "mnuClear", "&Clear", nullptr, None, nullptr},

    {0, Menu, "mnuFilter", "&Filte&r", nullptr, None, nullptr},
    {1, Item, "mnuFilters0", "&Black && White", nullptr, None, nullptr},
    {1, Item, "mnuFilters1", "B&lur", nullptr, None, nullptr},
    {1, Item, "mnuFilters2", "B&rightness", nullptr, None, nullptr},
    {1, Item, "mnuFilters3", "&Crease", nullptr, None, nullptr},
    {1, Item, "mnuFilters4", "&Darkness", nullptr, None, nullptr},
    {1, Item, "mnuFilters5", "Di&ffuse", nullptr, None, nullptr},
    {1, Item, "mnuFilters6", "&Emboss", nullptr, None, nullptr},
    {1, Item, "mnuFilters7", "Gra&y Black && White", nullptr, None, nullptr},
    {1, Item, "mnuFilters8", "&Grayscale", nullptr, None, nullptr},
    {1, Item, "mnuFilters9", "&Invert Colors", nullptr, None, nullptr},
    {1, Item, "mnuFilters10", "&Replace Colors", nullptr, None, nullptr},
    {1, Item, "mnuFilters11", "&Sharpen", nullptr, None, nullptr},
    {1, Item, "mnuFilters12", "S&now", nullptr, None, nullptr},
    {1, Item, "mnuFilters13", "&Wave", nullptr, None, nullptr},

    {0, Menu, "mnuHelp", "&Help", nullptr, None, nullptr},
    {1, Item, "mnuAbout", "&About...", nullptr, None, nullptr},

    {0, Menu, "mnuTFilter", "&TFilter", nullptr, Popup, nullptr},
    {1, Item, "mnuFilterTools0", "&Black && White", nullptr, C, "tfilter"},
    {1, Item, "mnuFilterTools1", "B&lur", nullptr, CH, "tfilter"},
    {1, Item, "mnuFilterTools2", "&Light", nullptr, CK, "tfilter"},
    {1, Item, "mnuFilterTools3", "&Crease", nullptr, CH, "tfilter"},
    {1, Item, "mnuFilterTools4", "&Dirty", nullptr, C, "tfilter"},
    {1, Item, "mnuFilterTools5", "Di&ffuse", nullptr, C, "tfilter"},
    {1, Item, "mnuFilterTools6", "&Emboss", nullptr, CH, "tfilter"},
    {1, Item, "mnuFilterTools7", "Gra&y Black && White", nullptr, C, "tfilter"},
    {1, Item, "mnuFilterTools8", "&Grayscale", nullptr, C, "tfilter"},
    {1, Item, "mnuFilterTools9", "&Invert Colors", nullptr, CH, "tfilter"},
    {1, Item, "mnuFilterTools10", "&Replace Color", nullptr, CH, "tfilter"},
    {1, Item, "mnuFilterTools11", "&Sharpen", nullptr, CH, "tfilter"},
    {1, Item, "mnuFilterTools12", "S&now", nullptr, CH, "tfilter"},
    {1, Item, "mnuFilterTools13", "&Wave", nullptr, C, "tfilter"},
};

} // namespace

PaintMenus::PaintMenus(QMenuBar* bar, QWidget* owner) {
    QMenu* top = nullptr;
    QMenu* sub = nullptr;
    QHash<QString, QActionGroup*> groups;
    for (const Row& r : Table) {
        const QString name = r.name ? QString::fromLatin1(r.name) : QString();
        const QString caption = r.caption ? QString::fromUtf8(r.caption) : QString();
        if (r.kind == Menu) {
            top = (r.flags & Popup) ? new QMenu(caption, owner) : bar->addMenu(caption);
            top->setObjectName(name);
            top->setTitle(caption);
            menus_.insert(name, top);
            sub = nullptr;
            continue;
        }
        QMenu* parent = r.level == 2 ? sub : top;
        if (r.kind == Separator) {
            parent->addSeparator();
            continue;
        }
        if (r.kind == Sub) {
            sub = parent->addMenu(caption);
            sub->setObjectName(name);
            sub->menuAction()->setObjectName(name + QStringLiteral("Item"));
            menus_.insert(name, sub);
            continue;
        }
        QAction* a = parent->addAction(caption);
        a->setObjectName(name);
        if (r.shortcut)
            a->setShortcut(QKeySequence(QString::fromLatin1(r.shortcut)));
        if (r.flags & Checkable) {
            a->setCheckable(true);
            a->setChecked(r.flags & Checked);
        }
        if (r.flags & Hidden)
            a->setVisible(false);
        if (r.group) {
            QActionGroup*& g = groups[QString::fromLatin1(r.group)];
            if (!g) {
                g = new QActionGroup(owner);
                g->setExclusive(true);
            }
            g->addAction(a);
        }
        actions_.insert(name, a);
    }
}

void PaintMenus::checkOnly(const QString& prefix, int index) {
    for (int i = 0;; ++i) {
        QAction* a = action(prefix + QString::number(i));
        if (!a)
            break;
        a->setChecked(i == index);
    }
}
