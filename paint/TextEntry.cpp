#include "paint/TextEntry.h"

void TextEntry::press(QPoint p) {
    if (shown_) {
        moving_ = true;
    } else {
        text_.clear();
        shown_ = true;
        moving_ = false;
    }
    pos_ = p;
}

bool TextEntry::commit(Surface& canvas, ColorValue foreground) {
    if (!shown_)
        return false;
    PrintText(canvas, pos_, text_, foreground);
    shown_ = false;
    moving_ = false;
    text_.clear();
    return true;
}

void TextEntry::cancel() {
    shown_ = false;
    moving_ = false;
    text_.clear();
}

bool TextEntry::focusLost() {
    const bool commits = shown_ && !moving_;
    moving_ = false;
    return commits;
}

void PrintText(Surface& canvas, QPoint p, const QString& text, ColorValue color) {
    const int mode = canvas.drawMode;
    canvas.drawMode = Surface::DrawCopy;
    canvas.foreColor = color;
    canvas.currentX = p.x();
    canvas.currentY = p.y();
    canvas.print(text);
    canvas.drawMode = mode;
    canvas.refresh();
}
