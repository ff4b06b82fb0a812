// 24-bit bitmap files as the brightness window writes and reads them back:
// the file header is fixed, the rest comes from the fuzzer.
#include "imaging/PictureLoader.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PictureBudget budget;
    budget.maxDecodeBytes = qint64(64) << 20;
    const QByteArray file = QByteArrayLiteral("BM") + QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
    const PictureLoad load = loadPictureData(file, QStringLiteral("temp.bmp"), QSize(), budget);
    if (load.ok() == !load.error.isEmpty())
        std::abort();
    return 0;
}
