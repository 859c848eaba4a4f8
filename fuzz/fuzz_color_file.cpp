// The colour file reader: at most three channels, each 0..255.
#include "storage/files.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::vector<int> channels = storage::color_text_channels(storage::join_lines(bytes));
    if (channels.size() > 3)
        std::abort();
    for (int v : channels)
        if (v < 0 || v > 255)
            std::abort();
    return 0;
}
