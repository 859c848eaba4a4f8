#pragma once

#include "core/color.h"

#include <algorithm>

namespace core {

// A colour as hue (degrees, 0 to 360), saturation and lightness (percent, 0 to 100),
// unrounded. A grey has no hue of its own and black and white no saturation either:
// to_hsl gives 0 for them, and callers that edit keep their own.
struct Hsl {
    double hue = 0;
    double saturation = 0;
    double lightness = 0;
};

Hsl to_hsl(const Rgb& c);

// A channel's hue factor in hsl(): max(-1, min(k - 3, 9 - k, 1)), k being the channel's place
// (n + hue / 30, mod 12) on the circle of twelve; `one` is what stands for 1, so that exact
// integer counts of a fraction of a step work as doubles do.
template <class T>
T hsl_hue_factor(T k, T one)
{
    return std::max(-one, std::min({k - 3 * one, 9 * one - k, one}));
}
// The nearest channels; the hue wraps (360 is 0, -30 is 330), the rest is clamped.
Rgb from_hsl(const Hsl& hsl);

} // namespace core
