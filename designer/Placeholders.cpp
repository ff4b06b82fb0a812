#include "designer/Placeholders.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace {
QDialog* makeModal(QWidget* owner, const char* name, const QString& title) {
    auto* d = new QDialog(owner);
    d->setObjectName(QString::fromLatin1(name));
    d->setWindowTitle(title);
    d->setAttribute(Qt::WA_DeleteOnClose);
    d->setWindowModality(Qt::ApplicationModal);
    return d;
}
} // namespace

QDialog* MakePaintPlaceholder(QWidget* owner) {
    QDialog* d = makeModal(owner, "frmPaint", QStringLiteral("Custom Shapes Editor"));
    auto* layout = new QVBoxLayout(d);
    auto* text = new QLabel(QStringLiteral("The custom shapes editor is not available yet."), d);
    text->setObjectName(QStringLiteral("lblNotAvailable"));
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, d);
    QObject::connect(buttons, &QDialogButtonBox::accepted, d, &QDialog::accept);
    layout->addWidget(buttons);
    return d;
}
