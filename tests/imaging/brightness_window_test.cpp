// The brightness and contrast window with a stand-in main window.
#include "imaging/BrightnessWindow.h"
#include "imaging/PictureBox.h"
#include "platform/FakeDialogs.h"
#include "platform/Surface.h"
#include "tests/support/TempAppFolder.h"

#include <QBuffer>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest/QTest>
#include <gtest/gtest.h>

namespace {

struct FakeBrightnessHost : BrightnessHost {
    QString category = "personal", file = "pic.bmp", width = "300", height = "200";
    QImage picture1;
    int picture1Sets = 0;
    Surface picture2;
    QString backgroundCategory() const override { return category; }
    QString backgroundFileName() const override { return file; }
    QString widthText() const override { return width; }
    QString heightText() const override { return height; }
    void setPicture1(const QImage& p) override {
        picture1 = p;
        ++picture1Sets;
    }
    Surface& Picture2() override { return picture2; }
};

QImage Gradient(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb(x * 255 / std::max(1, w - 1), y * 255 / std::max(1, h - 1), 77));
    return img;
}

QByteArray Bmp(const QImage& img) {
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "BMP");
    return bytes;
}

QByteArray Jpeg(const QImage& img) {
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "JPG", 100);
    return bytes;
}

struct BrightnessWindowTest : ::testing::Test {
    TempAppFolder app;
    FakeDialogs dialogs;
    FakeBrightnessHost host;
    const QImage picture = Gradient(40, 30);
    void SetUp() override {
        app.write("backgrounds/personal/pic.bmp", Bmp(picture));
        QDir().mkpath(app.file("samples/Wisplet_Files"));
    }
    template <class T> static T* child(QWidget& w, const char* name) {
        T* c = w.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
};

} // namespace

TEST_F(BrightnessWindowTest, OpensWithItsControlsAndAnUnchangedResult) {
    frmBrightnessAndContrast w(host);
    EXPECT_EQ(w.windowTitle(), "Brightness And Contrast ");
    auto* contrast = child<QScrollBar>(w, "hscContrast");
    auto* brightness = child<QScrollBar>(w, "hscBrightness");
    ASSERT_TRUE(contrast && brightness);
    const struct { QScrollBar* bar; int min, max, value, small, large; } bars[] = {
        {contrast, 0, 200, 100, 10, 40}, {brightness, 0, 510, 255, 32, 64}};
    for (const auto& b : bars) {
        EXPECT_EQ(b.bar->minimum(), b.min);
        EXPECT_EQ(b.bar->maximum(), b.max);
        EXPECT_EQ(b.bar->value(), b.value);
        EXPECT_EQ(b.bar->singleStep(), b.small);
        EXPECT_EQ(b.bar->pageStep(), b.large);
    }
    EXPECT_EQ(child<QLabel>(w, "lblContrast")->text(), "&Contrast");
    EXPECT_EQ(child<QLabel>(w, "lblBrightness")->text(), "&Brightness");
    EXPECT_EQ(child<QLabel>(w, "lblContrast")->buddy(), contrast);
    EXPECT_EQ(child<QPushButton>(w, "Save")->text(), "Save");
    EXPECT_EQ(child<QPushButton>(w, "Cancel")->text(), "Cancel");
    ASSERT_TRUE(w.loaded());
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_FALSE(child<QPushButton>(w, "Save")->isHidden());
    EXPECT_EQ(w.result().ToImage(), picture);
    EXPECT_EQ(child<PictureBox>(w, "picResult")->surface().image(), picture);
}

TEST_F(BrightnessWindowTest, NothingSelectedShowsTheMessageAndNoSaveButton) {
    const QString files[] = {"", "None", "missing.jpg"};
    for (const QString& f : files) {
        host.file = f;
        FakeDialogs d;
        frmBrightnessAndContrast w(host);
        EXPECT_FALSE(w.loaded());
        EXPECT_EQ(d.messages(), QStringList({"PLease select an Image"})) << f.toStdString();
        EXPECT_EQ(d.shown.at(0).title, AppTitle);
        EXPECT_TRUE(child<QPushButton>(w, "Save")->isHidden());
        child<QScrollBar>(w, "hscBrightness")->setValue(400); // harmless
    }
}

TEST_F(BrightnessWindowTest, AnUnreadablePictureSaysWhyAndOffersNoSave) {
    const struct { const char* file; QByteArray bytes; const char* message; } cases[] = {
        {"cut.jpg", Jpeg(picture).left(700), "The picture \"cut.jpg\" is damaged or incomplete."},
        {"notes.jpg", "some text", "\"notes.jpg\" is not a picture this program can read."},
    };
    for (const auto& c : cases) {
        app.write(QStringLiteral("backgrounds/personal/") + c.file, c.bytes);
        host.file = c.file;
        FakeDialogs d;
        frmBrightnessAndContrast w(host);
        EXPECT_FALSE(w.loaded());
        EXPECT_EQ(d.messages(), QStringList{c.message});
        EXPECT_TRUE(child<QPushButton>(w, "Save")->isHidden());
    }
}

TEST_F(BrightnessWindowTest, AFailedSaveIsToldAndTheWindowStaysOpen) {
    QDir(app.file("samples/Wisplet_Files")).removeRecursively();
    app.write("samples/Wisplet_Files", "a file where the folder belongs");
    frmBrightnessAndContrast w(host);
    bool accepted = false;
    QObject::connect(&w, &QDialog::accepted, [&] { accepted = true; });
    w.Save_Click();
    EXPECT_FALSE(accepted);
    EXPECT_EQ(dialogs.messages(), QStringList{"Cannot write MyBackground.jpg: Not a directory"});
    EXPECT_EQ(dialogs.shown.at(0).title, AppTitle);
}

TEST_F(BrightnessWindowTest, EveryMovementUpdatesTheResult) {
    frmBrightnessAndContrast w(host);
    auto* brightness = child<QScrollBar>(w, "hscBrightness");
    brightness->setValue(510);
    QImage white(40, 30, QImage::Format_RGB32);
    white.fill(qRgb(255, 255, 255));
    EXPECT_EQ(w.result().ToImage(), white);
    EXPECT_EQ(child<PictureBox>(w, "picResult")->surface().image(), white);
    brightness->setValue(255);
    EXPECT_EQ(w.result().ToImage(), picture);
    // A small step with the arrow key moves by 10 on the contrast bar.
    auto* contrast = child<QScrollBar>(w, "hscContrast");
    contrast->setFocus();
    QTest::keyClick(contrast, Qt::Key_Right);
    EXPECT_EQ(contrast->value(), 110);
    EXPECT_DOUBLE_EQ(w.processor().Contrast(), 1.4);
    EXPECT_EQ(w.source().ToImage(), picture); // the source is never changed
}

TEST_F(BrightnessWindowTest, SaveWritesTheAdjustedBackgroundAtTheBoxSize) {
    bool accepted = false;
    {
        frmBrightnessAndContrast w(host);
        QObject::connect(&w, &QDialog::accepted, [&] { accepted = true; });
        child<QScrollBar>(w, "hscBrightness")->setValue(0); // everything black
        QTest::mouseClick(child<QPushButton>(w, "Save"), Qt::LeftButton);
    }
    EXPECT_TRUE(accepted);
    EXPECT_FALSE(app.exists("backgrounds/temp.bmp"));
    ASSERT_EQ(host.picture1Sets, 1);
    EXPECT_EQ(host.picture1.size(), QSize(40, 30));
    EXPECT_EQ(host.picture1.pixel(20, 20), qRgb(0, 0, 0));
    const QImage jpeg(app.file("samples/Wisplet_Files/MyBackground.jpg"));
    ASSERT_FALSE(jpeg.isNull());
    EXPECT_EQ(jpeg.size(), QSize(300, 200));
    EXPECT_LE(qGray(jpeg.pixel(150, 100)), 3);
    // The library picture itself is unchanged.
    EXPECT_EQ(app.read("backgrounds/personal/pic.bmp"), Bmp(picture));
}

TEST_F(BrightnessWindowTest, UnwritableTemporaryFileStillSavesTheAdjustedPicture) {
    // A folder in the way of backgrounds/temp.bmp: the .bmp cannot be
    // written, and the adjusted picture itself must become the background.
    QDir().mkpath(app.file("backgrounds/temp.bmp"));
    host.picture1 = Gradient(5, 5); // what the main window held before
    frmBrightnessAndContrast w(host);
    child<QScrollBar>(w, "hscBrightness")->setValue(510); // everything white
    w.Save_Click();
    ASSERT_EQ(host.picture1Sets, 1);
    EXPECT_EQ(host.picture1.size(), QSize(40, 30));
    EXPECT_EQ(host.picture1.pixel(0, 0), qRgb(255, 255, 255));
    const QImage jpeg(app.file("samples/Wisplet_Files/MyBackground.jpg"));
    ASSERT_FALSE(jpeg.isNull());
    EXPECT_EQ(jpeg.size(), QSize(300, 200));
    EXPECT_GE(qGray(jpeg.pixel(10, 10)), 252);
}

TEST_F(BrightnessWindowTest, CancelAndUnusableSizesWriteNothing) {
    {
        frmBrightnessAndContrast w(host);
        QTest::mouseClick(child<QPushButton>(w, "Cancel"), Qt::LeftButton);
    }
    EXPECT_FALSE(app.exists("samples/Wisplet_Files/MyBackground.jpg"));
    EXPECT_EQ(host.picture1Sets, 0);
    host.width = "abc";
    frmBrightnessAndContrast w(host);
    w.Save_Click();
    EXPECT_FALSE(app.exists("samples/Wisplet_Files/MyBackground.jpg"));
    EXPECT_EQ(host.picture1Sets, 1); // the picture is still handed over
}

TEST(BrightnessWindow, LeadingNumberReadsTheSizeBoxes) {
    const struct { const char* text; double value; } cases[] = {
        {"300", 300}, {" 12.5px", 12.5}, {"", 0}, {"abc", 0}, {"-4", -4}, {"7e1", 70}, {".5", 0.5}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(LeadingNumber(QString::fromLatin1(c.text)), c.value) << c.text;
}
