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

// The colours of one lightness and hue, by chroma: at(C) is to_oklab({L, C, h}) to the bit,
// without working out the hue's cosine and sine again.
class ChromaLine {
public:
    ChromaLine(double L, double h) : unit_(to_oklab(Oklch {L, 1.0, h})) { }
    Oklab at(double C) const { return {unit_.L, C * unit_.a, C * unit_.b}; }

private:
    Oklab unit_;
};

// Where a chroma lies against the edge being looked for; Edge ends the search there.
enum class ChromaSide { Inside, Outside, Edge };

// The edge of a run of chroma by halving: [low, high] (low inside, high outside) is halved
// until it is no wider than `width`, side(C) telling where each middle lies. Returns the
// chroma last found inside, or the middle that side() called the edge.
template <class Side>
double chroma_edge(double low, double high, double width, Side side)
{
    while (high - low > width) {
        const double middle = (low + high) / 2;
        switch (side(middle)) {
        case ChromaSide::Inside:
            low = middle;
            break;
        case ChromaSide::Outside:
            high = middle;
            break;
        case ChromaSide::Edge:
            return middle;
        }
    }
    return low;
}

// The largest chroma at this lightness and hue that sRGB still shows.
double max_srgb_chroma(double L, double h);
// The nearest sRGB colour: a chroma beyond sRGB is reduced to the largest one it shows at
// the same lightness and hue, so that the hue and lightness stay as asked.
Rgb from_oklch(const Oklch& lch);

// Euclidean distance in OKLab (the "deltaE OK" of CSS Color 4).
double delta_e(const Oklab& x, const Oklab& y);

} // namespace core
