// Import of every common picture format: PNG, WebP and BMP converted into
// the library's JPEG under their base name (JPEG and GIF are copied as
// before: background_library_test).
#include "designer/BackgroundLibrary.h"
#include "designer/LoadingWindow.h"
#include "platform/AppFolder.h"
#include "platform/FakeDialogs.h"
#include "tests/support/TempAppFolder.h"

#include <QComboBox>
#include <QImageReader>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

bool near(QRgb a, QRgb b, int tol) {
    return std::abs(qRed(a) - qRed(b)) <= tol && std::abs(qGreen(a) - qGreen(b)) <= tol &&
           std::abs(qBlue(a) - qBlue(b)) <= tol;
}

struct ImportFixture {
    TempAppFolder app;
    FakeDialogs dialogs;
    FakeShell shell;
    QComboBox backCat;
    QComboBox backImage;
    BackgroundLibrary lib{&backCat, &backImage, [] { return WispletSettings(); }, nullptr};
    QTemporaryDir outside;

    ImportFixture() {
        backCat.addItems(WispletSettings::backCategories());
        backCat.setCurrentIndex(1); // images
    }
    void import(const QString& path) {
        dialogs.openFileAnswers = {path};
        lib.Import();
    }
};

// 20 x 10: left half red, right half transparent (opaque blue without alpha).
QImage halfRed(bool alpha) {
    QImage img(20, 10, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    img.fill(alpha ? QColor(Qt::transparent) : QColor(Qt::blue));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            img.setPixel(x, y, qRgb(255, 0, 0));
    return img;
}

TEST(ImportPicture, PngWebpAndBmpBecomeJpegUnderTheirBaseName) {
    struct Case {
        const char* file;
        const char* format;
        bool alpha;
        const char* imported;
        QRgb right; // the right half in the library's picture
    } cases[] = {
        {"logo.png", "PNG", true, "logo.jpg", qRgb(255, 255, 255)},
        {"photo.final.webp", "WEBP", true, "photo.final.jpg", qRgb(255, 255, 255)},
        {"scan.bmp", "BMP", false, "scan.jpg", qRgb(0, 0, 255)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        ImportFixture f;
        const QString source = f.outside.filePath(QString::fromLatin1(c.file));
        ASSERT_TRUE(halfRed(c.alpha).save(source, c.format, 100));
        f.import(source);
        EXPECT_EQ(f.dialogs.shown[0].text.section(QLatin1Char('|'), 0, 0),
                  QStringLiteral("Pictures (*.jpg *.jpeg *.png *.gif *.webp *.bmp)"));
        EXPECT_EQ(f.dialogs.messages(), QStringList{QStringLiteral("Your Image has been imported Successfully")});
        const QString target = f.app.file(QStringLiteral("backgrounds/images/") + c.imported);
        QImageReader reader(target);
        EXPECT_EQ(reader.format(), QByteArray("jpeg"));
        const QImage img = reader.read();
        ASSERT_EQ(img.size(), QSize(20, 10));
        EXPECT_TRUE(near(img.pixel(2, 5), qRgb(255, 0, 0), 8));
        EXPECT_TRUE(near(img.pixel(17, 5), c.right, 8));
        EXPECT_FALSE(f.app.exists(QStringLiteral("backgrounds/images/") + c.file));
    }
}

} // namespace
