// The Text tool's box on the canvas: typing, Enter, Esc, double-click,
// moving the box, focus loss, and the Font command.
#include "SelectionFakeEnv.h"
#include "paint/TextBoxController.h"
#include "platform/FakeDialogs.h"
#include "tests/platform/SurfaceTestUtil.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct TextTest : ::testing::Test {
    SelectionFakeEnv env;
    FakeDialogs fake;
    void SetUp() override {
        env.chooseTool(Tool::Text);
        env.surface.font.size = 14;
        QApplication::setActiveWindow(&env.win);
    }
    void clickCanvas(QPoint p) { QTest::mouseClick(env.canvasWidget, Qt::LeftButton, Qt::NoModifier, p); }
    void type(const QString& s) { QTest::keyClicks(env.text, s); }
    QRect ink() { return paintedBounds(env.surface, Color::White); }
};

TEST_F(TextTest, EscapeDiscardsAndEnterPrintsOneStep) {
    clickCanvas({10, 12});
    ASSERT_TRUE(env.text->isVisible());
    EXPECT_EQ(env.text->pos(), QPoint(8, 12)) << "the text inside the box starts at the press point";
    EXPECT_TRUE(env.text->hasFocus());
    type("Hello");
    EXPECT_EQ(env.text->text(), QString("Hello"));
    QTest::keyClick(env.text, Qt::Key_Escape);
    EXPECT_FALSE(env.text->isVisible());
    EXPECT_EQ(env.steps, 0);
    EXPECT_TRUE(ink().isEmpty());

    clickCanvas({10, 12});
    EXPECT_TRUE(env.text->text().isEmpty()) << "a new box starts empty";
    type("Hello");
    QTest::keyClick(env.text, Qt::Key_Return);
    EXPECT_FALSE(env.text->isVisible());
    EXPECT_EQ(env.steps, 1);
    EXPECT_GE(ink().left(), 10);
    EXPECT_GE(ink().top(), 12);
    EXPECT_TRUE(env.canvasWidget->hasFocus());
}

TEST_F(TextTest, TheBoxFitsItsTextMeasuredByTheLabel) {
    clickCanvas({5, 5});
    type("W");
    const int one = env.text->width();
    type("WWWW");
    EXPECT_GT(env.text->width(), one);
    QLabel* label = env.win.findChild<QLabel*>(QStringLiteral("lblTextSize"));
    ASSERT_NE(label, nullptr);
    EXPECT_FALSE(label->isVisible());
    EXPECT_EQ(label->text(), QString("WWWWW"));
    EXPECT_EQ(label->font(), env.text->font());
    EXPECT_EQ(env.text->font(), env.surface.qfont());
}

// After a palette click the canvas stays in exclusive-or mode with the
// preview pen; the text must come out in the foreground colour.
TEST_F(TextTest, RedTextAfterAPaletteClickIsRed) {
    env.st.foreColor = Color::rgb(255, 0, 0);
    env.surface.drawMode = Surface::DrawXor;
    env.surface.foreColor = env.st.foreColor ^ env.surface.backColor;
    clickCanvas({4, 4});
    type("HH");
    QTest::keyClick(env.text, Qt::Key_Enter);
    EXPECT_GT(countColor(env.surface, Color::rgb(255, 0, 0), ink()), 20);
    EXPECT_EQ(countColor(env.surface, Color::rgb(0, 255, 255), ink()), 0);
}

TEST_F(TextTest, APressElsewhereMovesTheBoxAndKeepsTheText) {
    clickCanvas({5, 5});
    type("abc");
    clickCanvas({40, 30});
    EXPECT_TRUE(env.text->isVisible());
    EXPECT_EQ(env.text->text(), QString("abc"));
    EXPECT_EQ(env.text->pos(), QPoint(38, 30));
    EXPECT_TRUE(env.text->hasFocus());
    EXPECT_EQ(env.steps, 0);
    QTest::mouseDClick(env.text, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    EXPECT_FALSE(env.text->isVisible());
    EXPECT_EQ(env.steps, 1);
    EXPECT_GE(ink().left(), 40);
}

TEST_F(TextTest, LosingTheFocusToAnotherControlCommits) {
    QLineEdit other(&env.win);
    other.show();
    clickCanvas({5, 5});
    type("xyz");
    other.setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(env.text->isVisible());
    EXPECT_EQ(env.steps, 1);
    EXPECT_FALSE(ink().isEmpty());
}

TEST_F(TextTest, ChoosingAnotherToolCommits) {
    clickCanvas({5, 5});
    type("q");
    env.chooseTool(Tool::SelectArea);
    EXPECT_FALSE(env.text->isVisible());
    EXPECT_EQ(env.steps, 1);
}

TEST_F(TextTest, FontCommandSetsFontAndColourAndRedrawsThePendingPreview) {
    // A pending polygon preview: a line drawn with the canvas's preview pen.
    Surface& c = env.surface;
    env.pending = [&c] { c.line(10, 40, 70, 40); };
    c.drawMode = Surface::DrawXor;
    c.foreColor = env.st.foreColor ^ c.backColor;
    env.pending();
    ASSERT_GT(countColor(c, Color::Black, c.image().rect()), 50);

    FontChoice chosen;
    chosen.name = QStringLiteral("DejaVu Serif");
    chosen.size = 20;
    chosen.bold = true;
    chosen.color = Color::rgb(0, 0, 255);
    fake.fontAnswers.push_back(chosen);
    env.action("mnuFont")->trigger();

    ASSERT_EQ(fake.fontsOffered.size(), 1u);
    EXPECT_EQ(fake.fontsOffered[0].color, Color::Black) << "opened with the foreground, not the preview pen";
    EXPECT_EQ(env.st.foreColor, Color::rgb(0, 0, 255));
    EXPECT_EQ(env.colorChanges, 1);
    EXPECT_EQ(c.font.name, QString("DejaVu Serif"));
    EXPECT_EQ(c.font.size, 20);
    EXPECT_TRUE(c.font.bold);
    EXPECT_EQ(env.text->font(), c.qfont());
    // The preview now shows in the new colour and nothing of the old one.
    EXPECT_EQ(countColor(c, Color::Black, c.image().rect()), 0);
    EXPECT_GT(countColor(c, Color::rgb(0, 0, 255), c.image().rect()), 50);
    env.pending(); // finishing removes the preview entirely
    EXPECT_TRUE(paintedBounds(c, Color::White).isEmpty());
    EXPECT_EQ(env.steps, 0);

    // Cancelled: nothing changes.
    env.action("mnuFont")->trigger();
    EXPECT_EQ(c.font.name, QString("DejaVu Serif"));
    EXPECT_EQ(env.st.foreColor, Color::rgb(0, 0, 255));
    EXPECT_EQ(env.colorChanges, 1);
}

} // namespace
