// The dotted exclusive-or marquee: which pixels it draws, clipping, and that
// every draw is taken off exactly by its removal.
#include "paint/Marquee.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

QImage pattern(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb(x * 9, y * 11, 77));
    return img;
}

int changed(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

TEST(Marquee, DrawsThreeOnThreeOffAlongTheOutlineOnly) {
    struct Case {
        QRect r;
        int pixels; // dotted pixels inside a 40 x 30 picture
    } cases[] = {
        {QRect(QPoint(5, 5), QPoint(14, 14)), 18},  // 36 outline pixels
        {QRect(QPoint(5, 5), QPoint(5, 5)), 1},     // a single pixel
        {QRect(QPoint(5, 5), QPoint(12, 5)), 5},    // flat: 8 pixels, each once
        {QRect(QPoint(5, 5), QPoint(5, 10)), 3},    // upright: 6 pixels
        {QRect(QPoint(5, 5), QPoint(6, 6)), 3},     // 2 x 2: four corners, i = 0..3
        {QRect(QPoint(-1, -1), QPoint(40, 30)), 0}, // around the whole picture
        {QRect(QPoint(-100, -100), QPoint(-2, -2)), 0},
    };
    for (const Case& c : cases) {
        const QImage before = pattern(40, 30);
        QImage img = before.copy();
        Marquee::xorOutline(img, c.r, 0xFFFFFF);
        EXPECT_EQ(changed(before, img), c.pixels) << c.r.x() << "," << c.r.y() << " " << c.r.width() << "x"
                                                  << c.r.height();
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixel(x, y) != before.pixel(x, y)) {
                    const bool edge = x == c.r.left() || x == c.r.right() || y == c.r.top() || y == c.r.bottom();
                    EXPECT_TRUE(edge && c.r.contains(x, y)) << x << "," << y;
                    EXPECT_EQ(img.pixel(x, y) & 0xFFFFFF, (before.pixel(x, y) ^ 0xFFFFFF) & 0xFFFFFF);
                }
    }
}

TEST(Marquee, EveryShowIsTakenOffByItsHide) {
    const QImage before = pattern(40, 30);
    QImage img = before.copy();
    Marquee m;
    // Rubber band: each show removes the previous one first.
    for (QPoint end : {QPoint(10, 10), QPoint(30, 20), QPoint(60, 50), QPoint(-20, 25), QPoint(5, 5)})
        m.show(img, QRect(QPoint(std::min(5, end.x()), 5), QPoint(std::max(5, end.x()), end.y())), 0xFFFFFF);
    EXPECT_EQ(m.rect(), QRect(QPoint(5, 5), QPoint(5, 5)));
    m.hide(img);
    m.hide(img); // a second removal does nothing
    EXPECT_EQ(changed(before, img), 0);
    // The colour it drew with is the one it removes with.
    m.show(img, QRect(0, 0, 12, 9), 0x00FF00);
    m.hide(img);
    EXPECT_EQ(changed(before, img), 0);
    // A forgotten marquee is not removed from a replaced picture.
    m.show(img, QRect(0, 0, 12, 9), 0xFFFFFF);
    img = before.copy();
    m.forget();
    m.hide(img);
    EXPECT_EQ(changed(before, img), 0);
}

} // namespace
