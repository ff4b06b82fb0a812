// Pasted HTML cleaned to the allow-list: real clipboard samples (fixtures/
// *.html, each with the cleaned form beside it as *.clean.html), hostile
// pieces, and the addresses links and pictures may have.
#include "editor/LinkAddress.h"
#include "editor/PasteCleaner.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

QString fixture(const QString& name) {
    QFile f(QStringLiteral(WISPLET_SOURCE_DIR "/tests/editor/fixtures/") + name);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
    return QString::fromUtf8(f.readAll());
}

TEST(PasteCleaner, ClipboardSamplesGiveTheirCleanForm) {
    for (const char* name : {"word_table", "spreadsheet_range", "web_fragment"}) {
        const QString clean = CleanPastedHtml(fixture(QString::fromLatin1(name) + ".html"));
        EXPECT_EQ(clean, fixture(QString::fromLatin1(name) + ".clean.html").trimmed()) << name;
        // Nothing of the pasting program survives, and the content stays on one line.
        for (const char* left : {"class=", "mso-", "<!--", "<o:p", "<style", "<meta", "onclick", "StartFragment", "\n"})
            EXPECT_FALSE(clean.contains(QLatin1String(left))) << name << ": " << left;
    }
}

TEST(PasteCleaner, HostileAndOddPieces) {
    const struct {
        const char* pasted;
        const char* clean;
    } cases[] = {
        {"<p onclick=\"x()\" class=a id=b>Hi</p>", "<p>Hi</p>"},
        {"a<script>alert(1)</script>b<style>p{}</style>c", "abc"},
        {"<a href=\"javascript:alert(1)\">x</a>", "x"},
        {"<a href=\" JaVa\tScRiPt:alert(1)\">x</a>", "x"},
        {"<a href=\"vbscript:x\">x</a><a href=\"data:text/html,<b>\">y</a>", "xy"},
        {"<a href=\"https://a.example/?q=1&amp;r=2\" target=_BLANK>x</a>",
         "<a href=\"https://a.example/?q=1&amp;r=2\" target=\"_blank\">x</a>"},
        {"<a href=\"mailto:ann@example.com\">m</a><a href=\"../up page.html\">r</a>",
         "<a href=\"mailto:ann@example.com\">m</a><a href=\"../up%20page.html\">r</a>"},
        {"<img src=\"javascript:x\" onerror=\"x()\">", ""},
        {"<img src=\"file:///C:/Temp/clip_image001.png\">", ""},
        {"<img src=\"pics/a.png\" alt=\"\" width=20 style=\"width:20px;behavior:url(x.htc)\">",
         "<img src=\"pics/a.png\" alt=\"\" width=\"20\" style=\"width:20px\">"},
        {"<span style=\"color:red;background:url(javascript:x);mso-bidi-font-weight:bold\">c</span>",
         "<span style=\"color:red\">c</span>"},
        {"<div style=\"width:expression(alert(1))\">e</div>", "<div>e</div>"},
        {"<span style=\"display:none\">hidden</span>shown", "shown"},
        {"<span class=x>plain</span> <font>bare</font>", "plain bare"},
        {"<font face=\"Courier New\" color=\"#FF0000\" size=3 class=f>f</font>",
         "<font face=\"Courier New\" color=\"#FF0000\" size=\"3\">f</font>"},
        {"one\r\ntwo\nthree", "one two three"},
        {"<pre>a\n  b</pre>", "<pre>a<br>  b</pre>"},
        {"<iframe src=x></iframe><form><input value=1>text</form>", "text"},
        {"<svg><script>x</script></svg><math><mi>m</mi></math>ok", "ok"},
        {"<p align=center><sub>1</sub><sup>2</sup><s>3</s></p>", "<p align=\"center\"><sub>1</sub><sup>2</sup><s>3</s></p>"},
        {"<ul><li>a</li>\n<li>b</li></ul><ol start=3><li>c</li></ol>",
         "<ul><li>a</li><li>b</li></ul><ol start=\"3\"><li>c</li></ol>"},
        {"&lt;b&gt; &amp; \xc2\xa0\"q\"", "&lt;b&gt; &amp; &nbsp;\"q\""},
        {"<a name=top>anchor</a>", "<a name=\"top\">anchor</a>"},
        {"<p title='say \"hi\"'>t</p>", "<p title=\"say &quot;hi&quot;\">t</p>"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CleanPastedHtml(QString::fromUtf8(c.pasted)), QString::fromUtf8(c.clean)) << c.pasted;
}

TEST(PasteCleaner, PlainTextKeepsItsLines) {
    EXPECT_EQ(PlainTextAsHtml("a < b & c\r\nnext\tline  two"), "a &lt; b &amp; c<br>next line &nbsp;two");
}

TEST(LinkAddress, CheckedAndEscaped) {
    const struct {
        const char* address;
        AddressUse use;
        const char* result; // nullptr: refused
    } cases[] = {
        {"https://example.com/a b", AddressUse::Link, "https://example.com/a%20b"},
        {"  http://example.com/?a=\"1\"&b='2'<x>  ", AddressUse::Link, "http://example.com/?a=%221%22&b=%272%27%3Cx%3E"},
        {"HTTPS://Example.com", AddressUse::Link, "HTTPS://Example.com"},
        {"mailto:ann@example.com?subject=Hi there", AddressUse::Link, "mailto:ann@example.com?subject=Hi%20there"},
        {"pages/about.html#team", AddressUse::Link, "pages/about.html#team"},
        {"#top", AddressUse::Link, "#top"},
        {"//cdn.example.com/x", AddressUse::Link, "//cdn.example.com/x"},
        {"", AddressUse::Link, nullptr},
        {"   ", AddressUse::Link, nullptr},
        {"javascript:alert(1)", AddressUse::Link, nullptr},
        {"java\nscript:alert(1)", AddressUse::Link, nullptr},
        {"\x01javascript:alert(1)", AddressUse::Link, nullptr},
        {"JAVASCRIPT:x", AddressUse::Link, nullptr},
        {"vbscript:x", AddressUse::Link, nullptr},
        {"data:text/html;base64,PHNjcmlwdD4=", AddressUse::Link, nullptr},
        {"file:///etc/passwd", AddressUse::Link, nullptr},
        {"C:\\Users\\ann\\page.html", AddressUse::Link, nullptr},
        {"\\\\server\\share", AddressUse::Link, nullptr},
        {"http://", AddressUse::Link, nullptr},
        {"mailto:", AddressUse::Link, nullptr},
        {"a\x7f" "b", AddressUse::Link, nullptr},
        {"data:image/png;base64,iVBO", AddressUse::Picture, "data:image/png;base64,iVBO"},
        {"data:image/png;base64,iVBO", AddressUse::Link, nullptr},
        {"data:image/svg+xml,<svg onload=x>", AddressUse::Picture, nullptr},
        {"mailto:ann@example.com", AddressUse::Picture, nullptr},
    };
    for (const auto& c : cases) {
        const std::optional<QString> got = CheckedAddress(QString::fromUtf8(c.address), c.use);
        if (c.result)
            EXPECT_EQ(got, std::optional<QString>(QString::fromUtf8(c.result))) << c.address;
        else
            EXPECT_FALSE(got.has_value()) << c.address << " -> " << got.value_or("").toStdString();
    }
}
} // namespace
