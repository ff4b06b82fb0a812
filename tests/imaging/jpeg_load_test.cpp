// Picture loading: scaled JPEG decoding, other formats, damaged files.
#include "imaging/Jpeg.h"
#include "imaging/JpegLoad.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// 4 x 2 GIF: left half red, right half blue.
const unsigned char RedBlueGif[] = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x04, 0x00, 0x02, 0x00, 0xf0, 0x00,
                                    0x00, 0xff, 0x00, 0x00, 0x00, 0x00, 0xff, 0x21, 0xf9, 0x04, 0x00, 0x00,
                                    0x00, 0x00, 0x00, 0x2c, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x02, 0x00,
                                    0x00, 0x02, 0x04, 0x04, 0x12, 0x86, 0x05, 0x00, 0x3b};

QByteArray jpegOf(const QImage& img) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.jpg"));
    SaveJpeg(img, path, 100);
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

QImage halves(int w, int h) { // left half red, right half blue
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(qRgb(255, 0, 0));
    for (int y = 0; y < h; ++y)
        for (int x = w / 2; x < w; ++x)
            img.setPixel(x, y, qRgb(0, 0, 255));
    return img;
}

bool near(QRgb a, QRgb b, int tol = 12) {
    return std::abs(qRed(a) - qRed(b)) <= tol && std::abs(qGreen(a) - qGreen(b)) <= tol &&
           std::abs(qBlue(a) - qBlue(b)) <= tol;
}

} // namespace

TEST(JpegLoad, PicksSmallestScaleThatIsLargeEnough) {
    const QByteArray big = jpegOf(halves(2000, 1500));
    const QByteArray tiny = jpegOf(halves(20, 10));
    struct Case { const QByteArray* data; QSize min; QSize expected; } cases[] = {
        {&big, QSize(32, 32), QSize(250, 188)},   // 1/8
        {&big, QSize(300, 100), QSize(500, 375)}, // 1/4 (250 < 300)
        {&big, QSize(1000, 1000), QSize(1500, 1125)}, // 3/4
        {&big, QSize(1900, 10), QSize(2000, 1500)},   // 7/8 too small: full size
        {&big, QSize(), QSize(2000, 1500)},       // no minimum: full size
        {&tiny, QSize(32, 32), QSize(20, 10)},    // never enlarged
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.min.width() << "x" << c.min.height());
        const QImage img = LoadPictureDataAtLeast(*c.data, c.min);
        ASSERT_FALSE(img.isNull());
        EXPECT_EQ(img.size(), c.expected);
        EXPECT_EQ(img.format(), QImage::Format_RGB32);
        EXPECT_TRUE(near(img.pixel(2, 2), qRgb(255, 0, 0)));
        EXPECT_TRUE(near(img.pixel(img.width() - 3, img.height() - 3), qRgb(0, 0, 255)));
    }
}

TEST(JpegLoad, DecodeSizeIsSmallestEighthsScaleCoveringTheTarget) {
    struct Case { QSize full, target, expected; } cases[] = {
        {{2000, 1500}, {1000, 1000}, {1500, 1125}}, // 3/4
        {{2000, 1500}, {112, 62}, {250, 188}},      // 1/8, 187.5 rounded up
        {{2000, 1500}, {251, 10}, {500, 375}},      // 1/8 one pixel short: 1/4
        {{2000, 1500}, {10, 1126}, {1750, 1313}},   // 7/8 (1312.5 up)
        {{2000, 1500}, {2000, 1500}, {2000, 1500}}, // exactly full
        {{2000, 1500}, {4000, 3000}, {2000, 1500}}, // larger: full, never enlarged
        {{2000, 1500}, {2100, 1}, {2000, 1500}},    // one side beyond full
        {{2000, 1500}, {}, {2000, 1500}},           // no target: full
        {{2001, 1501}, {1, 1}, {251, 188}},         // odd sides round up
        {{1, 1}, {1, 1}, {1, 1}},
        {{9, 17}, {2, 3}, {2, 3}},                  // 1/8: 9/8 and 17/8 round up
        {{9, 17}, {3, 3}, {3, 5}},                  // 1/4: 9/4 and 17/4 round up
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.full.width() << "x" << c.full.height() << " -> " << c.target.width()
                                        << "x" << c.target.height());
        const QSize got = JpegDecodeSize(c.full, c.target);
        EXPECT_EQ(got, c.expected);
        EXPECT_TRUE(DecodedCovers(got, c.full, c.target));
    }
}

TEST(JpegLoad, DecodedCoversNeedsEachSideTargetOrFull) {
    struct Case { QSize loaded, full, target; bool covers; } cases[] = {
        {{250, 188}, {2000, 1500}, {112, 62}, true},
        {{250, 188}, {2000, 1500}, {251, 62}, false},
        {{250, 188}, {2000, 1500}, {112, 189}, false},
        {{2000, 1500}, {2000, 1500}, {5000, 5000}, true}, // full size covers anything
        {{1750, 1500}, {1750, 1500}, {1000, 9000}, true},
        {{1500, 1125}, {2000, 1500}, {1600, 100}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecodedCovers(c.loaded, c.full, c.target), c.covers)
            << c.loaded.width() << "x" << c.loaded.height() << " for " << c.target.width() << "x"
            << c.target.height();
}

TEST(JpegLoad, ReportsTheFullSizeOfWhatItLoaded) {
    const QByteArray big = jpegOf(halves(2000, 1500));
    const QByteArray gif(reinterpret_cast<const char*>(RedBlueGif), sizeof RedBlueGif);
    struct Case { const QByteArray data; QSize min, loaded, full; } cases[] = {
        {big, QSize(112, 62), QSize(250, 188), QSize(2000, 1500)},
        {big, QSize(), QSize(2000, 1500), QSize(2000, 1500)},
        {gif, QSize(1, 1), QSize(4, 2), QSize(4, 2)}, // other formats: full size
        {QByteArray("junk"), QSize(1, 1), QSize(0, 0), QSize()}, // null picture, no size
    };
    for (const auto& c : cases) {
        QSize full(99, 99);
        const QImage img = LoadPictureDataAtLeast(c.data, c.min, &full);
        EXPECT_EQ(img.size(), c.loaded);
        EXPECT_EQ(full, c.full);
    }
}

TEST(JpegLoad, ReadsOtherFormatsAndRejectsGarbage) {
    const QByteArray gif(reinterpret_cast<const char*>(RedBlueGif), sizeof RedBlueGif);
    const QImage g = LoadPictureData(gif);
    ASSERT_EQ(g.size(), QSize(4, 2));
    EXPECT_EQ(g.format(), QImage::Format_RGB32);
    EXPECT_EQ(g.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(g.pixel(3, 1), qRgb(0, 0, 255));

    const QByteArray garbage[] = {
        QByteArray(),
        QByteArray("just some text, not a picture\n"),
        QByteArray::fromHex("FFD8FF") + QByteArray(500, '\x42'), // JPEG start, then junk
        gif.left(12),                                             // GIF header only
    };
    for (const QByteArray& g2 : garbage)
        EXPECT_TRUE(LoadPictureData(g2).isNull()) << g2.left(16).toHex().constData();
}

TEST(JpegLoad, ThumbnailIsStretchedToTheSize) {
    QTemporaryDir dir;
    const QString jpg = dir.filePath(QStringLiteral("a.jpg"));
    SaveJpeg(halves(640, 120), jpg, 100);
    const QString gif = dir.filePath(QStringLiteral("b.gif"));
    QFile f(gif);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(reinterpret_cast<const char*>(RedBlueGif), sizeof RedBlueGif);
    f.close();
    for (const QString& path : {jpg, gif}) {
        SCOPED_TRACE(path.toStdString());
        const QImage t = LoadThumbnail(path, QSize(32, 32));
        ASSERT_EQ(t.size(), QSize(32, 32));
        EXPECT_TRUE(near(t.pixel(3, 16), qRgb(255, 0, 0), 40));
        EXPECT_TRUE(near(t.pixel(28, 16), qRgb(0, 0, 255), 40));
    }
    EXPECT_TRUE(LoadThumbnail(dir.filePath(QStringLiteral("missing.jpg")), QSize(32, 32)).isNull());
}
