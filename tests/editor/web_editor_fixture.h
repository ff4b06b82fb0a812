#pragma once
// The content editor on the real browser-engine view, with helpers that run
// scripts in the view's own world, place the caret and read the document.
#include "tests/editor/editor_fixture.h"

#include "editor/EditorDocument.h"
#include "platform/EditViewScript.h"
#include "platform/WebEditView.h"

#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

struct WebEditor : EditorFixture {
    AdvencedEditor& openReal(const QString& content) {
        AdvencedEditor& w = open(content, true);
        EXPECT_TRUE(QTest::qWaitFor([&] { return w.isLoaded(); }, 30000)) << "the document never loaded";
        return w;
    }
    QWebEngineView* web() const { return dynamic_cast<WebEditView&>(editor->view()).webView(); }
    // Run a script in the view's own world and wait for its result.
    QVariant js(const QString& script) const {
        QVariant result;
        bool done = false;
        web()->page()->runJavaScript(script, QWebEngineScript::ApplicationWorld, [&](const QVariant& v) {
            result = v;
            done = true;
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, 10000));
        return result;
    }
    QString html() const {
        std::optional<QString> got;
        bool done = false;
        editor->view().readHtml([&](std::optional<QString> h) {
            got = std::move(h);
            done = true;
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, 10000));
        return got.value_or(QString());
    }
    // The caret right after the start marker (inside the content).
    void caretInContent() const {
        js("(function(){ const c = document.querySelector('wisplet-mark');"
           " const r = document.createRange(); r.setStartAfter(c.nextSibling);"
           " r.collapse(true); getSelection().removeAllRanges(); getSelection().addRange(r); })()");
    }
    void selectText(const QString& text) const {
        js("(function(){ const w = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT); let n;"
           " while ((n = w.nextNode())) { const i = n.data.indexOf(" +
           ScriptLiteral(text) +
           "); if (i >= 0) { const r = document.createRange(); r.setStart(n, i); r.setEnd(n, i + " +
           QString::number(text.size()) + "); getSelection().removeAllRanges(); getSelection().addRange(r); return; } } })()");
    }
    bool changedSoon(int ms = 3000) const { return QTest::qWaitFor([&] { return editor->isChanged(); }, ms); }
    QString saved() {
        host->writes.clear();
        click("save2");
        EXPECT_TRUE(QTest::qWaitFor([&] { return !host->writes.isEmpty(); }, 10000));
        return host->writes.value(0);
    }
};
