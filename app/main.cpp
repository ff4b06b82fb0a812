// wisplet-designer: starts the designer with its splash window.
#include "designer/Startup.h"
#include "platform/AppFolder.h"

#include <QApplication>
#include <QIcon>
#include <unistd.h>

int main(int argc, char** argv) {
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
    startup.start();
    return app.exec();
}
