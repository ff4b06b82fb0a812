#include "editor/SourceView.h"

#include "editor/EditorDocument.h"

#include <QRegularExpression>

namespace {
enum State { InText = 0, InComment = 1, InTag = 2 };

bool startsTag(const QString& s, qsizetype i) {
    if (i + 1 >= s.size() || s.at(i) != QLatin1Char('<'))
        return false;
    const QChar c = s.at(i + 1);
    return c.isLetter() || c == QLatin1Char('/') || c == QLatin1Char('!') || c == QLatin1Char('?');
}
} // namespace

SourceHighlighter::SourceHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {
    formats_[Tag].setForeground(QColor(0x1f, 0x4e, 0xa8));
    formats_[Tag].setFontWeight(QFont::Bold);
    formats_[Attribute].setForeground(QColor(0x9a, 0x4a, 0x00));
    formats_[Value].setForeground(QColor(0x1a, 0x7f, 0x37));
    formats_[Comment].setForeground(QColor(0x80, 0x80, 0x80));
    formats_[Comment].setFontItalic(true);
    formats_[Marker].setForeground(QColor(0x5a, 0x46, 0x00));
    formats_[Marker].setBackground(QColor(0xff, 0xe6, 0x80));
    formats_[Marker].setFontWeight(QFont::Bold);
    formats_[Entity].setForeground(QColor(0x8e, 0x24, 0xaa));
}

void SourceHighlighter::highlightBlock(const QString& text) {
    int state = std::max(previousBlockState(), 0);
    qsizetype i = 0;
    const qsizetype n = text.size();
    char quote = 0; // inside a quoted value of a tag that goes on over lines
    if (state > InTag) {
        quote = char(state >> 8);
        state = InTag;
    }
    while (i < n) {
        if (state == InComment) {
            const qsizetype end = text.indexOf(QLatin1String("-->"), i);
            const qsizetype stop = end < 0 ? n : end + 3;
            setFormat(int(i), int(stop - i), formats_[Comment]);
            i = stop;
            if (end >= 0)
                state = InText;
            continue;
        }
        if (state == InTag) {
            if (quote) {
                const qsizetype end = text.indexOf(QLatin1Char(quote), i);
                const qsizetype stop = end < 0 ? n : end + 1;
                setFormat(int(i), int(stop - i), formats_[Value]);
                i = stop;
                if (end >= 0)
                    quote = 0;
                continue;
            }
            const QChar c = text.at(i);
            if (c == QLatin1Char('>') || (c == QLatin1Char('/') && i + 1 < n && text.at(i + 1) == QLatin1Char('>'))) {
                const int len = c == QLatin1Char('>') ? 1 : 2;
                setFormat(int(i), len, formats_[Tag]);
                i += len;
                state = InText;
            } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
                quote = char(c.unicode());
                setFormat(int(i), 1, formats_[Value]);
                ++i;
            } else if (c == QLatin1Char('=')) {
                ++i;
                qsizetype j = i; // a bare value
                while (j < n && !text.at(j).isSpace() && text.at(j) != QLatin1Char('>') && text.at(j) != QLatin1Char('"') &&
                       text.at(j) != QLatin1Char('\''))
                    ++j;
                setFormat(int(i), int(j - i), formats_[Value]);
                i = j;
            } else if (c.isSpace()) {
                ++i;
            } else {
                qsizetype j = i;
                while (j < n && !text.at(j).isSpace() && text.at(j) != QLatin1Char('=') && text.at(j) != QLatin1Char('>'))
                    ++j;
                setFormat(int(i), int(std::max<qsizetype>(j - i, 1)), formats_[Attribute]);
                i = std::max(j, i + 1);
            }
            continue;
        }
        // In text: the next comment, tag or character reference.
        const QChar c = text.at(i);
        if (text.mid(i, 4) == QLatin1String("<!--")) {
            for (const QString& marker : {StartMarker, EndMarker})
                if (text.mid(i, marker.size()) == marker) {
                    setFormat(int(i), int(marker.size()), formats_[Marker]);
                    i += marker.size();
                    goto next;
                }
            state = InComment;
            setFormat(int(i), 4, formats_[Comment]);
            i += 4;
        } else if (startsTag(text, i)) {
            qsizetype j = i + 1;
            while (j < n && !text.at(j).isSpace() && text.at(j) != QLatin1Char('>') &&
                   !(text.at(j) == QLatin1Char('/') && j + 1 < n && text.at(j + 1) == QLatin1Char('>')))
                ++j;
            setFormat(int(i), int(j - i), formats_[Tag]);
            i = j;
            state = InTag;
        } else if (c == QLatin1Char('&')) {
            static const QRegularExpression reference(QStringLiteral("^&(#[0-9]+|#[xX][0-9a-fA-F]+|[A-Za-z][A-Za-z0-9]*);"));
            const QRegularExpressionMatch m = reference.match(text.mid(i, 40));
            const qsizetype len = m.hasMatch() ? m.capturedLength() : 1;
            if (m.hasMatch())
                setFormat(int(i), int(len), formats_[Entity]);
            i += len;
        } else {
            ++i;
        }
    next:;
    }
    setCurrentBlockState(state == InTag && quote ? (InTag | (int(quote) << 8)) : state);
}

qsizetype CaretPlaceInSource(const QString& html, qsizetype pos) {
    pos = std::clamp<qsizetype>(pos, 0, html.size());
    static const QRegularExpression rawText(QStringLiteral("^<(script|style|textarea|title)\\b"),
                                            QRegularExpression::CaseInsensitiveOption);
    qsizetype i = 0;
    while (i < html.size()) {
        qsizetype end = -1; // end of the construct that starts at i
        if (html.mid(i, 4) == QLatin1String("<!--")) {
            const qsizetype close = html.indexOf(QLatin1String("-->"), i + 4);
            end = close < 0 ? html.size() : close + 3;
        } else if (startsTag(html, i)) {
            // To the '>' outside quotes.
            char quote = 0;
            qsizetype j = i + 1;
            for (; j < html.size(); ++j) {
                const QChar c = html.at(j);
                if (quote) {
                    if (c == QLatin1Char(quote))
                        quote = 0;
                } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
                    quote = char(c.unicode());
                } else if (c == QLatin1Char('>')) {
                    break;
                }
            }
            end = std::min(j + 1, html.size());
            const QRegularExpressionMatch raw = rawText.match(html.mid(i, 10));
            if (raw.hasMatch()) { // its text up to the closing tag
                const qsizetype close = html.indexOf(QStringLiteral("</") + raw.captured(1), end, Qt::CaseInsensitive);
                if (close >= 0) {
                    const qsizetype gt = html.indexOf(QLatin1Char('>'), close);
                    end = gt < 0 ? html.size() : gt + 1;
                } else {
                    end = html.size();
                }
            }
        } else if (html.at(i) == QLatin1Char('&')) {
            static const QRegularExpression reference(QStringLiteral("^&(#[0-9]+|#[xX][0-9a-fA-F]+|[A-Za-z][A-Za-z0-9]*);?"));
            const QRegularExpressionMatch m = reference.match(html.mid(i, 40));
            end = i + (m.hasMatch() ? m.capturedLength() : 1);
        }
        if (end < 0) {
            if (i >= pos)
                return i;
            ++i;
            continue;
        }
        if (pos <= i)
            return i;
        if (pos < end)
            return end;
        i = end;
    }
    return html.size();
}
