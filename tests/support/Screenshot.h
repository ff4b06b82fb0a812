#pragma once
// Screenshots of real windows for the documentation. They are taken only when
// WISPLET_SCREENSHOTS names an output folder and the program runs on an X
// server (QT_QPA_PLATFORM=xcb, e.g. under Xvfb); tests skip otherwise.
#include <QRect>
#include <QString>

class QWidget;

namespace Screenshot {
// The output folder, or empty when screenshots are not wanted.
QString folder();
// True when a screenshot can be taken here.
bool wanted();
// Waits `settleMs` for painting to settle, then grabs the screen area (screen
// coordinates) from the X server with ImageMagick's import, so web content,
// popups and frames come out as the user sees them. False when import fails.
bool grabArea(const QRect& area, const QString& file, int settleMs = 600);
// Raises the window and grabs it with its frame.
bool grabWindow(QWidget* window, const QString& file, int settleMs = 600);
} // namespace Screenshot
