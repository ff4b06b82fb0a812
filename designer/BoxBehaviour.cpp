#include "designer/BoxBehaviour.h"

#include "designer/PreviewPage.h"

#include <QStringList>
#include <cmath>
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

std::optional<BoxBehaviour> BehaviourFromJson(const QJsonObject& o, QString* error) {
    BoxBehaviour b;
    auto fail = [&](const char* key, const QString& what) -> std::optional<BoxBehaviour> {
        if (error)
            *error = QStringLiteral("the field \"behaviour.%1\" must be %2").arg(QLatin1String(key), what);
        return std::nullopt;
    };
    auto whole = [](const QJsonValue& v, int low, int high) {
        return v.isDouble() && std::floor(v.toDouble()) == v.toDouble() && v.toDouble() >= low && v.toDouble() <= high;
    };
    const QJsonValue name = o.value(QLatin1String("name"));
    if (!name.isUndefined() && !name.isString())
        return fail("name", QStringLiteral("a text"));
    b.name = name.toString();
    const std::pair<const char*, bool BoxBehaviour::*> flags[] = {
        {"closeButton", &BoxBehaviour::closeButton},
        {"escapeCloses", &BoxBehaviour::escapeCloses},
        {"pauseOnHover", &BoxBehaviour::pauseOnHover}};
    for (const auto& [key, member] : flags) {
        const QJsonValue v = o.value(QLatin1String(key));
        if (!v.isUndefined() && !v.isBool())
            return fail(key, QStringLiteral("true or false"));
        b.*member = v.toBool();
    }
    const QJsonValue once = o.value(QLatin1String("showOnce"));
    if (once == QJsonValue(QStringLiteral("visitor"))) {
        b.showOnce = BoxBehaviour::ShowOnce::PerVisitor;
    } else if (once == QJsonValue(QStringLiteral("session"))) {
        b.showOnce = BoxBehaviour::ShowOnce::PerSession;
    } else if (whole(once, 1, BoxBehaviour::MaxDays)) {
        b.showOnce = BoxBehaviour::ShowOnce::EveryNDays;
        b.days = once.toInt();
    } else if (!once.isUndefined()) {
        return fail("showOnce", QStringLiteral("\"visitor\", \"session\" or a number of days from 1 to %1")
                                    .arg(BoxBehaviour::MaxDays));
    }
    const QJsonValue delay = o.value(QLatin1String("delay"));
    if (!delay.isUndefined() && !whole(delay, 0, BoxBehaviour::MaxDelay))
        return fail("delay", QStringLiteral("a whole number of seconds from 0 to %1").arg(BoxBehaviour::MaxDelay));
    b.delay = delay.toInt();
    return b;
}

QString HtmlAttributeText(const QString& text) {
    QString out = text;
    out.replace(QLatin1Char('&'), QStringLiteral("&amp;"));
    out.replace(QLatin1Char('"'), QStringLiteral("&quot;"));
    out.replace(QLatin1Char('<'), QStringLiteral("&lt;"));
    out.replace(QLatin1Char('>'), QStringLiteral("&gt;"));
    return AsciiReferences(out);
}
