#pragma once
// The per-user application folder. An installed program's folder is
// read-only for its users, so each user works in a copy of it under the XDG
// data home (~/.local/share/wisplet-designer/), with the same relative layout.
// The copy is made from the installed tree on the first start and completed
// at every later start; after an upgrade a supplied file is refreshed only
// when the user has not changed it, and nothing under backgrounds/ (the
// user's library) is ever replaced.
#include <QString>
#include <QStringList>

namespace UserFolder {

// An installed application folder holds this file (written by the install
// step); the program never works in a folder that holds it.
inline constexpr const char* InstalledMarker = ".wisplet-installed";
// The per-user folder's record of the supplied files as they were copied:
// one line per file, "<sha1 hex> <relative path>".
inline constexpr const char* Manifest = ".wisplet-manifest";

// Whether the program may keep its files in `folder`: false when the folder
// is an installed one (holds InstalledMarker) or is not writable by this user.
bool canWorkIn(const QString& folder);

// <XDG data home>/wisplet-designer, without a trailing separator.
QString defaultLocation();

struct SyncResult {
    bool ok = false;    // the per-user folder exists and its manifest was kept up to date
    int added = 0;      // supplied files copied because the user had none of that name
    int refreshed = 0;  // supplied files replaced by a newer installed version
    int kept = 0;       // supplied files that differ from the installed ones and were left alone
    QStringList failed; // relative paths that could not be copied
};

// Makes or completes `user` from the supplied tree in `installed`. Files named
// in `skip` (relative paths, e.g. the program file) and the two marker files
// are not copied. For every other installed file:
// - missing in `user`: copied, except under backgrounds/ when the manifest
//   shows that it was copied before (the user removed it on purpose);
// - present and unchanged since it was copied: replaced when the installed
//   file differs (outside backgrounds/ only);
// - present and changed by the user, or not copied by us: left alone.
// Files in `user` that are not in the installed tree are never touched.
SyncResult sync(const QString& installed, const QString& user, const QStringList& skip = {});

// The application folder for a program in `exeFolder`: exeFolder itself when
// the program may work there; otherwise `user`, made or completed from
// exeFolder by sync. Falls back to exeFolder when `user` cannot be made.
QString choose(const QString& exeFolder, const QString& user, const QStringList& skip = {});

} // namespace UserFolder
