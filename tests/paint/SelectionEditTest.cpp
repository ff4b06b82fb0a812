// The Select Area tool, the Edit menu, the picSelect widget, Save's picture
// and the effects' view of the selection, driven as the paint window does.
#include "SelectionFakeEnv.h"
#include "imaging/Effect.h"
#include "imaging/Filter.h"
#include "paint/SelectionController.h"
#include "platform/AppContext.h"
#include "tests/platform/SurfaceTestUtil.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

void paintPattern(Surface& s) {
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            s.pset(x, y, Color::rgb(x * 3, y * 4, (x * 5 + y * 7) & 0xFF));
}

struct EditTest : ::testing::Test {
    std::unique_ptr<SelectionFakeEnv> env;
    QImage before;
    void SetUp() override {
        QGuiApplication::clipboard()->clear();
        env = std::make_unique<SelectionFakeEnv>();
        paintPattern(env->surface);
        before = env->surface.image().copy();
    }
    void trigger(const char* name) {
        QAction* a = env->action(name);
        ASSERT_NE(a, nullptr) << name;
        ASSERT_TRUE(a->isEnabled()) << name;
        a->trigger();
    }
    bool enabled(const char* name) { return env->action(name)->isEnabled(); }
    Selection& sel() { return SelectionController::of(*env).selection(); }
};

TEST_F(EditTest, ItemsAreEnabledExactlyWhileASelectionIsShown) {
    struct Row {
        const char* name;
        bool atStart, withSelection, afterDrop;
    } rows[] = {
        {"mnuCut", false, true, false},  {"mnuCopy", false, true, false},
        {"mnuDelete", false, true, false}, {"mnuCrop", false, true, false},
        {"mnuPaste", false, false, false}, {"mnuSelectAll", true, true, true},
        {"mnuFont", true, true, true},
    };
    for (const Row& r : rows)
        EXPECT_EQ(enabled(r.name), r.atStart) << r.name;
    env->dragSelect({10, 10}, {30, 30});
    EXPECT_TRUE(env->selectWidget->isVisible());
    EXPECT_FALSE(env->selectWidget->findChild<QWidget*>(QStringLiteral("picSelectEdge"))->isVisible());
    EXPECT_EQ(env->selectWidget->geometry(), QRect(11, 11, 19, 19));
    for (const Row& r : rows)
        EXPECT_EQ(enabled(r.name), r.withSelection) << r.name;
    env->FinishFigure(); // double-click or Enter
    EXPECT_FALSE(env->selectWidget->isVisible());
    for (const Row& r : rows)
        EXPECT_EQ(enabled(r.name), r.afterDrop) << r.name;
    // A picture another program copies enables Paste.
    QImage other(5, 5, QImage::Format_RGB32);
    other.fill(Qt::red);
    QGuiApplication::clipboard()->setImage(other);
    EXPECT_TRUE(enabled("mnuPaste"));
}

TEST_F(EditTest, CutThenPasteRestoresThePicture) {
    env->dragSelect({-1, -1}, {25, 20}); // inside: (0, 0) 25 x 20
    ASSERT_EQ(sel().rect(), QRect(0, 0, 25, 20));
    trigger("mnuCut");
    EXPECT_EQ(env->steps, 1);
    EXPECT_FALSE(sel().shown());
    EXPECT_EQ(countColor(env->surface, Color::White, QRect(0, 0, 25, 20)), 25 * 20);
    EXPECT_TRUE(enabled("mnuPaste"));
    trigger("mnuPaste");
    EXPECT_TRUE(sel().shown());
    EXPECT_EQ(env->selectWidget->pos(), QPoint(0, 0));
    trigger("mnuSelectAll"); // drops the paste, then selects everything
    EXPECT_EQ(env->steps, 2);
    EXPECT_TRUE(sameImage(env->surface.image(), before));
}

TEST_F(EditTest, PasteSwitchesToSelectAreaAndUsesTheSystemClipboard) {
    env->chooseTool(Tool::Text);
    QImage other(6, 4, QImage::Format_RGB32);
    other.fill(qRgb(0, 128, 0));
    QGuiApplication::clipboard()->setImage(other);
    trigger("mnuPaste");
    EXPECT_EQ(env->st.tool, int(Tool::SelectArea));
    EXPECT_TRUE(sameImage(sel().surface().image(), other));
    // Copy goes back out to the system clipboard.
    trigger("mnuCopy");
    EXPECT_TRUE(sameImage(QGuiApplication::clipboard()->image(), other));
}

TEST_F(EditTest, CropGivesTheSelectionsSizeAndOneStep) {
    env->dragSelect({5, 6}, {40, 30});
    trigger("mnuCrop");
    EXPECT_EQ(env->surface.width(), 34);
    EXPECT_EQ(env->surface.height(), 23);
    EXPECT_EQ(env->steps, 1);
    EXPECT_TRUE(sameImage(env->surface.image(), before.copy(6, 7, 34, 23)));
    EXPECT_FALSE(enabled("mnuCrop"));
    EXPECT_FALSE(env->selectWidget->isVisible());
}

TEST_F(EditTest, SelectAllThenDeleteGivesABlankCanvas) {
    trigger("mnuSelectAll");
    // Its marquee lies outside the canvas: picSelect shows a frame of its own.
    QWidget* edge = env->selectWidget->findChild<QWidget*>(QStringLiteral("picSelectEdge"));
    ASSERT_NE(edge, nullptr);
    EXPECT_TRUE(edge->isVisible());
    EXPECT_TRUE(sameImage(env->surface.image(), before));
    trigger("mnuDelete");
    EXPECT_EQ(env->steps, 1);
    EXPECT_TRUE(paintedBounds(env->surface, Color::White).isEmpty());
}

TEST_F(EditTest, DraggingPicSelectMovesAndCtrlCopies) {
    for (bool ctrl : {false, true}) {
        SetUp();
        env->dragSelect({9, 9}, {20, 20}); // inside (10, 10) 10 x 10
        const Qt::KeyboardModifiers mods = ctrl ? Qt::ControlModifier : Qt::NoModifier;
        QTest::mousePress(env->selectWidget, Qt::LeftButton, mods, QPoint(2, 3));
        QTest::mouseMove(env->selectWidget, QPoint(12, 8));
        QTest::mouseRelease(env->selectWidget, Qt::LeftButton, mods, env->selectWidget->mapFromParent(QPoint(52, 33)));
        EXPECT_EQ(sel().pos(), QPoint(50, 30));
        EXPECT_EQ(env->selectWidget->pos(), QPoint(50, 30));
        env->chooseTool(Tool::Text); // a tool change drops it
        EXPECT_EQ(env->steps, 1);
        QImage expected = before.copy();
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x) {
                if (!ctrl)
                    expected.setPixel(10 + x, 10 + y, qRgb(255, 255, 255));
                expected.setPixel(50 + x, 30 + y, before.pixel(10 + x, 10 + y));
            }
        EXPECT_TRUE(sameImage(env->surface.image(), expected)) << "ctrl " << ctrl;
    }
}

TEST_F(EditTest, SaveTakesWhatTheUserSeesWithoutChangingTheState) {
    ASSERT_TRUE(env->hk.pictureToSave);
    env->dragSelect({9, 9}, {20, 20});
    sel().beginMove({10, 10}, false);
    sel().endMove({40, 30});
    const QImage canvasNow = env->surface.image().copy();
    const QImage saved = env->hk.pictureToSave();
    EXPECT_TRUE(sel().shown());
    EXPECT_TRUE(sameImage(env->surface.image(), canvasNow));
    EXPECT_EQ(env->steps, 0);
    env->FinishFigure();
    EXPECT_TRUE(sameImage(saved, env->surface.image())) << "the saved picture is the dropped one";
}

TEST_F(EditTest, HooksReportDropAndHideTheSelection) {
    EXPECT_FALSE(env->hk.selectionShown());
    env->dragSelect({9, 9}, {20, 20});
    EXPECT_TRUE(env->hk.selectionShown());
    sel().beginMove({10, 10}, false);
    sel().endMove({30, 30});
    env->hk.dropSelection(); // Undo drops first, recording the move
    EXPECT_EQ(env->steps, 1);
    env->dragSelect({9, 9}, {20, 20});
    env->hk.hideSelection(); // Redo hides without pasting
    EXPECT_FALSE(env->selectWidget->isVisible());
    EXPECT_FALSE(enabled("mnuCut"));
    EXPECT_EQ(env->steps, 1);
}

// The effects and filters work on the selection's surface between two
// DrawSelectionRect calls, as RunEffect and RunFilter do.
TEST_F(EditTest, EffectsAndFiltersOnASelectionChangeOnlyIt) {
    env->dragSelect({9, 9}, {30, 20}); // inside (10, 10) 20 x 10
    ASSERT_TRUE(env->hk.selectionShown());
    Surface& target = env->selectSurface();
    const QImage part = target.image().copy();
    AppContext::instance().EffectScaleX = 2.0;
    AppContext::instance().EffectScaleY = 2.0;
    env->hk.drawSelectionRect();
    mdlEffect::ImageEffect(mdlEffect::Scale, target, env->scratch, *env);
    env->hk.drawSelectionRect();
    EXPECT_EQ(env->selectWidget->size(), QSize(40, 20)) << "picSelect follows its picture";
    EXPECT_EQ(sel().marquee().rect(), QRect(QPoint(9, 9), QPoint(50, 30)));
    env->hk.drawSelectionRect();
    mdlEffect::ImageEffect(mdlEffect::Invert, target, env->scratch, *env);
    env->hk.drawSelectionRect();
    EXPECT_EQ(target.image().pixel(1, 1) & 0xFFFFFF, (part.pixel(0, 0) ^ 0xFFFFFF) & 0xFFFFFF);
    int x1 = -1, y1 = -1, x2 = -1, y2 = -1;
    env->hk.drawSelectionRect();
    mdlFilter::ApplyFilter(mdlFilter::Grayscale, target, x1, y1, x2, y2, env->filterContext());
    env->hk.drawSelectionRect();
    EXPECT_EQ(env->steps, 0) << "recorded when dropped";
    // Outside the scaled selection the picture the user sees is untouched
    // (the place it was cut from still holds its pixels: it was not moved).
    const QImage seen = env->hk.pictureToSave();
    for (int y = 0; y < seen.height(); ++y)
        for (int x = 0; x < seen.width(); ++x)
            if (!QRect(10, 10, 40, 20).contains(x, y)) {
                ASSERT_EQ(seen.pixel(x, y), before.pixel(x, y)) << x << "," << y;
            }
    const QImage floating = target.image().copy();
    env->FinishFigure();
    EXPECT_EQ(env->steps, 1);
    EXPECT_TRUE(sameImage(env->surface.image().copy(10, 10, 40, 20), floating));
}

} // namespace
