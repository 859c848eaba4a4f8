#pragma once

#include "core/color.h"

namespace core {

// Nearest multiple of 51 (0, 51, ..., 255); 51 is odd, so there is never a tie.
inline int safe_value(int v)
{
    return (2 * v + 51) / 102 * 51;
}

inline Rgb safe_color(const Rgb& c)
{
    return Rgb {safe_value(c.red), safe_value(c.green), safe_value(c.blue)};
}

} // namespace core
