#pragma once
// cBrightnessContrast: adjusts every colour byte of a 24-bit bitmap as
//   t = (byte - 128) * Contrast + 128 + Brightness   (double precision)
// limited to 0..255 and rounded to the nearest whole number, halves to even.
#include "imaging/DIBSection.h"

class cBrightnessContrast {
public:
    // Added after the contrast step; the window passes -255..255.
    int Brightness() const { return lBrightness_; }
    void setBrightness(int value) { lBrightness_ = value; }
    // Factor on each byte's distance from 128; the window passes 0.2..5.
    double Contrast() const { return fContrast_; }
    void setContrast(double value) { fContrast_ = value; }

    // Writes the adjusted bytes of cSrc into cDst at the same row and byte
    // offset: for each row, byte triples at 0, 3, 6, ... while the triple
    // fits in the row, so a row with three padding bytes has its padding
    // adjusted as well. Rows and bytes that cDst lacks are skipped; empty
    // bitmaps do nothing.
    void process(const cDIBSection& cSrc, cDIBSection& cDst) const;

    // The new value of one byte (what process writes).
    std::uint8_t adjust(int byte) const;

    // The scroll bars' values as parameters: brightness value - 255, and the
    // contrast value v as 1 at 100, 1 + (v - 100) / 25 above, 1 / (5 - v / 25) below.
    static int BrightnessFromScroll(int value) { return value - 255; }
    static double ContrastFromScroll(int value);

private:
    int lBrightness_ = 0;
    double fContrast_ = 1.0;
};
