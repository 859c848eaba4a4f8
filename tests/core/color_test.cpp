#include "core/color.h"
#include "core/entry.h"
#include "core/gamut.h"
#include "core/safe_palette.h"

#include <gtest/gtest.h>

#include <utility>

using namespace core;

// Six upper-case digits, zero-padded; read back from characters 1-5 and the last one.
// (The copy texts and alerts are checked, exactly, through the windows' copy commands.)
TEST(HexCode, BuildsUpperCaseDigitsParsesThemBackAndConvertsToTheColorValue)
{
    EXPECT_EQ(build_hex_code(10, 0, 171), "0A00AB");
    for (int v = 0; v < 256; ++v) {
        const std::string code = build_hex_code(v, 255 - v, v);
        ASSERT_EQ(code.size(), 6u);
        EXPECT_EQ(parse_hex_code(std::u32string(code.begin(), code.end())), (Rgb {v, 255 - v, v}));
    }
    // Lower case has no digit value: callers upper-case first.
    for (const char32_t* refused : {U"ffcc00", U"0A1", U"FFCG00"})
        EXPECT_FALSE(parse_hex_code(refused));
    EXPECT_EQ(parse_hex_code(U"0A141E99"), (Rgb {10, 20, 0x19}));

    EXPECT_EQ(color_value(64, 128, 255), 0xFF8040);
    for (int v = 0; v < 256; v += 3) {
        const Rgb c {v, 255 - v, (v * 7) % 256};
        EXPECT_EQ(channels_from_color_value(color_value(c)), c);
    }
}

TEST(SafePalette, SnapsToNearestMultipleOf51)
{
    EXPECT_EQ(safe_color({76, 178, 25}), (Rgb {51, 153, 0}));
    EXPECT_EQ(safe_color({77, 179, 26}), (Rgb {102, 204, 51}));
    for (int v = 0; v < 256; ++v) {
        const int s = safe_value(v);
        EXPECT_EQ(s % 51, 0);
        EXPECT_LE(std::abs(s - v), 25) << v;
        EXPECT_EQ(safe_value(s), s);
    }
}

TEST(Entry, ChannelTextsAndTypedAndPastedCodesAcceptedOrRefusedInOrder)
{
    for (const char32_t* good : {U"255", U"007", U"7"})
        EXPECT_TRUE(check_rgb_text(good));
    // Digits of another script are not 0-9.
    for (const char32_t* bad : {U"12a", U"a", U"-5", U"1 2", U"", U"١٢٣"})
        EXPECT_FALSE(check_rgb_text(bad));

    // Six hex digits in either case; refusals come in their order: length first. A pasted
    // code loses the white space around it, and a longer one is refused, not cut.
    EXPECT_EQ(hex_entry(U"ff00cc").rgb, (Rgb {255, 0, 204}));
    EXPECT_EQ(hex_entry(U"0a141E").rgb, (Rgb {10, 20, 30}));
    EXPECT_EQ(paste_entry(U"  996633\r\n").rgb, (Rgb {153, 102, 51}));
    const std::pair<const char32_t*, Refusal> typed[] = {{U"ff00cc", Refusal::None},
        {U"FFF", Refusal::TooShort}, {U"", Refusal::TooShort}, {U"#FF00CC", Refusal::HashPrefix},
        {U"#FF00C", Refusal::HashPrefix}, {U"#FF", Refusal::TooShort},
        {U"FF:0CC", Refusal::InvalidCharacters}, {U"FF0GCC", Refusal::InvalidCharacters},
        {U"FF 0CC", Refusal::InvalidCharacters}, {U"FF-0CC", Refusal::InvalidCharacters},
        {U"ÄÖÜ", Refusal::TooShort}, {U"ÄÖÜäöü", Refusal::InvalidCharacters}};
    for (const auto& [text, refusal] : typed)
        EXPECT_EQ(hex_entry(text).refusal, refusal) << int(refusal);
    const std::pair<std::u32string, Refusal> pasted[] = {{U"", Refusal::BlankClipboard},
        {U"   \n", Refusal::TooShort}, {U"12345", Refusal::TooShort},
        {U"#996633", Refusal::HashPrefix}, {U"99663312", Refusal::InvalidCharacters},
        {std::u32string(100000, U'A'), Refusal::InvalidCharacters}};
    for (const auto& [text, refusal] : pasted)
        EXPECT_EQ(paste_entry(text).refusal, refusal) << int(refusal);
}

// The other refusals' texts, titles and icons are checked exactly where the windows show them.
TEST(Messages, TooShortAndInvalidCharacters)
{
    const Message& short_code = refusal_message(Refusal::TooShort);
    EXPECT_EQ(short_code.text, "Color hex codes have 6 characters!");
    EXPECT_EQ(short_code.title, "Code too short");
    EXPECT_EQ(short_code.icon, Icon::Stop);
    const Message& invalid = refusal_message(Refusal::InvalidCharacters);
    EXPECT_EQ(invalid.text, "There are one or more invalid characters in your hex code!");
    EXPECT_EQ(invalid.title, "Invalid Characters");
    EXPECT_EQ(invalid.icon, Icon::Stop);
}

// Colours inside sRGB come back as they are; colours outside keep their lightness and
// hue and lose chroma until they fit; lightness at either end gives white or black.
TEST(GamutMapping, KeepsSrgbColoursAndBringsOthersInsideAtTheirHue)
{
    for (int v = 0; v < 256; v += 5) {
        const Rgb c {v, (v * 3) % 256, 255 - v};
        EXPECT_EQ(to_rgb8(gamut_map(to_oklab(c))), c);
    }
    const Oklch vivid {0.65, 0.35, 150.0};
    const Srgb mapped = gamut_map(to_oklab(vivid));
    EXPECT_TRUE(in_srgb_gamut(mapped));
    const Oklch result = to_oklch(to_oklab(to_rgb8(mapped)));
    EXPECT_NEAR(result.L, vivid.L, 0.02);
    EXPECT_NEAR(result.h, vivid.h, 4.0); // the final clip may turn it a little
    EXPECT_LT(result.C, vivid.C);
    EXPECT_EQ(to_rgb8(gamut_map({1.2, 0.1, 0.1})), (Rgb {255, 255, 255}));
    EXPECT_EQ(to_rgb8(gamut_map({-0.1, 0.1, 0.1})), (Rgb {0, 0, 0}));
}
