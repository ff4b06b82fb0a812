#pragma once
// The paint window's menu bar, built from one table (PaintMenus.cpp): every
// menu and item with its objectName, caption, shortcut and check mark, plus
// the filter-tool popup "&TFilter" (mnuTFilter, never in the bar).
//
// objectNames: menus mnuFile, mnuEdit, mnuFormat, mnuBorderStyle,
// mnuFillStyle, mnuEffect, mnuResize, mnuFlip, mnuRotate, mnuFilter, mnuHelp,
// mnuTFilter. Items:
//   File    mnuNew, mnuOpen, mnuSave, mnuExit
//   Edit    mnuUndo, mnuRedo, mnuCut, mnuCopy, mnuPaste, mnuDelete, mnuCrop,
//           mnuSelectAll
//   Format  mnuBorderStyles0..4, mnuFillStyles0..7 (1 never shown),
//           mnuForeColor, mnuFillColor, mnuFont
//   Effect  mnuResize25, mnuResize50, mnuResize75, mnuResize125, mnuResize150,
//           mnuResize175, mnuResize200, mnuResizeBoth, mnuResizeWidth,
//           mnuResizeHeight; mnuFlipHorizontal, mnuFlipVertical;
//           mnuRotate45 .. mnuRotate315 (by 45), mnuClockwise,
//           mnuAntiClockwise; mnuClear
//   Filter  mnuFilters0..13 (index = filter kind; 9 is "&Invert Colors")
//   Help    mnuAbout
//   TFilter mnuFilterTools0..13 (1, 3, 6, 9, 10, 11, 12 never shown)
// Checkable groups are exclusive: border styles, fill styles, Both/Width/
// Height, Clockwise/Anti-Clockwise, the filter tools.
#include <QHash>
#include <QString>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

class PaintMenus {
public:
    // Builds the bar's menus into `bar`; the popup is parented to `owner`.
    PaintMenus(QMenuBar* bar, QWidget* owner);

    // The item / menu of an objectName; nullptr for an unknown name.
    QAction* action(const QString& name) const { return actions_.value(name); }
    QMenu* menu(const QString& name) const { return menus_.value(name); }
    // Checks item `index` of a group prefix ("mnuBorderStyles", "mnuFillStyles",
    // "mnuFilterTools") and unchecks the others.
    void checkOnly(const QString& prefix, int index);

private:
    QHash<QString, QAction*> actions_;
    QHash<QString, QMenu*> menus_;
};
