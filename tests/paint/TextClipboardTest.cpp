// The text box model and its commit, and the clipboard round trip through
// the system clipboard.
#include "paint/PaintClipboard.h"
#include "paint/TextEntry.h"
#include "tests/platform/SurfaceTestUtil.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <gtest/gtest.h>

namespace {

TEST(TextEntry, PressShowsMovesAndFocusLossCommitsUnlessMoving) {
    TextEntry t;
    t.press({10, 12});
    EXPECT_TRUE(t.shown());
    EXPECT_FALSE(t.moving());
    t.setText("Hello");
    t.press({30, 40}); // a second press moves the box, keeping its text
    EXPECT_EQ(t.pos(), QPoint(30, 40));
    EXPECT_EQ(t.text(), QString("Hello"));
    EXPECT_TRUE(t.moving());
    EXPECT_FALSE(t.focusLost()) << "the move's own focus change does not commit";
    EXPECT_TRUE(t.focusLost());
    t.cancel();
    EXPECT_FALSE(t.shown());
    EXPECT_FALSE(t.focusLost());
    Surface s(50, 30);
    EXPECT_FALSE(t.commit(s, Color::Black)) << "nothing to commit while hidden";
    EXPECT_TRUE(paintedBounds(s, Color::White).isEmpty());
}

// After a palette click the canvas is left in exclusive-or mode; the text
// must still come out in its own colour.
TEST(TextEntry, CommitPrintsInCopyModeAndKeepsTheDrawMode) {
    struct Case {
        ColorValue color;
        int drawMode;
    } cases[] = {
        {Color::Black, Surface::DrawXor},
        {Color::rgb(255, 0, 0), Surface::DrawXor},
        {Color::rgb(255, 0, 0), Surface::DrawCopy},
    };
    for (const Case& c : cases) {
        Surface s(120, 40);
        s.drawMode = c.drawMode;
        s.foreColor = c.color ^ s.backColor; // the palette's preview pen
        s.font.size = 14;
        TextEntry t;
        t.press({5, 6});
        t.setText("HHH");
        ASSERT_TRUE(t.commit(s, c.color));
        EXPECT_FALSE(t.shown());
        EXPECT_EQ(s.drawMode, c.drawMode);
        const QRect ink = paintedBounds(s, Color::White);
        ASSERT_FALSE(ink.isEmpty());
        EXPECT_GE(ink.left(), 5);
        EXPECT_GE(ink.top(), 6);
        // The strokes of an H are solid: many pixels of exactly the colour.
        EXPECT_GT(countColor(s, c.color, ink), 20) << std::hex << c.color;
        const ColorValue inverted = c.color ^ 0xFFFFFF;
        if (inverted != s.backColor) { // black's inverse is the background itself
            EXPECT_EQ(countColor(s, inverted, ink), 0) << "no exclusive-or colour";
        }
    }
}

TEST(PaintClipboard, CopyGoesToTheSystemClipboardAndBack) {
    QClipboard* cb = QGuiApplication::clipboard();
    cb->clear();
    PaintClipboard clip;
    EXPECT_FALSE(clip.canPaste());
    EXPECT_TRUE(clip.picture().isNull());

    QImage pic(7, 5, QImage::Format_RGB32);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            pic.setPixel(x, y, qRgb(x * 30, y * 40, 99));
    clip.copy(pic);
    EXPECT_TRUE(clip.canPaste());
    EXPECT_TRUE(sameImage(cb->image(), pic)) << "other programs see the copy";
    EXPECT_TRUE(sameImage(clip.picture(), pic));

    // Another program copies a picture with transparency: Paste takes it,
    // over white.
    QImage other(4, 3, QImage::Format_ARGB32);
    other.fill(qRgba(0, 0, 255, 255));
    other.setPixel(0, 0, qRgba(0, 0, 0, 0));
    cb->setImage(other);
    const QImage pasted = clip.picture();
    EXPECT_EQ(pasted.size(), QSize(4, 3));
    EXPECT_EQ(pasted.format(), QImage::Format_RGB32);
    EXPECT_EQ(pasted.pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(pasted.pixel(1, 0) & 0xFFFFFF, 0x0000FFu);

    // Text on the system clipboard: the own picture again.
    cb->setText("words");
    EXPECT_TRUE(sameImage(clip.picture(), pic));
    cb->clear();
}

TEST(PaintClipboard, HugePicturesKeepTheirTopLeftPart) {
    QImage big(PaintClipboard::MaxSide + 10, 20, QImage::Format_RGB32);
    big.fill(qRgb(5, 6, 7));
    QGuiApplication::clipboard()->setImage(big);
    PaintClipboard clip;
    EXPECT_EQ(clip.picture().size(), QSize(PaintClipboard::MaxSide, 20));
    QGuiApplication::clipboard()->clear();
}

} // namespace
