#include "designer/SplashWindow.h"

#include "platform/AppFolder.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

frmSplash::frmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(395, 239); // 5925 x 3585 twips
    picture_.load(AppFolder::file(QStringLiteral("images/splash.png")));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    timer_.setObjectName(QStringLiteral("Timer1"));
    timer_.setInterval(10);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (onTick)
            onTick();
    });
    timer_.start();
}

void frmSplash::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(224, 224, 224));
    if (!picture_.isNull())
        p.drawImage(0, 0, picture_); // unscaled, clipped to the window like a form picture
    else
        p.drawText(rect(), Qt::AlignCenter, QStringLiteral("Wisplet Dorizized"));
    p.setPen(QColor(128, 128, 128));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
