// The recent colours reader: at most the limit, distinct, each channel 0..255, and what it
// reads is written back as the same list.
#include "storage/recent.h"

#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::vector<core::Rgb> colors = storage::parse_recent(bytes);
    if (int(colors.size()) > storage::kRecentLimit)
        std::abort();
    for (size_t i = 0; i < colors.size(); ++i) {
        for (int v : {colors[i].red, colors[i].green, colors[i].blue})
            if (v < 0 || v > 255)
                std::abort();
        if (std::find(colors.begin(), colors.begin() + long(i), colors[i])
            != colors.begin() + long(i))
            std::abort();
    }
    if (storage::parse_recent(storage::recent_bytes(colors)) != colors)
        std::abort();
    return 0;
}
