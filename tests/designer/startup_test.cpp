// Start-up (splash window, Timer1), the enlarged preview's placement, and
// the preview page running in the real browser view.
#include "designer/EnlargedPreview.h"
#include "designer/SplashWindow.h"
#include "designer/Startup.h"
#include "tests/designer/main_window_fixture.h"

#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

TEST(EnlargedPreview, BrowserPlacementFollowsTheWindowSize) {
    const struct {
        int w, h;
        std::optional<QRect> place;
    } cases[] = {{3000, 2000, QRect(100, 400, 2800, 1500)},
                 {8610, 6495, QRect(100, 400, 8410, 5995)},
                 {201, 501, QRect(100, 400, 1, 1)},
                 {200, 2000, std::nullopt},
                 {3000, 500, std::nullopt},
                 {0, 0, std::nullopt}};
    for (const auto& c : cases)
        EXPECT_EQ(EnlargedBrowserPlacement(c.w, c.h), c.place) << c.w << "x" << c.h;
    EXPECT_EQ(TwipsToPixels(15), 1);
    EXPECT_EQ(TwipsToPixels(2800), 187);
    EXPECT_EQ(TwipsToPixels(1500), 100);
}

TEST(EnlargedPreview, WindowPlacesItsBrowserOnResize) {
    TempAppFolder app(true);
    int writes = 0;
    Browser big([&] { ++writes; });
    EXPECT_EQ(writes, 1) << "the page is written when the window loads";
    big.show();
    big.resize(200, 150);
    QApplication::processEvents();
    EXPECT_EQ(big.view()->geometry(), QRect(7, 27, 187, 117));
    big.resize(10, 10); // too small: the browser stays where it was
    QApplication::processEvents();
    EXPECT_EQ(big.view()->geometry(), QRect(7, 27, 187, 117));
}

TEST(Startup, SplashStaysUntilTheMainWindowHasLoadedItsStartPage) {
    TempAppFolder app(true);
    FakeDialogs dialogs;
    Startup startup;
    startup.start();
    QPointer<frmSplash> splash = startup.splash();
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->isVisible());
    EXPECT_EQ(splash->size(), QSize(395, 239));
    EXPECT_EQ(splash->timer()->interval(), 10);
    ASSERT_TRUE(waitUntil([&] { return startup.mainWindow() != nullptr; }));
    General* w = startup.mainWindow();
    EXPECT_FALSE(w->isVisible() && w->browserBusy()) << "never shown while the browser is busy";
    ASSERT_TRUE(waitUntil([&] { return w->isVisible(); }));
    EXPECT_FALSE(w->browserBusy());
    EXPECT_TRUE(waitUntil([&] { return splash.isNull(); }, 2000)) << "the splash window is closed";
    EXPECT_FALSE(w->findChild<QTimer*>("Timer1")->isActive());
}

// Run a script in the page and wait for its result.
QVariant evaluate(QWebEnginePage* page, const QString& script) {
    QVariant result;
    bool done = false;
    page->runJavaScript(script, [&](const QVariant& v) {
        result = v;
        done = true;
    });
    waitUntil([&] { return done; }, 20000);
    return result;
}

TEST(PreviewInBrowser, ThePreviewPageRunsWriteWisplet) {
    MainWindowFixture f;
    General& w = f.open();
    f.box("WispletWidth")->setText("120");
    f.find<QPlainTextEdit>("ContentTextHtml")->setPlainText("<b id=probe>it's here</b>");
    bool loaded = false;
    QObject::connect(w.browser(), &QWebEngineView::loadFinished, [&](bool ok) { loaded = ok; });
    f.click("Refresh");
    ASSERT_TRUE(waitUntil([&] { return loaded; })) << "the reloaded preview did not load";
    EXPECT_TRUE(w.browser()->url().toLocalFile().endsWith("samples/preview.html"));
    EXPECT_EQ(evaluate(w.browser()->page(), "typeof WriteWisplet").toString(), QStringLiteral("function"));
    EXPECT_EQ(evaluate(w.browser()->page(), "WriteWisplet.test.boxes().length").toInt(), 1);
    EXPECT_EQ(evaluate(w.browser()->page(), "document.getElementById('probe').textContent").toString(),
              QStringLiteral("it's here"));
}

} // namespace
