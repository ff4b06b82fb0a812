#pragma once
// The content editor on a scripted host, dialogs and shell, with the fake
// edit view (or the real one), in a temporary application folder.
#include "editor/AdvencedEditor.h"
#include "platform/AppContext.h"
#include "platform/FakeDialogs.h"
#include "platform/FakeEditView.h"
#include "tests/editor/modal_helper.h"
#include "tests/support/TempAppFolder.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

struct HostRecord {
    EditorFields fields;
    QStringList writes; // every text written into the content box
};

class RecordingHost : public EditorHost {
public:
    explicit RecordingHost(std::shared_ptr<HostRecord> r) : r_(std::move(r)) {}
    EditorFields fields() const override { return r_->fields; }
    void setContentHtml(const QString& html) override { r_->writes << html; }

private:
    std::shared_ptr<HostRecord> r_;
};

inline EditorFields boxFields(const QString& content) {
    return {"Default", "100", "100", "0", "#FFFFFF", "0", "none", content};
}

struct EditorFixture {
    TempAppFolder app{false};
    FakeDialogs dialogs;
    FakeShell shell;
    std::shared_ptr<HostRecord> host = std::make_shared<HostRecord>();
    QPointer<AdvencedEditor> editor;
    FakeEditView* fake = nullptr;

    EditorFixture() { AppContext::instance().reset(); }
    ~EditorFixture() { delete editor.data(); }

    AdvencedEditor& open(const QString& content = "<b>Hi</b>", bool realView = false) {
        host->fields = boxFields(content);
        if (!realView)
            fake = new FakeEditView;
        editor = new AdvencedEditor(std::make_unique<RecordingHost>(host), nullptr, fake);
        editor->show();
        QApplication::setActiveWindow(editor);
        (void)QTest::qWaitForWindowActive(editor, 2000);
        return *editor;
    }
    template <class T> T* find(const char* name) const {
        T* found = editor->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void click(const char* button) const { QTest::mouseClick(find<QAbstractButton>(button), Qt::LeftButton); }
    // True once the window has closed (and deleted itself).
    bool closed(int ms = 2000) const { return QTest::qWaitFor([this] { return editor.isNull(); }, ms); }
};
