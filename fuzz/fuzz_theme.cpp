// The theme reader: pieces of at most six characters, parsed or refused.
#include "core/color.h"
#include "storage/files.h"

#include <QString>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const storage::ThemePieces pieces = storage::theme_pieces(storage::join_lines(bytes));
    for (const QByteArray& piece : {pieces.background, pieces.object, pieces.text}) {
        if (piece.size() > 6)
            std::abort();
        const auto rgb = core::parse_hex_code(QString::fromLatin1(piece).toStdU32String());
        if (rgb && core::build_hex_code(*rgb).size() != 6)
            std::abort();
    }
    return 0;
}
