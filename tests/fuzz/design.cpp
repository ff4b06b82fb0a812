// Design files from anywhere: any bytes end in a checked design or a message.
#include "designer/DesignDocument.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const DesignRead read = ReadDesign(bytes);
    if (read.design.has_value() == !read.error.isEmpty())
        std::abort();
    // What was read writes back and reads again as the same design.
    if (read.design) {
        const DesignRead again = ReadDesign(WriteDesign(*read.design));
        if (!again.design || !(*again.design == *read.design))
            std::abort();
    }
    const DesignRead json = DesignFromJson(bytes);
    if (json.design.has_value() == !json.error.isEmpty())
        std::abort();
    return 0;
}
