// File menu of the paint window: Save with the name check and the replace
// question, New and closing with the question about unsaved changes.
#include "paint_window_fixture.h"

#include "paint/PaintHistory.h"

#include <QMenu>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

using FileMenu = PaintWindowTest;

const QString Saved = QStringLiteral("Your Picture has been saved under \"Personal\" category.");
const QString Question = QStringLiteral("Do you want to save the changes?");

QString personal(const TempAppFolder& f, const QString& name) {
    return f.file(QStringLiteral("backgrounds/personal/") + name + QStringLiteral(".jpg"));
}

TEST_F(FileMenu, SaveWritesAJpegIntoPersonalAndClearsTheChangedFlag) {
    open();
    drag({{10, 10}, {60, 10}});
    ASSERT_TRUE(w->state().changed);
    dlg.inputAnswers = {QStringLiteral("test")};
    action("mnuSave")->trigger();
    ASSERT_TRUE(QFileInfo::exists(personal(folder, "test")));
    const QImage img(personal(folder, "test"));
    EXPECT_EQ(img.size(), QSize(300, 200));
    EXPECT_LT(qGray(img.pixel(30, 10)), 60);
    ASSERT_GE(dlg.shown.size(), 2u);
    EXPECT_EQ(dlg.shown[0].kind, QStringLiteral("input"));
    EXPECT_EQ(dlg.shown[0].text, QStringLiteral("Please enter your Image Name"));
    EXPECT_EQ(dlg.shown.back().text, Saved);
    EXPECT_EQ(dlg.shown.back().title, QStringLiteral("Save"));
    EXPECT_FALSE(w->state().changed);
    EXPECT_EQ(host.saves, 1);
}

TEST_F(FileMenu, UnusableNamesAreRefusedAndNothingIsWritten) {
    open();
    drag({{10, 10}, {60, 10}});
    const QStringList before = QDir(folder.file("backgrounds")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const QStringList personalBefore = QDir(folder.file("backgrounds/personal")).entryList(QDir::Files);
    for (const char* name : {"..", "a/b", "a\\b", "what?", "  ", "con:x", "tab\there"}) {
        dlg.shown.clear();
        dlg.inputAnswers = {QString::fromLatin1(name)};
        action("mnuSave")->trigger();
        ASSERT_EQ(dlg.messages().size(), 1) << name;
        EXPECT_TRUE(dlg.messages()[0].contains(QStringLiteral("cannot be used as a picture name"))) << name;
        EXPECT_TRUE(w->state().changed) << name;
    }
    EXPECT_EQ(QDir(folder.file("backgrounds")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    EXPECT_EQ(QDir(folder.file("backgrounds/personal")).entryList(QDir::Files), personalBefore);
    EXPECT_EQ(host.saves, 0);
}

TEST_F(FileMenu, AnExistingPictureIsReplacedOnlyAfterYes) {
    folder.write(QStringLiteral("backgrounds/personal/test.jpg"), QByteArray("old"));
    open();
    drag({{10, 10}, {60, 10}});
    dlg.inputAnswers = {QStringLiteral("test")};
    dlg.messageAnswers = {MsgAnswer::No};
    action("mnuSave")->trigger();
    EXPECT_EQ(folder.read(QStringLiteral("backgrounds/personal/test.jpg")), QByteArray("old"));
    EXPECT_TRUE(w->state().changed);
    dlg.inputAnswers = {QStringLiteral("test")};
    dlg.messageAnswers = {MsgAnswer::Yes};
    action("mnuSave")->trigger();
    EXPECT_NE(folder.read(QStringLiteral("backgrounds/personal/test.jpg")), QByteArray("old"));
    EXPECT_FALSE(w->state().changed);
}

TEST_F(FileMenu, AWriteFailureShowsCodeOneAndKeepsTheChangedFlag) {
    open();
    drag({{10, 10}, {60, 10}});
    // The category folder's place is taken by a file: nothing can be written.
    QDir(folder.file("backgrounds/personal")).removeRecursively();
    folder.write(QStringLiteral("backgrounds/personal"), QByteArray("file"));
    dlg.inputAnswers = {QStringLiteral("test")};
    action("mnuSave")->trigger();
    ASSERT_EQ(dlg.messages().size(), 1);
    EXPECT_EQ(dlg.messages()[0],
              QStringLiteral("Cannot write to the disk.\r\n\r\nMake sure the disk is not full or write-protected."));
    EXPECT_EQ(dlg.shown.back().icon, MsgIcon::Critical);
    EXPECT_TRUE(w->state().changed);
}

TEST_F(FileMenu, NewKeepsThePictureWhenItsSaveDidNotSave) {
    open();
    drag({{10, 10}, {60, 10}});
    struct Case {
        MsgAnswer answer;
        QString name;
        bool cleared;
    } cases[] = {
        {MsgAnswer::Cancel, {}, false},
        {MsgAnswer::Yes, {}, false},                    // no name given
        {MsgAnswer::Yes, QStringLiteral("a|b"), false}, // refused name
    };
    for (const Case& c : cases) {
        dlg.shown.clear();
        dlg.messageAnswers = {c.answer};
        dlg.inputAnswers = {c.name};
        action("mnuNew")->trigger();
        ASSERT_FALSE(dlg.shown.empty());
        EXPECT_EQ(dlg.shown[0].text, Question);
        EXPECT_EQ(dlg.shown[0].buttons, MsgButtons::YesNoCancel);
        EXPECT_EQ(dlg.shown[0].icon, MsgIcon::Warning);
        EXPECT_EQ(px(30, 10), qint64(Color::Black)) << c.name.toStdString();
        EXPECT_TRUE(w->state().changed);
        EXPECT_TRUE(action("mnuUndo")->isEnabled());
    }
    dlg.messageAnswers = {MsgAnswer::No};
    action("mnuNew")->trigger();
    EXPECT_EQ(px(30, 10), qint64(Color::White));
    EXPECT_EQ(canvasSize(), QSize(300, 200)) << "New keeps the size";
    EXPECT_FALSE(action("mnuUndo")->isEnabled());
    EXPECT_FALSE(action("mnuRedo")->isEnabled());
    EXPECT_FALSE(w->state().changed);
    EXPECT_EQ(w->history().used(), 1);
}

TEST_F(FileMenu, NewKeepsThePictureWhenReplacingIsDeclinedOrTheWriteFails) {
    folder.write(QStringLiteral("backgrounds/personal/taken.jpg"), QByteArray("old"));
    open();
    drag({{10, 10}, {60, 10}});
    dlg.messageAnswers = {MsgAnswer::Yes, MsgAnswer::No}; // save first; do not replace "taken"
    dlg.inputAnswers = {QStringLiteral("taken")};
    action("mnuNew")->trigger();
    EXPECT_EQ(px(30, 10), qint64(Color::Black));
    EXPECT_EQ(folder.read(QStringLiteral("backgrounds/personal/taken.jpg")), QByteArray("old"));

    QDir(folder.file("backgrounds/personal")).removeRecursively();
    folder.write(QStringLiteral("backgrounds/personal"), QByteArray("file"));
    dlg.messageAnswers = {MsgAnswer::Yes};
    dlg.inputAnswers = {QStringLiteral("other")};
    action("mnuNew")->trigger();
    EXPECT_EQ(px(30, 10), qint64(Color::Black)) << "the write failed: nothing is discarded";
    EXPECT_TRUE(w->state().changed);
}

TEST_F(FileMenu, NewAfterASuccessfulSaveClears) {
    open();
    drag({{10, 10}, {60, 10}});
    dlg.messageAnswers = {MsgAnswer::Yes};
    dlg.inputAnswers = {QStringLiteral("kept")};
    action("mnuNew")->trigger();
    EXPECT_TRUE(QFileInfo::exists(personal(folder, "kept")));
    EXPECT_EQ(px(30, 10), qint64(Color::White));
}

TEST_F(FileMenu, ClosingAsksAgainWhileThePictureIsUnsaved) {
    open();
    drag({{10, 10}, {60, 10}});
    dlg.messageAnswers = {MsgAnswer::Cancel};
    action("mnuExit")->trigger();
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->state().changed);

    dlg.messageAnswers = {MsgAnswer::Yes};
    dlg.inputAnswers = {QString()};
    w->close();
    EXPECT_TRUE(w->isVisible()) << "no name: the window stays open";
    EXPECT_TRUE(w->state().changed);
    EXPECT_EQ(dlg.messages().count(Question), 2);

    dlg.messageAnswers = {MsgAnswer::No};
    QTest::keyClick(w.get(), Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible());
}

TEST_F(FileMenu, ClosingWithYesSavesAndCloses) {
    open();
    drag({{10, 10}, {60, 10}});
    dlg.messageAnswers = {MsgAnswer::Yes};
    dlg.inputAnswers = {QStringLiteral("closing")};
    w->close();
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(QFileInfo::exists(personal(folder, "closing")));
}

TEST_F(FileMenu, OpeningAFileMenuClearsTheStatusBar) {
    open();
    send(w->picPaint(), QEvent::MouseMove, {12, 34}, Qt::NoButton, Qt::NoButton);
    ASSERT_EQ(panel(2), QStringLiteral("12,34"));
    emit w->menus().menu(QStringLiteral("mnuFormat"))->aboutToShow();
    EXPECT_EQ(panel(2), QStringLiteral("12,34"));
    emit w->menus().menu(QStringLiteral("mnuFile"))->aboutToShow();
    EXPECT_EQ(panel(1), QString());
    EXPECT_EQ(panel(2), QString());
}

} // namespace
