#pragma once
// Stand-ins for side windows that are not part of this build yet: the paint
// program (`frmPaint`), modal over its owner and deleted when closed.
#include <QDialog>

// Paint program window with a short note that it is not available yet.
QDialog* MakePaintPlaceholder(QWidget* owner);
