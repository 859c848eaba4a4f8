#include "core/gamut.h"

#include <algorithm>
#include <cmath>

namespace core {

namespace {

constexpr double kPi = 3.14159265358979323846;

Srgb clip(const Srgb& c)
{
    return {std::clamp(c.red, 0.0, 1.0), std::clamp(c.green, 0.0, 1.0),
        std::clamp(c.blue, 0.0, 1.0)};
}

Oklab srgb_unit_to_oklab(const Srgb& c)
{
    return linear_srgb_to_oklab(srgb_to_linear(c.red * 255.0), srgb_to_linear(c.green * 255.0),
        srgb_to_linear(c.blue * 255.0));
}

} // namespace

Oklch to_oklch(const Oklab& lab)
{
    const double C = std::hypot(lab.a, lab.b);
    double h = std::atan2(lab.b, lab.a) * 180.0 / kPi;
    if (h < 0)
        h += 360.0;
    return {lab.L, C, h};
}

Srgb oklab_to_srgb_unit(const Oklab& lab)
{
    double r, g, b;
    oklab_to_srgb(lab, r, g, b);
    return {r / 255.0, g / 255.0, b / 255.0};
}

bool in_srgb_gamut(const Srgb& c)
{
    constexpr double slack = 1e-6;
    const auto inside = [](double v) { return v >= -slack && v <= 1.0 + slack; };
    return inside(c.red) && inside(c.green) && inside(c.blue);
}

Srgb gamut_map(const Oklab& lab)
{
    if (lab.L >= 1.0)
        return {1.0, 1.0, 1.0};
    if (lab.L <= 0.0)
        return {0.0, 0.0, 0.0};
    const Srgb origin = oklab_to_srgb_unit(lab);
    if (in_srgb_gamut(origin))
        return clip(origin);

    constexpr double jnd = 0.02;
    constexpr double epsilon = 0.0001;
    const Oklch lch = to_oklch(lab);
    Srgb clipped = clip(origin);
    if (delta_e(srgb_unit_to_oklab(clipped), lab) < jnd)
        return clipped;
    const ChromaLine line(lch.L, lch.h);
    bool low_in_gamut = true;
    chroma_edge(0.0, lch.C, epsilon, [&](double C) {
        const Oklab candidate = line.at(C);
        const Srgb mapped = oklab_to_srgb_unit(candidate);
        if (low_in_gamut && in_srgb_gamut(mapped))
            return ChromaSide::Inside;
        clipped = clip(mapped);
        const double e = delta_e(srgb_unit_to_oklab(clipped), candidate);
        if (!(e < jnd))
            return ChromaSide::Outside;
        if (jnd - e < epsilon)
            return ChromaSide::Edge;
        low_in_gamut = false;
        return ChromaSide::Inside;
    });
    return clipped;
}

Rgb to_rgb8(const Srgb& c)
{
    const auto channel
        = [](double v) { return int(std::floor(std::clamp(v, 0.0, 1.0) * 255.0 + 0.5)); };
    return {channel(c.red), channel(c.green), channel(c.blue)};
}

} // namespace core
