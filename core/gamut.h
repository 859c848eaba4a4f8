#pragma once

// Colours outside sRGB brought inside it the way CSS Color 4 does for an sRGB screen:
// chroma reduced in OKLCH at the same lightness and hue until clipping the colour no
// longer shows (a deltaE OK below 0.02). Shared by the CSS reader, the OKLCH editors and
// the palette's shade scales.

#include "core/color.h"
#include "core/oklab.h"

namespace core {

// The polar form of an OKLab colour (core/oklab.h's Oklch; to_oklab turns it back).
Oklch to_oklch(const Oklab& lab);

// Gamma-encoded sRGB with each channel 0..1 for colours inside the gamut; unrounded.
struct Srgb {
    double red = 0;
    double green = 0;
    double blue = 0;
};
Srgb oklab_to_srgb_unit(const Oklab& lab);
bool in_srgb_gamut(const Srgb& c);

// The colour an sRGB screen shows for an OKLab colour, inside the gamut.
Srgb gamut_map(const Oklab& lab);

// Eight-bit channels of an sRGB colour in 0..1: clamped, then rounded half up.
Rgb to_rgb8(const Srgb& c);

} // namespace core
