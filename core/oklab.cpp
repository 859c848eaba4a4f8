#include "core/oklab.h"

#include <algorithm>
#include <cmath>

namespace core {

namespace {
constexpr double kPi = 3.14159265358979323846;
}

double srgb_to_linear(double channel)
{
    const double c = channel / 255.0;
    const double magnitude = std::abs(c);
    const double linear
        = magnitude <= 0.04045 ? magnitude / 12.92 : std::pow((magnitude + 0.055) / 1.055, 2.4);
    return c < 0 ? -linear : linear;
}

double linear_to_srgb(double linear)
{
    const double magnitude = std::abs(linear);
    const double c = magnitude <= 0.0031308 ? 12.92 * magnitude
                                            : 1.055 * std::pow(magnitude, 1.0 / 2.4) - 0.055;
    return 255.0 * (linear < 0 ? -c : c);
}

Oklab to_oklab(const Rgb& c)
{
    return linear_srgb_to_oklab(
        srgb_to_linear(c.red), srgb_to_linear(c.green), srgb_to_linear(c.blue));
}

Oklab linear_srgb_to_oklab(double r, double g, double b)
{
    const double l = std::cbrt(0.4122214708 * r + 0.5363325363 * g + 0.0514459929 * b);
    const double m = std::cbrt(0.2119034982 * r + 0.6806995451 * g + 0.1073969566 * b);
    const double s = std::cbrt(0.0883024619 * r + 0.2817188376 * g + 0.6299787005 * b);
    return {0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s,
        1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s,
        0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s};
}

void oklab_to_srgb(const Oklab& lab, double& red, double& green, double& blue)
{
    const double l_ = lab.L + 0.3963377774 * lab.a + 0.2158037573 * lab.b;
    const double m_ = lab.L - 0.1055613458 * lab.a - 0.0638541728 * lab.b;
    const double s_ = lab.L - 0.0894841775 * lab.a - 1.2914855480 * lab.b;
    const double l = l_ * l_ * l_;
    const double m = m_ * m_ * m_;
    const double s = s_ * s_ * s_;
    red = linear_to_srgb(4.0767416621 * l - 3.3077115913 * m + 0.2309699292 * s);
    green = linear_to_srgb(-1.2684380046 * l + 2.6097574011 * m - 0.3413193965 * s);
    blue = linear_to_srgb(-0.0041960863 * l - 0.7034186147 * m + 1.7076147010 * s);
}

Rgb from_oklab(const Oklab& lab, bool* in_gamut)
{
    double r, g, b;
    oklab_to_srgb(lab, r, g, b);
    // Half a channel step of slack: a colour that rounds into range is inside.
    const auto inside = [](double v) { return v > -0.5 && v < 255.5; };
    if (in_gamut)
        *in_gamut = inside(r) && inside(g) && inside(b);
    const auto channel = [](double v) { return int(std::lround(std::clamp(v, 0.0, 255.0))); };
    return {channel(r), channel(g), channel(b)};
}

Oklch to_oklch(const Rgb& c)
{
    const Oklab lab = to_oklab(c);
    const double chroma = std::hypot(lab.a, lab.b);
    if (chroma < 1e-6)
        return {lab.L, 0, 0};
    double hue = std::atan2(lab.b, lab.a) * 180 / kPi;
    if (hue < 0)
        hue += 360;
    return {lab.L, chroma, hue};
}

Oklab to_oklab(const Oklch& lch)
{
    const double radians = lch.h * kPi / 180;
    return {lch.L, lch.C * std::cos(radians), lch.C * std::sin(radians)};
}

bool in_srgb_gamut(const Oklch& lch)
{
    bool inside = false;
    from_oklab(to_oklab(lch), &inside);
    return inside;
}

double max_srgb_chroma(double L, double h)
{
    if (L <= 0 || L >= 1)
        return 0;
    const ChromaLine line(L, h);
    // 24 halvings of 0..0.5 (every bound a power-of-two fraction, so the widths are exact).
    return chroma_edge(0.0, 0.5, std::ldexp(0.5, -24), [&](double C) {
        bool inside = false;
        from_oklab(line.at(C), &inside);
        return inside ? ChromaSide::Inside : ChromaSide::Outside;
    });
}

Rgb from_oklch(const Oklch& lch)
{
    Oklch inside = lch;
    inside.L = std::clamp(lch.L, 0.0, 1.0);
    inside.C = std::max(lch.C, 0.0);
    if (!in_srgb_gamut(inside))
        inside.C = std::min(inside.C, max_srgb_chroma(inside.L, inside.h));
    return from_oklab(to_oklab(inside));
}

double delta_e(const Oklab& x, const Oklab& y)
{
    return std::sqrt(
        (x.L - y.L) * (x.L - y.L) + (x.a - y.a) * (x.a - y.a) + (x.b - y.b) * (x.b - y.b));
}

} // namespace core
