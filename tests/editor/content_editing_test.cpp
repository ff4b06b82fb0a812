// Editing the content: Tab through table cells, pasting (cleaned, or as plain
// text), the link dialog, the source view's highlighting and the caret kept
// across the views, and the spelling dictionaries.
#include "tests/editor/web_editor_fixture.h"

#include "editor/Insertions.h"
#include "editor/SourceView.h"
#include "platform/Spelling.h"

#include <QAbstractTextDocumentLayout>
#include <QClipboard>
#include <QDir>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace {
QString fixture(const QString& name) {
    QFile f(QStringLiteral(WISPLET_SOURCE_DIR "/tests/editor/fixtures/") + name);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return QString::fromUtf8(f.readAll());
}

TEST(WebEditor, TabMovesThroughTheCellsAndAddsARowAtTheEnd) {
    WebEditor f;
    TableFields two;
    two.rows = two.columns = "2";
    f.openReal(TableForEditing(*TableHtmlFor(two)));
    // The table as inserted fills the box's width and its empty rows are a line high.
    EXPECT_EQ(f.js("document.querySelector('table table').offsetWidth").toInt(), 100);
    EXPECT_GE(f.js("document.querySelector('table table').rows[1].offsetHeight").toInt(), 12);
    f.js("(function(){ const r = document.createRange(); r.selectNodeContents(document.querySelector('table table td'));"
         " r.collapse(true); getSelection().removeAllRanges(); getSelection().addRange(r); })()");
    const QString where = "(function(){ let n = getSelection().anchorNode; if (n.nodeType !== 1) n = n.parentNode;"
                          " const td = n.closest('td'); return td.parentNode.rowIndex + ',' + td.cellIndex + ' of ' +"
                          " td.closest('table').rows.length; })()";
    const struct {
        Qt::Key key;
        const char* cell; // row,column of rows
    } steps[] = {{Qt::Key_Tab, "0,1 of 2"},     {Qt::Key_Tab, "1,0 of 2"}, {Qt::Key_Backtab, "0,1 of 2"},
                 {Qt::Key_Backtab, "0,0 of 2"}, {Qt::Key_Backtab, "0,0 of 2"}, // the first cell stays
                 {Qt::Key_Tab, "0,1 of 2"},     {Qt::Key_Tab, "1,0 of 2"}, {Qt::Key_Tab, "1,1 of 2"},
                 {Qt::Key_Tab, "2,0 of 3"},     {Qt::Key_Backtab, "1,1 of 3"}};
    int n = 0;
    for (const auto& s : steps) {
        QTest::keyClick(f.web()->focusProxy(), s.key, s.key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return f.js(where).toString() == s.cell; }, 3000))
            << "step " << n << ": " << f.js(where).toString().toStdString() << " instead of " << s.cell;
        ++n;
    }
    EXPECT_TRUE(f.changedSoon());
    // The added row is one step of the undo history.
    f.click("Undob");
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.js("document.querySelector('table table').rows.length").toInt() == 2; }, 3000));
}

TEST(WebEditor, PasteIsCleanedAndCtrlShiftVPastesPlainText) {
    WebEditor f;
    f.openReal("<b>x</b>");
    auto* data = new QMimeData;
    data->setHtml(fixture("word_table.html"));
    data->setText("Opening hours");
    QGuiApplication::clipboard()->setMimeData(data);
    f.caretInContent();
    f.click("Paste");
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.html().contains("Monday to"); }, 5000));
    QString content = *ExtractContent(f.html()).content;
    EXPECT_TRUE(content.contains("<table")) << content.toStdString();
    EXPECT_TRUE(content.contains("color:#C00000")) << content.toStdString();
    for (const char* left : {"class=", "mso-", "onclick", "<o:p", "StartFragment"})
        EXPECT_FALSE(content.contains(QLatin1String(left))) << left;
    EXPECT_TRUE(f.changedSoon());

    QGuiApplication::clipboard()->setText("plain <b> & text");
    f.caretInContent();
    QTest::keyClick(f.web()->focusProxy(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.html().contains("plain &lt;b&gt; &amp; text"); }, 5000)) << f.html().toStdString();
}

TEST(EditorLinks, DialogInsertsEditsRemovesAndRefusesAddresses) {
    const LinkInfo none{false, "", "", false};
    const LinkInfo selected{false, "", "our shop", false};
    const LinkInfo existing{true, "http://old.example/", "old text", true};
    const auto choice = [](const char* address, const char* text, bool newWindow = false) {
        return std::optional<LinkChoice>(LinkChoice{address, text, newWindow, false});
    };
    const struct {
        const char* name;
        LinkInfo at;
        std::deque<std::optional<LinkChoice>> answers;
        QStringList edits;
        int messages;
    } cases[] = {
        {"selection becomes a link", selected, {choice("https://shop.example/", "our shop", true)},
         {"set https://shop.example/|our shop|new"}, 0},
        {"no text: the address shows", none, {choice(" page two.html ", "")}, {"set page%20two.html|page two.html|same"}, 0},
        {"existing link edited", existing, {choice("mailto:ann@example.com", "")}, {"set mailto:ann@example.com|old text|same"}, 0},
        {"existing link removed", existing, {LinkChoice{"", "", false, true}}, {"remove"}, 0},
        {"cancelled", selected, {std::nullopt}, {}, 0},
        {"refused address asks again", none,
         {choice("javascript:alert(1)", "x"), choice("java\tscript:x", "x"), choice("https://ok.example/", "x")},
         {"set https://ok.example/|x|same"}, 2},
        {"refused address then cancelled", none, {choice("data:text/html,<script>", "x"), std::nullopt}, {}, 1},
    };
    for (const auto& c : cases) {
        EditorFixture f;
        f.open();
        f.fake->link = c.at;
        f.dialogs.linkAnswers = c.answers;
        f.click("Hyperlink");
        EXPECT_EQ(f.fake->linkEdits, c.edits) << c.name;
        EXPECT_EQ(f.dialogs.messages().size(), c.messages) << c.name;
        ASSERT_FALSE(f.dialogs.linksOffered.empty()) << c.name;
        // Pre-filled from the caret; after a refusal, with what the user typed.
        EXPECT_EQ(f.dialogs.linksOffered[0].address, c.at.address) << c.name;
        EXPECT_EQ(f.dialogs.linksOffered[0].text, c.at.text) << c.name;
        EXPECT_EQ(f.dialogs.linksOffered[0].newWindow, c.at.newWindow) << c.name;
        EXPECT_EQ(f.dialogs.shown[0].title, c.at.inLink ? "existing" : "") << c.name;
        if (c.messages)
            EXPECT_EQ(f.dialogs.linksOffered[1].address, c.answers[0]->address) << c.name;
    }
}

TEST(WebEditor, LinkInsertedEditedAndRemoved) {
    WebEditor f;
    f.openReal("Visit the shop today");
    f.selectText("shop");
    f.dialogs.linkAnswers = {LinkChoice{"https://shop.example/?a=1&b=\"2\"", "shop", true, false}};
    f.click("Hyperlink");
    const QString inserted = "<a href=\"https://shop.example/?a=1&amp;b=%222%22\" target=\"_blank\">shop</a>";
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.html().contains(inserted); }, 5000)) << f.html().toStdString();

    f.selectText("ho"); // inside the link: the dialog opens with it
    f.dialogs.linkAnswers = {LinkChoice{"mailto:ann@example.com", "the shop", false, false}};
    f.click("Hyperlink");
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.html().contains("<a href=\"mailto:ann@example.com\">the shop</a>"); }, 5000))
        << f.html().toStdString();
    ASSERT_EQ(f.dialogs.linksOffered.size(), 2u);
    EXPECT_EQ(f.dialogs.linksOffered[1].address, "https://shop.example/?a=1&b=%222%22");
    EXPECT_TRUE(f.dialogs.linksOffered[1].newWindow);

    f.selectText("the sh");
    f.dialogs.linkAnswers = {LinkChoice{"", "", false, true}};
    f.click("Hyperlink");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !f.html().contains("<a "); }, 5000)) << f.html().toStdString();
    EXPECT_EQ(f.js("document.body.textContent.replace(/\\u00a0/g, ' ').trim()").toString(), "Visit the the shop today");
    EXPECT_FALSE(f.html().contains("</font>the shop")) << f.html().toStdString();
}

TEST(SourceView, HighlightingSetsTheMarkersApart) {
    QTextDocument doc;
    doc.setPlainText("<table align=center width=\"100\">\n" + StartMarker + "\n<b>bold</b> &amp; <!-- a note\nover lines -->" +
                     "<img alt='a\nb'>\n" + EndMarker);
    SourceHighlighter h(&doc);
    h.rehighlight();
    const auto kindAt = [&](const QString& piece, int skip = 0) -> QColor {
        const qsizetype at = doc.toPlainText().indexOf(piece) + skip;
        const QTextBlock block = doc.findBlock(int(at));
        for (const QTextLayout::FormatRange& r : block.layout()->formats())
            if (at - block.position() >= r.start && at - block.position() < r.start + r.length)
                return r.format.foreground().color();
        return QColor();
    };
    const struct {
        const char* piece;
        int skip;
        SourceHighlighter::Kind kind;
    } cases[] = {
        {"<table", 0, SourceHighlighter::Tag},        {"align", 0, SourceHighlighter::Attribute},
        {"center", 0, SourceHighlighter::Value},      {"\"100\"", 1, SourceHighlighter::Value},
        {"Insert your", 0, SourceHighlighter::Marker}, {"End Code", 0, SourceHighlighter::Marker},
        {"</b>", 0, SourceHighlighter::Tag},          {"&amp;", 0, SourceHighlighter::Entity},
        {"a note", 0, SourceHighlighter::Comment},    {"over lines", 0, SourceHighlighter::Comment},
        {"b'>", 0, SourceHighlighter::Value},         {"'>", 1, SourceHighlighter::Tag},
    };
    for (const auto& c : cases)
        EXPECT_EQ(kindAt(c.piece, c.skip), h.format(c.kind).foreground().color()) << c.piece;
    EXPECT_NE(h.format(SourceHighlighter::Marker).background(), h.format(SourceHighlighter::Comment).background());
    EXPECT_EQ(kindAt("bold"), QColor()); // text stays plain
}

TEST(SourceView, CaretPlaceIsNeverInsideMarkup) {
    const QString html = "ab<p class=\"x>y\">c&amp;d<!-- n -->e<script>if(a<b)x</script>f";
    const struct {
        const char* before; // the caret is put right after the first occurrence of this
        const char* after;  // the caret ends up right before this
    } cases[] = {
        {"ab", "<p class"}, {"<p cl", "c&amp;"}, {"\"x>", "c&amp;"}, {"c&am", "d<!--"},
        {"<!-- ", "e<script"}, {"if(a", "f"}, {"e", "<script"}, {"</script>f", ""},
    };
    for (const auto& c : cases) {
        const qsizetype pos = html.indexOf(c.before) + qsizetype(strlen(c.before));
        const QString rest = html.mid(CaretPlaceInSource(html, pos));
        EXPECT_TRUE(*c.after ? rest.startsWith(c.after) : rest.isEmpty()) << c.before << " -> " << rest.toStdString();
    }
}

TEST(WebEditor, CaretKeepsItsPlaceAcrossTheViews) {
    WebEditor f;
    f.openReal("alpha <b>beta</b> gamma");
    f.selectText("beta");
    f.js("getSelection().collapseToEnd()");
    f.click("ViewSource");
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.editor->inSourceView(); }, 5000));
    auto* source = f.find<QPlainTextEdit>("ContentSource");
    const QString text = source->toPlainText();
    EXPECT_EQ(text.mid(source->textCursor().position(), 4), "</b>") << text.toStdString();
    EXPECT_FALSE(text.contains("wisplet-caret"));

    // Back in the design view the caret is where the source's cursor was.
    QTextCursor cursor = source->textCursor();
    cursor.setPosition(int(text.indexOf("mma")));
    source->setTextCursor(cursor);
    f.click("Design");
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.editor->isLoaded(); }, 10000));
    const QString after = "(function(){ const s = getSelection(); const r = document.createRange();"
                          " r.setStart(s.anchorNode, s.anchorOffset); r.setEndAfter(document.body.lastChild);"
                          " return r.toString(); })()";
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.js(after).toString().startsWith("mma"); }, 5000))
        << f.js(after).toString().toStdString();
    EXPECT_FALSE(f.html().contains("wisplet-caret"));
}

TEST(Spelling, LanguageFromTheLocale) {
    const QStringList installed{"de-DE", "en-GB", "en-US", "pt-BR"};
    const struct {
        const char* locale;
        const char* language; // nullptr: spelling off
    } cases[] = {{"en_US", "en-US"}, {"en_GB.UTF-8", "en-GB"}, {"en_AU", "en-GB"}, {"de_AT.UTF-8@euro", "de-DE"},
                 {"pt_BR", "pt-BR"}, {"fr_FR", nullptr},       {"C", nullptr},     {"POSIX", nullptr}, {"", nullptr}};
    for (const auto& c : cases) {
        const std::optional<QString> got = SpellingLanguage(c.locale, installed);
        EXPECT_EQ(got.value_or("off"), c.language ? c.language : "off") << c.locale;
    }
    EXPECT_FALSE(SpellingLanguage("en_US", {}).has_value());
    // The build converts the system's hunspell dictionaries for the engine.
    if (QFile::exists("/usr/share/hunspell/en_US.dic"))
        EXPECT_TRUE(InstalledDictionaries(qEnvironmentVariable("WISPLET_APP_DIR") + "/qtwebengine_dictionaries").contains("en-US"));
}
} // namespace
