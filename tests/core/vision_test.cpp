#include "core/vision.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>

namespace {

using core::Rgb;
using core::Vision;

TEST(Vision, PrimariesGreysAndRowSumsUnderEachView)
{
    // The matrices' columns, clamped and encoded to sRGB: a wrong entry shows here.
    const Rgb primaries[] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
    const std::pair<Vision, std::array<Rgb, 3>> seen[] = {
        {Vision::Protanopia, {{{109, 95, 0}, {255, 229, 0}, {0, 89, 255}}}},
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
    // Red and green, told apart by most people, come close under deuteranopia.
    const Rgb red = core::simulate_vision({200, 60, 40}, Vision::Deuteranopia);
    const Rgb green = core::simulate_vision({110, 120, 40}, Vision::Deuteranopia);
    EXPECT_LT(std::abs(red.red - green.red) + std::abs(red.green - green.green), 40);
}

} // namespace
