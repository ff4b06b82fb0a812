// The main window driven through its real controls: start values, layout,
// key filter, preview refresh rules and the colour pickers.
#include "platform/ColorText.h"
#include "designer/EnlargedPreview.h"
#include "designer/PreviewPage.h"
#include "tests/designer/main_window_fixture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QMenuBar>
#include <QWebEngineView>

namespace {

TEST(ColorText, ComponentsAndHtmlText) {
    struct Case {
        int r, g, b;
        const char* html;
    } cases[] = {{255, 0, 0, "#FF0000"}, {10, 11, 12, "#0A0B0C"}, {0, 0, 0, "#000000"},
                 {255, 255, 255, "#FFFFFF"}, {0, 128, 255, "#0080FF"}, {1, 2, 3, "#010203"}};
    for (const Case& c : cases) {
        const ColorValue v = Color::rgb(c.r, c.g, c.b);
        EXPECT_EQ(ColorComponent(v, 1), c.r);
        EXPECT_EQ(ColorComponent(v, 3), c.g);
        EXPECT_EQ(ColorComponent(v, 2), c.b);
        EXPECT_EQ(ColorToHtml(v), QString::fromLatin1(c.html));
    }
    EXPECT_EQ(ColorComponent(0x12345678u, 2), 0x34); // bits above 24 ignored
    EXPECT_EQ(ColorComponent(0x123456u, 4), 0);
}

TEST(NumericKeyFilter, PassesDigitsBackspaceAndKeysWithoutCharacter) {
    for (const char* ok : {"0", "5", "9", "\b", "", "\x03", "\x16"})
        EXPECT_TRUE(NumericKeyFilter::passes(QString::fromLatin1(ok))) << ok;
    for (const char* refused : {"a", "Z", "-", ".", " ", "+", "e", "/", ":"})
        EXPECT_FALSE(NumericKeyFilter::passes(QString::fromLatin1(refused))) << refused;
}

TEST(MainWindow, FreshStartClearsStalePicturesAndShowsDefaults) {
    MainWindowFixture f;
    f.app.write("samples/Wisplet_Files/MyBackground.jpg", "x");
    f.app.write("samples/Wisplet_Files/MyImage1.gif", "x");
    f.app.write("samples/Wisplet_Files/MyImage2.jpg", "x");
    f.app.write("samples/Wisplet_Files/notes.txt", "x");
    General& w = f.open();

    EXPECT_FALSE(f.app.exists("samples/Wisplet_Files/MyBackground.jpg"));
    EXPECT_FALSE(f.app.exists("samples/Wisplet_Files/MyImage1.gif"));
    EXPECT_FALSE(f.app.exists("samples/Wisplet_Files/MyImage2.jpg"));
    EXPECT_TRUE(f.app.exists("samples/Wisplet_Files/notes.txt"));
    EXPECT_TRUE(f.app.exists("samples/Wisplet_Files/wisplet.js"));
    EXPECT_EQ(QString::fromLatin1(f.previewFile()), StartPageText());

    EXPECT_EQ(w.settings(), WispletSettings());
    EXPECT_FALSE(f.find<QCheckBox>("AutoPreviewBox")->isChecked());
    EXPECT_FALSE(w.autoPreview());
    const struct {
        const char* name;
        int count;
        const char* first;
    } lists[] = {{"WispletAlign", 4, "Default"},
                 {"WispletBorderStyle", 5, "none"},
                 {"WispletEntrance", 3, "Slide From Left-Top"},
                 {"ContentEntrance", 62, "Doors Opening - Vertical"},
                 {"BackCat", 5, "Choose Category"}};
    for (const auto& l : lists) {
        EXPECT_EQ(f.list(l.name)->count(), l.count) << l.name;
        EXPECT_EQ(f.list(l.name)->currentIndex(), 0) << l.name;
        EXPECT_EQ(f.list(l.name)->currentText(), QString::fromLatin1(l.first)) << l.name;
        EXPECT_FALSE(f.list(l.name)->isEditable()) << l.name;
    }
    EXPECT_EQ(f.list("WispletBackImage")->count(), 0);
    EXPECT_EQ(f.list("WispletBackImage")->placeholderText(), QStringLiteral("None"));
}

TEST(MainWindow, LayoutTitleMenusAndControlNames) {
    MainWindowFixture f;
    General& w = f.open();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Wisplet Dorizized"));
    EXPECT_EQ(w.centralWidget()->size(), QSize(646, 460));
    EXPECT_EQ(w.minimumSize(), w.maximumSize()) << "fixed size";

    const struct {
        const char* caption;
        QRect place;
    } frames[] = {{"Size", {8, 0, 121, 73}},          {"Position", {136, 0, 193, 73}},
                  {"Border", {336, 0, 217, 73}},      {"BgColor", {560, 0, 81, 73}},
                  {"Background", {8, 72, 249, 97}},   {"Content Html", {8, 168, 249, 153}},
                  {"Wisplet Entrance", {8, 320, 249, 57}}, {"Content Entrance", {8, 376, 249, 81}},
                  {"Wisplet Preview", {264, 72, 377, 385}}};
    const QList<QGroupBox*> groups = w.centralWidget()->findChildren<QGroupBox*>();
    ASSERT_EQ(groups.size(), 9);
    for (const auto& fr : frames) {
        auto it = std::find_if(groups.begin(), groups.end(),
                               [&](QGroupBox* g) { return g->title() == QLatin1String(fr.caption); });
        ASSERT_NE(it, groups.end()) << fr.caption;
        EXPECT_EQ((*it)->geometry(), fr.place) << fr.caption;
        EXPECT_TRUE((*it)->font().bold()) << fr.caption;
    }
    EXPECT_EQ(f.find<QWebEngineView>("WebBrowser1")->geometry(), QRect(8, 16, 361, 329));
    EXPECT_FALSE(f.box("WispletWidth")->font().bold());

    for (const char* name : {"ShowColor", "ShowColor2", "ImportBack", "ViewAllBack", "Command1", "Refresh1",
                             "AdvencedEditorB", "Refresh", "EnlargePreview"})
        EXPECT_NE(f.find<QPushButton>(name), nullptr);
    EXPECT_NE(f.find<QPlainTextEdit>("ContentTextHtml"), nullptr);
    EXPECT_EQ(w.findChild<QTimer*>(QStringLiteral("Timer1"))->interval(), 5);

    const struct {
        const char* name;
        const char* caption;
    } actions[] = {{"menuExit", "Exit"},
                   {"importMenu", "Import Background Image"},
                   {"viewBack", "View Backgounds Folder"},
                   {"htmleditor", "HTML Advenced Editor"},
                   {"previewMenu", "Enlarge Preview"},
                   {"shape", "Custom Shapes Editor"},
                   {"ps", "Predefined Shapes"},
                   {"cs", "Customized Shapes "},
                   {"menuExport", "Generate Wisplet"},
                   {"HelpIndex", "Index"},
                   {"s", "Samples"},
                   {"s1", "Sample1 - Slide From Left"},
                   {"s2", "Sample2 - Slide From Right"},
                   {"s3", "Sample3 - Slide From Top"},
                   {"s4", "Sample4 - Slide From Middle"},
                   {"s5", "Sample 5 - Check All Effects"},
                   {"MenuAbout", "About"}};
    for (const auto& a : actions)
        EXPECT_EQ(f.find<QAction>(a.name)->text(), QString::fromLatin1(a.caption)) << a.name;
    QStringList bar;
    for (QAction* a : w.menuBar()->actions())
        bar << a->text();
    EXPECT_EQ(bar, (QStringList{"File", "Edit", "Tools", "Generate Wisplet", "Help"}));
    QStringList file;
    for (QAction* a : f.find<QMenu>("menuFile")->actions())
        file << (a->isSeparator() ? QStringLiteral("-") : a->text() + QLatin1Char(' ') + a->shortcut().toString());
    EXPECT_EQ(file, (QStringList{"New Ctrl+N", "Open... Ctrl+O", "Open Recent ", "Save Ctrl+S", "Save As... Ctrl+Shift+S",
                                 "-", "Exit Ctrl+Q"}));
    EXPECT_EQ(f.find<QAction>("menuExport")->menu(), nullptr);
}

TEST(MainWindow, NumericBoxesRefuseOtherKeysAndKeepTheirLengthLimits) {
    MainWindowFixture f;
    f.open();
    const struct {
        const char* box;
        const char* typed;
        const char* expected;
    } cases[] = {
        {"WispletWidth", "1a-2. 3", "123"}, {"WispletWidth", "1234", "123"},   {"WispletHeight", "05x", "05"},
        {"WispletPadIn", "12", "1"},        {"WispletPadOut", "x7y8", "7"},    {"WispletWaiting", " 9", "9"},
        {"WispletBorderWidth", "12345", "12345"}, {"ContentEntranceDur", "987654", "987654"},
        {"WispletHeight", "+-e", ""},
    };
    for (const auto& c : cases) {
        QLineEdit* box = f.box(c.box);
        MainWindowFixture::type(box, QString::fromLatin1(c.typed));
        EXPECT_EQ(box->text(), QString::fromLatin1(c.expected)) << c.box << " typed " << c.typed;
    }
    QLineEdit* width = f.box("WispletWidth");
    MainWindowFixture::type(width, "150");
    QTest::keyClick(width, Qt::Key_Backspace);
    EXPECT_EQ(width->text(), QStringLiteral("15"));
    // Pasting letters is refused as typing them is.
    width->selectAll();
    width->insert(QStringLiteral("ab"));
    EXPECT_EQ(width->text(), QStringLiteral("15"));
}

TEST(MainWindow, SpinnersStepWithinTheirRanges) {
    MainWindowFixture f;
    f.open();
    for (const NumericField& nf : numericFields()) {
        UpDown* spin = f.spin(nf.spinner);
        ASSERT_EQ(spin->buddy(), f.box(nf.box));
        EXPECT_EQ(spin->minimum(), nf.spinMin);
        EXPECT_EQ(spin->maximum(), nf.spinMax);
        spin->buddy()->setText(QString::number(nf.spinMax));
        QTest::mouseClick(spin->upButton(), Qt::LeftButton);
        EXPECT_EQ(spin->buddy()->text(), QString::number(nf.spinMax)) << nf.spinner;
        QTest::mouseClick(spin->downButton(), Qt::LeftButton);
        EXPECT_EQ(spin->buddy()->text(), QString::number(nf.spinMax - 1)) << nf.spinner;
        spin->buddy()->setText(QStringLiteral("0"));
        QTest::mouseClick(spin->downButton(), Qt::LeftButton);
        EXPECT_EQ(spin->buddy()->text(), QStringLiteral("0")) << nf.spinner;
    }
    // A typed number beyond the spinner's range comes back into it.
    f.box("WispletBorderWidth")->setText(QStringLiteral("99"));
    f.spin("BorderWidthControl")->stepUp();
    EXPECT_EQ(f.box("WispletBorderWidth")->text(), QStringLiteral("10"));
    // The Up key in the box steps its spinner.
    f.box("WispletWaiting")->setText(QStringLiteral("2"));
    MainWindowFixture::focus(f.box("WispletWaiting"));
    QTest::keyClick(f.box("WispletWaiting"), Qt::Key_Up);
    EXPECT_EQ(f.box("WispletWaiting")->text(), QStringLiteral("3"));
}

TEST(MainWindow, AutoPreviewOffLeavesThePreviewAloneUntilRefresh) {
    for (const char* refresh : {"Refresh", "Refresh1"}) {
        MainWindowFixture f;
        General& w = f.open();
        const QByteArray start = f.previewFile();
        const int reloads = w.reloadCount();
        MainWindowFixture::type(f.box("WispletWidth"), "150");
        f.spin("HeightControl")->stepUp();
        f.list("WispletBorderStyle")->setCurrentIndex(1);
        f.leave();
        EXPECT_EQ(f.previewFile(), start) << refresh;
        EXPECT_EQ(w.reloadCount(), reloads) << refresh;

        f.click(refresh);
        EXPECT_TRUE(f.previewFile().contains("WriteWisplet(2,150,101,")) << refresh;
        EXPECT_TRUE(f.previewFile().contains("'solid'")) << refresh;
        EXPECT_EQ(w.reloadCount(), reloads + 1) << refresh;
    }
}

TEST(MainWindow, SpinnerStepRewritesPreviewUnderAutoPreviewAndAlwaysRefitsTheBackground) {
    MainWindowFixture f;
    General& w = f.open();
    f.box("WispletPadIn")->setText("2");
    f.box("WispletPadOut")->setText("3");
    f.box("WispletBorderWidth")->setText("1");

    // Flag off: the background follows, the preview does not.
    const QByteArray start = f.previewFile();
    QTest::mouseClick(f.spin("WidthControl")->upButton(), Qt::LeftButton);
    EXPECT_EQ(f.previewFile(), start);
    EXPECT_EQ(QImage(f.backgroundFile()).size(), QSize(113, 112));

    QTest::mouseClick(f.find<QCheckBox>("AutoPreviewBox"), Qt::LeftButton);
    ASSERT_TRUE(w.autoPreview());
    const int reloads = w.reloadCount();
    QTest::mouseClick(f.spin("WidthControl")->upButton(), Qt::LeftButton);
    EXPECT_TRUE(f.previewFile().contains("WriteWisplet(2,102,100,")) << f.previewFile().constData();
    EXPECT_EQ(w.reloadCount(), reloads + 1);
    EXPECT_EQ(QImage(f.backgroundFile()).size(), QSize(114, 112));

    // Typing a size refits only when the box is left.
    MainWindowFixture::type(f.box("WispletWidth"), "150");
    EXPECT_EQ(QImage(f.backgroundFile()).size(), QSize(114, 112));
    f.leave();
    EXPECT_EQ(QImage(f.backgroundFile()).size(), QSize(162, 112));

    QTest::mouseClick(f.find<QCheckBox>("AutoPreviewBox"), Qt::LeftButton);
    EXPECT_FALSE(w.autoPreview());
}

TEST(MainWindow, ListsRefreshOnLeavingUnderAutoPreviewIncludingTheEnlargedPreview) {
    MainWindowFixture f;
    General& w = f.open();
    QTest::mouseClick(f.find<QCheckBox>("AutoPreviewBox"), Qt::LeftButton);
    f.click("EnlargePreview");
    ASSERT_NE(w.enlargedPreview(), nullptr);
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));

    QComboBox* style = f.list("WispletBorderStyle");
    MainWindowFixture::focus(style);
    QTest::keyClick(style, Qt::Key_Down);
    ASSERT_EQ(style->currentIndex(), 1);
    EXPECT_FALSE(f.previewFile().contains("'solid'")) << "not before the list is left";
    const int reloads = w.reloadCount();
    const int bigReloads = w.enlargedPreview()->reloadCount();
    f.leave();
    EXPECT_TRUE(f.previewFile().contains("'solid'"));
    EXPECT_EQ(w.reloadCount(), reloads + 1);
    EXPECT_EQ(w.enlargedPreview()->reloadCount(), bigReloads + 1);
}

TEST(MainWindow, AdvancedEditorWritesThePreviewFirstAndOpensModally) {
    for (bool fromMenu : {false, true}) {
        MainWindowFixture f;
        General& w = f.open();
        f.find<QPlainTextEdit>("ContentTextHtml")->setPlainText("it's\r\nhere");
        if (fromMenu)
            f.trigger("htmleditor");
        else
            f.click("AdvencedEditorB");
        EXPECT_TRUE(f.previewFile().contains("<font face=arial>it\\'shere</font>")) << fromMenu;
        auto* editor = w.findChild<QWidget*>(QStringLiteral("AdvencedEditor"));
        ASSERT_NE(editor, nullptr);
        EXPECT_TRUE(editor->isVisible());
        EXPECT_TRUE(editor->isModal());
        editor->close();
    }
}

TEST(MainWindow, ColourPickersSetTextAndColourOrKeepBothOnCancel) {
    const struct {
        const char* button;
        const char* box;
    } pickers[] = {{"ShowColor", "WispletBorderColor"}, {"ShowColor2", "WispletBgColor"}};
    for (const auto& p : pickers) {
        MainWindowFixture f;
        General& w = f.open();
        QLineEdit* box = f.box(p.box);
        const QColor before = box->palette().color(QPalette::Base);

        f.dialogs.colorAnswers.push_back(std::nullopt); // cancel
        f.click(p.button);
        EXPECT_EQ(box->text(), QStringLiteral("#FFFFFF"));
        EXPECT_EQ(box->palette().color(QPalette::Base), before);

        f.dialogs.colorAnswers.push_back(Color::rgb(255, 0, 0));
        f.click(p.button);
        EXPECT_EQ(box->text(), QStringLiteral("#FF0000"));
        EXPECT_EQ(box->palette().color(QPalette::Base), QColor(255, 0, 0));

        QTest::mouseClick(f.find<QCheckBox>("AutoPreviewBox"), Qt::LeftButton);
        f.dialogs.colorAnswers.push_back(Color::rgb(10, 11, 12));
        f.click(p.button);
        EXPECT_EQ(box->text(), QStringLiteral("#0A0B0C"));
        EXPECT_EQ(box->palette().color(QPalette::Base), QColor(10, 11, 12));
        EXPECT_TRUE(f.previewFile().contains("'#0A0B0C'")) << "the text change refreshed the preview";

        f.dialogs.colorAnswers.push_back(std::nullopt);
        f.click(p.button);
        EXPECT_EQ(box->text(), QStringLiteral("#0A0B0C"));
        EXPECT_EQ(box->palette().color(QPalette::Base), QColor(10, 11, 12));
        EXPECT_EQ(w.getColor(QStringLiteral("#123456")), QStringLiteral("#123456")) << "empty queue cancels";
    }
}

} // namespace
