#include "core/contrast.h"

#include <gtest/gtest.h>

namespace {

TEST(Contrast, KnownPairs)
{
    const core::Rgb white {255, 255, 255};
    EXPECT_NEAR(core::contrast_ratio({0, 0, 0}, white), 21.0, 1e-9);
    EXPECT_NEAR(core::contrast_ratio({0x77, 0x77, 0x77}, white), 4.478, 0.0005);
    EXPECT_NEAR(core::contrast_ratio({0x76, 0x76, 0x76}, white), 4.542, 0.0005);
    EXPECT_NEAR(core::contrast_ratio({255, 0, 0}, white), 3.998, 0.0005);
    EXPECT_NEAR(core::contrast_ratio({0, 0, 255}, {0, 0, 0}), 2.444, 0.0005);
    // Symmetric, and 1 for a colour against itself.
    EXPECT_DOUBLE_EQ(
        core::contrast_ratio(white, {255, 0, 0}), core::contrast_ratio({255, 0, 0}, white));
    EXPECT_DOUBLE_EQ(core::contrast_ratio({12, 34, 56}, {12, 34, 56}), 1.0);
}

TEST(Contrast, LuminanceEnds)
{
    EXPECT_DOUBLE_EQ(core::relative_luminance({0, 0, 0}), 0.0);
    EXPECT_NEAR(core::relative_luminance({255, 255, 255}), 1.0, 1e-12);
}

} // namespace
