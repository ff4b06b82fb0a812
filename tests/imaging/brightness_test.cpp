// cBrightnessContrast: scroll-bar mapping and the per-byte rule.
#include "imaging/BrightnessContrast.h"

#include <gtest/gtest.h>

TEST(BrightnessContrast, ScrollValuesMapToParameters) {
    const struct { int v; double contrast; } cases[] = {
        {0, 0.2}, {75, 0.5}, {100, 1.0}, {125, 2.0}, {150, 3.0}, {200, 5.0}, {50, 1.0 / 3.0}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(cBrightnessContrast::ContrastFromScroll(c.v), c.contrast) << c.v;
    for (int v = 0; v <= 200; v += 10) // v and 200 - v give reciprocal factors
        EXPECT_NEAR(cBrightnessContrast::ContrastFromScroll(v) * cBrightnessContrast::ContrastFromScroll(200 - v), 1.0,
                    1e-12)
            << v;
    EXPECT_EQ(cBrightnessContrast::BrightnessFromScroll(255), 0);
    EXPECT_EQ(cBrightnessContrast::BrightnessFromScroll(0), -255);
    EXPECT_EQ(cBrightnessContrast::BrightnessFromScroll(510), 255);
}

TEST(BrightnessContrast, ProcessFollowsTheByteRule) {
    const struct { int contrastScroll, brightnessScroll, in, out; } cases[] = {
        {100, 255, 0, 0},   {100, 255, 77, 77},  {100, 255, 255, 255}, // initial positions copy
        {0, 255, 0, 102},   {0, 255, 255, 153},                        // factor 0.2
        {200, 255, 102, 0}, {200, 255, 103, 3},  {200, 255, 153, 253}, {200, 255, 154, 255},
        {100, 510, 0, 255}, {100, 510, 200, 255}, {100, 0, 255, 0},    {100, 0, 30, 0},
        {75, 255, 73, 100}, {75, 255, 75, 102}, // 100.5 -> 100, 101.5 -> 102
    };
    for (const auto& c : cases) {
        cBrightnessContrast bc;
        bc.setContrast(cBrightnessContrast::ContrastFromScroll(c.contrastScroll));
        bc.setBrightness(cBrightnessContrast::BrightnessFromScroll(c.brightnessScroll));
        cDIBSection src, dst;
        ASSERT_TRUE(src.Create(2, 2));
        ASSERT_TRUE(dst.Create(2, 2));
        std::memset(src.DIBSectionBitsPtr(), c.in, std::size_t(src.BytesPerScanLine()) * 2);
        bc.process(src, dst);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 6; ++x)
                EXPECT_EQ(dst.DIBSectionBitsPtr()[y * 8 + x], c.out)
                    << "contrast " << c.contrastScroll << " brightness " << c.brightnessScroll << " byte " << c.in;
    }
}

TEST(BrightnessContrast, PaddingTripleIsProcessedOnlyWhenItFits) {
    cBrightnessContrast bc;
    bc.setBrightness(10);
    const struct { int width, stride, processed; } cases[] = {
        {3, 12, 12}, // 9 bytes + 3 padding: the padding triple too
        {1, 4, 3},   // 3 bytes + 1 padding
        {2, 8, 6},   // 6 bytes + 2 padding
    };
    for (const auto& c : cases) {
        cDIBSection src, dst;
        ASSERT_TRUE(src.Create(c.width, 1));
        ASSERT_TRUE(dst.Create(c.width, 1));
        ASSERT_EQ(src.BytesPerScanLine(), c.stride);
        std::memset(src.DIBSectionBitsPtr(), 100, std::size_t(c.stride));
        bc.process(src, dst);
        for (int x = 0; x < c.stride; ++x)
            EXPECT_EQ(dst.DIBSectionBitsPtr()[x], x < c.processed ? 110 : 0) << "width " << c.width << " byte " << x;
    }
}

TEST(BrightnessContrast, SmallerOrEmptyDestinationIsNeverOverrun) {
    cBrightnessContrast bc;
    cDIBSection src, dst, empty;
    ASSERT_TRUE(src.Create(8, 8));
    ASSERT_TRUE(dst.Create(2, 1));
    std::memset(src.DIBSectionBitsPtr(), 9, std::size_t(src.BytesPerScanLine()) * 8);
    bc.process(src, dst);
    EXPECT_EQ(dst.DIBSectionBitsPtr()[5], 9);
    EXPECT_EQ(dst.DIBSectionBitsPtr()[6], 0); // padding of the narrower row untouched
    bc.process(empty, dst);
    bc.process(src, empty);
}
