#pragma once
// Reading a picture file whole, for the paint program's Open and the
// library's import: every format the toolkit's image readers know (PNG,
// JPEG, BMP, GIF, WebP, ...). The size and format are learnt from the header
// first; the decoding goes through the picture loader (its budget and its
// checks), straight to a smaller size where the decoder can.
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
// the file is missing, unreadable or not a picture; `error` (when given)
// then says so in a sentence for the user naming the file.
std::optional<Header> probe(const QString& path, QString* error = nullptr);

// The whole picture at `size` (an empty size: its own size), transparent
// parts laid on `back`: QImage::Format_RGB32. Null, with `error` set to the
// loader's message, when it cannot be decoded or exceeds the budget.
QImage read(const QString& path, QSize size, const QColor& back, QString* error = nullptr);

// The largest size within maxSide x maxSide with the aspect ratio of `size`
// (each side at least 1); `size` itself when it already fits.
QSize fitWithin(QSize size, int maxSide);

// Whether the format (as Header::format) is one the library keeps as it is
// (JPEG and GIF); other formats are converted to JPEG on import.
bool keptAsIs(const QByteArray& format);

} // namespace PictureFile
