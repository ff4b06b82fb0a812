// The live preview in the main window: changes shown in place at the moment
// the timeline stands on, phases replayed, Auto Preview off and Refresh, the
// timeline's keys, the resizable window and the enlarged preview.
#include "designer/EnlargedPreview.h"
#include "designer/MainWindowHosts.h"
#include "designer/PreviewController.h"
#include "designer/PreviewTimeline.h"
#include "main_window_fixture.h"
#include "tests/support/PageScript.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {
// Runs a script in the view's page and waits for its value.
QVariant js(QWebEngineView* view, const QString& script) { return runPageScript(view, script); }

const char* const BoxState =
    "(function(){var b=WriteWisplet.test.boxes()[0],c=b.querySelector('.wisplet-content'),f=b.querySelector('.wisplet-frame');"
    "return [getComputedStyle(f).borderTopColor,getComputedStyle(f).borderTopStyle,c.innerHTML,"
    "String(window.__mark),WriteWisplet.timeline(0).time.toFixed(2)].join('|');})()";

struct LivePreview : MainWindowFixture {
    General& w;
    LivePreview() : w(open()) {}

    QWebEngineView* view() const { return w.browser(); }
    QString state() const { return js(view(), QString::fromLatin1(BoxState)).toString(); }
    bool boxShown() const { return js(view(), QStringLiteral("!!(window.WriteWisplet&&WriteWisplet.count&&WriteWisplet.count())")).toBool(); }

    // After a reload: the new page (without the mark) shows its box.
    bool reloaded() const {
        return !w.browserBusy() && js(view(), QStringLiteral("window.__mark===undefined&&!!(window.WriteWisplet&&"
                                                            "WriteWisplet.count&&WriteWisplet.count())")).toBool();
    }
    // Auto Preview on (or off), the preview page loaded, the box held at `seconds`, the page marked.
    void ready(bool autoPreview, double seconds) {
        if (autoPreview)
            QTest::mouseClick(find<QCheckBox>("AutoPreviewBox"), Qt::LeftButton);
        click("Refresh");
        ASSERT_TRUE(waitUntil([&] { return !w.browserBusy() && boxShown(); }));
        w.livePreview()->seek(seconds);
        js(view(), QStringLiteral("window.__mark='kept'"));
        ASSERT_TRUE(waitUntil([&] { return state().endsWith(QString::number(seconds, 'f', 2)); }));
    }
};
} // namespace

TEST(LivePreview, ChangesShowInPlaceAtTheMomentTheTimelineStandsOn) {
    const struct {
        const char* what;
        std::function<void(LivePreview&)> change;
        const char* shows; // a part of the box state once applied
        double from, to;   // where the timeline stands afterwards: held at 3.5, or replaying a phase from its start
    } cases[] = {
        {"border colour", [](LivePreview& f) { f.dialogs.colorAnswers.push_back(ColorValue(0x0000FF)); f.click("ShowColor"); },
         "rgb(255, 0, 0)|", 3.5, 3.5},
        {"list choice", [](LivePreview& f) { f.list("WispletBorderStyle")->setCurrentIndex(2); }, "|dashed|", 3.5, 3.5},
        {"typed content",
         [](LivePreview& f) {
             MainWindowFixture::focus(f.find<QPlainTextEdit>("ContentTextHtml"));
             QTest::keyClicks(f.find<QPlainTextEdit>("ContentTextHtml"), "it's <b>A\\B</b>");
         },
         "it's <b>A/B</b>", 3.5, 3.5},
        {"editor's save", [](LivePreview& f) { GeneralEditorHost(f.w).setContentHtml("<i>saved</i>"); }, "<i>saved</i>", 3.5,
         3.5},
        {"content entrance replays the reveal", [](LivePreview& f) { f.list("ContentEntrance")->setCurrentIndex(5); },
         "|kept|", 3.2, 3.45},
    };
    for (const auto& c : cases) {
        LivePreview f;
        f.box("WispletBorderWidth")->setText("2");
        f.list("WispletBorderStyle")->setCurrentIndex(1);
        f.ready(true, 3.5);
        const int reloads = f.w.reloadCount();
        const QByteArray file = f.previewFile();
        c.change(f);
        auto shown = [&] {
            const QString state = f.state();
            const double t = state.section(QLatin1Char('|'), 4).toDouble();
            return state.contains(QString::fromLatin1(c.shows)) && t >= c.from - 1e-9 && t <= c.to + 1e-9;
        };
        EXPECT_TRUE(waitUntil(shown, 5000)) << c.what << ": " << f.state().toStdString();
        EXPECT_TRUE(f.state().contains(QStringLiteral("|kept|"))) << c.what << ": the page was reloaded";
        EXPECT_EQ(f.w.reloadCount(), reloads) << c.what;
        EXPECT_NE(f.previewFile(), file) << c.what << ": the page file is written for each change";
    }
}

TEST(LivePreview, TypedContentEqualsTheReloadedPageAndArrivesAtMostEvery150Ms) {
    LivePreview f;
    f.ready(true, 4.0);
    const int sent = f.w.livePreview()->updatesSent();
    auto* content = f.find<QPlainTextEdit>("ContentTextHtml");
    MainWindowFixture::focus(content);
    QTest::keyClicks(content, "</script> 'q' \\ <u>x</u>");
    content->insertPlainText(QString::fromUtf8(" caf\xc3\xa9")); // as an input method would
    EXPECT_LE(f.w.livePreview()->updatesSent() - sent, 1) << "typing is applied at most once per 150 ms";
    QTest::qWait(400);
    const QString updated = f.state().section(QLatin1Char('|'), 2, 2);
    EXPECT_TRUE(f.previewFile().contains("caf&#233;")) << "the page file is written too";
    f.click("Refresh");
    ASSERT_TRUE(waitUntil([&] { return f.reloaded(); }));
    EXPECT_EQ(f.state().section(QLatin1Char('|'), 2, 2), updated);
    EXPECT_FALSE(f.state().contains(QStringLiteral("|kept|"))) << "Refresh reloads";
}

TEST(LivePreview, LargeContentReloadsTheWrittenPageAtTheMomentItStoodOn) {
    LivePreview f;
    GeneralEditorHost(f.w).setContentHtml(QString(PreviewController::LargeContent + 1, u'a'));
    f.list("WispletBorderStyle")->setCurrentIndex(1);
    f.ready(true, 3.5);
    const int reloads = f.w.reloadCount();
    MainWindowFixture::type(f.box("WispletBorderWidth"), "7");
    const QString probe = QStringLiteral(
        "(function(){var t=WriteWisplet.timeline(0),f=WriteWisplet.test.boxes()[0].querySelector('.wisplet-frame');"
        "return [String(window.__mark),getComputedStyle(f).borderTopWidth,t.time.toFixed(2),t.playing].join('|');})()");
    const QString expected = QStringLiteral("undefined|7px|3.50|false"); // a new page, held where the old one stood
    EXPECT_TRUE(waitUntil([&] { return f.reloaded() && js(f.view(), probe).toString() == expected; }, 20000))
        << js(f.view(), probe).toString().toStdString();
    EXPECT_EQ(f.w.reloadCount(), reloads + 1);
    EXPECT_TRUE(f.previewFile().contains(",7,'")) << "the page file is written";
}

TEST(LivePreview, AutoPreviewOffShowsNothingUntilRefreshWhichReplays) {
    LivePreview f;
    f.ready(false, 4.0);
    const QByteArray file = f.previewFile();
    const QString before = f.state();
    f.list("WispletBorderStyle")->setCurrentIndex(3);
    MainWindowFixture::type(f.box("WispletWidth"), "150");
    QTest::qWait(300);
    EXPECT_EQ(f.state(), before);
    EXPECT_EQ(f.previewFile(), file);
    const int reloads = f.w.reloadCount();
    f.click("Refresh1");
    EXPECT_EQ(f.w.reloadCount(), reloads + 1);
    ASSERT_TRUE(waitUntil([&] { return f.reloaded(); }));
    EXPECT_TRUE(f.state().contains(QStringLiteral("|dotted|"))) << f.state().toStdString();
    EXPECT_LT(f.state().section(QLatin1Char('|'), 4).toDouble(), 2.0) << "the animation starts over";
}

TEST(LivePreview, TimelineKeysPlayPauseAndSeek) {
    LivePreview f;
    f.ready(true, 1.0);
    auto* timeline = f.find<PreviewTimeline>("PreviewTimeline");
    PreviewController& live = *f.w.livePreview();
    MainWindowFixture::focus(timeline->scrubber());
    const struct {
        Qt::Key key;
        double time;
        bool playing;
    } keys[] = {{Qt::Key_End, 4.2, false}, {Qt::Key_Left, 4.1, false}, {Qt::Key_Home, 0, false},
                {Qt::Key_Right, 0.1, false}, {Qt::Key_Space, -1, true}, {Qt::Key_Space, -1, false}};
    for (const auto& k : keys) {
        QTest::keyClick(timeline->scrubber(), k.key);
        EXPECT_EQ(live.times().playing, k.playing) << k.key;
        if (k.time >= 0) {
            EXPECT_NEAR(live.times().time, k.time, 1e-6) << k.key;
            EXPECT_TRUE(waitUntil([&] { return f.state().endsWith(QString::number(k.time, 'f', 2)); }, 5000)) << k.key;
        }
    }
    EXPECT_EQ(timeline->scrubber()->maximum(), 4200);
    EXPECT_EQ(f.find<QPushButton>("PreviewPlay")->text(), QStringLiteral("Play"));
    f.click("PreviewShowEnd");
    EXPECT_EQ(timeline->scrubber()->value(), 4200);
    EXPECT_EQ(f.find<QLabel>("PreviewTime")->text(), QStringLiteral("4.2 s"));
}

TEST(LivePreview, TheWindowGrowsAndThePreviewTakesTheRoom) {
    LivePreview f;
    const QRect size = f.w.findChild<QGroupBox*>()->geometry();
    const QSize view = f.view()->size();
    f.w.resize(f.w.size() + QSize(200, 150));
    QApplication::processEvents();
    EXPECT_EQ(f.view()->size(), view + QSize(200, 150));
    EXPECT_EQ(f.w.findChild<QGroupBox*>()->geometry(), size);
    const QWidget* timeline = f.find<QWidget>("PreviewTimeline");
    EXPECT_EQ(timeline->y(), f.view()->geometry().bottom() + 3);
    EXPECT_LT(timeline->geometry().bottom(), f.find<QWidget>("Refresh")->y());
}

TEST(LivePreview, EnlargedPreviewStandsOnASamplePageFollowsTheTimelineAndEscapeCloses) {
    LivePreview f;
    f.ready(true, 2.5);
    f.click("EnlargePreview");
    Browser* big = f.w.enlargedPreview();
    ASSERT_NE(big, nullptr);
    ASSERT_TRUE(waitUntil([&] {
        return js(big->view(), QStringLiteral("!!document.getElementById('wisplet-sample-page')&&"
                                              "WriteWisplet.timeline(0).time.toFixed(2)==='2.50'"))
            .toBool();
    }));
    ASSERT_NE(big->findChild<PreviewTimeline*>(), nullptr);
    f.list("WispletBorderStyle")->setCurrentIndex(4);
    EXPECT_TRUE(waitUntil([&] {
        return js(big->view(), QStringLiteral("getComputedStyle(document.querySelector('.wisplet-frame')).borderTopStyle"))
                   .toString() == QLatin1String("double");
    }));
    QApplication::setActiveWindow(big);
    (void)QTest::qWaitForWindowActive(big);
    QTest::keyClick(big, Qt::Key_Escape);
    EXPECT_TRUE(waitUntil([&] { return f.w.enlargedPreview() == nullptr; }, 3000));
}
