// The export: head line and body code, the files copied into the chosen
// folder, the closing message (success only when every copy succeeded) and
// the two Copy buttons.
#include "designer/ExportCode.h"
#include "designer/ExportWindow.h"
#include "tests/designer/main_window_fixture.h"

#include <QClipboard>
#include <QDir>
#include <QGroupBox>
#include <QGuiApplication>
#include <QTemporaryDir>

namespace {

const char* DefaultCall =
    "WriteWisplet(2,100,100,'Wisplet_Files/MyBackground.jpg','#FFFFFF','Default',0,0,1,'<font face=arial></font>',0,"
    "0,'none',0,'#FFFFFF')";

TEST(ExportCode, HeadLineAndBodyCodeOfTheDefaults) {
    EXPECT_EQ(ExportHeadLine(),
              QStringLiteral("<script language=\"javascript\" src=\"Wisplet_Files/wisplet.js\"></script>"));
    const QString body = ExportBodyCode(WispletSettings(), QStringLiteral("/opt/wd"));
    const QStringList lines = body.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], QStringLiteral(
                            "<!--------------------------- Begin Wisplet Dorizized Code ------------------------->"));
    EXPECT_EQ(lines[1], QStringLiteral("<script>"));
    EXPECT_EQ(lines[2], QString::fromLatin1(DefaultCall));
    EXPECT_EQ(lines[3], QStringLiteral("</script>"));
    EXPECT_EQ(lines[4], QStringLiteral(
                            "<!--------------------------- End Wisplet Dorizized Code ------------------------->"));
    EXPECT_FALSE(body.endsWith(QStringLiteral("\n")));
}

TEST(ExportCode, CallDiffersFromThePreviewOnlyInTheBackgroundAndTheScriptTags) {
    WispletSettings s;
    s.width = "050";
    s.contentEntrance = 60;
    s.contentHtml = "it's\r\n<img src=\"/opt/wd/samples/Wisplet_Files\\MyImage2.gif\">\nend";
    for (int category : {0, 1}) {
        s.backCategory = category;
        s.backImage = category ? "sky.jpg" : "None";
        const QString line = ExportBodyCode(s, "/opt/wd").split("\r\n")[2];
        EXPECT_EQ(line.toStdString(), QStringLiteral("WriteWisplet(2,050,100,'Wisplet_Files/MyBackground.jpg','#FFFFFF','Default',0,"
                                       "60,1,'<font face=arial>it\\'s<img src=\"Wisplet_Files/MyImage2.gif\">end"
                                       "</font>',0,0,'none',0,'#FFFFFF')").toStdString())
            << category;
    }
}

TEST(ExportCode, FilesToExport) {
    const struct {
        QStringList present; // in samples/Wisplet_Files besides wisplet.js
        int imageCount;
        QStringList expected;
    } cases[] = {
        {{}, 0, {"wisplet.js"}},
        {{"MyBackground.jpg"}, 0, {"wisplet.js", "MyBackground.jpg"}},
        {{"MyImage1.gif", "MyImage2.jpg"}, 2, {"wisplet.js", "MyImage1.gif", "MyImage2.jpg"}},
        {{"MyImage1.gif", "MyImage1.jpg", "MyImage3.gif"}, 3, {"wisplet.js", "MyImage1.jpg", "MyImage3.gif"}},
        {{"MyImage1.gif", "MyImage2.gif"}, 1, {"wisplet.js", "MyImage1.gif"}},
        {{"MyBackground.gif", "MyImage1.png"}, 1, {"wisplet.js"}},
    };
    for (const auto& c : cases) {
        TempAppFolder app;
        for (const QString& name : c.present)
            app.write("samples/Wisplet_Files/" + name, "x");
        EXPECT_EQ(ExportSources(app.path(), c.imageCount), c.expected) << c.present.join(',').toStdString();
    }
}

TEST(ExportCode, ClosingMessageOnlyReportsSuccessWhenEverythingWasCopied) {
    ExportOutcome all{{"wisplet.js", "MyBackground.jpg"}, {}};
    EXPECT_EQ(ExportMessage(all), QStringLiteral("Your Files have been exported Successfully"));
    ExportOutcome some{{"wisplet.js"}, {"MyBackground.jpg", "MyImage1.gif"}};
    const QString text = ExportMessage(some);
    EXPECT_FALSE(text.contains(QStringLiteral("Successfully")));
    EXPECT_TRUE(text.contains(QStringLiteral("MyBackground.jpg")) && text.contains(QStringLiteral("MyImage1.gif")));
    EXPECT_FALSE(text.contains(QStringLiteral("wisplet.js")));
}

struct ExportFixture {
    TempAppFolder app{true};
    FakeDialogs dialogs;
    FakeShell shell;
    QTemporaryDir target;
    QWidget owner;
    QPointer<Export> window;

    ExportFixture() {
        AppContext::instance().reset();
        owner.setEnabled(false);
    }
    ~ExportFixture() { delete window.data(); }
    Export& open(const WispletSettings& s = WispletSettings()) {
        window = new Export(s, &owner);
        window->show();
        return *window;
    }
    void exportTo(const QString& folder) {
        dialogs.folderAnswers.push_back(folder);
        QTest::mouseClick(window->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    }
    QStringList exported() const {
        return QDir(target.path() + "/Wisplet_Files").entryList(QDir::Files, QDir::Name);
    }
};

TEST(ExportWindow, LayoutAndCodeBoxes) {
    ExportFixture f;
    Export& w = f.open();
    EXPECT_EQ(w.windowTitle(), QStringLiteral(" Export Wisplet Files"));
    EXPECT_EQ(w.findChild<QLineEdit*>("MyScript")->text(), ExportHeadLine());
    auto* code = w.findChild<QPlainTextEdit*>("Code");
    ASSERT_NE(code, nullptr);
    EXPECT_TRUE(code->isReadOnly());
    EXPECT_EQ(code->toPlainText().split('\n').value(2), QString::fromLatin1(DefaultCall));
    EXPECT_EQ(w.bodyCode(), ExportBodyCode(WispletSettings(), f.app.path()));
    for (const char* caption : {"First Step", "Second Step", "Third Step"}) {
        auto groups = w.findChildren<QGroupBox*>();
        auto it = std::find_if(groups.begin(), groups.end(), [&](QGroupBox* g) { return g->title() == caption; });
        ASSERT_NE(it, groups.end()) << caption;
        EXPECT_TRUE((*it)->font().bold());
        EXPECT_EQ((*it)->font().pointSize(), 10);
    }
}

TEST(ExportWindow, CancelledFolderPickerDoesNothing) {
    ExportFixture f;
    f.open();
    f.dialogs.folderAnswers.push_back(std::nullopt);
    QTest::mouseClick(f.window->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    ASSERT_EQ(f.dialogs.shown.size(), 1u);
    EXPECT_EQ(f.dialogs.shown[0].title, QStringLiteral("Select your target Folder"));
    EXPECT_TRUE(f.dialogs.messages().isEmpty());
    EXPECT_TRUE(QDir(f.target.path()).isEmpty());
}

TEST(ExportWindow, CopiesTheRunTimeFilesAndReportsSuccess) {
    ExportFixture f;
    f.app.write("samples/Wisplet_Files/MyBackground.jpg", "bg");
    f.app.write("samples/Wisplet_Files/MyImage1.gif", "one");
    f.app.write("samples/Wisplet_Files/MyImage2.jpg", "two");
    f.app.write("samples/Wisplet_Files/MyImage3.jpg", "not counted");
    AppContext::instance().ImageCount = 2;
    f.open();
    f.exportTo(f.target.path());
    EXPECT_EQ(f.exported(), (QStringList{"MyBackground.jpg", "MyImage1.gif", "MyImage2.jpg", "wisplet.js"}));
    EXPECT_EQ(f.dialogs.messages(), QStringList{"Your Files have been exported Successfully"});
    QFile js(f.target.path() + "/Wisplet_Files/wisplet.js");
    ASSERT_TRUE(js.open(QIODevice::ReadOnly));
    EXPECT_EQ(js.readAll(), f.app.read("samples/Wisplet_Files/wisplet.js"));
}

TEST(ExportWindow, ExistingFolderIsKeptAndARefusedReplaceIsReportedAsNotExported) {
    ExportFixture f;
    f.app.write("samples/Wisplet_Files/MyBackground.jpg", "new background");
    QDir(f.target.path()).mkdir("Wisplet_Files");
    QFile old(f.target.path() + "/Wisplet_Files/MyBackground.jpg");
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old background");
    old.close();
    f.open();
    f.dialogs.messageAnswers.push_back(MsgAnswer::No); // do not replace MyBackground.jpg
    f.exportTo(f.target.path());

    EXPECT_EQ(f.exported(), (QStringList{"MyBackground.jpg", "wisplet.js"}));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("old background"));
    const QString last = f.dialogs.messages().last();
    EXPECT_FALSE(last.contains("Successfully"));
    EXPECT_TRUE(last.contains("MyBackground.jpg"));
    EXPECT_EQ(f.window->lastOutcome().copied, QStringList{"wisplet.js"});
}

TEST(ExportWindow, FailedCopiesAreNamedAndDoNotStopTheOthers) {
    ExportFixture f;
    f.app.write("samples/Wisplet_Files/MyBackground.jpg", "bg");
    f.shell.failCopies = true;
    f.open();
    f.exportTo(f.target.path());
    EXPECT_EQ(f.window->lastOutcome().notCopied, (QStringList{"wisplet.js", "MyBackground.jpg"}));
    const QString last = f.dialogs.messages().last();
    EXPECT_TRUE(last.contains("wisplet.js") && last.contains("MyBackground.jpg")) << last.toStdString();
    EXPECT_FALSE(last.contains("Successfully"));
}

TEST(ExportWindow, FolderNameIsComparedWithItsCase) {
    ExportFixture f;
    QDir(f.target.path()).mkdir("wisplet_files");
    f.open();
    f.exportTo(f.target.path());
    EXPECT_TRUE(QFileInfo(f.target.path() + "/Wisplet_Files").isDir());
    EXPECT_EQ(f.exported(), QStringList{"wisplet.js"});
    EXPECT_EQ(f.dialogs.messages().last(), QStringLiteral("Your Files have been exported Successfully"));
}

TEST(ExportWindow, CopyButtonsHighlightOneBoxAndPutItsWholeTextOnTheClipboard) {
    ExportFixture f;
    Export& w = f.open();
    auto* script = w.findChild<QLineEdit*>("MyScript");
    auto* code = w.findChild<QPlainTextEdit*>("Code");
    const QColor highlight = QApplication::palette().color(QPalette::Highlight);

    QTest::mouseClick(w.findChild<QPushButton*>("CopyContent"), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), w.bodyCode());
    EXPECT_EQ(code->palette().color(QPalette::Base), highlight);
    EXPECT_EQ(code->palette().color(QPalette::Text), QColor(Qt::white));
    EXPECT_EQ(code->textCursor().selectedText().size(), code->toPlainText().size());

    QTest::mouseClick(w.findChild<QPushButton*>("CopyScript"), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), ExportHeadLine());
    EXPECT_EQ(script->palette().color(QPalette::Base), highlight);
    EXPECT_EQ(script->selectedText(), ExportHeadLine());
    EXPECT_EQ(code->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(code->palette().color(QPalette::Text), QColor(Qt::black));

    // Export Files takes the highlight away again.
    f.dialogs.folderAnswers.push_back(std::nullopt);
    QTest::mouseClick(w.findChild<QPushButton*>("Command1"), Qt::LeftButton);
    EXPECT_EQ(script->palette().color(QPalette::Base), QColor(Qt::white));
}

TEST(ExportWindow, ClosingEnablesTheOwner) {
    ExportFixture f;
    f.open();
    EXPECT_FALSE(f.owner.isEnabled());
    f.window->close();
    EXPECT_TRUE(f.owner.isEnabled());
}

} // namespace
