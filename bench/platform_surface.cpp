// Picture surface speed: flood fill, pixel read/write and stretched copies,
// each next to a plain peer doing the same job in the same run:
//  - flood fill: a textbook per-pixel 4-neighbour fill with an explicit stack;
//  - pixels: QImage::pixel / QImage::setPixel;
//  - stretched copy: QPainter::drawImage into a target rectangle (no smoothing).
#include "bench/bench_main.h"
#include "platform/Surface.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr ColorValue Red = Color::rgb(255, 0, 0);

void BM_FloodFill_Surface(benchmark::State& state) {
    const int n = int(state.range(0));
    Surface s(n, n, Color::White);
    ColorValue colors[2] = {Red, Color::White};
    int i = 0;
    for (auto _ : state) {
        s.floodFill(n / 2, n / 2, colors[i++ & 1]);
        benchmark::DoNotOptimize(s.image().constBits());
    }
    state.SetItemsProcessed(state.iterations() * qint64(n) * n);
}

void BM_FloodFill_SurfaceHatch(benchmark::State& state) {
    const int n = int(state.range(0));
    Surface s(n, n, Color::White);
    s.fillStyle = Surface::FillDiagonalCross;
    s.fillColor = Red;
    for (auto _ : state) {
        state.PauseTiming();
        s.image().fill(Color::toRgb(Color::White));
        state.ResumeTiming();
        s.floodFill(n / 2, n / 2);
    }
    state.SetItemsProcessed(state.iterations() * qint64(n) * n);
}

// Peer: one stack entry per pixel, four neighbours each.
void naiveFill(QImage& img, int x, int y, QRgb to) {
    const QRgb from = img.pixel(x, y);
    if (from == to)
        return;
    std::vector<QPoint> stack{{x, y}};
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        if (p.x() < 0 || p.y() < 0 || p.x() >= img.width() || p.y() >= img.height())
            continue;
        QRgb* px = reinterpret_cast<QRgb*>(img.scanLine(p.y())) + p.x();
        if (*px != from)
            continue;
        *px = to;
        stack.push_back({p.x() + 1, p.y()});
        stack.push_back({p.x() - 1, p.y()});
        stack.push_back({p.x(), p.y() + 1});
        stack.push_back({p.x(), p.y() - 1});
    }
}

void BM_FloodFill_NaivePeer(benchmark::State& state) {
    const int n = int(state.range(0));
    QImage img(n, n, QImage::Format_RGB32);
    img.fill(Color::toRgb(Color::White));
    const QRgb colors[2] = {Color::toRgb(Red), Color::toRgb(Color::White)};
    int i = 0;
    for (auto _ : state) {
        naiveFill(img, n / 2, n / 2, colors[i++ & 1]);
        benchmark::DoNotOptimize(img.constBits());
    }
    state.SetItemsProcessed(state.iterations() * qint64(n) * n);
}

void BM_Pixels_Surface(benchmark::State& state) {
    Surface s(1000, 1000, Color::White);
    for (auto _ : state) {
        for (int y = 0; y < 1000; ++y)
            for (int x = 0; x < 1000; ++x) {
                const qint64 c = s.point(x, y);
                s.pset(x, y, ColorValue(c ^ 0x0F0F0F));
            }
        benchmark::DoNotOptimize(s.image().constBits());
    }
    state.SetItemsProcessed(state.iterations() * 1000 * 1000);
}

void BM_Pixels_QImagePeer(benchmark::State& state) {
    QImage img(1000, 1000, QImage::Format_RGB32);
    img.fill(Color::toRgb(Color::White));
    for (auto _ : state) {
        for (int y = 0; y < 1000; ++y)
            for (int x = 0; x < 1000; ++x)
                img.setPixel(x, y, img.pixel(x, y) ^ 0x0F0F0F);
        benchmark::DoNotOptimize(img.constBits());
    }
    state.SetItemsProcessed(state.iterations() * 1000 * 1000);
}

QImage sourcePicture() {
    QImage src(640, 480, QImage::Format_RGB32);
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x)
            src.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, (x * y) & 0xFF));
    return src;
}

void BM_Stretch_Surface(benchmark::State& state) {
    const QImage src = sourcePicture();
    Surface s(1000, 1000);
    const bool mirrored = state.range(0) != 0;
    for (auto _ : state) {
        if (mirrored)
            s.paintPicture(src, 1000, 1000, -1000, -1000);
        else
            s.paintPicture(src, 0, 0, 1000, 1000);
        benchmark::DoNotOptimize(s.image().constBits());
    }
    state.SetItemsProcessed(state.iterations() * 1000 * 1000);
}

void BM_Stretch_QPainterPeer(benchmark::State& state) {
    const QImage src = sourcePicture();
    QImage dst(1000, 1000, QImage::Format_RGB32);
    const bool mirrored = state.range(0) != 0;
    for (auto _ : state) {
        QPainter p(&dst);
        p.setRenderHint(QPainter::SmoothPixmapTransform, false);
        if (mirrored) {
            p.translate(1000, 1000);
            p.scale(-1, -1);
        }
        p.drawImage(QRect(0, 0, 1000, 1000), src);
        p.end();
        benchmark::DoNotOptimize(dst.constBits());
    }
    state.SetItemsProcessed(state.iterations() * 1000 * 1000);
}

} // namespace

BENCHMARK(BM_FloodFill_Surface)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FloodFill_SurfaceHatch)->Arg(4000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FloodFill_NaivePeer)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Pixels_Surface)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Pixels_QImagePeer)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Stretch_Surface)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Stretch_QPainterPeer)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return RunQtBenchmarks<QGuiApplication>(argc, argv); }
