#pragma once
// The one way pictures a user or the disk hands us are decoded.
//
// Every load first learns the picture's declared size from its header (the
// file is never read whole for that), refuses files and pictures beyond a
// budget, decodes JPEG at the smallest of the decoder's reduced scales that
// still covers the caller's target, bounds the decoder's working memory
// (including the whole-picture coefficient store of progressive JPEG files)
// and reports damaged or truncated files. Results are QImage::Format_RGB32
// with transparent parts shown on white (or the budget's background colour).
// Never throws; safe on any thread.
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

struct PictureBudget {
    // Files larger than this are refused without being read.
    qint64 maxFileBytes = qint64(64) << 20;
    // Largest picture accepted, by its declared size (width x height).
    qint64 maxPixels = qint64(1) << 28;
    // Memory the decoder may need at the chosen scale: the decoded picture
    // plus the decoder's own working store.
    qint64 maxDecodeBytes = qint64(192) << 20;
    // The colour transparent parts are laid on.
    QRgb background = 0xFFFFFFFF;
};

struct PictureLoad {
    QImage image;     // null on failure
    QString error;    // a short message naming the file, empty on success
    QSize fullSize;   // the picture's own size as its header declares it (invalid if unknown)
    bool ok() const { return !image.isNull(); }
};

// The picture in `path`, decoded at the smallest reduced scale that still
// covers `target` on each side (or reaches the full side); an empty target
// means the whole picture at its own size. Only JPEG and formats whose
// reader scales while decoding are reduced; others decode at full size.
PictureLoad loadPicture(const QString& path, QSize target = {}, const PictureBudget& budget = {});

// The same for bytes in memory; `name` is used in messages.
PictureLoad loadPictureData(const QByteArray& data, const QString& name, QSize target = {},
                            const PictureBudget& budget = {});

// The size a JPEG of fullSize is decoded to for minSize: the smallest of the
// decoder's reducing factors (M/8, never above 1) whose result, each side
// rounded up, is at least minSize on both sides or the full side; fullSize
// itself when minSize is empty or no factor qualifies.
QSize JpegDecodeSize(QSize fullSize, QSize minSize);

// True when a picture decoded at `loaded` from one of `fullSize` pixels
// holds all the detail a stretch to `target` can use: each side is at least
// the target's or already the full side.
bool DecodedCovers(QSize loaded, QSize fullSize, QSize target);

// True when the bytes start like a JPEG file (SOI marker FF D8 FF).
bool LooksLikeJpeg(const QByteArray& data);
