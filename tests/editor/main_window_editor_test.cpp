// The editor opened from the main window: bold text, a picture from disk and
// a 3 x 3 table, saved into the content box and exported.
#include "tests/designer/main_window_fixture.h"

#include "designer/ExportCode.h"
#include "editor/AdvencedEditor.h"
#include "platform/WebEditView.h"
#include "tests/editor/modal_helper.h"

#include <QDialog>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

namespace {
void press(QWidget* w, const char* name) {
    QTest::mouseClick(w->findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
}
} // namespace

TEST(MainWindowEditor, BoldPictureAndTableReachTheContentBoxAndTheExport) {
    MainWindowFixture f;
    General& w = f.open();
    f.find<QPlainTextEdit>("ContentTextHtml")->setPlainText("Hello");
    f.click("AdvencedEditorB");
    auto* editor = w.findChild<AdvencedEditor*>(QStringLiteral("AdvencedEditor"));
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(waitUntil([&] { return editor->isLoaded(); }));
    QWebEnginePage* page = dynamic_cast<WebEditView&>(editor->view()).webView()->page();
    bool done = false;
    page->runJavaScript("(function(){ const w = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);"
                        " let n; while ((n = w.nextNode())) { const i = n.data.indexOf('Hello'); if (i >= 0) {"
                        " const r = document.createRange(); r.setStart(n, i); r.setEnd(n, i + 5);"
                        " getSelection().removeAllRanges(); getSelection().addRange(r); return; } } })()",
                        QWebEngineScript::ApplicationWorld, [&](const QVariant&) { done = true; });
    ASSERT_TRUE(waitUntil([&] { return done; }));
    QTest::mouseClick(editor->findChild<QToolButton*>("Bold"), Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] { return editor->isChanged(); }, 5000));
    done = false; // insert behind the bold word, not over it
    page->runJavaScript("getSelection().collapseToEnd()", QWebEngineScript::ApplicationWorld,
                        [&](const QVariant&) { done = true; });
    ASSERT_TRUE(waitUntil([&] { return done; }));

    f.app.write("pictures/photo.gif", QByteArray::fromBase64("R0lGODlhAQABAIAAAAAAAP///yH5BAEAAAAALAAAAAABAAEAAAIBRAA7")); // 1 x 1
    f.dialogs.openFileAnswers = {f.app.file("pictures/photo.gif")};
    onNextModal([](QDialog* d) {
        press(d, "Browse");
        press(d, "Insert");
    });
    QTest::mouseClick(editor->findChild<QToolButton*>("InsertImage"), Qt::LeftButton);
    onNextModal([](QDialog* d) { press(d, "Command1"); });
    QTest::mouseClick(editor->findChild<QToolButton*>("InsertTable"), Qt::LeftButton);

    QPointer<AdvencedEditor> guard(editor);
    f.dialogs.messageAnswers = {MsgAnswer::Ok};
    editor->close(); // "Do you want to save your changes?" OK
    ASSERT_TRUE(waitUntil([&] { return guard.isNull(); }, 10000));
    const QString content = f.find<QPlainTextEdit>("ContentTextHtml")->toPlainText();
    // (the line break the template puts before the content may go into the bold)
    EXPECT_TRUE(QString(content).remove('\n').contains("<b>Hello</b>")) << content.toStdString();
    EXPECT_TRUE(content.contains("Wisplet_Files\\MyImage1.gif")) << content.toStdString();
    EXPECT_EQ(content.count("<td><br></td>"), 9) << content.toStdString();
    EXPECT_FALSE(content.contains("Insert your code here"));
    EXPECT_TRUE(ExportSources(f.app.path(), AppContext::instance().ImageCount).contains("MyImage1.gif"));
}
