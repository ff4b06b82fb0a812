// The 24-bit bitmap: layout, .bmp writer, copies in and out, resampling, noise.
#include "imaging/DIBSection.h"
#include "platform/AppError.h"
#include "platform/Random.h"
#include "platform/Surface.h"
#include "tests/support/TempAppFolder.h"

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <gtest/gtest.h>
#include <csignal>
#include <sys/resource.h>

namespace {

QImage Pattern(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb((x * 37 + y * 11) & 255, (x * 5 + y * 71) & 255, (x * 13 + y * 3 + 7) & 255));
    return img;
}

quint32 LE32(const QByteArray& b, int at) { return qFromLittleEndian<quint32>(b.constData() + at); }
quint16 LE16(const QByteArray& b, int at) { return qFromLittleEndian<quint16>(b.constData() + at); }

} // namespace

TEST(DIBSection, BytesPerScanLineRoundsRowsUpToFourBytes) {
    const struct { int width, expected; } cases[] = {{1, 4}, {2, 8}, {3, 12}, {4, 12}, {5, 16}, {100, 300}};
    for (const auto& c : cases) {
        cDIBSection d;
        ASSERT_TRUE(d.Create(c.width, 2));
        EXPECT_EQ(d.BytesPerScanLine(), c.expected) << "width " << c.width;
    }
}

TEST(DIBSection, CreateRejectsEmptySizesAndOverflow) {
    cDIBSection d;
    EXPECT_FALSE(d.Create(0, 5));
    EXPECT_FALSE(d.Create(5, -1));
    EXPECT_TRUE(d.IsEmpty());
    try {
        d.Create(800000000, 1); // width * 3 beyond 32 bits
        FAIL() << "no overflow";
    } catch (const AppError& e) {
        EXPECT_EQ(e.number, 6);
    }
}

TEST(DIBSection, HeaderDescribesTheBuffer) {
    cDIBSection d;
    ASSERT_TRUE(d.Create(5, 3));
    const QByteArray info = d.BitmapInfo();
    ASSERT_EQ(info.size(), 44);
    EXPECT_EQ(LE32(info, 0), 40u);
    EXPECT_EQ(LE32(info, 4), 5u);
    EXPECT_EQ(LE32(info, 8), 3u); // positive: bottom-up
    EXPECT_EQ(LE16(info, 12), 1u);
    EXPECT_EQ(LE16(info, 14), 24u);
    EXPECT_EQ(LE32(info, 16), 0u);
    EXPECT_EQ(LE32(info, 20), 48u); // 16 * 3
    for (int i = 24; i < 44; ++i)
        EXPECT_EQ(info[i], 0) << i;
    d.ClearUp();
    EXPECT_TRUE(d.IsEmpty());
    EXPECT_EQ(d.Width(), 5); // the header keeps its size
    EXPECT_EQ(d.BytesPerScanLine(), 16);
}

TEST(DIBSection, PixelsAreBottomUpBlueGreenRed) {
    QImage img(2, 2, QImage::Format_RGB32);
    img.setPixel(0, 0, qRgb(1, 2, 3));
    img.setPixel(1, 0, qRgb(4, 5, 6));
    img.setPixel(0, 1, qRgb(7, 8, 9));
    img.setPixel(1, 1, qRgb(10, 11, 12));
    cDIBSection d;
    d.CreateFromPicture(img);
    const std::uint8_t* p = d.DIBSectionBitsPtr();
    ASSERT_NE(p, nullptr);
    const std::uint8_t expected[16] = {9, 8, 7, 12, 11, 10, 0, 0, 3, 2, 1, 6, 5, 4, 0, 0};
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(p[i], expected[i]) << i;
    EXPECT_EQ(d.ToImage(), img);
}

TEST(DIBSection, SavePictureWritesTheSeventyFourByteFile) {
    TempAppFolder app;
    cDIBSection d;
    d.CreateFromPicture(Pattern(2, 2));
    const QString name = app.file("two.bmp");
    ASSERT_TRUE(d.SavePicture(name));
    const QByteArray f = app.read("two.bmp");
    ASSERT_EQ(f.size(), 74);
    EXPECT_EQ(f.left(2), QByteArray("BM"));
    EXPECT_EQ(LE32(f, 2), 74u);
    EXPECT_EQ(LE32(f, 6), 0u);
    EXPECT_EQ(LE32(f, 10), 58u);
    EXPECT_EQ(f.mid(14, 44), d.BitmapInfo());
    for (int i = 54; i < 58; ++i)
        EXPECT_EQ(f[i], 0);
    EXPECT_EQ(f.mid(58), QByteArray(reinterpret_cast<const char*>(d.DIBSectionBitsPtr()), 16));

    // Replacing a longer file leaves exactly the new bytes.
    cDIBSection big;
    big.CreateFromPicture(Pattern(9, 7));
    ASSERT_TRUE(big.SavePicture(name));
    ASSERT_TRUE(d.SavePicture(name));
    EXPECT_EQ(QFile(name).size(), 74);
    // Qt reads the file back as the same picture.
    QImage back(name);
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), Pattern(2, 2));
}

TEST(DIBSection, SaveIntoMissingFolderRaisesError17AndWritesNothing) {
    TempAppFolder app;
    cDIBSection d;
    d.CreateFromPicture(Pattern(3, 3));
    const QString name = app.file("no/such/folder/x.bmp");
    try {
        d.SavePicture(name);
        FAIL() << "no error";
    } catch (const AppError& e) {
        EXPECT_EQ(e.number, 17);
        EXPECT_TRUE(e.source.endsWith(".cDIBSection")) << e.source.toStdString();
        EXPECT_FALSE(e.source.startsWith(".")) << "program name missing";
        EXPECT_FALSE(e.description.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(name));
    cDIBSection empty;
    EXPECT_FALSE(empty.SavePicture(app.file("empty.bmp")));
}

TEST(DIBSection, AWriteThatRunsOutOfRoomKeepsTheOldFileAndTellsWhy) {
    TempAppFolder app;
    const QString name = app.file("out/old.bmp");
    app.write("out/old.bmp", "old picture");
    cDIBSection d;
    d.CreateFromPicture(Pattern(30, 30)); // 2758 bytes
    // Files of this process may not grow past 1 KB: the write fails as on a full disk.
    rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto previousHandler = signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = d.SavePicture(name);
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(saved);
    EXPECT_EQ(app.read("out/old.bmp"), "old picture");
    EXPECT_EQ(d.LastSaveError(), "File too large");
    EXPECT_EQ(QDir(app.file("out")).entryList(QDir::Files), QStringList{"old.bmp"}); // no temporary file left
}

TEST(DIBSection, PaintAndLoadCopyRectanglesWithoutStretching) {
    cDIBSection d;
    const QImage src = Pattern(6, 4);
    d.CreateFromPicture(src);

    // -1 sizes: the whole bitmap at its own size.
    Surface s(10, 8, Color::White);
    d.PaintPicture(s, 2, 3, -1, -1, 0, 0);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 10; ++x) {
            const bool inside = x >= 2 && x < 8 && y >= 3 && y < 7;
            EXPECT_EQ(s.image().pixel(x, y), inside ? src.pixel(x - 2, y - 3) : qRgb(255, 255, 255)) << x << "," << y;
        }

    // Part of the bitmap, clipped at the target's edge.
    QImage small(3, 3, QImage::Format_RGB32);
    small.fill(Qt::black);
    d.PaintPicture(small, 1, 1, 4, 2, 2, 1);
    EXPECT_EQ(small.pixel(1, 1), src.pixel(2, 1));
    EXPECT_EQ(small.pixel(2, 2), src.pixel(3, 2));
    EXPECT_EQ(small.pixel(0, 0), qRgb(0, 0, 0));

    // LoadPictureBlt from an offset: the rest of the bitmap is untouched.
    cDIBSection e;
    ASSERT_TRUE(e.Create(4, 3));
    e.LoadPictureBlt(src, 3, 2, -1, -1);
    const QImage got = e.ToImage();
    EXPECT_EQ(got.pixel(0, 0), src.pixel(3, 2));
    EXPECT_EQ(got.pixel(2, 1), src.pixel(5, 3));
    EXPECT_EQ(got.pixel(3, 0), qRgb(0, 0, 0)); // source column 6 does not exist
    EXPECT_EQ(got.pixel(0, 2), qRgb(0, 0, 0)); // source row 4 does not exist
}

TEST(DIBSection, ResampleToTheSameSizeIsAnExactCopy) {
    cDIBSection d;
    d.CreateFromPicture(Pattern(7, 5));
    auto copy = d.Resample(5, 7);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->Width(), 7);
    EXPECT_EQ(copy->Height(), 5);
    EXPECT_EQ(std::memcmp(copy->DIBSectionBitsPtr(), d.DIBSectionBitsPtr(), std::size_t(d.BytesPerScanLine()) * 5), 0);
    EXPECT_FALSE(d.Resample(0, 3));
}

TEST(DIBSection, ResampleInterpolatesBilinearlyWithHalvesToEven) {
    // One row; blue channel 0, 100, 200 / 1, 2, 3. sx = (3 - 1) / 4 = 0.5.
    const struct { int b0, b1, b2; int expected[4]; } cases[] = {
        {0, 100, 200, {0, 50, 100, 150}},
        {1, 2, 3, {1, 2, 2, 2}}, // 1.5 -> 2, 2.5 -> 2
        {0, 1, 0, {0, 0, 1, 0}}, // 0.5 -> 0, 0.5 -> 0
    };
    for (const auto& c : cases) {
        cDIBSection d;
        ASSERT_TRUE(d.Create(3, 1));
        std::uint8_t* p = d.DIBSectionBitsPtr();
        p[0] = std::uint8_t(c.b0);
        p[3] = std::uint8_t(c.b1);
        p[6] = std::uint8_t(c.b2);
        auto r = d.Resample(1, 4);
        ASSERT_TRUE(r);
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(r->DIBSectionBitsPtr()[x * 3], c.expected[x]) << c.b0 << "," << c.b1 << " x=" << x;
    }
    // Rows: height 3 -> 2, sy = 1; memory rows 0 and 1 of a vertical ramp.
    cDIBSection v;
    ASSERT_TRUE(v.Create(1, 3));
    for (int y = 0; y < 3; ++y)
        v.DIBSectionBitsPtr()[y * v.BytesPerScanLine() + 2] = std::uint8_t(10 + 20 * y); // red
    auto r = v.Resample(2, 1);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->DIBSectionBitsPtr()[2], 10);
    EXPECT_EQ(r->DIBSectionBitsPtr()[r->BytesPerScanLine() + 2], 30);
}

TEST(DIBSection, RandomiseBitsFillsPixelsButNotPadding) {
    for (const bool gray : {true, false}) {
        cDIBSection d;
        ASSERT_TRUE(d.Create(5, 4)); // 15 bytes + 1 padding byte per row
        Random random;
        d.RandomiseBits(gray, &random);
        const std::uint8_t* p = d.DIBSectionBitsPtr();
        int distinct = 0;
        for (int y = 0; y < 4; ++y) {
            const std::uint8_t* row = p + y * d.BytesPerScanLine();
            EXPECT_EQ(row[15], 0) << "padding";
            for (int x = 0; x < 15; x += 3) {
                if (gray) {
                    EXPECT_EQ(row[x], row[x + 1]);
                    EXPECT_EQ(row[x + 1], row[x + 2]);
                } else {
                    EXPECT_EQ(row[x], 0);
                }
                distinct += row[x + 1] != p[1];
            }
        }
        EXPECT_GT(distinct, 0) << "noise expected";
    }
}
