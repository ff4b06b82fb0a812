#include "paint/PaintHistory.h"

#include <gtest/gtest.h>

namespace {

QImage picture(int w, int h, QRgb fill) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(fill);
    return img;
}

QRgb colourOf(const PaintHistory::Step& s) { return s.picture.pixel(0, 0); }

TEST(PaintHistory, ResetHoldsOneStepAndNothingToUndoOrRedo) {
    PaintHistory h;
    h.reset(picture(3, 2, 1));
    EXPECT_EQ(h.used(), 1);
    EXPECT_FALSE(h.canUndo());
    EXPECT_FALSE(h.canRedo());
    EXPECT_FALSE(h.undo());
    EXPECT_FALSE(h.redo());
}

TEST(PaintHistory, TwelveStepsKeepTenUndosAndRedoBackToTheNewest) {
    PaintHistory h;
    h.reset(picture(1, 1, 0xFF000000u));
    for (QRgb i = 1; i <= 12; ++i)
        h.record(picture(1, 1, 0xFF000000u | i));
    EXPECT_EQ(h.used(), PaintHistory::Slots);
    // Twelve steps after the reset: the current slot went round the ring once.
    EXPECT_EQ(h.current(), 12 % PaintHistory::Slots);
    for (QRgb expected = 11; expected >= 2; --expected) {
        ASSERT_TRUE(h.canUndo()) << expected;
        const auto s = h.undo();
        ASSERT_TRUE(s);
        EXPECT_EQ(colourOf(*s), 0xFF000000u | expected);
    }
    EXPECT_FALSE(h.canUndo()) << "the tenth Undo disables Undo";
    EXPECT_FALSE(h.undo());
    for (QRgb expected = 3; expected <= 12; ++expected) {
        const auto s = h.redo();
        ASSERT_TRUE(s) << expected;
        EXPECT_EQ(colourOf(*s), 0xFF000000u | expected);
    }
    EXPECT_FALSE(h.canRedo());
    EXPECT_TRUE(h.canUndo());
}

TEST(PaintHistory, RecordingAfterUndoDropsTheUndoneSteps) {
    PaintHistory h;
    h.reset(picture(1, 1, 0xFF000000u));
    h.record(picture(1, 1, 0xFF000001u));
    h.record(picture(1, 1, 0xFF000002u));
    ASSERT_TRUE(h.undo());
    EXPECT_TRUE(h.canRedo());
    h.record(picture(1, 1, 0xFF000003u));
    EXPECT_FALSE(h.canRedo());
    const auto back = h.undo();
    ASSERT_TRUE(back);
    EXPECT_EQ(colourOf(*back), 0xFF000001u);
}

TEST(PaintHistory, SlotsKeepWidthAndHeightAsNumbersBeyondTheTextLimits) {
    // 1433 px are 21495 twips: as "width x 100000 + height" text that passes
    // 2^31; sizes are kept as numbers.
    PaintHistory h;
    h.reset(picture(999, 700, 0xFFFFFFFFu));
    h.record(picture(1998, 1400, 0xFFFFFFFFu));
    h.record(picture(1433, 6667, 0xFFFFFFFFu));
    ASSERT_TRUE(h.undo());
    const auto s = h.redo();
    ASSERT_TRUE(s);
    EXPECT_EQ(s->width, 1433);
    EXPECT_EQ(s->height, 6667);
    const auto first = (h.undo(), h.undo());
    ASSERT_TRUE(first);
    EXPECT_EQ(QSize(first->width, first->height), QSize(999, 700));
}

TEST(PaintHistory, ANullPictureIsRefusedAndTheHistoryStaysAsItWas) {
    PaintHistory h;
    h.reset(picture(2, 2, 0xFF000000u));
    h.record(picture(2, 2, 0xFF000001u));
    EXPECT_ANY_THROW(h.record(QImage()));
    EXPECT_EQ(h.current(), 1);
    EXPECT_EQ(h.newest(), 1);
    EXPECT_EQ(h.oldest(), 0);
    EXPECT_EQ(h.used(), 2);
}

TEST(PaintHistory, RecordingSharesThePixelsInsteadOfCopying) {
    PaintHistory h;
    const QImage canvas = picture(64, 64, 0xFF123456u);
    h.reset(canvas);
    h.record(canvas);
    ASSERT_TRUE(h.slot(1));
    EXPECT_EQ(h.slot(1)->picture.constBits(), canvas.constBits());
}

} // namespace
