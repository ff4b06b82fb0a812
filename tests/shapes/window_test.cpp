// The predefined shapes window, driven through its controls with scripted dialogs.
#include "shapes/CanvasResize.h"
#include "shapes/DrawBorder.h"
#include "shapes/ShapeSave.h"
#include "shapes/ShapeWidgets.h"
#include "shapes/ShapesHost.h"

#include "platform/AppContext.h"
#include "platform/FakeDialogs.h"
#include "tests/support/TempAppFolder.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>

namespace {

struct FakeHost : ShapesHost {
    QString width = "300", height = "200";
    std::vector<QSize> written;
    QString widthText() const override { return width; }
    QString heightText() const override { return height; }
    void setBoxSize(int w, int h) override { written.emplace_back(w, h); }
};

constexpr ColorValue Red = 0x0000FF;

struct ShapesWindow : ::testing::Test {
    TempAppFolder folder;
    FakeDialogs dlg;
    FakeHost host;

    void SetUp() override { AppContext::instance().reset(); }

    template <class T> static T* child(QWidget& w, const char* name) {
        T* c = w.findChild<T*>(QLatin1String(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    static QSize canvasSize(DrawBorder& w) { return {w.canvasSurface().width(), w.canvasSurface().height()}; }
    static QRgb px(DrawBorder& w, int x, int y) { return w.canvasSurface().image().pixel(x, y) & 0xFFFFFF; }

    // One drag of a handle: press, moves by the given steps (each relative to
    // the handle's place at that moment, as the pointer would be), release.
    static void drag(DrawBorder& w, int handle, const std::vector<QPoint>& steps) {
        auto* h = w.findChild<ResizeHandle*>(QStringLiteral("picPaintResize%1").arg(handle));
        ASSERT_NE(h, nullptr);
        auto send = [&](QEvent::Type type, QPoint pos, Qt::MouseButtons buttons) {
            QMouseEvent e(type, QPointF(pos), h->mapToGlobal(QPointF(pos)), Qt::LeftButton, buttons, Qt::NoModifier);
            QApplication::sendEvent(h, &e);
        };
        const QPoint grip(2, 2);
        send(QEvent::MouseButtonPress, grip, Qt::LeftButton);
        for (const QPoint& s : steps)
            send(QEvent::MouseMove, grip + s, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, grip, Qt::NoButton);
    }
};

TEST_F(ShapesWindow, OpensWithTheBoxSizeAndASmile) {
    AppContext::instance().ShapeBorderWidth = 7; // reset by the load
    AppContext::instance().ShapeFillColor = Red;
    DrawBorder w(host);
    EXPECT_EQ(w.windowTitle(), "Predefined Shapes");
    EXPECT_EQ(canvasSize(w), QSize(300, 200));
    EXPECT_EQ(child<QWidget>(w, "picPaint")->size(), QSize(300, 200));
    EXPECT_EQ(child<QLabel>(w, "lblSize")->text(), "W= 300 , H= 200");
    auto* list = child<QComboBox>(w, "cmbShapes");
    EXPECT_EQ(list->count(), 55);
    EXPECT_EQ(list->currentText(), "Smile");
    EXPECT_EQ(child<QLineEdit>(w, "txtBorderWidth")->text(), "1");
    EXPECT_EQ(child<QToolButton>(w, "cmdBorderColor")->toolTip(), "Border Color");
    EXPECT_EQ(child<QToolButton>(w, "cmdFillColor")->toolTip(), "Background Color");
    const AppContext& ctx = AppContext::instance();
    EXPECT_EQ(ctx.ShapeName, "Smile");
    EXPECT_EQ(ctx.ShapeBorderWidth, 1);
    EXPECT_EQ(ctx.ShapeBorderColor, Color::Black);
    EXPECT_EQ(ctx.ShapeFillColor, Color::White);
    EXPECT_EQ(px(w, 150, 150), 0xFFFFFFu); // white face
    EXPECT_LT(qGray(px(w, 3, 100)), 80);    // thin dark outline at the left of the face
    EXPECT_LT(qGray(px(w, 150, 2)), 80);    // top of the face at 0.01 * 200
    EXPECT_EQ(px(w, 150, 0), 0xFFFFFFu);    // above the outline: background
    // Handles at the right edge, bottom edge and corner.
    EXPECT_EQ(child<QWidget>(w, "picPaintResize0")->pos(), QPoint(308, 148));
    EXPECT_EQ(child<QWidget>(w, "picPaintResize1")->pos(), QPoint(158, 248));
    EXPECT_EQ(child<QWidget>(w, "picPaintResize2")->pos(), QPoint(308, 248));
}

TEST_F(ShapesWindow, BorderWidthBoxTakesOneDigit) {
    DrawBorder w(host);
    child<QComboBox>(w, "cmbShapes")->setCurrentText("Rectangle");
    auto* box = child<QLineEdit>(w, "txtBorderWidth");
    struct Step { QString keys; QString shown; int width; };
    const Step steps[] = {
        {"0", "0", 1},  // 0 draws with 1
        {"7", "7", 7},
        {"4", "4", 4},  // replaces, not "74"
        {"a", "4", 4},  // other keys are swallowed
        {"-", "4", 4},
    };
    for (const Step& s : steps) {
        QTest::keyClicks(box, s.keys);
        EXPECT_EQ(box->text(), s.shown) << s.keys.toStdString();
        EXPECT_EQ(AppContext::instance().ShapeBorderWidth, s.width) << s.keys.toStdString();
    }
    // Width 4 around x = 3 (300 * 0.01) reaches from 1 to 5: columns 2..4
    // fully covered, 1 and 5 half.
    EXPECT_EQ(px(w, 2, 100), 0u);
    EXPECT_EQ(px(w, 4, 100), 0u);
    EXPECT_EQ(px(w, 1, 100), 0x7F7F7Fu);
    EXPECT_EQ(px(w, 6, 100), 0xFFFFFFu);
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), "");
    EXPECT_EQ(AppContext::instance().ShapeBorderWidth, 4);
    EXPECT_EQ(px(w, 2, 100), 0u); // redrawn, still with width 4
    EXPECT_EQ(px(w, 1, 100), 0x7F7F7Fu);
}

TEST_F(ShapesWindow, ResizeHandlesStopAtTheWindowLimits) {
    DrawBorder w(host);
    w.resize(585, 484);
    std::vector<QPoint> right(40, QPoint(10, 3)), down(40, QPoint(3, 10));
    drag(w, 0, right); // handle 0 changes the width only
    // left 8 + width <= 585 - 20: 300 + 25 steps of 10 = 550
    EXPECT_EQ(canvasSize(w), QSize(550, 200));
    drag(w, 1, down); // top 48 + height <= 484 - 40: 390
    EXPECT_EQ(canvasSize(w), QSize(550, 390));
    EXPECT_EQ(child<QLabel>(w, "lblSize")->text(), "W= 550 , H= 390");
    drag(w, 0, {QPoint(-2000, 0)}); // one step past 0 is refused whole
    EXPECT_EQ(canvasSize(w), QSize(550, 390));
    drag(w, 2, {QPoint(-300, -300), QPoint(-249, -89), QPoint(-1, -1)});
    EXPECT_EQ(canvasSize(w), QSize(1, 1)); // the last step would reach 0: refused
    EXPECT_EQ(child<QWidget>(w, "picPaintResize2")->pos(), QPoint(9, 49));
    EXPECT_EQ(child<QWidget>(w, "picPaint")->size(), QSize(1, 1));
}

TEST_F(ShapesWindow, FillColourSurvivesResizing) {
    DrawBorder w(host);
    child<QComboBox>(w, "cmbShapes")->setCurrentText("Cloud Callout");
    dlg.colorAnswers = {Red, std::nullopt}; // chosen, then cancelled
    QTest::mouseClick(child<QToolButton>(w, "cmdFillColor"), Qt::LeftButton);
    EXPECT_EQ(AppContext::instance().ShapeFillColor, Red);
    EXPECT_EQ(px(w, 150, 100), 0xFF0000u);
    QTest::mouseClick(child<QToolButton>(w, "cmdFillColor"), Qt::LeftButton); // cancel keeps red
    EXPECT_EQ(AppContext::instance().ShapeFillColor, Red);
    for (const QPoint step : {QPoint(-60, -40), QPoint(80, 30)}) {
        drag(w, 2, {step});
        const QSize s = canvasSize(w);
        EXPECT_EQ(px(w, s.width() / 2, s.height() / 2), 0xFF0000u) << s.width() << "x" << s.height();
    }
}

TEST_F(ShapesWindow, SaveWritesThePersonalPictureAndSizesTheBox) {
    DrawBorder w(host);
    drag(w, 2, {QPoint(-50, -20)});
    dlg.inputAnswers = {"test"};
    QTest::mouseClick(child<QToolButton>(w, "cmdSaveGif"), Qt::LeftButton);
    ASSERT_FALSE(dlg.shown.empty());
    EXPECT_EQ(dlg.shown[0].kind, "input");
    EXPECT_EQ(dlg.shown[0].text, "Please enter your Image Name");
    EXPECT_EQ(dlg.messages(), QStringList{"Your Picture has been saved under \"Personal\" category."});
    EXPECT_EQ(dlg.shown.back().title, "Save");
    EXPECT_EQ(dlg.shown.back().icon, MsgIcon::Information);
    const QImage saved(folder.file("backgrounds/personal/test.jpg"));
    EXPECT_EQ(saved.size(), QSize(250, 180));
    EXPECT_EQ(host.written, std::vector<QSize>{QSize(250, 180)});
}

TEST_F(ShapesWindow, EmptyNameSavesNothingSilently) {
    DrawBorder w(host);
    dlg.inputAnswers = {""}; // also what a cancelled prompt gives
    QTest::mouseClick(child<QToolButton>(w, "cmdSaveGif"), Qt::LeftButton);
    EXPECT_TRUE(dlg.messages().isEmpty());
    EXPECT_TRUE(host.written.empty());
    EXPECT_TRUE(QDir(folder.file("backgrounds/personal")).isEmpty());
}

TEST_F(ShapesWindow, UnsafeNamesAreRefused) {
    DrawBorder w(host);
    for (const char* name : {"../evil", "..", "a/b", "a\\b", "   ", "x..y", "c:pic", "what?", "tab\tname", ".hidden"}) {
        dlg.shown.clear();
        dlg.inputAnswers = {QString::fromLatin1(name)};
        QTest::mouseClick(child<QToolButton>(w, "cmdSaveGif"), Qt::LeftButton);
        ASSERT_EQ(dlg.messages().size(), 1) << name;
        EXPECT_TRUE(dlg.messages()[0].contains("cannot be used as a picture name")) << name;
        EXPECT_EQ(dlg.shown.back().icon, MsgIcon::Warning);
    }
    EXPECT_TRUE(host.written.empty());
    EXPECT_TRUE(QDir(folder.file("backgrounds/personal")).isEmpty());
    EXPECT_FALSE(folder.exists("backgrounds/evil.jpg"));
    for (const char* ok : {"test", "my picture", "a.b", "Ünïcödé"})
        EXPECT_TRUE(ShapeSave::nameProblem(QString::fromUtf8(ok)).isEmpty()) << ok;
}

TEST_F(ShapesWindow, ReplacingAnExistingPictureIsAsked) {
    folder.write("backgrounds/personal/test.jpg", "old picture");
    DrawBorder w(host);
    dlg.inputAnswers = {"test", "test"};
    dlg.messageAnswers = {MsgAnswer::No};
    QTest::mouseClick(child<QToolButton>(w, "cmdSaveGif"), Qt::LeftButton);
    ASSERT_EQ(dlg.messages().size(), 1);
    EXPECT_EQ(dlg.shown.back().buttons, MsgButtons::YesNo);
    EXPECT_TRUE(dlg.messages()[0].contains("already exists"));
    EXPECT_EQ(folder.read("backgrounds/personal/test.jpg"), "old picture");
    EXPECT_TRUE(host.written.empty());

    dlg.messageAnswers = {MsgAnswer::Yes, MsgAnswer::Ok};
    QTest::mouseClick(child<QToolButton>(w, "cmdSaveGif"), Qt::LeftButton);
    EXPECT_EQ(dlg.messages().last(), "Your Picture has been saved under \"Personal\" category.");
    EXPECT_EQ(QImage(folder.file("backgrounds/personal/test.jpg")).size(), QSize(300, 200));
    EXPECT_EQ(host.written, std::vector<QSize>{QSize(300, 200)});
}

TEST_F(ShapesWindow, FailedSaveIsReportedAndChangesNothing) {
    // The category folder is a file: nothing can be written below it.
    QDir(folder.file("backgrounds/personal")).removeRecursively();
    folder.write("backgrounds/personal", "not a folder");
    DrawBorder w(host);
    dlg.inputAnswers = {"test"};
    QTest::mouseClick(child<QToolButton>(w, "cmdSaveGif"), Qt::LeftButton);
    ASSERT_EQ(dlg.messages().size(), 1);
    EXPECT_TRUE(dlg.messages()[0].startsWith("Cannot save the image...")) << dlg.messages()[0].toStdString();
    EXPECT_TRUE(dlg.messages()[0].contains("Cannot save the image. GDI+ Error:"));
    EXPECT_EQ(dlg.shown.back().icon, MsgIcon::Critical);
    EXPECT_TRUE(host.written.empty());
}

TEST(CanvasResize, SideFromTextReadsLeadingDigits) {
    struct Case { const char* text; int side; };
    for (const Case c : {Case{"300", 300}, Case{" 42 ", 42}, Case{"250px", 250}, Case{"", 1}, Case{"abc", 1},
                         Case{"0", 1}, Case{"999", 999}, Case{"123456", 999}, Case{"-5", 1}}) {
        EXPECT_EQ(CanvasResize::sideFromText(QString::fromLatin1(c.text)), c.side) << c.text;
    }
}

TEST(CanvasResize, DragStepKeepsEachDirectionWithinItsLimits) {
    using namespace CanvasResize;
    const QRect canvas(8, 48, 300, 200);
    const QSize window(585, 484);
    struct Case { Handle h; int dx, dy; QSize out; };
    for (const Case c : {Case{Right, 10, 10, {310, 200}}, Case{Bottom, 10, 10, {300, 210}},
                         Case{Corner, 10, 10, {310, 210}}, Case{Corner, 257, 196, {557, 396}},
                         Case{Corner, 258, 197, {300, 200}}, Case{Corner, 258, 5, {300, 205}},
                         Case{Right, -299, 0, {1, 200}}, Case{Right, -300, 0, {300, 200}}}) {
        EXPECT_EQ(dragStep(c.h, canvas, window, c.dx, c.dy), c.out) << c.h << " " << c.dx << "," << c.dy;
    }
    // Never beyond what the box's width and height accept.
    EXPECT_EQ(dragStep(Corner, QRect(8, 48, 990, 990), QSize(3000, 3000), 20, 20), QSize(990, 990));
}

} // namespace
