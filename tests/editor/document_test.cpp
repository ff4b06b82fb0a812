// The mock-up template and the write-back rule.
#include "editor/EditorDocument.h"

#include <gtest/gtest.h>

namespace {
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

EditorFields defaults() {
    EditorFields f;
    f.align = "Default";
    f.width = "100";
    f.height = "100";
    f.borderWidth = "0";
    f.borderColor = "#FFFFFF";
    f.padIn = "0";
    f.borderStyle = "none";
    f.content = "<b>Hi</b>";
    return f;
}
} // namespace

TEST(EditorTemplate, MarkersAreSeventyEightCharacters) {
    EXPECT_EQ(StartMarker.size(), 78);
    EXPECT_EQ(EndMarker.size(), 78);
}

TEST(EditorTemplate, DefaultFieldsGiveTheExactTemplate) {
    const QString expected =
        "<table align=\"Default\" width=\"100\" height=\"100\" border=\"0\" bordercolor=\"#FFFFFF\" cellpadding=\"0\" "
        "cellspacing=\"0\" background=\"Wisplet_Files/MyBackground.jpg\" "
        "style=\"background-repeat:no-repeat;border-style:none\">\r\n"
        "<tr><td valign=top><div style=\"width:100px;min-height:100px;margin:0;padding:0;border:0;text-align:left;"
        "text-indent:0;white-space:normal;font-family:Arial, Helvetica, sans-serif;font-size:12px;line-height:normal\">"
        "<font face=arial>\r\n"
        "\r\n"
        "<!-------------------------  Insert your code here -------------------------->\r\n"
        "<b>Hi</b>\r\n"
        "<!--------------------------------  End Code -------------------------------->\r\n"
        "</font></div></td></tr></table>\r\n";
    EXPECT_EQ(EditorTemplate(defaults()), expected);
}

TEST(EditorTemplate, EmptyAndOddFieldsStayInsideTheirQuotes) {
    EditorFields f = defaults();
    f.width = "";
    f.borderColor = "#12\"34";
    f.borderStyle = "a&b<c>";
    const QString t = EditorTemplate(f);
    EXPECT_TRUE(t.contains("width=\"\" height=\"100\"")) << t.toStdString();
    EXPECT_TRUE(t.contains("bordercolor=\"#12&quot;34\""));
    EXPECT_TRUE(t.contains("border-style:a&amp;b&lt;c&gt;\">"));
}

TEST(ExtractContent, MarkerCases) {
    const QString S = StartMarker, E = EndMarker;
    struct Case {
        const char* name;
        QString document;
        std::optional<QString> content;
        ExtractFault fault;
    } cases[] = {
        {"both markers", "<p>" + S + "abc" + E + "</p>", QString("abc"), ExtractFault::None},
        {"template wrapping as the browser gives it", S + "\n<b>x</b>\n" + E, QString("<b>x</b>"), ExtractFault::None},
        {"template wrapping with CR LF", S + "\r\nx\r\n" + E, QString("x"), ExtractFault::None},
        {"wrapping gone on one side", S + "\nhello" + E, QString("hello"), ExtractFault::None},
        {"no-break spaces of the user stay", S + "\n&nbsp;x&nbsp;\n" + E, QString("&nbsp;x&nbsp;"),
         ExtractFault::None},
        {"empty between markers", S + E, QString(""), ExtractFault::None},
        {"start marker missing", "<td>scaffold</td>abc" + E, std::nullopt, ExtractFault::NoStartMarker},
        {"end marker missing", S + "abc", std::nullopt, ExtractFault::NoEndMarker},
        {"both missing", "abc", std::nullopt, ExtractFault::NoStartMarker},
        {"end before start", E + "abc" + S, std::nullopt, ExtractFault::EndBeforeStart},
        {"first end before start, later end after", E + S + "abc" + E, std::nullopt, ExtractFault::EndBeforeStart},
        {"second start marker is content", S + "a" + S + "b" + E, QString("a" + S + "b"), ExtractFault::None},
    };
    for (const Case& c : cases) {
        const Extracted got = ExtractContent(c.document);
        EXPECT_EQ(got.content, c.content) << c.name;
        EXPECT_EQ(got.fault, c.fault) << c.name;
        EXPECT_EQ(ExtractFaultMessage(got.fault).isEmpty(), c.fault == ExtractFault::None) << c.name;
    }
}

TEST(ExtractContent, TemplateRoundTripGivesTheContentBack) {
    for (const QString& content : {QString("<b>Hi</b>"), QString(""), QString("a&nbsp;"), QString("&nbsp;b"), QString("line\r\nnext")}) {
        EditorFields f = defaults();
        f.content = content;
        EXPECT_EQ(ExtractContent(EditorTemplate(f)).content, content);
        // Saved again and again, it never grows.
        f.content = *ExtractContent(EditorTemplate(f)).content;
        EXPECT_EQ(ExtractContent(EditorTemplate(f)).content, content);
    }
}

TEST(ContentToWrite, UnchangedDocumentKeepsTheOriginalSpelling) {
    // The browser re-spells <B>x</B> as <b>x</b>: no edit, so the original stays.
    EXPECT_EQ(ContentToWrite("<b>x</b>", QString("<b>x</b>"), "<B>x</B>"), "<B>x</B>");
    EXPECT_EQ(ContentToWrite("<b>y</b>", QString("<b>x</b>"), "<B>x</B>"), "<b>y</b>");
    EXPECT_EQ(ContentToWrite("<b>y</b>", std::nullopt, "<B>x</B>"), "<b>y</b>");
}
