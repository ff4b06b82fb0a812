#include "tests/support/Screenshot.h"

#include <QGuiApplication>
#include <QProcess>
#include <QTest>
#include <QWidget>

namespace Screenshot {

QString folder() { return qEnvironmentVariable("WISPLET_SCREENSHOTS"); }

bool wanted() { return !folder().isEmpty() && QGuiApplication::platformName() == QLatin1String("xcb"); }

bool grabArea(const QRect& area, const QString& file, int settleMs) {
    QTest::qWait(settleMs);
    const QString crop =
        QStringLiteral("%1x%2+%3+%4").arg(area.width()).arg(area.height()).arg(area.x()).arg(area.y());
    return QProcess::execute(QStringLiteral("import"),
                             {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("-crop"), crop,
                              QStringLiteral("+repage"), file}) == 0;
}

bool grabWindow(QWidget* window, const QString& file, int settleMs) {
    window->raise();
    return grabArea(window->frameGeometry(), file, settleMs);
}

} // namespace Screenshot
