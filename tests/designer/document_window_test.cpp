// Design documents through the real main window: Save As, New, Open and the
// export that follows; the modified mark and the three-way question; undo and
// redo of each kind of change; recovery after a crash.
#include "designer/DocumentController.h"
#include "designer/ExportCode.h"
#include "tests/designer/design_pictures.h"
#include "tests/designer/main_window_fixture.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

namespace {
struct DocumentWindow : MainWindowFixture {
    QTemporaryDir files;
    DocumentWindow() { RecentFiles::setStore(files.filePath("recent.ini")); }
    ~DocumentWindow() { RecentFiles::setStore(QString()); }

    QString path(const char* name) const { return files.filePath(QString::fromLatin1(name)); }

    // A design with a library background and two inserted pictures.
    void design() {
        General& g = *w;
        type(box("WispletWidth"), "120");
        type(box("WispletPadIn"), "3");
        type(box("WispletBorderWidth"), "2");
        list("WispletBorderStyle")->setCurrentIndex(3);
        list("WispletAlign")->setCurrentIndex(2);
        list("ContentEntrance")->setCurrentIndex(60);
        dialogs.colorAnswers.push_back(0x0C0B0A);
        click("ShowColor2");
        app.write("samples/Wisplet_Files/MyImage1.jpg", jpegBytes(10, 10));
        app.write("samples/Wisplet_Files/MyImage2.gif", gifBytes());
        AppContext::instance().ImageCount = 2;
        find<QPlainTextEdit>("ContentTextHtml")->setPlainText(
            "It's <img src=\"Wisplet_Files\\MyImage1.jpg\"> and\n<img src=Wisplet_Files/MyImage2.gif> été");
        list("BackCat")->setCurrentIndex(2);
        g.ReadBack("borders");
        list("WispletBackImage")->setCurrentIndex(list("WispletBackImage")->findText("gold-frame.jpg"));
        g.background().SelectAndFit();
    }

    // The export window's code and its "Export Files" into a new folder.
    std::pair<QString, QMap<QString, QByteArray>> exported() {
        QTemporaryDir target;
        target.setAutoRemove(false);
        ExportWispletFiles(app.path(), target.path(), AppContext::instance().ImageCount,
                           [](const QString& s, const QString& d) {
                               return QFile::copy(s, d + QFileInfo(s).fileName()) ? CopyResult::Copied : CopyResult::Failed;
                           });
        QMap<QString, QByteArray> out;
        QDirIterator it(target.path() + "/Wisplet_Files", QDir::Files);
        while (it.hasNext()) {
            QFile f(it.next());
            f.open(QIODevice::ReadOnly);
            out.insert(QFileInfo(f).fileName(), f.readAll());
        }
        QDir(target.path()).removeRecursively();
        return {ExportBodyCode(w->settings(), app.path()), out};
    }
};
} // namespace

TEST(DocumentWindow, SaveAsNewAndOpenGiveTheDesignAndItsExportBack) {
    DocumentWindow f;
    General& w = f.open();
    EXPECT_EQ(w.windowTitle(), "Wisplet Dorizized");
    f.design();
    const WispletSettings designed = w.settings();
    const auto before = f.exported();
    EXPECT_EQ(before.second.keys(), QStringList({"MyBackground.jpg", "MyImage1.jpg", "MyImage2.gif", "wisplet.js"}));
    EXPECT_TRUE(w.document().isModified());

    f.dialogs.saveFileAnswers.push_back(f.path("box")); // the suffix is added
    f.trigger("menuSaveAs");
    EXPECT_TRUE(QFile::exists(f.path("box.wisplet")));
    EXPECT_EQ(w.windowTitle(), "box.wisplet[*] - Wisplet Dorizized");
    EXPECT_FALSE(w.isWindowModified());

    f.trigger("menuNew"); // saved: no question
    EXPECT_TRUE(f.dialogs.messages().isEmpty());
    EXPECT_EQ(w.settings(), WispletSettings());
    EXPECT_EQ(w.windowTitle(), "Wisplet Dorizized");
    EXPECT_FALSE(QFile::exists(f.backgroundFile()));

    // Opened on a clean machine: the library picture is missing there.
    QFile::remove(f.app.file("backgrounds/borders/gold-frame.jpg"));
    f.dialogs.openFileAnswers.push_back(f.path("box.wisplet"));
    f.trigger("menuOpen");
    EXPECT_EQ(w.settings(), designed);
    EXPECT_TRUE(QFile::exists(f.app.file("backgrounds/borders/gold-frame.jpg")));
    EXPECT_EQ(w.windowTitle(), "box.wisplet[*] - Wisplet Dorizized");
    EXPECT_FALSE(w.document().isModified());
    const auto after = f.exported();
    EXPECT_EQ(after.first, before.first);
    EXPECT_EQ(after.second, before.second);
    EXPECT_EQ(RecentFiles::list(), QStringList({f.path("box.wisplet")}));
    EXPECT_TRUE(f.find<QAction>("recentFile1"));
}

TEST(DocumentWindow, AModifiedDesignAsksBeforeItIsReplacedOrClosed) {
    struct Case {
        const char* command;
        MsgAnswer answer;
        bool replaced; // the command went on
    };
    const Case cases[] = {
        {"menuNew", MsgAnswer::Cancel, false}, {"menuNew", MsgAnswer::No, true},
        {"menuNew", MsgAnswer::Yes, true},     {"menuOpen", MsgAnswer::Cancel, false},
        {"menuOpen", MsgAnswer::No, true},     {"close", MsgAnswer::Cancel, false},
        {"close", MsgAnswer::No, true},        {"menuExit", MsgAnswer::Yes, true},
    };
    for (const Case& c : cases) {
        DocumentWindow f;
        General& w = f.open();
        f.dialogs.saveFileAnswers.push_back(f.path("first.wisplet"));
        f.trigger("menuSaveAs");
        DocumentWindow::type(f.box("WispletHeight"), "55");
        EXPECT_TRUE(w.isWindowModified()) << c.command;
        EXPECT_EQ(w.windowTitle(), "first.wisplet[*] - Wisplet Dorizized");
        f.dialogs.messageAnswers.push_back(c.answer);
        f.dialogs.openFileAnswers.push_back(f.path("first.wisplet"));
        if (QString(c.command) == "close")
            w.close();
        else
            f.trigger(c.command);
        ASSERT_FALSE(f.dialogs.messages().isEmpty()) << c.command;
        EXPECT_EQ(f.dialogs.messages().first(), "Save changes to first.wisplet?") << c.command;
        const auto question = std::find_if(f.dialogs.shown.begin(), f.dialogs.shown.end(),
                                           [](const FakeDialogs::Shown& s) { return s.kind == "message"; });
        EXPECT_EQ(question->buttons, MsgButtons::SaveDiscardCancel);
        const bool closing = QString(c.command) == "close" || QString(c.command) == "menuExit";
        if (closing) {
            EXPECT_EQ(w.isVisible(), !c.replaced) << c.command;
        } else {
            EXPECT_EQ(w.settings().height, c.replaced ? "100" : "55") << c.command;
        }
        if (c.answer == MsgAnswer::Yes) { // saved first
            EXPECT_EQ(ReadDesignFile(f.path("first.wisplet")).design->settings.height, "55") << c.command;
        }
        if (c.answer == MsgAnswer::Cancel) {
            EXPECT_TRUE(w.isWindowModified()) << c.command;
        }
    }
}

TEST(DocumentWindow, UndoAndRedoStepThroughEachKindOfChange) {
    DocumentWindow f;
    General& w = f.open();
    struct Case {
        const char* what;
        std::function<void()> change;
    };
    const Case cases[] = {
        {"spinner held down",
         [&] {
             for (int i = 0; i < 5; ++i)
                 f.spin("WidthControl")->stepUp();
         }},
        {"colour",
         [&] {
             f.dialogs.colorAnswers.push_back(0x0000FF);
             f.click("ShowColor");
         }},
        {"list choice", [&] { f.list("ContentEntrance")->setCurrentIndex(17); }},
        {"content", [&] { QTest::keyClicks(f.find<QPlainTextEdit>("ContentTextHtml"), "<b>Hi</b>"); }},
        {"background", [&] {
             f.list("BackCat")->setCurrentIndex(3);
             w.ReadBack("shapes");
             f.list("WispletBackImage")->setCurrentIndex(2);
         }},
    };
    QList<WispletSettings> states{w.settings()};
    for (const Case& c : cases) {
        QTest::qWait(1600); // a new step, not a continuation of the last
        if (QString(c.what) == "content")
            DocumentWindow::focus(f.find<QPlainTextEdit>("ContentTextHtml"));
        c.change();
        states << w.settings();
        EXPECT_NE(states.last(), states[states.size() - 2]) << c.what;
        EXPECT_EQ(w.document().undoStack().count(), states.size() - 1) << c.what;
    }
    EXPECT_EQ(states[1].width, "105");
    for (qsizetype i = states.size() - 1; i > 0; --i) {
        f.trigger("menuUndo");
        EXPECT_EQ(w.settings(), states[i - 1]) << cases[i - 1].what;
    }
    EXPECT_FALSE(w.isWindowModified());
    for (qsizetype i = 1; i < states.size(); ++i) {
        f.trigger("menuRedo");
        EXPECT_EQ(w.settings(), states[i]) << cases[i - 1].what;
    }
    // Ctrl+Z in a text box is the window's undo, not the box's own.
    DocumentWindow::focus(f.box("WispletWidth"));
    QTest::keyClick(f.box("WispletWidth"), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w.settings(), states[states.size() - 2]);
}

TEST(DocumentWindow, ACrashLeavesARecoveryFileThatTheNextStartOffers) {
    DocumentWindow f;
    General& first = f.open();
    DocumentWindow::type(f.box("WispletWidth"), "77");
    first.document().writeRecovery(); // what the 30 s timer does
    first.document().waitForRecovery();
    const QString recovery = first.document().recoveryFile();
    EXPECT_TRUE(QFile::exists(recovery));
    f.w.reset(); // gone without closing, as in a crash

    f.dialogs.messageAnswers.push_back(MsgAnswer::Yes);
    General& w = f.open();
    EXPECT_TRUE(waitUntil([&] { return w.settings().width == "77"; }, 5000));
    EXPECT_TRUE(w.document().isModified());
    ASSERT_FALSE(f.dialogs.messages().isEmpty());
    EXPECT_TRUE(f.dialogs.messages().first().contains("did not close properly"));
    f.dialogs.messageAnswers.push_back(MsgAnswer::No); // discard on closing
    w.close();
    EXPECT_FALSE(QFile::exists(recovery));
}
