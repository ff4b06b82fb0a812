// File > Open... and a picture dropped on the canvas: the canvas takes the
// picture, over-size pictures are offered scaled down, files that are not
// pictures change nothing, the history starts with the opened picture.
#include "paint_window_fixture.h"

#include "paint/PaintHistory.h"

#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

namespace {

using PictureOpenTest = PaintWindowTest;

// 4 x 2 GIF: left half red, right half blue (no writer for GIF in the toolkit).
const unsigned char RedBlueGif[] = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x04, 0x00, 0x02, 0x00, 0xf0, 0x00,
                                    0x00, 0xff, 0x00, 0x00, 0x00, 0x00, 0xff, 0x21, 0xf9, 0x04, 0x00, 0x00,
                                    0x00, 0x00, 0x00, 0x2c, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x02, 0x00,
                                    0x00, 0x02, 0x04, 0x04, 0x12, 0x86, 0x05, 0x00, 0x3b};

bool near(QRgb a, QRgb b, int tol) {
    return std::abs(qRed(a) - qRed(b)) <= tol && std::abs(qGreen(a) - qGreen(b)) <= tol &&
           std::abs(qBlue(a) - qBlue(b)) <= tol;
}

// Left half red, right half blue.
QImage redBlue(QSize size, QImage::Format format = QImage::Format_RGB32) {
    QImage img(size, format);
    img.fill(Qt::blue);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width() / 2; ++x)
            img.setPixel(x, y, qRgb(255, 0, 0));
    return img;
}

struct Files {
    QTemporaryDir dir;
    QString write(const QString& name, const QImage& img, const char* format) const {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(img.save(path, format, 100)) << name.toStdString();
        return path;
    }
    QString raw(const QString& name, const QByteArray& bytes) const {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
};

TEST_F(PictureOpenTest, EachFormatOpensAtItsOwnSize) {
    Files files;
    struct Case {
        const char* name;
        const char* format; // nullptr: the GIF bytes
        QSize size;
        int tolerance;
    } cases[] = {
        {"photo.png", "PNG", {64, 40}, 0},   {"photo.jpg", "JPEG", {64, 40}, 8},
        {"photo.bmp", "BMP", {64, 40}, 0},   {"photo.webp", "WEBP", {64, 40}, 8},
        {"photo.gif", nullptr, {4, 2}, 0},
    };
    open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = c.format ? files.write(c.name, redBlue(c.size), c.format)
                                      : files.raw(c.name, QByteArray(reinterpret_cast<const char*>(RedBlueGif),
                                                                     sizeof RedBlueGif));
        dlg.openFileAnswers = {path};
        action("mnuOpen")->trigger();
        ASSERT_EQ(canvasSize(), c.size);
        EXPECT_EQ(dlg.shown.back().kind, QStringLiteral("openFile"));
        EXPECT_TRUE(dlg.shown.back().text.startsWith(
            QStringLiteral("Pictures (*.jpg *.jpeg *.png *.gif *.webp *.bmp)|")));
        const QImage& img = w->canvas().image();
        EXPECT_TRUE(near(img.pixel(0, 0), qRgb(255, 0, 0), c.tolerance));
        EXPECT_TRUE(near(img.pixel(c.size.width() - 1, c.size.height() - 1), qRgb(0, 0, 255), c.tolerance));
        EXPECT_EQ(w->history().used(), 1) << "the history starts with the opened picture";
        EXPECT_FALSE(action("mnuUndo")->isEnabled());
        EXPECT_FALSE(w->state().changed);
        EXPECT_EQ(w->proposedName(), QStringLiteral("photo"));
        EXPECT_EQ(child<QLabel>(QStringLiteral("staPicture"))->text(),
                  QStringLiteral("%1  %2 x %3").arg(c.name).arg(c.size.width()).arg(c.size.height()));
    }
    EXPECT_TRUE(dlg.messages().isEmpty());
}

TEST_F(PictureOpenTest, TransparencyIsLaidOnTheBackgroundColour) {
    Files files;
    QImage img(10, 10, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    img.setPixel(1, 1, qRgba(255, 0, 0, 255));
    img.setPixel(2, 2, qRgba(0, 0, 255, 128));
    open();
    w->paletteClick(7, Qt::RightButton); // yellow background colour
    ASSERT_EQ(w->state().fillColor, Color::rgb(255, 255, 0));
    ASSERT_TRUE(w->openPicture(files.write(QStringLiteral("logo.png"), img, "PNG")));
    const QImage& canvas = w->canvas().image();
    EXPECT_EQ(canvas.pixel(0, 0), qRgb(255, 255, 0));
    EXPECT_EQ(canvas.pixel(1, 1), qRgb(255, 0, 0));
    EXPECT_TRUE(near(canvas.pixel(2, 2), qRgb(127, 127, 128), 2));
}

TEST_F(PictureOpenTest, AnOverSizePictureIsOfferedScaledDown) {
    Files files;
    const QString path = files.write(QStringLiteral("wide.png"), redBlue({4000, 2000}), "PNG");
    struct Case {
        MsgAnswer answer;
        QSize size;
    } cases[] = {{MsgAnswer::No, {300, 200}}, {MsgAnswer::Yes, {3333, 1667}}};
    open();
    for (const Case& c : cases) {
        dlg.shown.clear();
        dlg.messageAnswers = {c.answer};
        w->openPicture(path);
        ASSERT_EQ(dlg.messages().size(), 1);
        EXPECT_EQ(dlg.messages()[0],
                  QStringLiteral("\"wide.png\" is 4000 x 2000 pixels; the canvas holds at most 3333 pixels a side.\n"
                                 "Do you want to open it scaled down to 3333 x 1667 pixels?"));
        EXPECT_EQ(dlg.shown[0].buttons, MsgButtons::YesNo);
        EXPECT_EQ(canvasSize(), c.size);
    }
    const QImage& img = w->canvas().image();
    EXPECT_TRUE(near(img.pixel(10, 10), qRgb(255, 0, 0), 2));
    EXPECT_TRUE(near(img.pixel(3320, 1660), qRgb(0, 0, 255), 2));
}

TEST_F(PictureOpenTest, WhatIsNotAPictureChangesNothing) {
    Files files;
    const QString cases[] = {files.raw(QStringLiteral("notes.png"), "just some text"),
                             files.raw(QStringLiteral("empty.jpg"), QByteArray()),
                             files.dir.filePath(QStringLiteral("missing.bmp"))};
    open();
    drag({{10, 10}, {60, 10}});
    const QImage before = w->canvas().image();
    const int steps = w->history().used();
    for (const QString& path : cases) {
        SCOPED_TRACE(path.toStdString());
        dlg.shown.clear();
        EXPECT_FALSE(w->openPicture(path));
        ASSERT_EQ(dlg.messages().size(), 1) << "a message, and no question about saving";
        EXPECT_TRUE(dlg.messages()[0].contains(QFileInfo(path).fileName()));
        EXPECT_EQ(w->canvas().image(), before);
        EXPECT_EQ(w->history().used(), steps);
        EXPECT_TRUE(w->state().changed);
    }
}

TEST_F(PictureOpenTest, UndoReturnsToTheOpenedPictureAndSaveProposesItsName) {
    Files files;
    const QString path = files.write(QStringLiteral("my photo.v2.png"), redBlue({120, 80}), "PNG");
    open();
    drag({{10, 10}, {60, 10}});
    dlg.messageAnswers = {MsgAnswer::Cancel}; // an unsaved picture asks first, as New does
    EXPECT_FALSE(w->openPicture(path));
    dlg.messageAnswers = {MsgAnswer::No};
    ASSERT_TRUE(w->openPicture(path));
    EXPECT_EQ(dlg.messages().count(QStringLiteral("Do you want to save the changes?")), 2);
    dlg.shown.clear();
    const QImage opened = w->canvas().image();
    drag({{10, 10}, {60, 10}});
    ASSERT_NE(w->canvas().image(), opened);
    action("mnuUndo")->trigger();
    EXPECT_EQ(w->canvas().image(), opened);
    EXPECT_FALSE(action("mnuUndo")->isEnabled()) << "the opened picture is the first step";

    dlg.inputAnswers = {QStringLiteral("my photo.v2")};
    action("mnuSave")->trigger();
    ASSERT_EQ(dlg.shown[0].kind, QStringLiteral("input"));
    EXPECT_EQ(dlg.shown[0].defaultText, QStringLiteral("my photo.v2"));
    EXPECT_EQ(host.savedPath, folder.file(QStringLiteral("backgrounds/personal/my photo.v2.jpg")));
    EXPECT_EQ(QImage(host.savedPath).size(), QSize(120, 80));
}

TEST_F(PictureOpenTest, APictureDroppedOnTheCanvasOpens) {
    Files files;
    const QString path = files.write(QStringLiteral("dropped.bmp"), redBlue({50, 30}), "BMP");
    open();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QWidget* canvas = w->picPaint();
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(canvas, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(canvas, &drop);
    EXPECT_TRUE(drop.isAccepted());
    QTRY_COMPARE(canvasSize(), QSize(50, 30));
    EXPECT_EQ(w->proposedName(), QStringLiteral("dropped"));
}

} // namespace
