#include "core/entry.h"

#include <gtest/gtest.h>

using namespace core;

TEST(ChannelText, DigitsOnly)
{
    EXPECT_TRUE(check_rgb_text(U"255"));
    EXPECT_TRUE(check_rgb_text(U"007"));
    EXPECT_TRUE(check_rgb_text(U"7"));
    EXPECT_FALSE(check_rgb_text(U"12a"));
    EXPECT_FALSE(check_rgb_text(U"a"));
    EXPECT_FALSE(check_rgb_text(U"-5"));
    EXPECT_FALSE(check_rgb_text(U"1 2"));
    EXPECT_FALSE(check_rgb_text(U""));
    EXPECT_FALSE(check_rgb_text(U"١٢٣")); // digits of another script are not 0-9
}

TEST(HexEntry, AcceptsSixHexDigitsInEitherCase)
{
    const HexEntry e = hex_entry(U"ff00cc");
    EXPECT_EQ(e.refusal, Refusal::None);
    EXPECT_EQ(e.rgb, (Rgb {255, 0, 204}));
    EXPECT_EQ(hex_entry(U"0a141E").rgb, (Rgb {10, 20, 30}));
}

TEST(HexEntry, RefusalsComeInTheirOrder)
{
    EXPECT_EQ(hex_entry(U"FFF").refusal, Refusal::TooShort);
    EXPECT_EQ(hex_entry(U"").refusal, Refusal::TooShort);
    EXPECT_EQ(hex_entry(U"#FF00CC").refusal, Refusal::HashPrefix);
    EXPECT_EQ(hex_entry(U"#FF00C").refusal, Refusal::HashPrefix);
    EXPECT_EQ(hex_entry(U"#FF").refusal, Refusal::TooShort); // length comes first
    EXPECT_EQ(hex_entry(U"FF:0CC").refusal, Refusal::InvalidCharacters);
    EXPECT_EQ(hex_entry(U"FF0GCC").refusal, Refusal::InvalidCharacters);
    EXPECT_EQ(hex_entry(U"FF 0CC").refusal, Refusal::InvalidCharacters);
    EXPECT_EQ(hex_entry(U"FF-0CC").refusal, Refusal::InvalidCharacters);
    EXPECT_EQ(hex_entry(U"ÄÖÜ").refusal, Refusal::TooShort);
    EXPECT_EQ(hex_entry(U"ÄÖÜäöü").refusal, Refusal::InvalidCharacters);
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
