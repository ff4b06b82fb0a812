#include "paint/FigureGeometry.h"

#include "imaging/Rounding.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace Figure {

namespace {
constexpr double Pi = 3.14159265358979;
}

QPoint ConstrainEndPoint(QPoint start, int x, int y, bool shift, bool ctrl, bool allowCtrl) {
    const int sx = start.x(), sy = start.y();
    const int dx = std::abs(x - sx), dy = std::abs(y - sy);
    if (shift && !ctrl) {
        if (dy >= dx)
            return QPoint(x, y > sy ? sy + dx : sy - dx);
        return QPoint(x > sx ? sx + dy : sx - dy, y);
    }
    if (ctrl && !shift && allowCtrl)
        return dy >= dx ? QPoint(sx, y) : QPoint(x, sy);
    return QPoint(x, y);
}

ArrowHead ArrowBarbs(int x1, int y1, int x2, int y2) {
    // The shaft's angle in degrees, held in single precision.
    const float a = x2 == x1 ? 90.0f : float(std::atan(double(y2 - y1) / double(x2 - x1)) * 180.0 / Pi);
    int d = 0;
    if (x1 < x2)
        d = 1;
    else if (x2 < x1)
        d = -1;
    else if (y1 < y2)
        d = 1;
    else if (y2 < y1)
        d = -1;
    const double rad = Pi / 180.0;
    const double up = (double(a) + 45.0) * rad, down = (45.0 - double(a)) * rad;
    ArrowHead h;
    h.barb1 = QPoint(Rounding::halfEven(x2 - std::cos(up) * 10 * d), Rounding::halfEven(y2 - std::sin(up) * 10 * d));
    h.barb2 = QPoint(Rounding::halfEven(x2 - std::cos(down) * 10 * d), Rounding::halfEven(y2 + std::sin(down) * 10 * d));
    return h;
}

EllipseShape EllipseInBox(QPoint a, QPoint b) {
    EllipseShape e;
    const double w = std::abs(b.x() - a.x()), h = std::abs(b.y() - a.y());
    e.cx = (a.x() + b.x()) / 2.0;
    e.cy = (a.y() + b.y()) / 2.0;
    e.drawn = w > 0 || h > 0;
    e.radius = w > h ? w / 2 : h / 2;
    e.aspect = w > 0 ? h / w : std::numeric_limits<double>::infinity();
    return e;
}

CurvePoints PlaceCurveHandles(int x, int y) {
    return {QPoint(x - 50, y - 50), QPoint(x + 50, y - 50), QPoint(x - 50, y + 50), QPoint(x + 50, y + 50)};
}

CurvePoints CurveControlPoints(const CurvePoints& corners) {
    const int half = Rounding::halfEven(HandleSize / 2.0);
    CurvePoints p;
    for (std::size_t i = 0; i < p.size(); ++i)
        p[i] = corners[i] + QPoint(half, half);
    return p;
}

} // namespace Figure
