// Rubber-band previews on a 2000 x 2000 canvas: one move of a dragged figure
// is "erase the last exclusive-or preview from its trace, draw the new one
// traced". Peer: QPainter drawing the same outline on a QImage of the same
// size (copy mode, aliased), the cost of just showing the figure once.
// The end point alternates between two places so every move really changes
// the preview.
#include "bench/bench_main.h"
#include "platform/Surface.h"

#include <QGuiApplication>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

constexpr int Side = 2000;

enum Shape { Rect = 0, Ellipse = 1 };

void drawShape(Surface& s, int shape, int end) {
    if (shape == Rect)
        s.box(100, 100, end, end);
    else
        s.circle((100 + end) / 2.0, (100 + end) / 2.0, (end - 100) / 2.0);
}

void BM_RubberBand_Surface(benchmark::State& state) {
    const int shape = int(state.range(0));
    const bool filled = state.range(1) != 0;
    Surface s(Side, Side, Color::White);
    s.drawMode = Surface::DrawXor;
    s.foreColor = Color::rgb(255, 255, 0);
    s.fillColor = Color::rgb(0, 255, 255);
    s.fillStyle = filled ? Surface::FillSolid : Surface::FillTransparent;
    XorTrace trace;
    s.trace = &trace;
    drawShape(s, shape, 1890);
    int i = 0;
    for (auto _ : state) {
        s.erase(trace);
        drawShape(s, shape, (i++ & 1) ? 1890 : 1900);
        benchmark::DoNotOptimize(s.image().constBits());
    }
    state.counters["pixels"] = double(trace.pixels());
}

void BM_RubberBand_QPainterPeer(benchmark::State& state) {
    const int shape = int(state.range(0));
    const bool filled = state.range(1) != 0;
    QImage img(Side, Side, QImage::Format_RGB32);
    img.fill(Qt::white);
    int i = 0;
    for (auto _ : state) {
        const int end = (i++ & 1) ? 1890 : 1900;
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(QColor(0, 0, 255), 1));
        p.setBrush(filled ? QBrush(QColor(255, 0, 0)) : QBrush(Qt::NoBrush));
        if (shape == Rect)
            p.drawRect(QRect(QPoint(100, 100), QPoint(end, end)));
        else
            p.drawEllipse(QRectF(100, 100, end - 100, end - 100));
        benchmark::DoNotOptimize(img.constBits());
    }
}

} // namespace

// Arguments: shape (0 rectangle, 1 ellipse), filled (0 outline, 1 solid).
BENCHMARK(BM_RubberBand_Surface)->ArgsProduct({{Rect, Ellipse}, {0, 1}})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RubberBand_QPainterPeer)->ArgsProduct({{Rect, Ellipse}, {0, 1}})->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return RunQtBenchmarks<QGuiApplication>(argc, argv); }
