// The WriteWisplet call, the content clean-up and the pages on disk.
#include "designer/PreviewPage.h"
#include "platform/AppFolder.h"
#include "tests/support/TempAppFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {
const QString App = QStringLiteral("/opt/Tools/Designer");

const QString DefaultCall = QStringLiteral(
    "<script>WriteWisplet(2,100,100,'Wisplet_Files/MyBackground','#FFFFFF','Default',0,0,1,"
    "'<font face=arial></font>',0,0,'none',0,'#FFFFFF')</script>");
} // namespace

TEST(ReplaceAll, ReplacesLeftToRightWithoutRescanning) {
    struct Case {
        const char *text, *find, *repl, *expected;
    };
    const Case cases[] = {
        {"it's", "'", "\\'", "it\\'s"},
        {"aaa", "a", "aa", "aaaaaa"},
        {"aaaa", "aa", "b", "bb"},
        {"abc", "", "x", "abc"},
        {"abc", "d", "x", "abc"},
        {"AbA", "a", "x", "AbA"},
        {"", "a", "b", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReplaceAll(c.text, c.find, c.repl), QString::fromLatin1(c.expected)) << c.text;
}

TEST(ContentCleanup, SevenStepsInOrder) {
    struct Case {
        QString in, out;
    };
    const Case cases[] = {
        {"it's", "it\\'s"},
        {"a\\b", "a/b"},
        {"a\\\\b", "a//b"},
        {"line1\r\n\r\n\r\nline2", "line1line2"},
        {"a\rb\nc\n\rd", "abcd"},
        {"<img src=\"" + App + "/samples/Wisplet_Files/MyImage2.gif\">",
         "<img src=\"Wisplet_Files/MyImage2.gif\">"},
        {"/other/place/samples/Wisplet_Files/MyImage2.gif", "/other/place/samples/Wisplet_Files/MyImage2.gif"},
        {"C:\\Tools\\Designer\\samples\\x.gif", "C:/Tools/Designer/samples/x.gif"},
        {"say \"hi\" <b>", "say \"hi\" <b>"},
        // The apostrophe step runs after the backslash step: an existing \' gives /\'.
        {"\\'", "/\\'"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ContentCleanup(c.in, App), c.out) << c.in.toStdString();
}

TEST(ContentForPage, ScriptOpenersEndsAndNonAsciiAreMadeSafe) {
    struct Case {
        QString in, out;
    };
    const Case cases[] = {
        {"a</script>b", "a<\\/script>b"},
        {"</SCRIPT><//ScRiPt", "<\\/SCRIPT><//ScRiPt"},
        {"</ScRiPt x>", "<\\/ScRiPt x>"},
        {QString::fromUtf8("caf\xc3\xa9"), "caf&#233;"},
        {QString::fromUtf8("\xd8\xb3\xd9\x84\xd8\xa7\xd9\x85"), "&#1587;&#1604;&#1575;&#1605;"},
        {QString::fromUtf8("\xf0\x9f\x98\x80"), "&#128512;"},
        {"plain <b>text</b>", "plain <b>text</b>"},
        {"a <!-- <script>x</script> --> b", "a \\x3C!-- \\x3Cscript>x<\\/script> --> b"},
        {"<!--<SCRIPT <!- <scrip", "\\x3C!--\\x3CSCRIPT <!- <scrip"},
        // what the clean-up joins or turns into a slash is escaped as well
        {"<\r\n/scr\nipt <\\script <!\n-- <\nscript", "<\\/script <\\/script \\x3C!-- \\x3Cscript"},
        {QString::fromUtf8("<\xc5\xbf" "cript <'script"), "\\x3C&#383;cript <\\'script"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ContentForPage(c.in, App), c.out) << c.in.toStdString();
}

TEST(WriteWispletCall, DefaultsGiveTheExactCall) {
    const WispletSettings s;
    EXPECT_EQ(WriteWispletCall(s, App, "Wisplet_Files/MyBackground" + s.backgroundSuffix()), DefaultCall);
}

TEST(WriteWispletCall, ArgumentsAsTyped) {
    WispletSettings s;
    s.width = "050";
    s.height = "007";
    s.waiting = "";
    s.contentEntrance = 60;
    s.entrance = 2;
    s.align = 3;
    s.borderStyle = 2;
    s.borderWidth = "12";
    s.borderColor = "#0A0B0C";
    s.bgColor = "#FF0000";
    s.padIn = "5";
    s.padOut = "9";
    s.duration = "0";
    s.contentHtml = "it's";
    s.backCategory = 1;
    s.backImage = "sky.jpg";
    EXPECT_EQ(WriteWispletCall(s, App, "Wisplet_Files/MyBackground" + s.backgroundSuffix()),
              "<script>WriteWisplet(,050,007,'Wisplet_Files/MyBackground.jpg','#FF0000','Right',2,60,0,"
              "'<font face=arial>it\\'s</font>',5,9,'dashed',12,'#0A0B0C')</script>");
}

TEST(PreviewPage, PiecesInOrderOnOneLine) {
    WispletSettings s;
    const QString page = PreviewPageText(s, App);
    const QString expected =
        "<html><head><title>Wisplets Dorizized</title>"
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1256\">"
        "<META http-equiv=Page-Entercontent=progid:DXImageTransform.Microsoft.Pixelate(duration=10)>"
        "<script language=\"javascript\" src=\"Wisplet_Files/wisplet.js\"></script>"
        "<link href=\"styles.css\" rel=\"stylesheet\" type=\"text/css\"></head><body>"
        "<table width=\"100%\" height=\"100%\" border=\"0\" align=\"center\" cellpadding=\"0\" cellspacing=\"0\">"
        "<tr><td height=\"100%\" valign=\"top\" class=\"txt\"><table width=\"100%\" height=\"100%\" border=\"1\" "
        "cellpadding=\"1\" cellspacing=\"1\" bordercolor=\"#FFFFFF\">" +
        DefaultCall +
        "</div><table border=\"0\" cellspacing=\"2\" cellpadding=\"2\">"
        " </table></td></tr></table></td></tr></table></body></html>";
    EXPECT_EQ(page, expected);
    EXPECT_FALSE(page.contains('\n'));
    EXPECT_FALSE(page.contains('\r'));

    s.backCategory = 2;
    s.backImage = "None";
    EXPECT_TRUE(PreviewPageText(s, App).contains("'Wisplet_Files/MyBackground','"));
    s.backImage = "frame.gif";
    EXPECT_TRUE(PreviewPageText(s, App).contains("'Wisplet_Files/MyBackground.jpg','"));
}

TEST(PreviewPage, WrittenAsAsciiBytesAndIdenticalTwice) {
    TempAppFolder app;
    WispletSettings s;
    s.contentHtml = QString::fromUtf8("<p>\xd8\xb3 and \xc3\xa9</p>");
    ASSERT_TRUE(WritePreviewFile(s, app.path()));
    const QByteArray first = app.read("samples/preview.html");
    ASSERT_TRUE(WritePreviewFile(s, app.path()));
    EXPECT_EQ(app.read("samples/preview.html"), first);
    EXPECT_EQ(QString::fromLatin1(first), PreviewPageText(s, app.path()));
    for (char c : first)
        EXPECT_LT(static_cast<unsigned char>(c), 0x80);
    EXPECT_FALSE(first.startsWith("\xEF\xBB\xBF"));
    EXPECT_TRUE(first.contains("&#1587; and &#233;"));
}

TEST(PreviewPage, StartPageExact) {
    TempAppFolder app;
    ASSERT_TRUE(WriteStartPage(app.path()));
    EXPECT_EQ(app.read("samples/preview.html"),
              "<html><head><title>Wisplets Dorizized</title></head><body><br><table align=center>"
              "<tr><td><img src=images/wisplet-txt.jpg></tr></td></table></body>");
}

TEST(PreviewPage, FailedWriteKeepsThePreviousPage) {
    TempAppFolder app;
    ASSERT_TRUE(WriteStartPage(app.path()));
    const QByteArray before = app.read("samples/preview.html");
    // A folder where the temporary file would go makes the write fail.
    QFile::setPermissions(app.file("samples"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool ok = WritePreviewFile(WispletSettings(), app.path());
    QFile::setPermissions(app.file("samples"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (!ok) { // (as root the folder stays writable and the write succeeds)
        EXPECT_EQ(app.read("samples/preview.html"), before);
    }
    // Writing into a folder that does not exist fails without creating anything.
    EXPECT_FALSE(WritePreviewFile(WispletSettings(), app.file("missing")));
    EXPECT_FALSE(QFileInfo::exists(app.file("missing")));
}

TEST(AppFolder, StartUpCleanupRemovesOnlyStalePictures) {
    TempAppFolder app;
    const char* files[] = {"MyBackground.jpg", "MyImage1.gif", "MyImage2.jpg", "wisplet.js",
                           "notes.txt",        "photo.JPG",    "anim.GIF",     "pic.jpeg"};
    for (const char* f : files)
        app.write(QStringLiteral("samples/Wisplet_Files/") + f, "x");
    EXPECT_EQ(AppFolder::deleteWorkingPictures(), 3);
    const struct {
        const char* name;
        bool kept;
    } expect[] = {{"MyBackground.jpg", false}, {"MyImage1.gif", false}, {"MyImage2.jpg", false},
                  {"wisplet.js", true},        {"notes.txt", true},     {"photo.JPG", true},
                  {"anim.GIF", true},          {"pic.jpeg", true}};
    for (const auto& e : expect)
        EXPECT_EQ(app.exists(QStringLiteral("samples/Wisplet_Files/") + e.name), e.kept) << e.name;
    // Nothing to delete, and a missing folder, are both fine.
    EXPECT_EQ(AppFolder::deleteWorkingPictures(), 0);
    QDir(app.file("samples/Wisplet_Files")).removeRecursively();
    EXPECT_EQ(AppFolder::deleteWorkingPictures(), 0);
}
