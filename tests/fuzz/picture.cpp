// Picture files of every format through the loader, at the sizes the program
// asks for: the first byte chooses the target, the rest is the file.
#include "imaging/PictureLoader.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    static const QSize targets[] = {QSize(), QSize(32, 32), QSize(300, 200), QSize(1, 4000)};
    const QSize target = targets[data[0] % 4];
    PictureBudget budget;
    budget.maxDecodeBytes = qint64(64) << 20;
    const QByteArray file(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const PictureLoad load = loadPictureData(file, QStringLiteral("fuzz.jpg"), target, budget);
    // Either a picture of at most the budget, or a message; never both missing.
    if (load.ok() == !load.error.isEmpty())
        std::abort();
    if (load.ok() && (load.image.format() != QImage::Format_RGB32 || load.image.sizeInBytes() > budget.maxDecodeBytes))
        std::abort();
    return 0;
}
