#include "core/color.h"
#include "core/safe_palette.h"

#include <gtest/gtest.h>

using namespace core;

// Six upper-case digits, zero-padded; read back from characters 1-5 and the last one.
// (The copy texts and alerts are checked, exactly, through the windows' copy commands.)
TEST(HexCode, BuildsUpperCaseDigitsAndParsesThemBack)
{
    EXPECT_EQ(build_hex_code(10, 0, 171), "0A00AB");
    EXPECT_EQ(build_hex_code(5, 255, 16), "05FF10");
    for (int v = 0; v < 256; ++v) {
        const std::string code = build_hex_code(v, 255 - v, v);
        ASSERT_EQ(code.size(), 6u);
        EXPECT_EQ(parse_hex_code(std::u32string(code.begin(), code.end())), (Rgb {v, 255 - v, v}));
    }
    // Lower case has no digit value: callers upper-case first.
    for (const char32_t* refused : {U"ffcc00", U"0A1", U"FFCG00"})
        EXPECT_FALSE(parse_hex_code(refused));
    EXPECT_EQ(parse_hex_code(U"0A141E99"), (Rgb {10, 20, 0x19}));
}

TEST(ColorValue, RoundTripsEveryChannelValue)
{
    EXPECT_EQ(color_value(64, 128, 255), 0xFF8040);
    EXPECT_EQ(channels_from_color_value(16777215), (Rgb {255, 255, 255}));
    for (int v = 0; v < 256; v += 3) {
        const Rgb c {v, 255 - v, (v * 7) % 256};
        EXPECT_EQ(channels_from_color_value(color_value(c)), c);
    }
}

TEST(SafePalette, SnapsToNearestMultipleOf51)
{
    EXPECT_EQ(safe_color({76, 178, 25}), (Rgb {51, 153, 0}));
    EXPECT_EQ(safe_color({77, 179, 26}), (Rgb {102, 204, 51}));
    EXPECT_EQ(safe_color({229, 230, 255}), (Rgb {204, 255, 255}));
    for (int v = 0; v < 256; ++v) {
        const int s = safe_value(v);
        EXPECT_EQ(s % 51, 0);
        EXPECT_LE(std::abs(s - v), 25) << v;
        EXPECT_EQ(safe_value(s), s);
    }
}
