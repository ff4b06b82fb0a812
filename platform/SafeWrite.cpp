#include "platform/SafeWrite.h"

#include <QFileInfo>
#include <QSaveFile>

QString WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    // flush() before commit(): commit() would rename a file whose buffered
    // tail failed to reach the disk.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
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
