#include "imaging/Effect.h"

#include "imaging/Rounding.h"
#include "platform/AppContext.h"
#include "platform/AppError.h"
#include "platform/Surface.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

namespace mdlEffect {

namespace {

constexpr double Pi = 3.14159265358979;
constexpr int RefreshIntervalMs = 33;

QImage BlankImage(int w, int h, ColorValue back) {
    QImage image(std::max(1, w), std::max(1, h), QImage::Format_RGB32);
    if (image.isNull())
        throw std::bad_alloc();
    image.fill(Color::toRgb(back));
    return image;
}

const QRgb* Row(const QImage& image, int y) { return reinterpret_cast<const QRgb*>(image.constScanLine(y)); }
QRgb* Row(QImage& image, int y) { return reinterpret_cast<QRgb*>(image.scanLine(y)); }

void MirrorLeftRightInto(const QImage& src, QImage& dst) {
    const int w = std::min(src.width(), dst.width()), h = std::min(src.height(), dst.height());
    for (int y = 0; y < h; ++y) {
        const QRgb* s = Row(src, y);
        QRgb* d = Row(dst, y) + dst.width() - 1;
        for (int x = 0; x < w; ++x)
            *d-- = s[x];
    }
}

void MirrorTopBottomInto(const QImage& src, QImage& dst) {
    const int w = std::min(src.width(), dst.width()), h = std::min(src.height(), dst.height());
    for (int y = 0; y < h; ++y)
        std::memcpy(Row(dst, dst.height() - 1 - y), Row(src, y), std::size_t(w) * 4);
}

// Nearest-pixel stretch of all of src over all of dst: destination pixel x
// takes source pixel floor((x + 1/2) * sw / dw).
void StretchInto(const QImage& src, QImage& dst) {
    const int sw = src.width(), sh = src.height(), dw = dst.width(), dh = dst.height();
    std::vector<int> xs(static_cast<std::size_t>(dw));
    for (int x = 0; x < dw; ++x)
        xs[std::size_t(x)] = int(std::min<long long>((2LL * x + 1) * sw / (2LL * dw), sw - 1));
    int lastSy = -1;
    for (int y = 0; y < dh; ++y) {
        const int sy = int(std::min<long long>((2LL * y + 1) * sh / (2LL * dh), sh - 1));
        QRgb* d = Row(dst, y);
        if (sy == lastSy) { // same source row as the row above
            std::memcpy(d, Row(dst, y - 1), std::size_t(dw) * 4);
            continue;
        }
        const QRgb* s = Row(src, sy);
        for (int x = 0; x < dw; ++x)
            d[x] = s[xs[std::size_t(x)]];
        lastSy = sy;
    }
}

// Every pixel becomes its colour XOR the background colour (the target was
// cleared to it, and the source is combined by exclusive or).
void InvertInto(const QImage& src, QImage& dst, ColorValue back) {
    const QRgb mask = Color::toRgb(back) & 0x00FFFFFFu;
    const int w = std::min(src.width(), dst.width()), h = std::min(src.height(), dst.height());
    for (int y = 0; y < h; ++y) {
        const QRgb* s = Row(src, y);
        QRgb* d = Row(dst, y);
        for (int x = 0; x < w; ++x)
            d[x] = (s[x] ^ mask) | 0xFF000000u;
    }
}

int ScaledSide(int side, float factor) {
    const double v = std::nearbyint(double(side) * double(factor));
    if (!(v >= 1.0))
        return 1;
    if (v > 1e6)
        throw AppError(6, QStringLiteral("Overflow"));
    return int(v);
}

} // namespace

void RotateImage(const Surface& source, Surface& destination, float& angle, bool clockwise, EffectHost& host) {
    try {
        if (clockwise)
            angle = 360.0f - angle;
        const QImage& src = source.image();
        const int sx = Rounding::halfEven(src.width() / 2.0), sy = Rounding::halfEven(src.height() / 2.0);
        const int dx = Rounding::halfEven(destination.width() / 2.0);
        const int dy = Rounding::halfEven(destination.height() / 2.0);
        const float radius = destination.width() > destination.height() ? float(destination.width()) / 2.0f
                                                                         : float(destination.height()) / 2.0f;
        int a = 0, b = 0;
        if (angle == 90.0f || angle == 270.0f) {
            const int sw = destination.width(), sh = destination.height();
            b = Rounding::halfEven((sh - sw) / 2.0 - 2);
            a = Rounding::halfEven((sw - sh) / 2.0);
            host.DrawSelectionRect();
            destination.resize(sh, sw);
            host.DrawSelectionRect();
            host.AdjustPaintResizeBox();
            host.Form_Resize();
            host.refresh();
        }
        angle = float(double(angle) * Pi / 180.0);
        destination.drawMode = Surface::DrawCopy;

        const double turn = double(angle);
        QImage& dst = destination.image();
        const int sW = src.width(), sH = src.height(), dW = dst.width(), dH = dst.height();
        const uchar* srcBits = src.constBits();
        const qsizetype srcLine = src.bytesPerLine();
        uchar* dstBits = dst.bits();
        const qsizetype dstLine = dst.bytesPerLine();
        // Pixel read (-1 outside) and write (nothing outside) on the buffers.
        auto read = [&](int x, int y) -> long long {
            if (x < 0 || y < 0 || x >= sW || y >= sH)
                return -1;
            return reinterpret_cast<const QRgb*>(srcBits + y * srcLine)[x];
        };
        auto write = [&](int x, int y, long long c) {
            if (c < 0 || x < 0 || y < 0 || x >= dW || y >= dH)
                return;
            reinterpret_cast<QRgb*>(dstBits + y * dstLine)[x] = QRgb(c);
        };
        const int last = Rounding::halfEven(radius);
        QElapsedTimer sinceRefresh;
        sinceRefresh.start();
        for (int i = 0; i <= last; ++i) {
            for (int j = 0; j <= last; ++j) {
                const double theta = i != 0 ? std::atan(double(j) / double(i)) : 1.5707964;
                const int r = Rounding::halfEvenSmall(std::sqrt(double(j) * j + double(i) * i));
                const int xr = Rounding::halfEvenSmall(r * std::cos(theta + turn));
                const int yr = Rounding::halfEvenSmall(r * std::sin(theta + turn));
                const long long c0 = read(sx + xr, sy + yr);
                const long long c1 = read(sx - xr, sy - yr);
                const long long c2 = read(sx + yr, sy - xr);
                const long long c3 = read(sx - yr, sy + xr);
                write(dx + i + b, dy + j + a, c0);
                write(dx - i + b, dy - j + a, c1);
                write(dx + j + b, dy - i + a, c2);
                write(dx - j + b, dy + i + a, c3);
            }
            if (sinceRefresh.elapsed() >= RefreshIntervalMs) {
                destination.refresh();
                sinceRefresh.restart();
            }
        }
        destination.refresh();
    } catch (const std::exception& e) {
        host.ShowErrorMessage(0, ErrorDescription(e));
    }
}

void ImageEffect(int mode, Surface& target, Surface& scratch, EffectHost& host) {
    const bool scratchAutoSize = scratch.autoSize;
    try {
        // The scratch takes a copy of the target; the target shows only its
        // background colour.
        scratch.autoSize = true;
        scratch.image() = target.image();
        target.image() = BlankImage(target.width(), target.height(), target.backColor);
        const QImage& src = scratch.image();
        QImage& dst = target.image();

        switch (mode) {
        case MirrorLeftRight:
            MirrorLeftRightInto(src, dst);
            break;
        case MirrorTopBottom:
            MirrorTopBottomInto(src, dst);
            break;
        case Scale: {
            const AppContext& app = AppContext::instance();
            host.DrawSelectionRect();
            host.setTargetVisible(target, false);
            const int w = ScaledSide(target.width(), float(app.EffectScaleX));
            const int h = ScaledSide(target.height(), float(app.EffectScaleY));
            target.image() = BlankImage(w, h, target.backColor);
            StretchInto(src, target.image());
            host.setTargetVisible(target, true);
            host.DrawSelectionRect();
            host.AdjustPaintResizeBox();
            host.Form_Resize();
            break;
        }
        case Rotate: {
            AppContext& app = AppContext::instance();
            float angle = float(app.EffectAngle);
            RotateImage(scratch, target, angle, app.EffectClockwise, host);
            app.EffectAngle = angle;
            break;
        }
        case Invert:
            InvertInto(src, dst, target.backColor);
            break;
        default:
            break;
        }
        target.refresh();
    } catch (const std::exception& e) {
        host.ShowErrorMessage(0, ErrorDescription(e));
    }
    scratch.autoSize = scratchAutoSize;
}

} // namespace mdlEffect
