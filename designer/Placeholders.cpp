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

QDialog* MakeEditorPlaceholder(QWidget* owner) {
    QDialog* d = makeModal(owner, "AdvencedEditor", QStringLiteral(" HTML Advanced Editor"));
    d->resize(640, 480);
    return d;
}
