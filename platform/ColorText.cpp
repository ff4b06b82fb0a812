#include "platform/ColorText.h"

int ColorComponent(ColorValue c, int part) {
    const QString hex = QStringLiteral("%1").arg(c & 0xFFFFFFu, 6, 16, QLatin1Char('0')).toUpper(); // BBGGRR
    switch (part) {
    case 1: return hex.mid(4, 2).toInt(nullptr, 16);
    case 2: return hex.mid(0, 2).toInt(nullptr, 16);
    case 3: return hex.mid(2, 2).toInt(nullptr, 16);
    default: return 0;
    }
}

QString ColorToHtml(ColorValue c) {
    auto two = [](int v) { return QStringLiteral("%1").arg(v, 2, 16, QLatin1Char('0')).toUpper(); };
    return QStringLiteral("#") + two(ColorComponent(c, 1)) + two(ColorComponent(c, 3)) + two(ColorComponent(c, 2));
}
