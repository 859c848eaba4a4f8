#include "core/css.h"

#include "core/css_names.h"
#include "core/css_read.h"

namespace core {

CssColor parse_css_color(const QString& text, const Rgb& backdrop)
{
    CssColor out;
    if (text.size() > kCssMaxLength) {
        out.refusal = CssRefusal::NotAColor;
        return out;
    }
    const QByteArray utf8 = text.toUtf8();
    const CssReading reading
        = read_css_color(std::string_view(utf8.constData(), size_t(utf8.size())));
    switch (reading.status) {
    case CssReading::Status::Color:
        out.rgb = flatten(reading, backdrop);
        out.alpha = reading.alpha;
        break;
    case CssReading::Status::Transparent:
        out.refusal = CssRefusal::NotOpaque;
        break;
    case CssReading::Status::NeedsContext:
        out.refusal = CssRefusal::NeedsContext;
        out.needs = QString::fromStdString(reading.needs);
        break;
    case CssReading::Status::Invalid:
        out.refusal = CssRefusal::NotAColor;
        break;
    }
    return out;
}

Message css_refusal_message(CssRefusal refusal, const QString& needs)
{
    switch (refusal) {
    case CssRefusal::NotOpaque:
        return {"Pigmentor holds opaque colors only, and the color on the clipboard is "
                "transparent or partly transparent.",
            "Transparent Color", Icon::Stop};
    case CssRefusal::NeedsContext: {
        const std::string word = needs.isEmpty() ? std::string("its context") : needs.toStdString();
        return {"The color on the clipboard takes its value from " + word
                + ", which only a web page can give it, and Pigmentor has no page to ask. "
                  "Paste the color itself, for example #ff9900, rgb(255, 153, 0) or orange.",
            kAppTitle, Icon::Stop};
    }
    case CssRefusal::NotAColor:
    case CssRefusal::None:
        break;
    }
    return {"The clipboard does not hold a CSS color. Pigmentor accepts #rgb, #rrggbb, "
            "rgb(), rgba(), hsl(), hsla(), oklch() and CSS color names, for example "
            "#ff9900, rgb(255, 153, 0), hsl(36, 100%, 50%) or orange.",
        "Not a CSS Color", Icon::Stop};
}

QString css_hex(const Rgb& c)
{
    return QString::fromStdString(css_hex_text(c));
}

std::optional<QString> css_short_hex(const Rgb& c)
{
    if (auto text = css_short_hex_text(c))
        return QString::fromStdString(*text);
    return std::nullopt;
}

QString css_rgb(const Rgb& c)
{
    return QString::fromStdString(css_rgb_text(c));
}

QString css_hsl(const Rgb& c)
{
    return QString::fromStdString(css_hsl_text(c));
}

QString css_oklch(const Rgb& c)
{
    return QString::fromStdString(css_oklch_text(c));
}

std::optional<QString> css_copy_text(CssForm form, const Rgb& c)
{
    if (auto text = css_text(form, c))
        return QString::fromStdString(*text);
    return std::nullopt;
}

std::optional<QString> css_name(const Rgb& c)
{
    for (const CssNamedColor& named : kCssNamedColors)
        if (named.rgb == c)
            return QString::fromLatin1(named.name);
    return std::nullopt;
}

NearestName nearest_css_name(const Rgb& c)
{
    const CssNearestName nearest = nearest_css_named_color(c);
    return {QString::fromLatin1(nearest.name), nearest.exact, nearest.delta_e};
}

} // namespace core
