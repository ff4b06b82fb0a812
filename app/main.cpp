// wisplet-designer: starts the designer with its splash window.
#include "designer/Startup.h"

#include <QApplication>

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Wisplet Dorizized"));
    Startup startup;
    startup.start();
    return app.exec();
}
