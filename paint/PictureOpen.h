#pragma once
// Opening a picture file in the paint program: the file is read and checked,
// a picture larger than the canvas may hold is offered scaled down, and its
// transparent parts are laid on the background colour. Questions and
// messages go through dialogs(). Widget-free apart from the drop filter.
#include "platform/Color.h"

#include <QImage>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QMimeData;
class QWidget;

namespace PictureOpen {

struct Opened {
    QImage picture;  // QImage::Format_RGB32, at most maxSide a side
    QString fileName; // the file's name without its folder ("photo.png")
    QString baseName; // without the extension ("photo"), the name Save proposes
};

// Reads `path` for the canvas. A file that is not a readable picture (or too
// large to decode) shows a message and gives nothing. A picture wider or
// higher than maxSide asks whether to open it scaled down to fit (aspect
// kept); "No" gives nothing. Transparent pixels are laid on `back`.
std::optional<Opened> prepare(QWidget* parent, const QString& path, ColorValue back, int maxSide);

// The status bar's text for the picture: its file name and size in pixels,
// "photo.png  640 x 480"; the size alone when there is no name.
QString statusText(const QString& fileName, QSize size);

// The local file of a drop: the first URL of the data that names a local
// file, or an empty text.
QString droppedFile(const QMimeData* data);

// Accepts drags of local files on the watched widget and hands the dropped
// file's path to `onDrop` (after the drop has finished, so a question shown
// from there does not hold the dragging program).
class DropFilter : public QObject {
public:
    DropFilter(QWidget* target, std::function<void(const QString& path)> onDrop);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const QString&)> onDrop_;
};

} // namespace PictureOpen
