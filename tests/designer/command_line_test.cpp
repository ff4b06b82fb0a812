// The command line: parsing, the headless --export as a whole process, and
// a design named on the command line opened at start-up.
#include "designer/CommandLine.h"
#include "designer/DesignDocument.h"
#include "designer/DocumentController.h"
#include "designer/ExportCode.h"
#include "designer/Startup.h"
#include "tests/designer/design_pictures.h"
#include "tests/designer/main_window_fixture.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

namespace {
QString program() { return QString::fromUtf8(qgetenv("WISPLET_APP_DIR")) + "/wisplet-designer"; }

struct ProcessRun {
    int code;
    QString out;
    QString err;
};

ProcessRun run(const QStringList& arguments) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM"); // must work with no display and no platform chosen
    p.setProcessEnvironment(env);
    p.start(program(), arguments);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromLocal8Bit(p.readAllStandardOutput()), QString::fromLocal8Bit(p.readAllStandardError())};
}

DesignDocument pictured() {
    DesignDocument d;
    d.settings.width = "90";
    d.settings.padOut = "2";
    d.settings.borderWidth = "1";
    d.settings.contentHtml = "It's <img src=Wisplet_Files/MyImage1.jpg><img src='Wisplet_Files\\MyImage3.gif'>";
    d.background = DesignBackground{1, "sky.jpg", "pictures/sky.jpg", jpegBytes(300, 200)};
    d.settings.backCategory = 1;
    d.settings.backImage = "sky.jpg";
    d.images = {{"MyImage1.jpg", "pictures/MyImage1.jpg", jpegBytes(12, 12)},
                {"MyImage3.gif", "pictures/MyImage3.gif", gifBytes()}};
    return d;
}
} // namespace

TEST(CommandLine, ArgumentsAreParsed) {
    using M = CommandLine::Mode;
    struct Case {
        QStringList args;
        M mode;
        const char* file;
        const char* folder;
        const char* error; // part of the message
    };
    const Case cases[] = {
        {{}, M::Run, "", "", ""},
        {{"box.wisplet"}, M::Run, "box.wisplet", "", ""},
        {{"-platform", "offscreen", "box.wisplet"}, M::Run, "box.wisplet", "", ""},
        {{"--", "--odd.wisplet"}, M::Run, "--odd.wisplet", "", ""},
        {{"a.wisplet", "b.wisplet"}, M::Error, "", "", "b.wisplet is a second file name"},
        {{"--help"}, M::Help, "", "", ""},
        {{"a.wisplet", "-h"}, M::Help, "", "", ""},
        {{"--version"}, M::Version, "", "", ""},
        {{"--export", "a.wisplet", "--to", "out"}, M::Export, "a.wisplet", "out", ""},
        {{"--to=out", "--export=a.wisplet"}, M::Export, "a.wisplet", "out", ""},
        {{"--export", "a.wisplet"}, M::Error, "", "", "needs a target folder"},
        {{"--to", "out"}, M::Error, "", "", "only with --export"},
        {{"--export"}, M::Error, "", "", "needs a design file"},
        {{"--export", "a.wisplet", "--to", "out", "b.wisplet"}, M::Error, "", "", "unexpected file name b.wisplet"},
        {{"--frobnicate"}, M::Error, "", "", "unknown option --frobnicate"},
    };
    for (const Case& c : cases) {
        const CommandLine cl = ParseCommandLine(c.args);
        const QString label = c.args.join(' ');
        EXPECT_EQ(cl.mode, c.mode) << label.toStdString();
        if (c.mode == M::Error) {
            EXPECT_TRUE(cl.error.contains(c.error)) << label.toStdString() << ": " << cl.error.toStdString();
        } else {
            EXPECT_EQ(cl.file, c.file) << label.toStdString();
            EXPECT_EQ(cl.folder, c.folder) << label.toStdString();
        }
    }
}

TEST(CommandLine, ExportWritesTheFilesAndCodeWithoutADisplay) {
    QTemporaryDir dir;
    const QString design = dir.filePath("box.wisplet");
    QString error;
    ASSERT_TRUE(SaveDesignFile(design, pictured(), &error));
    const QString out = dir.filePath("site/new");
    const ProcessRun r = run({"--export", design, "--to", out});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    QDir files(out + "/Wisplet_Files");
    EXPECT_EQ(files.entryList(QDir::Files, QDir::Name),
              QStringList({"MyBackground.jpg", "MyImage1.jpg", "MyImage3.gif", "wisplet.js"}));
    auto read = [](const QString& path) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    };
    EXPECT_EQ(read(files.filePath("MyImage1.jpg")), pictured().images[0].bytes);
    EXPECT_EQ(read(files.filePath("MyImage3.gif")), gifBytes());
    EXPECT_EQ(read(files.filePath("wisplet.js")), read(QString::fromUtf8(qgetenv("WISPLET_APP_DIR")) +
                                                         "/samples/Wisplet_Files/wisplet.js"));
    EXPECT_EQ(QImage(files.filePath("MyBackground.jpg")).size(), QSize(96, 106)); // 90 + 2*2 + 2*1, 100 + 6
    EXPECT_EQ(read(out + "/wisplet-head.html"), ExportHeadLine().toUtf8());
    EXPECT_EQ(read(out + "/wisplet-body.html"), ExportBodyCode(pictured().settings, "/nowhere").toUtf8());
    EXPECT_EQ(QDir(out).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 3)
        << "no temporary folder left";
}

TEST(CommandLine, FailuresAndQuestionsAnswerOnOneLine) {
    QTemporaryDir dir;
    QFile junk(dir.filePath("junk.wisplet"));
    junk.open(QIODevice::WriteOnly);
    junk.write("not a design");
    junk.close();
    struct Case {
        QStringList args;
        int code;
        const char* out; // part of standard output
        const char* err; // part of standard error
    };
    const Case cases[] = {
        {{"--help"}, 0, "--export FILE.wisplet --to FOLDER", ""},
        {{"--version"}, 0, "wisplet-designer 1.", ""},
        {{"a.wisplet", "b.wisplet"}, 2, "", "second file name"},
        {{"--export", dir.filePath("missing.wisplet"), "--to", dir.filePath("out")}, 1, "", "cannot open"},
        {{"--export", junk.fileName(), "--to", dir.filePath("out")}, 1, "", "not a ZIP"},
        {{"--export", junk.fileName()}, 2, "", "--to"},
    };
    for (const Case& c : cases) {
        const ProcessRun r = run(c.args);
        const std::string label = c.args.join(' ').toStdString();
        EXPECT_EQ(r.code, c.code) << label << r.err.toStdString();
        EXPECT_TRUE(r.out.contains(c.out)) << label;
        EXPECT_TRUE(r.err.contains(c.err)) << label << r.err.toStdString();
        if (c.code != 0) {
            EXPECT_EQ(r.err.count('\n'), 1) << label << r.err.toStdString();
            EXPECT_TRUE(r.err.startsWith("wisplet-designer: ")) << label;
        }
    }
    EXPECT_TRUE(QDir(dir.filePath("out")).isEmpty()) << "nothing written on failure";
}

TEST(CommandLine, ADesignNamedAtStartIsOpenedOnceTheWindowIsUp) {
    TempAppFolder app(true);
    FakeDialogs dialogs;
    FakeShell shell;
    QTemporaryDir dir;
    RecentFiles::setStore(dir.filePath("recent.ini"));
    DesignDocument d;
    d.settings.width = "321";
    d.settings.contentHtml = "hello";
    QString error;
    ASSERT_TRUE(SaveDesignFile(dir.filePath("start.wisplet"), d, &error));
    Startup startup;
    startup.setDesignToOpen(dir.filePath("start.wisplet"));
    startup.start();
    ASSERT_TRUE(waitUntil([&] { return startup.mainWindow() && startup.mainWindow()->settings().width == "321"; }));
    EXPECT_EQ(startup.mainWindow()->settings().contentHtml, "hello");
    EXPECT_EQ(startup.mainWindow()->windowTitle(), "start.wisplet[*] - Wisplet Dorizized");
    RecentFiles::setStore(QString());
}
