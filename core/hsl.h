#pragma once

#include "core/color.h"

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
// The nearest channels; the hue wraps (360 is 0, -30 is 330), the rest is clamped.
Rgb from_hsl(const Hsl& hsl);

} // namespace core
