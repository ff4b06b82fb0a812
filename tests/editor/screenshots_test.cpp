// A screenshot of the content editor for the user guide. Runs only when
// WISPLET_SCREENSHOTS names an output folder and DISPLAY is an X server
// (e.g. Xvfb with QT_QPA_PLATFORM=xcb); skipped otherwise.
//
// File written: content-editor.png.
#include "tests/designer/main_window_fixture.h"

#include "editor/AdvencedEditor.h"
#include "tests/support/Screenshot.h"

TEST(Screenshots, ContentEditor) {
    if (!Screenshot::wanted())
        GTEST_SKIP() << "set WISPLET_SCREENSHOTS and run on an X display";
    const QString out = Screenshot::folder();
    MainWindowFixture f;
    General& w = f.open();
    f.box("WispletWidth")->setText("300");
    f.box("WispletHeight")->setText("150");
    f.box("WispletPadIn")->setText("8");
    f.box("WispletBorderWidth")->setText("2");
    f.dialogs.colorAnswers.push_back(Color::rgb(0x33, 0x66, 0x99));
    f.click("ShowColor");
    f.list("WispletBorderStyle")->setCurrentIndex(1);
    f.find<QPlainTextEdit>("ContentTextHtml")
        ->setPlainText("<b>Welcome!</b><br>Our shop is open on Sundays from 10 to 4.<br>"
                       "<i>Fresh bread every morning.</i>");
    f.list("BackCat")->setCurrentIndex(1);
    w.ReadBack(QStringLiteral("images"));
    QComboBox* pics = f.list("WispletBackImage");
    pics->setCurrentIndex(std::max(0, pics->findText(QStringLiteral("sky.jpg"))));
    w.background().SelectAndFit();
    f.click("AdvencedEditorB");
    auto* editor = w.findChild<AdvencedEditor*>(QStringLiteral("AdvencedEditor"));
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(waitUntil([&] { return editor->isLoaded(); }));
    editor->resize(720, 420);
    editor->move(20, 20);
    EXPECT_TRUE(Screenshot::grabWindow(editor, out + "/content-editor.png", 800));
    f.dialogs.messageAnswers = {MsgAnswer::Cancel};
    editor->close();
}
