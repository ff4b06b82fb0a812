#pragma once
// Between a design document and the application folder: gathering the
// pictures a design uses when it is saved, and putting them back when it is
// opened (the library picture into its category, the inserted pictures into
// samples/Wisplet_Files with ImageCount raised past them).
#include "designer/DesignDocument.h"

#include <QString>

// The document for these settings: the chosen library picture's own bytes
// (when a category and a picture other than "None" are chosen and the file
// can be read) and every picture the content refers to that exists in
// appFolder/samples/Wisplet_Files (.jpg before .gif, as the export takes them).
DesignDocument CollectDesign(const WispletSettings& settings, const QString& appFolder);

// Writes the document's inserted pictures into appFolder/samples/Wisplet_Files.
// A picture keeps its number unless a different file already holds that
// number (as .jpg or .gif); then it gets the next free number above
// imageCount and the content's references are rewritten. A file with the
// same bytes is reused. imageCount is raised past every number used.
// Returns false with `error` set when a picture cannot be written (pictures
// already written stay; they are working files).
bool InstallDesignImages(DesignDocument& design, const QString& appFolder, int& imageCount, QString* error);

// Makes sure the background picture is in its library category: the file of
// that name when it holds the same bytes, else the picture is written there
// under that name, or under a free name ("name-2.jpg", ...) when another
// picture has it. Returns the item name to select, or empty with `error` set.
QString PlaceDesignBackground(const DesignBackground& background, const QString& appFolder, QString* error);
