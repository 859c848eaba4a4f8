#include "core/hsl.h"

#include <algorithm>
#include <cmath>

namespace core {

Hsl to_hsl(const Rgb& c)
{
    const double r = c.red / 255.0, g = c.green / 255.0, b = c.blue / 255.0;
    const double high = std::max({r, g, b});
    const double low = std::min({r, g, b});
    const double light = (high + low) / 2;
    const double range = high - low;
    if (range <= 0)
        return {0, 0, light * 100};
    const double sat = range / (1 - std::abs(2 * light - 1));
    double hue;
    if (high == r)
        hue = std::fmod((g - b) / range + 6, 6);
    else if (high == g)
        hue = (b - r) / range + 2;
    else
        hue = (r - g) / range + 4;
    return {hue * 60, std::min(sat, 1.0) * 100, light * 100};
}

Rgb from_hsl(const Hsl& hsl)
{
    double hue = std::fmod(hsl.hue, 360.0);
    if (hue < 0)
        hue += 360;
    const double sat = std::clamp(hsl.saturation, 0.0, 100.0) / 100;
    const double light = std::clamp(hsl.lightness, 0.0, 100.0) / 100;
    const double a = sat * std::min(light, 1 - light);
    const auto channel = [&](double n) {
        const double k = std::fmod(n + hue / 30, 12.0);
        const double v = light - a * hsl_hue_factor(k, 1.0);
        // The small nudge keeps exact halves (76.5) from rounding down through float error.
        return int(std::lround(std::clamp(v, 0.0, 1.0) * 255 + 1e-9));
    };
    return {channel(0), channel(8), channel(4)};
}

} // namespace core
