#include "core/css.h"

#include "core/css_read.h"
#include "core/oklab.h"

#include <QColor>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace core {

namespace {

constexpr double kPi = 3.14159265358979323846;

// ---- Names ----

struct NamedColor {
    QString name;
    Rgb rgb;
    Oklab lab;
};

// Qt's table of SVG colour names, sorted, without "transparent", plus the one CSS
// name Qt lacks. Built on first use.
const std::vector<NamedColor>& named_colors()
{
    static const std::vector<NamedColor> table = [] {
        std::vector<NamedColor> names;
        QStringList list = QColor::colorNames();
        if (!list.contains(QLatin1String("rebeccapurple")))
            list.append(QStringLiteral("rebeccapurple"));
        list.sort();
        names.reserve(list.size());
        for (const QString& name : list) {
            const QColor q = name == QLatin1String("rebeccapurple") ? QColor(0x66, 0x33, 0x99)
                                                                    : QColor::fromString(name);
            if (!q.isValid() || q.alpha() != 255)
                continue; // "transparent"
            const Rgb rgb {q.red(), q.green(), q.blue()};
            names.push_back({name, rgb, to_oklab(rgb)});
        }
        return names;
    }();
    return table;
}

int rounded_channel(double v)
{
    return int(std::lround(std::clamp(v, 0.0, 255.0)));
}

// An hsl() colour with hue in degrees, saturation and lightness 0..1, unrounded.
std::array<double, 3> hsl_channels(double hue, double sat, double light)
{
    hue = std::fmod(hue, 360.0);
    if (hue < 0)
        hue += 360.0;
    const auto f = [&](double n) {
        const double k = std::fmod(n + hue / 30.0, 12.0);
        const double a = sat * std::min(light, 1.0 - light);
        return light - a * std::max(-1.0, std::min({k - 3.0, 9.0 - k, 1.0}));
    };
    return {255.0 * f(0), 255.0 * f(8), 255.0 * f(4)};
}

Rgb hsl_rgb(double hue, double sat, double light)
{
    const auto c = hsl_channels(hue, sat, light);
    return {rounded_channel(c[0]), rounded_channel(c[1]), rounded_channel(c[2])};
}

// hsl() of a colour, unrounded: hue in degrees 0..360, saturation and lightness in percent.
std::array<double, 3> exact_hsl(const Rgb& c)
{
    const double r = c.red / 255.0, g = c.green / 255.0, b = c.blue / 255.0;
    const double max = std::max({r, g, b}), min = std::min({r, g, b});
    const double light = (max + min) / 2;
    const double d = max - min;
    double hue = 0, sat = 0;
    if (d > 0) {
        sat = d / (1 - std::abs(2 * light - 1));
        if (max == r)
            hue = 60 * std::fmod((g - b) / d + 6, 6.0);
        else if (max == g)
            hue = 60 * ((b - r) / d + 2);
        else
            hue = 60 * ((r - g) / d + 4);
    }
    return {hue, 100 * sat, 100 * light};
}

// A number with at most the given decimals, trailing zeros dropped.
QString short_number(long scaled, int decimals)
{
    QString s = QString::number(double(scaled) / std::pow(10.0, decimals), 'f', decimals);
    if (s.contains(u'.')) {
        while (s.endsWith(u'0'))
            s.chop(1);
        if (s.endsWith(u'.'))
            s.chop(1);
    }
    return s;
}

// The hsl() text with the given decimals nearest to the exact values that converts
// back to the colour, if there is one within a few last-digit steps.
std::optional<QString> hsl_with_decimals(const Rgb& c, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    const long full_turn = std::lround(360 * scale), hundred = std::lround(100 * scale);
    const auto [hue, sat, light] = exact_hsl(c);
    const long h = std::lround(hue * scale) % full_turn;
    const long s = std::lround(sat * scale), l = std::lround(light * scale);
    for (long reach = 0; reach <= 3; ++reach)
        for (long dl = -reach; dl <= reach; ++dl)
            for (long ds = -reach; ds <= reach; ++ds)
                for (long dh = -reach; dh <= reach; ++dh) {
                    if (std::max({std::labs(dh), std::labs(ds), std::labs(dl)}) != reach)
                        continue;
                    const long hh = (h + dh + full_turn) % full_turn;
                    const long ss = s + ds, ll = l + dl;
                    if (ss < 0 || ss > hundred || ll < 0 || ll > hundred)
                        continue;
                    if (hsl_rgb(hh / scale, ss / scale / 100, ll / scale / 100) == c)
                        return QStringLiteral("hsl(%1, %2%, %3%)")
                            .arg(short_number(hh, decimals), short_number(ss, decimals),
                                short_number(ll, decimals));
                }
    return std::nullopt;
}

} // namespace

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
    return QLatin1Char('#') + QString::fromStdString(build_hex_code(c)).toLower();
}

std::optional<QString> css_short_hex(const Rgb& c)
{
    if (c.red % 17 || c.green % 17 || c.blue % 17)
        return std::nullopt;
    return QStringLiteral("#%1%2%3")
        .arg(c.red / 17, 0, 16)
        .arg(c.green / 17, 0, 16)
        .arg(c.blue / 17, 0, 16);
}

QString css_rgb(const Rgb& c)
{
    return QStringLiteral("rgb(%1, %2, %3)").arg(c.red).arg(c.green).arg(c.blue);
}

QString css_hsl(const Rgb& c)
{
    // Whole degrees and percents where such a text converts back exactly; the few
    // dark or pale colours that have none get a decimal.
    for (int decimals = 0; decimals < 3; ++decimals)
        if (auto text = hsl_with_decimals(c, decimals))
            return *text;
    return *hsl_with_decimals(c, 3);
}

QString css_oklch(const Rgb& c)
{
    const Oklab lab = to_oklab(c);
    const double chroma = std::hypot(lab.a, lab.b);
    double hue = std::atan2(lab.b, lab.a) * 180.0 / kPi;
    if (hue < 0)
        hue += 360.0;
    // A grey has no hue; 359.9996 would print as 360.000.
    if (chroma < 0.0005 || hue >= 359.9995)
        hue = 0;
    const auto fixed = [](double v) {
        QString s = QString::number(v, 'f', 3);
        return s == QLatin1String("-0.000") ? QStringLiteral("0.000") : s;
    };
    return QStringLiteral("oklch(%1 %2 %3)")
        .arg(fixed(lab.L), fixed(chroma < 0.0005 ? 0 : chroma), fixed(hue));
}

std::optional<QString> css_name(const Rgb& c)
{
    for (const NamedColor& named : named_colors())
        if (named.rgb == c)
            return named.name;
    return std::nullopt;
}

NearestName nearest_css_name(const Rgb& c)
{
    if (auto exact = css_name(c))
        return {*exact, true};
    const Oklab lab = to_oklab(c);
    const NamedColor* best = nullptr;
    double best_distance = 0;
    for (const NamedColor& named : named_colors()) {
        const double d = delta_e(lab, named.lab);
        if (!best || d < best_distance) {
            best = &named;
            best_distance = d;
        }
    }
    return {best ? best->name : QString(), false};
}

} // namespace core
