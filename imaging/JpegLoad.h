#pragma once
// Picture loading for the background library: JPEG files through TurboJPEG
// (optionally decoded at a reduced scale, which is much faster for
// thumbnails), every other format through QImageReader. Results are always
// QImage::Format_RGB32, or a null image when the file cannot be read as a
// picture. Never throws.
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// The whole picture at its own size.
QImage LoadPicture(const QString& fileName);
QImage LoadPictureData(const QByteArray& data);

// The picture decoded at the smallest reduced scale that is still at least
// minSize in both directions (or at full size when the picture is smaller).
// JPEG only uses the decoder's scaling factors (1/8 .. 1); other formats load
// at full size. The caller scales the result further as it needs.
QImage LoadPictureAtLeast(const QString& fileName, QSize minSize);
QImage LoadPictureDataAtLeast(const QByteArray& data, QSize minSize);

// A thumbnail: the picture stretched to size (aspect not kept), smoothly.
// Null when the file is not a readable picture.
QImage LoadThumbnail(const QString& fileName, QSize size);

// True when the bytes start like a JPEG file (SOI marker FF D8 FF).
bool LooksLikeJpeg(const QByteArray& data);
