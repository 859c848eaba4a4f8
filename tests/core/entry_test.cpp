#include "core/entry.h"

#include <gtest/gtest.h>

#include <utility>

using namespace core;

TEST(ChannelText, DigitsOnly)
{
    for (const char32_t* good : {U"255", U"007", U"7"})
        EXPECT_TRUE(check_rgb_text(good));
    // Digits of another script are not 0-9.
    for (const char32_t* bad : {U"12a", U"a", U"-5", U"1 2", U"", U"١٢٣"})
        EXPECT_FALSE(check_rgb_text(bad));
}

// Six hex digits in either case; refusals come in their order: length first. A pasted
// code loses the white space around it, and a longer one is refused, not cut.
TEST(HexEntry, TypedAndPastedCodesAcceptedOrRefusedInOrder)
{
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
