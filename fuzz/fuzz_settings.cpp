// The settings file reader: never crashes, and what it hands on is in range.
#include "storage/files.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const storage::Settings s = storage::parse_settings(bytes);
    if (s.hash_prefix && (*s.hash_prefix < -32768 || *s.hash_prefix > 32767))
        std::abort();
    if (s.color) {
        if (s.color->contains('"') || s.color->contains('\r') || s.color->contains('\n'))
            std::abort();
        for (int v : storage::color_text_channels(*s.color))
            if (v < 0 || v > 255)
                std::abort();
    }
    return 0;
}
