// The CSS colour reader: any text is refused or gives a colour whose own CSS texts
// read back as that same colour.
#include "core/css.h"

#include <QString>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const core::CssColor color = core::parse_css_color(text);
    if (color.refusal != core::CssRefusal::None) {
        if (color.refusal != core::CssRefusal::NotAColor
            && color.refusal != core::CssRefusal::NotOpaque)
            std::abort();
        (void)core::css_refusal_message(color.refusal);
        return 0;
    }
    if (text.size() > core::kCssMaxLength)
        std::abort(); // longer texts are never read
    const core::Rgb c = color.rgb;
    if (c.red < 0 || c.red > 255 || c.green < 0 || c.green > 255 || c.blue < 0 || c.blue > 255)
        std::abort();
    for (const QString& again : {core::css_hex(c), core::css_rgb(c), core::css_hsl(c)})
        if (core::parse_css_color(again).refusal != core::CssRefusal::None
            || core::parse_css_color(again).rgb != c)
            std::abort();
    if (const auto name = core::css_name(c); name && core::parse_css_color(*name).rgb != c)
        std::abort();
    if (core::parse_css_color(core::css_oklch(c)).refusal != core::CssRefusal::None)
        std::abort();
    (void)core::nearest_css_name(c);
    return 0;
}
