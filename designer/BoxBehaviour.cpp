#include "designer/BoxBehaviour.h"

#include "designer/PreviewPage.h"

#include <QStringList>
#include <utility>
#include <vector>

namespace {
// A JSON string literal that is safe inside an inline script in any page encoding.
QString jsonString(const QString& text) {
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            out += QLatin1Char('\\') + c;
        else if (u < 0x20 || u >= 0x7F || c == QLatin1Char('<') || c == QLatin1Char('>') || c == QLatin1Char('&') ||
                 c == QLatin1Char('\''))
            out += QStringLiteral("\\u%1").arg(u, 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out + QLatin1Char('"');
}

// The options that differ from their defaults as (key, JSON value, attribute text) triples.
struct Option {
    QString key, json, attribute;
};
std::vector<Option> changed(const BoxBehaviour& b) {
    std::vector<Option> out;
    auto flag = [&](bool on, const char* key, const char* attribute) {
        if (on)
            out.push_back({QString::fromLatin1(key), QStringLiteral("true"), QString::fromLatin1(attribute)});
    };
    if (!b.name.trimmed().isEmpty())
        out.push_back({QStringLiteral("name"), jsonString(b.name),
                       QStringLiteral("name=\"%1\"").arg(HtmlAttributeText(b.name))});
    flag(b.closeButton, "closeButton", "close-button");
    flag(b.escapeCloses, "escapeCloses", "escape-closes");
    if (b.showOnce != BoxBehaviour::ShowOnce::EveryView) {
        const QString value = b.showOnce == BoxBehaviour::ShowOnce::PerVisitor   ? QStringLiteral("visitor")
                              : b.showOnce == BoxBehaviour::ShowOnce::PerSession ? QStringLiteral("session")
                                                                                 : QString::number(b.days);
        const bool number = b.showOnce == BoxBehaviour::ShowOnce::EveryNDays;
        out.push_back({QStringLiteral("showOnce"), number ? value : jsonString(value),
                       QStringLiteral("show-once=\"%1\"").arg(value)});
    }
    if (b.delay > 0)
        out.push_back({QStringLiteral("delay"), QString::number(b.delay),
                       QStringLiteral("delay=\"%1\"").arg(b.delay)});
    flag(b.pauseOnHover, "pauseOnHover", "pause-on-hover");
    return out;
}
} // namespace

const char* const* ShowOnceCaptions() {
    static const char* const captions[] = {"Every page view", "Once per visitor", "Once per session",
                                           "Once every N days"};
    return captions;
}

QString BehaviourOptionsObject(const BoxBehaviour& b) {
    const std::vector<Option> options = changed(b);
    if (options.empty())
        return QString();
    QStringList parts;
    for (const Option& o : options)
        parts << jsonString(o.key) + QLatin1Char(':') + o.json;
    return QLatin1Char('{') + parts.join(QLatin1Char(',')) + QLatin1Char('}');
}

QString BehaviourAttributes(const BoxBehaviour& b) {
    QString out;
    for (const Option& o : changed(b))
        out += QLatin1Char(' ') + o.attribute;
    return out;
}

QString HtmlAttributeText(const QString& text) {
    QString out = text;
    out.replace(QLatin1Char('&'), QStringLiteral("&amp;"));
    out.replace(QLatin1Char('"'), QStringLiteral("&quot;"));
    out.replace(QLatin1Char('<'), QStringLiteral("&lt;"));
    out.replace(QLatin1Char('>'), QStringLiteral("&gt;"));
    return AsciiReferences(out);
}
