#include "core/css.h"

#include "core/css_names.h"
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

// ---- Tokens of a functional form ----

enum class Unit { Number, Percent, Degrees, NoneKeyword };

struct Value {
    double number = 0;
    Unit unit = Unit::Number;
};

bool is_space(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

// One CSS number with an optional unit; the whole token must be used.
std::optional<Value> parse_value(const QString& token, bool angles)
{
    if (token == QLatin1String("none"))
        return Value {0, Unit::NoneKeyword};
    qsizetype i = 0;
    const qsizetype n = token.size();
    const auto digit
        = [&](qsizetype at) { return at < n && token[at] >= u'0' && token[at] <= u'9'; };
    if (i < n && (token[i] == u'+' || token[i] == u'-'))
        ++i;
    const qsizetype int_start = i;
    while (digit(i))
        ++i;
    bool any_digit = i > int_start;
    if (i < n && token[i] == u'.') {
        ++i;
        const qsizetype frac_start = i;
        while (digit(i))
            ++i;
        if (i == frac_start)
            return std::nullopt;
        any_digit = true;
    }
    if (!any_digit)
        return std::nullopt;
    if (i < n && token[i] == u'e'
        && (digit(i + 1)
            || (i + 2 < n && (token[i + 1] == u'+' || token[i + 1] == u'-') && digit(i + 2)))) {
        i += 2;
        while (digit(i))
            ++i;
    }
    bool ok = false;
    const double number = token.left(i).toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    const QString unit = token.mid(i);
    if (unit.isEmpty())
        return Value {number, Unit::Number};
    if (unit == QLatin1String("%"))
        return Value {number, Unit::Percent};
    if (!angles)
        return std::nullopt;
    double degrees = 0;
    if (unit == QLatin1String("deg"))
        degrees = number;
    else if (unit == QLatin1String("grad"))
        degrees = number * 0.9;
    else if (unit == QLatin1String("rad"))
        degrees = number * 180.0 / kPi;
    else if (unit == QLatin1String("turn"))
        degrees = number * 360.0;
    else
        return std::nullopt;
    if (!std::isfinite(degrees))
        return std::nullopt;
    return Value {degrees, Unit::Degrees};
}

struct Arguments {
    std::vector<QString> tokens; // the colour's three components
    std::optional<QString> alpha;
    bool commas = false;
};

std::vector<QString> split_on_space(const QString& text)
{
    std::vector<QString> parts;
    QString current;
    for (const QChar c : text) {
        if (is_space(c)) {
            if (!current.isEmpty())
                parts.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.isEmpty())
        parts.push_back(current);
    return parts;
}

// "a, b, c[, alpha]" or "a b c[ / alpha]".
std::optional<Arguments> split_arguments(const QString& inner)
{
    Arguments args;
    if (inner.contains(u',')) {
        args.commas = true;
        if (inner.contains(u'/'))
            return std::nullopt;
        const QStringList parts = inner.split(u',');
        if (parts.size() != 3 && parts.size() != 4)
            return std::nullopt;
        for (const QString& part : parts) {
            const std::vector<QString> words = split_on_space(part);
            if (words.size() != 1 || words[0] == QLatin1String("none"))
                return std::nullopt;
            args.tokens.push_back(words[0]);
        }
        if (args.tokens.size() == 4) {
            args.alpha = args.tokens.back();
            args.tokens.pop_back();
        }
        return args;
    }
    const qsizetype slash = inner.indexOf(u'/');
    if (slash >= 0) {
        const std::vector<QString> alpha = split_on_space(inner.mid(slash + 1));
        if (alpha.size() != 1)
            return std::nullopt;
        args.alpha = alpha[0];
    }
    args.tokens = split_on_space(slash >= 0 ? inner.left(slash) : inner);
    if (args.tokens.size() != 3)
        return std::nullopt;
    return args;
}

// The alpha component: NotAColor when malformed, NotOpaque when below 1.
CssRefusal check_alpha(const std::optional<QString>& token)
{
    if (!token)
        return CssRefusal::None;
    const auto v = parse_value(*token, false);
    if (!v)
        return CssRefusal::NotAColor;
    if (v->unit == Unit::NoneKeyword)
        return CssRefusal::NotOpaque; // "none" counts as zero
    const double alpha = v->unit == Unit::Percent ? v->number / 100.0 : v->number;
    if (alpha < 0 || alpha > 1)
        return CssRefusal::NotAColor;
    return alpha == 1 ? CssRefusal::None : CssRefusal::NotOpaque;
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

CssColor refuse(CssRefusal why)
{
    return {why, {}};
}

CssColor parse_rgb(const Arguments& args)
{
    std::array<int, 3> channels {};
    for (int i = 0; i < 3; ++i) {
        const auto v = parse_value(args.tokens[size_t(i)], false);
        if (!v)
            return refuse(CssRefusal::NotAColor);
        double c = v->number;
        if (v->unit == Unit::Percent) {
            if (c < 0 || c > 100)
                return refuse(CssRefusal::NotAColor);
            c = c * 255 / 100;
        } else if (v->unit == Unit::NoneKeyword) {
            c = 0;
        } else if (c < 0 || c > 255) {
            return refuse(CssRefusal::NotAColor);
        }
        channels[size_t(i)] = rounded_channel(c);
    }
    if (const CssRefusal a = check_alpha(args.alpha); a != CssRefusal::None)
        return refuse(a);
    return {CssRefusal::None, {channels[0], channels[1], channels[2]}};
}

CssColor parse_hsl(const Arguments& args)
{
    const auto hue = parse_value(args.tokens[0], true);
    if (!hue || hue->unit == Unit::Percent)
        return refuse(CssRefusal::NotAColor);
    std::array<double, 2> sl {};
    for (int i = 0; i < 2; ++i) {
        const auto v = parse_value(args.tokens[size_t(i) + 1], false);
        if (!v)
            return refuse(CssRefusal::NotAColor);
        // The comma form takes percentages only; the space form numbers as well.
        if (args.commas && v->unit != Unit::Percent)
            return refuse(CssRefusal::NotAColor);
        const double p = v->unit == Unit::NoneKeyword ? 0 : v->number;
        if (p < 0 || p > 100)
            return refuse(CssRefusal::NotAColor);
        sl[size_t(i)] = p / 100.0;
    }
    if (const CssRefusal a = check_alpha(args.alpha); a != CssRefusal::None)
        return refuse(a);
    const double h = hue->unit == Unit::NoneKeyword ? 0 : hue->number;
    return {CssRefusal::None, hsl_rgb(h, sl[0], sl[1])};
}

// Inside sRGB, or brought into it the way browsers do: clipped when clipping changes
// it by less than a just noticeable difference, otherwise the colour of the same
// lightness and hue with the most chroma whose clipped form is that close.
Rgb oklch_rgb(double L, double C, double hue_degrees)
{
    constexpr double kJustNoticeable = 0.02;
    const double h = hue_degrees * kPi / 180.0;
    const auto lab = [&](double chroma) {
        return Oklab {L, chroma * std::cos(h), chroma * std::sin(h)};
    };
    const auto close_enough = [&](double chroma) {
        bool inside = false;
        const Rgb clipped = from_oklab(lab(chroma), &inside);
        return inside || delta_e(to_oklab(clipped), lab(chroma)) < kJustNoticeable;
    };
    if (L <= 0 || L >= 1 || close_enough(C))
        return from_oklab(lab(C));
    double low = 0, high = C;
    for (int step = 0; step < 40; ++step) {
        const double mid = (low + high) / 2;
        (close_enough(mid) ? low : high) = mid;
    }
    return from_oklab(lab(low));
}

CssColor parse_oklch(const Arguments& args)
{
    if (args.commas)
        return refuse(CssRefusal::NotAColor);
    const auto l = parse_value(args.tokens[0], false);
    const auto c = parse_value(args.tokens[1], false);
    const auto h = parse_value(args.tokens[2], true);
    if (!l || !c || !h || h->unit == Unit::Percent)
        return refuse(CssRefusal::NotAColor);
    double L = l->unit == Unit::NoneKeyword ? 0 : l->number;
    if (l->unit == Unit::Percent)
        L /= 100.0;
    double C = c->unit == Unit::NoneKeyword ? 0 : c->number;
    if (c->unit == Unit::Percent)
        C *= 0.4 / 100.0; // 100% is 0.4
    if (L < 0 || L > 1 || C < 0 || C > 1)
        return refuse(CssRefusal::NotAColor);
    if (const CssRefusal a = check_alpha(args.alpha); a != CssRefusal::None)
        return refuse(a);
    const double hue = h->unit == Unit::NoneKeyword ? 0 : h->number;
    return {CssRefusal::None, oklch_rgb(L, C, hue)};
}

int hex_digit(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    return -1;
}

CssColor parse_hash(const QString& digits)
{
    std::vector<int> v;
    for (const QChar c : digits) {
        const int d = hex_digit(c);
        if (d < 0)
            return refuse(CssRefusal::NotAColor);
        v.push_back(d);
    }
    switch (v.size()) {
    case 3:
    case 4:
        if (v.size() == 4 && v[3] != 15)
            return refuse(CssRefusal::NotOpaque);
        return {CssRefusal::None, {17 * v[0], 17 * v[1], 17 * v[2]}};
    case 6:
    case 8:
        if (v.size() == 8 && (v[6] != 15 || v[7] != 15))
            return refuse(CssRefusal::NotOpaque);
        return {CssRefusal::None, {16 * v[0] + v[1], 16 * v[2] + v[3], 16 * v[4] + v[5]}};
    default:
        return refuse(CssRefusal::NotAColor);
    }
}

} // namespace

CssColor parse_css_color(const QString& text, const Rgb& /*backdrop*/)
{
    if (text.size() > kCssMaxLength)
        return refuse(CssRefusal::NotAColor);
    const QString t = text.trimmed().toLower();
    if (t.isEmpty())
        return refuse(CssRefusal::NotAColor);
    if (t.startsWith(u'#'))
        return parse_hash(t.mid(1));
    const qsizetype open = t.indexOf(u'(');
    if (open < 0) {
        if (t == QLatin1String("transparent"))
            return refuse(CssRefusal::NotOpaque);
        for (const NamedColor& named : named_colors())
            if (named.name == t)
                return {CssRefusal::None, named.rgb};
        return refuse(CssRefusal::NotAColor);
    }
    if (!t.endsWith(u')') || t.indexOf(u'(', open + 1) >= 0 || t.indexOf(u')') != t.size() - 1)
        return refuse(CssRefusal::NotAColor);
    const QString name = t.left(open);
    const auto args = split_arguments(t.mid(open + 1, t.size() - open - 2));
    if (!args)
        return refuse(CssRefusal::NotAColor);
    if (name == QLatin1String("rgb") || name == QLatin1String("rgba"))
        return parse_rgb(*args);
    if (name == QLatin1String("hsl") || name == QLatin1String("hsla"))
        return parse_hsl(*args);
    if (name == QLatin1String("oklch"))
        return parse_oklch(*args);
    return refuse(CssRefusal::NotAColor);
}

Message css_refusal_message(CssRefusal refusal)
{
    switch (refusal) {
    case CssRefusal::NotOpaque:
        return {"Pigmentor holds opaque colors only, and the color on the clipboard is "
                "transparent or partly transparent.",
            "Transparent Color", Icon::Stop};
    case CssRefusal::NeedsContext:
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
