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
// at full size. The caller scales the result further as it needs. When
// fullSize is given it receives the picture's own size (invalid on failure).
QImage LoadPictureAtLeast(const QString& fileName, QSize minSize, QSize* fullSize = nullptr);
QImage LoadPictureDataAtLeast(const QByteArray& data, QSize minSize, QSize* fullSize = nullptr);

// The size a JPEG of fullSize is decoded to for minSize: the smallest of the
// decoder's reducing factors (M/8, never above 1) whose result, each side
// rounded up, is at least minSize on both sides or the full side; fullSize
// itself when minSize is empty or no factor qualifies.
QSize JpegDecodeSize(QSize fullSize, QSize minSize);

// True when a picture decoded at `loaded` from one of `fullSize` pixels
// holds all the detail a stretch to `target` can use: each side is at least
// the target's or already the full side.
bool DecodedCovers(QSize loaded, QSize fullSize, QSize target);

// A thumbnail: the picture stretched to size (aspect not kept), smoothly.
// Null when the file is not a readable picture.
QImage LoadThumbnail(const QString& fileName, QSize size);

// True when the bytes start like a JPEG file (SOI marker FF D8 FF).
bool LooksLikeJpeg(const QByteArray& data);
