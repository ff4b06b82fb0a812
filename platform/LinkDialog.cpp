#include "platform/LinkDialog.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

std::optional<LinkChoice> ShowLinkDialog(QWidget* parent, const LinkChoice& current, bool existing) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("LinkDialog"));
    dialog.setWindowTitle(QStringLiteral("Hyperlink"));
    auto* address = new QLineEdit(current.address, &dialog);
    address->setObjectName(QStringLiteral("LinkAddress"));
    address->setPlaceholderText(QStringLiteral("https://example.com/page.html"));
    address->setMinimumWidth(320);
    auto* text = new QLineEdit(current.text, &dialog);
    text->setObjectName(QStringLiteral("LinkText"));
    text->setPlaceholderText(QStringLiteral("the address itself"));
    auto* newWindow = new QCheckBox(QStringLiteral("Open in a &new window"), &dialog);
    newWindow->setObjectName(QStringLiteral("LinkNewWindow"));
    newWindow->setChecked(current.newWindow);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("LinkOk"));
    bool removed = false;
    if (existing) {
        QPushButton* remove = buttons->addButton(QStringLiteral("&Remove Link"), QDialogButtonBox::DestructiveRole);
        remove->setObjectName(QStringLiteral("RemoveLink"));
        QObject::connect(remove, &QPushButton::clicked, &dialog, [&] {
            removed = true;
            dialog.accept();
        });
    }
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto enable = [&] { ok->setEnabled(!address->text().trimmed().isEmpty()); };
    QObject::connect(address, &QLineEdit::textChanged, &dialog, enable);
    enable();

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Address:"), address);
    form->addRow(QStringLiteral("&Text:"), text);
    form->addRow(QString(), newWindow);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(buttons);
    address->setFocus();
    address->selectAll();

    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    LinkChoice answer{address->text(), text->text(), newWindow->isChecked(), removed};
    return answer;
}
