#include "core/contrast.h"
#include "core/gamut.h"
#include "core/oklab.h"
#include "core/palette.h"

#include <gtest/gtest.h>

#include <ostream>

namespace core {
inline void PrintTo(const Swatch& s, std::ostream* os)
{
    *os << s.name << " " << s.rgb.red << "," << s.rgb.green << "," << s.rgb.blue;
}
inline void PrintTo(const Rgb& c, std::ostream* os)
{
    *os << c.red << "," << c.green << "," << c.blue;
}
} // namespace core

#include <cmath>

namespace {

using core::Rgb;
using core::Swatch;

TEST(PaletteNames, CustomPropertyNamesAreCheckedAndMadeFree)
{
    for (const char* good : {"--brand-500", "--a", "--_x", "--Grey_2", "--café", "---x"})
        EXPECT_TRUE(core::is_custom_property_name(good)) << good;
    for (const char* bad : {"", "--", "-brand", "brand", "--brand 500", "--a:b", "--a;", "--\"x",
             "--a\\b", "--a.b", "$brand"})
        EXPECT_FALSE(core::is_custom_property_name(bad)) << bad;

    const std::vector<Swatch> palette {{"--brand", {1, 2, 3}}, {"--ink", {0, 0, 0}}};
    EXPECT_EQ(core::name_refusal("", palette), "A color needs a name.");
    EXPECT_EQ(core::name_refusal("brand", palette),
        "\"brand\" is not a CSS custom property name. Names start with -- and hold letters, "
        "digits, - and _ only, such as --brand-500.");
    EXPECT_EQ(core::name_refusal("--ink", palette), "The palette already has a color named --ink.");
    EXPECT_EQ(core::name_refusal("--ink", palette, 1), std::nullopt); // renaming to itself
    EXPECT_EQ(core::name_refusal("--paper", palette), std::nullopt);

    EXPECT_EQ(core::to_custom_property_name("Brand Blue 500"), "--brand-blue-500");
    EXPECT_EQ(core::to_custom_property_name("  --Dark..grey!! "), "--dark-grey");
    EXPECT_EQ(core::to_custom_property_name("!!!"), "");
    EXPECT_EQ(core::free_name("--brand", palette), "--brand-2");
    EXPECT_EQ(core::default_swatch_name({255, 165, 0}, {}), "--orange");
    EXPECT_EQ(core::default_swatch_name({254, 166, 1}, {{"--orange", {}}}), "--orange-2");
}

TEST(PaletteContrast, EveryVerdictFollowsTheShownRatio)
{
    // 4.47:1 fails AA for normal text although it rounds to 4.5; 4.54:1 passes.
    const Rgb white {255, 255, 255};
    const auto grey77 = core::pair_verdicts({0x77, 0x77, 0x77}, white);
    EXPECT_EQ(grey77.hundredths, 447);
    EXPECT_FALSE(grey77.aa_normal);
    EXPECT_TRUE(grey77.aa_large);
    EXPECT_FALSE(grey77.aaa_large);
    EXPECT_TRUE(grey77.non_text);
    const auto grey76 = core::pair_verdicts({0x76, 0x76, 0x76}, white);
    EXPECT_TRUE(grey76.aa_normal && grey76.aaa_large && !grey76.aaa_normal);
    const auto red = core::pair_verdicts({255, 0, 0}, white); // 3.99:1
    EXPECT_TRUE(red.aa_large && red.non_text && !red.aa_normal);
    const auto same = core::pair_verdicts(white, white);
    EXPECT_EQ(same.hundredths, 100);
    EXPECT_FALSE(same.non_text || same.aa_large);
    // The pair is symmetric.
    EXPECT_EQ(core::pair_verdicts(white, {0x77, 0x77, 0x77}).hundredths, 447);
}

TEST(ShadeScale, ElevenStepsEvenInLightnessWithTheColourOnItsNearestStep)
{
    const Rgb blue {0x3b, 0x82, 0xf6}; // OKLCH lightness about 0.62
    const auto scale = core::shade_scale(blue);
    const double own_L = core::to_oklab(blue).L;
    int chosen = -1;
    for (int i = 0; i < 11; ++i) {
        EXPECT_EQ(scale[size_t(i)].step, core::kShadeSteps[size_t(i)]);
        if (scale[size_t(i)].chosen) {
            EXPECT_EQ(chosen, -1);
            chosen = i;
        }
    }
    ASSERT_EQ(chosen, 5); // 500: the even step nearest 0.62 (0.97 - 0.072 * 5 = 0.61)
    EXPECT_EQ(scale[5].rgb, blue);
    // Lighter to darker, evenly on each side of the colour (within rounding to 8 bits).
    std::array<double, 11> L {};
    for (int i = 0; i < 11; ++i)
        L[size_t(i)] = core::to_oklab(scale[size_t(i)].rgb).L;
    EXPECT_NEAR(L[0], 0.97, 0.005);
    EXPECT_NEAR(L[10], 0.25, 0.015); // 8-bit steps are coarse in the dark
    for (int i = 1; i < 11; ++i)
        EXPECT_LT(L[size_t(i)], L[size_t(i - 1)]);
    for (int i = 1; i < 5; ++i)
        EXPECT_NEAR(L[size_t(i)] - L[size_t(i - 1)], (own_L - 0.97) / 5, 0.006) << i;
    for (int i = 6; i < 11; ++i)
        EXPECT_NEAR(L[size_t(i)] - L[size_t(i - 1)], (0.25 - own_L) / 5, 0.006) << i;
    // The hue stays where sRGB keeps any chroma; the light steps lose chroma to fit.
    const double hue = core::to_oklch(core::to_oklab(blue)).h;
    for (int i = 1; i < 11; ++i)
        EXPECT_NEAR(core::to_oklch(core::to_oklab(scale[size_t(i)].rgb)).h, hue, 10.0) << i;
    EXPECT_LT(core::to_oklch(core::to_oklab(scale[0].rgb)).C,
        core::to_oklch(core::to_oklab(blue)).C / 2);

    // The ends: white lands on 50, black on 950; a grey scale stays grey.
    EXPECT_TRUE(core::shade_scale({255, 255, 255})[0].chosen);
    const auto black = core::shade_scale({0, 0, 0});
    EXPECT_TRUE(black[10].chosen);
    EXPECT_EQ(black[10].rgb, (Rgb {0, 0, 0}));
    for (const auto& s : black)
        EXPECT_TRUE(std::abs(s.rgb.red - s.rgb.green) <= 1 && std::abs(s.rgb.green - s.rgb.blue) <= 1);
}

TEST(ShadeScale, NamesAreBuiltOnTheStem)
{
    EXPECT_EQ(core::scale_stem("--brand-500"), "brand");
    EXPECT_EQ(core::scale_stem("--brand"), "brand");
    EXPECT_EQ(core::scale_stem("--grey-2"), "grey-2"); // 2 is no step
    EXPECT_EQ(core::scale_stem("--x-950"), "x");
    EXPECT_EQ(core::shade_name("brand", 50), "--brand-50");
}

} // namespace
