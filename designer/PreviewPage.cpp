#include "designer/PreviewPage.h"

#include "platform/SafeWrite.h"

#include <QRegularExpression>

QString ReplaceAll(const QString& text, const QString& find, const QString& replacement) {
    if (find.isEmpty())
        return text;
    QString out;
    out.reserve(text.size());
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = text.indexOf(find, from, Qt::CaseSensitive);
        if (at < 0)
            break;
        out += QStringView(text).mid(from, at - from);
        out += replacement;
        from = at + find.size();
    }
    out += QStringView(text).mid(from);
    return out;
}

QString ContentCleanup(const QString& html, const QString& appFolder) {
    QString s = html;
    if (!appFolder.isEmpty())
        s = ReplaceAll(s, appFolder + QStringLiteral("/samples/"), QString());
    s = ReplaceAll(s, QStringLiteral("\r\n"), QString());
    s = ReplaceAll(s, QStringLiteral("\r"), QString());
    s = ReplaceAll(s, QStringLiteral("\r\n"), QString());
    s = ReplaceAll(s, QStringLiteral("\n"), QString());
    s = ReplaceAll(s, QStringLiteral("\\"), QStringLiteral("/"));
    s = ReplaceAll(s, QStringLiteral("'"), QStringLiteral("\\'"));
    return s;
}

QString ContentForPage(const QString& html, const QString& appFolder) {
    QString s = ContentCleanup(html, appFolder);
    // The page's HTML parser must never leave the script element early:
    // "</script" would end it, and "<!--" followed by "<script" hides the real
    // end tag. "<\/script" and "\x3C" are the same string to the script engine.
    static const QRegularExpression scriptEnd(QStringLiteral("</(script)"),
                                              QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression scriptStart(QStringLiteral("<(!--|script)"),
                                                QRegularExpression::CaseInsensitiveOption);
    s.replace(scriptEnd, QStringLiteral("<\\/\\1"));
    s.replace(scriptStart, QStringLiteral("\\x3C\\1"));
    // Keep the page pure ASCII: other characters as numeric references.
    QString out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (c.unicode() < 0x80) {
            out += c;
            continue;
        }
        char32_t code = c.unicode();
        if (c.isHighSurrogate() && i + 1 < s.size() && s.at(i + 1).isLowSurrogate()) {
            code = QChar::surrogateToUcs4(c, s.at(i + 1));
            ++i;
        }
        out += QStringLiteral("&#%1;").arg(quint32(code));
    }
    return out;
}

QString WriteWispletCall(const WispletSettings& s, const QString& appFolder, const QString& backgroundPath) {
    return QStringLiteral("<script>WriteWisplet(") + s.waiting + ',' + s.width + ',' + s.height + QStringLiteral(",'") +
           backgroundPath + QStringLiteral("','") + s.bgColor + QStringLiteral("','") + s.alignText() +
           QStringLiteral("',") + QString::number(s.entrance) + ',' + QString::number(s.contentEntrance) + ',' +
           s.duration + QStringLiteral(",'<font face=arial>") + ContentForPage(s.contentHtml, appFolder) +
           QStringLiteral("</font>',") + s.padIn + ',' + s.padOut + QStringLiteral(",'") + s.borderStyleText() +
           QStringLiteral("',") + s.borderWidth + QStringLiteral(",'") + s.borderColor +
           QStringLiteral("')</script>");
}

QString PreviewPageText(const WispletSettings& s, const QString& appFolder) {
    QString page;
    page += QStringLiteral("<html><head><title>Wisplets Dorizized</title>");
    page += QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1256\">");
    page += QStringLiteral(
        "<META http-equiv=Page-Entercontent=progid:DXImageTransform.Microsoft.Pixelate(duration=10)>");
    page += QStringLiteral("<script language=\"javascript\" src=\"Wisplet_Files/wisplet.js\"></script>");
    page += QStringLiteral("<link href=\"styles.css\" rel=\"stylesheet\" type=\"text/css\"></head><body>");
    page += QStringLiteral("<table width=\"100%\" height=\"100%\" border=\"0\" align=\"center\" cellpadding=\"0\" "
                           "cellspacing=\"0\">");
    page += QStringLiteral("<tr><td height=\"100%\" valign=\"top\" class=\"txt\"><table width=\"100%\" "
                           "height=\"100%\" border=\"1\" cellpadding=\"1\" cellspacing=\"1\" "
                           "bordercolor=\"#FFFFFF\">");
    page += WriteWispletCall(s, appFolder, QStringLiteral("Wisplet_Files/MyBackground") + s.backgroundSuffix());
    page += QStringLiteral("</div><table border=\"0\" cellspacing=\"2\" cellpadding=\"2\">");
    page += QStringLiteral(" </table></td></tr></table></td></tr></table></body></html>");
    return page;
}

QString StartPageText() {
    return QStringLiteral("<html><head><title>Wisplets Dorizized</title></head><body><br><table align=center>"
                          "<tr><td><img src=images/wisplet-txt.jpg></tr></td></table></body>");
}

bool WriteTextFileAtomically(const QString& path, const QString& text, QString* reason) {
    const QString why = WriteFileAtomically(path, text.toLatin1());
    if (reason)
        *reason = why;
    return why.isEmpty();
}

bool WritePreviewFile(const WispletSettings& s, const QString& appFolder) {
    return WriteTextFileAtomically(appFolder + QStringLiteral("/samples/preview.html"), PreviewPageText(s, appFolder));
}

bool WriteStartPage(const QString& appFolder) {
    return WriteTextFileAtomically(appFolder + QStringLiteral("/samples/preview.html"), StartPageText());
}
