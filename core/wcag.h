#pragma once

#include "core/color.h"

#include <optional>
#include <string>

namespace core {

// Contrast ratios as people read them: two decimals, cut off and never rounded up, so
// that a pair shown as 4.50:1 really reaches 4.5. Every verdict is decided on this
// shown value, so what shows as passing passes. Ratios are held in hundredths (447 is
// 4.47:1).
int shown_hundredths(double ratio);
int shown_hundredths(const Rgb& a, const Rgb& b);

// "4.47:1", "21.00:1".
std::string ratio_text(int hundredths);

// What a colour pair is used for, and the two WCAG levels.
enum class Use { NormalText, LargeText, NonText };
enum class Level { AA, AAA };

// The least ratio, in hundredths, that a use needs at a level: normal text 450 / 700,
// large text 300 / 450, non-text 300 (WCAG has one level for non-text contrast, AA;
// its AAA is the same 300 here so that callers need no special case).
int required_hundredths(Use use, Level level);
bool passes(int hundredths, Use use, Level level);

// The verdicts in words and marks, never colour alone: "AA ✓  AAA ✗" for text,
// "AA ✓" for non-text (UTF-8).
std::string verdict_text(int hundredths, Use use);
// The same in words only, for the accessibility tree: "AA pass, AAA fail".
std::string verdict_words(int hundredths, Use use);

// The colour nearest to `start` whose shown ratio against `against` is at least
// `need_hundredths`. Nearest is the least change in OKLab: hue and chroma are kept
// where sRGB allows and only the lightness moves, towards lighter or darker, whichever
// needs the smaller change (chroma gives way only where the lighter or darker colour
// would fall outside sRGB). With `safe_only` the answer is the nearest of the 216
// Safe Palette colours that passes. `start` itself when it already passes; nothing
// when no colour can pass (a mid grey never reaches 7:1 against anything).
std::optional<Rgb> suggest_passing(
    const Rgb& start, const Rgb& against, int need_hundredths, bool safe_only);

} // namespace core
