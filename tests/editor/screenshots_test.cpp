// A screenshot of the content editor for the user guide. Runs only when
// WISPLET_SCREENSHOTS names an output folder and DISPLAY is an X server
// (e.g. Xvfb with QT_QPA_PLATFORM=xcb); skipped otherwise.
//
// File written: content-editor.png.
#include "tests/designer/main_window_fixture.h"

#include "editor/AdvencedEditor.h"

#include <QProcess>

namespace {
bool grab(QWidget* window, const QString& file) {
    window->raise();
    QTest::qWait(800);
    const QRect area = window->frameGeometry();
    const QString crop =
        QStringLiteral("%1x%2+%3+%4").arg(area.width()).arg(area.height()).arg(area.x()).arg(area.y());
    return QProcess::execute(QStringLiteral("import"),
                             {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("-crop"), crop,
                              QStringLiteral("+repage"), file}) == 0;
}
} // namespace

TEST(Screenshots, ContentEditor) {
    const QString out = qEnvironmentVariable("WISPLET_SCREENSHOTS");
    if (out.isEmpty() || QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "set WISPLET_SCREENSHOTS and run on an X display";
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
    EXPECT_TRUE(grab(editor, out + "/content-editor.png"));
    f.dialogs.messageAnswers = {MsgAnswer::Cancel};
    editor->close();
}
