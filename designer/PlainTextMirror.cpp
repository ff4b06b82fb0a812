#include "designer/PlainTextMirror.h"

#include <QTextCursor>
#include <QTextDocument>
#include <utility>

namespace {
// The characters toPlainText() turns into others.
void AsPlainText(QString& s) {
    for (QChar& c : s) {
        switch (c.unicode()) {
        case 0xfdd0: // beginning of a frame
        case 0xfdd1: // end of a frame
        case QChar::ParagraphSeparator:
        case QChar::LineSeparator: c = u'\n'; break;
        case QChar::Nbsp: c = u' '; break;
        default: break;
        }
    }
}
} // namespace

PlainTextMirror::PlainTextMirror(QObject* parent) : QObject(parent) {}

void PlainTextMirror::watch(QTextDocument* document) {
    if (document_)
        disconnect(document_, nullptr, this, nullptr);
    document_ = document;
    if (document_)
        connect(document_, &QTextDocument::contentsChange, this, &PlainTextMirror::changed);
    readWhole();
}

void PlainTextMirror::readWhole() {
    text_ = document_ ? document_->toPlainText() : QString();
}

void PlainTextMirror::changed(int position, int removed, int added) {
    // The document's closing separator is not part of the text; a change
    // that reaches it (replacing everything does) is read whole, as is any
    // change the mirror cannot place.
    const qsizetype length = document_->characterCount() - 1;
    if (added > PieceLimit || position < 0 || removed < 0 || position + removed > text_.size() ||
        position + added > length) {
        readWhole();
        return;
    }
    QTextCursor cursor(document_);
    cursor.setPosition(position);
    cursor.setPosition(position + added, QTextCursor::KeepAnchor);
    QString piece = cursor.selectedText();
    AsPlainText(piece);
    if (!text_.isDetached())
        takeSpare(piece.size());
    text_.replace(position, removed, piece);
    if (text_.size() != length)
        readWhole();
}

void PlainTextMirror::takeSpare(qsizetype growth) {
    // The text is held elsewhere (the undo history keeps the text before each
    // change). Rather than a fresh copy at each keystroke, the text is copied
    // into the buffer an earlier text used, once nobody holds that any more:
    // with megabytes of text, new memory costs many times the copying.
    const qsizetype needed = text_.size() + growth;
    if (!spare_.isDetached() || spare_.capacity() < needed) {
        spare_ = QString();
        spare_.reserve(needed + needed / 8);
    }
    spare_.resize(0); // keeps the buffer
    spare_.append(text_);
    std::swap(text_, spare_);
}
