#pragma once
// Reading a picture file whole, for the paint program's Open and the
// library's import: every format the toolkit's image readers know (PNG,
// JPEG, BMP, GIF, WebP, ...). The size is learnt from the header before
// anything is decoded; pictures beyond the decoding budget are refused, and
// a picture can be decoded straight to a smaller size (JPEG through the
// decoder's own scaling, so a large photo never exists at full size).
// Widget-free; never throws.
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>
#include <optional>

namespace PictureFile {

// The open-file dialogs' filter ("description|pattern" pairs): all pictures
// first, then each kind.
QString openFilter();

struct Header {
    QSize size;        // pixels, as the header declares them
    QByteArray format; // the reader's name for the format, lower case ("png", "jpeg", ...)
};

// The picture's size and format, read from the header only. Nothing when
// the file is missing, unreadable, not a picture, or declares a size beyond
// the budget; `error` (when given) then says why in a sentence for the user.
std::optional<Header> probe(const QString& path, QString* error = nullptr);

// The whole picture, decoded straight to `size` (an empty size: its own
// size). Alpha is kept (QImage::Format_ARGB32 or RGB32). Null, with
// `error` set, when it cannot be decoded.
QImage read(const QString& path, QSize size = QSize(), QString* error = nullptr);

// The picture laid on an opaque background of `back`: QImage::Format_RGB32.
// A picture without an alpha channel is only converted.
QImage flatten(const QImage& picture, const QColor& back);

// The largest size within maxSide x maxSide with the aspect ratio of `size`
// (each side at least 1); `size` itself when it already fits.
QSize fitWithin(QSize size, int maxSide);

// Whether the format (as Header::format) is one the library keeps as it is
// (JPEG and GIF); other formats are converted to JPEG on import.
bool keptAsIs(const QByteArray& format);

} // namespace PictureFile
