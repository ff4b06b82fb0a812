// The box's behaviour options: how they reach the WriteWisplet call, the
// preview and the declarative embed, the Export window's fourth frame and the
// Box Behaviour window.
#include "designer/BoxBehaviour.h"
#include "designer/BoxBehaviourWindow.h"
#include "designer/DesignDocument.h"
#include "designer/ExportCode.h"
#include "designer/ExportWindow.h"
#include "designer/PreviewPage.h"
#include "tests/designer/main_window_fixture.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFile>
#include <QGroupBox>
#include <QSpinBox>

namespace {

const QString App = QStringLiteral("/opt/wd");

BoxBehaviour with(const std::function<void(BoxBehaviour&)>& change) {
    BoxBehaviour b;
    change(b);
    return b;
}

TEST(BoxBehaviour, OnlyOptionsThatAreSetAreWritten) {
    using Once = BoxBehaviour::ShowOnce;
    const struct {
        BoxBehaviour behaviour;
        const char* object;
        const char* attributes;
    } cases[] = {
        {BoxBehaviour(), "", ""},
        {with([](auto& b) { b.days = 30; }), "", ""}, // days without "every N days" mean nothing
        {with([](auto& b) { b.name = "  "; }), "", ""},
        {with([](auto& b) { b.closeButton = b.escapeCloses = b.pauseOnHover = true; }),
         R"({"closeButton":true,"escapeCloses":true,"pauseOnHover":true})", " close-button escape-closes pause-on-hover"},
        {with([](auto& b) { b.showOnce = Once::PerVisitor; }), R"({"showOnce":"visitor"})", R"( show-once="visitor")"},
        {with([](auto& b) { b.showOnce = Once::PerSession; b.delay = 5; }), R"({"showOnce":"session","delay":5})",
         R"( show-once="session" delay="5")"},
        {with([](auto& b) { b.showOnce = Once::EveryNDays; b.days = 30; }), R"({"showOnce":30})", R"( show-once="30")"},
        // a name that could end the script or the attribute stays inside it
        {with([](auto& b) { b.name = QString::fromUtf8("Sale \"now\" </script> & it's \xc3\xa9"); }),
         R"({"name":"Sale \"now\" \u003c/script\u003e \u0026 it\u0027s \u00e9"})",
         R"( name="Sale &quot;now&quot; &lt;/script&gt; &amp; it's &#233;")"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BehaviourOptionsObject(c.behaviour), QString::fromLatin1(c.object)) << c.object;
        EXPECT_EQ(BehaviourAttributes(c.behaviour), QString::fromLatin1(c.attributes)) << c.attributes;
    }
}

TEST(BoxBehaviour, CallGetsASixteenthArgumentAndThePreviewLeavesShowOnceOut) {
    WispletSettings s;
    s.behaviour.closeButton = true;
    s.behaviour.showOnce = BoxBehaviour::ShowOnce::PerVisitor;
    const QString tail = QStringLiteral("'none',0,'#FFFFFF',{\"closeButton\":true,\"showOnce\":\"visitor\"})");
    EXPECT_TRUE(ExportBodyCode(s, App).contains(tail));
    EXPECT_TRUE(PreviewPageText(s, App).contains(
        QStringLiteral("'none',0,'#FFFFFF',{\"closeButton\":true})</script>")));
    s.behaviour.closeButton = false;
    EXPECT_TRUE(PreviewPageText(s, App).contains(QStringLiteral("'none',0,'#FFFFFF')</script>")));
}

TEST(DesignDocument, BehaviourIsKeptUnderItsOwnKeyOnlyWhenSet) {
    DesignDocument d;
    EXPECT_FALSE(DesignToJson(d).contains("behaviour"));
    d.settings.behaviour.name = QString::fromUtf8("Sale </script> \xc3\xa9");
    d.settings.behaviour.closeButton = true;
    d.settings.behaviour.showOnce = BoxBehaviour::ShowOnce::EveryNDays;
    d.settings.behaviour.days = 30;
    d.settings.behaviour.delay = 4;
    const QByteArray json = DesignToJson(d);
    EXPECT_TRUE(json.contains("\"behaviour\": {\"name\":")) << json.toStdString();
    const DesignRead back = DesignFromJson(json);
    ASSERT_TRUE(back.design) << back.error.toStdString();
    EXPECT_EQ(back.design->settings.behaviour, d.settings.behaviour);

    const struct {
        const char* behaviour;
        const char* error;
    } bad[] = {
        {R"("yes")", "the field \"behaviour\" must be an object, not a text"},
        {R"({"closeButton":1})", "the field \"behaviour.closeButton\" must be true or false"},
        {R"({"showOnce":"always"})", "the field \"behaviour.showOnce\" must be \"visitor\", \"session\" or a number of days from 1 to 3650"},
        {R"({"showOnce":0})", "the field \"behaviour.showOnce\" must be \"visitor\", \"session\" or a number of days from 1 to 3650"},
        {R"({"delay":2.5})", "the field \"behaviour.delay\" must be a whole number of seconds from 0 to 600"},
        {R"({"name":7})", "the field \"behaviour.name\" must be a text"},
    };
    for (const auto& c : bad) {
        QByteArray broken = DesignToJson(DesignDocument());
        broken.insert(broken.lastIndexOf('}'), QByteArray(",\"behaviour\": ") + c.behaviour);
        const DesignRead read = DesignFromJson(broken);
        EXPECT_FALSE(read.design) << c.behaviour;
        EXPECT_TRUE(read.error.contains(QString::fromLatin1(c.error))) << read.error.toStdString();
    }
}

TEST(ExportEmbed, ElementCarriesTheSameValuesAndTheContentInATemplate) {
    const QString defaults = ExportEmbedCode(WispletSettings(), App);
    EXPECT_EQ(defaults.split(QStringLiteral("\r\n")),
              QStringList({"<script src=\"Wisplet_Files/wisplet.js\" defer></script>",
                           "<!--------------------------- Begin Wisplet Dorizized Code ------------------------->",
                           "<wisplet-box waiting=\"2\" width=\"100\" height=\"100\" "
                           "background=\"Wisplet_Files/MyBackground.jpg\" bg-color=\"#FFFFFF\" align=\"Default\" "
                           "entrance=\"0\" content-entrance=\"0\" duration=\"1\" pad-in=\"0\" pad-out=\"0\" "
                           "border-style=\"none\" border-width=\"0\" border-color=\"#FFFFFF\">",
                           "<template><font face=arial></font></template>", "</wisplet-box>",
                           "<!--------------------------- End Wisplet Dorizized Code ------------------------->"}));

    WispletSettings s;
    s.width = "050";
    s.align = 2;
    s.contentHtml = QString::fromUtf8("it's\r\n<img src=\"/opt/wd/samples/Wisplet_Files\\MyImage2.gif\">\n\xd9\x85");
    s.behaviour.delay = 3;
    const QString code = ExportEmbedCode(s, App);
    EXPECT_TRUE(code.contains(QStringLiteral(" width=\"050\" ")));
    EXPECT_TRUE(code.contains(QStringLiteral(" align=\"Center\" ")));
    EXPECT_TRUE(code.contains(QStringLiteral(" border-color=\"#FFFFFF\" delay=\"3\">\r\n")));
    EXPECT_TRUE(code.contains(
        QStringLiteral("<template><font face=arial>it's<img src=\"Wisplet_Files/MyImage2.gif\">&#1605;</font></template>")));
}

TEST(ExportWindow, FourthFrameShowsTheEmbedAndItsCopyTakesTheHighlight) {
    TempAppFolder app{true};
    QWidget owner;
    WispletSettings s;
    s.behaviour.escapeCloses = true;
    auto* w = new Export(s, &owner);
    w->show();
    auto groups = w->findChildren<QGroupBox*>();
    ASSERT_TRUE(std::any_of(groups.begin(), groups.end(),
                            [](QGroupBox* g) { return g->title() == "Or: embed without inline script"; }));
    auto* embed = w->findChild<QPlainTextEdit*>("EmbedCode");
    auto* code = w->findChild<QPlainTextEdit*>("Code");
    ASSERT_NE(embed, nullptr);
    EXPECT_EQ(w->embedCode(), ExportEmbedCode(s, app.path()));
    EXPECT_TRUE(w->bodyCode().contains(QStringLiteral(",{\"escapeCloses\":true})")));
    const QColor highlight = QApplication::palette().color(QPalette::Highlight);

    QTest::mouseClick(w->findChild<QPushButton*>("CopyContent"), Qt::LeftButton);
    QTest::mouseClick(w->findChild<QPushButton*>("CopyEmbed"), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), w->embedCode());
    EXPECT_EQ(embed->palette().color(QPalette::Base), highlight);
    EXPECT_EQ(code->palette().color(QPalette::Base), QColor(Qt::white));
    QTest::mouseClick(w->findChild<QPushButton*>("CopyScript"), Qt::LeftButton);
    EXPECT_EQ(embed->palette().color(QPalette::Base), QColor(Qt::white));
    delete w;
}

TEST(BoxBehaviourWindow, ToolsMenuOpensItAndOkChangesTheSettingsAndThePreview) {
    MainWindowFixture f;
    General& w = f.open();
    f.find<QCheckBox>("AutoPreviewBox")->click();
    for (bool ok : {false, true}) {
        f.trigger("boxBehaviour");
        BoxBehaviourWindow* window = nullptr;
        ASSERT_TRUE(waitUntil([&] { return (window = w.findChild<BoxBehaviourWindow*>("BoxBehaviour")) && window->isVisible(); }));
        auto* days = window->findChild<QSpinBox*>("BehaviourDays");
        EXPECT_FALSE(days->isEnabled());
        window->findChild<QComboBox*>("BehaviourShowOnce")->setCurrentIndex(3);
        EXPECT_TRUE(days->isEnabled());
        days->setValue(14);
        window->findChild<QLineEdit*>("BehaviourName")->setText(" Offer ");
        window->findChild<QCheckBox*>("BehaviourCloseButton")->setChecked(true);
        EXPECT_FALSE(window->findChild<QCheckBox*>("BehaviourEscape")->isEnabled()) << "Escape comes with the button";
        window->findChild<QSpinBox*>("BehaviourDelay")->setValue(2);
        auto* buttons = window->findChild<QDialogButtonBox*>("BehaviourButtons");
        buttons->button(ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
        ASSERT_TRUE(waitUntil([&] { return !w.findChild<BoxBehaviourWindow*>("BoxBehaviour"); }));
        if (!ok)
            EXPECT_TRUE(w.settings().behaviour.isDefault());
    }
    const BoxBehaviour b = w.settings().behaviour;
    EXPECT_EQ(b.name, QStringLiteral("Offer"));
    EXPECT_TRUE(b.closeButton);
    EXPECT_EQ(b.showOnce, BoxBehaviour::ShowOnce::EveryNDays);
    EXPECT_EQ(b.days, 14);
    EXPECT_EQ(b.delay, 2);
    QFile page(f.app.file("samples/preview.html"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    EXPECT_TRUE(page.readAll().contains(",{\"name\":\"Offer\",\"closeButton\":true,\"delay\":2})</script>"));
}

} // namespace
