// The figure tools, zoom and the Effect, Filter and Help menus driven
// through the real paint window.
#include "paint_window_fixture.h"

#include "paint/PaintHistory.h"

#include <QMenu>

namespace {

using FigureWindow = PaintWindowTest;

QImage rgb(const QImage& i) { return i.convertToFormat(QImage::Format_RGB32); }

} // namespace

TEST_F(FigureWindow, EveryFigureToolIsEnabled) {
    open();
    for (int t : {5, 6, 7, 9, 11, 12, 13, 14, 15})
        EXPECT_TRUE(child<QToolButton>(QStringLiteral("optTools%1").arg(t))->isEnabled()) << t;
}

TEST_F(FigureWindow, RectangleDragShowsItsSizeAndRecordsOneStep) {
    frmPaint& p = open();
    chooseTool(Tool::Rectangle);
    const int stepsBefore = p.history().used();
    QWidget* canvas = p.picPaint();
    send(canvas, QEvent::MouseButtonPress, {20, 20}, Qt::LeftButton, Qt::LeftButton);
    send(canvas, QEvent::MouseMove, {60, 50}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(panel(3), QStringLiteral("40x30"));
    send(canvas, QEvent::MouseMove, {55, 35}, Qt::NoButton, Qt::LeftButton);
    send(canvas, QEvent::MouseButtonRelease, {55, 35}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(p.history().used(), stepsBefore + 1);
    EXPECT_EQ(px(20, 20), qint64(Color::Black));
    EXPECT_EQ(px(55, 35), qint64(Color::Black));
    EXPECT_EQ(px(60, 50), qint64(Color::White)) << "the earlier preview is gone";
    EXPECT_EQ(px(40, 28), qint64(Color::White));
}

TEST_F(FigureWindow, CurveHandlesAreShownAndDraggedThenEnterFinishes) {
    frmPaint& p = open();
    chooseTool(Tool::Curve);
    click({100, 100});
    QWidget* h1 = child("imgBezier1");
    ASSERT_TRUE(h1->isVisibleTo(&p));
    EXPECT_EQ(h1->pos(), QPoint(150, 50));
    EXPECT_EQ(panel(1), QStringLiteral("Press ENTER or double-click to finish drawing the curve"));
    send(h1, QEvent::MouseButtonPress, {2, 2}, Qt::LeftButton, Qt::LeftButton);
    send(h1, QEvent::MouseMove, {12, 22}, Qt::NoButton, Qt::LeftButton);
    send(h1, QEvent::MouseButtonRelease, {12, 22}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(h1->pos(), QPoint(160, 70));
    const int steps = p.history().used();
    QTest::keyClick(p.picPaint(), Qt::Key_Return);
    EXPECT_FALSE(h1->isVisibleTo(&p));
    EXPECT_EQ(p.history().used(), steps + 1);
    EXPECT_EQ(px(52, 52), qint64(Color::Black)) << "the curve starts at handle 0's centre";
    EXPECT_EQ(px(152, 152), qint64(Color::Black)) << "and ends at handle 3's";
}

TEST_F(FigureWindow, ZoomHidesTheHandlesAndAnyOtherToolReturns) {
    frmPaint& p = open();
    chooseTool(Tool::Zoom);
    click({100, 100});
    EXPECT_EQ(canvasSize(), QSize(375, 250));
    EXPECT_FALSE(child("picPaintResize0")->isVisibleTo(&p));
    chooseTool(Tool::Hand); // the view stays zoomed
    EXPECT_EQ(canvasSize(), QSize(375, 250));
    chooseTool(Tool::Zoom); // no new reference from the scaled view
    EXPECT_EQ(canvasSize(), QSize(300, 200));
    chooseTool(Tool::Zoom);
    click({10, 10});
    chooseTool(Tool::Pencil);
    EXPECT_EQ(canvasSize(), QSize(300, 200));
    EXPECT_TRUE(child("picPaintResize0")->isVisibleTo(&p));
}

TEST_F(FigureWindow, HalfTurnRecordsTwoStepsAndUndoGivesTheMirror) {
    frmPaint& p = open();
    p.canvas().filledBox(0, 0, 20, 20, Color::rgb(255, 0, 0));
    const QImage before = rgb(p.canvas().image());
    action("mnuRotate180")->trigger();
    EXPECT_EQ(rgb(p.canvas().image()), rgb(before.mirrored(true, true)));
    action("mnuUndo")->trigger();
    EXPECT_EQ(rgb(p.canvas().image()), rgb(before.mirrored(true, false)));
}

TEST_F(FigureWindow, EffectChoicesFilterMenuAndClear) {
    open();
    action("mnuResizeWidth")->trigger();
    action("mnuResize50")->trigger();
    EXPECT_EQ(canvasSize(), QSize(150, 200));
    EXPECT_TRUE(action("mnuResizeWidth")->isChecked());
    EXPECT_FALSE(action("mnuResizeBoth")->isChecked());
    action("mnuAntiClockwise")->trigger();
    action("mnuRotate90")->trigger();
    EXPECT_EQ(canvasSize(), QSize(200, 150));
    EXPECT_FALSE(AppContext::instance().EffectClockwise);

    action("mnuFilters9")->trigger(); // Invert Colors
    EXPECT_EQ(px(100, 75), qint64(Color::Black));
    action("mnuFilters2")->trigger(); // Brightness
    EXPECT_EQ(px(100, 75), qint64(Color::rgb(32, 32, 32)));
    EXPECT_EQ(panel(1), QStringLiteral("Filtering... (100% complete)"));
    action("mnuClear")->trigger();
    EXPECT_EQ(px(100, 75), qint64(Color::White));
    EXPECT_EQ(canvasSize(), QSize(200, 150));
}

TEST_F(FigureWindow, FilterToolPopupChoosesTheBrushKind) {
    frmPaint& p = open();
    chooseTool(Tool::FilterBrush);
    QMenu* popup = p.menus().menu(QStringLiteral("mnuTFilter"));
    ASSERT_TRUE(popup);
    EXPECT_TRUE(popup->isVisible());
    popup->hide();
    action("mnuFilterTools4")->trigger(); // "&Dirty"
    EXPECT_EQ(p.state().filterTool, 4);
    EXPECT_TRUE(action("mnuFilterTools4")->isChecked());
    EXPECT_FALSE(action("mnuFilterTools2")->isChecked());
    p.canvas().image().fill(Color::toRgb(Color::rgb(120, 120, 120)));
    click({30, 30});
    EXPECT_EQ(px(30, 30), qint64(Color::rgb(118, 118, 118)));
    EXPECT_EQ(px(31, 30), qint64(Color::rgb(120, 120, 120)));
}

TEST_F(FigureWindow, AboutIsOwnedByThePaintWindow) {
    frmPaint& p = open();
    action("mnuAbout")->trigger();
    QWidget* about = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QLatin1String("frmAbout") && top->isVisible())
            about = top;
    ASSERT_TRUE(about);
    EXPECT_FALSE(p.isEnabled());
    QTest::keyClick(about, Qt::Key_Escape);
    EXPECT_TRUE(p.isEnabled());
}

TEST_F(FigureWindow, NewWhileZoomedReturnsToFullSizeFirst) {
    frmPaint& p = open();
    chooseTool(Tool::Zoom);
    click({100, 100});
    click({100, 100});
    ASSERT_EQ(canvasSize(), QSize(469, 312));
    action("mnuNew")->trigger();
    EXPECT_EQ(canvasSize(), QSize(300, 200)) << "the picture's own size, not the zoomed view's";
    EXPECT_FLOAT_EQ(p.state().zoom, 1.0f);
    EXPECT_EQ(px(299, 199), qint64(Color::White));
}
