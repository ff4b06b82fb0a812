#pragma once
// The designer's command line:
//   wisplet-designer [FILE.wisplet]
//   wisplet-designer --export FILE.wisplet --to FOLDER
//   wisplet-designer --help | --version
// and the export it runs without a window.
#include <QString>
#include <QStringList>

struct CommandLine {
    enum class Mode { Run, Help, Version, Export, Error };
    Mode mode = Mode::Run;
    QString file;   // Run: the design to open (may be empty); Export: the design to export
    QString folder; // Export: the target folder
    QString error;  // Error: one line for standard error
};

// The arguments after the program's name. The toolkit's own options
// ("-platform xcb", "-style fusion", ...) are passed over.
CommandLine ParseCommandLine(const QStringList& arguments);

// Text of --help and --version.
QString CommandLineHelp();
QString CommandLineVersion();

// Exit codes of the program.
inline constexpr int ExitOk = 0;
inline constexpr int ExitFailed = 1; // the export could not be done
inline constexpr int ExitUsage = 2;  // wrong command line

// `--export`: writes folder/Wisplet_Files/ as the export window's "Export
// Files" does (wisplet.js, MyBackground.jpg fitted from the design's
// picture, the MyImage files) and folder/wisplet-head.html and
// folder/wisplet-body.html with the export window's head line and body code.
// Everything is made in a temporary folder inside `folder` first and then
// moved into place, so no file is left half-written. Needs an application
// object (no display). Returns ExitOk, or ExitFailed with `error` set.
int ExportDesign(const QString& designFile, const QString& folder, QString* error);
