// The palette readers (palette file, GIMP palette, CSS and SCSS, design tokens, lists): a
// whole palette of valid, distinct names and channels, or a message; what is read writes
// back to a palette file that reads as the same palette.
#include "core/palette.h"
#include "storage/palette_files.h"

#include <QString>

#include <cstdlib>
#include <set>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    // The first byte picks the file name the import goes by.
    const char* const names[] = {"a.gpl", "a.css", "a.scss", "a.json", "a.txt", "a"};
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    const storage::PaletteRead read
        = storage::parse_import(bytes, QString::fromLatin1(names[data[0] % 6]));
    if (!read.palette) {
        if (read.error.isEmpty())
            std::abort();
        return 0;
    }
    std::set<std::string> seen;
    for (const core::Swatch& s : read.palette->swatches) {
        if (!core::is_custom_property_name(s.name) || !seen.insert(s.name).second)
            std::abort();
        for (int c : {s.rgb.red, s.rgb.green, s.rgb.blue})
            if (c < 0 || c > 255)
                std::abort();
    }
    const storage::PaletteRead again
        = storage::parse_palette_file(storage::palette_file_bytes(*read.palette));
    if (!again.palette || again.palette->swatches != read.palette->swatches
        || again.palette->title != read.palette->title)
        std::abort();
    return 0;
}
