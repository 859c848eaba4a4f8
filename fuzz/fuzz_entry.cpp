// The typed and pasted entry checks: an accepted code round-trips exactly.
#include "core/color.h"
#include "core/entry.h"

#include <QString>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::u32string text
        = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)).toStdU32String();
    (void)core::check_rgb_text(text);
    for (const core::HexEntry& e : {core::hex_entry(text), core::paste_entry(text)}) {
        if (e.refusal != core::Refusal::None)
            continue;
        const core::Rgb c = e.rgb;
        if (c.red < 0 || c.red > 255 || c.green < 0 || c.green > 255 || c.blue < 0 || c.blue > 255)
            std::abort();
        const std::string code = core::build_hex_code(c);
        const auto again = core::hex_entry(std::u32string(code.begin(), code.end()));
        if (again.refusal != core::Refusal::None || again.rgb != c)
            std::abort();
    }
    if (core::paste_entry(text).refusal == core::Refusal::None && text.size() < 6)
        std::abort(); // nothing shorter than a code is ever accepted
    return 0;
}
