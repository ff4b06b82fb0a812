// The paint window driven through its controls: opening, history, tools,
// panes and palette.
#include "paint_window_fixture.h"

#include "paint/PaintHistory.h"
#include "paint/PaintLayout.h"
#include "shapes/ShapeWidgets.h"

#include <QLineEdit>
#include <QScrollBar>

namespace {

using Opening = PaintWindowTest;
using Drawing = PaintWindowTest;

TEST_F(Opening, BlankCanvasAtTheBoxSizeWithTwoHistorySteps) {
    frmPaint& p = open();
    EXPECT_EQ(p.windowTitle(), QStringLiteral("Customized shapes "));
    EXPECT_TRUE(p.isModal());
    EXPECT_EQ(canvasSize(), QSize(300, 200));
    EXPECT_EQ(px(150, 100), qint64(Color::White));
    EXPECT_TRUE(action("mnuUndo")->isEnabled());
    EXPECT_FALSE(action("mnuRedo")->isEnabled());
    EXPECT_EQ(panel(1), QStringLiteral("Draws using a pencil with the selected dot size"));
    EXPECT_EQ(panel(2), QStringLiteral("0,0"));
    EXPECT_EQ(panel(3), QString());
    EXPECT_TRUE(child<QToolButton>("optTools4")->isChecked());
    EXPECT_FALSE(p.state().changed) << "an untouched canvas asks nothing when closed";

    QTest::keyClick(p.picPaint(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(canvasSize(), QSize(415, 401)) << "the design size, 6225 x 6015 twips";
    EXPECT_FALSE(action("mnuUndo")->isEnabled());
    EXPECT_TRUE(action("mnuRedo")->isEnabled());
    QTest::keyClick(p.picPaint(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(canvasSize(), QSize(300, 200));
    EXPECT_FALSE(action("mnuRedo")->isEnabled());
}

TEST_F(Opening, ToolColumnPanesAndColourBar) {
    open();
    for (int t = 0; t < Tool::Count; ++t) {
        auto* b = child<QToolButton>(QStringLiteral("optTools%1").arg(t));
        EXPECT_EQ(b->toolTip(), QString::fromLatin1(PaintLayout::toolName(t)));
        EXPECT_FALSE(b->icon().isNull()) << t;
    }
    for (int t : {1, 2, 3, 4, 10, 16, 17})
        EXPECT_TRUE(child<QToolButton>(QStringLiteral("optTools%1").arg(t))->isEnabled()) << t;
    EXPECT_TRUE(child("fraOptDot")->isVisible());
    EXPECT_FALSE(child("fraBrush")->isVisible());
    EXPECT_FALSE(child("fraOptFill")->isVisible());
    for (int i = 0; i < 26; ++i)
        EXPECT_NE(w->findChild<QWidget*>(QStringLiteral("lblColor%1").arg(i)), nullptr) << i;
    for (const char* name : {"lblForeColor", "lblFillColor", "sta", "picPaint", "hscPaint", "vscPaint", "fraScroll",
                             "picPaintResize0", "picPaintResize1", "picPaintResize2", "fraTools", "fraColor"})
        EXPECT_NE(w->findChild<QWidget*>(QLatin1String(name)), nullptr) << name;
}

TEST_F(Opening, WidthThatIsNotANumberStopsWithTheConversionError) {
    host.width = QStringLiteral("abc");
    open();
    EXPECT_EQ(canvasSize(), QSize(415, 401));
    ASSERT_EQ(dlg.messages().size(), 1);
    EXPECT_EQ(dlg.messages()[0], QStringLiteral("Type mismatch"));
    EXPECT_EQ(panel(1), QString()) << "the status bar is not set";
}

TEST_F(Drawing, PencilDrawsRecordsAndUndoRedoRestore) {
    frmPaint& p = open();
    drag({{10, 10}, {30, 10}, {30, 40}});
    EXPECT_EQ(px(20, 10), qint64(Color::Black));
    EXPECT_EQ(px(30, 25), qint64(Color::Black));
    EXPECT_TRUE(p.state().changed);
    EXPECT_EQ(p.history().current(), 2);
    EXPECT_EQ(panel(2), QStringLiteral("0,0")) << "a release resets the position";
    QTest::keyClick(p.picPaint(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(px(20, 10), qint64(Color::White));
    QTest::keyClick(p.picPaint(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(px(20, 10), qint64(Color::Black));
}

TEST_F(Drawing, MovesWithoutAButtonShowThePosition) {
    open();
    send(w->picPaint(), QEvent::MouseMove, {120, 45}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(panel(2), QStringLiteral("120,45"));
    EXPECT_EQ(px(120, 45), qint64(Color::White));
}

TEST_F(Drawing, DotPanePressAt400By700TwipsGivesDotSizeFive) {
    open();
    auto* pane = child("fraOptDot");
    QTest::mousePress(pane, Qt::LeftButton, {}, QPoint(400 / 15, 700 / 15));
    EXPECT_EQ(w->state().dotSize, 5);
    QTest::mousePress(pane, Qt::LeftButton, {}, QPoint(2, 2)); // outside every hit area
    EXPECT_EQ(w->state().dotSize, 5);
    drag({{50, 50}, {51, 50}});
    EXPECT_EQ(px(47, 50), qint64(Color::Black)) << "a 6-pixel pen";
}

TEST_F(Drawing, PaletteClicksSetForegroundAndFillColours) {
    open();
    QTest::mouseClick(child("lblColor5"), Qt::LeftButton);
    QTest::mouseClick(child("lblColor2"), Qt::RightButton);
    EXPECT_EQ(w->state().foreColor, Color::rgb(255, 0, 0));
    EXPECT_EQ(w->state().fillColor, Color::rgb(128, 128, 128));
    click({5, 5});
    EXPECT_EQ(px(5, 5), qint64(Color::rgb(255, 0, 0)));
    send(child("lblColor0"), QEvent::MouseMove, {3, 3}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(panel(1), QStringLiteral("Click to set the foreground color; Right-click to set the background color"));
    EXPECT_EQ(panel(2), QString());
}

TEST_F(Drawing, SwatchDoubleClicksAskForColours) {
    open();
    dlg.colorAnswers = {Color::rgb(1, 2, 3), std::nullopt};
    QTest::mouseDClick(child("lblForeColor"), Qt::LeftButton);
    EXPECT_EQ(w->state().foreColor, Color::rgb(1, 2, 3));
    QTest::mouseDClick(child("lblFillColor"), Qt::LeftButton);
    EXPECT_EQ(w->state().fillColor, Color::White) << "a cancelled dialog keeps the colour";
}

TEST_F(Drawing, ToolChoiceShowsItsPanesHintAndCursor) {
    open();
    chooseTool(Tool::Brush);
    EXPECT_EQ(w->state().tool, Tool::Brush);
    EXPECT_TRUE(child("fraBrush")->isVisible());
    EXPECT_TRUE(child("fraOptDot")->isVisible());
    EXPECT_EQ(panel(1), QStringLiteral("Draws using a brush with the selected shape"));
    EXPECT_EQ(w->picPaint()->cursor().shape(), Qt::BitmapCursor);
    chooseTool(Tool::Fill);
    EXPECT_FALSE(child("fraOptDot")->isVisible());
    EXPECT_FALSE(child("fraBrush")->isVisible());
}

TEST_F(Drawing, BrushFillAndEraserThroughTheWindow) {
    open();
    chooseTool(Tool::Brush);
    QTest::mousePress(child("imgBrush2"), Qt::LeftButton);
    EXPECT_EQ(w->state().brushShape, 2);
    QTest::mousePress(child("imgBrush0"), Qt::LeftButton);
    click({20, 20});
    EXPECT_EQ(px(17, 17), qint64(Color::Black));
    EXPECT_EQ(px(16, 16), qint64(Color::White));

    chooseTool(Tool::Fill);
    QTest::mouseClick(child("lblColor13"), Qt::LeftButton); // blue
    click({100, 100});
    EXPECT_EQ(px(100, 100), qint64(Color::rgb(0, 0, 255)));
    EXPECT_EQ(px(20, 20), qint64(Color::Black)) << "the brush's square is another area";

    chooseTool(Tool::Eraser);
    click({100, 100});
    EXPECT_EQ(px(100, 100), qint64(Color::White));
    EXPECT_EQ(px(101, 99), qint64(Color::White));
    EXPECT_EQ(px(99, 101), qint64(Color::rgb(0, 0, 255)));
}

TEST_F(Drawing, AirBrushSpraysFromAnInstalledSource) {
    open();
    AppContext::instance().random.setSource([] { return 0.5; });
    chooseTool(Tool::AirBrush);
    click({40, 40});
    EXPECT_EQ(px(40, 40), qint64(Color::Black));
    EXPECT_EQ(px(39, 40), qint64(Color::White));
    AppContext::instance().random.setSource(nullptr);
}

TEST_F(Drawing, PickColorTakesPixelsAndKeepsTheColourOutside) {
    open();
    QTest::mouseClick(child("lblColor5"), Qt::LeftButton);
    click({10, 10}); // a red dot
    QTest::mouseClick(child("lblColor0"), Qt::LeftButton);
    chooseTool(Tool::PickColor);
    EXPECT_EQ(w->history().current(), 2);
    click({10, 10});
    EXPECT_EQ(w->state().foreColor, Color::rgb(255, 0, 0));
    EXPECT_EQ(w->history().current(), 3) << "a pick records a step";
    click({50, 50}, Qt::RightButton);
    EXPECT_EQ(w->state().fillColor, Color::White);
    // One past the edge reads -1: the colour stays.
    ToolEvent e;
    e.x = w->canvas().width();
    e.y = 3;
    e.button = Qt::LeftButton;
    w->tool(Tool::PickColor)->press(e);
    EXPECT_EQ(w->state().foreColor, Color::rgb(255, 0, 0));
}

TEST_F(Drawing, HandPansLargeCanvasesWithTheScrollBars) {
    host.width = QStringLiteral("2000");
    host.height = QStringLiteral("1500");
    open();
    auto* h = child<QScrollBar>("hscPaint");
    auto* v = child<QScrollBar>("vscPaint");
    ASSERT_TRUE(h->isVisible());
    ASSERT_TRUE(v->isVisible());
    EXPECT_TRUE(child("fraScroll")->isVisible());
    h->setValue(60);
    v->setValue(30);
    EXPECT_EQ(w->picPaint()->pos(), QPoint(57 - 40, -20));
    chooseTool(Tool::Hand);
    // Dragging 30 pixels left and 15 up moves the canvas with the pointer.
    drag({{300, 300}, {270, 285}});
    EXPECT_EQ(h->value(), 60 + 45);
    EXPECT_EQ(v->value(), 30 + 22);
    EXPECT_EQ(w->canvas().scaleMode, int(Surface::ScalePixels));
}

TEST_F(Drawing, ResizeHandlesGrowWithinBoundsAndRecordOnlyAChange) {
    open();
    auto* corner = child<ResizeHandle>("picPaintResize2");
    const int before = w->history().current();
    send(corner, QEvent::MouseButtonPress, {2, 2}, Qt::LeftButton, Qt::LeftButton);
    send(corner, QEvent::MouseMove, {12, 7}, Qt::NoButton, Qt::LeftButton);
    send(corner, QEvent::MouseButtonRelease, {12, 7}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(canvasSize(), QSize(310, 205));
    EXPECT_EQ(w->history().current(), before + 1);
    EXPECT_EQ(corner->pos(), w->picPaint()->pos() + QPoint(310, 205));

    auto* right = child<ResizeHandle>("picPaintResize0");
    send(right, QEvent::MouseButtonPress, {2, 2}, Qt::LeftButton, Qt::LeftButton);
    send(right, QEvent::MouseMove, {-400, 2}, Qt::NoButton, Qt::LeftButton); // past the left edge
    send(right, QEvent::MouseButtonRelease, {-400, 2}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(canvasSize(), QSize(310, 205)) << "a width of 0 or less is refused";
    EXPECT_EQ(w->history().current(), before + 1) << "no change, no step";

    send(right, QEvent::MouseButtonPress, {2, 2}, Qt::LeftButton, Qt::LeftButton);
    send(right, QEvent::MouseMove, {100000, 2}, Qt::NoButton, Qt::LeftButton);
    send(right, QEvent::MouseButtonRelease, {100000, 2}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(canvasSize(), QSize(310, 205)) << "a jump past 3333 pixels is refused";
}

TEST_F(Drawing, BorderAndFillStyleItemsCheckOneOfTheirGroup) {
    open();
    action("mnuBorderStyles2")->trigger();
    EXPECT_EQ(w->state().borderStyle, 2);
    EXPECT_TRUE(action("mnuBorderStyles2")->isChecked());
    EXPECT_FALSE(action("mnuBorderStyles0")->isChecked());
    action("mnuFillStyles6")->trigger();
    EXPECT_EQ(w->state().fillStyle, 6);
    EXPECT_FALSE(action("mnuFillStyles1")->isVisible());
    EXPECT_TRUE(action("mnuFilterTools2")->isChecked());
}

} // namespace
