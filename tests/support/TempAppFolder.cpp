#include "tests/support/TempAppFolder.h"

#include "platform/AppFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {
void copyTree(const QString& from, const QString& to) {
    QDir().mkpath(to);
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString rel = QDir(from).relativeFilePath(src);
        const QString dst = to + "/" + rel;
        if (it.fileInfo().isDir())
            QDir().mkpath(dst);
        else {
            QDir().mkpath(QFileInfo(dst).absolutePath());
            QFile::copy(src, dst);
        }
    }
}
} // namespace

TempAppFolder::TempAppFolder(bool withResources) : previous_(AppFolder::path()) {
    const QString root = dir_.path();
    for (const char* sub : {"samples/Wisplet_Files", "samples/images", "backgrounds/images", "backgrounds/borders",
                            "backgrounds/shapes", "backgrounds/personal", "Cursors", "help"})
        QDir().mkpath(root + "/" + sub);
    if (withResources)
        copyTree(QStringLiteral(WISPLET_RESOURCES_DIR), root);
    AppFolder::setPath(root);
}

TempAppFolder::~TempAppFolder() { AppFolder::setPath(previous_); }

QString TempAppFolder::path() const { return dir_.path(); }
QString TempAppFolder::file(const QString& rel) const { return dir_.path() + "/" + rel; }

void TempAppFolder::write(const QString& rel, const QByteArray& bytes) const {
    const QString p = file(rel);
    QDir().mkpath(QFileInfo(p).absolutePath());
    QFile f(p);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

QByteArray TempAppFolder::read(const QString& rel) const {
    QFile f(file(rel));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool TempAppFolder::exists(const QString& rel) const { return QFileInfo::exists(file(rel)); }
