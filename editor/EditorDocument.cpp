#include "editor/EditorDocument.h"

#include "editor/ContentText.h"

namespace {
const QString CrLf = QStringLiteral("\r\n");

// Length of a line break at the start (back = false) or end of s: CR LF, LF or CR.
qsizetype lineBreakAt(const QString& s, bool back) {
    if (back) {
        if (s.endsWith(CrLf))
            return 2;
        return (s.endsWith(QLatin1Char('\n')) || s.endsWith(QLatin1Char('\r'))) ? 1 : 0;
    }
    if (s.startsWith(CrLf))
        return 2;
    return (s.startsWith(QLatin1Char('\n')) || s.startsWith(QLatin1Char('\r'))) ? 1 : 0;
}
} // namespace

QString AttributeText(const QString& text) {
    QString s;
    s.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '&': s += QStringLiteral("&amp;"); break;
        case '"': s += QStringLiteral("&quot;"); break;
        case '<': s += QStringLiteral("&lt;"); break;
        case '>': s += QStringLiteral("&gt;"); break;
        default: s += c;
        }
    }
    return s;
}

QString EditorTemplate(const EditorFields& f, const ContentTextStyle& text) {
    auto attr = [](const char* name, const QString& value) {
        return QLatin1Char(' ') + QLatin1String(name) + QStringLiteral("=\"") + AttributeText(value) + QLatin1Char('"');
    };
    QString t = QStringLiteral("<table") + attr("align", f.align) + attr("width", f.width) + attr("height", f.height) +
                attr("border", f.borderWidth) + attr("bordercolor", f.borderColor) + attr("cellpadding", f.padIn) +
                attr("cellspacing", QStringLiteral("0")) + attr("background", QStringLiteral("Wisplet_Files/MyBackground.jpg")) +
                attr("style", QStringLiteral("background-repeat:no-repeat;border-style:") + f.borderStyle) +
                QStringLiteral(">") + CrLf;
    // The content area has the box's own width, height and text, so the
    // content wraps as the box will show it.
    const QString area = ContentAreaStyle(BoxPixels(f.width, 100, 4000), BoxPixels(f.height, 100, 4000), text);
    t += QStringLiteral("<tr><td valign=top><div style=\"") + AttributeText(area) +
         QStringLiteral("\"><font face=arial>") + CrLf;
    t += CrLf;
    t += StartMarker + CrLf;
    t += f.content + CrLf;
    t += EndMarker + CrLf;
    t += QStringLiteral("</font></div></td></tr></table>") + CrLf;
    return t;
}

Extracted ExtractContent(const QString& document) {
    const qsizetype start = document.indexOf(StartMarker);
    const qsizetype end = document.indexOf(EndMarker);
    if (start < 0)
        return {std::nullopt, ExtractFault::NoStartMarker};
    if (end < 0)
        return {std::nullopt, ExtractFault::NoEndMarker};
    const qsizetype from = start + StartMarker.size();
    if (end < from)
        return {std::nullopt, ExtractFault::EndBeforeStart};
    QString s = document.mid(from, end - from);
    s.remove(0, lineBreakAt(s, false));
    s.chop(lineBreakAt(s, true));
    return {s, ExtractFault::None};
}

QString ContentToWrite(const QString& extracted, const std::optional<QString>& loadedExtract, const QString& original) {
    return loadedExtract && extracted == *loadedExtract ? original : extracted;
}

QString ExtractFaultMessage(ExtractFault fault) {
    switch (fault) {
    case ExtractFault::NoStartMarker:
        return QStringLiteral("The comment \"Insert your code here\" is missing, so the content could not be "
                              "saved. Undo the deletion or put the comment back, then save again.");
    case ExtractFault::NoEndMarker:
        return QStringLiteral("The comment \"End Code\" is missing, so the content could not be saved. Undo the "
                              "deletion or put the comment back, then save again.");
    case ExtractFault::EndBeforeStart:
        return QStringLiteral("The comment \"End Code\" comes before \"Insert your code here\", so the content "
                              "could not be saved. Put the comments back in order, then save again.");
    case ExtractFault::None: break;
    }
    return QString();
}
