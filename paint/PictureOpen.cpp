#include "paint/PictureOpen.h"

#include "imaging/PictureFile.h"
#include "platform/Dialogs.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace PictureOpen {

std::optional<Opened> prepare(QWidget* parent, const QString& path, ColorValue back, int maxSide) {
    QString error;
    const std::optional<PictureFile::Header> header = PictureFile::probe(path, &error);
    if (!header) {
        dialogs().message(parent, error, AppTitle, MsgIcon::Warning);
        return std::nullopt;
    }
    const QFileInfo info(path);
    const QSize fitted = PictureFile::fitWithin(header->size, maxSide);
    if (fitted != header->size) {
        const QString question =
            QStringLiteral("\"%1\" is %2 x %3 pixels; the canvas holds at most %4 pixels a side.\n"
                           "Do you want to open it scaled down to %5 x %6 pixels?")
                .arg(info.fileName())
                .arg(header->size.width())
                .arg(header->size.height())
                .arg(maxSide)
                .arg(fitted.width())
                .arg(fitted.height());
        if (dialogs().message(parent, question, AppTitle, MsgIcon::Question, MsgButtons::YesNo) != MsgAnswer::Yes)
            return std::nullopt;
    }
    Opened opened;
    opened.picture = PictureFile::read(path, fitted, Color::toQColor(back), &error);
    if (opened.picture.isNull()) {
        dialogs().message(parent, error, AppTitle, MsgIcon::Warning);
        return std::nullopt;
    }
    opened.fileName = info.fileName();
    opened.baseName = info.completeBaseName();
    return opened;
}

QString statusText(const QString& fileName, QSize size) {
    const QString dims = QStringLiteral("%1 x %2").arg(size.width()).arg(size.height());
    return fileName.isEmpty() ? dims : fileName + QStringLiteral("  ") + dims;
}

QString droppedFile(const QMimeData* data) {
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls())
        if (url.isLocalFile() && QFileInfo(url.toLocalFile()).isFile())
            return url.toLocalFile();
    return {};
}

DropFilter::DropFilter(QWidget* target, std::function<void(const QString&)> onDrop)
    : QObject(target), onDrop_(std::move(onDrop)) {
    target->setAcceptDrops(true);
    target->installEventFilter(this);
}

bool DropFilter::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* e = static_cast<QDropEvent*>(event);
        if (droppedFile(e->mimeData()).isEmpty())
            return false;
        e->setDropAction(Qt::CopyAction);
        e->accept();
        return true;
    }
    case QEvent::Drop: {
        auto* e = static_cast<QDropEvent*>(event);
        const QString path = droppedFile(e->mimeData());
        if (path.isEmpty())
            return false;
        e->setDropAction(Qt::CopyAction);
        e->accept();
        QTimer::singleShot(0, this, [this, path] { onDrop_(path); });
        return true;
    }
    default:
        return false;
    }
}

} // namespace PictureOpen
