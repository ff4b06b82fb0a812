#pragma once
// Acting on a modal dialog that a test's click opens.
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>

// Run `act` on the next modal dialog that opens (polling until it shows).
inline void onNextModal(std::function<void(QDialog*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(d);
        }
    });
    timer->start();
}
