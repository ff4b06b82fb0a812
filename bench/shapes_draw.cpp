// Cost of one redraw of the predefined shapes window (clear + DrawShape), which
// runs on every pointer move while the canvas is resized. Goal: under 5 ms per
// redraw at 300 x 200.
//   BM_RedrawAll/W/H     all 55 shapes in turn; "per_redraw" = time of one redraw
//   BM_Redraw/i/W/H      one shape (list position i)
//   BM_ClearOnly/W/H     the clear alone, as the floor of a redraw
#include "bench/bench_main.h"
#include "platform/Surface.h"
#include "shapes/ShapeCatalogue.h"
#include "shapes/ShapeRenderer.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>

namespace {

void redraw(Surface& s, const QString& name) {
    s.clear();
    DrawShape(name, s, Color::Black, Color::rgb(255, 200, 80), 2);
    benchmark::DoNotOptimize(s.image().constBits());
}

void BM_RedrawAll(benchmark::State& state) {
    Surface s(int(state.range(0)), int(state.range(1)), Color::White);
    const QStringList& names = ShapeCatalogue::names();
    for (auto _ : state)
        for (const QString& n : names)
            redraw(s, n);
    state.counters["per_redraw"] = benchmark::Counter(
        double(names.size()), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_RedrawAll)->Args({300, 200})->Args({999, 999})->Unit(benchmark::kMillisecond);

void BM_Redraw(benchmark::State& state) {
    Surface s(int(state.range(1)), int(state.range(2)), Color::White);
    const QString name = ShapeCatalogue::names().value(int(state.range(0)), QStringLiteral("unknown"));
    state.SetLabel(name.toStdString());
    for (auto _ : state)
        redraw(s, name);
}
// Smile, Rectangle, Donut, 32-Point Star, Horizontal Scroll, Cloud Callout, and
// an unknown name (no outline, the whole canvas flooded).
BENCHMARK(BM_Redraw)
    ->ArgsProduct({{0, 1, 13, 43, 46, 54, 99}, {300}, {200}})
    ->ArgsProduct({{0, 43, 54, 99}, {999}, {999}})
    ->Unit(benchmark::kMicrosecond);

void BM_ClearOnly(benchmark::State& state) {
    Surface s(int(state.range(0)), int(state.range(1)), Color::White);
    for (auto _ : state) {
        s.clear();
        benchmark::DoNotOptimize(s.image().constBits());
    }
}
BENCHMARK(BM_ClearOnly)->Args({300, 200})->Args({999, 999})->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) { return RunQtBenchmarks<QGuiApplication>(argc, argv); }
