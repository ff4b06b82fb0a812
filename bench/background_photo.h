#pragma once
// Synthetic camera-like photos for the background benchmarks: smooth light,
// fine texture and noise, saved as 4:2:0 JPEG at quality 90 as cameras do.
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>
#include <turbojpeg.h>

#include <cmath>
#include <cstdint>

inline QImage benchPhoto(int w, int h, unsigned seed) {
    QImage img(w, h, QImage::Format_RGB32);
    std::uint32_t s = seed * 2654435761u + 1;
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            s = s * 1664525u + 1013904223u;
            const int n = int(s >> 27) - 16; // noise -16..15
            const double t = std::sin((x + seed * 37) * 0.013) * std::cos(y * 0.021) * 60;
            const int r = int(120 + 100.0 * x / w + t) + n;
            const int g = int(90 + 120.0 * y / h - t / 2) + n;
            const int b = int(160 + 60 * std::sin((x + y) * 0.05)) + n;
            row[x] = qRgb(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255));
        }
    }
    return img;
}

inline bool writeBenchPhoto(const QString& path, int w, int h, unsigned seed) {
    const QImage img = benchPhoto(w, h, seed);
    tjhandle t = tjInitCompress();
    unsigned char* out = nullptr;
    unsigned long size = 0;
    const bool ok = tjCompress2(t, img.constBits(), w, int(img.bytesPerLine()), h, TJPF_BGRX, &out, &size,
                                TJSAMP_420, 90, 0) == 0;
    tjDestroy(t);
    QFile f(path);
    const bool written = ok && f.open(QIODevice::WriteOnly) &&
                         f.write(reinterpret_cast<const char*>(out), qint64(size)) == qint64(size);
    tjFree(out);
    return written;
}
