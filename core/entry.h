#pragma once

#include "core/color.h"
#include "core/messages.h"

#include <array>
#include <string>

namespace core {

// Why a typed or pasted code (or channel text) was refused.
enum class Refusal { None, BlankClipboard, TooShort, HashPrefix, InvalidCharacters, RgbText };

// The two editing windows word the empty-clipboard message differently.
enum class Window { Main, Station };

const Message& refusal_message(Refusal refusal, Window window = Window::Main);

// Channel box text: true when the first, the last and (for three characters) the
// middle character are all digits. An empty text fails.
bool check_rgb_text(const std::u32string& text);

// False when any of the six characters lies between ":" and "@" in code order.
bool check_hex_chars(const std::array<char32_t, 6>& c);

// Upper-cases the ASCII letters only; other characters are kept as they are.
std::u32string upper_ascii(std::u32string text);

struct HexEntry {
    Refusal refusal = Refusal::None;
    Rgb rgb; // valid when refusal == None
};

// The hex entry sequence for a typed code: upper-case, length, "#", characters.
HexEntry hex_entry(const std::u32string& text);

// The same for clipboard text: empty text is a blank clipboard; surrounding white
// space is dropped; a text still longer than six characters is refused as invalid.
HexEntry paste_entry(const std::u32string& clipboard);

} // namespace core
