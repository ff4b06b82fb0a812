#pragma once
// The plain text of a QTextDocument, kept up to date edit by edit. Reading a
// document of megabytes with toPlainText() walks all of it, which stalls the
// window at each refresh; the mirror applies each change where it happened,
// so text() costs nothing and a keystroke costs about its own size.
#include <QObject>
#include <QPointer>
#include <QString>

class QTextDocument;

class PlainTextMirror : public QObject {
public:
    explicit PlainTextMirror(QObject* parent = nullptr);

    /// Follows `document` from now on (the text is read once here).
    void watch(QTextDocument* document);
    QTextDocument* document() const { return document_; }
    /// The document's text as QTextDocument::toPlainText() gives it.
    const QString& text() const { return text_; }

    /// Changes of more characters than this are read whole: one walk of
    /// the document is faster than a walk of its fragments.
    static constexpr int PieceLimit = 64 * 1024;

private:
    void changed(int position, int removed, int added);
    void readWhole();
    void takeSpare(qsizetype growth);

    QPointer<QTextDocument> document_;
    QString text_;
    QString spare_; // the buffer of an earlier text, to be written over
};
