#pragma once
// The editor's source view: HTML highlighting (tags, attributes, values,
// comments, and the two content markers set apart) and where a caret in the
// text can stand for the design view.
#include <QSyntaxHighlighter>
#include <QTextCharFormat>

class QTextDocument;

class SourceHighlighter : public QSyntaxHighlighter {
    Q_OBJECT
public:
    enum Kind { Text, Tag, Attribute, Value, Comment, Marker, Entity };
    explicit SourceHighlighter(QTextDocument* document);
    const QTextCharFormat& format(Kind kind) const { return formats_[kind]; }

protected:
    void highlightBlock(const QString& text) override;

private:
    QTextCharFormat formats_[Entity + 1];
};

// The place nearest after `pos` in `html` where a comment can go without
// changing the document: not inside a tag, a comment, a character reference
// or the text of a script, style, textarea or title element.
qsizetype CaretPlaceInSource(const QString& html, qsizetype pos);
