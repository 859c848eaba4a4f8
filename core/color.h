#pragma once

#include <array>
#include <optional>
#include <string>

namespace core {

// One colour as its three channel values, each 0..255, red first.
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;

    friend bool operator==(const Rgb& a, const Rgb& b)
    {
        return a.red == b.red && a.green == b.green && a.blue == b.blue;
    }
    friend bool operator!=(const Rgb& a, const Rgb& b) { return !(a == b); }
};

// Six upper-case hex digits, two per channel, red first, zero-padded, never with "#".
std::string build_hex_code(int red, int green, int blue);
inline std::string build_hex_code(const Rgb& c)
{
    return build_hex_code(c.red, c.green, c.blue);
}

// The single integer the window system uses for fills: red + 256 green + 65536 blue.
int color_value(int red, int green, int blue);
inline int color_value(const Rgb& c)
{
    return color_value(c.red, c.green, c.blue);
}
Rgb channels_from_color_value(int value);

// Digit value of one code character: "0".."9" and upper-case "A".."F".
// Anything else has no digit value (lower case included: callers upper-case first).
std::optional<int> findrgbhex(char32_t c);

// The six characters a code is parsed from: the first character, characters 2 to 5
// and the last character. Texts shorter than five characters cannot be split.
std::optional<std::array<char32_t, 6>> split_code(const std::u32string& code);

// Parses six split characters into channels; fails on a character without digit value.
std::optional<Rgb> parse_hex_chars(const std::array<char32_t, 6>& c);
std::optional<Rgb> parse_hex_code(const std::u32string& code);

} // namespace core
