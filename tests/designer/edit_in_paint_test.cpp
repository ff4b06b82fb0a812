// "Edit in Paint": the chosen library picture opened in the paint program;
// after Save the list shows the picture and a picture saved over the chosen
// one becomes the background again.
#include "main_window_fixture.h"

#include "imaging/Jpeg.h"
#include "paint/PaintMenus.h"
#include "paint/PaintWindow.h"

#include <QTimer>

namespace {

bool near(QRgb a, QRgb b, int tol = 12) {
    return std::abs(qRed(a) - qRed(b)) <= tol && std::abs(qGreen(a) - qGreen(b)) <= tol &&
           std::abs(qBlue(a) - qBlue(b)) <= tol;
}

// Chooses `picture` of the personal category (its background is fitted).
QComboBox* choosePersonalPicture(MainWindowFixture& f, const QString& picture) {
    QComboBox* cat = f.list("BackCat");
    MainWindowFixture::focus(cat);
    cat->setCurrentIndex(4);
    f.leave();
    QComboBox* pics = f.list("WispletBackImage");
    EXPECT_TRUE(waitUntil([&] { return pics->findText(picture) > 0; }));
    MainWindowFixture::focus(pics);
    pics->setCurrentIndex(pics->findText(picture));
    f.leave();
    return pics;
}

TEST(EditInPaint, SavingOverTheChosenPictureRefitsTheBackground) {
    struct Case {
        const char* name;          // typed into Save's input box
        bool replace;              // answers Yes to the replace question
        QRgb background;           // of MyBackground.jpg afterwards
        QStringList listed;        // the picture list afterwards
    } cases[] = {
        {"sky", true, qRgb(0, 0, 255), {"None", "sky.jpg"}},
        {"sea", false, qRgb(255, 0, 0), {"None", "sea.jpg", "sky.jpg"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MainWindowFixture f;
        QImage red(40, 20, QImage::Format_RGB32);
        red.fill(qRgb(255, 0, 0));
        SaveJpeg(red, f.app.file("backgrounds/personal/sky.jpg"), 100);
        f.open();
        QComboBox* pics = choosePersonalPicture(f, "sky.jpg");
        ASSERT_TRUE(near(QImage(f.backgroundFile()).pixel(10, 10), qRgb(255, 0, 0)));

        f.dialogs.inputAnswers = {QString::fromLatin1(c.name)};
        if (c.replace)
            f.dialogs.messageAnswers = {MsgAnswer::Yes};
        QSize canvas;
        QString proposed;
        QTimer::singleShot(200, [&] {
            auto* paint = qobject_cast<frmPaint*>(QApplication::activeModalWidget());
            if (!paint)
                return;
            canvas = QSize(paint->canvas().width(), paint->canvas().height());
            proposed = paint->proposedName();
            paint->canvas().filledBox(0, 0, 40, 20, Color::rgb(0, 0, 255));
            paint->SetImageBuffer();
            paint->menus().action(QStringLiteral("mnuSave"))->trigger();
            paint->close();
        });
        f.click("EditInPaint"); // returns when the paint window has closed
        EXPECT_EQ(canvas, QSize(40, 20));
        EXPECT_EQ(proposed, QStringLiteral("sky"));
        QStringList listed;
        for (int i = 0; i < pics->count(); ++i)
            listed << pics->itemText(i);
        EXPECT_EQ(listed, c.listed);
        EXPECT_EQ(pics->currentText(), QStringLiteral("sky.jpg")) << "the chosen picture stays chosen";
        EXPECT_TRUE(near(QImage(f.backgroundFile()).pixel(10, 10), c.background));
    }
}

TEST(EditInPaint, NeedsACategoryAndAPicture) {
    MainWindowFixture f;
    f.open();
    f.click("EditInPaint");
    QComboBox* cat = f.list("BackCat");
    MainWindowFixture::focus(cat);
    cat->setCurrentIndex(4);
    f.leave();
    f.trigger("editInPaintMenu"); // Tools, "Edit in Paint"
    EXPECT_EQ(f.dialogs.messages(), (QStringList{"Please select a category", "Please select a picture"}));
}

} // namespace
