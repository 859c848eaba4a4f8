#include "core/wcag.h"

#include "core/contrast.h"
#include "core/oklab.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <limits>

namespace core {

int shown_hundredths(double ratio)
{
    // The ratio of two 8-bit colours is never within 1e-9 of a hundredth without being
    // on it, but its floating-point value may fall a hair below (21 comes out as
    // 20.999999999999996): that hair must not cost a hundredth.
    return int(std::floor(ratio * 100.0 + 1e-9));
}

namespace {

// The relative luminance of contrast.h, from a table of the 256 linear channel values:
// the same sums of the same numbers, without six powers for every ratio shown.
double fast_luminance(const Rgb& c)
{
    static const auto table = [] {
        std::array<double, 256> t {};
        for (int v = 0; v < 256; ++v) {
            const double c = v / 255.0;
            t[size_t(v)] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
        return t;
    }();
    return 0.2126 * table[size_t(c.red & 255)] + 0.7152 * table[size_t(c.green & 255)]
        + 0.0722 * table[size_t(c.blue & 255)];
}

} // namespace

int shown_hundredths(const Rgb& a, const Rgb& b)
{
    const double la = fast_luminance(a);
    const double lb = fast_luminance(b);
    return shown_hundredths((std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05));
}

std::string ratio_text(int hundredths)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d.%02d:1", hundredths / 100, hundredths % 100);
    return text;
}

int required_hundredths(Use use, Level level)
{
    switch (use) {
    case Use::NormalText:
        return level == Level::AA ? 450 : 700;
    case Use::LargeText:
        return level == Level::AA ? 300 : 450;
    case Use::NonText:
        break;
    }
    return 300;
}

bool passes(int hundredths, Use use, Level level)
{
    return hundredths >= required_hundredths(use, level);
}

namespace {

const char kPass[] = "\u2713";
const char kFail[] = "\u2717";

} // namespace

std::string verdict_text(int hundredths, Use use)
{
    std::string text = "AA ";
    text += passes(hundredths, use, Level::AA) ? kPass : kFail;
    if (use != Use::NonText) {
        text += "  AAA ";
        text += passes(hundredths, use, Level::AAA) ? kPass : kFail;
    }
    return text;
}

std::string verdict_words(int hundredths, Use use)
{
    std::string text = passes(hundredths, use, Level::AA) ? "AA pass" : "AA fail";
    if (use != Use::NonText)
        text += passes(hundredths, use, Level::AAA) ? ", AAA pass" : ", AAA fail";
    return text;
}

namespace {

bool reaches(const Rgb& c, const Rgb& against, int need)
{
    return shown_hundredths(c, against) >= need;
}

// The colour of lightness L with the hue of (a, b) and as much of its chroma as sRGB
// holds at that lightness.
Rgb in_gamut_at(double L, double a, double b)
{
    bool inside = false;
    const Rgb full = from_oklab({L, a, b}, &inside);
    if (inside)
        return full;
    double lo = 0, hi = 1;
    for (int i = 0; i < 20; ++i) {
        const double mid = (lo + hi) / 2;
        from_oklab({L, a * mid, b * mid}, &inside);
        (inside ? lo : hi) = mid;
    }
    return from_oklab({L, a * lo, b * lo});
}

// Walks the lightness from `from` towards 0 or 1 and returns the first colour that
// passes. The contrast against a fixed colour grows with the distance in lightness but
// not strictly (chroma is cut at the edges of sRGB, channels are rounded), so this
// walks in small steps rather than bisecting.
std::optional<Rgb> walk(const Oklab& from, double direction, const Rgb& against, int need)
{
    constexpr double kStep = 0.0005;
    for (double L = from.L + direction * kStep; L > -kStep && L < 1 + kStep;
         L += direction * kStep) {
        const Rgb c = in_gamut_at(std::clamp(L, 0.0, 1.0), from.a, from.b);
        if (reaches(c, against, need))
            return c;
    }
    return std::nullopt;
}

} // namespace

std::optional<Rgb> suggest_passing(
    const Rgb& start, const Rgb& against, int need_hundredths, bool safe_only)
{
    const Oklab origin = to_oklab(start);
    std::optional<Rgb> best;
    double best_distance = std::numeric_limits<double>::infinity();
    const auto consider = [&](const Rgb& c) {
        const double d = delta_e(origin, to_oklab(c));
        if (d < best_distance) {
            best_distance = d;
            best = c;
        }
    };

    if (safe_only) {
        for (int r = 0; r <= 255; r += 51)
            for (int g = 0; g <= 255; g += 51)
                for (int b = 0; b <= 255; b += 51)
                    if (reaches({r, g, b}, against, need_hundredths))
                        consider({r, g, b});
        return best;
    }

    if (reaches(start, against, need_hundredths))
        return start;
    for (const double direction : {1.0, -1.0})
        if (const auto c = walk(origin, direction, against, need_hundredths))
            consider(*c);
    return best;
}

} // namespace core
