#include "platform/SafeWrite.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

QString FileErrorText(const QFileDevice& file) {
    const int saved = errno;
    const QString qt = file.errorString();
    if (!qt.isEmpty() && qt != QLatin1String("Unknown error"))
        return qt;
    return saved != 0 ? QString::fromLocal8Bit(std::strerror(saved)) : qt;
}

QString WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return FileErrorText(file);
    // flush() before commit(): commit() would rename a file whose buffered
    // tail failed to reach the disk.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = FileErrorText(file);
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return FileErrorText(file);
    return {};
}

QString WriteFailureText(const QString& path, const QString& reason) {
    return QStringLiteral("Cannot write %1: %2").arg(QFileInfo(path).fileName(), reason);
}
