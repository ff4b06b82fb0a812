// Screenshots of the real windows for the documentation. Runs only when
// WISPLET_SCREENSHOTS names an output folder and DISPLAY is an X server
// (e.g. Xvfb with QT_QPA_PLATFORM=xcb); skipped otherwise.
#include "designer/AboutWindow.h"
#include "designer/ExportWindow.h"
#include "tests/designer/main_window_fixture.h"

#include <QCheckBox>
#include <QProcess>
#include <QWebEngineView>

namespace {

bool shoot(QWidget* window, const QString& file) {
    window->raise();
    QTest::qWait(600);
    const QRect r = window->frameGeometry();
    const QString crop = QStringLiteral("%1x%2+%3+%4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y());
    return QProcess::execute(QStringLiteral("import"),
                             {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("-crop"), crop,
                              QStringLiteral("+repage"), file}) == 0;
}

TEST(Screenshots, MainExportAboutWindows) {
    const QString out = qEnvironmentVariable("WISPLET_SCREENSHOTS");
    if (out.isEmpty() || QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "set WISPLET_SCREENSHOTS and run on an X display";
    MainWindowFixture f;
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
    bool loaded = false;
    QObject::connect(w.browser(), &QWebEngineView::loadFinished, [&](bool ok) { loaded = ok; });
    f.click("Refresh");
    ASSERT_TRUE(waitUntil([&] { return loaded; }));
    QTest::qWait(6000); // entrance, waiting time and content reveal
    EXPECT_TRUE(shoot(&w, out + "/main-window.png"));

    f.trigger("menuExport");
    QWidget* exportWindow = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QLatin1String("Export") && top->isVisible())
            exportWindow = top;
    ASSERT_NE(exportWindow, nullptr);
    QTest::mouseClick(exportWindow->findChild<QPushButton*>("CopyContent"), Qt::LeftButton);
    EXPECT_TRUE(shoot(exportWindow, out + "/export.png"));
    exportWindow->close();

    f.trigger("MenuAbout");
    QWidget* about = QApplication::activeModalWidget();
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QLatin1String("frmAbout") && top->isVisible())
            about = top;
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(shoot(about, out + "/about.png"));
    about->close();
}

} // namespace
