// Selection, clipboard and text in the real paint window, driven by mouse
// and keys on its controls.
#include "paint_window_fixture.h"

#include "paint/PaintHistory.h"
#include "tests/platform/SurfaceTestUtil.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>

namespace {

using SelectionWindow = PaintWindowTest;

void fillBlock(Surface& s, QRect r, ColorValue c) {
    const int mode = s.drawMode;
    s.drawMode = Surface::DrawCopy;
    s.filledBox(r.left(), r.top(), r.right(), r.bottom(), c);
    s.drawMode = mode;
    s.refresh();
}

TEST_F(SelectionWindow, SelectMoveWithCtrlSaveWhileFloatingThenUndo) {
    open();
    fillBlock(w->canvas(), QRect(20, 20, 40, 30), Color::rgb(255, 0, 0));
    w->SetImageBuffer();
    const int stepsBefore = w->history().current();
    chooseTool(Tool::SelectArea);
    drag({{19, 19}, {40, 40}, {60, 50}}); // inside (20, 20) 40 x 30
    SurfaceCanvas* pic = child<SurfaceCanvas>(QStringLiteral("picSelect"));
    ASSERT_TRUE(pic->isVisible());
    EXPECT_EQ(pic->geometry(), QRect(20, 20, 40, 30));
    EXPECT_TRUE(action("mnuCrop")->isEnabled());
    EXPECT_EQ(panel(1), QStringLiteral("Press and hold down CTRL before moving the selection to copy it"));

    send(pic, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton, Qt::ControlModifier);
    send(pic, QEvent::MouseMove, {105, 55}, Qt::NoButton, Qt::LeftButton, Qt::ControlModifier);
    send(pic, QEvent::MouseButtonRelease, pic->mapFromParent(QPoint(125, 75)), Qt::LeftButton, Qt::NoButton,
         Qt::ControlModifier);
    EXPECT_EQ(pic->pos(), QPoint(120, 70));

    // Save writes what the user sees and leaves the selection floating.
    dlg.inputAnswers = {QStringLiteral("floating")};
    const QImage canvasBefore = w->canvas().image().copy();
    action("mnuSave")->trigger();
    const QString file = folder.file(QStringLiteral("backgrounds/personal/floating.jpg"));
    ASSERT_TRUE(QFileInfo::exists(file));
    const QImage saved(file);
    EXPECT_GT(qRed(saved.pixel(140, 85)), 200) << "the floating copy is in the picture";
    EXPECT_LT(qGreen(saved.pixel(140, 85)), 60);
    EXPECT_GT(qRed(saved.pixel(40, 35)), 200) << "so is the original, CTRL kept it";
    for (QPoint p : {QPoint(119, 69), QPoint(160, 100), QPoint(130, 69)})
        EXPECT_GT(qGray(saved.pixel(p)), 200) << "no marquee at " << p.x() << "," << p.y();
    EXPECT_TRUE(pic->isVisible());
    EXPECT_TRUE(sameImage(w->canvas().image(), canvasBefore));

    // Undo drops the selection (a step) and undoes that step.
    action("mnuUndo")->trigger();
    EXPECT_FALSE(pic->isVisible());
    EXPECT_EQ(w->history().current(), stepsBefore);
    EXPECT_EQ(px(140, 85), qint64(Color::White));
    EXPECT_EQ(px(40, 35), qint64(Color::rgb(255, 0, 0)));
    EXPECT_EQ(px(19, 19), qint64(Color::White)) << "no marquee left";
}

TEST_F(SelectionWindow, TheStatusBarShowsTheSizeWhileSelectingAndShiftMakesASquare) {
    open();
    chooseTool(Tool::SelectArea);
    QWidget* canvas = w->picPaint();
    send(canvas, QEvent::MouseButtonPress, {10, 20}, Qt::LeftButton, Qt::LeftButton);
    send(canvas, QEvent::MouseMove, {50, 35}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(panel(3), QStringLiteral("40x15"));
    EXPECT_EQ(panel(1), QStringLiteral("Press and hold down SHIFT to select a square part"));
    send(canvas, QEvent::MouseMove, {50, 35}, Qt::NoButton, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(panel(3), QStringLiteral("15x15"));
    send(canvas, QEvent::MouseButtonRelease, {50, 35}, Qt::LeftButton, Qt::NoButton, Qt::ShiftModifier);
    EXPECT_EQ(child<SurfaceCanvas>(QStringLiteral("picSelect"))->geometry(), QRect(11, 21, 14, 14));
    EXPECT_EQ(panel(3), QString());
}

TEST_F(SelectionWindow, CutPasteAndCropThroughTheMenus) {
    open();
    fillBlock(w->canvas(), QRect(0, 0, 30, 20), Color::rgb(0, 0, 255));
    chooseTool(Tool::SelectArea);
    drag({{-1, -1}, {30, 20}});
    action("mnuCut")->trigger();
    EXPECT_EQ(px(5, 5), qint64(Color::White));
    EXPECT_TRUE(action("mnuPaste")->isEnabled());
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(30, 20));
    chooseTool(Tool::Pencil);
    action("mnuPaste")->trigger();
    EXPECT_EQ(w->state().tool, int(Tool::SelectArea));
    EXPECT_TRUE(child<QToolButton>(QStringLiteral("optTools0"))->isChecked());
    action("mnuCrop")->trigger();
    EXPECT_EQ(canvasSize(), QSize(30, 20));
    EXPECT_EQ(px(29, 19), qint64(Color::rgb(0, 0, 255)));
    action("mnuUndo")->trigger();
    EXPECT_EQ(canvasSize(), QSize(300, 200));
}

TEST_F(SelectionWindow, SelectAllDeleteGivesABlankCanvas) {
    open();
    drag({{10, 10}, {200, 150}}); // the pencil
    QTest::keyClick(w.get(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(w->state().tool, int(Tool::SelectArea));
    QTest::keyClick(w->picPaint(), Qt::Key_Delete);
    EXPECT_TRUE(paintedBounds(w->canvas(), Color::White).isEmpty());
}

TEST_F(SelectionWindow, RedTextAfterAPaletteClickIsRedAndEnterRecordsOneStep) {
    open();
    QTest::mouseClick(child("lblColor5"), Qt::LeftButton); // red: the canvas is left in exclusive-or mode
    chooseTool(Tool::Text);
    const int before = w->history().current();
    QTest::mouseClick(w->picPaint(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 30));
    auto* box = child<QLineEdit>(QStringLiteral("txtText"));
    ASSERT_TRUE(box->isVisible());
    EXPECT_EQ(panel(1), QStringLiteral("Press ENTER or double-click to finish inserting the text"));
    QTest::keyClicks(box, QStringLiteral("HHHH"));
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_TRUE(w->isVisible()) << "Esc in the box does not close the window";
    EXPECT_EQ(w->history().current(), before);
    QTest::mouseClick(w->picPaint(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 30));
    QTest::keyClicks(box, QStringLiteral("HHHH"));
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(w->history().current(), PaintHistory::next(before));
    // The small font is antialiased: count reddish and cyan-ish pixels.
    int reddish = 0, cyanish = 0;
    const QImage& img = w->canvas().image();
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            reddish += qRed(p) > 200 && qGreen(p) < 120 && qBlue(p) < 120;
            cyanish += qRed(p) < 120 && qGreen(p) > 200 && qBlue(p) > 200;
        }
    EXPECT_GT(reddish, 10);
    EXPECT_EQ(cyanish, 0);
    EXPECT_GE(paintedBounds(w->canvas(), Color::White).left(), 20);
}

TEST_F(SelectionWindow, FontCommandThroughCtrlF) {
    open();
    FontChoice chosen;
    chosen.name = QStringLiteral("DejaVu Sans");
    chosen.size = 18;
    chosen.italic = true;
    chosen.color = Color::rgb(0, 128, 0);
    dlg.fontAnswers = {chosen};
    QTest::keyClick(w.get(), Qt::Key_F, Qt::ControlModifier);
    ASSERT_EQ(dlg.fontsOffered.size(), 1u);
    EXPECT_EQ(w->state().foreColor, Color::rgb(0, 128, 0));
    EXPECT_TRUE(w->canvas().font.italic);
    EXPECT_EQ(child<QLineEdit>(QStringLiteral("txtText"))->font(), w->canvas().qfont());
}

} // namespace
