// Hostile pictures through the three places that decode a library picture -
// the 32 x 32 thumbnail, the fit to the box (112 x 62) and the brightness
// window (whole picture) - against an ordinary 2000 x 2000 photo through the
// same places, in the same run. Reports the outcome, wall time and the growth
// of the peak resident size. Goals: every bomb refused or reduced within
// 200 MB and 1 s.
//   bench_picture_bombs
#include "background_photo.h"
#include "bench_timing.h"
#include "designer/BackgroundFiles.h"
#include "imaging/JpegLoad.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <malloc.h>
#include <unistd.h>

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

// A small JPEG whose frame header claims 16384 x 16384 pixels.
bool writeBomb(const QString& path, int side, int flags) {
    const QImage img = benchPhoto(side, side, 7);
    tjhandle t = tjInitCompress();
    unsigned char* out = nullptr;
    unsigned long size = 0;
    tjCompress2(t, img.constBits(), side, int(img.bytesPerLine()), side, TJPF_BGRX, &out, &size, TJSAMP_420, 90,
                flags);
    QByteArray jpeg(reinterpret_cast<const char*>(out), qsizetype(size));
    tjFree(out);
    tjDestroy(t);
    for (qsizetype i = 2; i + 8 < jpeg.size(); ++i) {
        const uchar m = uchar(jpeg[i + 1]);
        if (uchar(jpeg[i]) == 0xFF && (m == 0xC0 || m == 0xC2)) {
            jpeg[i + 5] = char(0x40), jpeg[i + 6] = 0, jpeg[i + 7] = char(0x40), jpeg[i + 8] = 0;
            break;
        }
    }
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(jpeg) == jpeg.size();
}

qint64 statusKb(const char* field) {
    for (const QByteArray& line : readAll(QStringLiteral("/proc/self/status")).split('\n'))
        if (line.startsWith(field))
            return line.mid(qsizetype(strlen(field))).trimmed().split(' ').first().toLongLong();
    return -1;
}

struct Measure {
    double ms;
    qint64 peakMb;
    QString outcome;
};

template <class F> Measure measure(F work) {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
    clear.close();
    const qint64 before = statusKb("VmRSS:");
    QString outcome;
    const Timing t = timeInProcess([&] { outcome = work(); });
    return {t.wallMs, (statusKb("VmHWM:") - before) / 1024, outcome};
}

QString describe(const PictureLoad& load) {
    return load.ok() ? QStringLiteral("%1 x %2").arg(load.image.width()).arg(load.image.height()) : load.error;
}

} // namespace

int main(int argc, char** argv) {
    // Large blocks straight from and back to the system, so that the peak of
    // one measurement is not hidden in memory an earlier one left behind.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
    mallopt(M_TRIM_THRESHOLD, 256 * 1024);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const QString photo = dir.filePath(QStringLiteral("photo.jpg"));
    const QString baseline = dir.filePath(QStringLiteral("bomb.jpg"));
    const QString progressive = dir.filePath(QStringLiteral("progressive.jpg"));
    const QString huge = dir.filePath(QStringLiteral("huge.jpg"));
    bool ok = writeBenchPhoto(photo, 2000, 2000, 3) && writeBomb(baseline, 16, 0) &&
              writeBomb(progressive, 128, TJFLAG_PROGRESSIVE);
    ok = ok && QFile::copy(photo, huge) && truncate(QFile::encodeName(huge).constData(), qint64(1536) << 20) == 0;
    if (!ok) {
        std::fprintf(stderr, "cannot make the test files\n");
        return 1;
    }
    struct File { const char* label; QString path; } files[] = {
        {"ordinary 2000 x 2000 photo", photo},
        {"16384 x 16384 baseline bomb", baseline},
        {"16384 x 16384 progressive bomb", progressive},
        {"1.5 GB file named .jpg", huge},
    };
    struct Place { const char* label; std::function<QString(const QString&)> run; } places[] = {
        {"thumbnail", [](const QString& p) {
             return describe(loadPicture(p, QSize(32, 32)));
         }},
        {"fit 112 x 62", [](const QString& p) {
             const PictureLoad load = loadPicture(p, QSize(112, 62));
             if (load.ok())
                 FitPicture(load.image, QSize(112, 62), 0xFFFFFF);
             return describe(load);
         }},
        {"brightness window", [](const QString& p) { return describe(loadPicture(p)); }},
    };
    std::printf("%-32s %-18s %9s %9s  %s\n", "file", "place", "ms", "peak MB", "outcome (decoded size or message)");
    for (const Place& place : places)
        for (const File& file : files) {
            place.run(file.path); // warm the file cache
            const Measure m = measure([&] { return place.run(file.path); });
            std::printf("%-32s %-18s %9.1f %9lld  %s\n", file.label, place.label, m.ms, (long long)m.peakMb,
                        qPrintable(m.outcome));
        }
    return 0;
}
