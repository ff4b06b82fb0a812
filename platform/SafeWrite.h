#pragma once
// Replacing files whole; the system's reason when that fails.
#include <QByteArray>
#include <QString>

class QFileDevice;

// Writes `bytes` to a temporary file beside `path` and renames it over
// `path` only when complete, so a failure leaves any previous file whole.
// Returns an empty text on success, else the system's reason ("No space
// left on device", "Permission denied", ...).
QString WriteFileAtomically(const QString& path, const QByteArray& bytes);

// "Cannot write <file name>: <reason>" for messages.
QString WriteFailureText(const QString& path, const QString& reason);

// The system's reason for the last failure on `file`. Call it right after
// the failing step: when Qt kept no reason (a failed flush says "Unknown
// error"), the reason the system gave last is used.
QString FileErrorText(const QFileDevice& file);
