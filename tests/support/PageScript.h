#pragma once
// Runs a script in a browser view's page and waits (running events) for its value.
#include <QElapsedTimer>
#include <QCoreApplication>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineView>

inline QVariant runPageScript(QWebEngineView* view, const QString& script, int ms = 10000) {
    QVariant out;
    bool done = false;
    view->page()->runJavaScript(script, [&](const QVariant& v) {
        out = v;
        done = true;
    });
    QElapsedTimer t;
    t.start();
    while (!done && t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 1);
    return out;
}
