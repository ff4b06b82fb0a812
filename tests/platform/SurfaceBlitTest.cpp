#include "SurfaceTestUtil.h"

#include <gtest/gtest.h>

namespace {

// A 4 x 3 picture whose pixels all differ: colour value x + 16 * y + 1.
QImage numbered(int w = 4, int h = 3) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, Color::toRgb(ColorValue(x + 16 * y + 1)));
    return img;
}

QString dump(const Surface& s) {
    QString out;
    for (int y = 0; y < s.height(); ++y) {
        for (int x = 0; x < s.width(); ++x)
            out += QString::number(s.point(x, y), 16).rightJustified(2, QLatin1Char('0')) + QLatin1Char(' ');
        out += QLatin1Char('|');
    }
    return out;
}

} // namespace

TEST(SurfacePaintPicture, CopiesMirrorsAndStretches) {
    struct Case {
        const char* name;
        int dx, dy, dw, dh, sx, sy, sw, sh;
        const char* want; // rows of the 4 x 3 surface, back colour ff = unchanged
    } cases[] = {
        {"plain", 0, 0, 4, 3, 0, 0, -1, -1, "01 02 03 04 |11 12 13 14 |21 22 23 24 |"},
        {"mirror left-right", 4, 0, -4, 3, 0, 0, -1, -1, "04 03 02 01 |14 13 12 11 |24 23 22 21 |"},
        {"mirror top-bottom", 0, 3, 4, -3, 0, 0, -1, -1, "21 22 23 24 |11 12 13 14 |01 02 03 04 |"},
        {"both", 4, 3, -4, -3, 0, 0, -1, -1, "24 23 22 21 |14 13 12 11 |04 03 02 01 |"},
        {"source rectangle", 1, 1, 2, 2, 2, 1, 2, 2, "ff ff ff ff |ff 13 14 ff |ff 23 24 ff |"},
        {"stretched twice", 0, 0, 4, 2, 0, 0, 2, 1, "01 01 02 02 |01 01 02 02 |ff ff ff ff |"},
        {"shrunk to half", 0, 0, 2, 1, 0, 0, 4, 2, "12 14 ff ff |ff ff ff ff |ff ff ff ff |"},
        {"clipped", -2, 1, 4, 3, 0, 0, -1, -1, "ff ff ff ff |03 04 ff ff |13 14 ff ff |"},
        {"mirrored clipped", 2, 0, -4, 3, 0, 0, -1, -1, "02 01 ff ff |12 11 ff ff |22 21 ff ff |"},
        {"zero width", 0, 0, 0, 3, 0, 0, -1, -1, "ff ff ff ff |ff ff ff ff |ff ff ff ff |"},
    };
    for (const Case& c : cases) {
        Surface s(4, 3, ColorValue(0xFF));
        s.paintPicture(numbered(), c.dx, c.dy, c.dw, c.dh, c.sx, c.sy, c.sw, c.sh);
        EXPECT_EQ(dump(s), QString::fromLatin1(c.want)) << c.name;
    }
}

TEST(SurfacePaintPicture, SourceInvertOnWhiteGivesTheInverse) {
    QImage pic(3, 1, QImage::Format_RGB32);
    pic.setPixel(0, 0, qRgb(0, 0, 0));
    pic.setPixel(1, 0, qRgb(255, 255, 255));
    pic.setPixel(2, 0, qRgb(0x12, 0x34, 0x56));
    Surface s(3, 1, Color::White);
    s.paintPicture(pic, 0, 0, 3, 1, 0, 0, -1, -1, Surface::Rop::SrcInvert);
    EXPECT_EQ(s.point(0, 0), qint64(Color::White));
    EXPECT_EQ(s.point(1, 0), qint64(Color::Black));
    EXPECT_EQ(s.point(2, 0), qint64(Color::rgb(0xED, 0xCB, 0xA9)));
    EXPECT_EQ(qAlpha(s.image().pixel(2, 0)), 255);
    // The same copy again restores the surface.
    s.paintPicture(pic, 0, 0, 3, 1, 0, 0, -1, -1, Surface::Rop::SrcInvert);
    EXPECT_EQ(countColor(s, Color::White, s.image().rect()), 3);
}

TEST(SurfacePaintPicture, OntoItselfReadsTheUnchangedPicture) {
    Surface s(4, 3);
    s.paintPicture(numbered(), 0, 0, 4, 3);
    s.paintPicture(s.image(), 4, 0, -4, 3); // mirror in place
    EXPECT_EQ(dump(s), QStringLiteral("04 03 02 01 |14 13 12 11 |24 23 22 21 |"));
}

TEST(SurfacePaintPicture, OtherPictureFormatsAreConverted) {
    QImage argb(2, 1, QImage::Format_ARGB32);
    argb.setPixel(0, 0, qRgba(10, 20, 30, 255));
    argb.setPixel(1, 0, qRgba(40, 50, 60, 255));
    QImage indexed(2, 1, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(10, 20, 30), qRgb(40, 50, 60)});
    indexed.setPixel(0, 0, 0);
    indexed.setPixel(1, 0, 1);
    for (const QImage& pic : {argb, indexed, argb.convertToFormat(QImage::Format_RGB888)}) {
        Surface s(2, 1);
        s.paintPicture(pic, 0, 0, 2, 1);
        EXPECT_EQ(s.point(0, 0), qint64(Color::rgb(10, 20, 30)));
        EXPECT_EQ(s.point(1, 0), qint64(Color::rgb(40, 50, 60)));
        EXPECT_EQ(qAlpha(s.image().pixel(1, 0)), 255);
    }
}

TEST(SurfacePixels, ReadAndWriteInsideAndOutside) {
    Surface s(5, 4, Color::rgb(1, 2, 3));
    const QPoint outside[] = {{-1, 0}, {0, -1}, {5, 0}, {0, 4}, {INT_MIN, INT_MAX}};
    for (QPoint p : outside) {
        EXPECT_EQ(s.point(p.x(), p.y()), -1);
        s.pset(p.x(), p.y(), Color::Black); // ignored
    }
    EXPECT_EQ(countColor(s, Color::rgb(1, 2, 3), s.image().rect()), 20);
    s.pset(4, 3, Color::rgb(200, 100, 50));
    EXPECT_EQ(s.point(4, 3), qint64(Color::rgb(200, 100, 50)));
    EXPECT_EQ(s.image().pixel(4, 3), qRgb(200, 100, 50));
}

TEST(SurfaceState, ResizeClearAndPicture) {
    Surface s(4, 3, Color::White);
    s.paintPicture(numbered(), 0, 0, 4, 3);
    s.backColor = ColorValue(0xFF);
    s.resize(5, 2); // keeps the overlap, new area in the back colour
    EXPECT_EQ(dump(s), QStringLiteral("01 02 03 04 ff |11 12 13 14 ff |"));
    s.resize(0, -3);
    EXPECT_EQ(s.width(), 1);
    EXPECT_EQ(s.height(), 1);

    s.resize(6, 6);
    s.currentX = 3;
    s.currentY = 4;
    s.clear();
    EXPECT_EQ(countColor(s, ColorValue(0xFF), s.image().rect()), 36);
    EXPECT_EQ(s.currentX, 0);
    EXPECT_EQ(s.currentY, 0);

    // Without automatic sizing the picture is drawn into the present size.
    s.setPicture(numbered());
    EXPECT_EQ(s.width(), 6);
    EXPECT_EQ(s.point(3, 2), qint64(0x24));
    EXPECT_EQ(s.point(5, 5), qint64(0xFF));
    // With it, the surface takes the picture's size.
    s.autoSize = true;
    s.setPicture(numbered());
    EXPECT_EQ(QSize(s.width(), s.height()), QSize(4, 3));
    EXPECT_EQ(s.image().format(), QImage::Format_RGB32);
    // The assigned picture is not drawn on later.
    QImage pic = numbered();
    s.setPicture(pic);
    s.pset(0, 0, Color::Black);
    EXPECT_EQ(pic.pixel(0, 0), Color::toRgb(1));
    // Transparent parts show the back colour; a null picture clears.
    QImage glass(2, 2, QImage::Format_ARGB32);
    glass.fill(Qt::transparent);
    s.setPicture(glass);
    EXPECT_EQ(s.point(1, 1), qint64(0xFF));
    s.pset(0, 0, Color::Black);
    s.setPicture(QImage());
    EXPECT_EQ(s.point(0, 0), qint64(0xFF));
    // Twips are 15 to the pixel.
    s.scaleMode = Surface::ScaleTwips;
    EXPECT_EQ(s.scaleWidth(), 30);
}

TEST(SurfaceState, RefreshCallsTheHook) {
    Surface s;
    s.refresh(); // no hook: nothing happens
    int calls = 0;
    s.onRefresh = [&] { ++calls; };
    s.refresh();
    EXPECT_EQ(calls, 1);
}
