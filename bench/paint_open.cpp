// Opening a 3000 x 2000 photo in the paint program (offscreen window): from
// openPicture to the canvas painted, for a PNG and a JPEG, against
// QImageReader::read of the same file in the same run. Goal: under 150 ms.
#include "bench/bench_main.h"
#include "bench/bench_timing.h"
#include "paint/PaintHost.h"
#include "paint/PaintWindow.h"
#include "platform/Canvas.h"
#include "platform/FakeDialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct Host : PaintHost {
    QString widthText() const override { return QStringLiteral("300"); }
    QString heightText() const override { return QStringLiteral("200"); }
    void pictureSaved(const QString&) override {}
};

// A photo-like 3000 x 2000 picture (gradients and noise, so neither encoder
// has an easy time), written once per format.
const QString& photo(const char* format) {
    static QTemporaryDir dir;
    static QHash<QString, QString> paths;
    const QString key = QString::fromLatin1(format);
    if (!paths.contains(key)) {
        QImage img(3000, 2000, QImage::Format_RGB32);
        quint32 seed = 7;
        for (int y = 0; y < img.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
            for (int x = 0; x < img.width(); ++x) {
                seed = seed * 1664525u + 1013904223u;
                const int n = int(seed >> 28);
                line[x] = qRgb((x / 12 + n) & 255, (y / 8 + n) & 255, ((x + y) / 20) & 255);
            }
        }
        const QString path = dir.filePath(QStringLiteral("photo.") + key.toLower());
        img.save(path, format, 90);
        paths.insert(key, path);
    }
    return paths[key];
}

// Delivers the pending paint events (the platform's update timer).
void settle() {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 8)
        QApplication::processEvents(QEventLoop::AllEvents, 8);
}

void openInWindow(benchmark::State& state, const char* format) {
    const QString path = photo(format);
    FakeDialogs dialogs;
    Host host;
    frmPaint w(host);
    w.resize(1200, 900);
    w.show();
    settle();
    for (auto _ : state) {
        const double t0 = benchNowMs(CLOCK_MONOTONIC);
        if (!w.openPicture(path))
            state.SkipWithError("not opened");
        w.picPaint()->repaint(); // the canvas shown
        state.SetIterationTime((benchNowMs(CLOCK_MONOTONIC) - t0) / 1e3);
        settle();
    }
    state.counters["canvas_px"] = double(w.canvas().width()) * w.canvas().height();
}

void readerPeer(benchmark::State& state, const char* format) {
    const QString path = photo(format);
    for (auto _ : state) {
        const double t0 = benchNowMs(CLOCK_MONOTONIC);
        QImageReader reader(path);
        const QImage img = reader.read();
        benchmark::DoNotOptimize(img.constBits());
        state.SetIterationTime((benchNowMs(CLOCK_MONOTONIC) - t0) / 1e3);
    }
}

void BM_OpenPng_PaintWindow(benchmark::State& s) { openInWindow(s, "PNG"); }
void BM_OpenPng_QImageReaderPeer(benchmark::State& s) { readerPeer(s, "PNG"); }
void BM_OpenJpeg_PaintWindow(benchmark::State& s) { openInWindow(s, "JPEG"); }
void BM_OpenJpeg_QImageReaderPeer(benchmark::State& s) { readerPeer(s, "JPEG"); }

} // namespace

BENCHMARK(BM_OpenPng_PaintWindow)->Unit(benchmark::kMillisecond)->Iterations(10)->UseManualTime();
BENCHMARK(BM_OpenPng_QImageReaderPeer)->Unit(benchmark::kMillisecond)->Iterations(10)->UseManualTime();
BENCHMARK(BM_OpenJpeg_PaintWindow)->Unit(benchmark::kMillisecond)->Iterations(10)->UseManualTime();
BENCHMARK(BM_OpenJpeg_QImageReaderPeer)->Unit(benchmark::kMillisecond)->Iterations(10)->UseManualTime();

int main(int argc, char** argv) { return RunQtBenchmarks<QApplication>(argc, argv); }
