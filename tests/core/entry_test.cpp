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

// Six hex digits in either case; refusals come in their order: length first.
TEST(HexEntry, AcceptsSixHexDigitsInEitherCaseAndRefusesInOrder)
{
    const HexEntry e = hex_entry(U"ff00cc");
    EXPECT_EQ(e.refusal, Refusal::None);
    EXPECT_EQ(e.rgb, (Rgb {255, 0, 204}));
    EXPECT_EQ(hex_entry(U"0a141E").rgb, (Rgb {10, 20, 30}));
    const std::pair<const char32_t*, Refusal> refused[] = {{U"FFF", Refusal::TooShort},
        {U"", Refusal::TooShort}, {U"#FF00CC", Refusal::HashPrefix},
        {U"#FF00C", Refusal::HashPrefix}, {U"#FF", Refusal::TooShort},
        {U"FF:0CC", Refusal::InvalidCharacters}, {U"FF0GCC", Refusal::InvalidCharacters},
        {U"FF 0CC", Refusal::InvalidCharacters}, {U"FF-0CC", Refusal::InvalidCharacters},
        {U"ÄÖÜ", Refusal::TooShort}, {U"ÄÖÜäöü", Refusal::InvalidCharacters}};
    for (const auto& [text, refusal] : refused)
        EXPECT_EQ(hex_entry(text).refusal, refusal) << int(refusal);
}

TEST(PasteEntry, BlankTrimmedAndTooLong)
{
    EXPECT_EQ(paste_entry(U"").refusal, Refusal::BlankClipboard);
    EXPECT_EQ(paste_entry(U"996633").rgb, (Rgb {153, 102, 51}));
    // A code copied with a line break or spaces around it still works.
    EXPECT_EQ(paste_entry(U"  996633\r\n").rgb, (Rgb {153, 102, 51}));
    EXPECT_EQ(paste_entry(U"12345").refusal, Refusal::TooShort);
    EXPECT_EQ(paste_entry(U"#996633").refusal, Refusal::HashPrefix);
    // Longer than six characters is refused, not made into an unrelated colour.
    EXPECT_EQ(paste_entry(U"99663312").refusal, Refusal::InvalidCharacters);
    EXPECT_EQ(paste_entry(std::u32string(100000, U'A')).refusal, Refusal::InvalidCharacters);
    EXPECT_EQ(paste_entry(U"   \n").refusal, Refusal::TooShort);
}

TEST(Messages, ExactTextsTitlesAndIcons)
{
    const Message& rgb = refusal_message(Refusal::RgbText);
    EXPECT_EQ(rgb.text, "Only 0-9 numbers are allowed in RBG values!");
    EXPECT_EQ(rgb.title, "Invalid Characters");
    EXPECT_EQ(rgb.icon, Icon::Stop);
    EXPECT_EQ(refusal_message(Refusal::BlankClipboard, Window::Main).text,
        "F2 is used to automatically paste hex codes into Pigmentor. Your clipboard is empty!");
    EXPECT_EQ(refusal_message(Refusal::BlankClipboard, Window::Station).text,
        "Ctrl + V is used to automatically paste hex codes into Pigmentor. Your clipboard is "
        "empty!");
    EXPECT_EQ(refusal_message(Refusal::BlankClipboard).title, "Blank Clipboard");
    EXPECT_EQ(refusal_message(Refusal::TooShort).text, "Color hex codes have 6 characters!");
    EXPECT_EQ(refusal_message(Refusal::TooShort).title, "Code too short");
    const Message& hash = refusal_message(Refusal::HashPrefix);
    EXPECT_EQ(hash.text, "Please enter the Hex Code ONLY, no #!");
    EXPECT_EQ(hash.title, "Pigmentor");
    EXPECT_EQ(hash.icon, Icon::Information);
    EXPECT_EQ(refusal_message(Refusal::InvalidCharacters).text,
        "There are one or more invalid characters in your hex code!");
    EXPECT_EQ(refusal_message(Refusal::InvalidCharacters).title, "Invalid Characters");
}
