// The main window's background controls and the windows it opens: category
// and picture lists, import and folder checks, export, About, help pages,
// enlarged preview, side windows and exit.
#include "platform/AboutWindow.h"
#include "designer/EnlargedPreview.h"
#include "designer/ExportWindow.h"
#include "designer/MainWindowHosts.h"
#include "imaging/Jpeg.h"
#include "paint/PaintMenus.h"
#include "paint/PaintWindow.h"
#include "tests/designer/main_window_fixture.h"

#include <QCheckBox>
#include <QAction>
#include <QDialog>
#include <QTimer>

namespace {

void writeJpeg(const TempAppFolder& app, const QString& rel, QSize size, QRgb colour) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(colour);
    ASSERT_NO_THROW(SaveJpeg(img, app.file(rel), 100));
}

bool near(QRgb a, QRgb b, int tol = 12) {
    return std::abs(qRed(a) - qRed(b)) <= tol && std::abs(qGreen(a) - qGreen(b)) <= tol &&
           std::abs(qBlue(a) - qBlue(b)) <= tol;
}

QWidget* topLevel(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name) && w->isVisible())
            return w;
    return nullptr;
}

// Chooses the "personal" category and leaves the list (which fills the
// picture list); returns the picture list.
QComboBox* choosePersonal(MainWindowFixture& f) {
    QComboBox* cat = f.list("BackCat");
    MainWindowFixture::focus(cat);
    cat->setCurrentIndex(4); // "personal"
    f.leave();
    return f.list("WispletBackImage");
}

TEST(MainWindowBackground, LeavingTheCategoryFillsThePictureListAndPickingFitsIt) {
    MainWindowFixture f;
    writeJpeg(f.app, "backgrounds/personal/a.jpg", {40, 20}, qRgb(255, 0, 0));
    writeJpeg(f.app, "backgrounds/personal/b.jpg", {10, 10}, qRgb(0, 0, 255));
    f.open();
    QComboBox* pics = choosePersonal(f);
    ASSERT_TRUE(waitUntil([&] { return pics->count() == 3; }));
    EXPECT_EQ(pics->itemText(0), QStringLiteral("None"));
    EXPECT_EQ(pics->itemText(1), QStringLiteral("a.jpg"));
    EXPECT_EQ(pics->currentIndex(), 0);

    MainWindowFixture::focus(pics);
    pics->setCurrentIndex(1);
    f.leave();
    QImage fitted(f.backgroundFile());
    ASSERT_EQ(fitted.size(), QSize(100, 100));
    EXPECT_TRUE(near(fitted.pixel(50, 50), qRgb(255, 0, 0))) << std::hex << fitted.pixel(50, 50);
    f.click("Refresh");
    EXPECT_TRUE(f.previewFile().contains("'Wisplet_Files/MyBackground.jpg'"));

    // "None" then a size change: the earlier picture is refitted, the preview names no picture.
    MainWindowFixture::focus(pics);
    pics->setCurrentIndex(0);
    f.leave();
    QTest::mouseClick(f.spin("WidthControl")->upButton(), Qt::LeftButton);
    fitted = QImage(f.backgroundFile());
    EXPECT_EQ(fitted.size(), QSize(101, 100));
    EXPECT_TRUE(near(fitted.pixel(50, 50), qRgb(255, 0, 0)));
    f.click("Refresh");
    EXPECT_TRUE(f.previewFile().contains("'Wisplet_Files/MyBackground'"));
}

TEST(MainWindowBackground, ImportAndViewAllNeedACategory) {
    const struct {
        const char* name;
        bool menu;
    } triggers[] = {{"ImportBack", false}, {"importMenu", true}, {"ViewAllBack", false}, {"viewBack", true}};
    for (const auto& tr : triggers) {
        const char* t = tr.name;
        MainWindowFixture f;
        f.open();
        if (tr.menu)
            f.trigger(t);
        else
            f.click(t);
        EXPECT_EQ(f.dialogs.messages(), QStringList{"Please select a category"}) << t;
        EXPECT_EQ(f.dialogs.shown.size(), 1u) << t << ": no file dialog";
        EXPECT_TRUE(f.shell.opened.isEmpty() && f.shell.started.isEmpty()) << t;
    }
}

TEST(MainWindowBackground, ViewAllOpensTheCategoryFolder) {
    MainWindowFixture f;
    f.open();
    f.list("BackCat")->setCurrentIndex(3);
    f.click("ViewAllBack");
    EXPECT_TRUE(f.dialogs.messages().isEmpty());
    const QStringList all = f.shell.opened + (f.shell.started.isEmpty() ? QStringList() : f.shell.started.first());
    EXPECT_TRUE(all.join('|').contains(QStringLiteral("backgrounds/shapes"))) << all.join('|').toStdString();
}

TEST(MainWindowMenus, GenerateWispletDisablesTheMainWindowUntilTheExportCloses) {
    MainWindowFixture f;
    General& w = f.open();
    f.box("WispletWidth")->setText("250");
    f.trigger("menuExport");
    EXPECT_FALSE(w.isEnabled());
    auto* exportWindow = qobject_cast<Export*>(topLevel("Export"));
    ASSERT_NE(exportWindow, nullptr);
    EXPECT_TRUE(exportWindow->isEnabled());
    EXPECT_TRUE(exportWindow->isModal());
    EXPECT_TRUE(exportWindow->bodyCode().contains("WriteWisplet(2,250,100,"));
    exportWindow->close();
    QApplication::processEvents();
    EXPECT_TRUE(w.isEnabled());
}

TEST(MainWindowMenus, AboutEnablesTheMainWindowHoweverItCloses) {
    enum How { CloseBox, OkButton, Enter, Escape };
    for (How how : {CloseBox, OkButton, Enter, Escape}) {
        MainWindowFixture f;
        General& w = f.open();
        f.trigger("MenuAbout");
        EXPECT_FALSE(w.isEnabled());
        QPointer<QWidget> about = topLevel("frmAbout");
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(about->windowTitle(), QStringLiteral("Wisplet Dorizized"));
        switch (how) {
        case CloseBox: about->close(); break;
        case OkButton: QTest::mouseClick(about->findChild<QPushButton*>("cmdOK"), Qt::LeftButton); break;
        case Enter: QTest::keyClick(about, Qt::Key_Return); break;
        case Escape: QTest::keyClick(about, Qt::Key_Escape); break;
        }
        EXPECT_TRUE(waitUntil([&] { return about.isNull(); }, 2000)) << how;
        EXPECT_TRUE(w.isEnabled()) << how;
    }
}

TEST(MainWindowMenus, SystemInfoStartsAnInstalledToolOrSaysItIsUnavailable) {
    TempAppFolder app;
    FakeDialogs dialogs;
    FakeShell shell;
    {
        frmAbout about(nullptr);
        EXPECT_FALSE(about.StartSysInfo());
        EXPECT_EQ(dialogs.messages(), QStringList{"System Information Is Unavailable At This Time"});
        EXPECT_EQ(about.findChild<QPushButton*>("cmdSysInfo")->text(), QStringLiteral("&System Info..."));
    }
    shell.programsOnPath << QStringLiteral("hardinfo");
    frmAbout about(nullptr);
    QTest::mouseClick(about.findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
    ASSERT_EQ(shell.started.size(), 1);
    EXPECT_EQ(shell.started.first().first(), QStringLiteral("/usr/bin/hardinfo"));
    EXPECT_EQ(dialogs.messages().size(), 1);
}

TEST(MainWindowMenus, HelpAndSamplesOpenTheirPagesWithTheDefaultProgram) {
    MainWindowFixture f;
    f.open();
    const struct {
        const char* action;
        const char* file;
    } items[] = {{"HelpIndex", "help/Help.html"},       {"s1", "samples/sample1.html"},
                 {"s2", "samples/sample2.html"},        {"s3", "samples/sample3.html"},
                 {"s4", "samples/sample4.html"},        {"s5", "samples/samples.html"}};
    QStringList expected;
    for (const auto& i : items) {
        f.trigger(i.action);
        expected << f.app.file(QString::fromLatin1(i.file));
    }
    EXPECT_EQ(f.shell.opened, expected);
    EXPECT_TRUE(f.dialogs.shown.empty());
}

TEST(MainWindowMenus, EnlargedPreviewWritesCurrentSettingsAndClosesWithTheMainWindow) {
    MainWindowFixture f;
    General& w = f.open();
    f.box("WispletWidth")->setText("321"); // auto preview is off
    f.trigger("previewMenu");
    QPointer<Browser> big = w.enlargedPreview();
    ASSERT_NE(big, nullptr);
    EXPECT_TRUE(f.previewFile().contains("WriteWisplet(2,321,100,"));
    EXPECT_EQ(big->windowTitle(), QStringLiteral("Enlarge Preview"));
    f.click("EnlargePreview");
    EXPECT_EQ(w.enlargedPreview(), big.data()) << "one enlarged preview at a time";

    f.box("WispletWidth")->setText("322");
    QTest::mouseClick(big->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    EXPECT_TRUE(f.previewFile().contains("WriteWisplet(2,322,100,"));
    EXPECT_EQ(big->reloadCount(), 1);

    f.dialogs.messageAnswers.push_back(MsgAnswer::No); // discard the changed design
    f.trigger("menuExit");
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(waitUntil([&] { return big.isNull() || !big->isVisible(); }, 2000));
}

TEST(MainWindowMenus, CustomizedShapesOpensThePaintWindowModallyAtTheBoxSize) {
    MainWindowFixture f;
    f.open();
    f.box("WispletWidth")->setText("240");
    f.box("WispletHeight")->setText("120");
    QString title;
    QSize canvas;
    QTimer::singleShot(200, [&] {
        auto* paint = qobject_cast<frmPaint*>(QApplication::activeModalWidget());
        if (!paint)
            return;
        title = paint->windowTitle();
        canvas = QSize(paint->canvas().width(), paint->canvas().height());
        paint->close(); // untouched: no question
    });
    f.trigger("cs"); // returns when the window has closed
    EXPECT_EQ(title, QStringLiteral("Customized shapes "));
    EXPECT_EQ(canvas, QSize(240, 120));
    EXPECT_TRUE(f.dialogs.messages().isEmpty());
}

TEST(MainWindowMenus, APictureSavedInThePaintWindowAppearsInThePersonalList) {
    MainWindowFixture f;
    f.open();
    QComboBox* pics = choosePersonal(f);
    ASSERT_TRUE(waitUntil([&] { return pics->count() >= 1; }));
    const int before = pics->count();
    f.dialogs.inputAnswers = {QStringLiteral("test")};
    QTimer::singleShot(200, [&] {
        auto* paint = qobject_cast<frmPaint*>(QApplication::activeModalWidget());
        if (!paint)
            return;
        paint->canvas().filledBox(0, 0, 20, 20, Color::rgb(255, 0, 0));
        paint->SetImageBuffer();
        paint->menus().action(QStringLiteral("mnuSave"))->trigger();
        paint->close();
    });
    f.trigger("cs");
    EXPECT_EQ(pics->count(), before + 1);
    EXPECT_NE(pics->findText(QStringLiteral("test.jpg")), -1);
}

TEST(MainWindowMenus, EffectOpensBrightnessAndContrastModally) {
    MainWindowFixture f;
    f.open();
    bool seen = false;
    QTimer::singleShot(200, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        seen = modal && modal->objectName() == QLatin1String("frmBrightnessAndContrast");
        if (modal)
            modal->close();
    });
    f.click("Command1"); // returns when the window has closed
    EXPECT_TRUE(seen);
}

} // namespace

namespace {

TEST(MainWindowMenus, PredefinedShapesOpensModallyAndReadsTheBoxSize) {
    MainWindowFixture f;
    f.open();
    f.box("WispletWidth")->setText("300");
    f.box("WispletHeight")->setText("200");
    QString seen;
    QTimer::singleShot(200, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        seen = modal->objectName();
        modal->close();
    });
    f.trigger("ps");
    EXPECT_EQ(seen, QStringLiteral("DrawBorder"));
}

TEST(MainWindowMenus, ShapesHostWritesTheSizeAndRefitsTheBackground) {
    MainWindowFixture f;
    General& w = f.open();
    GeneralShapesHost host(w);
    EXPECT_EQ(host.widthText(), QStringLiteral("100"));
    host.setBoxSize(120, 80);
    EXPECT_EQ(f.box("WispletWidth")->text(), QStringLiteral("120"));
    EXPECT_EQ(f.box("WispletHeight")->text(), QStringLiteral("80"));
    EXPECT_EQ(QImage(f.backgroundFile()).size(), QSize(120, 80));
}

} // namespace
