#pragma once

// CSS colour texts in and out: what a style sheet takes and what it hands over.
// Free of widgets; the colour names come from Qt's own table.

#include "core/color.h"
#include "core/css_write.h"
#include "core/messages.h"

#include <QString>

#include <optional>

namespace core {

// Longer texts are refused unread: no colour form needs more.
constexpr int kCssMaxLength = 256;

enum class CssRefusal {
    None,
    NotAColor, // not one of the accepted forms (the empty text and overlong texts too)
    NotOpaque, // a colour, but transparent or partly transparent
    NeedsContext, // currentcolor, system colours, var() without a fallback
};

struct CssColor {
    CssRefusal refusal = CssRefusal::None;
    Rgb rgb;
    double alpha = 1; // below 1: rgb is the colour flattened onto the backdrop
    QString needs; // what a NeedsContext refusal lacks
};

// Accepts, case-insensitively and with white space around it: #rgb, #rrggbb, #rgba and
// #rrggbbaa (fully opaque only), rgb()/rgba() with commas or spaces, numbers or
// percentages, hsl()/hsla() with or without deg, oklch(), and the CSS colour names.
// Values outside their range (rgb(256, 0, 0), hsl(0, 120%, 50%)) are refused.
CssColor parse_css_color(const QString& text, const Rgb& backdrop = {255, 255, 255});

// The message box a refusal is reported with.
Message css_refusal_message(CssRefusal refusal);

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
