// wisplet-designer: starts the designer with its splash window.
#include "designer/Startup.h"

#include <QApplication>
#include <unistd.h>

int main(int argc, char** argv) {
    // The embedded browser's sandbox refuses to run as root; without this the
    // preview would stay blank when the program is started by root.
    if (::geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Wisplet Dorizized"));
    Startup startup;
    startup.start();
    return app.exec();
}
