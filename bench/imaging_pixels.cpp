// Speed of the raster filters, geometric effects, resampling and brightness /
// contrast on 1000 x 1000 and 2000 x 2000 pictures, against memcpy of the
// same pixel buffer (the memory-bandwidth limit) and Qt's own functions where
// Qt has the same operation. After the usual table, prints each result as a
// ratio to memcpy and to its Qt peer, all from this one run.
#include "imaging/BrightnessContrast.h"
#include "imaging/DIBSection.h"
#include "imaging/Effect.h"
#include "imaging/Filter.h"
#include "platform/AppContext.h"
#include "platform/Surface.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

// A noisy picture: no runs of equal pixels, the worst case for caches.
const QImage& Picture(int side) {
    static std::map<int, QImage> cache;
    auto it = cache.find(side);
    if (it != cache.end())
        return it->second;
    QImage img(side, side, QImage::Format_RGB32);
    std::mt19937 gen(7u);
    for (int y = 0; y < side; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < side; ++x)
            row[x] = 0xFF000000u | (gen() & 0xFFFFFFu);
    }
    return cache.emplace(side, img).first->second;
}

void Restore(Surface& s, const QImage& from) {
    if (s.image().size() != from.size())
        s.image() = QImage(from.size(), QImage::Format_RGB32);
    std::memcpy(s.image().bits(), from.constBits(), std::size_t(from.sizeInBytes()));
}

void BM_Memcpy(benchmark::State& state) {
    const QImage& src = Picture(int(state.range(0)));
    std::vector<uchar> dst(std::size_t(src.sizeInBytes()));
    for (auto _ : state) {
        std::memcpy(dst.data(), src.constBits(), dst.size());
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
}

void BM_Filter(benchmark::State& state) {
    const int kind = int(state.range(0));
    const QImage& src = Picture(int(state.range(1)));
    Surface s;
    mdlFilter::FilterContext context;
    context.UpdateStatusBar = [](int, int) {};
    for (auto _ : state) {
        state.PauseTiming();
        Restore(s, src);
        state.ResumeTiming();
        int x1 = -1, y1 = -1, x2 = -1, y2 = -1;
        mdlFilter::ApplyFilter(kind, s, x1, y1, x2, y2, context);
        benchmark::ClobberMemory();
    }
}

struct NoHost : EffectHost {
    void DrawSelectionRect() override {}
    void AdjustPaintResizeBox() override {}
    void Form_Resize() override {}
    void refresh() override {}
    void ShowErrorMessage(int, const QString&) override {}
};

void BM_Effect(benchmark::State& state) {
    const int mode = int(state.range(0));
    const QImage& src = Picture(int(state.range(1)));
    Surface target, scratch;
    NoHost host;
    auto& app = AppContext::instance();
    for (auto _ : state) {
        state.PauseTiming();
        Restore(target, src);
        app.EffectScaleX = app.EffectScaleY = 1.5;
        app.EffectAngle = 45;
        app.EffectClockwise = false;
        state.ResumeTiming();
        mdlEffect::ImageEffect(mode, target, scratch, host);
        benchmark::ClobberMemory();
    }
}

void BM_Resample150(benchmark::State& state) {
    const int side = int(state.range(0));
    cDIBSection dib;
    dib.CreateFromPicture(Picture(side));
    for (auto _ : state) {
        auto out = dib.Resample(side * 3 / 2, side * 3 / 2);
        benchmark::DoNotOptimize(out.get());
    }
}

void BM_BrightnessContrast(benchmark::State& state) {
    const int side = int(state.range(0));
    cDIBSection src, dst;
    src.CreateFromPicture(Picture(side));
    dst.Create(side, side);
    cBrightnessContrast bc;
    bc.setBrightness(20);
    bc.setContrast(1.4);
    for (auto _ : state) {
        bc.process(src, dst);
        benchmark::ClobberMemory();
    }
}

// Qt's own operations of the same kind.
void BM_QtInvertPixels(benchmark::State& state) {
    QImage img = Picture(int(state.range(0))).copy();
    for (auto _ : state) {
        img.invertPixels();
        benchmark::ClobberMemory();
    }
}
void BM_QtMirroredH(benchmark::State& state) {
    const QImage& img = Picture(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(img.mirrored(true, false));
}
void BM_QtMirroredV(benchmark::State& state) {
    const QImage& img = Picture(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(img.mirrored(false, true));
}
void BM_QtScaled150(benchmark::State& state) {
    const QImage& img = Picture(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(img.scaled(img.width() * 3 / 2, img.height() * 3 / 2, Qt::IgnoreAspectRatio,
                                            Qt::FastTransformation));
}
void BM_QtScaled150Smooth(benchmark::State& state) {
    const QImage& img = Picture(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(img.scaled(img.width() * 3 / 2, img.height() * 3 / 2, Qt::IgnoreAspectRatio,
                                            Qt::SmoothTransformation));
}
void BM_QtGrayscale8(benchmark::State& state) {
    const QImage& img = Picture(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(img.convertToFormat(QImage::Format_Grayscale8));
}
void BM_QtRotate45(benchmark::State& state) {
    const QImage& img = Picture(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(img.transformed(QTransform().rotate(45), Qt::FastTransformation));
}

void Sizes(benchmark::internal::Benchmark* b) { b->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond); }
void FilterArgs(benchmark::internal::Benchmark* b) {
    for (int kind : {0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13})
        for (int side : {1000, 2000})
            b->Args({kind, side});
    b->Unit(benchmark::kMillisecond);
}
void EffectArgs(benchmark::internal::Benchmark* b) {
    for (int mode : {0, 1, 2, 3, 4})
        for (int side : {1000, 2000})
            b->Args({mode, side});
    b->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_Memcpy)->Apply(Sizes);
BENCHMARK(BM_Filter)->Apply(FilterArgs);
BENCHMARK(BM_Effect)->Apply(EffectArgs);
BENCHMARK(BM_Resample150)->Apply(Sizes);
BENCHMARK(BM_BrightnessContrast)->Apply(Sizes);
BENCHMARK(BM_QtInvertPixels)->Apply(Sizes);
BENCHMARK(BM_QtMirroredH)->Apply(Sizes);
BENCHMARK(BM_QtMirroredV)->Apply(Sizes);
BENCHMARK(BM_QtScaled150)->Apply(Sizes);
BENCHMARK(BM_QtScaled150Smooth)->Apply(Sizes);
BENCHMARK(BM_QtGrayscale8)->Apply(Sizes);
BENCHMARK(BM_QtRotate45)->Apply(Sizes);

// Collects every result so ratios can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> ms; // name -> CPU time in ms per iteration (robust on a busy machine)
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Iteration && !r.error_occurred)
                ms[r.benchmark_name()] = r.GetAdjustedCPUTime() *
                                         (r.time_unit == benchmark::kMillisecond ? 1.0
                                          : r.time_unit == benchmark::kMicrosecond ? 1e-3 : 1e-6);
    }
};

const char* FilterName(int kind) {
    static const char* names[] = {"Black & White", "Blur",      "Brightness", "Crease",    "Darkness",
                                  "Diffuse",       "Emboss",    "Gray B & W", "Grayscale", "-",
                                  "Replace Colors", "Sharpen",  "Snow",       "Wave"};
    return names[kind];
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto get = [&](const std::string& n) {
        auto it = reporter.ms.find(n);
        return it == reporter.ms.end() ? -1.0 : it->second;
    };
    auto line = [&](const std::string& label, const std::string& name, int side, const std::string& peer) {
        const double t = get(name), m = get("BM_Memcpy/" + std::to_string(side));
        if (t < 0)
            return;
        std::printf("%-34s %5d %9.2f ms  x%6.2f memcpy", label.c_str(), side, t, m > 0 ? t / m : 0.0);
        if (!peer.empty() && get(peer) > 0)
            std::printf("  x%6.2f %s", t / get(peer), peer.c_str());
        std::printf("\n");
    };
    std::printf("\nRatios of CPU time (same run; memcpy copies the same RGB32 buffer)\n");
    for (int side : {1000, 2000}) {
        const std::string s = std::to_string(side);
        line("memcpy", "BM_Memcpy/" + s, side, "");
        for (int kind : {0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13}) {
            const std::string peer = kind == 8 ? "BM_QtGrayscale8/" + s : "";
            line(std::string("filter ") + FilterName(kind), "BM_Filter/" + std::to_string(kind) + "/" + s,
                 side, peer);
        }
        const char* effects[] = {"mirror left-right", "mirror top-bottom", "scale 150%", "rotate 45", "invert"};
        const std::string peers[] = {"BM_QtMirroredH/" + s, "BM_QtMirroredV/" + s, "BM_QtScaled150/" + s,
                                     "BM_QtRotate45/" + s, "BM_QtInvertPixels/" + s};
        for (int mode = 0; mode < 5; ++mode)
            line(std::string("effect ") + effects[mode], "BM_Effect/" + std::to_string(mode) + "/" + s,
                 side, peers[mode]);
        line("bitmap Resample 150%", "BM_Resample150/" + s, side, "BM_QtScaled150Smooth/" + s);
        line("brightness/contrast process", "BM_BrightnessContrast/" + s, side, "");
    }
    benchmark::Shutdown();
    return 0;
}
