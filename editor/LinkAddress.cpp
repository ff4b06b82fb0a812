#include "editor/LinkAddress.h"

#include <QRegularExpression>
#include <QUrl>

std::optional<QString> CheckedAddress(const QString& address, AddressUse use) {
    QString s;
    s.reserve(address.size());
    for (const QChar c : address)
        if (c != QLatin1Char('\t') && c != QLatin1Char('\n') && c != QLatin1Char('\r'))
            s += c;
    // Browsers drop C0 controls and blanks around an address.
    qsizetype from = 0, to = s.size();
    while (from < to && s.at(from).unicode() <= 0x20)
        ++from;
    while (to > from && s.at(to - 1).unicode() <= 0x20)
        --to;
    s = s.mid(from, to - from);
    if (s.isEmpty())
        return std::nullopt;
    for (const QChar c : s)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return std::nullopt;

    static const QRegularExpression schemeAt(QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]*):"));
    if (const QRegularExpressionMatch m = schemeAt.match(s); m.hasMatch()) {
        const QString scheme = m.captured(1).toLower();
        if (scheme == QLatin1String("http") || scheme == QLatin1String("https")) {
            if (QUrl(s, QUrl::TolerantMode).host().isEmpty())
                return std::nullopt;
        } else if (scheme == QLatin1String("mailto")) {
            if (use != AddressUse::Link || s.size() <= 7)
                return std::nullopt;
        } else if (scheme == QLatin1String("data")) {
            static const QRegularExpression picture(QStringLiteral("^data:image/(png|gif|jpeg|webp)[;,]"),
                                                    QRegularExpression::CaseInsensitiveOption);
            if (use != AddressUse::Picture || !picture.match(s).hasMatch())
                return std::nullopt;
        } else {
            return std::nullopt;
        }
    } else if (s.startsWith(QLatin1String("\\\\")) || s.startsWith(QLatin1String("/\\")) ||
               s.startsWith(QLatin1String("\\/"))) {
        return std::nullopt; // a network share, or a host in disguise
    }

    QString out;
    out.reserve(s.size());
    for (const QChar c : s) {
        switch (c.unicode()) {
        case ' ': out += QStringLiteral("%20"); break;
        case '"': out += QStringLiteral("%22"); break;
        case '\'': out += QStringLiteral("%27"); break;
        case '<': out += QStringLiteral("%3C"); break;
        case '>': out += QStringLiteral("%3E"); break;
        case '`': out += QStringLiteral("%60"); break;
        default: out += c;
        }
    }
    return out;
}
