// Cursor and icon files: any bytes end in a picture or in nothing.
#include "platform/CursorFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto cursor = decodeCursor(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (cursor && (cursor->image.isNull() || cursor->image.width() > 256 || cursor->image.height() > 256))
        std::abort();
    return 0;
}
