#pragma once
// The paint window opened on a throw-away application folder with scripted
// dialogs, and helpers that drive its controls as a user would.
#include "paint/PaintHost.h"
#include "paint/PaintMenus.h"
#include "paint/PaintWindow.h"
#include "platform/AppContext.h"
#include "platform/Canvas.h"
#include "platform/FakeDialogs.h"
#include "tests/support/TempAppFolder.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>
#include <memory>

struct FakePaintHost : PaintHost {
    QString width = QStringLiteral("300"), height = QStringLiteral("200");
    int saves = 0;
    QString savedPath; // the last picture saved
    QString widthText() const override { return width; }
    QString heightText() const override { return height; }
    void pictureSaved(const QString& path) override {
        ++saves;
        savedPath = path;
    }
};

struct PaintWindowTest : ::testing::Test {
    TempAppFolder folder{true};
    FakeDialogs dlg;
    FakePaintHost host;
    std::unique_ptr<frmPaint> w;

    void SetUp() override { AppContext::instance().reset(); }
    void TearDown() override {
        if (w)
            w->state().changed = false; // no question while tearing down
        w.reset();
    }

    frmPaint& open() {
        w = std::make_unique<frmPaint>(host);
        w->show();
        w->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w.get()));
        return *w;
    }

    template <class T = QWidget> T* child(const QString& name) const {
        T* c = w->findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }
    QString panel(int i) const { return child<QLabel>(QStringLiteral("staPanel%1").arg(i))->text(); }
    QSize canvasSize() const { return {w->canvas().width(), w->canvas().height()}; }
    qint64 px(int x, int y) const { return w->canvas().point(x, y); }
    QAction* action(const char* name) const { return w->menus().action(QLatin1String(name)); }

    static void send(QWidget* target, QEvent::Type type, QPoint pos, Qt::MouseButton button,
                     Qt::MouseButtons buttons, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QMouseEvent e(type, QPointF(pos), target->mapToGlobal(QPointF(pos)), button, buttons, mods);
        QApplication::sendEvent(target, &e);
    }
    // Press at the first point, move through the others with the button held, release at the last.
    void drag(const std::vector<QPoint>& points, Qt::MouseButton button = Qt::LeftButton) {
        QWidget* canvas = w->picPaint();
        send(canvas, QEvent::MouseButtonPress, points.front(), button, button);
        for (size_t i = 1; i < points.size(); ++i)
            send(canvas, QEvent::MouseMove, points[i], Qt::NoButton, button);
        send(canvas, QEvent::MouseButtonRelease, points.back(), button, Qt::NoButton);
    }
    void click(QPoint p, Qt::MouseButton button = Qt::LeftButton) { drag({p}, button); }
    void chooseTool(int index) {
        QTest::mousePress(child<QToolButton>(QStringLiteral("optTools%1").arg(index)), Qt::LeftButton);
        QTest::mouseRelease(child<QToolButton>(QStringLiteral("optTools%1").arg(index)), Qt::LeftButton);
    }
};
