// The real desktop shell: file copy with a replace question, opening
// documents, starting programs.
#include "platform/Shell.h"

#include "platform/Dialogs.h"
#include "platform/SafeWrite.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>

namespace {

// Where a copy of `source` to `destination` lands: a destination ending in a
// separator, or naming an existing folder, receives the file under its name.
QString copyTarget(const QString& source, const QString& destination) {
    const bool folder = destination.endsWith(QLatin1Char('/')) || destination.endsWith(QLatin1Char('\\')) ||
                        QFileInfo(destination).isDir();
    if (!folder)
        return QDir::cleanPath(QDir::fromNativeSeparators(destination));
    return QDir::cleanPath(QDir::fromNativeSeparators(destination) + QLatin1Char('/') + QFileInfo(source).fileName());
}

// Writes the whole file under a temporary name first, so that a failed copy
// never damages an existing target.
bool copyContents(const QString& source, const QString& target, QString* error) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        *error = in.errorString();
        return false;
    }
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly)) {
        *error = out.errorString();
        return false;
    }
    char buffer[64 * 1024];
    for (;;) {
        const qint64 n = in.read(buffer, sizeof buffer);
        if (n < 0) {
            *error = in.errorString();
            out.cancelWriting();
            return false;
        }
        if (n == 0)
            break;
        if (out.write(buffer, n) != n) {
            *error = out.errorString();
            out.cancelWriting();
            return false;
        }
    }
    // flush() before commit(): commit() would rename a file whose buffered
    // tail failed to reach the disk.
    if (!out.flush()) {
        *error = FileErrorText(out);
        out.cancelWriting();
        return false;
    }
    if (!out.commit()) {
        *error = out.errorString();
        return false;
    }
    return true;
}

} // namespace

CopyResult Shell::copyFile(QWidget* parent, const QString& source, const QString& destination) {
    const QFileInfo src(source);
    const QString target = copyTarget(source, destination);
    auto fail = [&](const QString& why) {
        dialogs().message(parent,
                          QStringLiteral("Cannot copy %1: %2").arg(src.fileName(), why),
                          QStringLiteral("Error Copying File"), MsgIcon::Critical, MsgButtons::Ok);
        return CopyResult::Failed;
    };
    if (!src.isFile())
        return fail(QStringLiteral("Cannot find the specified file."));
    const QFileInfo dst(target);
    if (dst.exists()) {
        if (dst.isDir())
            return fail(QStringLiteral("A folder with this name already exists."));
        // Copying a file onto itself leaves it as it is.
        if (dst.canonicalFilePath() == src.canonicalFilePath())
            return CopyResult::Copied;
        const QString question =
            QStringLiteral("This folder already contains a file named '%1'.\n\n"
                           "Would you like to replace the existing file?")
                .arg(dst.fileName());
        if (dialogs().message(parent, question, QStringLiteral("Confirm File Replace"), MsgIcon::Question,
                              MsgButtons::YesNo) != MsgAnswer::Yes)
            return CopyResult::Declined;
    }
    if (!QDir().mkpath(dst.absolutePath()))
        return fail(QStringLiteral("Cannot create the folder %1.").arg(QDir::toNativeSeparators(dst.absolutePath())));
    QString error;
    if (!copyContents(source, target, &error))
        return fail(error);
    return CopyResult::Copied;
}

bool Shell::openDocument(const QString& path) {
    if (path.isEmpty())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
}

bool Shell::openUrl(const QUrl& url) { return url.isValid() && QDesktopServices::openUrl(url); }

bool Shell::startProgram(const QString& program, const QStringList& arguments) {
    if (program.isEmpty())
        return false;
    const QString found = QFileInfo(program).isAbsolute() ? program : findProgram(program);
    return QProcess::startDetached(found.isEmpty() ? program : found, arguments);
}

QString Shell::findProgram(const QString& name) {
    if (name.isEmpty())
        return QString();
    return QStandardPaths::findExecutable(name);
}

namespace {
Shell* installedShell = nullptr;
}

Shell& shell() {
    static Shell real;
    return installedShell ? *installedShell : real;
}

void setShell(Shell* s) { installedShell = s; }
