// Selection speed on large canvases, each next to a plain peer in the same run:
//  - one rubber-band step of the selecting drag (take the last marquee off,
//    draw the new one) with Marquee, against the same dotted exclusive-or box
//    drawn twice with Surface::box (the general figure path), and against
//    a QPainter outline on a QImage;
//  - dropping a moved 1000 x 1000 selection into the canvas, and the picture
//    Save writes while a selection floats, against QPainter::drawImage.
#include "bench/bench_main.h"
#include "paint/Marquee.h"
#include "paint/Selection.h"
#include "platform/Surface.h"

#include <QGuiApplication>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

QRect bandRect(int n, int i) { return QRect(QPoint(10, 10), QPoint(n - 20 - (i & 7), n - 20 - (i & 3))); }

void BM_MarqueeStep(benchmark::State& state) {
    const int n = int(state.range(0));
    QImage img(n, n, QImage::Format_RGB32);
    img.fill(Qt::white);
    Marquee m;
    int i = 0;
    for (auto _ : state) {
        m.show(img, bandRect(n, i++), 0xFFFFFF);
        benchmark::DoNotOptimize(img.constBits());
    }
}

void BM_MarqueeStep_SurfaceBox(benchmark::State& state) {
    const int n = int(state.range(0));
    Surface s(n, n);
    s.drawMode = Surface::DrawXor;
    s.drawStyle = Surface::Dot;
    s.foreColor = Color::White;
    int i = 0;
    QRect last = bandRect(n, 0);
    s.box(last.left(), last.top(), last.right(), last.bottom());
    for (auto _ : state) {
        s.box(last.left(), last.top(), last.right(), last.bottom());
        last = bandRect(n, ++i);
        s.box(last.left(), last.top(), last.right(), last.bottom());
        benchmark::DoNotOptimize(s.image().constBits());
    }
}

void BM_MarqueeStep_QPainter(benchmark::State& state) {
    const int n = int(state.range(0));
    QImage img(n, n, QImage::Format_RGB32);
    img.fill(Qt::white);
    int i = 0;
    for (auto _ : state) {
        QPainter p(&img);
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.drawRect(bandRect(n, i));
        p.drawRect(bandRect(n, ++i));
        benchmark::DoNotOptimize(img.constBits());
    }
}

struct Host : SelectionHost {
    Surface surface;
    Surface floating;
    explicit Host(int n) : surface(n, n) {}
    Surface& canvas() override { return surface; }
    Surface& selectionSurface() override { return floating; }
    void SetImageBuffer() override {}
};

void BM_DropMovedSelection(benchmark::State& state) {
    const int n = int(state.range(0));
    Host host(n);
    Selection sel(host);
    for (auto _ : state) {
        sel.beginSelect({100, 100});
        sel.endSelect({1101, 1101}, false, false);
        sel.beginMove({200, 200}, true);
        sel.endMove({300, 250});
        sel.DropSelection();
        benchmark::DoNotOptimize(host.surface.image().constBits());
    }
}

void BM_SavePictureWhileFloating(benchmark::State& state) {
    const int n = int(state.range(0));
    Host host(n);
    Selection sel(host);
    sel.beginSelect({100, 100});
    sel.endSelect({1101, 1101}, false, false);
    sel.beginMove({200, 200}, true);
    sel.endMove({300, 250});
    for (auto _ : state)
        benchmark::DoNotOptimize(sel.composite().constBits());
}

void BM_SavePicture_QPainterPeer(benchmark::State& state) {
    const int n = int(state.range(0));
    QImage canvas(n, n, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    const QImage part = canvas.copy(100, 100, 1000, 1000);
    for (auto _ : state) {
        QImage out = canvas.copy();
        QPainter p(&out);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(200, 150, part);
        p.end();
        benchmark::DoNotOptimize(out.constBits());
    }
}

} // namespace

BENCHMARK(BM_MarqueeStep)->Arg(2000)->Arg(3333)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MarqueeStep_SurfaceBox)->Arg(2000)->Arg(3333)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MarqueeStep_QPainter)->Arg(2000)->Arg(3333)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DropMovedSelection)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SavePictureWhileFloating)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SavePicture_QPainterPeer)->Arg(2000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return RunQtBenchmarks<QGuiApplication>(argc, argv); }
