#include "core/css_read.h"

#include "core/css_names.h"
#include "core/oklab.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

namespace core {

namespace {

constexpr double kPi = 3.14159265358979323846;
// Nested colour functions, math functions and parentheses together.
constexpr int kMaxDepth = 32;
// Infinite or absurd numbers are clamped here, so that every conversion stays finite.
constexpr double kHuge = 1e6;

// ---- Failures: an invalid text, or a colour that needs a page to resolve ----

struct Failure {
    bool needs_context = false;
    std::string word;
};

[[noreturn]] void invalid()
{
    throw Failure {};
}

[[noreturn]] void needs(std::string word)
{
    throw Failure {true, std::move(word)};
}

// ---- Tokens (CSS Syntax 3, as much of it as colours use) ----

enum class Tok {
    Ident,
    Function,
    Number,
    Percent,
    Dimension,
    Hash,
    Comma,
    LParen,
    RParen,
    Delim,
    Space,
    End
};

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

// A name as written (custom property names keep their case), compared without regard to
// case with the words of CSS.
struct Word {
    std::string_view text;
    bool operator==(const char* word) const
    {
        std::size_t i = 0;
        for (; i < text.size(); ++i)
            if (!word[i] || lower(text[i]) != lower(word[i]))
                return false;
        return word[i] == '\0';
    }
    bool operator!=(const char* word) const { return !(*this == word); }
};

// Tokens point into the text, which outlives them.
struct Token {
    Tok type = Tok::End;
    Word name; // idents, functions (without the parenthesis), units and hashes
    double value = 0;
    char delim = 0;
};

bool is_space(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}
bool is_digit(char c)
{
    return c >= '0' && c <= '9';
}
bool name_start(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u == '_' || u >= 0x80;
}
bool name_char(char c)
{
    return name_start(c) || is_digit(c) || c == '-';
}
// A CSS number token's text to a double without the C locale's help (the toolkit sets the
// user's locale). Overflow gives infinity, underflow zero.
double to_number(std::string_view s)
{
    bool negative = false;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    double v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec == std::errc::result_out_of_range) {
        const std::size_t e = s.find_first_of("eE");
        const bool tiny = e != std::string_view::npos
            ? e + 1 < s.size() && s[e + 1] == '-'
            : s.substr(0, s.find('.')).find_first_not_of('0') == std::string_view::npos;
        v = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    } else if (ec != std::errc() || end != s.data() + s.size()) {
        invalid();
    }
    return negative ? -v : v;
}

std::vector<Token> tokenize(std::string_view s)
{
    std::vector<Token> out;
    out.reserve(s.size() / 2 + 2);
    std::size_t i = 0;
    const std::size_t n = s.size();
    const auto at = [&](std::size_t k) { return k < n ? s[k] : '\0'; };
    const auto starts_ident = [&](std::size_t k) {
        if (at(k) == '-')
            return name_start(at(k + 1)) || at(k + 1) == '-';
        return name_start(at(k));
    };
    const auto starts_number = [&](std::size_t k) {
        const char c = at(k);
        if (is_digit(c))
            return true;
        if (c == '.')
            return is_digit(at(k + 1));
        if (c == '+' || c == '-')
            return is_digit(at(k + 1)) || (at(k + 1) == '.' && is_digit(at(k + 2)));
        return false;
    };
    const auto read_name = [&] {
        const std::size_t start = i;
        while (i < n && name_char(s[i]))
            ++i;
        return s.substr(start, i - start);
    };
    while (i < n) {
        const char c = s[i];
        Token t;
        if (is_space(c)) {
            while (i < n && is_space(s[i]))
                ++i;
            t.type = Tok::Space;
        } else if (starts_number(i)) {
            const std::size_t start = i;
            if (s[i] == '+' || s[i] == '-')
                ++i;
            while (is_digit(at(i)))
                ++i;
            if (at(i) == '.' && is_digit(at(i + 1))) {
                ++i;
                while (is_digit(at(i)))
                    ++i;
            }
            if ((at(i) == 'e' || at(i) == 'E')
                && (is_digit(at(i + 1))
                    || ((at(i + 1) == '+' || at(i + 1) == '-') && is_digit(at(i + 2))))) {
                i += 2;
                while (is_digit(at(i)))
                    ++i;
            }
            t.value = to_number(s.substr(start, i - start));
            if (at(i) == '%') {
                ++i;
                t.type = Tok::Percent;
            } else if (starts_ident(i)) {
                t.type = Tok::Dimension;
                t.name = {read_name()};
            } else {
                t.type = Tok::Number;
            }
        } else if (starts_ident(i)) {
            t.name = {read_name()};
            t.type = Tok::Ident;
            if (at(i) == '(') {
                ++i;
                t.type = Tok::Function;
            }
        } else if (c == '#') {
            ++i;
            if (!name_char(at(i)))
                invalid();
            t.type = Tok::Hash;
            t.name = {read_name()};
        } else {
            switch (c) {
            case ',':
                t.type = Tok::Comma;
                break;
            case '(':
                t.type = Tok::LParen;
                break;
            case ')':
                t.type = Tok::RParen;
                break;
            case '/':
            case '*':
            case '+':
            case '-':
                t.type = Tok::Delim;
                t.delim = c;
                break;
            default:
                invalid();
            }
            ++i;
        }
        out.push_back(std::move(t));
    }
    out.push_back(Token {});
    return out;
}

// var(--x, fallback) becomes its fallback, nested ones too; var(--x) alone cannot be read.
void substitute_vars(std::vector<Token>& tokens)
{
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].type != Tok::Function || tokens[i].name != "var")
            continue;
        std::size_t k = i + 1;
        while (tokens[k].type == Tok::Space)
            ++k;
        if (tokens[k].type != Tok::Ident || tokens[k].name.text.substr(0, 2) != "--")
            invalid();
        const std::string name(tokens[k].name.text);
        ++k;
        while (tokens[k].type == Tok::Space)
            ++k;
        // The matching parenthesis.
        std::size_t end = k;
        for (int open = 1;; ++end) {
            const Tok t = tokens[end].type;
            if (t == Tok::End)
                invalid();
            if (t == Tok::Function || t == Tok::LParen)
                ++open;
            else if (t == Tok::RParen && --open == 0)
                break;
        }
        if (tokens[k].type != Tok::Comma) {
            if (k != end)
                invalid();
            needs("var(" + name + ")");
        }
        tokens.erase(tokens.begin() + std::ptrdiff_t(end));
        tokens.erase(tokens.begin() + std::ptrdiff_t(i), tokens.begin() + std::ptrdiff_t(k) + 1);
        --i; // the fallback may start with another var()
    }
}

// ---- Colours in their own spaces ----

enum class Space {
    Srgb,
    SrgbLinear,
    DisplayP3,
    A98,
    ProPhoto,
    Rec2020,
    XyzD50,
    XyzD65,
    Lab,
    Lch,
    Oklab,
    Oklch,
    Hsl,
    Hwb
};

// Channels in each space's own units: rgb spaces 0..1, hsl/hwb hue in degrees with the
// rest 0..1, lab/lch L 0..100, oklab/oklch L 0..1. A missing ("none") channel holds 0.
struct Color {
    Space space = Space::Srgb;
    std::array<double, 3> c {};
    std::array<bool, 3> missing {};
    double alpha = 1;
    bool alpha_missing = false;
    bool legacy = false; // from rgb()/hsl()/hwb()/hex/names: clipped to sRGB, never mapped
};

using Vec = std::array<double, 3>;
using Mat = std::array<Vec, 3>;

Vec mul(const Mat& m, const Vec& v)
{
    return {m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2],
        m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
        m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
}

// The matrices of CSS Color 4, from each space's primaries and white point.
constexpr Mat kSrgbToXyz {{{506752.0 / 1228815, 87881.0 / 245763, 12673.0 / 70218},
    {87098.0 / 409605, 175762.0 / 245763, 12673.0 / 175545},
    {7918.0 / 409605, 87881.0 / 737289, 1001167.0 / 1053270}}};
constexpr Mat kXyzToSrgb {{{12831.0 / 3959, -329.0 / 214, -1974.0 / 3959},
    {-851781.0 / 878810, 1648619.0 / 878810, 36519.0 / 878810},
    {705.0 / 12673, -2585.0 / 12673, 705.0 / 667}}};
constexpr Mat kP3ToXyz {{{608311.0 / 1250200, 189793.0 / 714400, 198249.0 / 1000160},
    {35783.0 / 156275, 247089.0 / 357200, 198249.0 / 2500400},
    {0.0, 32229.0 / 714400, 5220557.0 / 5000800}}};
constexpr Mat kXyzToP3 {{{446124.0 / 178915, -333277.0 / 357830, -72051.0 / 178915},
    {-14852.0 / 17905, 63121.0 / 35810, 423.0 / 17905},
    {11844.0 / 330415, -50337.0 / 660830, 316169.0 / 330415}}};
constexpr Mat kA98ToXyz {{{573536.0 / 994567, 263643.0 / 1420810, 187206.0 / 994567},
    {591459.0 / 1989134, 6239551.0 / 9945670, 374412.0 / 4972835},
    {53769.0 / 1989134, 351524.0 / 4972835, 4929758.0 / 4972835}}};
constexpr Mat kXyzToA98 {{{1829569.0 / 896150, -506331.0 / 896150, -308931.0 / 896150},
    {-851781.0 / 878810, 1648619.0 / 878810, 36519.0 / 878810},
    {16779.0 / 1248040, -147721.0 / 1248040, 1266979.0 / 1248040}}};
constexpr Mat kRec2020ToXyz {
    {{63426534.0 / 99577255, 20160776.0 / 139408157, 47086771.0 / 278816314},
        {26158966.0 / 99577255, 472592308.0 / 697040785, 8267143.0 / 139408157},
        {0.0, 19567812.0 / 697040785, 295819943.0 / 278816314}}};
constexpr Mat kXyzToRec2020 {{{30757411.0 / 17917100, -6372589.0 / 17917100, -4539589.0 / 17917100},
    {-19765991.0 / 29648200, 47925759.0 / 29648200, 467509.0 / 29648200},
    {792561.0 / 44930125, -1921689.0 / 44930125, 42328811.0 / 44930125}}};
// ProPhoto is relative to D50.
constexpr Mat kProPhotoToXyzD50 {{{0.79776664490064230, 0.13518129740053308, 0.03134773412839220},
    {0.28807482881940130, 0.71183523424187300, 0.00008993693872564},
    {0.0, 0.0, 0.82510460251046020}}};
constexpr Mat kXyzD50ToProPhoto {{{1.34578688164715830, -0.25557208737979464, -0.05110186497554526},
    {-0.54463070512490190, 1.50824774284514680, 0.02052744743642139},
    {0.0, 0.0, 1.21196754563894520}}};
// Bradford chromatic adaptation between D65 and D50.
constexpr Mat kD65ToD50 {{{1.0479297925449969, 0.022946870601609652, -0.05019226628920524},
    {0.02962780877005599, 0.9904344267538799, -0.017073799063418826},
    {-0.009243040646204504, 0.015055191490298152, 0.7518742814281371}}};
constexpr Mat kD50ToD65 {{{0.955473421488075, -0.02309845494876471, 0.06325924320057072},
    {-0.0283697093338637, 1.0099953980813041, 0.021041441191917323},
    {0.012314014864481998, -0.020507649298898964, 1.330365926242124}}};
// OKLab from XYZ D65.
constexpr Mat kXyzToLms {{{0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
    {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
    {0.0481771893596242, 0.2642395317527308, 0.6335478284694309}}};
constexpr Mat kLmsToOklab {{{0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
    {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
    {0.0259040424655478, 0.7827717124575296, -0.8086757549230774}}};
constexpr Mat kOklabToLms {
    {{1.0, 0.3963377773761749, 0.2158037573099136}, {1.0, -0.1055613458156586, -0.0638541728258133},
        {1.0, -0.0894841775298119, -1.2914855480194092}}};
constexpr Mat kLmsToXyz {{{1.2268798758459243, -0.5578149944602171, 0.2813910456659647},
    {-0.0405757452148008, 1.1122868032803170, -0.0717110580655164},
    {-0.0763729366746601, -0.4214933324022432, 1.5869240198367816}}};
constexpr Vec kD50White {0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};

double sign_of(double v)
{
    return v < 0 ? -1.0 : 1.0;
}

// Transfer functions, odd so that values beyond the gamut keep their sign.
double srgb_linear(double c)
{
    const double a = std::abs(c);
    return a <= 0.04045 ? c / 12.92 : sign_of(c) * std::pow((a + 0.055) / 1.055, 2.4);
}
double srgb_gamma(double c)
{
    const double a = std::abs(c);
    return a <= 0.0031308 ? 12.92 * c : sign_of(c) * (1.055 * std::pow(a, 1 / 2.4) - 0.055);
}
double a98_linear(double c)
{
    return sign_of(c) * std::pow(std::abs(c), 563.0 / 256);
}
double a98_gamma(double c)
{
    return sign_of(c) * std::pow(std::abs(c), 256.0 / 563);
}
double prophoto_linear(double c)
{
    const double a = std::abs(c);
    return a <= 16.0 / 512 ? c / 16 : sign_of(c) * std::pow(a, 1.8);
}
double prophoto_gamma(double c)
{
    const double a = std::abs(c);
    return a >= 1.0 / 512 ? sign_of(c) * std::pow(a, 1 / 1.8) : 16 * c;
}
constexpr double kRecAlpha = 1.09929682680944, kRecBeta = 0.018053968510807;
double rec2020_linear(double c)
{
    const double a = std::abs(c);
    return a < kRecBeta * 4.5 ? c / 4.5
                              : sign_of(c) * std::pow((a + kRecAlpha - 1) / kRecAlpha, 1 / 0.45);
}
double rec2020_gamma(double c)
{
    const double a = std::abs(c);
    return a > kRecBeta ? sign_of(c) * (kRecAlpha * std::pow(a, 0.45) - (kRecAlpha - 1)) : 4.5 * c;
}

template <typename F> Vec each(const Vec& v, F f)
{
    return {f(v[0]), f(v[1]), f(v[2])};
}

double normal_hue(double h)
{
    h = std::fmod(h, 360.0);
    return h < 0 ? h + 360.0 : h;
}

Vec hsl_to_srgb(const Vec& hsl)
{
    const double h = normal_hue(hsl[0]), s = hsl[1], l = hsl[2];
    const auto f = [&](double n) {
        const double k = std::fmod(n + h / 30, 12.0);
        const double a = s * std::min(l, 1 - l);
        return l - a * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
    };
    return {f(0), f(8), f(4)};
}

// hsl of an sRGB colour; the hue is NaN where there is none.
Vec srgb_to_hsl(const Vec& rgb)
{
    const double max = std::max({rgb[0], rgb[1], rgb[2]});
    const double min = std::min({rgb[0], rgb[1], rgb[2]});
    const double l = (min + max) / 2, d = max - min;
    double h = std::numeric_limits<double>::quiet_NaN(), s = 0;
    if (d > 1e-12) {
        s = (l <= 0 || l >= 1) ? 0 : (max - l) / std::min(l, 1 - l);
        if (max == rgb[0])
            h = (rgb[1] - rgb[2]) / d + (rgb[1] < rgb[2] ? 6 : 0);
        else if (max == rgb[1])
            h = (rgb[2] - rgb[0]) / d + 2;
        else
            h = (rgb[0] - rgb[1]) / d + 4;
        h *= 60;
        if (s < 0) {
            h += 180;
            s = -s;
        }
        h = normal_hue(h);
    }
    return {h, s, l};
}

Vec hwb_to_srgb(const Vec& hwb)
{
    const double w = hwb[1], b = hwb[2];
    if (w + b >= 1) {
        const double grey = w / (w + b);
        return {grey, grey, grey};
    }
    const Vec pure = hsl_to_srgb({hwb[0], 1, 0.5});
    return each(pure, [&](double c) { return c * (1 - w - b) + w; });
}

Vec srgb_to_hwb(const Vec& rgb)
{
    const Vec hsl = srgb_to_hsl(rgb);
    const double w = std::min({rgb[0], rgb[1], rgb[2]});
    const double b = 1 - std::max({rgb[0], rgb[1], rgb[2]});
    return {hsl[0], w, b};
}

Vec to_polar(const Vec& v)
{
    const double C = std::hypot(v[1], v[2]);
    return {v[0], C, normal_hue(std::atan2(v[2], v[1]) * 180 / kPi)};
}

Vec from_polar(const Vec& v)
{
    const double h = normal_hue(v[2]) * kPi / 180;
    return {v[0], v[1] * std::cos(h), v[1] * std::sin(h)};
}

Vec lab_to_xyz_d50(const Vec& lab)
{
    constexpr double kappa = 24389.0 / 27, epsilon = 216.0 / 24389;
    const double f1 = (lab[0] + 16) / 116;
    const double f0 = lab[1] / 500 + f1;
    const double f2 = f1 - lab[2] / 200;
    const double x = f0 * f0 * f0 > epsilon ? f0 * f0 * f0 : (116 * f0 - 16) / kappa;
    const double y = lab[0] > kappa * epsilon ? f1 * f1 * f1 : lab[0] / kappa;
    const double z = f2 * f2 * f2 > epsilon ? f2 * f2 * f2 : (116 * f2 - 16) / kappa;
    return {x * kD50White[0], y * kD50White[1], z * kD50White[2]};
}

Vec xyz_d50_to_lab(const Vec& xyz)
{
    constexpr double kappa = 24389.0 / 27, epsilon = 216.0 / 24389;
    Vec f {};
    for (int i = 0; i < 3; ++i) {
        const double v = xyz[size_t(i)] / kD50White[size_t(i)];
        f[size_t(i)] = v > epsilon ? std::cbrt(v) : (kappa * v + 16) / 116;
    }
    return {116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])};
}

Vec oklab_to_xyz(const Vec& lab)
{
    const Vec lms = each(mul(kOklabToLms, lab), [](double v) { return v * v * v; });
    return mul(kLmsToXyz, lms);
}

Vec xyz_to_oklab(const Vec& xyz)
{
    return mul(kLmsToOklab, each(mul(kXyzToLms, xyz), [](double v) { return std::cbrt(v); }));
}

enum class Family { Rgb, Lab, Oklab, Other };

Family family(Space s)
{
    switch (s) {
    case Space::Srgb:
    case Space::Hsl:
    case Space::Hwb:
        return Family::Rgb;
    case Space::Lab:
    case Space::Lch:
        return Family::Lab;
    case Space::Oklab:
    case Space::Oklch:
        return Family::Oklab;
    default:
        return Family::Other;
    }
}

// A space's channels to the base of its family (sRGB, Lab, OKLab) and back.
Vec to_base(Space s, const Vec& v)
{
    switch (s) {
    case Space::Hsl:
        return hsl_to_srgb(v);
    case Space::Hwb:
        return hwb_to_srgb(v);
    case Space::Lch:
    case Space::Oklch:
        return from_polar(v);
    default:
        return v;
    }
}

Vec from_base(Space s, const Vec& v)
{
    switch (s) {
    case Space::Hsl:
        return srgb_to_hsl(v);
    case Space::Hwb:
        return srgb_to_hwb(v);
    case Space::Lch:
    case Space::Oklch:
        return to_polar(v);
    default:
        return v;
    }
}

Vec to_xyz65(Space s, const Vec& v)
{
    switch (s) {
    case Space::Srgb:
    case Space::Hsl:
    case Space::Hwb:
        return mul(kSrgbToXyz, each(to_base(s, v), srgb_linear));
    case Space::SrgbLinear:
        return mul(kSrgbToXyz, v);
    case Space::DisplayP3:
        return mul(kP3ToXyz, each(v, srgb_linear));
    case Space::A98:
        return mul(kA98ToXyz, each(v, a98_linear));
    case Space::ProPhoto:
        return mul(kD50ToD65, mul(kProPhotoToXyzD50, each(v, prophoto_linear)));
    case Space::Rec2020:
        return mul(kRec2020ToXyz, each(v, rec2020_linear));
    case Space::XyzD50:
        return mul(kD50ToD65, v);
    case Space::XyzD65:
        return v;
    case Space::Lab:
    case Space::Lch:
        return mul(kD50ToD65, lab_to_xyz_d50(to_base(s, v)));
    case Space::Oklab:
    case Space::Oklch:
        return oklab_to_xyz(to_base(s, v));
    }
    return v;
}

Vec from_xyz65(Space s, const Vec& xyz)
{
    switch (s) {
    case Space::Srgb:
    case Space::Hsl:
    case Space::Hwb:
        return from_base(s, each(mul(kXyzToSrgb, xyz), srgb_gamma));
    case Space::SrgbLinear:
        return mul(kXyzToSrgb, xyz);
    case Space::DisplayP3:
        return each(mul(kXyzToP3, xyz), srgb_gamma);
    case Space::A98:
        return each(mul(kXyzToA98, xyz), a98_gamma);
    case Space::ProPhoto:
        return each(mul(kXyzD50ToProPhoto, mul(kD65ToD50, xyz)), prophoto_gamma);
    case Space::Rec2020:
        return each(mul(kXyzToRec2020, xyz), rec2020_gamma);
    case Space::XyzD50:
        return mul(kD65ToD50, xyz);
    case Space::XyzD65:
        return xyz;
    case Space::Lab:
    case Space::Lch:
        return from_base(s, xyz_d50_to_lab(mul(kD65ToD50, xyz)));
    case Space::Oklab:
    case Space::Oklch:
        return from_base(s, xyz_to_oklab(xyz));
    }
    return xyz;
}

// Analogous channels carry a missing value from one space into another.
enum class Kind { Red, Green, Blue, Lightness, Colorfulness, Hue, OpponentA, OpponentB, Other };

Kind channel_kind(Space s, int i)
{
    static constexpr Kind rgb[] = {Kind::Red, Kind::Green, Kind::Blue};
    static constexpr Kind lab[] = {Kind::Lightness, Kind::OpponentA, Kind::OpponentB};
    static constexpr Kind lch[] = {Kind::Lightness, Kind::Colorfulness, Kind::Hue};
    static constexpr Kind hsl[] = {Kind::Hue, Kind::Colorfulness, Kind::Lightness};
    static constexpr Kind hwb[] = {Kind::Hue, Kind::Other, Kind::Other};
    switch (s) {
    case Space::Lab:
    case Space::Oklab:
        return lab[i];
    case Space::Lch:
    case Space::Oklch:
        return lch[i];
    case Space::Hsl:
        return hsl[i];
    case Space::Hwb:
        return hwb[i];
    default:
        return rgb[i];
    }
}

int hue_index(Space s)
{
    switch (s) {
    case Space::Hsl:
    case Space::Hwb:
        return 0;
    case Space::Lch:
    case Space::Oklch:
        return 2;
    default:
        return -1;
    }
}

Color convert(const Color& from, Space to)
{
    if (from.space == to)
        return from;
    Vec v;
    if (family(from.space) == family(to) && family(to) != Family::Other)
        v = from_base(to, to_base(from.space, from.c));
    else
        v = from_xyz65(to, to_xyz65(from.space, from.c));
    Color out;
    out.space = to;
    out.alpha = from.alpha;
    out.alpha_missing = from.alpha_missing;
    for (int i = 0; i < 3; ++i) {
        if (!from.missing[size_t(i)])
            continue;
        const Kind k = channel_kind(from.space, i);
        for (int j = 0; j < 3; ++j)
            if (k != Kind::Other && channel_kind(to, j) == k)
                out.missing[size_t(j)] = true;
    }
    // A hue that an achromatic colour does not have is missing.
    if (const int h = hue_index(to); h >= 0) {
        bool achromatic = std::isnan(v[size_t(h)]);
        if (to == Space::Lch)
            achromatic = achromatic || v[1] <= 0.0015;
        else if (to == Space::Oklch)
            achromatic = achromatic || v[1] <= 0.000004;
        else if (to == Space::Hsl)
            achromatic = achromatic || v[1] * std::min(v[2], 1 - v[2]) < 1e-7;
        else
            achromatic = achromatic || v[1] + v[2] >= 1 - 1e-9;
        if (achromatic)
            out.missing[size_t(h)] = true;
    }
    for (int i = 0; i < 3; ++i)
        out.c[size_t(i)]
            = out.missing[size_t(i)] || !std::isfinite(v[size_t(i)]) ? 0.0 : v[size_t(i)];
    return out;
}

Srgb clip(const Vec& v)
{
    return {std::clamp(v[0], 0.0, 1.0), std::clamp(v[1], 0.0, 1.0), std::clamp(v[2], 0.0, 1.0)};
}

// What an sRGB screen shows: legacy colours clipped, all others gamut-mapped.
Srgb display(const Color& color)
{
    const Vec s = convert(color, Space::Srgb).c;
    const Srgb srgb {s[0], s[1], s[2]};
    if (color.legacy || color.space == Space::Hsl || color.space == Space::Hwb
        || in_srgb_gamut(srgb))
        return clip(s);
    const Vec lab = convert(color, Space::Oklab).c;
    return gamut_map(Oklab {lab[0], lab[1], lab[2]});
}

// ---- The parser ----

enum class Type { Number, Percent, Angle, None };

struct Term {
    Type type = Type::Number;
    double v = 0;
};

// The channel keywords of a relative colour and their values.
struct Keywords {
    std::array<const char*, 4> names {};
    std::array<double, 4> values {};
};

bool angle_degrees(const Word& unit, double v, double& out)
{
    if (unit == "deg")
        out = v;
    else if (unit == "grad")
        out = v * 0.9;
    else if (unit == "rad")
        out = v * 180 / kPi;
    else if (unit == "turn")
        out = v * 360;
    else
        return false;
    return true;
}

bool is_math(const Token& t)
{
    return t.type == Tok::Function
        && (t.name == "calc" || t.name == "min" || t.name == "max" || t.name == "clamp");
}

bool space_named(const Word& name, Space& s, bool color_function)
{
    static const std::pair<const char*, Space> spaces[] = {{"srgb", Space::Srgb},
        {"srgb-linear", Space::SrgbLinear}, {"display-p3", Space::DisplayP3},
        {"a98-rgb", Space::A98}, {"prophoto-rgb", Space::ProPhoto}, {"rec2020", Space::Rec2020},
        {"xyz", Space::XyzD65}, {"xyz-d50", Space::XyzD50}, {"xyz-d65", Space::XyzD65},
        {"lab", Space::Lab}, {"lch", Space::Lch}, {"oklab", Space::Oklab}, {"oklch", Space::Oklch},
        {"hsl", Space::Hsl}, {"hwb", Space::Hwb}};
    for (const auto& [word, space] : spaces)
        if (name == word) {
            s = space;
            // color() takes the rgb and xyz spaces only.
            return !color_function || family(space) == Family::Other || space == Space::Srgb;
        }
    return false;
}

const char* const kSystemColors[] = {"AccentColor", "AccentColorText", "ActiveText", "ButtonBorder",
    "ButtonFace", "ButtonText", "Canvas", "CanvasText", "Field", "FieldText", "GrayText",
    "Highlight", "HighlightText", "LinkText", "Mark", "MarkText", "SelectedItem",
    "SelectedItemText", "VisitedText",
    // Deprecated, still read by browsers.
    "ActiveBorder", "ActiveCaption", "AppWorkspace", "Background", "ButtonHighlight",
    "ButtonShadow", "CaptionText", "InactiveBorder", "InactiveCaption", "InactiveCaptionText",
    "InfoBackground", "InfoText", "Menu", "MenuText", "Scrollbar", "ThreeDDarkShadow", "ThreeDFace",
    "ThreeDHighlight", "ThreeDLightShadow", "ThreeDShadow", "Window", "WindowFrame", "WindowText"};

class Parser {
public:
    explicit Parser(std::vector<Token> tokens) : t_(std::move(tokens)) { }

    Color whole()
    {
        skip_space();
        // The CSS-wide keywords take the colour from the page too.
        if (peek().type == Tok::Ident)
            for (const char* word : {"inherit", "initial", "unset", "revert", "revert-layer"})
                if (peek().name == word)
                    needs(word);
        Color c = color();
        skip_space();
        if (t_[p_].type != Tok::End)
            invalid();
        return c;
    }

private:
    std::vector<Token> t_;
    std::size_t p_ = 0;
    int depth_ = 0;

    struct Nesting {
        Parser& parser;
        explicit Nesting(Parser& p) : parser(p)
        {
            if (++parser.depth_ > kMaxDepth)
                invalid();
        }
        ~Nesting() { --parser.depth_; }
        Nesting(const Nesting&) = delete;
        Nesting& operator=(const Nesting&) = delete;
    };

    const Token& peek() const { return t_[p_]; }
    void skip_space()
    {
        while (t_[p_].type == Tok::Space)
            ++p_;
    }
    void expect(Tok type)
    {
        if (t_[p_].type != type)
            invalid();
        ++p_;
    }
    bool at_delim(char c) const { return t_[p_].type == Tok::Delim && t_[p_].delim == c; }
    bool at_ident(const char* word) const
    {
        return t_[p_].type == Tok::Ident && t_[p_].name == word;
    }

    // ---- calc() and its kin ----

    Term math_value(const Keywords* kw)
    {
        const Token& k = peek();
        switch (k.type) {
        case Tok::Number:
            ++p_;
            return {Type::Number, k.value};
        case Tok::Percent:
            ++p_;
            return {Type::Percent, k.value};
        case Tok::Dimension: {
            double degrees = 0;
            if (!angle_degrees(k.name, k.value, degrees))
                invalid();
            ++p_;
            return {Type::Angle, degrees};
        }
        case Tok::Ident: {
            ++p_;
            if (k.name == "e")
                return {Type::Number, std::exp(1.0)};
            if (k.name == "pi")
                return {Type::Number, kPi};
            if (k.name == "infinity")
                return {Type::Number, std::numeric_limits<double>::infinity()};
            if (k.name == "-infinity")
                return {Type::Number, -std::numeric_limits<double>::infinity()};
            if (k.name == "nan")
                return {Type::Number, std::numeric_limits<double>::quiet_NaN()};
            if (kw)
                for (std::size_t i = 0; i < 4; ++i)
                    if (k.name == kw->names[i])
                        return {Type::Number, kw->values[i]};
            invalid();
        }
        case Tok::LParen: {
            Nesting nest(*this);
            ++p_;
            skip_space();
            const Term inner = sum(kw);
            skip_space();
            expect(Tok::RParen);
            return inner;
        }
        case Tok::Function:
            if (is_math(k))
                return math_function(kw);
            invalid();
        default:
            invalid();
        }
    }

    Term product(const Keywords* kw)
    {
        Term a = math_value(kw);
        for (;;) {
            const std::size_t back = p_;
            skip_space();
            if (!at_delim('*') && !at_delim('/')) {
                p_ = back;
                return a;
            }
            const char op = peek().delim;
            ++p_;
            skip_space();
            const Term b = math_value(kw);
            if (op == '*') {
                if (a.type != Type::Number && b.type != Type::Number)
                    invalid();
                a = {a.type == Type::Number ? b.type : a.type, a.v * b.v};
            } else {
                if (b.type != Type::Number)
                    invalid();
                a.v /= b.v;
            }
        }
    }

    Term sum(const Keywords* kw)
    {
        Term a = product(kw);
        for (;;) {
            const std::size_t back = p_;
            // "+" and "-" need white space on both sides.
            if (peek().type != Tok::Space) {
                return a;
            }
            skip_space();
            if (!(at_delim('+') || at_delim('-')) || t_[p_ + 1].type != Tok::Space) {
                p_ = back;
                return a;
            }
            const char op = peek().delim;
            ++p_;
            skip_space();
            const Term b = product(kw);
            if (a.type != b.type)
                invalid();
            a.v = op == '+' ? a.v + b.v : a.v - b.v;
        }
    }

    Term math_function(const Keywords* kw)
    {
        Nesting nest(*this);
        const Word name = peek().name;
        ++p_;
        std::vector<Term> args;
        for (;;) {
            skip_space();
            args.push_back(sum(kw));
            skip_space();
            if (peek().type == Tok::RParen)
                break;
            expect(Tok::Comma);
        }
        ++p_;
        for (const Term& a : args)
            if (a.type != args[0].type)
                invalid();
        const auto any_nan = [&] {
            return std::any_of(
                args.begin(), args.end(), [](const Term& a) { return std::isnan(a.v); });
        };
        Term out = args[0];
        if (name == "calc") {
            if (args.size() != 1)
                invalid();
        } else if (name == "clamp") {
            if (args.size() != 3)
                invalid();
            out.v = any_nan() ? std::numeric_limits<double>::quiet_NaN()
                              : std::max(args[0].v, std::min(args[1].v, args[2].v));
        } else {
            for (const Term& a : args)
                out.v = name == "min" ? std::min(out.v, a.v) : std::max(out.v, a.v);
            if (any_nan())
                out.v = std::numeric_limits<double>::quiet_NaN();
        }
        return out;
    }

    // One channel: a number, percentage, angle, none, channel keyword or math function.
    Term term(const Keywords* kw)
    {
        const Token& k = peek();
        Term out;
        if (k.type == Tok::Ident && k.name == "none") {
            ++p_;
            return {Type::None, 0};
        }
        if (is_math(k)) {
            out = math_function(kw);
            // A calculation's NaN is 0 and its infinities the largest values.
            if (std::isnan(out.v))
                out.v = 0;
        } else if (k.type == Tok::Ident) {
            // A channel keyword alone; e, pi and the like only inside a calculation.
            const auto* names = kw ? kw->names.data() : nullptr;
            std::size_t i = 0;
            while (names && i < 4 && k.name != names[i])
                ++i;
            if (!names || i == 4)
                invalid();
            ++p_;
            out = {Type::Number, kw->values[i]};
        } else if (k.type == Tok::Number || k.type == Tok::Percent || k.type == Tok::Dimension) {
            out = math_value(nullptr);
        } else {
            invalid();
        }
        return out;
    }

    struct Args {
        std::array<Term, 3> ch;
        std::optional<Term> alpha;
        bool legacy = false;
    };

    Args channels(bool legacy_allowed, const Keywords* kw)
    {
        Args a;
        skip_space();
        a.ch[0] = term(kw);
        skip_space();
        if (peek().type == Tok::Comma) {
            if (!legacy_allowed)
                invalid();
            a.legacy = true;
            for (std::size_t i = 1; i < 3; ++i) {
                expect(Tok::Comma);
                skip_space();
                a.ch[i] = term(nullptr);
                skip_space();
            }
            if (peek().type == Tok::Comma) {
                ++p_;
                skip_space();
                a.alpha = term(nullptr);
                skip_space();
            }
            for (const Term& t : a.ch)
                if (t.type == Type::None)
                    invalid();
            if (a.alpha && a.alpha->type == Type::None)
                invalid();
        } else {
            for (std::size_t i = 1; i < 3; ++i) {
                a.ch[i] = term(kw);
                skip_space();
            }
            if (at_delim('/')) {
                ++p_;
                skip_space();
                a.alpha = term(kw);
                skip_space();
            }
        }
        expect(Tok::RParen);
        return a;
    }

    // A channel in its space's units; percent is what 100% stands for.
    // An infinite hue is 0deg; other infinities are clamped to the largest values.
    static double channel(const Term& t, bool& missing, double percent, bool hue = false)
    {
        if ((t.type == Type::Percent && hue) || (t.type == Type::Angle && !hue))
            invalid();
        if (t.type == Type::None) {
            missing = true;
            return 0;
        }
        if (hue)
            return std::isfinite(t.v) ? std::clamp(t.v, -kHuge, kHuge) : 0.0;
        const double v = t.type == Type::Percent ? t.v * percent / 100 : t.v;
        return std::clamp(v, -kHuge, kHuge);
    }

    static void set_alpha(Color& out, const std::optional<Term>& alpha, const Color* origin)
    {
        if (!alpha) {
            out.alpha = origin ? origin->alpha : 1.0;
            return;
        }
        out.alpha = std::clamp(channel(*alpha, out.alpha_missing, 1), 0.0, 1.0);
    }

    // "from <color>" of a relative colour, converted into the function's space; its
    // channels become keywords whose missing values read as 0.
    std::optional<Color> origin(
        Space space, Keywords& kw, std::array<const char*, 3> names, std::array<double, 3> scale)
    {
        if (!at_ident("from"))
            return std::nullopt;
        ++p_;
        skip_space();
        const Color from = color();
        skip_space();
        Color o = convert(from, space);
        for (std::size_t i = 0; i < 3; ++i) {
            kw.names[i] = names[i];
            kw.values[i] = o.c[i] * scale[i];
        }
        kw.names[3] = "alpha";
        kw.values[3] = o.alpha_missing ? 0 : o.alpha;
        if (o.alpha_missing)
            o.alpha = 0;
        return o;
    }

    Color rgb_function()
    {
        Keywords kw;
        const auto from = origin(Space::Srgb, kw, {"r", "g", "b"}, {255, 255, 255});
        const Args a = channels(!from, from ? &kw : nullptr);
        // The comma form takes three numbers or three percentages, never both.
        if (a.legacy && (a.ch[0].type != a.ch[1].type || a.ch[1].type != a.ch[2].type))
            invalid();
        Color out;
        out.legacy = true;
        for (std::size_t i = 0; i < 3; ++i)
            out.c[i] = std::clamp(channel(a.ch[i], out.missing[i], 255), 0.0, 255.0) / 255;
        set_alpha(out, a.alpha, from ? &*from : nullptr);
        return out;
    }

    Color hsl_function(bool hwb)
    {
        Keywords kw;
        const Space space = hwb ? Space::Hwb : Space::Hsl;
        const auto from = origin(space, kw,
            hwb ? std::array<const char*, 3> {"h", "w", "b"}
                : std::array<const char*, 3> {"h", "s", "l"},
            {1, 100, 100});
        const Args a = channels(!from && !hwb, from ? &kw : nullptr);
        if (a.legacy && (a.ch[1].type != Type::Percent || a.ch[2].type != Type::Percent))
            invalid();
        Color out;
        out.space = space;
        out.legacy = true;
        out.c[0] = channel(a.ch[0], out.missing[0], 0, true);
        for (std::size_t i = 1; i < 3; ++i)
            out.c[i] = channel(a.ch[i], out.missing[i], 100) / 100;
        // CSS Color 4 clamps only a negative saturation; what falls outside sRGB is clipped.
        if (!hwb)
            out.c[1] = std::max(0.0, out.c[1]);
        set_alpha(out, a.alpha, from ? &*from : nullptr);
        return out;
    }

    Color lab_function(Space space)
    {
        Keywords kw;
        const bool ok = space == Space::Oklab || space == Space::Oklch;
        const bool polar = space == Space::Lch || space == Space::Oklch;
        const auto from = origin(space, kw,
            polar ? std::array<const char*, 3> {"l", "c", "h"}
                  : std::array<const char*, 3> {"l", "a", "b"},
            {1, 1, 1});
        const Args a = channels(false, from ? &kw : nullptr);
        Color out;
        out.space = space;
        const double light = ok ? 1 : 100;
        const double axis = ok ? 0.4 : 125, chroma = ok ? 0.4 : 150;
        out.c[0] = std::clamp(channel(a.ch[0], out.missing[0], light), 0.0, light);
        if (polar) {
            out.c[1] = std::max(0.0, channel(a.ch[1], out.missing[1], chroma));
            out.c[2] = channel(a.ch[2], out.missing[2], 0, true);
        } else {
            out.c[1] = channel(a.ch[1], out.missing[1], axis);
            out.c[2] = channel(a.ch[2], out.missing[2], axis);
        }
        set_alpha(out, a.alpha, from ? &*from : nullptr);
        return out;
    }

    Color color_function()
    {
        skip_space();
        std::optional<Color> from;
        if (at_ident("from")) {
            ++p_;
            skip_space();
            from = color();
            skip_space();
        }
        Space space;
        if (peek().type != Tok::Ident || !space_named(peek().name, space, true))
            invalid();
        ++p_;
        Keywords kw;
        if (from) {
            const bool xyz = space == Space::XyzD50 || space == Space::XyzD65;
            const Color o = convert(*from, space);
            static const char* const rgb_names[] = {"r", "g", "b"};
            static const char* const xyz_names[] = {"x", "y", "z"};
            for (std::size_t i = 0; i < 3; ++i) {
                kw.names[i] = xyz ? xyz_names[i] : rgb_names[i];
                kw.values[i] = o.c[i];
            }
            kw.names[3] = "alpha";
            kw.values[3] = o.alpha_missing ? 0 : o.alpha;
            from = o;
            if (from->alpha_missing)
                from->alpha = 0;
        }
        const Args a = channels(false, from ? &kw : nullptr);
        Color out;
        out.space = space;
        for (std::size_t i = 0; i < 3; ++i)
            out.c[i] = channel(a.ch[i], out.missing[i], 1);
        set_alpha(out, a.alpha, from ? &*from : nullptr);
        return out;
    }

    enum class HueMethod { Shorter, Longer, Increasing, Decreasing };

    bool at_percentage() const { return peek().type == Tok::Percent || is_math(peek()); }

    // A literal outside 0..100% is invalid; a calculation is clamped into it.
    double mix_percentage()
    {
        const bool calculated = is_math(peek());
        const Term t = term(nullptr);
        if (t.type != Type::Percent || (!calculated && (t.v < 0 || t.v > 100)))
            invalid();
        return std::clamp(t.v, 0.0, 100.0);
    }

    Color mix_function()
    {
        skip_space();
        Space space = Space::Oklab;
        HueMethod method = HueMethod::Shorter;
        if (at_ident("in")) {
            ++p_;
            skip_space();
            if (peek().type != Tok::Ident || !space_named(peek().name, space, false))
                invalid();
            ++p_;
            skip_space();
            if (peek().type == Tok::Ident && hue_index(space) >= 0) {
                static const std::pair<const char*, HueMethod> methods[] = {
                    {"shorter", HueMethod::Shorter}, {"longer", HueMethod::Longer},
                    {"increasing", HueMethod::Increasing}, {"decreasing", HueMethod::Decreasing}};
                bool found = false;
                for (const auto& [word, m] : methods)
                    if (peek().name == word) {
                        method = m;
                        found = true;
                    }
                if (!found)
                    invalid();
                ++p_;
                skip_space();
                if (!at_ident("hue"))
                    invalid();
                ++p_;
                skip_space();
            }
            expect(Tok::Comma);
        }
        // One or more colours, each with an optional percentage.
        struct Item {
            Color color;
            std::optional<double> percent;
        };
        std::vector<Item> items;
        for (;;) {
            Item item;
            skip_space();
            if (at_percentage()) {
                item.percent = mix_percentage();
                skip_space();
                item.color = color();
            } else {
                item.color = color();
                skip_space();
                if (at_percentage())
                    item.percent = mix_percentage();
            }
            items.push_back(item);
            skip_space();
            if (peek().type == Tok::RParen)
                break;
            expect(Tok::Comma);
        }
        ++p_;
        // Omitted percentages share what the given ones leave; a total below 100% makes
        // the mix that much more transparent, one above it is scaled down.
        double given = 0;
        std::size_t omitted = 0;
        for (const Item& item : items) {
            given += item.percent.value_or(0);
            omitted += !item.percent;
        }
        const double share = omitted ? std::max(0.0, 100 - given) / double(omitted) : 0.0;
        double total = 0;
        for (Item& item : items) {
            if (!item.percent)
                item.percent = share;
            total += *item.percent;
        }
        if (total <= 0)
            invalid();
        Color mixed = convert(items[0].color, space);
        double weight = *items[0].percent;
        for (std::size_t i = 1; i < items.size(); ++i) {
            const double w = *items[i].percent;
            weight += w;
            mixed = interpolate(
                mixed, convert(items[i].color, space), weight > 0 ? w / weight : 0, method);
        }
        if (total < 100)
            mixed.alpha *= total / 100;
        return mixed;
    }

    static Color interpolate(Color a, Color b, double t, HueMethod method)
    {
        Color out;
        out.space = a.space;
        for (std::size_t i = 0; i < 3; ++i) {
            if (a.missing[i] && !b.missing[i])
                a.c[i] = b.c[i];
            else if (b.missing[i] && !a.missing[i])
                b.c[i] = a.c[i];
            out.missing[i] = a.missing[i] && b.missing[i];
        }
        if (a.alpha_missing && !b.alpha_missing)
            a.alpha = b.alpha;
        else if (b.alpha_missing && !a.alpha_missing)
            b.alpha = a.alpha;
        if (a.alpha_missing && b.alpha_missing)
            a.alpha = b.alpha = 1; // both missing: nothing to premultiply with
        const int h = hue_index(a.space);
        if (h >= 0) {
            double& h1 = a.c[size_t(h)];
            double& h2 = b.c[size_t(h)];
            h1 = normal_hue(h1);
            h2 = normal_hue(h2);
            const double d = h2 - h1;
            switch (method) {
            case HueMethod::Shorter:
                if (d > 180)
                    h1 += 360;
                else if (d < -180)
                    h2 += 360;
                break;
            case HueMethod::Longer:
                if (d > 0 && d < 180)
                    h1 += 360;
                else if (d > -180 && d <= 0)
                    h2 += 360;
                break;
            case HueMethod::Increasing:
                if (d < 0)
                    h2 += 360;
                break;
            case HueMethod::Decreasing:
                if (d > 0)
                    h1 += 360;
                break;
            }
        }
        const double alpha = a.alpha * (1 - t) + b.alpha * t;
        for (std::size_t i = 0; i < 3; ++i) {
            if (int(i) == h) {
                out.c[i] = a.c[i] * (1 - t) + b.c[i] * t;
                continue;
            }
            const double v = a.c[i] * a.alpha * (1 - t) + b.c[i] * b.alpha * t;
            out.c[i] = alpha > 0 ? v / alpha : 0;
        }
        for (std::size_t i = 0; i < 3; ++i)
            if (out.missing[i])
                out.c[i] = 0;
        out.alpha_missing = a.alpha_missing && b.alpha_missing;
        out.alpha = out.alpha_missing ? 1.0 : alpha;
        return out;
    }

    static Color hex(std::string_view digits)
    {
        std::array<int, 8> v {};
        const std::size_t n = digits.size();
        if (n != 3 && n != 4 && n != 6 && n != 8)
            invalid();
        for (std::size_t i = 0; i < n; ++i) {
            const char c = lower(digits[i]);
            if (is_digit(c))
                v[i] = c - '0';
            else if (c >= 'a' && c <= 'f')
                v[i] = c - 'a' + 10;
            else
                invalid();
        }
        std::array<int, 4> bytes {0, 0, 0, 255};
        for (std::size_t i = 0; i < n / (n <= 4 ? 1 : 2); ++i)
            bytes[i] = n <= 4 ? 17 * v[i] : 16 * v[2 * i] + v[2 * i + 1];
        Color out;
        out.legacy = true;
        for (std::size_t i = 0; i < 3; ++i)
            out.c[i] = bytes[i] / 255.0;
        out.alpha = bytes[3] / 255.0;
        return out;
    }

    static Color keyword(const Token& k)
    {
        Color out;
        out.legacy = true;
        if (k.name == "transparent") {
            out.alpha = 0;
            return out;
        }
        if (const auto named = css_named_color(k.name.text)) {
            out.c = {named->red / 255.0, named->green / 255.0, named->blue / 255.0};
            return out;
        }
        if (k.name == "currentcolor")
            needs("currentcolor");
        for (const char* system : kSystemColors)
            if (k.name == system)
                needs(system);
        invalid();
    }

    Color color()
    {
        const Token& k = peek();
        if (k.type == Tok::Hash) {
            ++p_;
            return hex(k.name.text);
        }
        if (k.type == Tok::Ident) {
            ++p_;
            return keyword(k);
        }
        if (k.type != Tok::Function)
            invalid();
        Nesting nest(*this);
        const Word name = k.name;
        ++p_;
        skip_space();
        if (name == "rgb" || name == "rgba")
            return rgb_function();
        if (name == "hsl" || name == "hsla")
            return hsl_function(false);
        if (name == "hwb")
            return hsl_function(true);
        if (name == "lab")
            return lab_function(Space::Lab);
        if (name == "lch")
            return lab_function(Space::Lch);
        if (name == "oklab")
            return lab_function(Space::Oklab);
        if (name == "oklch")
            return lab_function(Space::Oklch);
        if (name == "color")
            return color_function();
        if (name == "color-mix")
            return mix_function();
        invalid();
    }
};

// ---- What authors copy along with a colour ----

bool starts_with_word(std::string_view s, std::string_view word)
{
    if (s.size() < word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        char c = s[i];
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
        if (c != word[i])
            return false;
    }
    return true;
}

std::string without_comments(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '/' && i + 1 < s.size() && s[i + 1] == '*') {
            const std::size_t end = s.find("*/", i + 2);
            if (end == std::string_view::npos)
                break;
            i = end + 1;
            continue;
        }
        out += s[i];
    }
    return out;
}

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && is_space(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && is_space(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string unwrap(std::string_view text)
{
    std::string stripped = without_comments(text);
    // Web pages hand over no-break spaces and byte order marks; they are white space here.
    for (std::size_t at = 0; (at = stripped.find("\xC2\xA0", at)) != std::string::npos;)
        stripped.replace(at, 2, " ");
    for (std::size_t at = 0; (at = stripped.find("\xEF\xBB\xBF", at)) != std::string::npos;)
        stripped.replace(at, 3, " ");
    std::string_view s = trimmed(stripped);
    for (bool changed = true; changed;) {
        changed = false;
        const std::string_view before = s;
        while (!s.empty() && (s.back() == ';' || s.back() == ','))
            s = trimmed(s.substr(0, s.size() - 1));
        if (const std::size_t bang = s.rfind('!'); bang != std::string_view::npos) {
            const std::string_view rest = trimmed(s.substr(bang + 1));
            if (rest.size() == 9 && starts_with_word(rest, "important"))
                s = trimmed(s.substr(0, bang));
        }
        // A property name and its colon: CSS (custom or not), Sass, Less, or a quoted key.
        std::size_t i = 0;
        if (!s.empty() && (s[0] == '"' || s[0] == '\'')) {
            const std::size_t close = s.find(s[0], 1);
            i = close == std::string_view::npos ? 0 : close + 1;
        } else {
            const std::size_t start = !s.empty() && (s[0] == '$' || s[0] == '@') ? 1 : 0;
            i = start;
            while (i < s.size() && name_char(s[i]))
                ++i;
            if (i == start)
                i = 0;
        }
        std::size_t j = i;
        while (j < s.size() && is_space(s[j]))
            ++j;
        if (i > 0 && j < s.size() && s[j] == ':')
            s = trimmed(s.substr(j + 1));
        if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'' || s.front() == '`')
            && s.back() == s.front())
            s = trimmed(s.substr(1, s.size() - 2));
        changed = s.size() != before.size();
    }
    const bool bare_hex = (s.size() == 3 || s.size() == 4 || s.size() == 6 || s.size() == 8)
        && std::all_of(s.begin(), s.end(),
            [](char c) { return is_digit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); });
    return bare_hex ? "#" + std::string(s) : std::string(s);
}

// Halves up, as CSS rounds; a value within a billionth of a half step counts as on it, so
// that 12.5 computed as 12.4999999999 still rounds up.
int round_channel(double v)
{
    v = std::round(v * 1e9) / 1e9;
    return int(std::floor(std::clamp(v, 0.0, 255.0) + 0.5));
}

} // namespace

CssReading read_css_color(std::string_view text)
{
    CssReading reading;
    if (text.size() > kCssReadMaxLength)
        return reading;
    try {
        const std::string plain = unwrap(text);
        std::vector<Token> tokens = tokenize(plain);
        substitute_vars(tokens);
        const Color c = Parser(std::move(tokens)).whole();
        reading.color = display(c);
        reading.alpha = c.alpha_missing ? 0.0 : std::clamp(c.alpha, 0.0, 1.0);
        reading.status
            = reading.alpha > 0 ? CssReading::Status::Color : CssReading::Status::Transparent;
    } catch (const Failure& failure) {
        reading = CssReading {};
        if (failure.needs_context) {
            reading.status = CssReading::Status::NeedsContext;
            reading.needs = failure.word;
        }
    }
    return reading;
}

Rgb flatten(const CssReading& reading, const Rgb& backdrop)
{
    if (reading.status != CssReading::Status::Color)
        return backdrop;
    const double a = std::clamp(reading.alpha, 0.0, 1.0);
    const auto over = [a](double c, int b) { return round_channel(255 * c * a + b * (1 - a)); };
    return {over(reading.color.red, backdrop.red), over(reading.color.green, backdrop.green),
        over(reading.color.blue, backdrop.blue)};
}

} // namespace core
