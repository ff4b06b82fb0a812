#include "platform/UserFolder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

using Hashes = QHash<QString, QByteArray>; // relative path -> sha1 hex

const QString kLibrary = QStringLiteral("backgrounds/");

QByteArray hashOf(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash h(QCryptographicHash::Sha1);
    h.addData(&f);
    return h.result().toHex();
}

Hashes readManifest(const QString& path) {
    Hashes m;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return m;
    while (!f.atEnd()) {
        QByteArray line = f.readLine();
        if (line.endsWith('\n'))
            line.chop(1);
        const qsizetype space = line.indexOf(' ');
        if (space <= 0 || space + 1 >= line.size())
            continue; // a damaged line counts as "never copied"
        m.insert(QString::fromUtf8(line.mid(space + 1)), line.left(space));
    }
    return m;
}

bool writeManifest(const QString& path, const Hashes& m) {
    QStringList names = m.keys();
    names.sort();
    QByteArray text;
    for (const QString& name : names)
        text += m.value(name) + ' ' + name.toUtf8() + '\n';
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(text);
    return f.commit();
}

// Writes a whole copy of `from` at `to` and replaces any file there in one
// step; the copy gets the user's default permissions, not the installed ones.
bool copyFile(const QString& from, const QString& to) {
    QFile src(from);
    if (!src.open(QIODevice::ReadOnly) || !QDir().mkpath(QFileInfo(to).absolutePath()))
        return false;
    QSaveFile dst(to);
    if (!dst.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = src.readAll();
    return dst.write(bytes) == bytes.size() && dst.commit();
}

bool skipped(const QString& rel, const QStringList& skip) {
    return rel == QLatin1String(UserFolder::InstalledMarker) || rel == QLatin1String(UserFolder::Manifest) ||
           skip.contains(rel);
}

} // namespace

namespace UserFolder {

bool canWorkIn(const QString& folder) {
    if (QFileInfo::exists(folder + QLatin1Char('/') + QLatin1String(InstalledMarker)))
        return false;
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

QString defaultLocation() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/wisplet-designer");
}

SyncResult sync(const QString& installed, const QString& user, const QStringList& skip) {
    SyncResult r;
    if (!QFileInfo(installed).isDir() || !QDir().mkpath(user))
        return r;
    const QString manifestPath = user + QLatin1Char('/') + QLatin1String(Manifest);
    const Hashes before = readManifest(manifestPath);
    Hashes after;
    const QDir root(installed);
    QDirIterator it(installed, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString rel = root.relativeFilePath(src);
        const QString dst = user + QLatin1Char('/') + rel;
        if (it.fileInfo().isDir()) {
            if (!QDir().mkpath(dst))
                r.failed << rel;
            continue;
        }
        if (skipped(rel, skip))
            continue;
        const QByteArray now = hashOf(src);
        const bool library = rel.startsWith(kLibrary);
        const auto copied = before.constFind(rel);
        const bool wasCopied = copied != before.constEnd();
        auto place = [&](int& counter) {
            if (copyFile(src, dst)) {
                ++counter;
                after.insert(rel, now);
            } else {
                r.failed << rel;
                if (wasCopied)
                    after.insert(rel, copied.value());
            }
        };
        if (!QFileInfo::exists(dst)) {
            if (library && wasCopied)
                after.insert(rel, copied.value()); // removed by the user: stays removed
            else
                place(r.added);
            continue;
        }
        if (wasCopied && copied.value() == now) {
            after.insert(rel, now);
            continue;
        }
        const QByteArray mine = hashOf(dst);
        if (mine == now) {
            after.insert(rel, now); // already the installed version
        } else if (wasCopied && mine == copied.value() && !library) {
            place(r.refreshed);
        } else {
            ++r.kept; // the user's own file or edit
            if (wasCopied)
                after.insert(rel, copied.value());
        }
    }
    r.ok = after == before || writeManifest(manifestPath, after);
    return r;
}

QString choose(const QString& exeFolder, const QString& user, const QStringList& skip) {
    if (canWorkIn(exeFolder))
        return exeFolder;
    const SyncResult r = sync(exeFolder, user, skip);
    if (!r.ok && !QFileInfo(user).isDir()) {
        qWarning("wisplet-designer: cannot make the folder %s; working in %s", qPrintable(user),
                 qPrintable(exeFolder));
        return exeFolder;
    }
    if (!r.failed.isEmpty())
        qWarning("wisplet-designer: %lld supplied files could not be copied into %s",
                 static_cast<long long>(r.failed.size()), qPrintable(user));
    return user;
}

} // namespace UserFolder
