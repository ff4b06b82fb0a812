#pragma once
// Bringing a picture file into a category folder of the background library.
// JPEG and GIF pictures are copied as they are (through the shell, which asks
// before replacing a file). Other formats (PNG, WebP, BMP, ...) become the
// library's JPEG: quality 100, transparent parts laid on white, named after
// the picture's base name ("logo.png" -> "logo.jpg"), with the same question
// before an existing picture is replaced. A file that is not a readable
// picture (the picture loader's check) or whose name the list could not show
// (ShapeSave::nameProblem) is refused with a message. After an import the user sees "Your
// Image has been imported Successfully". Messages go through dialogs().
#include "platform/Shell.h"

#include <QString>

class QWidget;

CopyResult ImportPicture(QWidget* parent, const QString& source, const QString& folder);

// The file name a picture gets in the library: its own name when it is kept
// as it is, else its base name with ".jpg".
QString ImportedName(const QString& source, bool keptAsIs);
