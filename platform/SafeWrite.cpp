#include "platform/SafeWrite.h"

#include <QFileInfo>
#include <QSaveFile>

QString WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

QString WriteFailureText(const QString& path, const QString& reason) {
    return QStringLiteral("Cannot write %1: %2").arg(QFileInfo(path).fileName(), reason);
}
