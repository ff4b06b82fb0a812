#pragma once
// A main window in a temporary application folder with scripted dialogs and
// shell, shown and active so that focus changes run the validation handlers.
#include "designer/LoadingWindow.h"
#include "designer/BackgroundLibrary.h"
#include "designer/MainWindow.h"
#include "platform/UpDown.h"
#include "platform/AppContext.h"
#include "platform/AppFolder.h"
#include "platform/FakeDialogs.h"
#include "tests/support/TempAppFolder.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

// Readable QString values in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

inline bool waitUntil(const std::function<bool()>& condition, int ms = 30000) {
    return QTest::qWaitFor(condition, ms);
}

struct MainWindowFixture {
    TempAppFolder app{true};
    FakeDialogs dialogs;
    FakeShell shell;
    std::unique_ptr<General> w;

    MainWindowFixture() { AppContext::instance().reset(); }
    ~MainWindowFixture() {
        if (w)
            w->close();
        w.reset();
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == QLatin1String("Browser") || top->objectName() == QLatin1String("Export") ||
                top->objectName() == QLatin1String("frmAbout"))
                delete top;
    }

    // Load the window and wait until it has shown itself (start page loaded).
    General& open() {
        w = std::make_unique<General>();
        EXPECT_TRUE(waitUntil([&] { return w->isVisible(); })) << "the start page never finished loading";
        QApplication::setActiveWindow(w.get());
        // Without a window manager (bare X server) a window never becomes active.
        const bool active = QTest::qWaitForWindowActive(w.get(), 2000);
        if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
            EXPECT_TRUE(active);
        }
        return *w;
    }

    template <class T> T* find(const char* name) const {
        T* found = w->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QLineEdit* box(const char* name) const { return find<QLineEdit>(name); }
    QComboBox* list(const char* name) const { return find<QComboBox>(name); }
    UpDown* spin(const char* name) const { return find<UpDown>(name); }
    void click(const char* button) const { QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton); }
    void trigger(const char* action) const { find<QAction>(action)->trigger(); }

    // Give the focus to `widget` (validation of the control that had it runs).
    static void focus(QWidget* widget) {
        // A modal window that closed (the waiting window) does not hand the
        // activation back on the offscreen platform; a window manager would.
        if (!widget->window()->isActiveWindow()) {
            QApplication::setActiveWindow(widget->window());
            (void)QTest::qWaitForWindowActive(widget->window());
        }
        widget->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }
    // Move the focus to the content box, which has no handler of its own.
    void leave() const { focus(find<QPlainTextEdit>("ContentTextHtml")); }

    // Replace a box's text by typing.
    static void type(QLineEdit* box, const QString& keys) {
        focus(box);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, keys);
    }

    QByteArray previewFile() const { return app.read(QLatin1String(AppFolder::PreviewPage)); }
    QString backgroundFile() const { return app.file(QLatin1String(AppFolder::Background)); }
};
