#include "designer/CommandLine.h"
#include "platform/SafeWrite.h"

#include "designer/BackgroundFiles.h"
#include "designer/DesignDocument.h"
#include "designer/ExportCode.h"
#include "imaging/Jpeg.h"
#include "imaging/JpegLoad.h"
#include "platform/AppFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPalette>
#include <QTemporaryDir>
#include <cerrno>
#include <cstdio>
#include <cstring>

#ifndef WISPLET_VERSION
#define WISPLET_VERSION "1.0.0"
#endif

namespace {
// Options of the toolkit that take a value ("-platform offscreen").
const QStringList ToolkitValueOptions = {"-platform", "-platformpluginpath", "-platformtheme", "-plugin",
                                         "-style",    "-stylesheet",         "-display",       "-geometry",
                                         "-title",    "-qwindowgeometry",    "-qwindowtitle",  "-qwindowicon",
                                         "-session",  "-qmljsdebugger",      "-name",          "-visual"};

CommandLine error(const QString& text) { return {CommandLine::Mode::Error, {}, {}, text}; }
CommandLine mode(CommandLine::Mode m) {
    CommandLine out;
    out.mode = m;
    return out;
}
} // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    CommandLine out;
    QStringList files;
    bool exporting = false;
    bool haveTarget = false;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString a = arguments[i];
        auto value = [&](const QString& option, QString& into) -> bool {
            if (a.startsWith(option + QLatin1Char('='))) {
                into = a.mid(option.size() + 1);
                return true;
            }
            if (i + 1 >= arguments.size())
                return false;
            into = arguments[++i];
            return true;
        };
        if (optionsEnded || !a.startsWith(QLatin1Char('-')) || a == QLatin1String("-")) {
            files << a;
        } else if (a == QLatin1String("--")) {
            optionsEnded = true;
        } else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            return mode(CommandLine::Mode::Help);
        } else if (a == QLatin1String("--version") || a == QLatin1String("-v")) {
            return mode(CommandLine::Mode::Version);
        } else if (a == QLatin1String("--export") || a.startsWith(QLatin1String("--export="))) {
            if (exporting)
                return error(QStringLiteral("--export may be given only once"));
            if (!value(QStringLiteral("--export"), out.file) || out.file.isEmpty())
                return error(QStringLiteral("--export needs a design file: --export FILE.wisplet --to FOLDER"));
            exporting = true;
        } else if (a == QLatin1String("--to") || a.startsWith(QLatin1String("--to="))) {
            if (haveTarget)
                return error(QStringLiteral("--to may be given only once"));
            if (!value(QStringLiteral("--to"), out.folder) || out.folder.isEmpty())
                return error(QStringLiteral("--to needs a folder: --export FILE.wisplet --to FOLDER"));
            haveTarget = true;
        } else if (!a.startsWith(QLatin1String("--")) && ToolkitValueOptions.contains(a)) {
            ++i; // the toolkit's option and its value
        } else if (!a.startsWith(QLatin1String("--"))) {
            // another option of the toolkit ("-reverse")
        } else {
            return error(QStringLiteral("unknown option %1 (see --help)").arg(a));
        }
    }
    if (exporting || haveTarget) {
        if (!exporting)
            return error(QStringLiteral("--to is used only with --export FILE.wisplet"));
        if (!haveTarget)
            return error(QStringLiteral("--export needs a target folder: --export FILE.wisplet --to FOLDER"));
        if (!files.isEmpty())
            return error(QStringLiteral("unexpected file name %1 with --export").arg(files.first()));
        out.mode = CommandLine::Mode::Export;
        return out;
    }
    if (files.size() > 1)
        return error(QStringLiteral("only one design can be opened at a time; %1 is a second file name").arg(files[1]));
    out.file = files.value(0);
    return out;
}

QString CommandLineHelp() {
    return QStringLiteral(
        "Usage: wisplet-designer [FILE.wisplet]\n"
        "       wisplet-designer --export FILE.wisplet --to FOLDER\n"
        "\n"
        "Wisplet Dorizized designs wisplets: floating boxes that a web page shows.\n"
        "\n"
        "  FILE.wisplet               open this design in the designer\n"
        "  --export FILE.wisplet      write the design's files and code without a window:\n"
        "  --to FOLDER                  FOLDER/Wisplet_Files/, FOLDER/wisplet-head.html and\n"
        "                               FOLDER/wisplet-body.html\n"
        "  -h, --help                 show this help and exit\n"
        "  -v, --version              show the version and exit\n"
        "\n"
        "Exit status: 0 done, 1 the export failed, 2 wrong command line.\n");
}

QString CommandLineVersion() { return QStringLiteral("wisplet-designer " WISPLET_VERSION "\n"); }

namespace {
bool writeWhole(const QString& path, const QByteArray& bytes, QString* error) {
    const QString why = WriteFileAtomically(path, bytes);
    if (why.isEmpty())
        return true;
    *error = QStringLiteral("cannot write %1: %2").arg(QDir::toNativeSeparators(path), why);
    return false;
}

// Into place with one rename each (a file of that name is replaced whole).
bool moveInto(const QString& from, const QString& to, QString* error) {
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    *error = QStringLiteral("cannot write %1: %2").arg(QDir::toNativeSeparators(to), QString::fromLocal8Bit(std::strerror(errno)));
    return false;
}
} // namespace

int ExportDesign(const QString& designFile, const QString& folder, QString* error) {
    QString why;
    const DesignRead read = ReadDesignFile(designFile);
    if (!read.design) {
        *error = QStringLiteral("cannot open %1: %2").arg(QDir::toNativeSeparators(designFile), read.error);
        return ExitFailed;
    }
    const DesignDocument& design = *read.design;
    if (!QDir().mkpath(folder)) {
        *error = QStringLiteral("cannot create the folder %1").arg(QDir::toNativeSeparators(folder));
        return ExitFailed;
    }
    // A working application folder of our own inside the target, so nothing
    // lands in the target unfinished and the user's working files stay as they are.
    QTemporaryDir staging(QDir(folder).filePath(QStringLiteral(".wisplet-export-XXXXXX")));
    if (!staging.isValid()) {
        *error = QStringLiteral("cannot write into %1: %2").arg(QDir::toNativeSeparators(folder), staging.errorString());
        return ExitFailed;
    }
    const QString app = staging.filePath(QStringLiteral("app"));
    const QString working = app + QLatin1Char('/') + QLatin1String(AppFolder::WorkingFolder) + QLatin1Char('/');
    const QString out = staging.filePath(QStringLiteral("out"));
    QDir().mkpath(working);
    QDir().mkpath(out);
    if (!QFile::copy(AppFolder::file(QLatin1String(AppFolder::PageScript)), working + QStringLiteral("wisplet.js"))) {
        *error = QStringLiteral("the page script %1 is missing").arg(AppFolder::file(QLatin1String(AppFolder::PageScript)));
        return ExitFailed;
    }
    // The background as the main window fits it on choosing the picture.
    const std::optional<QSize> target = FitTargetSize(design.settings.outerWidth(), design.settings.outerHeight());
    if (design.background && target) {
        const ColorValue back = Color::fromQColor(QGuiApplication::palette().color(QPalette::Window));
        QImage source = LoadPictureDataAtLeast(design.background->bytes, *target);
        if (source.format() != QImage::Format_RGB32)
            source = FitPicture(source, source.size(), back);
        try {
            SaveJpeg(FitPicture(source, *target, back), working + QStringLiteral("MyBackground.jpg"), 100);
        } catch (const std::exception& e) {
            *error = QStringLiteral("cannot make MyBackground.jpg: %1").arg(QString::fromLocal8Bit(e.what()));
            return ExitFailed;
        }
    }
    int imageCount = 0;
    for (const DesignImage& image : design.images) {
        if (!writeWhole(working + image.name, image.bytes, error))
            return ExitFailed;
        imageCount = std::max(imageCount, image.name.mid(7, image.name.indexOf(QLatin1Char('.')) - 7).toInt());
    }
    const ExportOutcome outcome = ExportWispletFiles(app, out, imageCount, [](const QString& source, const QString& to) {
        return QFile::copy(source, to + QFileInfo(source).fileName()) ? CopyResult::Copied : CopyResult::Failed;
    });
    if (!outcome.allCopied()) {
        *error = QStringLiteral("cannot copy %1").arg(outcome.notCopied.join(QStringLiteral(", ")));
        return ExitFailed;
    }
    if (!writeWhole(out + QStringLiteral("/wisplet-head.html"), ExportHeadLine().toUtf8(), error) ||
        !writeWhole(out + QStringLiteral("/wisplet-body.html"), ExportBodyCode(design.settings, AppFolder::path()).toUtf8(),
                    error))
        return ExitFailed;

    // Everything is made: move it into place.
    const QString files = PrepareExportFolder(folder);
    if (!QFileInfo(files).isDir()) {
        *error = QStringLiteral("cannot create the folder %1").arg(QDir::toNativeSeparators(files));
        return ExitFailed;
    }
    for (const QString& name : outcome.copied)
        if (!moveInto(out + QStringLiteral("/Wisplet_Files/") + name, files + name, error))
            return ExitFailed;
    for (const char* name : {"wisplet-head.html", "wisplet-body.html"})
        if (!moveInto(out + QLatin1Char('/') + QLatin1String(name), QDir(folder).filePath(QLatin1String(name)), error))
            return ExitFailed;
    return ExitOk;
}
