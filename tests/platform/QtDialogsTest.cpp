// The toolkit dialogs behind dialogs(), driven headless: a timer answers the
// modal box the call opens.
#include "platform/Dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Runs `act` on the first modal dialog once it is shown.
void whenModal(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            act(w);
        }
    });
    timer->start();
}

} // namespace

TEST(QtDialogs, MessageBoxAnswers) {
    struct Case {
        MsgButtons buttons;
        QMessageBox::StandardButton press; // NoButton = close with Esc
        MsgAnswer want;
    } cases[] = {
        {MsgButtons::Ok, QMessageBox::Ok, MsgAnswer::Ok},
        {MsgButtons::Ok, QMessageBox::NoButton, MsgAnswer::Ok},
        {MsgButtons::OkCancel, QMessageBox::Ok, MsgAnswer::Ok},
        {MsgButtons::OkCancel, QMessageBox::NoButton, MsgAnswer::Cancel},
        {MsgButtons::YesNo, QMessageBox::Yes, MsgAnswer::Yes},
        {MsgButtons::YesNo, QMessageBox::No, MsgAnswer::No},
        {MsgButtons::YesNo, QMessageBox::NoButton, MsgAnswer::No},
        {MsgButtons::YesNoCancel, QMessageBox::No, MsgAnswer::No},
        {MsgButtons::YesNoCancel, QMessageBox::NoButton, MsgAnswer::Cancel},
    };
    for (const Case& c : cases) {
        QString title;
        whenModal([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            if (c.press == QMessageBox::NoButton)
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->button(c.press)->click();
        });
        EXPECT_EQ(dialogs().message(nullptr, QStringLiteral("Text"), AppTitle, MsgIcon::Warning, c.buttons), c.want)
            << int(c.buttons) << " " << int(c.press);
        EXPECT_EQ(title, QStringLiteral("Wisplet Dorizized"));
    }
}

TEST(QtDialogs, InputBoxGivesTextOrEmptyOnCancel) {
    for (bool accept : {true, false}) {
        whenModal([&](QWidget* w) {
            auto* box = qobject_cast<QInputDialog*>(w);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->textValue(), QStringLiteral("start"));
            box->setTextValue(QStringLiteral("typed"));
            accept ? box->accept() : box->reject();
        });
        const QString got = dialogs().inputBox(nullptr, QStringLiteral("Name"), QStringLiteral("Title"), QStringLiteral("start"));
        EXPECT_EQ(got, accept ? QStringLiteral("typed") : QString());
    }
}

TEST(QtDialogs, FontDialogReturnsSevenValuesOrCancel) {
    // An installed family, and one known only through substitution.
    // Bold, and regular (whose face may be named "Book" rather than "Normal").
    for (const char* family : {"DejaVu Sans", "Sans Serif"})
    for (bool bold : {true, false})
    for (bool accept : {true, false}) {
        FontChoice start;
        start.name = QString::fromLatin1(family);
        start.size = 12;
        start.bold = bold;
        start.color = Color::rgb(128, 0, 0);
        whenModal([&](QWidget* w) {
            auto* dlg = qobject_cast<QDialog*>(w);
            ASSERT_NE(dlg, nullptr);
            auto* colour = dlg->findChild<QComboBox*>(QStringLiteral("cboFontColor"));
            ASSERT_NE(colour, nullptr);
            EXPECT_EQ(colour->currentText(), QStringLiteral("Maroon"));
            colour->setCurrentIndex(colour->findText(QStringLiteral("Blue")));
            accept ? dlg->accept() : dlg->reject();
        });
        const auto got = dialogs().chooseFont(nullptr, start);
        if (!accept) {
            EXPECT_FALSE(got.has_value());
            continue;
        }
        ASSERT_TRUE(got.has_value());
        EXPECT_EQ(got->bold, bold) << family;
        EXPECT_FALSE(got->italic) << family << " bold " << bold;
        EXPECT_DOUBLE_EQ(got->size, 12);
        EXPECT_EQ(got->color, Color::rgb(0, 0, 255));
    }
}

TEST(QtDialogs, OpenFileKeepsTheLastChosenFile) {
    QTemporaryDir tmp;
    const QString file = tmp.filePath(QStringLiteral("pic.gif"));
    QFile(file).open(QIODevice::WriteOnly);
    const QString filter = QStringLiteral("GIF Images (*.gif)|*.gif|JPEG Images (*.jpg) |*.jpg");
    whenModal([&](QWidget* w) {
        auto* dlg = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(dlg, nullptr);
        EXPECT_EQ(dlg->nameFilters(), (QStringList{QStringLiteral("GIF Images (*.gif)"), QStringLiteral("JPEG Images (*.jpg)")}));
        dlg->setDirectory(tmp.path());
        dlg->selectFile(file);
        QMetaObject::invokeMethod(dlg, "accept");
    });
    EXPECT_EQ(dialogs().openFile(nullptr, QStringLiteral("Open"), filter), file);
    EXPECT_EQ(dialogs().lastFileName, file);
    // The next showing starts in that file's folder; a cancel keeps the name.
    whenModal([&](QWidget* w) {
        auto* dlg = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(dlg, nullptr);
        EXPECT_EQ(QDir(dlg->directory()).canonicalPath(), QDir(tmp.path()).canonicalPath());
        dlg->reject();
    });
    EXPECT_EQ(dialogs().openFile(nullptr, QStringLiteral("Open"), filter), std::nullopt);
    EXPECT_EQ(dialogs().lastFileName, file);
}

TEST(QtDialogs, FolderPickerCanCreateFolders) {
    whenModal([&](QWidget* w) {
        auto* dlg = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(dlg, nullptr);
        EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Pick"));
        EXPECT_EQ(dlg->fileMode(), QFileDialog::Directory);
        EXPECT_FALSE(dlg->testOption(QFileDialog::ReadOnly));
        dlg->reject();
    });
    EXPECT_EQ(dialogs().chooseFolder(nullptr, QStringLiteral("Pick")), std::nullopt);
}

TEST(QtDialogs, LinkDialogFilledAnsweredAndRemoveOnlyForALink) {
    const LinkChoice current{"http://old.example/", "old", true, false};
    const struct {
        bool existing;
        const char* press; // objectName of the button pressed
        std::optional<LinkChoice> answer;
    } cases[] = {
        {true, "LinkOk", LinkChoice{"https://new.example/", "old", false, false}},
        {true, "RemoveLink", LinkChoice{"https://new.example/", "old", false, true}},
        {false, nullptr, std::nullopt}, // cancelled
    };
    for (const auto& c : cases) {
        bool hadRemove = false;
        whenModal([&](QWidget* w) {
            hadRemove = w->findChild<QPushButton*>("RemoveLink") != nullptr;
            EXPECT_EQ(w->findChild<QLineEdit*>("LinkAddress")->text(), current.address);
            EXPECT_EQ(w->findChild<QLineEdit*>("LinkText")->text(), current.text);
            w->findChild<QLineEdit*>("LinkAddress")->setText("https://new.example/");
            w->findChild<QAbstractButton*>("LinkNewWindow")->click();
            if (c.press)
                w->findChild<QPushButton*>(c.press)->click();
            else
                static_cast<QDialog*>(w)->reject();
        });
        const std::optional<LinkChoice> got = dialogs().editLink(nullptr, current, c.existing);
        EXPECT_EQ(hadRemove, c.existing);
        ASSERT_EQ(got.has_value(), c.answer.has_value());
        if (got) {
            EXPECT_EQ(got->address, c.answer->address);
            EXPECT_EQ(got->newWindow, c.answer->newWindow);
            EXPECT_EQ(got->remove, c.answer->remove);
        }
    }
}
