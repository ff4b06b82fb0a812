// Content HTML as it goes into the quoted script string: whatever the user
// typed, the string stays one line, closes only at its own apostrophe, and
// gives the page's HTML parser nothing that leaves the script element; and
// the one-pass conversion gives what the clean-up and replacements give one
// after another.
#include "designer/PreviewPage.h"

#include <QRegularExpression>
#include <cstdint>
#include <cstdlib>

namespace {
QString StepByStep(const QString& html, const QString& appFolder) {
    QString s = ContentCleanup(html, appFolder);
    static const QRegularExpression end(QStringLiteral("</(script)"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression start(QStringLiteral("<(!--|script)"), QRegularExpression::CaseInsensitiveOption);
    s.replace(end, QStringLiteral("<\\/\\1"));
    s.replace(start, QStringLiteral("\\x3C\\1"));
    return AsciiReferences(s);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString html = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString out = ContentForPage(html, QStringLiteral("/app"));
    if (out != StepByStep(html, QStringLiteral("/app")))
        std::abort();
    const QString lower = out.toLower();
    if (lower.contains(QLatin1String("</script")) || lower.contains(QLatin1String("<script"))
        || lower.contains(QLatin1String("<!--")))
        std::abort();
    for (qsizetype i = 0; i < out.size(); ++i) {
        const QChar c = out.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c.unicode() >= 0x80)
            std::abort();
        // Every apostrophe is escaped, and a backslash only ever escapes.
        if (c == QLatin1Char('\'') && (i == 0 || out.at(i - 1) != QLatin1Char('\\')))
            std::abort();
        if (c == QLatin1Char('\\')) {
            const QStringView next = QStringView(out).mid(i + 1);
            if (!next.startsWith(QLatin1Char('\'')) && !next.startsWith(QLatin1Char('/'))
                && !next.startsWith(QLatin1String("x3C")))
                std::abort();
        }
    }
    return 0;
}
