#pragma once
// Widget-free steps of the background library: listing a category folder,
// the size check and the stretch of the fit. Depends on imaging/ and
// platform/ only.
#include "platform/Color.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

// Names of the plain files of a folder: no folders, no hidden files (names
// starting with '.' or flagged hidden), no sockets/devices. Order: by name
// ignoring case, names equal but for case in code-point order; the listing
// is therefore the same on every file system. A missing folder gives none.
QStringList ListCategoryFiles(const QString& folder);

// The fit's target size, or nothing when the fit must be skipped: a side is
// unknown (empty or non-numeric box), below 1, or above maxSide pixels.
std::optional<QSize> FitTargetSize(std::optional<long long> outerWidth, std::optional<long long> outerHeight,
                                   long long maxSide = 16384);

// The whole source stretched over a target of the given size (aspect not
// kept, smooth filtering) on a background of `back`; a null source gives a
// target all in `back`. Result is QImage::Format_RGB32, null only when the
// size is empty or memory runs out.
QImage FitPicture(const QImage& source, QSize target, ColorValue back);

// A 32 x 32 (or `size`) thumbnail of a picture file, or a blank one in white
// when the file is not a readable picture.
QImage ThumbnailOrBlank(const QString& fileName, QSize size);

// The mark of a library file that is not a readable picture: a grey frame
// with a red cross on white.
QImage BrokenPictureMark(QSize size);

// A thumbnail for each file, in order, or the broken-picture mark for files
// that cannot be read as pictures within the loader's budget. The pictures
// are decoded on up to `threads` threads at once (0: one per processor core,
// at most 8); the result does not depend on the thread count.
QList<QImage> MakeThumbnails(const QStringList& fileNames, QSize size, int threads = 0);

// The file name after the last '/' or '\'.
QString FileNamePart(const QString& path);
