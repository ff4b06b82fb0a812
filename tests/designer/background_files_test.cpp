// Widget-free steps of the background library: listing, size check, stretch.
#include "designer/BackgroundFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
void touch(const QString& path, const QByteArray& bytes = "x") {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
} // namespace

TEST(ListCategoryFiles, PlainVisibleFilesInNameOrderIgnoringCase) {
    QTemporaryDir dir;
    for (const char* name : {"b.gif", "A.jpg", "a.jpg", "c.JPG", ".hidden.jpg", "Thumbs.db", "10.jpg", "9.jpg"})
        touch(dir.filePath(QString::fromLatin1(name)));
    QDir(dir.path()).mkdir(QStringLiteral("sub.jpg"));
    QFile::link(dir.filePath(QStringLiteral("missing-target")), dir.filePath(QStringLiteral("dangling.jpg")));

    EXPECT_EQ(ListCategoryFiles(dir.path()),
              (QStringList{"10.jpg", "9.jpg", "A.jpg", "a.jpg", "b.gif", "c.JPG", "Thumbs.db"}));
}

TEST(ListCategoryFiles, MissingOrEmptyFolderGivesNothing) {
    QTemporaryDir dir;
    EXPECT_TRUE(ListCategoryFiles(dir.path()).isEmpty());
    EXPECT_TRUE(ListCategoryFiles(dir.filePath(QStringLiteral("Choose Category"))).isEmpty());
    EXPECT_TRUE(ListCategoryFiles(QString()).isEmpty());
}

TEST(FitTargetSize, SkipsUnknownZeroAndGiganticSizes) {
    using O = std::optional<long long>;
    struct Case { O w, h; std::optional<QSize> expected; } cases[] = {
        {112, 62, QSize(112, 62)},
        {1, 1, QSize(1, 1)},
        {16384, 16384, QSize(16384, 16384)},
        {16385, 10, std::nullopt},
        {10, 16385, std::nullopt},
        {200000010, 200000010, std::nullopt}, // border width 99999999
        {0, 10, std::nullopt},
        {10, 0, std::nullopt},
        {-4, 10, std::nullopt},
        {std::nullopt, 10, std::nullopt}, // empty or non-numeric box
        {10, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w.value_or(-999) << "x" << c.h.value_or(-999));
        EXPECT_EQ(FitTargetSize(c.w, c.h), c.expected);
    }
}

TEST(FitPicture, StretchesWholeSourceWithoutKeepingAspect) {
    QImage src(2, 1, QImage::Format_RGB32); // red | blue
    src.setPixel(0, 0, qRgb(255, 0, 0));
    src.setPixel(1, 0, qRgb(0, 0, 255));
    const QImage out = FitPicture(src, QSize(112, 62), Color::rgb(1, 2, 3));
    ASSERT_EQ(out.size(), QSize(112, 62));
    EXPECT_EQ(out.format(), QImage::Format_RGB32);
    EXPECT_EQ(out.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(out.pixel(5, 61), qRgb(255, 0, 0));
    EXPECT_EQ(out.pixel(111, 0), qRgb(0, 0, 255));
    EXPECT_EQ(out.pixel(106, 61), qRgb(0, 0, 255));
}

TEST(FitPicture, BlankOrTransparentSourceShowsBackColour) {
    const ColorValue back = Color::rgb(10, 200, 30);
    const QImage blank = FitPicture(QImage(), QSize(7, 5), back);
    ASSERT_EQ(blank.size(), QSize(7, 5));
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            ASSERT_EQ(blank.pixel(x, y), qRgb(10, 200, 30));

    QImage clear(4, 4, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    const QImage out = FitPicture(clear, QSize(8, 8), back);
    EXPECT_EQ(out.pixel(3, 3), qRgb(10, 200, 30));

    EXPECT_TRUE(FitPicture(clear, QSize(0, 8), back).isNull());
}

TEST(MakeThumbnails, SameResultOnAnyNumberOfThreads) {
    QTemporaryDir dir;
    QStringList paths;
    for (int i = 0; i < 7; ++i) {
        QImage img(64 + i, 48, QImage::Format_RGB32);
        img.fill(qRgb(30 * i, 255 - 30 * i, 100));
        const QString path = dir.filePath(QStringLiteral("p%1.png").arg(i));
        ASSERT_TRUE(img.save(path));
        paths << path;
    }
    paths << dir.filePath(QStringLiteral("missing.jpg"));
    const QList<QImage> one = MakeThumbnails(paths, QSize(32, 32), 1);
    ASSERT_EQ(one.size(), paths.size());
    for (int threads : {2, 3, 16}) {
        const QList<QImage> many = MakeThumbnails(paths, QSize(32, 32), threads);
        ASSERT_EQ(many.size(), one.size());
        for (int i = 0; i < one.size(); ++i)
            EXPECT_EQ(many[i], one[i]) << threads << " threads, picture " << i;
    }
    EXPECT_EQ(one[2].pixel(5, 5), qRgb(60, 195, 100));
    EXPECT_EQ(one.back().pixel(5, 5), qRgb(255, 255, 255)); // unreadable: blank
    EXPECT_TRUE(MakeThumbnails({}, QSize(32, 32)).isEmpty());
}

TEST(FileNamePart, TakesTextAfterLastSeparator) {
    struct Case { const char* path; const char* name; } cases[] = {
        {"/home/u/Pictures/sky.jpg", "sky.jpg"},
        {"C:\\pics\\sea.gif", "sea.gif"},
        {"mixed/dir\\x.jpg", "x.jpg"},
        {"plain.jpg", "plain.jpg"},
        {"/ends/with/", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FileNamePart(QString::fromLatin1(c.path)), QString::fromLatin1(c.name)) << c.path;
}
