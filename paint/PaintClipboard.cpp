#include "paint/PaintClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <algorithm>

namespace {

QClipboard* systemClipboard() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::clipboard() : nullptr;
}

// An opaque RGB32 copy: transparent parts of a foreign picture show white,
// like the canvas's background.
QImage opaque(const QImage& picture) {
    const int w = std::min(picture.width(), PaintClipboard::MaxSide);
    const int h = std::min(picture.height(), PaintClipboard::MaxSide);
    if (picture.format() == QImage::Format_RGB32 && w == picture.width() && h == picture.height())
        return picture;
    QImage out(w, h, QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter p(&out);
    p.drawImage(0, 0, picture, 0, 0, w, h);
    return out;
}

} // namespace

void PaintClipboard::copy(const QImage& picture) {
    own_ = picture.copy();
    if (QClipboard* cb = systemClipboard())
        cb->setImage(own_);
}

QImage PaintClipboard::picture() const {
    if (QClipboard* cb = systemClipboard()) {
        const QMimeData* data = cb->mimeData();
        if (data && data->hasImage()) {
            const QImage system = cb->image();
            if (!system.isNull())
                return opaque(system);
        }
    }
    return own_.isNull() ? QImage() : opaque(own_);
}

bool PaintClipboard::canPaste() const {
    if (!own_.isNull())
        return true;
    const QClipboard* cb = systemClipboard();
    const QMimeData* data = cb ? cb->mimeData() : nullptr;
    return data && data->hasImage();
}
