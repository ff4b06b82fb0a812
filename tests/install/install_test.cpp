// The installed program: `cmake --install` into a temporary root, the
// installed program started from a read-only tree with a temporary home, and
// the Debian package's contents and dependencies.
#include "designer/PreviewPage.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

const QString kBuild = QStringLiteral(WISPLET_BUILD_DIR);
const QString kResources = QStringLiteral(WISPLET_SOURCE_DIR "/resources");
const QString kId = QStringLiteral("org.wisplet.designer");
const QString kAppDir = QStringLiteral("usr/lib/wisplet-designer");

struct Outcome {
    int exitCode = -1;
    QString output; // standard output and error
};

Outcome run(const QString& program, const QStringList& args,
            const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
            int timeoutMs = 120000) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    Outcome r;
    if (!p.waitForStarted() || !p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        r.output = program + QStringLiteral(" did not run to its end");
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.output = QString::fromLocal8Bit(p.readAll());
    return r;
}

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Relative paths of the supplied tree as the install rules take it.
QStringList suppliedFiles() {
    QStringList files;
    QDirIterator it(kResources, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString rel = QDir(kResources).relativeFilePath(it.next());
        if (it.fileInfo().fileName() != QLatin1String(".keep"))
            files << rel;
    }
    files.sort();
    return files;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// The Debian package that owns a library file, or empty. The dynamic loader
// may name a file by another path than the package database does (/lib and
// /usr/lib are one folder on Debian 12; links to versioned names).
QString owningPackage(const QString& file) {
    const QString real = QFileInfo(file).canonicalFilePath();
    QStringList candidates{file, real};
    for (const QString& p : {file, real}) {
        if (p.startsWith(QLatin1String("/usr/lib/")))
            candidates << p.mid(4);
        else if (p.startsWith(QLatin1String("/lib/")))
            candidates << "/usr" + p;
    }
    for (const QString& c : candidates) {
        const Outcome owner = run("dpkg", {"-S", c});
        if (owner.exitCode == 0)
            return owner.output.section(':', 0, 0).trimmed();
    }
    return {};
}

class Installed : public ::testing::Test {
protected:
    QTemporaryDir tmp;
    QString root() const { return tmp.path() + "/root"; }
    QString appDir() const { return root() + "/" + kAppDir; }
    QString home() const { return tmp.path() + "/home"; }
    QString userFolder() const { return home() + "/.local/share/wisplet-designer"; }

    void SetUp() override {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DESTDIR", root());
        const Outcome r = run(WISPLET_CMAKE, {"--install", kBuild, "--prefix", "/usr"}, env);
        ASSERT_EQ(r.exitCode, 0) << qPrintable(r.output);
    }
    void TearDown() override { run("chmod", {"-R", "u+w", tmp.path()}); }

    // Starts the installed program through its launcher on the offscreen
    // platform with the temporary home, waits until the start page is in the
    // user's folder, then ends the program. Returns false on a timeout.
    bool startAndWaitForStartPage() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name :
             {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR", "DISPLAY"})
            env.remove(name);
        env.insert("HOME", home());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu");
        QProcess p;
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::ForwardedChannels);
        p.start(root() + "/usr/bin/wisplet-designer", {});
        if (!p.waitForStarted())
            return false;
        const QString page = userFolder() + "/samples/preview.html";
        const QByteArray expected = StartPageText().toLatin1();
        const bool written =
            QTest::qWaitFor([&] { return contents(page) == expected || p.state() == QProcess::NotRunning; },
                            60000) &&
            p.state() == QProcess::Running;
        p.terminate();
        if (!p.waitForFinished(10000)) {
            p.kill();
            p.waitForFinished();
        }
        return written;
    }
};

TEST_F(Installed, LaysOutTheProgramItsTreeTheLauncherAndTheDesktopFiles) {
    const QFileInfo launcher(root() + "/usr/bin/wisplet-designer");
    EXPECT_TRUE(launcher.isSymLink());
    EXPECT_EQ(launcher.symLinkTarget(), QFileInfo(appDir() + "/wisplet-designer").absoluteFilePath());
    EXPECT_TRUE(QFileInfo(appDir() + "/wisplet-designer").isExecutable());
    EXPECT_TRUE(QFileInfo::exists(appDir() + "/.wisplet-installed"));

    const QStringList supplied = suppliedFiles();
    ASSERT_GT(supplied.size(), 40);
    for (const QString& rel : supplied)
        EXPECT_EQ(contents(appDir() + "/" + rel), contents(kResources + "/" + rel)) << qPrintable(rel);
    EXPECT_TRUE(QFileInfo(appDir() + "/backgrounds/personal").isDir());
    EXPECT_FALSE(QFileInfo::exists(appDir() + "/samples/preview.html"))
        << "no working file from the build tree";

    const QString desktop = root() + "/usr/share/applications/" + kId + ".desktop";
    Outcome r = run("desktop-file-validate", {desktop});
    EXPECT_EQ(r.exitCode, 0) << qPrintable(r.output);
    EXPECT_TRUE(r.output.trimmed().isEmpty()) << qPrintable(r.output);
    const QString metainfo = root() + "/usr/share/metainfo/" + kId + ".metainfo.xml";
    r = run("appstreamcli", {"validate", "--no-net", metainfo});
    EXPECT_EQ(r.exitCode, 0) << qPrintable(r.output);
    EXPECT_TRUE(contents(metainfo).contains("<release version=\"" WISPLET_VERSION "\""))
        << "the metainfo names this version";
    EXPECT_TRUE(contents(desktop).contains("\nExec=wisplet-designer %f\n"));
    EXPECT_TRUE(contents(desktop).contains("\nMimeType=application/x-wisplet-design;\n"));
    const QByteArray mime = contents(root() + "/usr/share/mime/packages/" + kId + ".xml");
    EXPECT_TRUE(mime.contains("<mime-type type=\"application/x-wisplet-design\">"));
    EXPECT_TRUE(mime.contains("<glob pattern=\"*.wisplet\"/>"));

    const QString icons = root() + "/usr/share/icons/hicolor/";
    EXPECT_TRUE(contents(icons + "scalable/apps/" + kId + ".svg").startsWith("<?xml"));
    for (int size : {48, 256}) {
        const QImage icon(icons + QStringLiteral("%1x%1/apps/").arg(size) + kId + ".png");
        EXPECT_EQ(icon.size(), QSize(size, size));
        EXPECT_TRUE(icon.hasAlphaChannel());
    }
}

TEST_F(Installed, StartsInAPerUserFolderMadeFromTheReadOnlyTreeAndKeepsTheUsersPictures) {
    ASSERT_EQ(run("chmod", {"-R", "a-w", root()}).exitCode, 0);
    ASSERT_TRUE(startAndWaitForStartPage())
        << "the start page never appeared in " << qPrintable(userFolder());
    for (const QString& rel : suppliedFiles())
        EXPECT_EQ(contents(userFolder() + "/" + rel), contents(kResources + "/" + rel)) << qPrintable(rel);
    EXPECT_FALSE(QFileInfo::exists(userFolder() + "/wisplet-designer")) << "the program itself is not copied";
    EXPECT_TRUE(QFileInfo(userFolder() + "/backgrounds/personal").isDir());
    EXPECT_FALSE(QFileInfo::exists(appDir() + "/samples/preview.html")) << "the installed tree is left alone";

    const QString mine = userFolder() + "/backgrounds/personal/mine.jpg";
    const QByteArray picture = contents(kResources + "/backgrounds/images/sky.jpg");
    ASSERT_TRUE(writeFile(mine, picture));
    ASSERT_TRUE(QFile::remove(userFolder() + "/samples/preview.html"));
    ASSERT_TRUE(startAndWaitForStartPage()) << "second start";
    EXPECT_EQ(contents(mine), picture) << "the user's picture is kept";
}

TEST_F(Installed, AnUpgradeRefreshesWhatTheUserLeftAloneAndKeepsTheRest) {
    ASSERT_EQ(run("chmod", {"-R", "a-w", root()}).exitCode, 0);
    ASSERT_TRUE(startAndWaitForStartPage());
    const QString user = userFolder();
    ASSERT_TRUE(writeFile(user + "/samples/sample1.html", "my own sample"));
    ASSERT_TRUE(writeFile(user + "/backgrounds/personal/mine.jpg", "my picture"));
    const QByteArray sky = contents(user + "/backgrounds/images/sky.jpg");

    // The next version: a new help page, sample, library picture and border.
    ASSERT_EQ(run("chmod", {"-R", "u+w", root()}).exitCode, 0);
    for (const char* rel : {"help/Help.html", "samples/sample1.html", "backgrounds/images/sky.jpg",
                            "backgrounds/borders/new-border.jpg"})
        ASSERT_TRUE(writeFile(appDir() + "/" + rel, QByteArray("version 2 of ") + rel));
    ASSERT_EQ(run("chmod", {"-R", "a-w", root()}).exitCode, 0);
    ASSERT_TRUE(QFile::remove(user + "/samples/preview.html"));
    ASSERT_TRUE(startAndWaitForStartPage());

    EXPECT_EQ(contents(user + "/help/Help.html"), "version 2 of help/Help.html") << "unchanged: refreshed";
    EXPECT_EQ(contents(user + "/samples/sample1.html"), "my own sample") << "the user's edit is kept";
    EXPECT_EQ(contents(user + "/backgrounds/images/sky.jpg"), sky) << "the library is never replaced";
    EXPECT_EQ(contents(user + "/backgrounds/borders/new-border.jpg"),
              "version 2 of backgrounds/borders/new-border.jpg")
        << "a new library picture is added";
    EXPECT_EQ(contents(user + "/backgrounds/personal/mine.jpg"), "my picture");
}

TEST(Package, HoldsTheProgramTreeEntryAndIconAndNamesWhatTheProgramLinks) {
    QTemporaryDir out;
    Outcome r =
        run(WISPLET_CPACK, {"-G", "DEB", "-B", out.path(), "--config", kBuild + "/CPackConfig.cmake"});
    ASSERT_EQ(r.exitCode, 0) << qPrintable(r.output);
    const QStringList debs =
        QDir(out.path()).entryList({"wisplet-designer_" WISPLET_VERSION "_*.deb"}, QDir::Files);
    ASSERT_EQ(debs.size(), 1) << qPrintable(r.output);
    const QString deb = out.path() + "/" + debs.first();

    r = run("dpkg-deb", {"--contents", deb});
    ASSERT_EQ(r.exitCode, 0) << qPrintable(r.output);
    QSet<QString> listed;
    for (const QString& line : r.output.split('\n', Qt::SkipEmptyParts)) {
        // "-rw-r--r-- root/root 1979 2026-01-01 00:00 ./usr/.../file" or "... ./link -> target"
        const qsizetype at = line.indexOf(QLatin1String(" ./"));
        if (at >= 0)
            listed.insert(line.mid(at + 3));
    }
    QStringList expected{"usr/bin/wisplet-designer -> ../lib/wisplet-designer/wisplet-designer",
                         kAppDir + "/wisplet-designer",
                         kAppDir + "/.wisplet-installed",
                         kAppDir + "/backgrounds/personal/",
                         "usr/share/applications/" + kId + ".desktop",
                         "usr/share/metainfo/" + kId + ".metainfo.xml",
                         "usr/share/icons/hicolor/scalable/apps/" + kId + ".svg",
                         "usr/share/icons/hicolor/48x48/apps/" + kId + ".png",
                         "usr/share/icons/hicolor/256x256/apps/" + kId + ".png",
                         "usr/share/mime/packages/" + kId + ".xml",
                         "usr/share/doc/wisplet-designer/copyright",
                         "usr/share/doc/wisplet-designer/changelog.gz",
                         "usr/share/man/man1/wisplet-designer.1.gz"};
    for (const QString& rel : suppliedFiles())
        expected << kAppDir + "/" + rel;
    for (const QString& path : expected)
        EXPECT_TRUE(listed.contains(path)) << "missing from the package: " << qPrintable(path);

    r = run("dpkg-deb", {"--field", deb, "Depends"});
    ASSERT_EQ(r.exitCode, 0) << qPrintable(r.output);
    QSet<QString> depends;
    for (const QString& item : r.output.split(',', Qt::SkipEmptyParts))
        depends.insert(item.trimmed().section(' ', 0, 0));
    EXPECT_TRUE(depends.contains("libqt6webenginewidgets6"));
    EXPECT_TRUE(depends.contains("libturbojpeg0"));

    // Debian's own checks find no error in the package.
    r = run("lintian", {"--no-tag-display-limit", "--fail-on", "error", deb});
    EXPECT_EQ(r.exitCode, 0) << qPrintable(r.output);
    EXPECT_FALSE(r.output.contains(QRegularExpression("^E: ", QRegularExpression::MultilineOption))) << qPrintable(r.output);

    // Every library the program links directly comes from a package it names.
    const QString program = kBuild + "/app/wisplet-designer";
    r = run("objdump", {"-p", program});
    ASSERT_EQ(r.exitCode, 0) << qPrintable(r.output);
    QStringList needed;
    static const QRegularExpression neededLine(QStringLiteral("^\\s*NEEDED\\s+(\\S+)$"),
                                               QRegularExpression::MultilineOption);
    for (auto m = neededLine.globalMatch(r.output); m.hasNext();)
        needed << m.next().captured(1);
    ASSERT_FALSE(needed.isEmpty());
    const Outcome ldd = run("ldd", {program});
    ASSERT_EQ(ldd.exitCode, 0) << qPrintable(ldd.output);
    for (const QString& lib : needed) {
        const QRegularExpression where("^\\s*" + QRegularExpression::escape(lib) + " => (\\S+)",
                                       QRegularExpression::MultilineOption);
        const auto m = where.match(ldd.output);
        ASSERT_TRUE(m.hasMatch()) << "not found by ldd: " << qPrintable(lib);
        const QString package = owningPackage(m.captured(1));
        ASSERT_FALSE(package.isEmpty()) << "no package owns " << qPrintable(m.captured(1));
        EXPECT_TRUE(depends.contains(package)) << qPrintable(lib) << " comes from " << qPrintable(package)
                                               << ", which the package does not depend on";
    }
}

} // namespace
