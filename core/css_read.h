#pragma once

// The CSS colour reader: any <color> of CSS Color 4 and 5 a browser reads, as it reads it.
// Hex forms, rgb()/rgba(), hsl()/hsla() (legacy comma and modern syntax), hwb(), lab(),
// lch(), oklab(), oklch(), color() in the predefined spaces and XYZ, relative colours
// ("rgb(from red r g calc(b + 20))"), color-mix() of one or more colours in every
// interpolation space with its hue methods, calc()/min()/max()/clamp() with e, pi, infinity and NaN, the 148 names,
// transparent, and var() with a fallback. Colours outside sRGB come back gamut-mapped
// for an sRGB screen. No Qt.

#include "core/color.h"
#include "core/gamut.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace core {

// Longer texts are not read (relative colours and color-mix() can be long).
constexpr std::size_t kCssReadMaxLength = 4096;

struct CssReading {
    // Transparent: the keyword `transparent` or any colour whose alpha is 0.
    enum class Status { Color, Invalid, Transparent, NeedsContext };
    Status status = Status::Invalid;
    Srgb color; // gamut-mapped sRGB 0..1, unrounded (Status::Color)
    double alpha = 1; // 0..1 after clamping
    std::string needs; // Status::NeedsContext: "currentcolor", "var(--x)", "Canvas"...
};

// One colour as an author pastes it: strips a property name and colon (`color:`,
// `background-color:`, `--brand:`), a trailing `;`, `!important`, quotes, CSS comments,
// surrounding white space and line feeds; bare hex digits (3, 4, 6 or 8) read as hex.
// Sass and Less variables (`$brand:`, `@brand:`), quoted keys (`"brand": "#f90",`) and a
// trailing comma are stripped too.
CssReading read_css_color(std::string_view text);

// The 8-bit colour a reading shows over an opaque backdrop (alpha compositing in sRGB, as
// browsers do), rounded as CSS rounds (halves up). Anything but a colour gives the backdrop.
Rgb flatten(const CssReading& reading, const Rgb& backdrop);

} // namespace core
