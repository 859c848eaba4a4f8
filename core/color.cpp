#include "core/color.h"

namespace core {

namespace {
const char kDigits[] = "0123456789ABCDEF";

void append_pair(std::string& code, int value)
{
    code += kDigits[(value >> 4) & 0xF];
    code += kDigits[value & 0xF];
}
} // namespace

std::string build_hex_code(int red, int green, int blue)
{
    std::string code;
    code.reserve(6);
    append_pair(code, red);
    append_pair(code, green);
    append_pair(code, blue);
    return code;
}

int color_value(int red, int green, int blue)
{
    return red + 256 * green + 65536 * blue;
}

Rgb channels_from_color_value(int value)
{
    const int blue = value / 65536;
    const int rest = value - 65536 * blue;
    const int green = rest / 256;
    return Rgb {rest - 256 * green, green, blue};
}

std::optional<int> findrgbhex(char32_t c)
{
    if (c >= U'0' && c <= U'9')
        return int(c - U'0');
    if (c >= U'A' && c <= U'F')
        return int(c - U'A') + 10;
    return std::nullopt;
}

std::optional<std::array<char32_t, 6>> split_code(const std::u32string& code)
{
    if (code.size() < 5)
        return std::nullopt;
    return std::array<char32_t, 6> {code[0], code[1], code[2], code[3], code[4], code.back()};
}

std::optional<Rgb> parse_hex_chars(const std::array<char32_t, 6>& c)
{
    std::array<int, 6> v {};
    for (size_t i = 0; i < c.size(); ++i) {
        const auto digit = findrgbhex(c[i]);
        if (!digit)
            return std::nullopt;
        v[i] = *digit;
    }
    return Rgb {16 * v[0] + v[1], 16 * v[2] + v[3], 16 * v[4] + v[5]};
}

std::optional<Rgb> parse_hex_code(const std::u32string& code)
{
    const auto chars = split_code(code);
    if (!chars)
        return std::nullopt;
    return parse_hex_chars(*chars);
}

} // namespace core
