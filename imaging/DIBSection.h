#pragma once
// cDIBSection: a 24-bit device-independent bitmap whose pixels are addressed
// directly. Rows run bottom-up (the first row in memory is the picture's
// bottom row); each row holds blue, green, red per pixel and is padded to
// BytesPerScanLine() = (width * 3 + 3) with the two low bits cleared. Byte x
// of memory row y is at DIBSectionBitsPtr() + y * BytesPerScanLine() + x.
//
// The bitmap information (a 40-byte header followed by one zero 4-byte
// palette entry) describes the buffer and is written verbatim into saved
// .bmp files. Pictures go in and out as QImage / picture surfaces.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class Random;
class Surface;

class cDIBSection {
public:
    cDIBSection() = default;
    ~cDIBSection() { ClearUp(); }
    cDIBSection(const cDIBSection&) = delete;
    cDIBSection& operator=(const cDIBSection&) = delete;

    // Drops any previous bitmap and makes a new one of lWidth x lHeight,
    // all bytes 0. False for a side below 1 or when memory runs out; throws
    // AppError 6 "Overflow" when a row or the whole buffer exceeds 32 bits.
    bool Create(int lWidth, int lHeight);
    // A bitmap of the picture's size holding the picture (blank when the
    // picture cannot be converted). A null picture leaves the section empty.
    void CreateFromPicture(const QImage& picThis);
    // Copies the rectangle (lSrcLeft, lSrcTop, lSrcWidth, lSrcHeight) of the
    // picture into the bitmap at (0, 0); -1 for a size means the bitmap's.
    // Parts that fall outside the picture or the bitmap are left as they were.
    void LoadPictureBlt(const QImage& source, int lSrcLeft = 0, int lSrcTop = 0, int lSrcWidth = -1,
                        int lSrcHeight = -1);
    // Draws the bitmap's rectangle (lSrcLeft, lSrcTop, width, height) onto
    // the picture at (lDestLeft, lDestTop) without stretching; -1 for a size
    // means the bitmap's; clipped to both.
    void PaintPicture(QImage& target, int lDestLeft = 0, int lDestTop = 0, int lDestWidth = -1,
                      int lDestHeight = -1, int lSrcLeft = 0, int lSrcTop = 0) const;
    void PaintPicture(Surface& target, int lDestLeft = 0, int lDestTop = 0, int lDestWidth = -1,
                      int lDestHeight = -1, int lSrcLeft = 0, int lSrcTop = 0) const;

    // Writes a .bmp file: 14-byte file header (pixel data at offset 58), the
    // 40-byte header and the zero palette entry, then the buffer. Throws
    // AppError 17 (source "<program>.cDIBSection", the system's message)
    // when the file cannot be created; false when a write fails or the
    // section is empty. An existing file is replaced only by a complete one
    // (temporary file + rename); after a failed write LastSaveError() tells
    // the system's reason.
    bool SavePicture(const QString& sFileName) const;
    const QString& LastSaveError() const { return lastSaveError_; }

    int BytesPerScanLine() const; // from the header's width
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool IsEmpty() const { return bits_.empty(); }
    std::uint8_t* DIBSectionBitsPtr() { return bits_.empty() ? nullptr : bits_.data(); }
    const std::uint8_t* DIBSectionBitsPtr() const { return bits_.empty() ? nullptr : bits_.data(); }
    // The 44 bytes of bitmap information (header + zero palette entry).
    QByteArray BitmapInfo() const;

    // Noise: reseeds the generator from the clock, then each pixel gets one
    // value round(u * 255) in blue, green and red (gray), or blue 0 and a
    // value each for green and red. null = the program's shared generator.
    void RandomiseBits(bool bGray, Random* random = nullptr);
    // A bilinear copy at the new size (height first), or null when it cannot
    // be made. The same size gives an exact copy.
    std::unique_ptr<cDIBSection> Resample(int lNewHeight, int lNewWidth) const;

    // Releases the buffer; the header keeps the last width and height.
    void ClearUp();

    // The picture as Format_RGB32 (top row first); null when empty.
    QImage ToImage() const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> bits_;
    mutable QString lastSaveError_;
};
