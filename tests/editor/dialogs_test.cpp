// The image and table dialogs, on their own and through the editor.
#include "tests/editor/editor_fixture.h"

#include "designer/ExportCode.h"
#include "editor/ImageDialog.h"
#include "editor/TableDialog.h"
#include "platform/AppFolder.h"
#include "platform/UpDown.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

namespace {
template <class T> T* child(QWidget* w, const char* name) {
    T* found = w->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}
void press(QWidget* w, const char* button) { QTest::mouseClick(child<QPushButton>(w, button), Qt::LeftButton); }

// 1 x 1 GIF: what every "picture" here holds, whatever its name says.
const QByteArray PictureBytes = QByteArray::fromHex("47494638396101000100f00000ff000000000021f90400000000002c00000000"
                                                    "010001000002024401003b");

QString picture(const TempAppFolder& app, const QString& name, const QByteArray& bytes = PictureBytes) {
    app.write("pictures/" + name, bytes);
    return app.file("pictures/" + name);
}
} // namespace

TEST(ImageDialog, ControlsAndInitialValues) {
    EditorFixture f;
    ImageDialog d(nullptr);
    EXPECT_EQ(d.windowTitle(), "Picture");
    auto* align = child<QComboBox>(&d, "ImageAlign");
    EXPECT_TRUE(align->isEditable());
    QStringList items;
    for (int i = 0; i < align->count(); ++i)
        items << align->itemText(i);
    EXPECT_EQ(items, (QStringList{"Default", "Left", "Right", "Texttop", "Absmiddle", "Baseline", "Absbottom",
                                  "Bottom", "Middle", "Top"}));
    EXPECT_EQ(align->currentText(), "Default");
    const std::tuple<const char*, const char*, int> spinners[] = {{"UpDown1", "ImageBorder", 10},
                                                                  {"UpDown2", "ImageSpaceH", 10},
                                                                  {"UpDown3", "ImageSpaceV", 10},
                                                                  {"UpDown4", "imageWidth", 1000},
                                                                  {"UpDown5", "imageHeight", 10}};
    for (auto [spin, box, max] : spinners) {
        UpDown* s = child<UpDown>(&d, spin);
        EXPECT_EQ(s->buddy(), child<QLineEdit>(&d, box)) << spin;
        EXPECT_EQ(s->maximum(), max) << spin;
    }
    EXPECT_EQ(child<QPushButton>(&d, "Insert")->text(), "OK");
    EXPECT_EQ(child<QLineEdit>(&d, "imageWidth")->text(), "");
    EXPECT_EQ(child<QLineEdit>(&d, "ImageBorder")->text(), "0");
}

TEST(ImageDialog, NumberBoxesTakeOnlyDigits) {
    EditorFixture f;
    ImageDialog d(nullptr);
    d.show();
    for (const char* name : {"ImageBorder", "imageWidth", "imageHeight"}) {
        auto* box = child<QLineEdit>(&d, name);
        box->clear();
        box->setFocus();
        QTest::keyClicks(box, "1a-2 .3");
        EXPECT_EQ(box->text(), "123") << name;
    }
    auto* alt = child<QLineEdit>(&d, "ImageAlt");
    QTest::keyClicks(alt, "a b");
    EXPECT_EQ(alt->text(), "a b");
    child<UpDown>(&d, "UpDown4")->stepUp();
    EXPECT_EQ(child<QLineEdit>(&d, "imageWidth")->text(), "124");
}

TEST(ImageDialog, BrowseCopiesNumberedPicturesAndTellsFailures) {
    EditorFixture f;
    ImageDialog d(nullptr);
    auto* src = child<QLineEdit>(&d, "ImageSrc");
    f.dialogs.openFileAnswers = {picture(f.app, "my.photo.JPG")};
    press(&d, "Browse");
    EXPECT_EQ(f.dialogs.shown.back().text, ImageDialog::Filter);
    EXPECT_EQ(src->text(), "Wisplet_Files\\MyImage1.jpg");
    EXPECT_EQ(f.app.read("samples/Wisplet_Files/MyImage1.jpg"), PictureBytes);

    f.dialogs.openFileAnswers = {std::nullopt}; // cancelled: nothing changes
    press(&d, "Browse");
    EXPECT_EQ(AppContext::instance().ImageCount, 1);

    f.dialogs.openFileAnswers = {picture(f.app, "noextension")};
    press(&d, "Browse");
    EXPECT_EQ(f.dialogs.messages().size(), 1);
    EXPECT_EQ(src->text(), "Wisplet_Files\\MyImage1.jpg");

    f.dialogs.openFileAnswers = {picture(f.app, "empty.gif", {})}; // checked before any copy
    press(&d, "Browse");
    ASSERT_EQ(f.dialogs.messages().size(), 2);
    EXPECT_EQ(f.dialogs.messages().back(), "\"empty.gif\" is empty, not a picture.");
    EXPECT_EQ(AppContext::instance().ImageCount, 1);

    // A copy that fails is told once, by the copy, with its reason.
    QDir(f.app.path() + "/samples/Wisplet_Files").removeRecursively();
    f.app.write("samples/Wisplet_Files", "a file where the folder belongs");
    f.dialogs.openFileAnswers = {picture(f.app, "b.gif")};
    press(&d, "Browse");
    ASSERT_EQ(f.dialogs.messages().size(), 3);
    EXPECT_TRUE(f.dialogs.messages().back().startsWith("Cannot copy b.gif: Cannot create the folder"))
        << f.dialogs.messages().back().toStdString();
    EXPECT_EQ(src->text(), "Wisplet_Files\\MyImage1.jpg");
    EXPECT_EQ(AppContext::instance().ImageCount, 2);
}

TEST(ImageDialog, OkComposesOnlyWithAChosenFileAndASource) {
    struct Case {
        const char* name;
        bool fileChosen;
        const char* src;
        QString html;
    } cases[] = {
        {"typed source before any file was chosen", false, "x.gif", ""},
        {"empty source", true, "", ""},
        {"chosen and filled", true, "Wisplet_Files\\MyImage1.gif",
         "<img src=\"Wisplet_Files\\MyImage1.gif\" alt=\"\" align=Default border=0 vspace=0 hspace=0>"},
    };
    for (const Case& c : cases) {
        EditorFixture f;
        if (c.fileChosen)
            f.dialogs.lastFileName = "/somewhere/a.gif";
        ImageDialog d(nullptr);
        child<QLineEdit>(&d, "ImageSrc")->setText(c.src);
        press(&d, "Insert");
        EXPECT_EQ(AppContext::instance().ImageHtml, c.html) << c.name;
        EXPECT_EQ(d.result(), QDialog::Accepted) << c.name;
    }
}

TEST(TableDialog, InsertCancelAndTheRefusedSize) {
    EditorFixture f;
    frmDialog_Table d(nullptr);
    EXPECT_EQ(d.windowTitle(), "Table Editor");
    auto* align = child<AlignList>(&d, "Combo1");
    EXPECT_EQ(align->currentText(), "Left");
    align->showPopup();
    EXPECT_EQ(align->count(), 3);
    align->hidePopup();
    align->showPopup(); // filled again, not added to
    EXPECT_EQ(align->count(), 3);
    align->hidePopup();

    child<QLineEdit>(&d, "Text2")->setText("1000");
    child<QLineEdit>(&d, "Text1")->setText("1000");
    press(&d, "Command1");
    EXPECT_EQ(f.dialogs.messages(), QStringList{TableTooLargeMessage});
    EXPECT_TRUE(AppContext::instance().TableHtml.isEmpty());
    EXPECT_NE(d.result(), QDialog::Accepted);

    child<QLineEdit>(&d, "Text1")->setText("2");
    child<QLineEdit>(&d, "Text2")->setText("1");
    press(&d, "Command1");
    EXPECT_EQ(AppContext::instance().TableHtml,
              "<Table align=\"Left\" cellspacing=\"1\" cellpadding=\"1\" border=\"1\" width=75%>\r\n   <TR>\r\n"
              "      <TD></TD>\r\n      <TD></TD>\r\n   </TR>\r\n</Table>\r\n");
}

TEST(EditorInsertions, TwoPicturesAreNumberedAndExported) {
    EditorFixture f;
    f.open();
    for (const char* name : {"one.gif", "two.JPG"}) {
        f.dialogs.openFileAnswers = {picture(f.app, name)};
        onNextModal([](QDialog* d) {
            press(d, "Browse");
            press(d, "Insert");
        });
        f.click("InsertImage");
    }
    EXPECT_EQ(AppContext::instance().ImageCount, 2);
    ASSERT_EQ(f.fake->inserted.size(), 2);
    EXPECT_TRUE(f.fake->inserted[0].startsWith("<img src=\"Wisplet_Files\\MyImage1.gif\""));
    EXPECT_TRUE(f.fake->inserted[1].startsWith("<img src=\"Wisplet_Files\\MyImage2.jpg\""));
    EXPECT_TRUE(f.editor->isChanged());

    const QStringList exported = ExportSources(f.app.path(), AppContext::instance().ImageCount);
    EXPECT_TRUE(exported.contains("MyImage1.gif"));
    EXPECT_TRUE(exported.contains("MyImage2.jpg"));
}

TEST(EditorInsertions, CancelInsertsNothing) {
    EditorFixture f;
    f.open();
    AppContext::instance().ImageHtml = "<img src=\"stale\">";
    onNextModal([](QDialog* d) { press(d, "Cancel"); });
    f.click("InsertImage");
    onNextModal([](QDialog* d) { press(d, "Command2"); });
    f.click("InsertTable");
    EXPECT_TRUE(f.fake->inserted.isEmpty());
    EXPECT_FALSE(f.editor->isChanged());

    onNextModal([](QDialog* d) { press(d, "Command1"); });
    f.click("InsertTable");
    ASSERT_EQ(f.fake->inserted.size(), 1);
    // As wide as the box, each empty cell a line high.
    EXPECT_EQ(f.fake->inserted[0].count("<TD><br></TD>"), 9);
    EXPECT_TRUE(f.fake->inserted[0].contains(" width=100%>"));
}
