#include "platform/AppFolder.h"

#include "platform/UserFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
QString& overridePath() {
    static QString p;
    return p;
}

int deleteBySuffix(const QString& folder, const QString& suffix) {
    int n = 0;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
        if (name.endsWith(suffix, Qt::CaseSensitive) && QFile::remove(dir.filePath(name)))
            ++n;
    }
    return n;
}
} // namespace

namespace AppFolder {

QString path() {
    if (!overridePath().isEmpty())
        return overridePath();
    return QCoreApplication::applicationDirPath();
}

void setPath(const QString& folder) {
    QString p = QDir::fromNativeSeparators(folder);
    while (p.size() > 1 && p.endsWith('/'))
        p.chop(1);
    overridePath() = p;
}

QString settle() {
    const QString exe = QCoreApplication::applicationDirPath();
    setPath(UserFolder::choose(exe, UserFolder::defaultLocation(),
                               {QFileInfo(QCoreApplication::applicationFilePath()).fileName()}));
    return path();
}

QString file(const QString& relative) { return path() + QLatin1Char('/') + relative; }

QString categoryFolder(const QString& category) {
    return file(QLatin1String(Backgrounds) + QLatin1Char('/') + category);
}

int deleteWorkingPictures() {
    const QString folder = file(QLatin1String(WorkingFolder));
    int n = deleteBySuffix(folder, QStringLiteral(".jpg"));
    n += deleteBySuffix(folder, QStringLiteral(".gif"));
    return n;
}

} // namespace AppFolder
