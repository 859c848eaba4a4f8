#include "core/palette.h"

#include "core/css_names.h"
#include "core/gamut.h"
#include "core/oklab.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace core {

namespace {

using uchar = unsigned char;

bool name_char(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')
        || c == '-' || c == '_' || c >= 0x80;
}

bool has_name(const std::vector<Swatch>& swatches, std::string_view name, int except)
{
    for (size_t i = 0; i < swatches.size(); ++i)
        if (int(i) != except && swatches[i].name == name)
            return true;
    return false;
}

constexpr double kLightest = 0.97;
constexpr double kDarkest = 0.25;

} // namespace

bool is_custom_property_name(std::string_view name)
{
    if (name.size() < 3 || name.substr(0, 2) != "--")
        return false;
    return std::all_of(name.begin(), name.end(), [](char c) { return name_char(uchar(c)); });
}

std::optional<std::string> name_refusal(
    std::string_view name, const std::vector<Swatch>& swatches, int except)
{
    if (name.empty())
        return std::string("A color needs a name.");
    if (!is_custom_property_name(name))
        return "\"" + std::string(name)
            + "\" is not a CSS custom property name. Names start with -- and hold letters, "
              "digits, - and _ only, such as --brand-500.";
    if (has_name(swatches, name, except))
        return "The palette already has a color named " + std::string(name) + ".";
    return std::nullopt;
}

std::string to_custom_property_name(std::string_view text)
{
    std::string stem;
    bool gap = false;
    for (char ch : text) {
        const auto c = uchar(ch);
        if (name_char(c) && c != '-') {
            if (gap && !stem.empty())
                stem += '-';
            gap = false;
            stem += (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : char(c);
        } else {
            gap = true;
        }
    }
    return stem.empty() ? std::string() : "--" + stem;
}

std::string free_name(const std::string& wanted, const std::vector<Swatch>& swatches)
{
    if (!has_name(swatches, wanted, -1))
        return wanted;
    for (int n = 2;; ++n) {
        std::string candidate = wanted + "-" + std::to_string(n);
        if (!has_name(swatches, candidate, -1))
            return candidate;
    }
}

std::string default_swatch_name(const Rgb& c, const std::vector<Swatch>& swatches)
{
    const Oklab lab = to_oklab(c);
    const CssNamedColor* best = &kCssNamedColors[0];
    double best_distance = std::numeric_limits<double>::max();
    for (const CssNamedColor& named : kCssNamedColors) {
        const double d = delta_e(lab, to_oklab(named.rgb));
        if (d < best_distance) {
            best_distance = d;
            best = &named;
        }
    }
    return free_name("--" + std::string(best->name), swatches);
}

PairVerdicts pair_verdicts(const Rgb& text, const Rgb& background)
{
    PairVerdicts v;
    v.hundredths = shown_hundredths(text, background);
    v.aa_normal = passes(v.hundredths, Use::NormalText, Level::AA);
    v.aaa_normal = passes(v.hundredths, Use::NormalText, Level::AAA);
    v.aa_large = passes(v.hundredths, Use::LargeText, Level::AA);
    v.aaa_large = passes(v.hundredths, Use::LargeText, Level::AAA);
    v.non_text = passes(v.hundredths, Use::NonText, Level::AA);
    return v;
}

const std::array<int, 11> kShadeSteps = {50, 100, 200, 300, 400, 500, 600, 700, 800, 900, 950};

std::array<Shade, 11> shade_scale(const Rgb& c)
{
    const Oklch lch = to_oklch(to_oklab(c));
    const double L = std::clamp(lch.L, 0.0, 1.0);
    int chosen = 0;
    for (int i = 1; i < 11; ++i) {
        const auto even = [](int k) { return kLightest + (kDarkest - kLightest) * k / 10.0; };
        if (std::abs(even(i) - L) < std::abs(even(chosen) - L))
            chosen = i;
    }
    std::array<Shade, 11> scale;
    for (int i = 0; i < 11; ++i) {
        Shade& s = scale[size_t(i)];
        s.step = kShadeSteps[size_t(i)];
        if (i == chosen) {
            s.rgb = c;
            s.chosen = true;
            continue;
        }
        const double step_L = i < chosen ? kLightest + (L - kLightest) * i / chosen
                                         : L + (kDarkest - L) * (i - chosen) / (10.0 - chosen);
        s.rgb = to_rgb8(gamut_map(to_oklab(Oklch {step_L, lch.C, lch.h})));
    }
    return scale;
}

std::string scale_stem(std::string_view name)
{
    std::string stem(name.substr(0, 2) == "--" ? name.substr(2) : name);
    const size_t dash = stem.rfind('-');
    if (dash != std::string::npos && dash > 0) {
        const std::string tail = stem.substr(dash + 1);
        for (int step : kShadeSteps)
            if (tail == std::to_string(step))
                return stem.substr(0, dash);
    }
    return stem;
}

std::string shade_name(std::string_view stem, int step)
{
    return "--" + std::string(stem) + "-" + std::to_string(step);
}

} // namespace core
