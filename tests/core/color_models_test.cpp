#include "core/hsl.h"
#include "core/oklab.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Every 15th channel value, and the ends.
template <class F> void each_color(F f)
{
    for (int r = 0; r <= 255; r += 15)
        for (int g = 0; g <= 255; g += 15)
            for (int b = 0; b <= 255; b += 15)
                f(core::Rgb {r, g, b});
}

} // namespace

TEST(ColorModels, HslAndOklchGiveEveryColourBackExactly)
{
    each_color([](const core::Rgb& c) {
        EXPECT_EQ(core::from_hsl(core::to_hsl(c)), c) << c.red << ',' << c.green << ',' << c.blue;
        const core::Oklch lch = core::to_oklch(c);
        EXPECT_TRUE(core::in_srgb_gamut(lch));
        EXPECT_LE(lch.C, 0.37) << "the chroma bar reaches every sRGB colour";
        EXPECT_EQ(core::from_oklch(lch), c);
    });
    // Known values, and greys without hue or saturation.
    const core::Hsl orange = core::to_hsl({255, 153, 0});
    EXPECT_DOUBLE_EQ(orange.hue, 36);
    EXPECT_DOUBLE_EQ(orange.saturation, 100);
    EXPECT_DOUBLE_EQ(orange.lightness, 50);
    const core::Hsl grey = core::to_hsl({128, 128, 128});
    EXPECT_EQ(grey.hue, 0);
    EXPECT_EQ(grey.saturation, 0);
    EXPECT_EQ(core::to_oklch({128, 128, 128}).C, 0);
    // The hue wraps and the rest is clamped.
    EXPECT_EQ(core::from_hsl({360, 100, 50}), (core::Rgb {255, 0, 0}));
    EXPECT_EQ(core::from_hsl({-120, 100, 50}), (core::Rgb {0, 0, 255}));
    EXPECT_EQ(core::from_hsl({0, 150, 120}), (core::Rgb {255, 255, 255}));
}

TEST(ColorModels, ChromaBeyondSrgbIsReducedAtTheSameLightnessAndHue)
{
    for (double hue = 0; hue < 360; hue += 30) {
        const core::Oklch asked {0.7, 0.37, hue};
        ASSERT_FALSE(core::in_srgb_gamut(asked)) << hue;
        const double edge = core::max_srgb_chroma(0.7, hue);
        EXPECT_GT(edge, 0.05);
        EXPECT_TRUE(core::in_srgb_gamut({0.7, edge, hue}));
        EXPECT_FALSE(core::in_srgb_gamut({0.7, edge + 0.01, hue}));
        const core::Oklch got = core::to_oklch(core::from_oklch(asked));
        EXPECT_NEAR(got.L, 0.7, 0.01) << hue;
        EXPECT_NEAR(got.C, edge, 0.01) << hue;
        EXPECT_NEAR(std::remainder(got.h - hue, 360.0), 0, 2.0) << hue;
    }
    // Black and white have no chroma to give.
    EXPECT_EQ(core::max_srgb_chroma(0, 30), 0);
    EXPECT_EQ(core::max_srgb_chroma(1, 30), 0);
    EXPECT_EQ(core::from_oklch({1.2, 0.3, 30}), (core::Rgb {255, 255, 255}));
}
