#pragma once

#include "core/color.h"

namespace core {

// A colour in the OKLab space: L is lightness 0 (black) to 1 (white), a and b the
// green-red and blue-yellow axes. Distances in it follow perceived differences.
struct Oklab {
    double L = 0;
    double a = 0;
    double b = 0;
};

// sRGB channel (0..255) to linear light (0..1) and back, unrounded.
double srgb_to_linear(double channel);
double linear_to_srgb(double linear);

Oklab to_oklab(const Rgb& c);
// Linear-light sRGB channels (0..1, possibly beyond) to OKLab, unrounded.
Oklab linear_srgb_to_oklab(double red, double green, double blue);
// The nearest sRGB colour, channels rounded and clamped to 0..255. in_gamut, when
// given, tells whether the colour lay inside sRGB before clamping.
Rgb from_oklab(const Oklab& lab, bool* in_gamut = nullptr);

// Unrounded sRGB channels (0..255, possibly outside that range) of an OKLab colour.
void oklab_to_srgb(const Oklab& lab, double& red, double& green, double& blue);

// The same colour in polar form: L as above, chroma C (0 for greys, about 0.37 at most
// inside sRGB) and hue h in degrees (0 to 360).
struct Oklch {
    double L = 0;
    double C = 0;
    double h = 0;
};

// A grey's hue is 0 (it has none; callers that edit keep their own).
Oklch to_oklch(const Rgb& c);
Oklab to_oklab(const Oklch& lch);
// Whether the colour lies inside sRGB (to half a channel step).
bool in_srgb_gamut(const Oklch& lch);
// The largest chroma at this lightness and hue that sRGB still shows.
double max_srgb_chroma(double L, double h);
// The nearest sRGB colour: a chroma beyond sRGB is reduced to the largest one it shows at
// the same lightness and hue, so that the hue and lightness stay as asked.
Rgb from_oklch(const Oklch& lch);

// Euclidean distance in OKLab (the "deltaE OK" of CSS Color 4).
double delta_e(const Oklab& x, const Oklab& y);

} // namespace core
