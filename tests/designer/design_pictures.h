#pragma once
// Small pictures for the design document tests.
#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>

// A JPEG of the given size in one colour.
inline QByteArray jpegBytes(int w, int h, QColor colour = Qt::darkCyan) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    for (int y = 0; y < h; y += 7) // some detail, so encodings differ by content
        image.setPixel(y % w, y, qRgb(y % 256, 20, 200));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 90);
    return bytes;
}

// A 1 x 1 GIF.
inline QByteArray gifBytes() {
    static const unsigned char gif[] = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01, 0x00, 0x80, 0x00,
                                        0x00, 0x00, 0x00, 0x00, 0xff, 0xff, 0xff, 0x21, 0xf9, 0x04, 0x01, 0x00,
                                        0x00, 0x00, 0x00, 0x2c, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00,
                                        0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3b};
    return QByteArray(reinterpret_cast<const char*>(gif), sizeof gif);
}
