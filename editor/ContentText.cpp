#include "editor/ContentText.h"

#include "platform/AppFolder.h"

#include <QFile>
#include <QRegularExpression>
#include <cmath>

ContentTextStyle ContentTextFromScript(const QString& scriptText) {
    ContentTextStyle s;
    static const QRegularExpression line(QStringLiteral(R"(\bCONTENT_TEXT\s*=\s*\{([^}\n]*)\})"));
    const QRegularExpressionMatch m = line.match(scriptText);
    if (!m.hasMatch())
        return s;
    // 'name': 'value' pairs; values with characters that could leave a CSS
    // declaration are not taken.
    static const QRegularExpression pair(QStringLiteral(R"('([a-z-]+)'\s*:\s*'([^'\\;{}<>"]*)')"));
    for (auto it = pair.globalMatch(m.captured(1)); it.hasNext();) {
        const QRegularExpressionMatch p = it.next();
        const QString name = p.captured(1), value = p.captured(2).trimmed();
        if (value.isEmpty())
            continue;
        if (name == QLatin1String("font-family"))
            s.family = value;
        else if (name == QLatin1String("font-size"))
            s.size = value;
        else if (name == QLatin1String("line-height"))
            s.lineHeight = value;
    }
    return s;
}

ContentTextStyle ContentTextOfPageScript() {
    QFile f(AppFolder::file(QString::fromLatin1(AppFolder::PageScript)));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return ContentTextFromScript(QString::fromUtf8(f.readAll()));
}

int BoxPixels(const QString& text, int fallback, int max) {
    static const QRegularExpression number(QStringLiteral(R"(^\d+(\.\d+)?$)"));
    const QString s = text.trimmed();
    if (!number.match(s).hasMatch())
        return fallback;
    const double n = std::min(s.toDouble(), double(max));
    return static_cast<int>(std::round(n)); // as the script's Math.round (no negatives here)
}

QString ContentAreaStyle(int width, int height, const ContentTextStyle& text) {
    return QStringLiteral("width:%1px;min-height:%2px;margin:0;padding:0;border:0;text-align:left;text-indent:0;"
                          "white-space:normal;font-family:%3;font-size:%4;line-height:%5")
        .arg(width)
        .arg(height)
        .arg(text.family, text.size, text.lineHeight);
}
