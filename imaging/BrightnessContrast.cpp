#include "imaging/BrightnessContrast.h"

#include "imaging/Rounding.h"

#include <algorithm>
#include <array>

std::uint8_t cBrightnessContrast::adjust(int byte) const {
    double t = (byte - 128) * fContrast_ + 128 + lBrightness_;
    if (t > 255)
        t = 255;
    if (t < 0)
        t = 0;
    return std::uint8_t(Rounding::halfEven(t));
}

void cBrightnessContrast::process(const cDIBSection& cSrc, cDIBSection& cDst) const {
    const std::uint8_t* src = cSrc.DIBSectionBitsPtr();
    std::uint8_t* dst = cDst.DIBSectionBitsPtr();
    if (!src || !dst)
        return;
    // Every byte goes through the same formula, so a table of the 256
    // answers is exact.
    std::array<std::uint8_t, 256> table{};
    for (int v = 0; v < 256; ++v)
        table[std::size_t(v)] = adjust(v);

    const int srcStride = cSrc.BytesPerScanLine(), dstStride = cDst.BytesPerScanLine();
    // Triples at 0, 3, ... while x <= stride - 3.
    const int bytes = std::min((srcStride / 3) * 3, (dstStride / 3) * 3);
    const int rows = std::min(cSrc.Height(), cDst.Height());
    for (int y = 0; y < rows; ++y) {
        const std::uint8_t* s = src + std::size_t(y) * srcStride;
        std::uint8_t* d = dst + std::size_t(y) * dstStride;
        for (int x = 0; x < bytes; ++x)
            d[x] = table[s[x]];
    }
}

double cBrightnessContrast::ContrastFromScroll(int value) {
    if (value == 100)
        return 1.0;
    if (value > 100)
        return 1.0 + (value - 100) / 25.0;
    return 1.0 / (5.0 - value / 25.0);
}
