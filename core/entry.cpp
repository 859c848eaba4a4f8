#include "core/entry.h"

namespace core {

namespace {

bool is_digit_char(char32_t c)
{
    return c > U'/' && c < U':';
}

bool is_space(char32_t c)
{
    return c == U' ' || c == U'\t' || c == U'\r' || c == U'\n' || c == U'\v' || c == U'\f'
        || c == 0xA0;
}

std::u32string trimmed(const std::u32string& s)
{
    size_t b = 0, e = s.size();
    while (b < e && is_space(s[b]))
        ++b;
    while (e > b && is_space(s[e - 1]))
        --e;
    return s.substr(b, e - b);
}

HexEntry refuse(Refusal r)
{
    return HexEntry {r, {}};
}

// Steps shared by typing and pasting, from the upper-casing on.
HexEntry check_code(const std::u32string& text, bool refuse_long)
{
    const std::u32string code = upper_ascii(text);
    if (code.size() < 6)
        return refuse(Refusal::TooShort);
    if (code[0] == U'#')
        return refuse(Refusal::HashPrefix);
    if (refuse_long && code.size() > 6)
        return refuse(Refusal::InvalidCharacters);
    const auto chars = split_code(code);
    if (!chars || !check_hex_chars(*chars))
        return refuse(Refusal::InvalidCharacters);
    for (char32_t c : *chars) {
        if (c > U'F' || c <= U'/')
            return refuse(Refusal::InvalidCharacters);
    }
    const auto rgb = parse_hex_chars(*chars);
    if (!rgb)
        return refuse(Refusal::InvalidCharacters);
    return HexEntry {Refusal::None, *rgb};
}

} // namespace

const Message& refusal_message(Refusal refusal, Window window)
{
    static const Message none {};
    static const Message rgb {
        "Only 0-9 numbers are allowed in RBG values!", "Invalid Characters", Icon::Stop};
    static const Message blank_main {
        "F2 is used to automatically paste hex codes into Pigmentor. Your clipboard is empty!",
        "Blank Clipboard", Icon::Stop};
    static const Message blank_station {"Ctrl + V is used to automatically paste hex codes into "
                                        "Pigmentor. Your clipboard is empty!",
        "Blank Clipboard", Icon::Stop};
    static const Message too_short {
        "Color hex codes have 6 characters!", "Code too short", Icon::Stop};
    static const Message hash {
        "Please enter the Hex Code ONLY, no #!", kAppTitle, Icon::Information};
    static const Message invalid {"There are one or more invalid characters in your hex code!",
        "Invalid Characters", Icon::Stop};
    switch (refusal) {
    case Refusal::None:
        return none;
    case Refusal::RgbText:
        return rgb;
    case Refusal::BlankClipboard:
        return window == Window::Main ? blank_main : blank_station;
    case Refusal::TooShort:
        return too_short;
    case Refusal::HashPrefix:
        return hash;
    case Refusal::InvalidCharacters:
        return invalid;
    }
    return none;
}

bool check_rgb_text(const std::u32string& text)
{
    if (text.empty() || !is_digit_char(text.front()))
        return false;
    if (!is_digit_char(text.back()))
        return false;
    if (text.size() == 3 && !is_digit_char(text[1]))
        return false;
    // Boxes hold at most three characters; a longer text is checked in full.
    for (char32_t c : text) {
        if (!is_digit_char(c))
            return false;
    }
    return true;
}

bool check_hex_chars(const std::array<char32_t, 6>& c)
{
    for (char32_t ch : c) {
        if (ch >= U':' && ch <= U'@')
            return false;
    }
    return true;
}

std::u32string upper_ascii(std::u32string text)
{
    for (char32_t& c : text) {
        if (c >= U'a' && c <= U'z')
            c = c - U'a' + U'A';
    }
    return text;
}

HexEntry hex_entry(const std::u32string& text)
{
    return check_code(text, false);
}

HexEntry paste_entry(const std::u32string& clipboard)
{
    if (clipboard.empty())
        return refuse(Refusal::BlankClipboard);
    return check_code(trimmed(clipboard), true);
}

} // namespace core
