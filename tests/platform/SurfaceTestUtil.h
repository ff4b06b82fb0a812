#pragma once
// Small helpers for looking at a surface's pixels in tests.
#include "platform/Surface.h"

#include <QRect>
#include <QString>
#include <ostream>

// Readable QString values in test failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

// Bounding box of the pixels that differ from `back` (empty when none).
inline QRect paintedBounds(const Surface& s, ColorValue back) {
    QRect r;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            if (s.point(x, y) != qint64(back))
                r |= QRect(x, y, 1, 1);
    return r;
}

inline int countColor(const Surface& s, ColorValue c, const QRect& area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (s.point(x, y) == qint64(c))
                ++n;
    return n;
}

inline bool sameImage(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if ((a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF))
                return false;
    return true;
}

// A row of the surface as text: '#' where the pixel has colour c, '.' elsewhere.
inline QString rowText(const Surface& s, int y, int x0, int x1, ColorValue c) {
    QString t;
    for (int x = x0; x <= x1; ++x)
        t += s.point(x, y) == qint64(c) ? QLatin1Char('#') : QLatin1Char('.');
    return t;
}
