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

// The cursor enlarged for a screen of the given device pixel ratio (1.25,
// 1.5, 2, ...) the way the canvas enlarges pictures: device pixel d shows
// pixel floor((d + 0.5) / ratio). The hot spot moves to the first device
// pixel of its enlarged pixel, so the pointer's tip stays on the pixel the
// tools act on. Unchanged at ratio 1.
CursorImage scaleCursor(const CursorImage& cursor, qreal devicePixelRatio);

// The pointer cursor of a decoded image for a screen of the given ratio: the
// enlarged image, marked with the ratio so it shows at the size it has at
// ratio 1, with its hot spot in the enlarged image's pixels (where the X11
// platform plug-in reads it).
QCursor makeCursor(const CursorImage& cursor, qreal devicePixelRatio = 1.0);

// The cursor of a .cur file, or `fallback` when the file cannot be read.
QCursor loadCursor(const QString& path, Qt::CursorShape fallback = Qt::ArrowCursor, qreal devicePixelRatio = 1.0);
