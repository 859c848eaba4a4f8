// The CSS colour reader: any text is refused, needs a page, is transparent, or gives a
// colour inside sRGB; an opaque colour printed back as #rrggbb (and as its other CSS texts)
// reads again as the same 8-bit colour. The wrapper agrees with the reader.
#include "core/css.h"
#include "core/css_read.h"

#include <QString>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

bool unit(double v)
{
    return std::isfinite(v) && v >= 0 && v <= 1;
}

core::Rgb read_back(const QString& text)
{
    const core::CssColor again = core::parse_css_color(text);
    check(again.refusal == core::CssRefusal::None);
    return again.rgb;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const core::CssReading r = core::read_css_color(text);
    using Status = core::CssReading::Status;
    check(unit(r.alpha));
    if (size > core::kCssReadMaxLength)
        check(r.status == Status::Invalid); // longer texts are never read
    if (r.status == Status::NeedsContext)
        check(!r.needs.empty());
    if (r.status != Status::Color)
        return 0;
    check(unit(r.color.red) && unit(r.color.green) && unit(r.color.blue) && r.alpha > 0);

    const core::Rgb white = core::flatten(r, {255, 255, 255});
    const core::Rgb black = core::flatten(r, {0, 0, 0});
    if (r.alpha < 1)
        return 0;
    check(white == black); // an opaque colour does not show its backdrop
    char hex[8];
    std::snprintf(hex, sizeof hex, "#%02x%02x%02x", white.red, white.green, white.blue);
    const core::CssReading again = core::read_css_color(hex);
    check(again.status == Status::Color && again.alpha == 1);
    check(core::flatten(again, {0, 0, 0}) == white);

    // Through the toolkit's strings, as the windows read it, and the program's own copies.
    const QString q = QString::fromUtf8(text.data(), qsizetype(text.size()));
    if (q.size() <= core::kCssMaxLength && q.toUtf8() == QByteArray(text.data(), qsizetype(size)))
        check(read_back(q) == white);
    check(read_back(core::css_hex(white)) == white);
    check(read_back(core::css_rgb(white)) == white);
    if (const auto name = core::css_name(white))
        check(read_back(*name) == white);
    (void)read_back(core::css_oklch(white));
    (void)core::nearest_css_name(white);
    return 0;
}
