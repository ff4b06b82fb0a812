#pragma once
// Pointer cursors from Windows .cur (and .ico) files, read without relying on
// an image plug-in: the icon directory, then a BMP (colour bitmap + AND mask)
// or PNG image per entry. The hot spot of a cursor is taken from its entry.
#include <QCursor>
#include <QImage>
#include <QPoint>
#include <QString>
#include <optional>

struct CursorImage {
    QImage image;  // ARGB32; transparent where the mask says so
    QPoint hotSpot;
};

// Decodes the entry closest to 32 x 32 pixels. Nothing for data that is not a
// well-formed cursor or icon file (truncated, wrong header, unsupported depth).
std::optional<CursorImage> decodeCursor(const QByteArray& data);
std::optional<CursorImage> readCursorFile(const QString& path);

// The cursor of a .cur file, or `fallback` when the file cannot be read.
QCursor loadCursor(const QString& path, Qt::CursorShape fallback = Qt::ArrowCursor);
