// Content HTML as it goes into the quoted script string: whatever the user
// typed, the string stays one line, closes only at its own apostrophe, and
// gives the page's HTML parser nothing that leaves the script element.
#include "designer/PreviewPage.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString html = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString out = ContentForPage(html, QStringLiteral("/app"));
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
