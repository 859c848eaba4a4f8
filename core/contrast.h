#pragma once

#include "core/color.h"

namespace core {

// WCAG 2.x relative luminance of an sRGB colour, 0 (black) to 1 (white).
double relative_luminance(const Rgb& c);

// WCAG 2.x contrast ratio of two colours, 1 to 21, whichever is lighter.
double contrast_ratio(const Rgb& a, const Rgb& b);

} // namespace core
