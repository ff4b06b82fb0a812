#pragma once
// The ZIP container of a design file, in memory: writing a list of entries
// and reading them back with every check a file from elsewhere needs (entry
// names, sizes, compression ratio). Works on bytes only; never touches the disk.
#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

struct ArchiveEntry {
    QString name;        // path inside the container, '/' separated
    QByteArray data;
    bool compress = false; // deflate; pictures are already compressed and are stored
};

// Limits a reader enforces on what it unpacks.
struct ArchiveLimits {
    qint64 maxEntrySize = 64LL * 1024 * 1024;  // uncompressed bytes of one entry
    qint64 maxTotalSize = 256LL * 1024 * 1024; // uncompressed bytes of all entries
    int maxRatio = 100;                        // uncompressed / compressed size ...
    qint64 ratioFloor = 1024 * 1024;           // ... checked for entries above this size
    int maxEntries = 4096;
};

struct ArchiveRead {
    QList<ArchiveEntry> entries; // in container order
    QString error;               // empty on success
    bool ok() const { return error.isEmpty(); }
    // The entry of that name, or nothing.
    std::optional<QByteArray> find(const QString& name) const;
};

// The container bytes of `entries`, in the order given. Empty with `error`
// set when the container cannot be made.
QByteArray WriteArchive(const QList<ArchiveEntry>& entries, QString* error = nullptr);

// Every entry of a container. Refuses (with a message for the user) bytes
// that are not a ZIP container, entry names with "..", a leading '/', a
// drive letter or a backslash, duplicate names, and sizes over the limits.
ArchiveRead ReadArchive(const QByteArray& bytes, const ArchiveLimits& limits = {});

// Whether an entry name is a safe relative path: not empty, no backslash, no
// leading '/', no ':' and no "." or ".." component.
bool IsSafeEntryName(const QString& name);
