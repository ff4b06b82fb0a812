// Screenshots of the real windows for the documentation. Runs only when
// WISPLET_SCREENSHOTS names an output folder and DISPLAY is an X server
// (e.g. Xvfb with QT_QPA_PLATFORM=xcb); skipped otherwise.
//
// Files written (names as the user guide uses them): main-window.png,
// background-library.png, shapes.png, brightness-contrast.png, export.png,
// about.png, box-behaviour.png, main-window-close-button.png.
#include "platform/AboutWindow.h"
#include "designer/ExportWindow.h"
#include "designer/MainWindowHosts.h"
#include "designer/PreviewController.h"
#include "imaging/BrightnessWindow.h"
#include "shapes/DrawBorder.h"
#include "tests/designer/main_window_fixture.h"
#include "tests/support/Screenshot.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QScrollBar>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

QWidget* visibleTopLevel(const char* name) {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QLatin1String(name) && top->isVisible())
            return top;
    return nullptr;
}

// Show every box of the preview at the end of its reveal (the page's test
// hook); when the hook is missing, wait for entrance, waiting time and reveal.
void finishPreviewAnimation(QWebEngineView* view) {
    bool done = false, hooked = false;
    view->page()->runJavaScript(
        QStringLiteral("(function(){ var w = window.WriteWisplet;"
                       " if (!w || !w.test || !w.test.seekAll) return false;"
                       " w.test.seekAll(1); return true; })()"),
        [&](const QVariant& result) {
            hooked = result.toBool();
            done = true;
        });
    (void)waitUntil([&] { return done; }, 5000);
    QTest::qWait(hooked ? 800 : 6000);
}

// The main window with a designed box and the sky picture as its background,
// the preview loaded and finished.
General& designedMainWindow(MainWindowFixture& f) {
    General& w = f.open();
    f.box("WispletWidth")->setText("220");
    f.box("WispletHeight")->setText("110");
    f.box("WispletPadIn")->setText("8");
    f.box("WispletBorderWidth")->setText("2");
    f.dialogs.colorAnswers.push_back(Color::rgb(0x33, 0x66, 0x99));
    f.click("ShowColor");
    f.list("WispletBorderStyle")->setCurrentIndex(1);
    f.list("WispletAlign")->setCurrentIndex(2);
    f.list("ContentEntrance")->setCurrentIndex(16);
    f.find<QPlainTextEdit>("ContentTextHtml")
        ->setPlainText("<b>Hello!</b><br>This box floats over your page and slides in when it opens.");
    f.list("BackCat")->setCurrentIndex(1);
    w.ReadBack(QStringLiteral("images"));
    QComboBox* pics = f.list("WispletBackImage");
    pics->setCurrentIndex(std::max(0, pics->findText(QStringLiteral("sky.jpg"))));
    w.background().SelectAndFit();
    QTest::mouseClick(f.find<QCheckBox>("AutoPreviewBox"), Qt::LeftButton);
    f.leave();
    return w;
}

bool refreshAndFinish(MainWindowFixture& f, General& w) {
    bool loaded = false;
    const auto c = QObject::connect(w.browser(), &QWebEngineView::loadFinished, [&](bool ok) { loaded = ok; });
    f.click("Refresh");
    const bool ok = waitUntil([&] { return loaded; });
    QObject::disconnect(c);
    if (ok) {
        finishPreviewAnimation(w.browser());
        w.livePreview()->showEnd(); // the timeline stands at the final look too
        QTest::qWait(300);
    }
    return ok;
}

TEST(Screenshots, MainExportAboutWindows) {
    if (!Screenshot::wanted())
        GTEST_SKIP() << "set WISPLET_SCREENSHOTS and run on an X display";
    const QString out = Screenshot::folder();
    MainWindowFixture f;
    General& w = designedMainWindow(f);
    ASSERT_TRUE(refreshAndFinish(f, w));
    EXPECT_TRUE(Screenshot::grabWindow(&w, out + "/main-window.png"));

    f.trigger("menuExport");
    QWidget* exportWindow = visibleTopLevel("Export");
    ASSERT_NE(exportWindow, nullptr);
    QTest::mouseClick(exportWindow->findChild<QPushButton*>("CopyContent"), Qt::LeftButton);
    EXPECT_TRUE(Screenshot::grabWindow(exportWindow, out + "/export.png"));
    exportWindow->close();

    f.trigger("MenuAbout");
    QWidget* about = visibleTopLevel("frmAbout");
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(Screenshot::grabWindow(about, out + "/about.png"));
    about->close();
}

TEST(Screenshots, BoxBehaviourWindowAndItsCloseButtonInThePreview) {
    if (!Screenshot::wanted())
        GTEST_SKIP() << "set WISPLET_SCREENSHOTS and run on an X display";
    const QString out = Screenshot::folder();
    MainWindowFixture f;
    General& w = designedMainWindow(f);
    BoxBehaviour b;
    b.name = QStringLiteral("Welcome");
    b.closeButton = true;
    b.showOnce = BoxBehaviour::ShowOnce::PerVisitor;
    w.setBehaviour(b);
    ASSERT_TRUE(refreshAndFinish(f, w));
    EXPECT_TRUE(Screenshot::grabWindow(&w, out + "/main-window-close-button.png"));
    f.trigger("boxBehaviour");
    QWidget* window = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (window = w.findChild<QDialog*>(QStringLiteral("BoxBehaviour"))) && window->isVisible(); }));
    EXPECT_TRUE(Screenshot::grabWindow(window, out + "/box-behaviour.png"));
    window->close();
}

TEST(Screenshots, BackgroundLibraryShapesBrightness) {
    if (!Screenshot::wanted())
        GTEST_SKIP() << "set WISPLET_SCREENSHOTS and run on an X display";
    const QString out = Screenshot::folder();
    MainWindowFixture f;
    General& w = designedMainWindow(f);

    // Another library picture chosen, the preview shows it, the list open.
    QComboBox* pics = f.list("WispletBackImage");
    pics->setCurrentIndex(std::max(0, pics->findText(QStringLiteral("meadow.jpg"))));
    w.background().SelectAndFit();
    ASSERT_TRUE(refreshAndFinish(f, w));
    // The list drops down below the box (as on a classic desktop) instead of
    // centring on the current item, so the category list stays in sight.
    pics->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    pics->showPopup();
    QTest::qWait(400);
    // The open list is a window of its own; take it in when it reaches past the main window.
    QRect area = w.frameGeometry();
    if (QWidget* popup = pics->view()->window(); popup->isVisible())
        area = area.united(popup->frameGeometry());
    EXPECT_TRUE(Screenshot::grabArea(area, out + "/background-library.png"));
    pics->hidePopup();
    pics->setStyleSheet(QString());
    QTest::qWait(200);

    // Predefined shapes: a coloured cloud callout filling the window.
    f.box("WispletWidth")->setText("540");
    f.box("WispletHeight")->setText("380");
    GeneralShapesHost shapesHost(w);
    {
        DrawBorder shapes(shapesHost, &w);
        shapes.setModal(false);
        shapes.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&shapes));
        auto* list = shapes.findChild<QComboBox*>("cmbShapes");
        ASSERT_NE(list, nullptr);
        const int cloud = list->findText(QStringLiteral("Cloud Callout"));
        list->setCurrentIndex(cloud >= 0 ? cloud : std::max(0, list->findText(QStringLiteral("Rounded Rectangle"))));
        auto* widthBox = shapes.findChild<QLineEdit*>("txtBorderWidth");
        ASSERT_NE(widthBox, nullptr);
        QTest::keyClick(widthBox, Qt::Key_3);
        f.dialogs.colorAnswers.push_back(Color::rgb(0x1f, 0x4e, 0x8c));
        QTest::mouseClick(shapes.findChild<QToolButton*>("cmdBorderColor"), Qt::LeftButton);
        f.dialogs.colorAnswers.push_back(Color::rgb(0xff, 0xe8, 0x9a));
        QTest::mouseClick(shapes.findChild<QToolButton*>("cmdFillColor"), Qt::LeftButton);
        EXPECT_TRUE(Screenshot::grabWindow(&shapes, out + "/shapes.png"));
        shapes.close();
    }

    // Brightness and contrast on the selected library picture (the sunset), a
    // little brighter and with more contrast than the original.
    pics->setCurrentIndex(std::max(0, pics->findText(QStringLiteral("sunset.jpg"))));
    f.box("WispletWidth")->setText("220");
    f.box("WispletHeight")->setText("110");
    GeneralBrightnessHost brightnessHost(w);
    {
        frmBrightnessAndContrast window(brightnessHost, &w);
        ASSERT_TRUE(window.loaded());
        window.setModal(false);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.findChild<QScrollBar*>("hscContrast")->setValue(130);
        window.findChild<QScrollBar*>("hscBrightness")->setValue(287);
        EXPECT_TRUE(Screenshot::grabWindow(&window, out + "/brightness-contrast.png"));
        window.close();
    }
}

} // namespace
