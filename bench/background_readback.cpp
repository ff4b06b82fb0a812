// ReadBack of a category folder of 100 photos of 2000 x 1500, against making
// the same thumbnails by decoding each picture in full, in the same run.
// Goals: under 1.5 s, and at least 4x faster than the full decodes.
//   bench_background_readback [runs]
#include "background_photo.h"
#include "bench_timing.h"
#include "designer/BackgroundFiles.h"
#include "designer/BackgroundLibrary.h"
#include "imaging/JpegLoad.h"
#include "platform/AppFolder.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    constexpr int Photos = 100, Distinct = 10;

    QTemporaryDir root;
    AppFolder::setPath(root.path());
    const QString folder = AppFolder::categoryFolder(QStringLiteral("images"));
    QDir().mkpath(folder);
    // Ten different photos, each stored ten times under its own name.
    for (int i = 0; i < Distinct; ++i)
        writeBenchPhoto(folder + QStringLiteral("/photo%1.jpg").arg(i, 3, 10, QLatin1Char('0')), 2000, 1500, i + 1);
    for (int i = Distinct; i < Photos; ++i)
        QFile::copy(folder + QStringLiteral("/photo%1.jpg").arg(i % Distinct, 3, 10, QLatin1Char('0')),
                    folder + QStringLiteral("/photo%1.jpg").arg(i, 3, 10, QLatin1Char('0')));
    const QStringList files = QDir(folder).entryList(QDir::Files, QDir::Name);

    QComboBox backCat, backImage;
    backCat.addItems(WispletSettings::backCategories());
    backCat.setCurrentIndex(1);
    BackgroundLibrary lib(&backCat, &backImage, [] { return WispletSettings(); }, nullptr);

    QStringList paths;
    for (const QString& name : files)
        paths << folder + QLatin1Char('/') + name;
    bool ok = true;
    // The same thumbnails on one thread, and full decodes through Qt's own reader.
    const Comparison serial = compareAlternately(
        runs, [&] { return timeInProcess([&] { ok = ok && MakeThumbnails(paths, QSize(32, 32), 1).size() == Photos; }); },
        [&] {
            return timeInProcess([&] {
                for (const QString& path : paths)
                    ok = ok && !QImage(path).scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).isNull();
            });
        });
    const Comparison c = compareAlternately(
        runs,
        [&] {
            const Timing t = timeInProcess([&] { lib.ReadBack(QStringLiteral("images")); });
            ok = ok && backImage.count() == Photos + 1;
            return t;
        },
        [&] {
            return timeInProcess([&] {
                for (const QString& name : files) {
                    const QImage picture = LoadPicture(folder + QLatin1Char('/') + name);
                    ok = ok && !picture.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).isNull();
                }
            });
        });
    std::printf("%d photos of 2000 x 1500 (%lld bytes each); %d alternating runs; best / median in ms\n", Photos,
                static_cast<long long>(QFileInfo(folder + "/photo000.jpg").size()), runs);
    if (!ok) {
        std::fprintf(stderr, "the list or a thumbnail was not made\n");
        return 1;
    }
    std::printf("ReadBack (scaled, threads)     wall %6.0f / %6.0f  cpu %6.0f / %6.0f\n", c.bestA.wallMs,
                c.medianA.wallMs, c.bestA.cpuMs, c.medianA.cpuMs);
    std::printf("TurboJPEG full decode + shrink wall %6.0f / %6.0f  cpu %6.0f / %6.0f\n", c.bestB.wallMs,
                c.medianB.wallMs, c.bestB.cpuMs, c.medianB.cpuMs);
    std::printf("scaled decode on one thread    wall %6.0f / %6.0f  cpu %6.0f / %6.0f\n", serial.bestA.wallMs,
                serial.medianA.wallMs, serial.bestA.cpuMs, serial.medianA.cpuMs);
    std::printf("Qt reader full decode + shrink wall %6.0f / %6.0f  cpu %6.0f / %6.0f\n", serial.bestB.wallMs,
                serial.medianB.wallMs, serial.bestB.cpuMs, serial.medianB.cpuMs);
    std::printf("one-thread ratio vs TurboJPEG full decode (median wall) %.2fx\n",
                c.medianB.wallMs / serial.medianA.wallMs);
    std::printf("ReadBack ratio vs Qt reader full decode (median wall) %.2fx\n",
                serial.medianB.wallMs / c.medianA.wallMs);
    const double ratio = c.medianB.wallMs / c.medianA.wallMs;
    std::printf("ReadBack ratio vs TurboJPEG full decode (median wall) %.2fx, (median cpu) %.2fx\n", ratio, c.medianB.cpuMs / c.medianA.cpuMs);
    std::printf("goal < 1.5 s (median wall): %s; goal >= 4x: %s\n", c.medianA.wallMs < 1500 ? "met" : "MISSED",
                ratio >= 4 ? "met" : "MISSED");
    return 0;
}
