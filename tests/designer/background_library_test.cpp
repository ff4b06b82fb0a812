// The background library component driven as the main window drives it:
// list filling, the waiting window, select-and-fit, fitting, import, folder.
#include "designer/BackgroundLibrary.h"
#include "designer/BackgroundFiles.h"
#include "designer/LoadingWindow.h"
#include "designer/ShellCopy.h"
#include "imaging/Jpeg.h"
#include "platform/AppFolder.h"
#include "platform/FakeDialogs.h"
#include "tests/support/TempAppFolder.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// 4 x 2 GIF, left half red, right half blue; 1 x 1 transparent spacer.
const unsigned char RedBlueGif[] = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x04, 0x00, 0x02, 0x00, 0xf0, 0x00,
                                    0x00, 0xff, 0x00, 0x00, 0x00, 0x00, 0xff, 0x21, 0xf9, 0x04, 0x00, 0x00,
                                    0x00, 0x00, 0x00, 0x2c, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x02, 0x00,
                                    0x00, 0x02, 0x04, 0x04, 0x12, 0x86, 0x05, 0x00, 0x3b};
const unsigned char SpacerGif[] = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01, 0x00, 0xf0, 0x00,
                                   0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x21, 0xf9, 0x04, 0x01, 0x00,
                                   0x00, 0x00, 0x00, 0x2c, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00,
                                   0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3b};

QByteArray bytes(const unsigned char* p, size_t n) { return QByteArray(reinterpret_cast<const char*>(p), int(n)); }

QByteArray jpegBytes(QSize size, QRgb colour) {
    QTemporaryDir dir;
    QImage img(size, QImage::Format_RGB32);
    img.fill(colour);
    const QString path = dir.filePath(QStringLiteral("x.jpg"));
    SaveJpeg(img, path, 100);
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

bool near(QRgb a, QRgb b, int tol = 6) {
    return std::abs(qRed(a) - qRed(b)) <= tol && std::abs(qGreen(a) - qGreen(b)) <= tol &&
           std::abs(qBlue(a) - qBlue(b)) <= tol;
}

// A temporary application folder, the two lists and the component.
struct Fixture {
    TempAppFolder app;
    FakeDialogs dialogs;
    FakeShell shell;
    QComboBox backCat;
    QComboBox backImage;
    WispletSettings settings;
    BackgroundLibrary lib{&backCat, &backImage, [this] { return settings; }, nullptr};

    Fixture() {
        backCat.addItems(WispletSettings::backCategories());
        app.write(QLatin1String(AppFolder::Spacer), bytes(SpacerGif, sizeof SpacerGif));
        settings.width = "100";
        settings.height = "50";
        settings.padIn = "2";
        settings.padOut = "3";
        settings.borderWidth = "1";
    }
    QString background() const { return app.file(QLatin1String(AppFolder::Background)); }
    QImage written() const { return QImage(background()); }
    QStringList items() const {
        QStringList out;
        for (int i = 0; i < backImage.count(); ++i)
            out << backImage.itemText(i);
        return out;
    }
    void choose(int category, const QString& picture) {
        backCat.setCurrentIndex(category);
        lib.ReadBack(backCat.currentText());
        backImage.setCurrentIndex(backImage.findText(picture));
    }
};

} // namespace

TEST(BackgroundLibrary, ReadBackListsNoneThenFilesWithThumbnails) {
    Fixture f;
    f.app.write("backgrounds/images/a.jpg", jpegBytes(QSize(300, 200), qRgb(255, 0, 0)));
    f.app.write("backgrounds/images/b.gif", bytes(RedBlueGif, sizeof RedBlueGif));
    f.backImage.addItem("stale");

    f.lib.ReadBack("images");
    EXPECT_EQ(f.items(), (QStringList{"None", "a.jpg", "b.gif", "spacer.gif"}));
    EXPECT_EQ(f.backImage.currentIndex(), 0);
    EXPECT_EQ(f.backImage.iconSize(), QSize(32, 32));
    const auto& thumbs = f.lib.thumbnails();
    ASSERT_EQ(thumbs.size(), 4);
    for (int n = 1; n <= 4; ++n)
        EXPECT_EQ(thumbs.value(QStringLiteral("Background %1").arg(n)).size(), QSize(32, 32)) << n;
    EXPECT_TRUE(near(thumbs.value("Background 2").pixel(16, 16), qRgb(255, 0, 0)));
    EXPECT_TRUE(near(thumbs.value("Background 3").pixel(2, 16), qRgb(255, 0, 0), 40));
    EXPECT_TRUE(near(thumbs.value("Background 3").pixel(29, 16), qRgb(0, 0, 255), 40));
    EXPECT_FALSE(f.backImage.itemIcon(1).isNull());
}

TEST(BackgroundLibrary, ReadBackOfEmptyOrMissingFolderGivesOnlyNone) {
    Fixture f;
    for (const char* category : {"borders", "Choose Category", "no-such-category"}) {
        f.lib.ReadBack(QString::fromLatin1(category));
        EXPECT_EQ(f.items(), QStringList{"None"}) << category;
        EXPECT_EQ(f.lib.thumbnails().keys(), QStringList{"Background 1"});
    }
}

TEST(BackgroundLibrary, UnreadableFilesAreMarkedBrokenAndSaySoWhenChosen) {
    Fixture f;
    f.app.write("backgrounds/shapes/broken.jpg", QByteArray::fromHex("FFD8FFE0") + QByteArray(2000, '\x55'));
    f.app.write("backgrounds/shapes/notes.txt", "not a picture\n");
    f.app.write("backgrounds/shapes/ok.jpg", jpegBytes(QSize(40, 40), qRgb(0, 128, 0)));
    f.app.write("backgrounds/shapes/.DS_Store", "hidden");
    QFile::remove(f.app.file(QLatin1String(AppFolder::Spacer))); // "None" still gets a thumbnail

    f.lib.ReadBack("shapes");
    EXPECT_EQ(f.items(), (QStringList{"None", "broken.jpg", "notes.txt", "ok.jpg"}));
    EXPECT_EQ(f.lib.thumbnails().value("Background 1").pixel(10, 10), qRgb(255, 255, 255));
    for (const char* key : {"Background 2", "Background 3"})
        EXPECT_EQ(f.lib.thumbnails().value(key), BrokenPictureMark(QSize(32, 32))) << key;
    EXPECT_TRUE(near(f.lib.thumbnails().value("Background 4").pixel(10, 10), qRgb(0, 128, 0)));

    // Choosing an unreadable file keeps the previous working picture.
    f.backCat.setCurrentIndex(3);
    f.app.write(QLatin1String(AppFolder::Background), "previous");
    for (const char* name : {"broken.jpg", "notes.txt"}) {
        f.dialogs.shown.clear();
        f.backImage.setCurrentIndex(f.backImage.findText(name));
        f.lib.SelectAndFit();
        EXPECT_EQ(f.app.read(QLatin1String(AppFolder::Background)), QByteArray("previous")) << name;
        ASSERT_EQ(f.dialogs.messages().size(), 1) << name;
        EXPECT_TRUE(f.dialogs.messages()[0].contains(QLatin1String(name)));
        EXPECT_EQ(f.dialogs.shown[0].title, "Wisplet Dorizized");
    }
}

TEST(BackgroundLibrary, ShowLoadingRunsReadBackFromItsTimerAndCloses) {
    Fixture f;
    f.app.write("backgrounds/personal/mine.jpg", jpegBytes(QSize(10, 10), qRgb(0, 0, 255)));
    f.backCat.setCurrentIndex(4);

    bool checked = false;
    QObject::connect(&f.lib, &BackgroundLibrary::listRebuilt, [&] {
        LoadingWindow* w = f.lib.loadingWindow();
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->isVisible());
        EXPECT_TRUE(w->isModal());
        EXPECT_EQ(w->objectName(), "loading");
        EXPECT_EQ(w->windowTitle(), "Loading");
        EXPECT_EQ(w->label()->text(), "loading Preview... Please wait!");
        EXPECT_TRUE(w->label()->font().bold());
        EXPECT_EQ(w->timer()->interval(), 10);
        EXPECT_TRUE(w->timer()->isSingleShot());
        checked = true;
    });
    f.lib.ShowLoading();
    EXPECT_TRUE(checked);
    EXPECT_EQ(f.lib.loadingWindow(), nullptr);
    EXPECT_EQ(f.items(), (QStringList{"None", "mine.jpg"}));
}

TEST(BackgroundLibrary, SelectAndFitWritesPictureAtOuterSize) {
    Fixture f;
    f.app.write("backgrounds/images/a.jpg", jpegBytes(QSize(300, 200), qRgb(255, 0, 0)));
    f.choose(1, "a.jpg");
    f.lib.SelectAndFit();
    QImage out = f.written();
    ASSERT_EQ(out.size(), QSize(112, 62)); // 100 + 4 + 6 + 2, 50 + 4 + 6 + 2
    EXPECT_TRUE(near(out.pixel(56, 31), qRgb(255, 0, 0)));
    EXPECT_EQ(f.lib.Picture1().image().size(), QSize(113, 75)); // decoded at 3/8, covers 112 x 62
    EXPECT_EQ(f.lib.sourceFullSize(), QSize(300, 200));
    EXPECT_EQ(f.lib.Picture2().image().size(), QSize(112, 62));

    // A spinner step to 101 and a typed 150 each refit at once when the
    // main window calls FitBackground.
    struct Step { const char* width; int expected; } steps[] = {{"101", 113}, {"150", 162}};
    for (const auto& s : steps) {
        f.settings.width = s.width;
        EXPECT_TRUE(f.lib.FitBackground());
        EXPECT_EQ(f.written().width(), s.expected) << s.width;
    }
    EXPECT_EQ(f.lib.Picture1().image().size(), QSize(188, 125)); // 162 wide needed 5/8

    // "None" afterwards: nothing written by the selection, but a later size
    // change still refits the earlier picture.
    f.backImage.setCurrentIndex(0);
    const QByteArray before = f.app.read(QLatin1String(AppFolder::Background));
    f.lib.SelectAndFit();
    EXPECT_EQ(f.app.read(QLatin1String(AppFolder::Background)), before);
    f.settings.height = "60";
    ASSERT_TRUE(f.lib.FitBackground());
    out = f.written();
    EXPECT_EQ(out.size(), QSize(162, 72));
    EXPECT_TRUE(near(out.pixel(10, 10), qRgb(255, 0, 0)));
}

namespace {
// Vertical stripes 8 pixels wide, black and white, over a horizontal ramp of
// green: detail a 1/8 decoding loses entirely.
QImage stripes(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int v = (x / 8) % 2 ? 255 : 0;
            line[x] = qRgb(v, x * 255 / w, v);
        }
    }
    return img;
}

double meanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}
} // namespace

TEST(BackgroundLibrary, LargerRefitDecodesTheFileAgain) {
    Fixture f;
    const QImage photo = stripes(2000, 1500);
    SaveJpeg(photo, f.app.file("backgrounds/images/photo.jpg"), 100);
    const QImage full = QImage(f.app.file("backgrounds/images/photo.jpg")).convertToFormat(QImage::Format_RGB32);
    f.choose(1, "photo.jpg");
    f.lib.SelectAndFit(); // 112 x 62
    EXPECT_EQ(f.lib.Picture1().image().size(), QSize(250, 188));
    EXPECT_EQ(f.lib.sourceFile(), f.app.file("backgrounds/images/photo.jpg"));

    f.settings.width = f.settings.height = "988"; // outer 1000 x 1000
    ASSERT_TRUE(f.lib.FitBackground());
    EXPECT_EQ(f.lib.Picture1().image().size(), QSize(1500, 1125));
    const QImage out = f.written().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(out.size(), QSize(1000, 1000));
    const QImage expected = FitPicture(full, QSize(1000, 1000), Color::White);
    EXPECT_LT(meanDifference(out, expected), 6.0);
    // Stretching the 1/8 decoding instead would have lost the stripes.
    const QImage blurred = FitPicture(full.scaled(250, 188, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                                      QSize(1000, 1000), Color::White);
    EXPECT_GT(meanDifference(blurred, expected), 30.0);

    // Back to the small size: the larger decoding is kept (it covers it).
    f.settings.width = f.settings.height = "100";
    ASSERT_TRUE(f.lib.FitBackground());
    EXPECT_EQ(f.lib.Picture1().image().size(), QSize(1500, 1125));

    // Gone, or replaced by a picture of another size: the picture in hand is used.
    for (bool replace : {true, false}) {
        SCOPED_TRACE(replace ? "replaced" : "removed");
        QFile::remove(f.lib.sourceFile());
        if (replace)
            SaveJpeg(stripes(640, 480), f.app.file("backgrounds/images/photo.jpg"), 100);
        f.settings.width = f.settings.height = "1988"; // outer 2000 x 2000
        ASSERT_TRUE(f.lib.FitBackground());
        EXPECT_EQ(f.lib.Picture1().image().size(), QSize(1500, 1125));
        EXPECT_EQ(f.written().size(), QSize(2000, 2000));
    }
}

TEST(BackgroundLibrary, SourceHandedInIsNeverReloaded) {
    Fixture f;
    f.app.write("backgrounds/images/a.jpg", jpegBytes(QSize(800, 600), qRgb(255, 0, 0)));
    f.choose(1, "a.jpg");
    f.lib.SelectAndFit();
    EXPECT_EQ(f.lib.Picture1().image().size(), QSize(200, 150)); // 1/4
    QImage adjusted(40, 30, QImage::Format_RGB32);
    adjusted.fill(qRgb(0, 0, 255));
    f.lib.setSource(adjusted);
    EXPECT_TRUE(f.lib.sourceFile().isEmpty());
    f.settings.width = "788";
    f.settings.height = "588";
    ASSERT_TRUE(f.lib.FitBackground());
    EXPECT_EQ(f.lib.Picture1().image().size(), QSize(40, 30));
    const QImage out = f.written();
    ASSERT_EQ(out.size(), QSize(800, 600));
    EXPECT_TRUE(near(out.pixel(400, 300), qRgb(0, 0, 255)));
}

TEST(BackgroundLibrary, SelectAndFitNeedsCategoryAndPicture) {
    Fixture f;
    f.app.write("backgrounds/images/a.jpg", jpegBytes(QSize(30, 20), qRgb(255, 0, 0)));
    f.choose(1, "a.jpg");
    f.backCat.setCurrentIndex(0); // back to "Choose Category" without leaving the list
    f.lib.SelectAndFit();
    EXPECT_FALSE(QFile::exists(f.background()));
}

TEST(BackgroundLibrary, FitBeforeAnyPictureWritesBlankOuterSize) {
    Fixture f;
    f.lib.setBackColor(Color::rgb(10, 200, 30));
    ASSERT_TRUE(f.lib.FitBackground());
    const QImage out = f.written();
    ASSERT_EQ(out.size(), QSize(112, 62));
    EXPECT_TRUE(near(out.pixel(0, 0), qRgb(10, 200, 30)));
    EXPECT_TRUE(near(out.pixel(111, 61), qRgb(10, 200, 30)));
    EXPECT_FALSE(f.lib.hasSource());
}

TEST(BackgroundLibrary, BadOrHugeSizesKeepThePreviousFile) {
    struct Case { const char* what; const char* width; const char* borderWidth; } cases[] = {
        {"empty width", "", "1"},
        {"non-numeric width", "1O0", "1"},
        {"outer size 0", "0", "0"},
        {"gigantic border width", "100", "99999999"},
        {"one pixel over the limit", "16385", "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Fixture f;
        f.app.write(QLatin1String(AppFolder::Background), "previous");
        f.settings.width = c.width;
        f.settings.borderWidth = c.borderWidth;
        f.settings.padIn = f.settings.padOut = "0";
        f.settings.height = "1";
        EXPECT_FALSE(f.lib.FitBackground());
        EXPECT_EQ(f.app.read(QLatin1String(AppFolder::Background)), QByteArray("previous"));
    }
    Fixture f; // the largest side allowed is written
    f.settings = WispletSettings();
    f.settings.width = "16384";
    f.settings.height = "1";
    ASSERT_TRUE(f.lib.FitBackground());
    EXPECT_EQ(f.written().size(), QSize(16384, 1));
}

TEST(BackgroundLibrary, FitFailureIsToldOnceUntilAWriteSucceeds) {
    Fixture f;
    const QString folder = f.app.file("samples/Wisplet_Files");
    QDir(folder).removeRecursively();
    QFile blocker(folder); // a file where the folder should be: no write can succeed
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(f.lib.FitBackground());
    EXPECT_FALSE(f.lib.FitBackground()); // a spinner step more: no second message
    ASSERT_EQ(f.dialogs.messages(), QStringList{"Cannot write MyBackground.jpg: Not a directory"});
    EXPECT_EQ(f.dialogs.shown[0].title, "Wisplet Dorizized");
    QFile::remove(folder);
    QDir().mkpath(folder);
    EXPECT_TRUE(f.lib.FitBackground());
    QFile::remove(f.background());
    QDir(folder).removeRecursively();
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(f.lib.FitBackground());
    EXPECT_EQ(f.dialogs.messages().size(), 2); // told again after the success
}

TEST(BackgroundLibrary, ImportAndViewAllNeedACategory) {
    Fixture f;
    f.lib.Import();
    f.lib.ViewAll();
    EXPECT_EQ(f.dialogs.messages(), (QStringList{"Please select a category", "Please select a category"}));
    ASSERT_EQ(f.dialogs.shown.size(), 2u);
    EXPECT_EQ(f.dialogs.shown[0].title, "Wisplet Dorizized");
    EXPECT_TRUE(f.shell.opened.isEmpty());
}

TEST(BackgroundLibrary, ImportCopiesIntoCategoryAndAsksBeforeReplacing) {
    struct Case {
        const char* what;
        bool existing;
        std::optional<MsgAnswer> replace; // answer to the shell's question
        bool failCopies;
        bool cancel;
        QByteArray expectedTarget;
        bool success;
    } cases[] = {
        {"new file", false, std::nullopt, false, false, "NEW", true},
        {"replace accepted", true, MsgAnswer::Yes, false, false, "NEW", true},
        {"replace refused", true, MsgAnswer::No, false, false, "OLD", false},
        {"copy fails", false, std::nullopt, true, false, "", false},
        {"dialog cancelled", true, std::nullopt, false, true, "OLD", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Fixture f;
        QTemporaryDir outside;
        const QString source = outside.filePath("sky.gif");
        QFile src(source);
        ASSERT_TRUE(src.open(QIODevice::WriteOnly));
        src.write(bytes(RedBlueGif, sizeof RedBlueGif));
        src.close();
        if (c.existing)
            f.app.write("backgrounds/borders/sky.gif", "OLD");
        f.shell.failCopies = c.failCopies;
        f.dialogs.openFileAnswers.push_back(c.cancel ? std::optional<QString>() : std::optional<QString>(source));
        if (c.replace)
            f.dialogs.messageAnswers.push_back(*c.replace);
        f.backCat.setCurrentIndex(2);
        f.lib.ReadBack("borders");
        const QStringList listed = f.items();

        f.lib.Import();
        ASSERT_FALSE(f.dialogs.shown.empty());
        EXPECT_EQ(f.dialogs.shown[0].kind, "openFile");
        EXPECT_EQ(f.app.read("backgrounds/borders/sky.gif"),
                  c.expectedTarget == "NEW" ? bytes(RedBlueGif, sizeof RedBlueGif) : c.expectedTarget);
        EXPECT_EQ(f.dialogs.messages().contains("Your Image has been imported Successfully"), c.success);
        EXPECT_EQ(f.items(), listed); // the list is rebuilt only when the category list is left
    }
}

TEST(BackgroundLibrary, ImportRefusesWhatIsNoPictureOrHasAnUnusableName) {
    QTemporaryDir outside;
    auto make = [&](const char* name, const QByteArray& content) {
        QFile f(outside.filePath(QLatin1String(name)));
        f.open(QIODevice::WriteOnly);
        f.write(content);
        return f.fileName();
    };
    const QByteArray gif = bytes(RedBlueGif, sizeof RedBlueGif);
    struct Case { QString path; const char* message; } cases[] = {
        {make("empty.gif", {}), "\"empty.gif\" is empty"},
        {make("letter.jpg", "Dear user,"), "\"letter.jpg\" is not a picture"},
        {make("half.gif", gif.left(20)), "\"half.gif\" is damaged or incomplete"},
        {make("a\\b.gif", gif), "cannot be used as a picture name"},
        {make(".sky.gif", gif), "cannot be used as a picture name"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        Fixture f;
        f.backCat.setCurrentIndex(2);
        f.dialogs.openFileAnswers.push_back(c.path);
        f.lib.Import();
        ASSERT_EQ(f.dialogs.messages().size(), 1);
        EXPECT_TRUE(f.dialogs.messages()[0].contains(QLatin1String(c.message))) << f.dialogs.messages()[0].toStdString();
        EXPECT_TRUE(QDir(f.app.file("backgrounds/borders")).isEmpty());
    }
}

TEST(ShellCopy, OnlyASuccessfulImportShowsTheMessage) {
    TempAppFolder app;
    FakeDialogs dialogs;
    FakeShell shell;
    app.write("src/a.jpg", "A");
    ShellCopy(nullptr, app.file("src/a.jpg"), app.file("out/"), "Export");
    EXPECT_EQ(app.read("out/a.jpg"), QByteArray("A"));
    EXPECT_TRUE(dialogs.messages().isEmpty());
    ShellCopy(nullptr, app.file("src/a.jpg"), app.file("in/b.jpg"), "Import");
    EXPECT_EQ(app.read("in/b.jpg"), QByteArray("A"));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Your Image has been imported Successfully");
    EXPECT_EQ(dialogs.shown[0].title, "Wisplet Dorizized");
    EXPECT_EQ(dialogs.shown[0].buttons, MsgButtons::Ok);
}

TEST(BackgroundLibrary, OpenCategoryFolderOpensItInTheFileManager) {
    Fixture f;
    QDir(f.app.file("backgrounds/personal")).removeRecursively();
    f.backCat.setCurrentIndex(4);
    f.lib.ViewAll();
    EXPECT_EQ(f.shell.opened, QStringList{AppFolder::categoryFolder("personal")});
    EXPECT_TRUE(QDir(f.app.file("backgrounds/personal")).exists());
    EXPECT_TRUE(f.dialogs.shown.empty());
}
