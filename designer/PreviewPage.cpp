#include "designer/PreviewPage.h"

#include "platform/SafeWrite.h"


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

namespace {
// The content after the clean-up, read from `i` on: line breaks gone, a
// backslash read as a slash, an apostrophe as the backslash that will escape it.
class Cleaned {
public:
    explicit Cleaned(QStringView text) : t_(text) {}
    // Whether the cleaned text from i on starts with `word` (ASCII letters
    // in any case; the long s is an s, as in a case-blind match).
    bool startsWith(qsizetype i, QLatin1StringView word) const {
        for (const char w : word) {
            while (i < t_.size() && (t_[i] == u'\r' || t_[i] == u'\n'))
                ++i;
            if (i >= t_.size())
                return false;
            char16_t c = t_[i++].unicode();
            if (c == u'\\')
                c = u'/';
            else if (c == u'\'')
                c = u'\\';
            else if (c == 0x17F)
                c = u's';
            else if (c >= u'A' && c <= u'Z')
                c = char16_t(c - u'A' + u'a');
            if (c != char16_t(w))
                return false;
        }
        return true;
    }

private:
    QStringView t_;
};

void AppendReference(QString& out, char32_t code) {
    out += QStringLiteral("&#");
    out += QString::number(quint32(code));
    out += u';';
}
} // namespace

QString ContentForPage(const QString& html, const QString& appFolder) {
    // One pass over the text, giving what ContentCleanup, the script-safe
    // replacements and AsciiReferences give one after another (megabytes of
    // content are refreshed while the user types). The page's HTML parser
    // must never leave the script element early: "</script" would end it,
    // and "<!--" followed by "<script" hides the real end tag. "<\/script"
    // and "\x3C" are the same string to the script engine.
    const QString text =
        appFolder.isEmpty() ? html : ReplaceAll(html, appFolder + QStringLiteral("/samples/"), QString());
    const Cleaned cleaned(text);
    QString out;
    out.reserve(text.size() + text.size() / 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        switch (c.unicode()) {
        case u'\r':
        case u'\n': continue;
        case u'\\': out += u'/'; continue;
        case u'\'': out += QLatin1String("\\'"); continue;
        case u'<':
            if (cleaned.startsWith(i + 1, QLatin1StringView("/script"))) {
                out += QLatin1String("<\\/");
                // the slash (or the backslash read as one) is written here
                while (text.at(++i) != u'/' && text.at(i) != u'\\') {
                }
            } else if (cleaned.startsWith(i + 1, QLatin1StringView("!--")) ||
                       cleaned.startsWith(i + 1, QLatin1StringView("script"))) {
                out += QLatin1String("\\x3C");
            } else {
                out += c;
            }
            continue;
        default: break;
        }
        if (c.unicode() < 0x80) {
            out += c;
        } else if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            AppendReference(out, QChar::surrogateToUcs4(c, text.at(i + 1)));
            ++i;
        } else {
            AppendReference(out, c.unicode());
        }
    }
    return out;
}

QString ContentForTemplate(const QString& html, const QString& appFolder) {
    // After the clean-up every backslash left escapes an apostrophe.
    return AsciiReferences(ReplaceAll(ContentCleanup(html, appFolder), QStringLiteral("\\'"), QStringLiteral("'")));
}

// Keep the page pure ASCII: other characters as numeric references.
QString AsciiReferences(const QString& s) {
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
    const QString options = BehaviourOptionsObject(s.behaviour);
    return QStringLiteral("<script>WriteWisplet(") + s.waiting + ',' + s.width + ',' + s.height + QStringLiteral(",'") +
           backgroundPath + QStringLiteral("','") + s.bgColor + QStringLiteral("','") + s.alignText() +
           QStringLiteral("',") + QString::number(s.entrance) + ',' + QString::number(s.contentEntrance) + ',' +
           s.duration + QStringLiteral(",'<font face=arial>") + ContentForPage(s.contentHtml, appFolder) +
           QStringLiteral("</font>',") + s.padIn + ',' + s.padOut + QStringLiteral(",'") + s.borderStyleText() +
           QStringLiteral("',") + s.borderWidth + QStringLiteral(",'") + s.borderColor + QStringLiteral("'") +
           (options.isEmpty() ? QString() : QLatin1Char(',') + options) + QStringLiteral(")</script>");
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
    // The preview always shows the box: a show-once mark would hide it after the first refresh.
    WispletSettings shown = s;
    shown.behaviour.showOnce = BoxBehaviour::ShowOnce::EveryView;
    page += WriteWispletCall(shown, appFolder, QStringLiteral("Wisplet_Files/MyBackground") + s.backgroundSuffix());
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
