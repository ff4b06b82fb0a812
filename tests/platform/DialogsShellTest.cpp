#include "platform/FakeDialogs.h"
#include "SurfaceTestUtil.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

TEST(FileFilter, PairsBecomeToolkitFilters) {
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {
        {"GIF Images (*.gif)|*.gif|JPEG Images (*.jpg) |*.jpg", "GIF Images (*.gif);;JPEG Images (*.jpg)"},
        {"Pictures|*.gif;*.jpg;*.jpeg|All Files|*.*", "Pictures (*.gif *.jpg *.jpeg);;All Files (*.*)"},
        {"Bitmaps (*.bmp)|*.bmp;*.dib", "Bitmaps (*.bmp *.dib)"},
        {"|*.png", "*.png (*.png)"},
        {"Anything|", "Anything (*)"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(qtFileFilter(QString::fromUtf8(c.in)), QString::fromUtf8(c.out)) << c.in;
}

TEST(FakeDialogs, AnswersInOrderAndRecordsWhatWasShown) {
    FakeDialogs fake;
    ASSERT_EQ(&dialogs(), &fake);
    fake.openFileAnswers = {QStringLiteral("/pics/a.gif"), std::nullopt};
    fake.colorAnswers = {Color::rgb(1, 2, 3)};
    fake.inputAnswers = {QStringLiteral("typed")};
    fake.messageAnswers = {MsgAnswer::Yes};

    // A small example in the shape of a window's handler: pick a file, then
    // a colour, ask a question and a name.
    EXPECT_EQ(dialogs().openFile(nullptr, QStringLiteral("Open"), QStringLiteral("GIF|*.gif")), QStringLiteral("/pics/a.gif"));
    EXPECT_EQ(dialogs().lastFileName, QStringLiteral("/pics/a.gif"));
    EXPECT_EQ(dialogs().openFile(nullptr, QStringLiteral("Open"), QStringLiteral("GIF|*.gif")), std::nullopt);
    EXPECT_EQ(dialogs().lastFileName, QStringLiteral("/pics/a.gif")); // kept after a cancel
    EXPECT_EQ(dialogs().chooseColor(nullptr, Color::White, true), Color::rgb(1, 2, 3));
    EXPECT_EQ(dialogs().chooseColor(nullptr, std::nullopt, false), std::nullopt); // queue empty = cancel
    EXPECT_EQ(dialogs().message(nullptr, QStringLiteral("Sure?"), AppTitle, MsgIcon::Question, MsgButtons::YesNo),
              MsgAnswer::Yes);
    EXPECT_EQ(dialogs().inputBox(nullptr, QStringLiteral("Name:"), QStringLiteral("Save"), QStringLiteral("x")),
              QStringLiteral("typed"));
    EXPECT_EQ(dialogs().inputBox(nullptr, QStringLiteral("Name:"), QStringLiteral("Save"), QStringLiteral("x")), QString());
    EXPECT_EQ(dialogs().chooseFont(nullptr, FontChoice{}), std::nullopt);
    EXPECT_EQ(dialogs().chooseFolder(nullptr, QStringLiteral("Where?")), std::nullopt);

    ASSERT_EQ(fake.shown.size(), 9u);
    EXPECT_EQ(fake.shown[0].kind, QStringLiteral("openFile"));
    EXPECT_EQ(fake.shown[0].text, QStringLiteral("GIF|*.gif"));
    EXPECT_EQ(fake.shown[4].title, AppTitle);
    EXPECT_EQ(fake.shown[4].buttons, MsgButtons::YesNo);
    EXPECT_EQ(fake.shown[8].title, QStringLiteral("Where?"));
    EXPECT_EQ(fake.messages(), QStringList{QStringLiteral("Sure?")});
}

TEST(FakeDialogs, EmptyQueueAnswersLikeClosingTheBox) {
    FakeDialogs fake;
    const std::pair<MsgButtons, MsgAnswer> cases[] = {{MsgButtons::Ok, MsgAnswer::Ok},
                                                      {MsgButtons::OkCancel, MsgAnswer::Cancel},
                                                      {MsgButtons::YesNo, MsgAnswer::No},
                                                      {MsgButtons::YesNoCancel, MsgAnswer::Cancel}};
    for (auto [buttons, answer] : cases)
        EXPECT_EQ(fake.message(nullptr, QStringLiteral("?"), AppTitle, MsgIcon::None, buttons), answer);
}

TEST(FakeDialogs, InstallsAndRestores) {
    Dialogs* real = &dialogs();
    Shell* realShell = &shell();
    {
        FakeDialogs d;
        FakeShell s;
        EXPECT_EQ(&dialogs(), &d);
        EXPECT_EQ(&shell(), &s);
        s.programsOnPath = {QStringLiteral("chromium")};
        EXPECT_FALSE(shell().findProgram(QStringLiteral("chromium")).isEmpty());
        EXPECT_TRUE(shell().findProgram(QStringLiteral("nothere")).isEmpty());
        EXPECT_TRUE(shell().openDocument(QStringLiteral("/a/help.html")));
        EXPECT_TRUE(shell().startProgram(QStringLiteral("notepad"), {QStringLiteral("x.txt")}));
        EXPECT_EQ(s.opened, QStringList{QStringLiteral("/a/help.html")});
        EXPECT_EQ(s.started.value(0), (QStringList{QStringLiteral("notepad"), QStringLiteral("x.txt")}));
    }
    EXPECT_EQ(&dialogs(), real);
    EXPECT_EQ(&shell(), realShell);
}

TEST(ShellCopy, CopiesAndAsksBeforeReplacing) {
    struct Case {
        const char* name;
        bool targetExists;
        std::optional<MsgAnswer> answer; // to the replace question, if asked
        const char* destination;         // relative to the temp folder; "/" ending = folder
        CopyResult want;
        const char* wantContent;         // of the target afterwards
    } cases[] = {
        {"new file into folder", false, std::nullopt, "out/", CopyResult::Copied, "new"},
        {"new file by full name", false, std::nullopt, "out/renamed.gif", CopyResult::Copied, "new"},
        {"folder that does not exist yet", false, std::nullopt, "deep/er/", CopyResult::Copied, "new"},
        {"replace agreed", true, MsgAnswer::Yes, "out/", CopyResult::Copied, "new"},
        {"replace declined", true, MsgAnswer::No, "out/", CopyResult::Declined, "old"},
        {"existing folder without separator", true, MsgAnswer::No, "out", CopyResult::Declined, "old"},
    };
    for (const Case& c : cases) {
        QTemporaryDir tmp;
        FakeDialogs fake;
        const QString source = tmp.filePath(QStringLiteral("in/pic.gif"));
        writeFile(source, "new");
        QString dest = tmp.path() + QLatin1Char('/') + QString::fromLatin1(c.destination);
        QDir().mkpath(tmp.filePath(QStringLiteral("out")));
        const QString target = dest.endsWith(QLatin1Char('/')) || QFileInfo(dest).isDir()
                                   ? QDir::cleanPath(dest + QStringLiteral("/pic.gif"))
                                   : dest;
        if (c.targetExists)
            writeFile(target, "old");
        if (c.answer)
            fake.messageAnswers = {*c.answer};
        EXPECT_EQ(shell().copyFile(nullptr, source, dest), c.want) << c.name;
        EXPECT_EQ(readFile(target), QByteArray(c.wantContent)) << c.name;
        EXPECT_EQ(readFile(source), QByteArray("new")) << c.name;
        if (c.targetExists) {
            ASSERT_EQ(fake.shown.size(), 1u) << c.name;
            EXPECT_EQ(fake.shown[0].title, QStringLiteral("Confirm File Replace"));
            EXPECT_EQ(fake.shown[0].buttons, MsgButtons::YesNo);
            EXPECT_TRUE(fake.shown[0].text.contains(QStringLiteral("pic.gif")));
        } else {
            EXPECT_TRUE(fake.shown.empty()) << c.name;
        }
    }
}

TEST(ShellCopy, FailuresAreReportedAndHarmless) {
    QTemporaryDir tmp;
    FakeDialogs fake;
    const QString file = tmp.filePath(QStringLiteral("a.jpg"));
    writeFile(file, "data");
    // Missing source.
    EXPECT_EQ(shell().copyFile(nullptr, tmp.filePath(QStringLiteral("none.jpg")), tmp.path() + QStringLiteral("/x/")),
              CopyResult::Failed);
    EXPECT_EQ(fake.messages().size(), 1);
    // Onto itself: nothing asked, the file stays whole.
    EXPECT_EQ(shell().copyFile(nullptr, file, tmp.path() + QLatin1Char('/')), CopyResult::Copied);
    EXPECT_EQ(readFile(file), QByteArray("data"));
    EXPECT_EQ(fake.messages().size(), 1);
    // The fake shell can be told to fail.
    FakeShell fs;
    fs.failCopies = true;
    EXPECT_EQ(shell().copyFile(nullptr, file, tmp.path() + QStringLiteral("/y/")), CopyResult::Failed);
}
