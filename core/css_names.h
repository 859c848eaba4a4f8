#pragma once

// The 148 colour names of CSS, as a table of their own (no toolkit needed).

#include "core/color.h"

#include <array>
#include <optional>
#include <string_view>

namespace core {

struct CssNamedColor {
    const char* name; // lower case
    Rgb rgb;
};

// In alphabetical order, so that of two names for one colour (aqua and cyan, gray and
// grey) the first is the one named.
extern const std::array<CssNamedColor, 148> kCssNamedColors;

// The colour of a name, case-insensitively; nothing for any other word.
std::optional<Rgb> css_named_color(std::string_view name);

} // namespace core
