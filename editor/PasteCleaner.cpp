#include "editor/PasteCleaner.h"

#include "editor/EditorDocument.h"
#include "editor/LinkAddress.h"

#include <QRegularExpression>
#include <QStringList>
#include <gumbo.h>
#include <map>
#include <set>
#include <string>

namespace {
using Names = std::set<std::string>;

// Allowed elements and their own attributes; every allowed element may also
// carry "style" (filtered), "align", "dir" and "title".
const std::map<std::string, Names>& allowed() {
    static const std::map<std::string, Names> tags = {
        {"a", {"href", "target", "name"}},
        {"img", {"src", "alt", "width", "height", "border", "hspace", "vspace"}},
        {"font", {"face", "size", "color"}},
        {"table", {"border", "cellpadding", "cellspacing", "width", "height", "bgcolor", "bordercolor"}},
        {"td", {"colspan", "rowspan", "width", "height", "valign", "bgcolor", "nowrap"}},
        {"th", {"colspan", "rowspan", "width", "height", "valign", "bgcolor", "nowrap"}},
        {"tr", {"valign", "bgcolor", "height"}},
        {"col", {"span", "width"}}, {"colgroup", {"span", "width"}},
        {"ol", {"start", "type"}}, {"ul", {"type"}}, {"li", {"value", "type"}},
        {"hr", {"size", "width", "noshade", "color"}},
        {"thead", {}}, {"tbody", {}}, {"tfoot", {}}, {"caption", {}},
        {"p", {}}, {"div", {}}, {"span", {}}, {"br", {}}, {"center", {}}, {"blockquote", {}}, {"pre", {}},
        {"b", {}}, {"strong", {}}, {"i", {}}, {"em", {}}, {"u", {}}, {"s", {}}, {"strike", {}}, {"del", {}},
        {"ins", {}}, {"sub", {}}, {"sup", {}}, {"small", {}}, {"big", {}}, {"code", {}}, {"tt", {}},
        {"h1", {}}, {"h2", {}}, {"h3", {}}, {"h4", {}}, {"h5", {}}, {"h6", {}},
    };
    return tags;
}
const Names Common = {"style", "align", "dir", "title"};
// Elements dropped with everything in them.
const Names Dropped = {"script", "style", "head", "title", "meta", "link", "base", "iframe", "frame", "frameset",
                       "object", "embed", "applet", "param", "noscript", "template", "svg", "math", "textarea",
                       "select", "button", "input", "audio", "video", "canvas", "map"};
const Names Void = {"br", "img", "hr", "col"};
// Elements whose whitespace-only text is layout of the source, not content.
const Names Structural = {"table", "thead", "tbody", "tfoot", "tr", "colgroup", "ul", "ol"};
const Names StyleProperties = {
    "color", "background-color", "background", "font-family", "font-size", "font-weight", "font-style",
    "text-decoration", "text-decoration-line", "text-align", "vertical-align", "width", "height",
    "border", "border-top", "border-right", "border-bottom", "border-left", "border-width", "border-style",
    "border-color", "border-collapse", "padding", "list-style-type"};

QString escapeText(const QString& text) {
    QString s;
    s.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '&': s += QStringLiteral("&amp;"); break;
        case '<': s += QStringLiteral("&lt;"); break;
        case '>': s += QStringLiteral("&gt;"); break;
        case 0xa0: s += QStringLiteral("&nbsp;"); break;
        default: s += c;
        }
    }
    return s;
}

// The allowed declarations of a style attribute; hidden elements give nothing.
struct Style {
    QString kept;
    bool hidden = false;
};
Style filterStyle(const QString& style) {
    Style out;
    QStringList kept;
    for (const QString& declaration : style.split(QLatin1Char(';'))) {
        const qsizetype colon = declaration.indexOf(QLatin1Char(':'));
        if (colon < 0)
            continue;
        const QString name = declaration.left(colon).trimmed().toLower();
        const QString value = declaration.mid(colon + 1).simplified();
        const QString lower = value.toLower();
        if (name == QLatin1String("display") && lower.startsWith(QLatin1String("none")))
            out.hidden = true;
        if (!StyleProperties.count(name.toStdString()) || value.isEmpty() || lower.contains(QLatin1String("mso-")) ||
            lower.contains(QLatin1String("expression")) || lower.contains(QLatin1String("url(")) ||
            lower.contains(QLatin1String("javascript:")) || value.contains(QLatin1Char('\\')) ||
            value.contains(QLatin1Char('<')))
            continue;
        kept << name + QLatin1Char(':') + value;
    }
    out.kept = kept.join(QLatin1Char(';'));
    return out;
}

class Cleaner {
public:
    QString out;

    void children(const GumboVector& nodes, const std::string& parent) {
        for (unsigned i = 0; i < nodes.length; ++i)
            node(static_cast<const GumboNode*>(nodes.data[i]), parent);
    }

private:
    int pre_ = 0;

    void node(const GumboNode* n, const std::string& parent) {
        switch (n->type) {
        case GUMBO_NODE_ELEMENT: element(n); break;
        case GUMBO_NODE_TEXT:
        case GUMBO_NODE_CDATA:
        case GUMBO_NODE_WHITESPACE: text(QString::fromUtf8(n->v.text.text), n->type == GUMBO_NODE_WHITESPACE, parent); break;
        default: break; // comments, the document, templates
        }
    }

    void text(const QString& t, bool blank, const std::string& parent) {
        if (pre_) {
            QString s = escapeText(t);
            s.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
            out += s.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
            return;
        }
        if (blank && Structural.count(parent))
            return;
        static const QRegularExpression run(QStringLiteral("[ \\t\\r\\n\\f]+"));
        out += escapeText(QString(t).replace(run, QStringLiteral(" ")));
    }

    void element(const GumboNode* n) {
        const GumboElement& e = n->v.element;
        if (e.tag_namespace != GUMBO_NAMESPACE_HTML && e.tag != GUMBO_TAG_UNKNOWN)
            return; // svg and math content
        const std::string tag = e.tag == GUMBO_TAG_UNKNOWN ? std::string() : gumbo_normalized_tagname(e.tag);
        if (Dropped.count(tag))
            return;
        const auto rule = allowed().find(tag);
        if (rule == allowed().end()) {
            children(e.children, tag); // html, body, form, unknown tags (o:p, ...): their content only
            return;
        }
        QString attributes;
        bool hidden = false, hasHref = false, hasSrc = false;
        for (unsigned i = 0; i < e.attributes.length; ++i) {
            const auto* a = static_cast<const GumboAttribute*>(e.attributes.data[i]);
            const std::string name = a->name;
            if (!rule->second.count(name) && !Common.count(name))
                continue;
            QString value = QString::fromUtf8(a->value);
            if (name == "style") {
                const Style st = filterStyle(value);
                hidden = st.hidden;
                value = st.kept;
            } else if (name == "href" || name == "src") {
                const std::optional<QString> address =
                    CheckedAddress(value, name == "src" ? AddressUse::Picture : AddressUse::Link);
                if (!address)
                    continue;
                value = *address;
                (name == "href" ? hasHref : hasSrc) = true;
            } else if (name == "target") {
                value = value.toLower();
                if (value != QLatin1String("_blank") && value != QLatin1String("_self") &&
                    value != QLatin1String("_parent") && value != QLatin1String("_top"))
                    continue;
            }
            if (value.isEmpty() && name != "alt" && name != "nowrap" && name != "noshade")
                continue;
            attributes += QLatin1Char(' ') + QString::fromStdString(name);
            if (!(value.isEmpty() && name != "alt"))
                attributes += QStringLiteral("=\"") + AttributeText(value) + QLatin1Char('"');
        }
        if (hidden || (tag == "img" && !hasSrc))
            return;
        // A bare span or font, and a link without a usable address, give their content only.
        if ((attributes.isEmpty() && (tag == "span" || tag == "font")) || (tag == "a" && !hasHref && !attributes.contains(QLatin1String(" name=")))) {
            children(e.children, tag);
            return;
        }
        const QString name = QString::fromStdString(tag);
        out += QLatin1Char('<') + name + attributes + QLatin1Char('>');
        if (Void.count(tag))
            return;
        pre_ += tag == "pre";
        children(e.children, tag);
        pre_ -= tag == "pre";
        out += QStringLiteral("</") + name + QLatin1Char('>');
    }
};
} // namespace

QString CleanPastedHtml(const QString& html) {
    const QByteArray utf8 = html.toUtf8();
    GumboOutput* parsed = gumbo_parse_with_options(&kGumboDefaultOptions, utf8.constData(), size_t(utf8.size()));
    Cleaner cleaner;
    // The body's content (a pasted document's head holds nothing to keep).
    const GumboVector& top = parsed->root->v.element.children;
    for (unsigned i = 0; i < top.length; ++i) {
        const auto* n = static_cast<const GumboNode*>(top.data[i]);
        if (n->type == GUMBO_NODE_ELEMENT && n->v.element.tag == GUMBO_TAG_BODY)
            cleaner.children(n->v.element.children, "body");
    }
    gumbo_destroy_output(&kGumboDefaultOptions, parsed);
    return cleaner.out.trimmed();
}

QString PlainTextAsHtml(const QString& text) {
    QString s = escapeText(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    s.replace(QLatin1Char('\t'), QLatin1Char(' '));
    // Runs of blanks stay visible.
    s.replace(QStringLiteral("  "), QStringLiteral(" &nbsp;"));
    return s.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
}
