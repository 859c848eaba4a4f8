#include "core/contrast.h"
#include "core/oklab.h"
#include "core/vision.h"
#include "core/wcag.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <tuple>
#include <utility>

namespace {

using core::Level;
using core::Rgb;
using core::Use;
using core::Vision;

const Rgb kWhite {255, 255, 255};
const Rgb kBlack {0, 0, 0};

// The ratio and what is shown of it: cut to hundredths, not rounded.
TEST(Wcag, KnownPairsShowTruncatedRatiosAndVerdictsFollowThem)
{
    const Rgb grey {12, 34, 56};
    const std::tuple<Rgb, Rgb, double, const char*> pairs[]
        = {{{0x77, 0x77, 0x77}, kWhite, 4.478, "4.47:1"},
            {{0x76, 0x76, 0x76}, kWhite, 4.542, "4.54:1"}, {{255, 0, 0}, kWhite, 3.998, "3.99:1"},
            {{0, 0, 255}, kBlack, 2.444, "2.44:1"}, {kBlack, kWhite, 21.0, "21.00:1"},
            {kWhite, kBlack, 21.0, "21.00:1"}, {grey, grey, 1.0, "1.00:1"}};
    for (const auto& [a, b, ratio, text] : pairs) {
        EXPECT_NEAR(core::contrast_ratio(a, b), ratio, 0.0005) << text;
        EXPECT_EQ(core::ratio_text(core::shown_hundredths(a, b)), text);
    }
    EXPECT_DOUBLE_EQ(core::relative_luminance(kBlack), 0.0);
    EXPECT_NEAR(core::relative_luminance(kWhite), 1.0, 1e-12);
    EXPECT_EQ(core::shown_hundredths(4.4999), 449);
    EXPECT_EQ(core::shown_hundredths(4.5), 450);
    EXPECT_EQ(core::shown_hundredths(20.999999999999996), 2100); // a floating-point hair
    EXPECT_EQ(core::shown_hundredths(6.9999), 699);
    EXPECT_EQ(core::ratio_text(705), "7.05:1");
    // Whatever shows as a hundredth is never above the true ratio, over many pairs.
    for (int g = 0; g < 256; g += 3)
        for (int h = 0; h < 256; h += 17) {
            const Rgb a {g, g, 255 - g}, b {h, 255 - h, h};
            const double r = core::contrast_ratio(a, b);
            const int shown = core::shown_hundredths(a, b);
            EXPECT_LE(shown / 100.0, r + 1e-9);
            EXPECT_GT((shown + 1) / 100.0, r);
            EXPECT_EQ(shown, core::shown_hundredths(r)); // the table gives the same ratio
        }

    // Verdicts go by the shown hundredths (red on white, 3.998, shows 3.99 and fails the 4.5 of
    // large-text AAA); thresholds are inclusive.
    for (const auto& [at, use, level] : {std::tuple {450, Use::NormalText, Level::AA},
             {700, Use::NormalText, Level::AAA}, {300, Use::LargeText, Level::AA},
             {450, Use::LargeText, Level::AAA}, {300, Use::NonText, Level::AA}}) {
        EXPECT_TRUE(core::passes(at, use, level)) << at;
        EXPECT_FALSE(core::passes(at - 1, use, level)) << at;
    }
    EXPECT_EQ(core::verdict_text(447, Use::NormalText), "AA \u2717  AAA \u2717");
    EXPECT_EQ(core::verdict_text(447, Use::LargeText), "AA \u2713  AAA \u2717");
    EXPECT_EQ(core::verdict_text(2100, Use::NormalText), "AA \u2713  AAA \u2713");
    EXPECT_EQ(core::verdict_text(399, Use::NonText), "AA \u2713");
    EXPECT_EQ(core::verdict_words(447, Use::LargeText), "AA pass, AAA fail");
    EXPECT_EQ(core::verdict_words(299, Use::NonText), "AA fail");
}

double delta(const Rgb& x, const Rgb& y)
{
    return core::delta_e(core::to_oklab(x), core::to_oklab(y));
}

// The station's tests follow a suggestion through the bars; here, what it is worth.
TEST(Wcag, SuggestionIsASmallChangeThatKeepsTheHueOrTheNearestPassingSafeColour)
{
    const Rgb grey {0x77, 0x77, 0x77};
    EXPECT_EQ(core::suggest_passing(grey, kWhite, 450, false), (Rgb {0x76, 0x76, 0x76}));
    const auto aaa = core::suggest_passing(grey, kWhite, 700, false);
    ASSERT_TRUE(aaa);
    EXPECT_GE(core::shown_hundredths(*aaa, kWhite), 700);
    EXPECT_LT(core::shown_hundredths(*aaa, kWhite), 720); // not overshot
    // An orange on white goes darker and stays orange: its OKLab hue angle barely moves.
    const Rgb orange {255, 153, 0};
    const auto s = core::suggest_passing(orange, kWhite, 450, false);
    ASSERT_TRUE(s);
    EXPECT_GE(core::shown_hundredths(*s, kWhite), 450);
    const auto a = core::to_oklab(orange), b = core::to_oklab(*s);
    EXPECT_NEAR(std::atan2(a.b, a.a), std::atan2(b.b, b.a), 0.05);
    EXPECT_GT(s->red, s->green);
    EXPECT_GT(s->green, s->blue);
    // 4.5 is always reachable, with black or white at worst: lighter on dark backgrounds.
    for (int g = 0; g < 256; g += 5) {
        const auto r = core::suggest_passing({g, 255 - g, g / 2}, {g, g, g}, 450, false);
        ASSERT_TRUE(r) << g;
        EXPECT_GE(core::shown_hundredths(*r, {g, g, g}), 450) << g;
    }

    const auto safe = core::suggest_passing(grey, kWhite, 450, true);
    ASSERT_TRUE(safe);
    EXPECT_EQ(*safe, (Rgb {102, 102, 102}));
    for (int r = 0; r <= 255; r += 51)
        for (int g = 0; g <= 255; g += 51)
            for (int b = 0; b <= 255; b += 51)
                if (core::shown_hundredths({r, g, b}, kWhite) >= 450) {
                    EXPECT_LE(delta(*safe, grey), delta({r, g, b}, grey) + 1e-12);
                }
    // A non-safe colour that passes is still replaced by a Safe one.
    EXPECT_EQ(core::suggest_passing({10, 20, 30}, kWhite, 450, true), (Rgb {0, 0, 51}));
    // #777777 reaches 4.68 against black and 4.47 against white: no Safe colour gives 7:1.
    EXPECT_FALSE(core::suggest_passing({255, 0, 0}, grey, 700, true));
}

TEST(Vision, PrimariesGreysAndRowSumsUnderEachView)
{
    // The matrices' columns, clamped and encoded to sRGB: a wrong entry shows here.
    const Rgb primaries[] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
    const std::pair<Vision, std::array<Rgb, 3>> seen[]
        = {{Vision::Protanopia, {{{109, 95, 0}, {255, 229, 0}, {0, 89, 255}}}},
            {Vision::Deuteranopia, {{{163, 144, 0}, {239, 214, 58}, {0, 61, 251}}}},
            {Vision::Tritanopia, {{{255, 0, 15}, {0, 247, 217}, {0, 107, 150}}}}};
    for (const auto& [vision, views] : seen)
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(core::simulate_vision(primaries[i], vision), views[i]) << int(vision) << i;
    // Achromatopsia: a grey of the same relative luminance (0.2126 for red).
    EXPECT_EQ(core::simulate_vision({255, 0, 0}, Vision::Achromatopsia), (Rgb {127, 127, 127}));
    EXPECT_EQ(core::simulate_vision({12, 200, 99}, Vision::Normal), (Rgb {12, 200, 99}));
    // Every row sums to one (to the paper's six decimals): white and greys stay put.
    for (int v = 0; v < core::kVisionCount; ++v) {
        for (const auto& row : core::vision_matrix(Vision(v)))
            EXPECT_NEAR(row[0] + row[1] + row[2], 1.0, 2e-6) << v;
        for (const Rgb c : {Rgb {0, 0, 0}, Rgb {255, 255, 255}, Rgb {119, 119, 119}})
            EXPECT_EQ(core::simulate_vision(c, Vision(v)), c) << v;
    }
}

} // namespace
