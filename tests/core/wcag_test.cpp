#include "core/contrast.h"
#include "core/oklab.h"
#include "core/wcag.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace {

using core::Level;
using core::Rgb;
using core::Use;

const Rgb kWhite {255, 255, 255};
const Rgb kBlack {0, 0, 0};

std::string shown(const Rgb& a, const Rgb& b)
{
    return core::ratio_text(core::shown_hundredths(a, b));
}

// The ratio and what is shown of it: cut to hundredths, not rounded.
TEST(Wcag, KnownPairsShowTruncatedRatios)
{
    const Rgb grey {12, 34, 56};
    const std::tuple<Rgb, Rgb, double, const char*> pairs[] = {
        {{0x77, 0x77, 0x77}, kWhite, 4.478, "4.47:1"}, {{0x76, 0x76, 0x76}, kWhite, 4.542, "4.54:1"},
        {{255, 0, 0}, kWhite, 3.998, "3.99:1"}, {{0, 0, 255}, kBlack, 2.444, "2.44:1"},
        {kBlack, kWhite, 21.0, "21.00:1"}, {kWhite, kBlack, 21.0, "21.00:1"},
        {grey, grey, 1.0, "1.00:1"}};
    for (const auto& [a, b, ratio, text] : pairs) {
        EXPECT_NEAR(core::contrast_ratio(a, b), ratio, 0.0005) << text;
        EXPECT_EQ(shown(a, b), text);
    }
    EXPECT_DOUBLE_EQ(core::contrast_ratio(kWhite, {255, 0, 0}), core::contrast_ratio({255, 0, 0}, kWhite));
    EXPECT_DOUBLE_EQ(core::relative_luminance(kBlack), 0.0);
    EXPECT_NEAR(core::relative_luminance(kWhite), 1.0, 1e-12);
}

TEST(Wcag, TruncationAtTheEdges)
{
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
}

TEST(Wcag, VerdictsFollowTheShownValue)
{
    const int grey77 = core::shown_hundredths({0x77, 0x77, 0x77}, kWhite);
    EXPECT_FALSE(core::passes(grey77, Use::NormalText, Level::AA));
    EXPECT_TRUE(core::passes(grey77, Use::LargeText, Level::AA));
    EXPECT_FALSE(core::passes(grey77, Use::LargeText, Level::AAA));
    EXPECT_TRUE(core::passes(
        core::shown_hundredths({0x76, 0x76, 0x76}, kWhite), Use::NormalText, Level::AA));
    // Red on white is 3.998: shown as 3.99, so it fails the 4.5 of large-text AAA and
    // passes the 3:1 for objects.
    const int red = core::shown_hundredths({255, 0, 0}, kWhite);
    EXPECT_TRUE(core::passes(red, Use::NonText, Level::AA));
    EXPECT_FALSE(core::passes(red, Use::LargeText, Level::AAA));
    // Thresholds are inclusive.
    for (const auto& [at, use, level] : {std::tuple {450, Use::NormalText, Level::AA},
             {700, Use::NormalText, Level::AAA}, {300, Use::LargeText, Level::AA},
             {300, Use::NonText, Level::AA}}) {
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

bool is_safe(const Rgb& c)
{
    return c.red % 51 == 0 && c.green % 51 == 0 && c.blue % 51 == 0;
}

TEST(Wcag, SuggestionReachesTheLevelWithASmallChange)
{
    const Rgb grey {0x77, 0x77, 0x77};
    const auto aa = core::suggest_passing(grey, kWhite, 450, false);
    ASSERT_TRUE(aa);
    EXPECT_GE(core::shown_hundredths(*aa, kWhite), 450);
    EXPECT_LT(delta(*aa, grey), 0.01);
    EXPECT_EQ(*aa, (Rgb {0x76, 0x76, 0x76})); // one step darker, still a grey

    const auto aaa = core::suggest_passing(grey, kWhite, 700, false);
    ASSERT_TRUE(aaa);
    EXPECT_GE(core::shown_hundredths(*aaa, kWhite), 700);
    EXPECT_LT(core::shown_hundredths(*aaa, kWhite), 720); // not overshot

    // Already passing: unchanged.
    EXPECT_EQ(core::suggest_passing(kBlack, kWhite, 700, false), kBlack);
}

TEST(Wcag, SuggestionKeepsTheHue)
{
    // An orange on white goes darker and stays orange: its OKLab hue angle barely moves.
    const Rgb orange {255, 153, 0};
    const auto s = core::suggest_passing(orange, kWhite, 450, false);
    ASSERT_TRUE(s);
    EXPECT_GE(core::shown_hundredths(*s, kWhite), 450);
    const auto a = core::to_oklab(orange), b = core::to_oklab(*s);
    EXPECT_NEAR(std::atan2(a.b, a.a), std::atan2(b.b, b.a), 0.05);
    EXPECT_GT(s->red, s->green);
    EXPECT_GT(s->green, s->blue);
    // Against black the same orange goes lighter, or stays if it passes.
    const auto on_black = core::suggest_passing({120, 60, 0}, kBlack, 450, false);
    ASSERT_TRUE(on_black);
    EXPECT_GE(core::shown_hundredths(*on_black, kBlack), 450);
    EXPECT_GT(core::to_oklab(*on_black).L, core::to_oklab({120, 60, 0}).L);
}

TEST(Wcag, SafeOnlySuggestionIsASafePaletteColour)
{
    const Rgb grey {0x77, 0x77, 0x77};
    const auto s = core::suggest_passing(grey, kWhite, 450, true);
    ASSERT_TRUE(s);
    EXPECT_EQ(*s, (Rgb {102, 102, 102}));
    // Nearest of all passing Safe colours.
    for (int r = 0; r <= 255; r += 51)
        for (int g = 0; g <= 255; g += 51)
            for (int b = 0; b <= 255; b += 51)
                if (core::shown_hundredths({r, g, b}, kWhite) >= 450) {
                    EXPECT_LE(delta(*s, grey), delta({r, g, b}, grey) + 1e-12);
                }
    // A non-safe colour that passes is still replaced by a Safe one.
    const auto dark = core::suggest_passing({10, 20, 30}, kWhite, 450, true);
    ASSERT_TRUE(dark);
    EXPECT_TRUE(is_safe(*dark));
}

TEST(Wcag, NothingPassesAgainstAMidGrey)
{
    // #777777 reaches 4.68 against black and 4.47 against white: no colour gives 7:1.
    const Rgb grey {0x77, 0x77, 0x77};
    EXPECT_FALSE(core::suggest_passing({255, 0, 0}, grey, 700, false));
    EXPECT_FALSE(core::suggest_passing({255, 0, 0}, grey, 700, true));
    // But 4.5 is always reachable, with black or white at worst.
    for (int g = 0; g < 256; g += 5) {
        const auto s = core::suggest_passing({g, 255 - g, g / 2}, {g, g, g}, 450, false);
        ASSERT_TRUE(s) << g;
        EXPECT_GE(core::shown_hundredths(*s, {g, g, g}), 450) << g;
    }
}

} // namespace
