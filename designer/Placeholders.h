#pragma once
// Stand-ins for side windows that are not part of this build yet: the content
// editor (`AdvencedEditor`), modal over its owner, deleted when closed.
#include <QDialog>

// Empty content editor window, caption " HTML Advanced Editor".
QDialog* MakeEditorPlaceholder(QWidget* owner);
