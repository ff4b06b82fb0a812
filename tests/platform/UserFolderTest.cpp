// The per-user copy of an installed application folder: first start,
// completion, upgrades, the user's own files and the choice of the folder.
#include "platform/UserFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class Folders : public ::testing::Test {
protected:
    QTemporaryDir tmp;
    QString installed() const { return tmp.path() + "/installed"; }
    QString user() const { return tmp.path() + "/user"; }

    static void put(const QString& root, const QString& rel, const QByteArray& bytes) {
        const QString p = root + "/" + rel;
        QDir().mkpath(QFileInfo(p).absolutePath());
        QFile f(p);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << qPrintable(p);
        f.write(bytes);
    }
    static QByteArray get(const QString& root, const QString& rel) {
        QFile f(root + "/" + rel);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    void SetUp() override {
        put(installed(), "wisplet-designer", "program");
        put(installed(), UserFolder::InstalledMarker, "installed");
        put(installed(), "samples/Wisplet_Files/wisplet.js", "script 1");
        put(installed(), "samples/sample1.html", "sample 1");
        put(installed(), "help/Help.html", "help 1");
        put(installed(), "backgrounds/images/sky.jpg", "sky 1");
        put(installed(), "backgrounds/shapes/star.jpg", "star 1");
        QDir().mkpath(installed() + "/backgrounds/personal");
    }
    UserFolder::SyncResult sync() { return UserFolder::sync(installed(), user(), {"wisplet-designer"}); }
};

TEST_F(Folders, FirstStartCopiesTheSuppliedTreeWithoutProgramOrMarker) {
    const auto r = sync();
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.added, 5);
    EXPECT_TRUE(r.failed.isEmpty());
    for (const char* rel : {"samples/Wisplet_Files/wisplet.js", "samples/sample1.html", "help/Help.html",
                            "backgrounds/images/sky.jpg", "backgrounds/shapes/star.jpg"})
        EXPECT_EQ(get(user(), rel), get(installed(), rel)) << rel;
    EXPECT_TRUE(QFileInfo(user() + "/backgrounds/personal").isDir()) << "empty folders are made too";
    EXPECT_FALSE(QFileInfo::exists(user() + "/wisplet-designer"));
    EXPECT_FALSE(QFileInfo::exists(user() + "/" + UserFolder::InstalledMarker));
    EXPECT_TRUE(QFileInfo::exists(user() + "/" + UserFolder::Manifest));

    const auto again = sync();
    EXPECT_TRUE(again.ok);
    EXPECT_EQ(again.added + again.refreshed + again.kept, 0) << "a second start changes nothing";
}

TEST_F(Folders, CopiesAreWritableEvenFromAReadOnlyTree) {
    QFile::setPermissions(installed() + "/help/Help.html",
                          QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    sync();
    EXPECT_TRUE(QFileInfo(user() + "/help/Help.html").isWritable());
}

TEST_F(Folders, AnUpgradeCompletesAndRefreshesButNeverOverwritesTheUsersWork) {
    sync();
    // The user works: edits a sample, adds and removes library pictures, keeps own files.
    put(user(), "samples/sample1.html", "my sample");
    put(user(), "backgrounds/personal/mine.jpg", "my picture");
    put(user(), "samples/preview.html", "working file");
    QFile::remove(user() + "/backgrounds/shapes/star.jpg");
    QFile::remove(user() + "/help/Help.html");
    // A new version is installed.
    put(installed(), "samples/Wisplet_Files/wisplet.js", "script 2");
    put(installed(), "samples/sample1.html", "sample 2");
    put(installed(), "backgrounds/images/sky.jpg", "sky 2");
    put(installed(), "backgrounds/shapes/star.jpg", "star 2");
    put(installed(), "backgrounds/borders/new.jpg", "new border");
    put(installed(), "help/Help.html", "help 2");

    const auto r = sync();
    EXPECT_TRUE(r.ok);
    const struct {
        const char* rel;
        QByteArray expected;
        const char* why;
    } cases[] = {
        {"samples/Wisplet_Files/wisplet.js", "script 2", "unchanged supplied file: refreshed"},
        {"samples/sample1.html", "my sample", "edited by the user: kept"},
        {"help/Help.html", "help 2", "removed supplied file outside the library: restored"},
        {"backgrounds/images/sky.jpg", "sky 1", "library picture: never replaced"},
        {"backgrounds/shapes/star.jpg", "<missing>", "library picture the user removed: stays removed"},
        {"backgrounds/borders/new.jpg", "new border", "new library picture: added"},
        {"backgrounds/personal/mine.jpg", "my picture", "the user's picture: untouched"},
        {"samples/preview.html", "working file", "working file: untouched"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(get(user(), c.rel), c.expected) << c.rel << ": " << c.why;
    EXPECT_EQ(r.added, 2);
    EXPECT_EQ(r.refreshed, 1);
    EXPECT_EQ(r.kept, 2);

    // The user's edit stays the user's through later upgrades too.
    put(installed(), "samples/sample1.html", "sample 3");
    sync();
    EXPECT_EQ(get(user(), "samples/sample1.html"), "my sample");
    // A file the user made identical to the installed one is followed again.
    put(user(), "samples/sample1.html", "sample 3");
    sync();
    put(installed(), "samples/sample1.html", "sample 4");
    sync();
    EXPECT_EQ(get(user(), "samples/sample1.html"), "sample 4");
}

TEST_F(Folders, ADamagedOrMissingManifestNeverCostsTheUserAFile) {
    sync();
    put(user(), "samples/sample1.html", "my sample");
    put(user(), UserFolder::Manifest, "garbage\n\n  \nno-space-here\n");
    put(installed(), "samples/sample1.html", "sample 2");
    const auto r = sync();
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(get(user(), "samples/sample1.html"), "my sample");
    EXPECT_EQ(get(user(), "help/Help.html"), "help 1");
}

TEST_F(Folders, ChoosesTheProgramsFolderOnlyWhenItMayWorkThere) {
    const QString plain = tmp.path() + "/unpacked";
    put(plain, "samples/sample1.html", "sample");
    EXPECT_TRUE(UserFolder::canWorkIn(plain));
    EXPECT_EQ(UserFolder::choose(plain, user()), plain);
    EXPECT_FALSE(QFileInfo::exists(user())) << "nothing is copied for a writable folder";

    EXPECT_FALSE(UserFolder::canWorkIn(installed())) << "an installed folder, even one this user may write";
    EXPECT_EQ(UserFolder::choose(installed(), user(), {"wisplet-designer"}), user());
    EXPECT_EQ(get(user(), "help/Help.html"), "help 1");

    EXPECT_FALSE(UserFolder::canWorkIn(tmp.path() + "/none"));
}

TEST_F(Folders, FallsBackToTheProgramsFolderWhenNoUserFolderCanBeMade) {
    put(tmp.path(), "blocker", "a file where the folder should be");
    const QString impossible = tmp.path() + "/blocker/wisplet-designer";
    EXPECT_EQ(UserFolder::choose(installed(), impossible), installed());
    const auto r = UserFolder::sync(installed(), impossible);
    EXPECT_FALSE(r.ok);
}

TEST(UserFolderLocation, FollowsTheXdgDataHome) {
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", "/tmp/some-data-home");
    EXPECT_EQ(UserFolder::defaultLocation(), "/tmp/some-data-home/wisplet-designer");
    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(UserFolder::defaultLocation(), QDir::homePath() + "/.local/share/wisplet-designer");
    if (!saved.isEmpty())
        qputenv("XDG_DATA_HOME", saved);
}

} // namespace
