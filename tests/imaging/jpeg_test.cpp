// The JPEG writer: round trip, sampling, replacement, error text and the
// all-or-nothing replacement of an existing file.
#include "imaging/Jpeg.h"
#include "platform/AppError.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <turbojpeg.h>

#include <csignal>
#include <sys/resource.h>

namespace {

QImage blocks(int w, int h) {
    // Four quadrants: red, green / blue, white.
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const bool right = x >= w / 2, bottom = y >= h / 2;
            row[x] = !bottom ? (right ? qRgb(0, 255, 0) : qRgb(255, 0, 0)) : (right ? qRgb(255, 255, 255) : qRgb(0, 0, 255));
        }
    }
    return img;
}

int maxDiff(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int statusOf(const AppError& e) {
    static const QRegularExpression re(QStringLiteral("^Cannot save the image\\. GDI\\+ Error:(\\d+)$"));
    const auto m = re.match(e.description);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

int saveStatus(const QImage& img, const QString& path, int quality) {
    try {
        SaveJpeg(img, path, quality);
    } catch (const AppError& e) {
        EXPECT_EQ(e.number, 5);
        return statusOf(e);
    }
    return 0;
}

} // namespace

TEST(SaveJpeg, RoundTripKeepsSizeAndColours) {
    QTemporaryDir dir;
    struct Case { int w, h; } cases[] = {{64, 48}, {1, 1}, {113, 62}, {17, 300}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h);
        const QString path = dir.filePath(QStringLiteral("out.jpg"));
        const QImage src = blocks(c.w, c.h);
        ASSERT_EQ(saveStatus(src, path, 100), 0);
        const QImage back = QImage(path).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(back.size(), src.size());
        int worst = 0;
        for (int y = 0; y < c.h; ++y)
            for (int x = 0; x < c.w; ++x)
                worst = std::max(worst, maxDiff(back.pixel(x, y), src.pixel(x, y)));
        // Quality 100 without chroma subsampling keeps even the colour edges.
        EXPECT_LE(worst, 8);
    }
}

TEST(SaveJpeg, WritesBaselineFullChroma) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s.jpg"));
    ASSERT_EQ(saveStatus(blocks(40, 30), path, 100), 0);
    const QByteArray data = readAll(path);
    tjhandle h = tjInitDecompress();
    int w = 0, hh = 0, sub = -1, cs = -1;
    ASSERT_EQ(tjDecompressHeader3(h, reinterpret_cast<const unsigned char*>(data.constData()), data.size(), &w, &hh,
                                  &sub, &cs), 0);
    tjDestroy(h);
    EXPECT_EQ(sub, TJSAMP_444);
    EXPECT_TRUE(data.contains(QByteArray::fromHex("FFC0"))); // baseline frame
    EXPECT_FALSE(data.contains(QByteArray::fromHex("FFC2"))); // not progressive
}

TEST(SaveJpeg, HigherQualityGivesLargerFile) {
    QTemporaryDir dir;
    QImage noisy(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            noisy.setPixel(x, y, qRgb((x * 37 + y * 11) & 255, (x * y) & 255, (x ^ y) * 4 & 255));
    const QString lo = dir.filePath(QStringLiteral("lo.jpg")), hi = dir.filePath(QStringLiteral("hi.jpg"));
    ASSERT_EQ(saveStatus(noisy, lo, 10), 0);
    ASSERT_EQ(saveStatus(noisy, hi, 100), 0);
    EXPECT_LT(QFile(lo).size(), QFile(hi).size());
}

TEST(SaveJpeg, SecondWriteReplacesFirst) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("twice.jpg"));
    QImage red(20, 10, QImage::Format_RGB32);
    red.fill(qRgb(255, 0, 0));
    QImage blue(30, 12, QImage::Format_RGB32);
    blue.fill(qRgb(0, 0, 255));
    ASSERT_EQ(saveStatus(red, path, 100), 0);
    ASSERT_EQ(saveStatus(blue, path, 100), 0);
    const QImage back(path);
    EXPECT_EQ(back.size(), QSize(30, 12));
    EXPECT_LE(maxDiff(back.pixel(5, 5), qRgb(0, 0, 255)), 4);
    // Nothing but the target is left in the folder.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("twice.jpg")});
}

TEST(SaveJpeg, FailuresRaiseErrorFiveWithStatus) {
    QTemporaryDir dir;
    QImage ok(8, 8, QImage::Format_RGB32);
    ok.fill(Qt::gray);
    QImage argb(8, 8, QImage::Format_ARGB32_Premultiplied);
    argb.fill(Qt::gray);
    struct Case { const char* what; QImage img; QString path; int quality; int status; } cases[] = {
        {"missing folder", ok, dir.filePath(QStringLiteral("no/such/folder/x.jpg")), 100, 5},
        {"target is a folder", ok, dir.path(), 100, 5},
        {"null picture", QImage(), dir.filePath(QStringLiteral("n.jpg")), 100, 2},
        {"quality above 100", ok, dir.filePath(QStringLiteral("q.jpg")), 101, 2},
        {"negative quality", ok, dir.filePath(QStringLiteral("q.jpg")), -1, 2},
        {"other pixel format is converted", argb, dir.filePath(QStringLiteral("a.jpg")), 100, 0},
        {"quality 0 is valid", ok, dir.filePath(QStringLiteral("z.jpg")), 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(saveStatus(c.img, c.path, c.quality), c.status);
    }
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("n.jpg"))));
}

// A write that fails half-way (here: the file size limit is hit) leaves the
// previous file byte for byte and no temporary file behind.
TEST(SaveJpeg, FailedWriteKeepsPreviousFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("MyBackground.jpg"));
    QImage small(8, 8, QImage::Format_RGB32);
    small.fill(qRgb(10, 20, 30));
    ASSERT_EQ(saveStatus(small, path, 100), 0);
    const QByteArray before = readAll(path);
    ASSERT_LT(before.size(), 4096);

    QImage big(400, 400, QImage::Format_RGB32);
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 400; ++x)
            big.setPixel(x, y, qRgb((x * 131 + y * 7) & 255, (x * y * 3) & 255, (x + y * 17) & 255));

    rlimit old {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = old;
    tight.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
    const int status = saveStatus(big, path, 100);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(status, 6);
    EXPECT_EQ(readAll(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("MyBackground.jpg")});
}
