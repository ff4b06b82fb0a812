#pragma once
// Pictures of the tool buttons, drawn in code (18 x 18 pixels).
#include <QIcon>

QIcon toolIcon(int tool);
QImage toolPicture(int tool); // the same picture as an image (contact sheets, tests)
