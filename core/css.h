#pragma once

// CSS colour texts in and out: what a style sheet takes and what it hands over.
// Free of widgets.

#include "core/color.h"
#include "core/css_write.h"
#include "core/messages.h"

#include <QString>

#include <optional>

namespace core {

// Longer texts are refused unread: relative colours and color-mix() can be long, but no
// colour needs more.
constexpr int kCssMaxLength = 4096;

enum class CssRefusal {
    None,
    NotAColor, // not a CSS colour (the empty text and overlong texts too)
    NotOpaque, // `transparent`, or a colour whose alpha is 0
    NeedsContext, // currentcolor, a system colour or var() without a fallback
};

struct CssColor {
    CssRefusal refusal = CssRefusal::None;
    Rgb rgb; // flattened onto the backdrop when translucent
    double alpha = 1; // 1 when opaque
    QString needs; // NeedsContext: the word that needs a page ("currentcolor", "Canvas")
};

// Any colour CSS Color 4 and 5 define, as a browser reads it (core/css_read.h), with the
// text authors copy along with it stripped. A translucent colour is flattened onto the
// backdrop; a colour outside sRGB is gamut-mapped; values out of range are clamped where
// CSS clamps them.
CssColor parse_css_color(const QString& text, const Rgb& backdrop = {255, 255, 255});

// The message box a refusal is reported with; needs names the word of a NeedsContext.
Message css_refusal_message(CssRefusal refusal, const QString& needs = {});

// The copies, each the shortest text of its form that reads back as the same colour
// (core/css_write.h).
// "#ff9900".
QString css_hex(const Rgb& c);
// "#f90", when every channel has two equal hex digits.
std::optional<QString> css_short_hex(const Rgb& c);
// "rgb(255, 153, 0)".
QString css_rgb(const Rgb& c);
// "hsl(36, 100%, 50%)".
QString css_hsl(const Rgb& c);
// "oklch(0.772 0.174 64.55)".
QString css_oklch(const Rgb& c);
// Any form; nothing for #rgb when the colour has none.
std::optional<QString> css_copy_text(CssForm form, const Rgb& c);
// The CSS colour name of exactly this colour ("orange"); the first in alphabetical
// order where several share it (aqua and cyan, gray and grey).
std::optional<QString> css_name(const Rgb& c);

struct NearestName {
    QString name;
    bool exact = false;
    double delta_e = 0; // CIEDE2000; 0 when exact
};
// The CSS colour name nearest to the colour by CIEDE2000.
NearestName nearest_css_name(const Rgb& c);

} // namespace core
