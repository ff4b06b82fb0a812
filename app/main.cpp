// wisplet-designer: starts the designer with its splash window, opens a design
// given on the command line, or exports one without a window (--export).
#include "designer/CommandLine.h"
#include "designer/Startup.h"
#include "platform/AppFolder.h"

#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <unistd.h>

namespace {
QStringList rawArguments(int argc, char** argv) {
    QStringList out;
    for (int i = 1; i < argc; ++i)
        out << QString::fromLocal8Bit(argv[i]);
    return out;
}

int printed(const QString& text, FILE* stream, int code) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    return code;
}
} // namespace

int main(int argc, char** argv) {
    const CommandLine command = ParseCommandLine(rawArguments(argc, argv));
    switch (command.mode) {
    case CommandLine::Mode::Help: return printed(CommandLineHelp(), stdout, ExitOk);
    case CommandLine::Mode::Version: return printed(CommandLineVersion(), stdout, ExitOk);
    case CommandLine::Mode::Error:
        return printed(QStringLiteral("wisplet-designer: %1\n").arg(command.error), stderr, ExitUsage);
    case CommandLine::Mode::Export: {
        // No window and no display: pictures only.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        QGuiApplication::setApplicationName(QStringLiteral("Wisplet Dorizized"));
        AppFolder::settle();
        QString error;
        const int code = ExportDesign(command.file, command.folder, &error);
        if (code != ExitOk)
            printed(QStringLiteral("wisplet-designer: %1\n").arg(error), stderr, code);
        return code;
    }
    case CommandLine::Mode::Run: break;
    }

    // The embedded browser's sandbox refuses to run as root; without this the
    // preview would stay blank when the program is started by root.
    if (::geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Wisplet Dorizized"));
    // Ties the windows to the desktop entry and its icon (installed copies).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.wisplet.designer"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.wisplet.designer")));
    // Installed, the program works in the user's own copy of its folder.
    AppFolder::settle();
    Startup startup;
    startup.setDesignToOpen(command.file);
    startup.start();
    return app.exec();
}
