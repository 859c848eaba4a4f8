#pragma once

// The CSS texts of an 8-bit sRGB colour. Each is the shortest of its form (fewest decimals
// in each component) that a CSS reader turns back into the same colour: the reader's
// conversion to sRGB, each channel rounded to 8 bits with halves rounded up. The forms
// whose conversion is rational (hsl(), hwb()) are checked in exact arithmetic; the others
// keep a small distance from every half step, so that a reader working in single precision
// still lands on the same colour. No toolkit needed.

#include "core/color.h"

#include <array>
#include <optional>
#include <string>

namespace core {

enum class CssForm {
    Hex, // #ff9900
    ShortHex, // #f90, when every channel has two equal hex digits
    Rgb, // rgb(255, 153, 0)
    Hsl, // hsl(36, 100%, 50%)
    Hwb, // hwb(36 0% 0%)
    Lab, // lab(72.26 34.13 74.56)
    Lch, // lch(72.26 82 65.4)
    Oklab, // oklab(0.772 0.071 0.159)
    Oklch, // oklch(0.772 0.174 64.55)
    DisplayP3, // color(display-p3 0.949 0.631 0.204)
    CustomProperty, // --color: #ff9900;
};

// Every form, in the order the copy menus list them.
inline constexpr std::array<CssForm, 11> kCssForms
    = {CssForm::Hex, CssForm::ShortHex, CssForm::Rgb, CssForm::Hsl, CssForm::Hwb, CssForm::Lab,
        CssForm::Lch, CssForm::Oklab, CssForm::Oklch, CssForm::DisplayP3, CssForm::CustomProperty};

// The text of one form; nothing for #rgb when the colour has no such form.
std::optional<std::string> css_text(CssForm form, const Rgb& c);

std::string css_hex_text(const Rgb& c);
std::optional<std::string> css_short_hex_text(const Rgb& c);
std::string css_rgb_text(const Rgb& c);
std::string css_hsl_text(const Rgb& c);
std::string css_hwb_text(const Rgb& c);
std::string css_lab_text(const Rgb& c);
std::string css_lch_text(const Rgb& c);
std::string css_oklab_text(const Rgb& c);
std::string css_oklch_text(const Rgb& c);
std::string css_display_p3_text(const Rgb& c);
// A custom property line holding the hex form: "--color: #ff9900;".
std::string css_custom_property_text(const Rgb& c);

// CSS Lab (D50 white, as lab() takes it), unrounded.
struct CieLab {
    double L = 0;
    double a = 0;
    double b = 0;
};
CieLab to_cie_lab(const Rgb& c);

// The CIEDE2000 colour difference of two CSS Lab colours.
double delta_e_2000(const CieLab& x, const CieLab& y);

// The CSS colour name nearest to a colour by CIEDE2000; of names at the same distance
// (aqua and cyan), the first in alphabetical order. delta_e is 0 for an exact match.
struct CssNearestName {
    const char* name = "";
    bool exact = false;
    double delta_e = 0;
};
CssNearestName nearest_css_named_color(const Rgb& c);

} // namespace core
