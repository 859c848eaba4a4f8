#pragma once

// Palettes on disk: the palette file (.json), the formats a palette is exported to for a
// web project, and the files colours are imported from. Every read is bounded and either
// gives a whole palette or a message; nothing is half read.

#include "core/palette.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace storage {

// Larger files are refused unread.
constexpr qint64 kPaletteReadLimit = 1024 * 1024;

// The key that marks a palette file and holds its format's version.
inline const char kPaletteKey[] = "pigmentor-palette";
constexpr int kPaletteVersion = 1;

struct PaletteData {
    QString title;
    std::vector<core::Swatch> swatches;
};

// A palette, or the reason there is none (one sentence for a message box).
struct PaletteRead {
    std::optional<PaletteData> palette;
    QString error;
};

// The forms a colour is written in, as in Copy as CSS. A form a colour does not have
// (#f90, a name) falls back to #rrggbb.
enum class CssForm { Hex, ShortHex, Rgb, Hsl, Oklch, Name };
QString css_form_text(const core::Rgb& c, CssForm form);

enum class ExportFormat { Css, Scss, Tokens, Tailwind, Gpl, Text };

// ---- The palette file ----
// {
//   "pigmentor-palette": 1,
//   "name": "Site",
//   "colors": [
//     { "name": "--brand-500", "value": "#3b82f6" }
//   ]
// }
// UTF-8, LF line ends, two spaces of indent, the colours in their order.
QByteArray palette_file_bytes(const PaletteData& palette);
PaletteRead parse_palette_file(const QByteArray& bytes);

// ---- Export ----
QByteArray export_bytes(const PaletteData& palette, ExportFormat format, CssForm form = CssForm::Hex);

// ---- Import ----
// GIMP/Inkscape palettes, CSS and SCSS (every colour custom property or variable),
// design tokens JSON (every colour token, named by its path), a palette file, and a plain
// list of colours one a line (a "--name" after the colour names it). The kind is told by
// the content first, then by the file name's ending.
PaletteRead parse_import(const QByteArray& bytes, const QString& file_name);
PaletteRead parse_gpl(const QByteArray& bytes);
PaletteRead parse_css_variables(const QByteArray& bytes);
PaletteRead parse_tokens(const QByteArray& bytes);
PaletteRead parse_color_list(const QByteArray& bytes);

// Reads a file with the bound, then opens it as a palette file (import false) or
// imports it (import true). The message names the file.
PaletteRead read_palette(const QString& path, bool import);

} // namespace storage
