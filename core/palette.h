#pragma once

// A palette: an ordered list of named colours, with the questions asked of the set (the
// contrast of every pair, shade scales). Names are CSS custom-property names
// ("--brand-500"), so that a palette can be handed to a style sheet as it stands.

#include "core/color.h"
#include "core/wcag.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace core {

struct Swatch {
    std::string name; // "--brand-500", UTF-8
    Rgb rgb;

    friend bool operator==(const Swatch& a, const Swatch& b)
    {
        return a.name == b.name && a.rgb == b.rgb;
    }
};

// The most colours a palette holds: the contrast of every pair of 1000 colours is
// 999,000 pairs, still quick to work out and to sort.
constexpr int kMaxSwatches = 1000;

// Whether a text is a CSS custom-property name: "--" and at least one more character,
// each a letter, digit, "-", "_" or any non-ASCII character (no escapes, no spaces).
bool is_custom_property_name(std::string_view name);

// Why a name may not be given to a swatch of `swatches` (the one at `except`, being
// renamed, does not count), or nothing when it may: the message shown to the user.
std::optional<std::string> name_refusal(
    std::string_view name, const std::vector<Swatch>& swatches, int except = -1);

// Makes a custom-property name of any text: lower case, runs of other characters as one
// "-", "--" in front ("Brand Blue" gives "--brand-blue"); empty when nothing is left.
std::string to_custom_property_name(std::string_view text);

// `wanted` when no swatch has it, otherwise the first of wanted-2, wanted-3, ... that is free.
std::string free_name(const std::string& wanted, const std::vector<Swatch>& swatches);

// The name for a colour added without one: its nearest CSS colour name ("--orange"),
// made free within the palette.
std::string default_swatch_name(const Rgb& c, const std::vector<Swatch>& swatches);

// ---- The contrast of every pair ----

struct PairVerdicts {
    int hundredths = 0; // the shown ratio
    bool aa_normal = false; // 4.5
    bool aaa_normal = false; // 7
    bool aa_large = false; // 3
    bool aaa_large = false; // 4.5
    bool non_text = false; // 3
};
PairVerdicts pair_verdicts(const Rgb& text, const Rgb& background);

// ---- Shade scales ----

// The eleven steps' numbers: 50, 100, 200, ..., 900, 950.
extern const std::array<int, 11> kShadeSteps;

struct Shade {
    int step = 0; // 50 .. 950
    Rgb rgb;
    bool chosen = false; // the colour the scale was made from
};

// Eleven shades, lightest (50) to darkest (950), of a colour's hue and chroma, evenly
// spaced in OKLCH lightness from 0.97 to 0.25. The colour itself takes the step whose
// lightness is nearest its own, and the steps on either side of it are spread evenly
// between it and the ends. Chroma is reduced only where sRGB cannot show a step.
std::array<Shade, 11> shade_scale(const Rgb& c);

// The stem a scale's names are built on: the name without "--" and without a step
// number already at its end ("--brand-500" gives "brand").
std::string scale_stem(std::string_view name);
// "--brand-50" ... "--brand-950".
std::string shade_name(std::string_view stem, int step);

} // namespace core
