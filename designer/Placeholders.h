#pragma once
// Stand-ins for side windows that are not part of this build yet: the content
// editor (`AdvencedEditor`) and the paint program (`frmPaint`). Both are
// modal over their owner and delete themselves when closed.
#include <QDialog>

// Empty content editor window, caption " HTML Advanced Editor".
QDialog* MakeEditorPlaceholder(QWidget* owner);
// Paint program window with a short note that it is not available yet.
QDialog* MakePaintPlaceholder(QWidget* owner);
