#pragma once
// Convenience forms of loadPicture (PictureLoader.h) for callers that only
// need the picture: the default budget applies, failures give a null image.
// Results are always QImage::Format_RGB32. Never throws.
#include "imaging/PictureLoader.h"

// The whole picture at its own size.
QImage LoadPicture(const QString& fileName);
QImage LoadPictureData(const QByteArray& data);

// The picture decoded at the smallest reduced scale that is still at least
// minSize in both directions (or at full size when the picture is smaller).
// The caller scales the result further as it needs. When fullSize is given
// it receives the picture's own size (invalid on failure).
QImage LoadPictureAtLeast(const QString& fileName, QSize minSize, QSize* fullSize = nullptr);
QImage LoadPictureDataAtLeast(const QByteArray& data, QSize minSize, QSize* fullSize = nullptr);

// A thumbnail: the picture stretched to size (aspect not kept), smoothly.
// Null when the file is not a readable picture.
QImage LoadThumbnail(const QString& fileName, QSize size);
