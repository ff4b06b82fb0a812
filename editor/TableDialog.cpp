#include "editor/TableDialog.h"

#include "platform/AppContext.h"
#include "platform/Dialogs.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

void AlignList::showPopup() {
    const QString typed = currentText();
    clear();
    addItems({QStringLiteral("Left"), QStringLiteral("Center"), QStringLiteral("Right")});
    const int at = findText(typed);
    if (at >= 0)
        setCurrentIndex(at);
    else
        setEditText(typed);
    QComboBox::showPopup();
}

frmDialog_Table::frmDialog_Table(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("frmDialog_Table"));
    setWindowTitle(QStringLiteral("Table Editor"));
    setWindowModality(Qt::ApplicationModal);
    auto* grid = new QGridLayout(this);
    auto row = [&](int at, const char* labelName, const char* caption, QWidget* field) {
        auto* l = new QLabel(QString::fromLatin1(caption), this);
        l->setObjectName(QString::fromLatin1(labelName));
        grid->addWidget(l, at, 0);
        grid->addWidget(field, at, 1);
    };
    auto box = [this](const char* name, const char* text) {
        auto* b = new QLineEdit(QString::fromLatin1(text), this);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    align_ = new AlignList(this);
    align_->setObjectName(QStringLiteral("Combo1"));
    align_->setEditable(true);
    align_->setEditText(QStringLiteral("Left"));
    border_ = box("combo2", "1");
    spacing_ = box("combo3", "1");
    padding_ = box("combo4", "1");
    rows_ = box("Text2", "3");
    columns_ = box("Text1", "3");
    row(0, "Label4", "Align:", align_);
    row(1, "Label5", "Border:", border_);
    row(2, "Label6", "Cell Spacing:", spacing_);
    row(3, "Label7", "Cell Padding:", padding_);
    row(4, "Label2", "# Of Rows:", rows_);
    row(5, "Label1", "# Of Columns:", columns_);

    auto* insertButton = new QPushButton(QStringLiteral("Insert"), this);
    insertButton->setObjectName(QStringLiteral("Command1"));
    insertButton->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Command2"));
    cancel->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(insertButton);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 6, 0, 1, 2);
    connect(insertButton, &QPushButton::clicked, this, &frmDialog_Table::insert);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

TableFields frmDialog_Table::fields() const {
    TableFields f;
    f.align = align_->currentText();
    f.border = border_->text();
    f.spacing = spacing_->text();
    f.padding = padding_->text();
    f.rows = rows_->text();
    f.columns = columns_->text();
    return f;
}

void frmDialog_Table::insert() {
    const std::optional<QString> html = TableHtmlFor(fields());
    if (!html) {
        dialogs().message(this, TableTooLargeMessage, AppTitle, MsgIcon::Warning);
        return; // the dialog stays open for a smaller size
    }
    AppContext::instance().TableHtml = *html;
    accept();
}
