#include "platform/Canvas.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

TEST(SurfaceCanvas, ShowsTheSurfaceAtItsSizeAndFollowsRefresh) {
    Surface s(120, 80, Color::rgb(10, 20, 30));
    int hooked = 0;
    s.onRefresh = [&] { ++hooked; };
    Surface copy;
    {
        SurfaceCanvas canvas(&s);
        copy = s; // carries the canvas's hook
        EXPECT_EQ(canvas.size(), QSize(120, 80));
        s.resize(200, 50);
        s.refresh();
        EXPECT_EQ(canvas.size(), QSize(200, 50));
        EXPECT_EQ(hooked, 1); // an earlier hook still runs
        canvas.show();
        const QImage shown = canvas.grab().toImage();
        EXPECT_EQ(shown.pixel(150, 20) & 0xFFFFFF, qRgb(10, 20, 30) & 0xFFFFFF);
    }
    // The canvas gave the hook back; the copy's hook outlives the canvas safely.
    s.refresh();
    EXPECT_EQ(hooked, 2);
    copy.refresh();
    EXPECT_EQ(hooked, 3);
}

TEST(SurfaceCanvas, ReportsMouseAndKeysInPixels) {
    Surface s(100, 100);
    SurfaceCanvas canvas(&s);
    canvas.show();
    QList<CanvasMouse> presses, moves, releases, doubles;
    QList<CanvasKey> keys;
    QObject::connect(&canvas, &SurfaceCanvas::mousePressed, [&](const CanvasMouse& m) { presses << m; });
    QObject::connect(&canvas, &SurfaceCanvas::mouseMoved, [&](const CanvasMouse& m) { moves << m; });
    QObject::connect(&canvas, &SurfaceCanvas::mouseReleased, [&](const CanvasMouse& m) { releases << m; });
    QObject::connect(&canvas, &SurfaceCanvas::doubleClicked, [&](const CanvasMouse& m) { doubles << m; });
    QObject::connect(&canvas, &SurfaceCanvas::keyPressed, [&](const CanvasKey& k) { keys << k; });

    QTest::mousePress(&canvas, Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 20));
    QTest::mouseMove(&canvas, QPoint(30, 40));
    QTest::mouseRelease(&canvas, Qt::LeftButton, Qt::NoModifier, QPoint(30, 40));
    QTest::mouseDClick(&canvas, Qt::RightButton, Qt::ControlModifier, QPoint(5, 6));
    QTest::keyClick(&canvas, Qt::Key_Return, Qt::ShiftModifier);

    ASSERT_GE(presses.size(), 1);
    EXPECT_EQ(presses[0].x, 10);
    EXPECT_EQ(presses[0].y, 20);
    EXPECT_EQ(presses[0].button, Qt::LeftButton);
    EXPECT_TRUE(presses[0].shift);
    EXPECT_FALSE(presses[0].ctrl);
    ASSERT_GE(moves.size(), 1);
    EXPECT_EQ(moves.last().x, 30);
    EXPECT_EQ(moves.last().y, 40);
    ASSERT_GE(releases.size(), 1);
    EXPECT_EQ(releases[0].button, Qt::LeftButton);
    ASSERT_EQ(doubles.size(), 1);
    EXPECT_EQ(doubles[0].button, Qt::RightButton);
    EXPECT_TRUE(doubles[0].ctrl);
    EXPECT_EQ(doubles[0].x, 5);
    ASSERT_FALSE(keys.isEmpty()); // the modifier's own press may come first
    EXPECT_EQ(keys.last().key, int(Qt::Key_Return));
    EXPECT_TRUE(keys.last().shift);
}
