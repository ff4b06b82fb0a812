#pragma once
// What the export window produces: the head line, the body code with the
// WriteWisplet call, and the copy of the run-time files into the user's folder.
#include "designer/WispletSettings.h"
#include "platform/Shell.h"

#include <QString>
#include <QStringList>
#include <functional>

// The fixed line for the page's head.
QString ExportHeadLine();

// The body code: five lines joined by CR LF (no line break after the last);
// line 3 is the WriteWisplet call of the preview page without "<script>" and
// "</script>", with argument 4 always 'Wisplet_Files/MyBackground.jpg'.
QString ExportBodyCode(const WispletSettings& s, const QString& appFolder);

// The embed without inline script, lines joined by CR LF: a deferred script
// line, then between the same Begin/End comments a <wisplet-box> element whose
// attributes carry the same values (and the options that are set) and whose
// <template> child holds the content.
QString ExportEmbedCode(const WispletSettings& s, const QString& appFolder);

// Names of the files to export from appFolder/samples/Wisplet_Files, in copy
// order: "wisplet.js" always (even when missing: its copy then fails and is
// reported); "MyBackground.jpg" when it exists; for N = 1..imageCount
// "MyImage<N>.jpg" when it exists, else "MyImage<N>.gif" when that exists.
QStringList ExportSources(const QString& appFolder, int imageCount);

// Make sure targetFolder has an entry named exactly "Wisplet_Files" (case
// included); create the folder when no entry has that name. Returns
// targetFolder + "/Wisplet_Files/". A failure to create is not reported here:
// the copies that follow fail and say so.
QString PrepareExportFolder(const QString& targetFolder);

struct ExportOutcome {
    QStringList copied;    // file names copied
    QStringList notCopied; // file names refused, failed or missing
    bool allCopied() const { return notCopied.isEmpty(); }
};

// Copy one file (source path, destination folder ending in '/'), e.g. through
// ShellCopy with purpose "Export".
using ExportCopy = std::function<CopyResult(const QString& source, const QString& destinationFolder)>;

// Steps 4 to 7 of "Export Files": prepare the folder, then copy every file of
// ExportSources; a refused or failed copy does not stop the following ones.
ExportOutcome ExportWispletFiles(const QString& appFolder, const QString& targetFolder, int imageCount,
                                 const ExportCopy& copy);

// The closing message: "Your Files have been exported Successfully" only when
// every copy succeeded, otherwise the list of the files not copied.
QString ExportMessage(const ExportOutcome& outcome);
