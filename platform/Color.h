#pragma once
// Colour values: a 32-bit integer red + 256 * green + 65536 * blue (red in the
// low byte). Pictures hold QRgb (0xAARRGGBB); these helpers convert.
#include <QColor>
#include <QRgb>
#include <cstdint>

using ColorValue = std::uint32_t;

namespace Color {

constexpr ColorValue rgb(int r, int g, int b) {
    return ColorValue(r & 0xFF) | (ColorValue(g & 0xFF) << 8) | (ColorValue(b & 0xFF) << 16);
}
constexpr int red(ColorValue c) { return int(c & 0xFF); }
constexpr int green(ColorValue c) { return int((c >> 8) & 0xFF); }
constexpr int blue(ColorValue c) { return int((c >> 16) & 0xFF); }

// Opaque QRgb of a colour value, and back (alpha ignored).
constexpr QRgb toRgb(ColorValue c) { return 0xFF000000u | (QRgb(red(c)) << 16) | (QRgb(green(c)) << 8) | QRgb(blue(c)); }
constexpr ColorValue fromRgb(QRgb p) { return rgb(int((p >> 16) & 0xFF), int((p >> 8) & 0xFF), int(p & 0xFF)); }
inline QColor toQColor(ColorValue c) { return QColor(red(c), green(c), blue(c)); }
inline ColorValue fromQColor(const QColor& q) { return rgb(q.red(), q.green(), q.blue()); }

constexpr ColorValue Black = 0x000000;
constexpr ColorValue White = 0xFFFFFF;

} // namespace Color
