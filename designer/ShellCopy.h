#pragma once
// The one file copy of the import and the export: a copy through the
// platform shell, which asks before replacing an existing file.
#include "platform/Shell.h"

#include <QString>

class QWidget;

// Copy `source` (one file) to `destination` (a folder path ending in '/' or
// a full file path). purpose is "Import" or "Export": after a successful
// "Import" copy the message "Your Image has been imported Successfully" is
// shown; otherwise nothing of ours is shown (the shell may show its own
// question or error). The result may be ignored.
CopyResult ShellCopy(QWidget* parent, const QString& source, const QString& destination, const QString& purpose);
