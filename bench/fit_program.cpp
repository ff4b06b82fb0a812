// Stand-alone fit of one picture, timed as a whole process by
// bench_background_fit: loads the picture (a JPEG decoded at the smallest
// reduced scale that still covers W x H), stretches it to W x H on a white
// background and writes it as a quality-100 JPEG, as the background fitting does.
//   bench_fit_program <source> <width> <height> <target>
#include "designer/BackgroundFiles.h"
#include "imaging/Jpeg.h"
#include "imaging/JpegLoad.h"
#include "platform/AppError.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s source width height target\n", argv[0]);
        return 2;
    }
    const auto size = FitTargetSize(std::atoll(argv[2]), std::atoll(argv[3]));
    if (!size)
        return 1;
    const QImage source = LoadPictureAtLeast(QString::fromLocal8Bit(argv[1]), *size);
    if (source.isNull())
        return 1;
    try {
        SaveJpeg(FitPicture(source, *size, Color::White), QString::fromLocal8Bit(argv[4]), 100);
    } catch (const AppError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.description));
        return 1;
    }
    return 0;
}
