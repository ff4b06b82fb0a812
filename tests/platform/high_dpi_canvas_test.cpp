// The canvas and the tool cursors on scaled screens: picture pixels drawn
// sharp (nearest neighbour), the pointer reported as the pixel drawn under
// it, and the cursors' tips on that pixel.
#include "platform/Canvas.h"
#include "platform/CursorFile.h"
#include "platform/Surface.h"

#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>

namespace {

const qreal Ratios[] = {1.25, 1.5, 2.0};

// Every pixel of the picture a colour of its own.
QImage distinctPixels(QSize size) {
    QImage img(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            img.setPixel(x, y, qRgb(x * 20, y * 40, 100));
    return img;
}

TEST(HighDpiCanvas, PixelsAreDrawnSharpWhereThePointerReportsThem) {
    Surface surface(7, 5, Color::White);
    surface.image() = distinctPixels({7, 5});
    SurfaceCanvas canvas(&surface);
    for (const qreal ratio : Ratios) {
        SCOPED_TRACE(ratio);
        QImage screen(int(std::ceil(7 * ratio)), int(std::ceil(5 * ratio)), QImage::Format_RGB32);
        screen.setDevicePixelRatio(ratio);
        screen.fill(Qt::black);
        {
            QPainter p(&screen);
            canvas.render(&p);
        }
        // Twice: a partial repaint samples exactly as the whole one.
        QImage part = screen.copy();
        part.setDevicePixelRatio(ratio);
        {
            QPainter p(&part);
            canvas.render(&p, QPoint(3, 2), QRegion(3, 2, 3, 2));
        }
        for (int d = 0; d < int(7 * ratio) - 1; ++d)
            for (int e = 0; e < int(5 * ratio) - 1; ++e) {
                const int x = SurfaceCanvas::pixelAt(d / ratio, ratio);
                const int y = SurfaceCanvas::pixelAt(e / ratio, ratio);
                ASSERT_EQ(screen.pixel(d, e), surface.image().pixel(x, y)) << d << "," << e;
                ASSERT_EQ(part.pixel(d, e), screen.pixel(d, e)) << d << "," << e;
            }
    }
}

TEST(HighDpiCanvas, CursorTipsStayOnThePixelTheToolsActOn) {
    const QImage tip = distinctPixels({32, 32});
    for (const qreal ratio : {1.0, 1.25, 1.5, 2.0})
        for (const QPoint hot : {QPoint(0, 0), QPoint(5, 7), QPoint(15, 16), QPoint(31, 31)}) {
            SCOPED_TRACE(QStringLiteral("ratio %1, hot spot %2,%3").arg(ratio).arg(hot.x()).arg(hot.y()).toStdString());
            const CursorImage big = scaleCursor(CursorImage{tip, hot}, ratio);
            EXPECT_EQ(big.image.width(), int(std::ceil(32 * ratio - 0.5)));
            // The device pixel of the tip shows the tip's own pixel ...
            EXPECT_EQ(big.image.pixel(big.hotSpot), tip.pixel(hot));
            // ... and is the first of that pixel's device pixels.
            EXPECT_EQ(SurfaceCanvas::pixelAt(big.hotSpot.x() / ratio, ratio), hot.x());
            EXPECT_EQ(SurfaceCanvas::pixelAt(big.hotSpot.y() / ratio, ratio), hot.y());
            if (hot.x() > 0) {
                EXPECT_EQ(SurfaceCanvas::pixelAt((big.hotSpot.x() - 1) / ratio, ratio), hot.x() - 1);
            }

            const QCursor cursor = makeCursor(CursorImage{tip, hot}, ratio);
            EXPECT_EQ(cursor.hotSpot(), big.hotSpot) << "the hot spot is given in the enlarged image's pixels";
            EXPECT_EQ(cursor.pixmap().devicePixelRatio(), ratio);
        }
}

} // namespace
