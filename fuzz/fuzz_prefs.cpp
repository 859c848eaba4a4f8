// The preferences and station preferences readers.
#include "storage/files.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::vector<int> values = storage::read_integers(bytes, 6);
    if (values.size() > 6)
        std::abort();
    for (int v : values)
        if (v < -32768 || v > 32767)
            std::abort();
    (void)storage::parse_truth(bytes);
    return 0;
}
