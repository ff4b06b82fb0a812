#include "platform/CursorFile.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

void put16(QByteArray& b, int v) { b.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF)); }
void put32(QByteArray& b, quint32 v) { put16(b, int(v & 0xFFFF)); put16(b, int(v >> 16)); }

QByteArray directory(int type, int w, int h, int hotX, int hotY, const QByteArray& image) {
    QByteArray b;
    put16(b, 0);
    put16(b, type);
    put16(b, 1);
    b.append(char(w)).append(char(h)).append(char(0)).append(char(0));
    put16(b, hotX);
    put16(b, hotY);
    put32(b, quint32(image.size()));
    put32(b, 6 + 16);
    return b + image;
}

// A 1-bit 32 x 32 cursor: a black 8 x 8 square at (4, 4) on white, a
// transparent right half, one "invert" pixel at (20, 0).
QByteArray monochromeCursor(int hotX, int hotY) {
    const int w = 32, h = 32;
    QByteArray img;
    put32(img, 40);
    put32(img, w);
    put32(img, h * 2);
    put16(img, 1);
    put16(img, 1);
    for (int i = 0; i < 6; ++i)
        put32(img, 0);
    put32(img, 0x00000000); // palette: 0 black
    put32(img, 0x00FFFFFF); //          1 white
    auto bit = [](QByteArray& rows, int y, int x) { rows[y * 4 + x / 8] = char(rows[y * 4 + x / 8] | (0x80 >> (x % 8))); };
    QByteArray colour(h * 4, 0), mask(h * 4, 0);
    for (int y = 0; y < h; ++y) {
        const int row = h - 1 - y; // bottom-up
        for (int x = 0; x < w; ++x) {
            const bool square = x >= 4 && x < 12 && y >= 4 && y < 12;
            if (x >= 16) {
                bit(mask, row, x); // transparent
                if (x == 20 && y == 0)
                    bit(colour, row, x); // inverts the screen
            } else if (!square) {
                bit(colour, row, x); // white
            }
        }
    }
    return directory(2, w, h, hotX, hotY, img + colour + mask);
}

QByteArray pngCursor(int hotX, int hotY) {
    QImage pic(16, 16, QImage::Format_ARGB32);
    pic.fill(qRgba(255, 0, 0, 255));
    pic.setPixel(0, 0, qRgba(0, 0, 0, 0));
    QByteArray png;
    QBuffer buf(&png);
    buf.open(QIODevice::WriteOnly);
    pic.save(&buf, "PNG");
    return directory(2, 16, 16, hotX, hotY, png);
}

} // namespace

TEST(CursorFile, ReadsBitmapCursorWithMaskAndHotSpot) {
    const auto c = decodeCursor(monochromeCursor(7, 9));
    ASSERT_TRUE(c.has_value());
    EXPECT_EQ(c->image.size(), QSize(32, 32));
    EXPECT_EQ(c->hotSpot, QPoint(7, 9));
    EXPECT_EQ(c->image.pixel(5, 5), qRgba(0, 0, 0, 255));      // square
    EXPECT_EQ(c->image.pixel(0, 0), qRgba(255, 255, 255, 255)); // white, top row is the file's last
    EXPECT_EQ(qAlpha(c->image.pixel(25, 3)), 0);                // transparent half
    EXPECT_EQ(c->image.pixel(20, 0), qRgba(0, 0, 0, 255));      // invert pixel drawn black
}

TEST(CursorFile, ReadsPngCursorAndLoadsFromFile) {
    const auto c = decodeCursor(pngCursor(3, 2));
    ASSERT_TRUE(c.has_value());
    EXPECT_EQ(c->hotSpot, QPoint(3, 2));
    EXPECT_EQ(qAlpha(c->image.pixel(0, 0)), 0);
    EXPECT_EQ(c->image.pixel(5, 5), qRgba(255, 0, 0, 255));

    QTemporaryDir tmp;
    const QString path = tmp.filePath(QStringLiteral("hand.cur"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(monochromeCursor(7, 9));
    f.close();
    const QCursor cur = loadCursor(path);
    EXPECT_EQ(cur.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cur.hotSpot(), QPoint(7, 9));
    EXPECT_EQ(loadCursor(tmp.filePath(QStringLiteral("none.cur")), Qt::CrossCursor).shape(), Qt::CrossCursor);
}

TEST(CursorFile, RejectsDamagedData) {
    const QByteArray good = monochromeCursor(1, 1);
    QByteArray badType = good;
    badType[2] = 7;
    QByteArray badOffset = good;
    badOffset[18] = char(0xF0);
    QByteArray badDepth = good;
    badDepth[22 + 14] = 3;
    // Larger than a cursor can be: a bitmap 1 x 257 (the first fuzzing find) and a PNG 300 x 16.
    QByteArray tall = good;
    qToLittleEndian<quint32>(1, tall.data() + 22 + 4);
    qToLittleEndian<quint32>(514, tall.data() + 22 + 8);
    tall.append(2100, '\0'); // rows enough for it
    QByteArray widePng;
    QBuffer buf(&widePng);
    buf.open(QIODevice::WriteOnly);
    QImage(300, 16, QImage::Format_ARGB32).save(&buf, "PNG");
    const QByteArray samples[] = {QByteArray(), good.left(5), good.left(30), good.left(100), badType, badOffset, badDepth,
                                  QByteArray(200, '\xFF'), tall, directory(2, 0, 16, 0, 0, widePng)};
    for (const QByteArray& s : samples)
        EXPECT_FALSE(decodeCursor(s).has_value()) << s.size();
}

TEST(CursorFile, SurvivesRandomDamage) {
    const QByteArray goods[] = {monochromeCursor(3, 3), pngCursor(1, 1)};
    std::uint32_t state = 2463534242u; // fixed xorshift seed: the same damage every run
    auto next = [&] {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    };
    for (const QByteArray& good : goods)
        for (int round = 0; round < 400; ++round) {
            QByteArray d = good;
            const int hits = 1 + int(next() % 4);
            for (int i = 0; i < hits; ++i)
                d[int(next() % quint32(std::min<qsizetype>(d.size(), 80)))] = char(next());
            const auto c = decodeCursor(d);
            if (c) {
                EXPECT_FALSE(c->image.isNull());
                EXPECT_TRUE(c->image.rect().contains(c->hotSpot));
            }
        }
}
