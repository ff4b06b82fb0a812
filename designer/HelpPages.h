#pragma once
// The help page and the sample pages of the Help menu, opened with the
// desktop's default program.
#include <QString>

struct HelpPage {
    const char* action;   // objectName of the menu item
    const char* caption;  // menu caption
    const char* relative; // file under the application folder
};

// "Index" first, then the five samples in menu order.
const HelpPage (&helpPages())[6];

// Open application folder + relative with the desktop's default program. The
// result is ignored: a missing file reports nothing of ours.
void OpenHelpPage(const QString& relative);
