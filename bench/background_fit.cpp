// Background fitting against ImageMagick, measured in the same run.
//  1. Whole process: bench_fit_program (load a 2000 x 1500 photo, stretch it,
//     write quality 100) versus
//     /usr/bin/convert src.jpg -resize WxH! -quality 100 out.jpg.
//     Goal for 1000 x 1000: at least 3x faster.
//  2. The fit alone (stretch + encode, picture already loaded), in process.
//     Goal: under 40 ms.
// Runs alternate between the contenders; best and median are printed, as
// wall time and as CPU time (steadier when the machine is shared).
//   bench_background_fit [runs]
#include "background_photo.h"
#include "bench_timing.h"
#include "designer/BackgroundFiles.h"
#include "imaging/Jpeg.h"
#include "imaging/JpegLoad.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <unistd.h>

namespace {
std::string selfFolder() {
    char buf[4096];
    const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    return n > 0 ? QFileInfo(QString::fromLocal8Bit(buf, int(n))).absolutePath().toStdString() : ".";
}
const char* verdict(bool met) { return met ? "met" : "MISSED"; }
} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    QTemporaryDir dir;
    const std::string src = dir.filePath(QStringLiteral("photo.jpg")).toStdString();
    const std::string outOurs = dir.filePath(QStringLiteral("ours.jpg")).toStdString();
    const std::string outPeer = dir.filePath(QStringLiteral("peer.jpg")).toStdString();
    if (!writeBenchPhoto(QString::fromStdString(src), 2000, 1500, 7)) {
        std::fprintf(stderr, "cannot write the test photo\n");
        return 1;
    }
    const std::string ours = selfFolder() + "/bench_fit_program";
    const std::string peer = "/usr/bin/convert";
    std::printf("photo 2000 x 1500 (%lld bytes); %d alternating runs each; best / median in ms\n",
                static_cast<long long>(QFileInfo(QString::fromStdString(src)).size()), runs);

    const QImage loaded = LoadPicture(QString::fromStdString(src));
    const struct { int w, h; bool goal; } sizes[] = {{1000, 1000, true}, {112, 62, false}};
    bool ok = true;
    for (const auto& s : sizes) {
        const std::string w = std::to_string(s.w), h = std::to_string(s.h);
        const Comparison c = compareAlternately(
            runs, [&] { return timeProcess({ours, src, w, h, outOurs}); },
            [&] { return timeProcess({peer, src, "-resize", w + "x" + h + "!", "-quality", "100", outPeer}); });
        if (!c.ok) {
            std::fprintf(stderr, "a process failed (%s or %s)\n", ours.c_str(), peer.c_str());
            return 1;
        }
        const double wallRatio = c.medianB.wallMs / c.medianA.wallMs;
        std::printf("%4d x %-4d whole process  wall: ours %6.1f / %6.1f  ImageMagick %6.1f / %6.1f  ratio %.2fx"
                    " (best %.2fx)\n",
                    s.w, s.h, c.bestA.wallMs, c.medianA.wallMs, c.bestB.wallMs, c.medianB.wallMs, wallRatio,
                    c.bestB.wallMs / c.bestA.wallMs);
        std::printf("%4d x %-4d whole process  cpu:  ours %6.1f / %6.1f  ImageMagick %6.1f / %6.1f  ratio %.2fx\n",
                    s.w, s.h, c.bestA.cpuMs, c.medianA.cpuMs, c.bestB.cpuMs, c.medianB.cpuMs,
                    c.medianB.cpuMs / c.medianA.cpuMs);
        if (s.goal)
            std::printf("            goal >= 3x faster (median wall): %s\n", verdict(wallRatio >= 3));

        const Comparison fit = compareAlternately(
            runs,
            [&] {
                return timeInProcess([&] {
                    SaveJpeg(FitPicture(loaded, QSize(s.w, s.h), Color::White), QString::fromStdString(outOurs), 100);
                });
            },
            [] { return Timing{0, 0}; });
        std::printf("%4d x %-4d fit alone (stretch + encode)  wall %5.1f / %5.1f  cpu %5.1f / %5.1f"
                    "  goal < 40 ms (median wall): %s\n",
                    s.w, s.h, fit.bestA.wallMs, fit.medianA.wallMs, fit.bestA.cpuMs, fit.medianA.cpuMs,
                    verdict(fit.medianA.wallMs < 40));
        ok = ok && c.ok;
    }
    return ok ? 0 : 1;
}
