#pragma once
// Replacing files whole; the system's reason when that fails.
#include <QByteArray>
#include <QString>

// Writes `bytes` to a temporary file beside `path` and renames it over
// `path` only when complete, so a failure leaves any previous file whole.
// Returns an empty text on success, else the system's reason ("No space
// left on device", "Permission denied", ...).
QString WriteFileAtomically(const QString& path, const QByteArray& bytes);

// "Cannot write <file name>: <reason>" for messages.
QString WriteFailureText(const QString& path, const QString& reason);
