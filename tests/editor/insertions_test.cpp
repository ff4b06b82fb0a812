// The image tag, the working copy of a picture and the table HTML.
#include "editor/Insertions.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

ImageFields img(QString src, QString alt = "", QString align = "Default", QString border = "0", QString h = "0",
                QString v = "0", QString width = "", QString height = "") {
    return {src, alt, align, border, h, v, width, height};
}
} // namespace

TEST(ImageTag, DefaultAndOddFields) {
    struct Case {
        const char* name;
        ImageFields fields;
        QString tag;
    } cases[] = {
        {"defaults", img("Wisplet_Files\\MyImage1.gif"),
         "<img src=\"Wisplet_Files\\MyImage1.gif\" alt=\"\" align=Default border=0 vspace=0 hspace=0>"},
        {"alt with blanks and quotes",
         img("a.gif", "my \"best\" <pic> & more"),
         "<img src=\"a.gif\" alt=\"my &quot;best&quot; &lt;pic&gt; &amp; more\" align=Default border=0 vspace=0 "
         "hspace=0>"},
        {"width only", img("a.gif", "", "Left", "0", "0", "0", "120", ""),
         "<img src=\"a.gif\" alt=\"\" align=Left border=0 vspace=0 hspace=0 width=120>"},
        {"height only", img("a.gif", "", "Left", "0", "0", "0", "", "8"),
         "<img src=\"a.gif\" alt=\"\" align=Left border=0 vspace=0 hspace=0 height=8>"},
        {"vertical and horizontal in their places", img("a.gif", "x", "Top", "2", "3", "4", "10", "9"),
         "<img src=\"a.gif\" alt=\"x\" align=Top border=2 vspace=4 hspace=3 width=10 height=9>"},
        {"unsafe values are quoted", img("a\"b.gif", "", "Abs middle", "", "1 onerror=x", "0"),
         "<img src=\"a&quot;b.gif\" alt=\"\" align=\"Abs middle\" border=\"\" vspace=0 hspace=\"1 onerror=x\">"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ImageTag(c.fields), c.tag) << c.name;
}

TEST(PictureExtension, TextAfterTheLastDot) {
    struct Case {
        const char* path;
        const char* ext;
    } cases[] = {
        {"/home/u/photo.jpg", "jpg"},     {"/home/u/my.photo.JPG", "jpg"}, {"C:\\pics\\a.b.gif", "gif"},
        {"/home/u.d/noext", ""},          {"/p/picture.JPEG", "jpg"},      {"/p/x.Gif", "gif"},
        {"/p/scan.png", "png"},           {"/p/trailing.", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PictureExtension(c.path), QString(c.ext)) << c.path;
}

TEST(CopyPictureIn, NumbersNamesAndFailures) {
    int count = 0;
    QStringList copies;
    bool fail = false;
    auto copy = [&](const QString& from, const QString& to) {
        copies << from + " -> " + to;
        return !fail;
    };
    PictureCopy a = CopyPictureIn("/d/my.photo.JPG", "/app", count, copy);
    EXPECT_EQ(a.outcome, PictureOutcome::Copied);
    EXPECT_EQ(a.source, "Wisplet_Files\\MyImage1.jpg");
    EXPECT_EQ(copies.last(), "/d/my.photo.JPG -> /app/samples/Wisplet_Files/MyImage1.jpg");
    PictureCopy b = CopyPictureIn("/d/b.gif", "/app", count, copy);
    EXPECT_EQ(b.source, "Wisplet_Files\\MyImage2.gif");
    EXPECT_EQ(count, 2);

    // No extension and other kinds: told, nothing copied, no number used.
    EXPECT_EQ(CopyPictureIn("/d/README", "/app", count, copy).outcome, PictureOutcome::NoExtension);
    EXPECT_EQ(CopyPictureIn("/d/x.png", "/app", count, copy).outcome, PictureOutcome::NotAPicture);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(copies.size(), 2);

    // A failed copy uses up its number and is told.
    fail = true;
    PictureCopy c = CopyPictureIn("/d/c.gif", "/app", count, copy);
    EXPECT_EQ(c.outcome, PictureOutcome::CopyFailed);
    EXPECT_EQ(c.number, 3);
    EXPECT_TRUE(c.source.isEmpty());
    for (PictureOutcome o : {PictureOutcome::NoExtension, PictureOutcome::NotAPicture, PictureOutcome::CopyFailed})
        EXPECT_FALSE(PictureMessage(o).isEmpty());
    EXPECT_TRUE(PictureMessage(PictureOutcome::Copied).isEmpty());
}

TEST(ToWhole16, RoundsHalvesToEvenAndRefusesTheRest) {
    struct Case {
        const char* text;
        int value;
    } cases[] = {{"3", 3},      {"2.5", 2},    {"3.5", 4},       {" 7 ", 7},       {"-2", -2},    {"abc", 0},
                 {"", 0},       {"32767", 32767}, {"32768", 0}, {"-32768", -32768}, {"1e3", 1000}, {"inf", 0}};
    for (const Case& c : cases)
        EXPECT_EQ(ToWhole16(c.text), c.value) << c.text;
}

TEST(TableHtmlFor, SizesAndFields) {
    const QString row3 = "   <TR>\r\n      <TD></TD>\r\n      <TD></TD>\r\n      <TD></TD>\r\n   </TR>\r\n";
    TableFields f;
    EXPECT_EQ(*TableHtmlFor(f), "<Table align=\"Left\" cellspacing=\"1\" cellpadding=\"1\" border=\"1\" width=75%>\r\n" +
                                    row3 + row3 + row3 + "</Table>\r\n");

    TableFields none;
    none.rows = "0";
    EXPECT_EQ(*TableHtmlFor(none),
              "<Table align=\"Left\" cellspacing=\"1\" cellpadding=\"1\" border=\"1\" width=75%>\r\n</Table>\r\n");

    TableFields empty{"", "", "", "", "1", "1"};
    EXPECT_EQ(*TableHtmlFor(empty), "<Table width=75%>\r\n   <TR>\r\n      <TD></TD>\r\n   </TR>\r\n</Table>\r\n");

    TableFields odd{"Le\"ft", "1", "<2>", "&", "2.5", "x"};
    EXPECT_EQ(*TableHtmlFor(odd), "<Table align=\"Le&quot;ft\" cellspacing=\"&lt;2&gt;\" cellpadding=\"&amp;\" "
                                  "border=\"1\" width=75%>\r\n   <TR>\r\n   </TR>\r\n   <TR>\r\n   </TR>\r\n</Table>\r\n");

    TableFields big;
    big.rows = "1000";
    big.columns = "101";
    EXPECT_FALSE(TableHtmlFor(big).has_value());
    big.columns = "100";
    EXPECT_TRUE(TableHtmlFor(big).has_value());
    TableFields negative;
    negative.rows = "-1000";
    negative.columns = "-1000";
    EXPECT_EQ(*TableHtmlFor(negative),
              "<Table align=\"Left\" cellspacing=\"1\" cellpadding=\"1\" border=\"1\" width=75%>\r\n</Table>\r\n");
}
