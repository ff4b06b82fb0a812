// The editor's mock-up lays the content out as the box does: the same
// content in the preview's box and in the editor wraps into the same lines
// with the same height, for several contents and box widths.
#include "tests/editor/editor_fixture.h"

#include "designer/PreviewPage.h"
#include "editor/ContentText.h"
#include "platform/WebEditView.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

namespace {
// The lines of the text in a range (the characters that take room, line by
// line) and the height from the top of the first line to the bottom of the last.
const char* MeasureScript = R"JS(
function measure(range) {
  const lines = []; let line = null, top = Infinity, bottom = -Infinity;
  const root = range.commonAncestorContainer;
  const w = document.createTreeWalker(root.nodeType === 1 ? root : root.parentNode, NodeFilter.SHOW_TEXT);
  for (let n; (n = w.nextNode());) {
    if (!range.intersectsNode(n)) continue;
    for (let i = 0; i < n.data.length; i++) {
      const r = document.createRange(); r.setStart(n, i); r.setEnd(n, i + 1);
      const box = r.getClientRects()[0];
      if (!box || box.width === 0) continue;
      if (!line || box.top >= line.bottom - 1) { line = { text: '', bottom: box.bottom }; lines.push(line); }
      line.text += n.data[i];
      line.bottom = Math.max(line.bottom, box.bottom);
      top = Math.min(top, box.top); bottom = Math.max(bottom, box.bottom);
    }
  }
  // Blanks at the ends of lines hang outside the text: they do not count.
  return JSON.stringify({ lines: lines.map((l) => l.text.replace(/\s+/g, ' ').trim()),
                          height: Math.round((bottom - top) * 100) / 100 });
}
)JS";

QJsonObject runMeasure(QWebEnginePage* page, const QString& rangeScript, quint32 world) {
    QString answer;
    const QString script = QString::fromLatin1(MeasureScript) + "(function(){ const range = " + rangeScript +
                           "; return range ? measure(range) : ''; })()";
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            bool done = false;
            page->runJavaScript(script, world, [&](const QVariant& v) {
                answer = v.toString();
                done = true;
            });
            QTest::qWaitFor([&] { return done; }, 10000);
            return !answer.isEmpty();
        },
        20000));
    return QJsonDocument::fromJson(answer.toUtf8()).object();
}

struct Case {
    const char* name;
    const char* content;
    const char* width;
};

struct Fidelity : ::testing::TestWithParam<Case> {};

TEST_P(Fidelity, EditorWrapsAsTheBox) {
    const Case c = GetParam();
    TempAppFolder app(true); // the supplied page script, as the preview runs it
    FakeDialogs dialogs;

    WispletSettings s;
    s.width = c.width;
    s.height = "60";
    s.contentHtml = c.content;
    s.duration = "0";
    s.waiting = "0";
    ASSERT_TRUE(WritePreviewFile(s, app.path()));
    QWebEngineView preview;
    preview.resize(900, 700);
    preview.show();
    bool loaded = false;
    QObject::connect(preview.page(), &QWebEnginePage::loadFinished, [&](bool) { loaded = true; });
    preview.load(QUrl::fromLocalFile(app.file("samples/preview.html")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return loaded; }, 30000));
    const QJsonObject box = runMeasure(preview.page(),
                                       "(function(){ const c = document.querySelector('.wisplet-content'); if (!c) return null;"
                                       " const r = document.createRange(); r.selectNodeContents(c); return r; })()",
                                       QWebEngineScript::MainWorld);

    auto host = std::make_shared<HostRecord>();
    host->fields = {"Default", c.width, "60", "0", "#FFFFFF", "0", "none", c.content};
    QPointer<AdvencedEditor> editor = new AdvencedEditor(std::make_unique<RecordingHost>(host), nullptr);
    editor->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return editor->isLoaded(); }, 30000));
    QWebEnginePage* page = dynamic_cast<WebEditView&>(editor->view()).webView()->page();
    const char* between = "(function(){ const m = document.querySelectorAll('wisplet-mark'); if (m.length < 2) return null;"
                          " const r = document.createRange(); r.setStartAfter(m[0]); r.setEndBefore(m[1]); return r; })()";
    // With the tag marks shown and hidden alike.
    for (bool details : {true, false}) {
        editor->view().setShowDetails(details);
        const QJsonObject mock = runMeasure(page, between, QWebEngineScript::ApplicationWorld);
        EXPECT_EQ(mock.value("lines").toArray(), box.value("lines").toArray())
            << "details " << details << "\nbox:    " << QJsonDocument(box).toJson().toStdString()
            << "\neditor: " << QJsonDocument(mock).toJson().toStdString();
        EXPECT_DOUBLE_EQ(mock.value("height").toDouble(), box.value("height").toDouble()) << "details " << details;
    }
    EXPECT_GT(box.value("lines").toArray().size(), 1) << "the case should wrap";
    delete editor.data();
}

const char* Lorem = "Lorem ipsum dolor sit amet, consectetur adipiscing elit, sed do eiusmod tempor incididunt ut "
                    "labore et dolore magna aliqua. Ut enim ad minim veniam, quis nostrud exercitation.";

INSTANTIATE_TEST_SUITE_P(
    ContentAndWidths, Fidelity,
    ::testing::Values(Case{"plain_narrow", Lorem, "100"}, Case{"plain_medium", Lorem, "183"},
                      Case{"plain_wide", Lorem, "333"},
                      Case{"formatted", "<b>Bold words</b> then <i>italic ones</i>, <font size=4>bigger text</font> "
                                        "and a <a href=\"page.html\">link to a page</a> with <u>underlined</u> end.",
                           "150"},
                      Case{"list_and_breaks", "<ul><li>first item of the list</li><li>second item, longer than the "
                                              "box is wide</li></ul>A line<br>broken <b>here</b>",
                           "200"},
                      Case{"table", "<table border=1 width=100%><tr><td>cell one holds text</td><td>two</td></tr>"
                                    "<tr><td colspan=2 align=center>a cell over both columns</td></tr></table>after",
                           "160"}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(ContentText, ReadFromThePageScriptDeclaration) {
    QFile script(QStringLiteral(WISPLET_RESOURCES_DIR "/samples/Wisplet_Files/wisplet.js"));
    ASSERT_TRUE(script.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(script.readAll());
    ASSERT_TRUE(text.contains("CONTENT_TEXT = {")) << "the page script no longer declares its text in one line";
    const ContentTextStyle fromScript = ContentTextFromScript(text);
    // Another declaration is taken over as it stands; unsafe or missing values keep the defaults.
    const ContentTextStyle other = ContentTextFromScript(
        "var CONTENT_TEXT = { 'font-family': 'Verdana', 'font-size': '15px', 'line-height': '1.4;}body{x' };");
    EXPECT_EQ(other.family, "Verdana");
    EXPECT_EQ(other.size, "15px");
    EXPECT_EQ(other.lineHeight, ContentTextStyle().lineHeight);
    EXPECT_EQ(ContentTextFromScript("no declaration here"), ContentTextStyle());
    EXPECT_TRUE(EditorTemplate(boxFields("x"), fromScript).contains("font-size:" + fromScript.size));
}

TEST(ContentText, BoxPixelsReadsSizesAsThePageScript) {
    const struct {
        const char* text;
        int pixels;
    } cases[] = {{"150", 150}, {" 050 ", 50}, {"99.5", 100}, {"12.4", 12}, {"", 100},
                 {"-5", 100},  {"12px", 100}, {"1e3", 100}, {"9999", 4000}};
    for (const auto& c : cases)
        EXPECT_EQ(BoxPixels(c.text, 100, 4000), c.pixels) << c.text;
}
} // namespace
