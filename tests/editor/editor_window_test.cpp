// The editor window's rules on the scripted edit view: loading, write-back,
// the source view, closing, browse mode and tag display, crashes.
#include "tests/editor/editor_fixture.h"

#include "editor/EditorDocument.h"
#include "platform/AppFolder.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
// The fake's document with the content between the markers replaced.
QString withContent(const QString& document, const QString& content) {
    const qsizetype s = document.indexOf(StartMarker) + StartMarker.size();
    const qsizetype e = document.indexOf(EndMarker);
    return document.left(s) + "\n" + content + "\n" + document.mid(e);
}
} // namespace

TEST(EditorWindow, OpensTheTemplateWithTagDisplayOn) {
    EditorFixture f;
    AdvencedEditor& w = f.open("<i>x</i>");
    EXPECT_EQ(w.windowTitle(), " HTML Advanced Editor");
    EXPECT_EQ(w.objectName(), "AdvencedEditor");
    EXPECT_EQ(f.fake->document, EditorTemplate(boxFields("<i>x</i>")));
    EXPECT_EQ(f.fake->baseFolder, AppFolder::file("samples"));
    EXPECT_TRUE(f.fake->showDetails());
    EXPECT_FALSE(w.isChanged());
    EXPECT_TRUE(w.isLoaded());
    EXPECT_EQ(f.find<QWidget>("DHTMLEdit1"), f.fake->widget());
}

TEST(EditorWindow, ToolbarAndMenuCaptions) {
    EditorFixture f;
    f.open();
    const std::pair<const char*, const char*> tips[] = {
        {"Cut", "cut"}, {"InsertCol", "insert colon"}, {"DelCol", "delete colon"}, {"MergCell", "insert cell"},
        {"Outdent", "indent"}, {"Indent", "outdent"}, {"save2", "Save"}, {"ViewSource", "view code"},
        {"Design", "design view"}, {"Browse", "Browse Mode"}, {"br", "line break"}, {"MyBackColor", ""}};
    for (auto [name, tip] : tips)
        EXPECT_EQ(f.find<QAbstractButton>(name)->toolTip(), tip) << name;
    for (const QString& name : AdvencedEditor::DesignOnlyButtons())
        EXPECT_FALSE(f.find<QToolButton>(name.toLatin1().constData())->icon().isNull()) << name.toStdString();
    const std::tuple<const char*, const char*, const char*> items[] = {
        {"smenu1", "Undo", "Ctrl+Z"}, {"smenu2", "Redo", "Ctrl+R"},  {"smenu3", "Cut", "Ctrl+X"},
        {"smenu4", "Copy", "Ctrl+C"}, {"smneu5", "Paste", "Ctrl+V"}, {"selectAll", "Select All", "Ctrl+A"},
        {"smenu6", "Find", "Ctrl+F"}, {"save", "Save", ""},          {"Exit", "Exit", ""}};
    for (auto [name, caption, keys] : items) {
        QAction* a = f.find<QAction>(name);
        EXPECT_EQ(a->text(), caption) << name;
        EXPECT_EQ(a->shortcut().toString(), keys) << name;
    }
    EXPECT_EQ(f.find<QLabel>("Label1")->text(),
              "Make sure you work between/inside these comments           and do not delete them.");
}

TEST(EditorWindow, ButtonsAndMenuItemsRunTheirCommands) {
    EditorFixture f;
    f.open();
    const std::pair<const char*, EditCommand> buttons[] = {
        {"Bold", EditCommand::Bold},          {"AligLeft", EditCommand::JustifyLeft},
        {"Outdent", EditCommand::Outdent},    {"Indent", EditCommand::Indent},
        {"MergCell", EditCommand::InsertCell}, {"SplitCell", EditCommand::SplitCell},
        {"DelCol", EditCommand::DeleteCols},  {"Undob", EditCommand::Undo}};
    for (auto [name, command] : buttons) {
        f.fake->commands.clear();
        f.click(name);
        ASSERT_EQ(f.fake->commands.size(), 1) << name;
        EXPECT_EQ(f.fake->commands[0].first, command) << name;
    }
    f.fake->commands.clear();
    f.find<QAction>("smneu5")->trigger();
    f.find<QAction>("smenu2")->trigger();
    ASSERT_EQ(f.fake->commands.size(), 2);
    EXPECT_EQ(f.fake->commands[0].first, EditCommand::Paste);
    EXPECT_EQ(f.fake->commands[1].first, EditCommand::Redo);

    f.click("br");
    f.click("hr");
    EXPECT_EQ(f.fake->inserted, (QStringList{"<br>", "<hr>"}));

    // The back colour: the chosen colour, or nothing (the view then does nothing).
    f.fake->commands.clear();
    f.dialogs.colorAnswers = {Color::rgb(10, 11, 12), std::nullopt};
    f.click("MyBackColor");
    f.click("MyBackColor");
    ASSERT_EQ(f.fake->commands.size(), 2);
    EXPECT_EQ(f.fake->commands[0], qMakePair(EditCommand::SetBackColor, QString("#0A0B0C")));
    EXPECT_EQ(f.fake->commands[1], qMakePair(EditCommand::SetBackColor, QString()));

    // Find asks first; a cancelled question runs nothing.
    f.fake->commands.clear();
    f.dialogs.inputAnswers = {"word", ""};
    f.find<QAction>("smenu6")->trigger();
    f.find<QAction>("smenu6")->trigger();
    ASSERT_EQ(f.fake->commands.size(), 1);
    EXPECT_EQ(f.fake->commands[0], qMakePair(EditCommand::FindText, QString("word")));
}

TEST(EditorWindow, ChangedFlagFollowsEditsNotLoads) {
    EditorFixture f;
    AdvencedEditor& w = f.open();
    EXPECT_FALSE(w.isChanged());
    f.click("br"); // an insertion is an edit
    EXPECT_TRUE(w.isChanged());
    f.click("save2");
    EXPECT_FALSE(w.isChanged());
    f.fake->userEdits(f.fake->document);
    EXPECT_TRUE(w.isChanged());
    f.click("save2");
    f.click("info"); // the tag display is no edit
    EXPECT_FALSE(w.isChanged());
    EXPECT_FALSE(f.fake->showDetails());
    f.click("Picture2");
    EXPECT_TRUE(f.fake->showDetails());
    EXPECT_FALSE(w.isChanged());
}

TEST(EditorWindow, WriteBackCases) {
    struct Case {
        const char* name;
        std::function<QString(const QString&)> edit; // the document after the user's edit
        QStringList writes;
        bool changedAfter;
        bool message;
    } cases[] = {
        {"unchanged document gives the content back exactly", [](const QString& d) { return d; },
         {"<B>Hi</B>"}, false, false},
        {"edited content", [](const QString& d) { return withContent(d, "new"); }, {"new"}, false, false},
        {"start marker deleted", [](const QString& d) { return QString(d).remove(StartMarker); }, {}, true, true},
        {"end marker deleted", [](const QString& d) { return QString(d).remove(EndMarker); }, {}, true, true},
        {"end before start",
         [](const QString& d) { return QString(d).remove(EndMarker).replace(StartMarker, EndMarker + StartMarker); },
         {}, true, true},
    };
    for (const Case& c : cases) {
        EditorFixture f;
        AdvencedEditor& w = f.open("<B>Hi</B>");
        f.fake->userEdits(c.edit(f.fake->document));
        f.click("save2");
        EXPECT_EQ(f.host->writes, c.writes) << c.name;
        EXPECT_EQ(w.isChanged(), c.changedAfter) << c.name;
        EXPECT_EQ(f.dialogs.messages().size(), c.message ? 1 : 0) << c.name;
    }
}

TEST(EditorWindow, FileSaveDoesWhatSave2Does) {
    EditorFixture f;
    f.open("a");
    f.fake->userEdits(withContent(f.fake->document, "b"));
    f.find<QAction>("save")->trigger();
    EXPECT_EQ(f.host->writes, QStringList{"b"});
}

TEST(EditorWindow, UnreadableDocumentSavesNothingAndSaysSo) {
    EditorFixture f;
    AdvencedEditor& w = f.open("a");
    f.fake->userEdits(withContent(f.fake->document, "b"));
    f.fake->unreadable = true;
    f.click("save2");
    EXPECT_TRUE(f.host->writes.isEmpty());
    EXPECT_TRUE(w.isChanged());
    EXPECT_EQ(f.dialogs.messages().size(), 1);
}

TEST(EditorWindow, SourceViewDisablesTheThirtyButtons) {
    EditorFixture f;
    AdvencedEditor& w = f.open();
    EXPECT_EQ(AdvencedEditor::DesignOnlyButtons().size(), 30);
    f.click("ViewSource");
    ASSERT_TRUE(w.inSourceView());
    for (const QString& name : AdvencedEditor::DesignOnlyButtons())
        EXPECT_FALSE(f.find<QToolButton>(name.toLatin1().constData())->isEnabled()) << name.toStdString();
    EXPECT_TRUE(f.find<QPushButton>("Browse")->isEnabled());
    EXPECT_FALSE(f.find<QMenu>("menu1")->menuAction()->isEnabled());
    EXPECT_FALSE(f.find<QAction>("smneu5")->isEnabled());
    EXPECT_TRUE(f.find<QToolButton>("Design")->isVisible());
    EXPECT_FALSE(f.find<QToolButton>("ViewSource")->isVisible());
    EXPECT_FALSE(f.fake->widget()->isVisible());
    auto* source = f.find<QPlainTextEdit>("ContentSource");
    EXPECT_TRUE(source->isVisible());
    EXPECT_EQ(source->toPlainText(), QString(f.fake->document).replace("\r\n", "\n"));

    // Unchanged source: back to design without an edit.
    const int loads = f.fake->loads;
    f.click("Design");
    EXPECT_FALSE(w.inSourceView());
    EXPECT_EQ(f.fake->loads, loads + 1);
    EXPECT_FALSE(w.isChanged());
    for (const QString& name : AdvencedEditor::DesignOnlyButtons())
        EXPECT_TRUE(f.find<QToolButton>(name.toLatin1().constData())->isEnabled()) << name.toStdString();
    EXPECT_TRUE(f.find<QAction>("smneu5")->isEnabled());
    EXPECT_FALSE(source->isVisible());

    // An emptied source comes back as one blank; an edited source is a change.
    f.click("ViewSource");
    source->setPlainText("");
    f.click("Design");
    EXPECT_EQ(f.fake->document, " ");
    EXPECT_TRUE(w.isChanged());
}

TEST(EditorWindow, ClosePaths) {
    enum How { CloseBox, Escape, ExitOk };
    struct Case {
        const char* name;
        How how;
        bool edit;
        bool sourceEdit; // edited in the source view and closed from there
        std::deque<MsgAnswer> answers;
        QStringList questions; // titles of the questions asked
        QStringList writes;
        bool closes;
    } cases[] = {
        {"no change closes without asking", CloseBox, false, false, {}, {}, {}, true},
        {"changed, OK writes back", CloseBox, true, false, {MsgAnswer::Ok}, {"Save Changed"}, {"new"}, true},
        {"changed, Cancel discards", CloseBox, true, false, {MsgAnswer::Cancel}, {"Save Changed"}, {}, true},
        {"Escape runs the close rule", Escape, true, false, {MsgAnswer::Ok}, {"Save Changed"}, {"new"}, true},
        {"Exit, OK then OK", ExitOk, true, false, {MsgAnswer::Ok, MsgAnswer::Ok},
         {"Exit Advenced Editor", "Save Changed"}, {"new"}, true},
        {"Exit, Cancel stays", ExitOk, true, false, {MsgAnswer::Cancel}, {"Exit Advenced Editor"}, {}, false},
        {"edited source, OK writes the source", CloseBox, false, true, {MsgAnswer::Ok}, {"Save Changed"},
         {"src"}, true},
        {"edited source, Cancel discards", CloseBox, false, true, {MsgAnswer::Cancel}, {"Save Changed"}, {}, true},
    };
    for (const Case& c : cases) {
        EditorFixture f;
        AdvencedEditor& w = f.open("old");
        if (c.edit)
            f.fake->userEdits(withContent(f.fake->document, "new"));
        if (c.sourceEdit) {
            f.click("ViewSource");
            auto* source = f.find<QPlainTextEdit>("ContentSource");
            source->setPlainText(withContent(source->toPlainText(), "src"));
        }
        f.dialogs.messageAnswers = c.answers;
        switch (c.how) {
        case CloseBox: w.close(); break;
        case Escape: QTest::keyClick(&w, Qt::Key_Escape); break;
        case ExitOk: f.find<QAction>("Exit")->trigger(); break;
        }
        EXPECT_EQ(f.closed(c.closes ? 2000 : 100), c.closes) << c.name;
        QStringList titles;
        for (const auto& shown : f.dialogs.shown)
            titles << shown.title;
        EXPECT_EQ(titles, c.questions) << c.name;
        EXPECT_EQ(f.host->writes, c.writes) << c.name;
    }
}

TEST(EditorWindow, CloseWaitsForTheWriteBack) {
    EditorFixture f;
    AdvencedEditor& w = f.open("old");
    f.fake->userEdits(withContent(f.fake->document, "new"));
    f.fake->holdReads = true;
    f.dialogs.messageAnswers = {MsgAnswer::Ok};
    w.close();
    EXPECT_TRUE(w.isSaving());
    w.close(); // a second request while saving neither asks nor closes
    EXPECT_FALSE(f.closed(100));
    EXPECT_EQ(f.dialogs.shown.size(), 1u);
    f.fake->answerReads();
    EXPECT_TRUE(f.closed());
    EXPECT_EQ(f.host->writes, QStringList{"new"});
}

TEST(EditorWindow, FailedWriteBackOnCloseKeepsTheWindowAndTheEdits) {
    EditorFixture f;
    AdvencedEditor& w = f.open("old");
    f.fake->userEdits(QString(f.fake->document).remove(EndMarker));
    f.dialogs.messageAnswers = {MsgAnswer::Ok};
    w.close();
    EXPECT_FALSE(f.closed(100));
    EXPECT_TRUE(w.isChanged());
    EXPECT_EQ(f.dialogs.messages().size(), 2); // the question, then why nothing was saved
}

TEST(EditorWindow, CrashedViewIsReportedNotSaved) {
    EditorFixture f;
    AdvencedEditor& w = f.open("old");
    f.fake->userEdits(withContent(f.fake->document, "new"));
    f.fake->crash();
    EXPECT_EQ(f.dialogs.messages().size(), 1);
    f.click("save2");
    EXPECT_TRUE(f.host->writes.isEmpty());
    w.close(); // nothing left to save: no question
    EXPECT_TRUE(f.closed());
    EXPECT_TRUE(f.host->writes.isEmpty());
}

TEST(EditorWindow, BrowseModeCaptionNamesTheNextMode) {
    EditorFixture f;
    f.open();
    auto* browse = f.find<QPushButton>("Browse");
    f.click("Browse");
    EXPECT_TRUE(f.fake->browseMode());
    EXPECT_EQ(browse->text(), "Edit Mode");
    f.click("Browse");
    EXPECT_FALSE(f.fake->browseMode());
    EXPECT_EQ(browse->text(), "Browse Mode");
    // A link activated in browse mode opens in the desktop's browser.
    emit f.fake->linkActivated(QUrl("http://example.org/a"));
    EXPECT_EQ(f.shell.openedUrls, QStringList{"http://example.org/a"});
}

TEST(EditorWindow, ViewAreaFollowsTheResizeRule) {
    struct Case {
        QSize inner;
        QRect old;
        QRect area;
    } cases[] = {
        {{760, 500}, {}, {7, 100, 747, 393}},
        {{640, 240}, {}, {7, 100, 627, 133}},
        {{10, 50}, {0, 0, 300, 200}, {7, 100, 300, 200}},     // too small: the old size stays
        {{14, 108}, {0, 0, 300, 200}, {7, 100, 1, 1}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AdvencedEditor::ViewArea(c.inner, c.old), c.area) << c.inner.width() << "x" << c.inner.height();

    EditorFixture f;
    AdvencedEditor& w = f.open();
    w.resize(800, 600);
    QApplication::processEvents();
    const QWidget* client = f.find<QWidget>("client");
    EXPECT_EQ(f.fake->widget()->geometry(), AdvencedEditor::ViewArea(client->size(), {}));
    EXPECT_EQ(f.find<QPlainTextEdit>("ContentSource")->geometry(), f.fake->widget()->geometry());
}
