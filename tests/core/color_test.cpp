#include "core/color.h"
#include "core/copy_text.h"
#include "core/safe_palette.h"

#include <gtest/gtest.h>

using namespace core;

// Six upper-case digits, zero-padded; read back from characters 1-5 and the last one.
TEST(HexCode, BuildsAndParsesUpperCaseDigitsOnly)
{
    EXPECT_EQ(build_hex_code(0, 0, 0), "000000");
    EXPECT_EQ(build_hex_code(255, 255, 255), "FFFFFF");
    EXPECT_EQ(build_hex_code(10, 0, 171), "0A00AB");
    EXPECT_EQ(build_hex_code(5, 255, 16), "05FF10");
    for (int v = 0; v < 256; ++v) {
        const std::string code = build_hex_code(v, v, v);
        ASSERT_EQ(code.size(), 6u);
        EXPECT_EQ(code.find_first_of("abcdef#"), std::string::npos);
    }
    EXPECT_EQ(parse_hex_code(U"0A00AB"), (Rgb {10, 0, 171}));
    EXPECT_EQ(parse_hex_code(U"FFCC00"), (Rgb {255, 204, 0}));
    // Lower case has no digit value: callers upper-case first.
    EXPECT_FALSE(parse_hex_code(U"ffcc00"));
    EXPECT_FALSE(parse_hex_code(U"0A1"));
    EXPECT_EQ(parse_hex_code(U"0A141E99"), (Rgb {10, 20, 0x19}));
    EXPECT_EQ(findrgbhex(U'C'), 12);
    EXPECT_EQ(findrgbhex(U'7'), 7);
    EXPECT_FALSE(findrgbhex(U'a'));
    EXPECT_FALSE(findrgbhex(U'G'));
}

TEST(ColorValue, RoundTripsEveryChannelValue)
{
    EXPECT_EQ(color_value(64, 128, 255), 0xFF8040);
    EXPECT_EQ(channels_from_color_value(0xFF8040), (Rgb {64, 128, 255}));
    EXPECT_EQ(channels_from_color_value(0), (Rgb {0, 0, 0}));
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
    EXPECT_EQ(safe_color({18, 52, 86}), (Rgb {0, 51, 102}));
    for (int v = 0; v < 256; ++v) {
        const int s = safe_value(v);
        EXPECT_EQ(s % 51, 0);
        EXPECT_LE(std::abs(s - v), 25) << v;
        EXPECT_EQ(safe_value(s), s);
    }
}

TEST(CopyText, HexRgbAndTheThreeAlerts)
{
    EXPECT_EQ(hex_copy_text("3366FF", true), "#3366FF");
    EXPECT_EQ(hex_copy_text("3366FF", false), "3366FF");
    EXPECT_EQ(rgb_copy_text("255", "128", "0"), "R:255 G:128 B:0");

    const Message hex = copy_alert("#3366FF", CopyKind::MainHex);
    EXPECT_EQ(hex.text, "[#3366FF] was copied to your clipboard.\rPress Control + V to paste it!");
    EXPECT_EQ(hex.title, "Pigmentor");
    EXPECT_EQ(hex.icon, Icon::Information);
    const Message rgb = copy_alert("R:1 G:2 B:3", CopyKind::Rgb);
    EXPECT_EQ(rgb.text, "[R:1 G:2 B:3] was copied to your clipboard.\rPress Ctrl + V to paste it!");
    EXPECT_EQ(rgb.title, "Pigmentor");
    const Message station = copy_alert("000000", CopyKind::StationHex);
    EXPECT_EQ(
        station.text, "[000000] was copied to your clipboard!\rPress Control + V to paste it!");
    EXPECT_EQ(station.title, "Color copied to clipboard");
}
