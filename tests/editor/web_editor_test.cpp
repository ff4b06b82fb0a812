// The editor on the real browser-engine view: loading, typing, commands,
// insertions, table edits with undo, write-back, large documents, and the
// view's refusal to leave its document.
#include "tests/editor/web_editor_fixture.h"

#include "editor/EditorDocument.h"
#include "platform/EditViewScript.h"
#include "platform/WebEditView.h"

#include <QClipboard>
#include <QMimeData>
#include <QPushButton>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>
#include <csignal>
#include <sys/types.h>


TEST(WebEditor, LoadKeepsMarkersAndSavingUneditedGivesTheContentBack) {
    WebEditor f;
    f.openReal("<B>Hi</B> there");
    const QString doc = f.html();
    EXPECT_TRUE(doc.contains(StartMarker));
    EXPECT_TRUE(doc.contains(EndMarker));
    EXPECT_FALSE(doc.contains(EditViewAidAttribute)); // the tag marks are on screen only
    const QString markWidth = "getComputedStyle(document.querySelector('wisplet-mark')).width";
    EXPECT_NE(f.js(markWidth).toString(), "0px"); // the comments show as marks
    EXPECT_FALSE(f.editor->isChanged());
    EXPECT_EQ(f.saved(), "<B>Hi</B> there");
    // Tag display and the design reload are no edits.
    f.click("info");
    EXPECT_EQ(f.js(markWidth).toString(), "0px");
    f.click("ViewSource");
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.editor->inSourceView(); }, 10000));
    f.click("Design");
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.editor->isLoaded(); }, 30000));
    QTest::qWait(200);
    EXPECT_FALSE(f.editor->isChanged());
}

TEST(WebEditor, TypingAndBoldAreEditsThatSaveBack) {
    WebEditor f;
    f.openReal("Hi");
    f.web()->setFocus();
    f.caretInContent();
    QTest::keyClicks(f.web()->focusProxy(), "abc");
    EXPECT_TRUE(f.changedSoon());
    EXPECT_TRUE(f.saved().contains("abc"));
    EXPECT_FALSE(f.editor->isChanged());

    f.selectText("abc");
    f.click("Bold");
    EXPECT_TRUE(f.changedSoon());
    EXPECT_TRUE(f.saved().contains("<b>abc</b>"));
}

TEST(WebEditor, TableInsertionEditsAndUndo) {
    WebEditor f;
    f.openReal("x");
    onNextModal([](QDialog* d) { QTest::mouseClick(d->findChild<QPushButton*>("Command1"), Qt::LeftButton); });
    f.click("InsertTable");
    EXPECT_TRUE(f.changedSoon());
    const QString rows = "document.querySelectorAll('table table tr').length";
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.js(rows).toInt() == 3; }, 5000));
    EXPECT_EQ(f.js("document.querySelectorAll('table table td').length").toInt(), 9);
    EXPECT_TRUE(f.html().contains(StartMarker)) << f.html().toStdString();

    f.js("(function(){ const td = document.querySelector('table table td'); const r = document.createRange();"
         " r.selectNodeContents(td); r.collapse(true); getSelection().removeAllRanges(); getSelection().addRange(r); })()");
    f.click("InsertRow");
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.js(rows).toInt() == 4; }, 5000));
    f.click("InsertCol");
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.js("document.querySelector('table table tr').cells.length").toInt() == 4; }, 5000));
    (void)f.saved();
    EXPECT_FALSE(f.editor->isChanged());
    f.click("Undob"); // an undo is an edit too
    EXPECT_TRUE(f.changedSoon());
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.js("document.querySelector('table table tr').cells.length").toInt() == 3; }, 5000));
    EXPECT_EQ(f.js(rows).toInt(), 4);

    // The mock-up's own table is never edited by the table commands.
    f.caretInContent();
    f.click("DelRow");
    QTest::qWait(200);
    EXPECT_EQ(f.js("document.querySelectorAll('body > table > tbody > tr').length").toInt(), 1);
    const QString content = f.saved();
    EXPECT_TRUE(content.contains("<table align=\"Left\"")) << f.html().toStdString() << f.dialogs.messages().join("|").toStdString();
}

TEST(WebEditor, ThreeMegabyteDocumentLoadsAndSaves) {
    WebEditor f;
    QString big;
    big.reserve(3 * 1024 * 1024);
    while (big.size() < 3 * 1024 * 1024)
        big += "<p>Some content of a long page, line after line.</p>";
    f.openReal(big);
    EXPECT_EQ(f.saved().size(), big.size());
}

TEST(WebEditor, NeverLeavesItsDocument) {
    WebEditor f;
    f.openReal("<a href=\"http://example.org/\" id=\"l\">link</a>");
    f.web()->page()->triggerAction(QWebEnginePage::Reload);
    f.web()->page()->triggerAction(QWebEnginePage::Back);
    f.web()->load(QUrl("file:///etc/hostname"));
    QTest::qWait(500);
    EXPECT_TRUE(f.html().contains("id=\"l\""));
    EXPECT_TRUE(f.editor->isLoaded());

    f.click("Browse");
    QTest::qWait(100);
    f.js("document.getElementById('l').click()");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !f.shell.openedUrls.isEmpty(); }, 5000));
    EXPECT_EQ(f.shell.openedUrls.value(0), "http://example.org/");
    EXPECT_TRUE(f.html().contains("id=\"l\""));
    EXPECT_FALSE(f.editor->isChanged());
}

TEST(WebEditor, ClipboardGetsCommentsNotMarks) {
    WebEditor f;
    f.openReal("one two");
    QGuiApplication::clipboard()->clear();
    f.js("(function(){ const r = document.createRange(); r.selectNodeContents(document.querySelector('font'));"
         " getSelection().removeAllRanges(); getSelection().addRange(r); })()");
    f.click("Copy");
    ASSERT_TRUE(QTest::qWaitFor(
        [] {
            const QMimeData* data = QGuiApplication::clipboard()->mimeData();
            return data && data->hasHtml();
        },
        5000));
    const QString html = QGuiApplication::clipboard()->mimeData()->html();
    EXPECT_TRUE(html.contains(StartMarker)) << html.toStdString();
    EXPECT_FALSE(html.contains("wisplet-mark")) << html.toStdString();
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains("one two"));
}

TEST(WebEditor, EscapeInTheDocumentRunsTheCloseRule) {
    WebEditor f;
    f.openReal("x");
    f.web()->setFocus();
    f.caretInContent();
    QTest::keyClicks(f.web()->focusProxy(), "typed");
    ASSERT_TRUE(f.changedSoon());
    f.dialogs.messageAnswers = {MsgAnswer::Ok};
    QTest::keyClick(f.web()->focusProxy(), Qt::Key_Escape);
    EXPECT_TRUE(f.closed(10000));
    ASSERT_EQ(f.host->writes.size(), 1);
    EXPECT_TRUE(f.host->writes[0].contains("typed"));
}

TEST(WebEditor, OddTextGoesIntoTheDocumentAsItStands) {
    WebEditor f;
    const QString odd = QString("q\"uote\\back'apos") + QChar(0x2028) + "</script><script>x()</script>\u00e9";
    f.openReal("<i>" + odd.toHtmlEscaped() + "</i>");
    EXPECT_EQ(f.js("document.querySelector('i').textContent").toString(), odd);
    f.editor->view().insertHtml("<u>" + odd.toHtmlEscaped() + "</u>");
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.js("document.querySelector('u') ? document.querySelector('u').textContent : ''").toString() == odd; }, 5000));
    EXPECT_EQ(ScriptLiteral(odd).count('\n'), 0);
}

TEST(WebEditor, ClosingWhileTheDocumentIsReadIsSafe) {
    WebEditor f;
    f.openReal("x");
    f.click("save2");
    EXPECT_TRUE(f.editor->isSaving());
    delete f.editor.data(); // the answer arrives for a window that is gone
    QTest::qWait(500);
    EXPECT_TRUE(f.host->writes.isEmpty());
}

TEST(WebEditor, StoppedRenderProcessIsReportedNotSavedAsEmpty) {
    WebEditor f;
    f.openReal("keep me");
    f.web()->setFocus();
    f.caretInContent();
    QTest::keyClicks(f.web()->focusProxy(), "edit");
    ASSERT_TRUE(f.changedSoon());
    const qint64 pid = f.web()->page()->renderProcessPid();
    ASSERT_GT(pid, 0);
    ::kill(pid_t(pid), SIGKILL); // the view's own render process
    ASSERT_TRUE(QTest::qWaitFor([&] { return !f.dialogs.messages().isEmpty(); }, 10000));
    f.click("save2");
    QTest::qWait(200);
    EXPECT_TRUE(f.host->writes.isEmpty());
    f.editor->close(); // nothing can be saved any more: no question
    EXPECT_TRUE(f.closed());
    EXPECT_TRUE(f.host->writes.isEmpty());
}
