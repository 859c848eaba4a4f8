#include "core/css_write.h"

#include "core/css_names.h"
#include "core/hsl.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

namespace core {

namespace {

constexpr double kPi = 3.14159265358979323846;

using Matrix = std::array<std::array<double, 3>, 3>;
using Vector = std::array<double, 3>;

Vector times(const Matrix& m, const Vector& v)
{
    return {m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2],
        m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
        m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
}

Matrix times(const Matrix& x, const Matrix& y)
{
    Matrix m {};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            for (int k = 0; k < 3; ++k)
                m[i][j] += x[i][k] * y[k][j];
    return m;
}

// The matrices of CSS Color 4.
const Matrix kLinearSrgbToXyz = {{{506752.0 / 1228815, 87881.0 / 245763, 12673.0 / 70218},
    {87098.0 / 409605, 175762.0 / 245763, 12673.0 / 175545},
    {7918.0 / 409605, 87881.0 / 737289, 1001167.0 / 1053270}}};
const Matrix kXyzToLinearSrgb = {{{12831.0 / 3959, -329.0 / 214, -1974.0 / 3959},
    {-851781.0 / 878810, 1648619.0 / 878810, 36519.0 / 878810},
    {705.0 / 12673, -2585.0 / 12673, 705.0 / 667}}};
const Matrix kLinearP3ToXyz = {{{608311.0 / 1250200, 189793.0 / 714400, 198249.0 / 1000160},
    {35783.0 / 156275, 247089.0 / 357200, 198249.0 / 2500400},
    {0.0, 32229.0 / 714400, 5220557.0 / 5000800}}};
const Matrix kXyzToLinearP3 = {{{446124.0 / 178915, -333277.0 / 357830, -72051.0 / 178915},
    {-14852.0 / 17905, 63121.0 / 35810, 423.0 / 17905},
    {11844.0 / 330415, -50337.0 / 660830, 316169.0 / 330415}}};
const Matrix kD50ToD65 = {{{0.955473421488075, -0.02309845494876471, 0.06325924320057072},
    {-0.0283697093338637, 1.0099953980813041, 0.021041441191917323},
    {0.012314014864481998, -0.020507649298898964, 1.330365926242124}}};
const Matrix kD65ToD50 = {{{1.0479297925449969, 0.022946870601609652, -0.05019226628920524},
    {0.02962780877005599, 0.9904344267538799, -0.017073799063418826},
    {-0.009243040646204504, 0.015055191490298152, 0.7518742814281371}}};
const Matrix kXyzToLms = {{{0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
    {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
    {0.0481771893596242, 0.2642395317527308, 0.6335478284694309}}};
const Matrix kLmsToXyz = {{{1.2268798758459243, -0.5578149944602171, 0.2813910456659647},
    {-0.0405757452148008, 1.1122868032803170, -0.0717110580655164},
    {-0.0763729366746601, -0.4214933324022432, 1.5869240198367816}}};
const Matrix kLmsToOklab = {{{0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
    {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
    {0.0259040424655478, 0.7827717124575296, -0.8086757549230774}}};
const Matrix kOklabToLms = {
    {{1.0, 0.3963377773761749, 0.2158037573099136}, {1.0, -0.1055613458156586, -0.0638541728258133},
        {1.0, -0.0894841775298119, -1.2914855480194092}}};
const Vector kD50White = {0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};

constexpr double kLabKappa = 24389.0 / 27;
constexpr double kLabEpsilon = 216.0 / 24389;

// The sRGB (and display-p3) transfer function, odd around zero as CSS extends it.
double decode(double e)
{
    const double m = std::abs(e);
    const double l = m <= 0.04045 ? m / 12.92 : std::pow((m + 0.055) / 1.055, 2.4);
    return e < 0 ? -l : l;
}

double encode(double l)
{
    const double m = std::abs(l);
    const double e = m <= 0.0031308 ? 12.92 * m : 1.055 * std::pow(m, 1 / 2.4) - 0.055;
    return l < 0 ? -e : e;
}

// How close to a half step a reading may come, in channel steps: a reader in single
// precision errs by far less.
constexpr double kMargin = 0.002;
// A reading outside sRGB is clipped only while clipping changes it by less than this
// (deltaE OK); kept well below the reader's 0.02.
constexpr double kClipLimit = 0.015;

struct Tables {
    std::array<double, 256> linear {}; // linear light of each channel value
    std::array<double, 256> low {}, high {}; // the linear light that reads back as it
    Matrix lab_to_srgb {}; // D50 XYZ (white-scaled) to linear sRGB
    Matrix lms_to_srgb {};
    Matrix srgb_to_lms {};
    Matrix p3_to_srgb {};
    Matrix srgb_to_p3 {};
};

const Tables& tables()
{
    static const Tables t = [] {
        Tables t;
        for (int v = 0; v < 256; ++v) {
            t.linear[size_t(v)] = decode(v / 255.0);
            t.low[size_t(v)] = v == 0 ? -std::numeric_limits<double>::infinity()
                                      : decode((v - 0.5 + kMargin) / 255.0);
            t.high[size_t(v)] = v == 255 ? std::numeric_limits<double>::infinity()
                                         : decode((v + 0.5 - kMargin) / 255.0);
        }
        Matrix white {};
        for (int i = 0; i < 3; ++i)
            white[size_t(i)][size_t(i)] = kD50White[size_t(i)];
        t.lab_to_srgb = times(times(kXyzToLinearSrgb, kD50ToD65), white);
        t.lms_to_srgb = times(kXyzToLinearSrgb, kLmsToXyz);
        t.srgb_to_lms = times(kXyzToLms, kLinearSrgbToXyz);
        t.p3_to_srgb = times(kXyzToLinearSrgb, kLinearP3ToXyz);
        t.srgb_to_p3 = times(kXyzToLinearP3, kLinearSrgbToXyz);
        return t;
    }();
    return t;
}

Vector linear_rgb(const Rgb& c)
{
    const Tables& t = tables();
    return {t.linear[size_t(c.red)], t.linear[size_t(c.green)], t.linear[size_t(c.blue)]};
}

double oklab_lightness(const Vector& linear)
{
    const Vector lms = times(tables().srgb_to_lms, linear);
    return kLmsToOklab[0][0] * std::cbrt(lms[0]) + kLmsToOklab[0][1] * std::cbrt(lms[1])
        + kLmsToOklab[0][2] * std::cbrt(lms[2]);
}

Vector oklab_of_linear(const Vector& linear)
{
    const Vector lms = times(tables().srgb_to_lms, linear);
    return times(kLmsToOklab, Vector {std::cbrt(lms[0]), std::cbrt(lms[1]), std::cbrt(lms[2])});
}

// Whether linear sRGB light, as a CSS reader brings it to the screen, gives the colour
// with room to spare: lightness at or past white or black gives white or black; a colour
// outside sRGB is clipped, which the reader does only when that changes little; then each
// channel rounds to the colour's, away from the half steps. `lightness` is the reading's
// OKLab lightness when already known (NaN otherwise).
bool reads_as(const Vector& linear, const Rgb& c, double lightness)
{
    const Tables& t = tables();
    const int v[3] = {c.red, c.green, c.blue};
    for (int i = 0; i < 3; ++i) {
        const double x = linear[size_t(i)];
        if (!(x >= t.low[size_t(v[i])] && x <= t.high[size_t(v[i])]))
            return false;
    }
    const bool inside
        = std::all_of(linear.begin(), linear.end(), [](double x) { return x >= 0.0 && x <= 1.0; });
    const bool near_end
        = std::min({c.red, c.green, c.blue}) >= 240 || std::max({c.red, c.green, c.blue}) <= 15;
    if (inside && !near_end)
        return true;
    if (std::isnan(lightness))
        lightness = oklab_lightness(linear);
    const bool white = c.red == 255 && c.green == 255 && c.blue == 255;
    const bool black = c.red == 0 && c.green == 0 && c.blue == 0;
    if (lightness >= 1.0 - 1e-9)
        return white;
    if (lightness <= 1e-9)
        return black;
    if (inside)
        return true;
    Vector clipped = linear;
    for (double& x : clipped)
        x = std::clamp(x, 0.0, 1.0);
    const Vector a = oklab_of_linear(linear), b = oklab_of_linear(clipped);
    const double d0 = a[0] - b[0], d1 = a[1] - b[1], d2 = a[2] - b[2];
    return d0 * d0 + d1 * d1 + d2 * d2 < kClipLimit * kClipLimit;
}

// ---- Readings of each form, as CSS defines them ----

double cube(double x)
{
    return x * x * x;
}

Vector lab_linear(double L, double a, double b)
{
    const double f1 = (L + 16) / 116;
    const double f0 = a / 500 + f1;
    const double f2 = f1 - b / 200;
    const Vector xyz = {cube(f0) > kLabEpsilon ? cube(f0) : (116 * f0 - 16) / kLabKappa,
        L > kLabKappa * kLabEpsilon ? cube(f1) : L / kLabKappa,
        cube(f2) > kLabEpsilon ? cube(f2) : (116 * f2 - 16) / kLabKappa};
    return times(tables().lab_to_srgb, xyz);
}

Vector oklab_linear(double L, double a, double b)
{
    const Vector lms = times(kOklabToLms, Vector {L, a, b});
    return times(tables().lms_to_srgb, Vector {cube(lms[0]), cube(lms[1]), cube(lms[2])});
}

// display-p3 linear light (already decoded) as linear sRGB.
Vector p3_linear(double r, double g, double b)
{
    return times(tables().p3_to_srgb, Vector {r, g, b});
}

// ---- Exact readings of hsl() and hwb() ----
// Hue in degrees, saturation, lightness, whiteness and blackness in percent, each an
// integer count of 1/scale; scale is at most 1000, so 64 bits hold every product.

// The hue term of a channel: max(-1, min(k - 3, 9 - k, 1)) in units of 1/(30 scale), k
// being (n + hue / 30) mod 12.
int64_t hue_term(int n, int64_t hue, int64_t scale)
{
    const int64_t turn = 360 * scale;
    int64_t k = n * 30 * scale + hue; // hue is within a step of 0..turn
    while (k >= turn)
        k -= turn;
    while (k < 0)
        k += turn;
    return hsl_hue_factor(k, 30 * scale);
}

// Whether numerator / denominator (a channel 0..1) rounds, half up, to v out of 255.
bool rounds_to(int64_t numerator, int64_t denominator, int v)
{
    const int64_t x = 510 * numerator + denominator; // 2 * (255 * value + 1/2) * denominator
    return x >= 2 * denominator * v && x < 2 * denominator * (v + 1);
}

// The part of hsl_reads_as that the hue has no say in: saturation and lightness in range,
// and the largest and smallest channels, L + a and L - a (of the three hue factors one is
// always the least and one the greatest).
bool hsl_ends_read_as(int64_t sat, int64_t light, int64_t scale, const Rgb& c)
{
    const int64_t hundred = 100 * scale;
    if (sat < 0 || sat > hundred || light < 0 || light > hundred)
        return false;
    const int64_t a = sat * std::min(light, hundred - light);
    const int most = std::max({c.red, c.green, c.blue}), least = std::min({c.red, c.green, c.blue});
    return rounds_to(light * hundred + a, hundred * hundred, most)
        && rounds_to(light * hundred - a, hundred * hundred, least);
}

bool hsl_reads_as(int64_t hue, int64_t sat, int64_t light, int64_t scale, const Rgb& c)
{
    if (!hsl_ends_read_as(sat, light, scale, c))
        return false;
    const int64_t hundred = 100 * scale;
    const int64_t a = sat * std::min(light, hundred - light);
    const int64_t denominator = hundred * hundred * 30 * scale;
    const int n[3] = {0, 8, 4};
    const int v[3] = {c.red, c.green, c.blue};
    for (int i = 0; i < 3; ++i) {
        const int64_t numerator = light * hundred * 30 * scale - a * hue_term(n[i], hue, scale);
        if (!rounds_to(numerator, denominator, v[i]))
            return false;
    }
    return true;
}

// The part of hwb_reads_as that the hue has no say in: whiteness and blackness in range; a
// grey (whiteness over the sum) whole; else the smallest channel the whiteness and the
// largest 1 - blackness.
bool hwb_ends_read_as(int64_t white, int64_t black, int64_t scale, const Rgb& c)
{
    const int64_t hundred = 100 * scale;
    if (white < 0 || white > hundred || black < 0 || black > hundred)
        return false;
    const int v[3] = {c.red, c.green, c.blue};
    if (white + black >= hundred)
        return std::all_of(v, v + 3, [&](int x) { return rounds_to(white, white + black, x); });
    return rounds_to(white, hundred, *std::min_element(v, v + 3))
        && rounds_to(hundred - black, hundred, *std::max_element(v, v + 3));
}

bool hwb_reads_as(int64_t hue, int64_t white, int64_t black, int64_t scale, const Rgb& c)
{
    if (!hwb_ends_read_as(white, black, scale, c))
        return false;
    const int64_t hundred = 100 * scale;
    if (white + black >= hundred)
        return true;
    const int v[3] = {c.red, c.green, c.blue};
    const int n[3] = {0, 8, 4};
    const int64_t denominator = 60 * scale * hundred;
    for (int i = 0; i < 3; ++i) {
        // The pure hue's channel (1 - t) / 2, scaled by 1 - w - b, plus w.
        const int64_t numerator
            = (30 * scale - hue_term(n[i], hue, scale)) * (hundred - white - black)
            + 60 * scale * white;
        if (!rounds_to(numerator, denominator, v[i]))
            return false;
    }
    return true;
}

// ---- The search for the shortest text ----

constexpr std::array<int64_t, 8> kPow10 = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000};

// A component as printed: q / 10^decimals.
struct Component {
    int64_t q = 0;
    int decimals = 0;
    double value() const { return double(q) / double(kPow10[size_t(decimals)]); }
    // The count of 1/10^places it stands for, places being no fewer than its own decimals.
    int64_t at(int places) const { return q * kPow10[size_t(places - decimals)]; }
    // The same number of decimals, `steps` last digits on.
    Component stepped(int64_t steps) const { return {q + steps, decimals}; }
};
using Candidate = std::array<Component, 3>;

// A function of one printed component, remembered for the last two components asked: the
// search tries many candidates that share all but one component, going back and forth
// between a component as found and the same one shorter.
template <class F>
class LastOf {
public:
    explicit LastOf(F f) : f_(f) { }
    const auto& operator()(const Component& c)
    {
        for (Entry& e : entries_)
            if (e.known && e.component.q == c.q && e.component.decimals == c.decimals) {
                older_ = &e == &entries_[0] ? 1 : 0;
                return e.value;
            }
        Entry& e = entries_[size_t(older_)];
        e = {c, f_(c.value()), true};
        older_ = 1 - older_;
        return e.value;
    }

private:
    struct Entry {
        Component component;
        decltype(std::declval<F>()(0.0)) value {};
        bool known = false;
    };
    F f_;
    std::array<Entry, 2> entries_ {};
    int older_ = 0;
};

// The cosine and sine of a hue in degrees.
std::pair<double, double> hue_vector(double degrees)
{
    const double h = degrees * kPi / 180;
    return {std::cos(h), std::sin(h)};
}

int places_of(const Candidate& c)
{
    return std::max({c[0].decimals, c[1].decimals, c[2].decimals});
}

// llround() without the library call: the nearest integer, halves away from zero (every
// value here is far inside 2^52, where the fraction x - trunc(x) is exact).
int64_t round_half_away(double x)
{
    const int64_t whole = int64_t(x);
    const double fraction = x - double(whole);
    return fraction >= 0.5 ? whole + 1 : fraction <= -0.5 ? whole - 1 : whole;
}

Component rounded(double x, int decimals)
{
    return {round_half_away(x * double(kPow10[size_t(decimals)])), decimals};
}

// A test of the last two components alone that every candidate the search takes passes
// (for the forms without one, any pair passes).
struct AnyEnds {
    bool operator()(const Component&, const Component&) const { return true; }
};

// The candidates with `decimals` decimals near the exact values, nearest first, up to
// `reach` last-digit steps away in each component, handed to `ok` until it takes one.
template <class Ok, class Ends>
bool try_near(const Vector& exact, const std::array<int, 3>& decimals, int reach, Ok& ok,
    Ends& ends, Candidate& found)
{
    Candidate centre;
    for (int i = 0; i < 3; ++i)
        centre[size_t(i)] = rounded(exact[size_t(i)], decimals[size_t(i)]);
    if (reach > 0) {
        // Most often no pair of the last two components within reach passes, and then no
        // candidate can: a few pairs spare all the candidates.
        bool any = false;
        for (int d1 = -reach; d1 <= reach && !any; ++d1)
            for (int d2 = -reach; d2 <= reach && !any; ++d2)
                any = ends(centre[1].stepped(d1), centre[2].stepped(d2));
        if (!any)
            return false;
    }
    for (int r = 0; r <= reach; ++r)
        for (int d0 = -r; d0 <= r; ++d0)
            for (int d1 = -r; d1 <= r; ++d1)
                for (int d2 = -r; d2 <= r; ++d2) {
                    if (std::max({std::abs(d0), std::abs(d1), std::abs(d2)}) != r)
                        continue;
                    Candidate c = centre;
                    c[0].q += d0;
                    c[1].q += d1;
                    c[2].q += d2;
                    if (ok(c)) {
                        found = c;
                        return true;
                    }
                }
    return false;
}

// Texts with up to this many decimals are also looked for a step away from the nearest.
constexpr int kNearbyDecimals = 0;

// The fewest decimals, the same in every component, that read back; then each component
// in turn with as few as still do.
template <class Ok, class Ends = AnyEnds>
Candidate shortest(
    const Vector& exact, int first_decimals, int max_decimals, int reach, Ok ok, Ends ends = {})
{
    Candidate best;
    // From the decimals most colours of the form need, down while that still reads back,
    // else up until it does.
    const auto fits = [&](int d, Candidate& found) {
        return try_near(exact, {d, d, d}, d <= kNearbyDecimals ? reach : 0, ok, ends, found);
    };
    int d = std::min(first_decimals, max_decimals);
    if (fits(d, best)) {
        for (Candidate fewer; d > 0 && fits(d - 1, fewer); --d)
            best = fewer;
    } else {
        while (++d <= max_decimals && !fits(d, best)) { }
    }
    if (d > max_decimals) {
        // Not reached for any 8-bit colour; the finest text stands.
        for (int i = 0; i < 3; ++i)
            best[size_t(i)] = rounded(exact[size_t(i)], max_decimals);
        return best;
    }
    // Until no component can lose a decimal: one that could not may, once another has.
    for (bool shortened = true; shortened;) {
        shortened = false;
        for (int i = 0; i < 3; ++i) {
            const int e = best[size_t(i)].decimals - 1;
            if (e < 0)
                continue;
            // This component one decimal shorter, the others as found.
            Candidate centre = best;
            centre[size_t(i)] = rounded(exact[size_t(i)], e);
            for (int r = 0; r <= (e <= kNearbyDecimals ? reach : 0) && !shortened; ++r)
                for (int step = -r; step <= r && !shortened; step += std::max(1, 2 * r)) {
                    Candidate t = centre;
                    t[size_t(i)].q += step;
                    if (ok(t)) {
                        best = t;
                        shortened = true;
                    }
                }
        }
    }
    return best;
}

// Writes a component's digits at `out`, trailing zeros dropped; returns the end.
char* put_number(char* out, const Component& c)
{
    uint64_t digits = uint64_t(c.q < 0 ? -c.q : c.q);
    if (digits == 0) {
        *out++ = '0';
        return out;
    }
    if (c.q < 0)
        *out++ = '-';
    int places = c.decimals;
    while (places > 0 && digits % 10 == 0) {
        digits /= 10;
        --places;
    }
    // Right to left: the decimals, the point, then the whole part (at least a 0).
    char text[24];
    char* const end = text + sizeof text;
    char* first = end;
    for (int i = 0; i < places; ++i, digits /= 10)
        *--first = char('0' + digits % 10);
    if (places > 0)
        *--first = '.';
    do {
        *--first = char('0' + digits % 10);
        digits /= 10;
    } while (digits > 0);
    while (first < end)
        *out++ = *first++;
    return out;
}

char* put_text(char* out, const char* text)
{
    while (*text)
        *out++ = *text++;
    return out;
}

std::string function_text(
    const char* name, const Candidate& c, const char* const units[3], const char* separator)
{
    char buffer[160]; // three components of at most 19 digits, sign and point each
    char* out = put_text(buffer, name);
    *out++ = '(';
    for (int i = 0; i < 3; ++i) {
        if (i > 0)
            out = put_text(out, separator);
        out = put_number(out, c[size_t(i)]);
        out = put_text(out, units[i]);
    }
    *out++ = ')';
    return std::string(buffer, size_t(out - buffer));
}

// A hue printed in 0..360, and none at all (0) when the chroma is nil.
void tidy_hue(Component& hue, const Component* chroma)
{
    const int64_t turn = 360 * kPow10[size_t(hue.decimals)];
    hue.q = (hue.q % turn + turn) % turn;
    if (hue.q == 0 || (chroma && chroma->q == 0))
        hue = {0, 0};
}

// hsl() values of a colour, unrounded: hue in degrees 0..360, saturation and lightness
// in percent.
Vector exact_hsl(const Rgb& c)
{
    const Hsl hsl = to_hsl(c);
    return {hsl.hue, hsl.saturation, hsl.lightness};
}

Vector polar(const Vector& lab)
{
    double hue = std::atan2(lab[2], lab[1]) * 180 / kPi;
    if (hue < 0)
        hue += 360;
    return {lab[0], std::hypot(lab[1], lab[2]), hue};
}

Vector cie_lab_vector(const Rgb& c)
{
    const Vector xyz = times(kD65ToD50, times(kLinearSrgbToXyz, linear_rgb(c)));
    Vector f;
    for (int i = 0; i < 3; ++i) {
        const double x = xyz[size_t(i)] / kD50White[size_t(i)];
        f[size_t(i)] = x > kLabEpsilon ? std::cbrt(x) : (kLabKappa * x + 16) / 116;
    }
    return {116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])};
}

// decode() of a printed component: from a table for those of up to three decimals in 0..1
// (nearly all display-p3 components), worked out once.
double decoded(const Component& c)
{
    constexpr int kTabled = 3;
    constexpr std::array<int64_t, kTabled + 1> kStart = {0, 2, 13, 114};
    static const std::array<double, 1115> table = [&] {
        std::array<double, 1115> t {};
        for (int d = 0; d <= kTabled; ++d)
            for (int64_t q = 0; q <= kPow10[size_t(d)]; ++q)
                t[size_t(kStart[size_t(d)] + q)] = decode(Component {q, d}.value());
        return t;
    }();
    if (c.decimals <= kTabled && c.q >= 0 && c.q <= kPow10[size_t(c.decimals)])
        return table[size_t(kStart[size_t(c.decimals)] + c.q)];
    return decode(c.value());
}

constexpr int kMaxDecimals = 6;
constexpr int kMaxExactDecimals = 3; // the exact readings' bound

// The shortest hsl() or hwb() components by their exact reading, given in counts of
// 1/scale, and the part of it the hue has no say in.
template <bool (*reads_as)(int64_t, int64_t, int64_t, int64_t, const Rgb&),
    bool (*ends_read_as)(int64_t, int64_t, int64_t, const Rgb&)>
Candidate shortest_exact(const Vector& exact, const Rgb& c)
{
    return shortest(
        exact, 0, kMaxExactDecimals, 1,
        [&](const Candidate& t) {
            const int places = places_of(t);
            return reads_as(t[0].at(places), t[1].at(places), t[2].at(places),
                kPow10[size_t(places)], c);
        },
        [&](const Component& x, const Component& y) {
            const int places = std::max(x.decimals, y.decimals);
            return ends_read_as(x.at(places), y.at(places), kPow10[size_t(places)], c);
        });
}

const char* const kNumbers[3] = {"", "", ""};

} // namespace

std::string css_hex_text(const Rgb& c)
{
    const char* const digits = "0123456789abcdef";
    const char text[7] = {'#', digits[(c.red >> 4) & 15], digits[c.red & 15],
        digits[(c.green >> 4) & 15], digits[c.green & 15], digits[(c.blue >> 4) & 15],
        digits[c.blue & 15]};
    return std::string(text, 7);
}

std::optional<std::string> css_short_hex_text(const Rgb& c)
{
    if (c.red % 17 || c.green % 17 || c.blue % 17)
        return std::nullopt;
    const char* const digits = "0123456789abcdef";
    const char text[4]
        = {'#', digits[(c.red / 17) & 15], digits[(c.green / 17) & 15], digits[(c.blue / 17) & 15]};
    return std::string(text, 4);
}

std::string css_rgb_text(const Rgb& c)
{
    const char* const none[3] = {"", "", ""};
    return function_text("rgb", {Component {c.red, 0}, Component {c.green, 0}, Component {c.blue, 0}},
        none, ", ");
}

std::string css_hsl_text(const Rgb& c)
{
    Candidate found = shortest_exact<hsl_reads_as, hsl_ends_read_as>(exact_hsl(c), c);
    tidy_hue(found[0], &found[1]); // no hue without saturation
    const char* const units[3] = {"", "%", "%"};
    return function_text("hsl", found, units, ", ");
}

std::string css_hwb_text(const Rgb& c)
{
    const Vector hsl = exact_hsl(c);
    const Vector exact = {hsl[0], 100 * std::min({c.red, c.green, c.blue}) / 255.0,
        100 * (255 - std::max({c.red, c.green, c.blue})) / 255.0};
    Candidate found = shortest_exact<hwb_reads_as, hwb_ends_read_as>(exact, c);
    // A grey has no hue.
    tidy_hue(found[0], nullptr);
    if (c.red == c.green && c.green == c.blue)
        found[0] = {0, 0};
    const char* const units[3] = {"", "%", "%"};
    return function_text("hwb", found, units, " ");
}

std::string css_lab_text(const Rgb& c)
{
    const Candidate found
        = shortest(cie_lab_vector(c), 1, kMaxDecimals, 0, [&](const Candidate& t) {
              return reads_as(lab_linear(t[0].value(), t[1].value(), t[2].value()), c, NAN);
          });
    return function_text("lab", found, kNumbers, " ");
}

std::string css_lch_text(const Rgb& c)
{
    LastOf hue(hue_vector);
    Candidate found
        = shortest(polar(cie_lab_vector(c)), 1, kMaxDecimals, 0, [&](const Candidate& t) {
              const auto [cos_h, sin_h] = hue(t[2]);
              const double C = t[1].value();
              return reads_as(lab_linear(t[0].value(), C * cos_h, C * sin_h), c, NAN);
          });
    tidy_hue(found[2], &found[1]);
    return function_text("lch", found, kNumbers, " ");
}

std::string css_oklab_text(const Rgb& c)
{
    const Candidate found
        = shortest(oklab_of_linear(linear_rgb(c)), 3, kMaxDecimals, 0, [&](const Candidate& t) {
              const double L = t[0].value();
              return reads_as(oklab_linear(L, t[1].value(), t[2].value()), c, L);
          });
    return function_text("oklab", found, kNumbers, " ");
}

std::string css_oklch_text(const Rgb& c)
{
    LastOf hue(hue_vector);
    Candidate found = shortest(
        polar(oklab_of_linear(linear_rgb(c))), 3, kMaxDecimals, 0, [&](const Candidate& t) {
            const double L = t[0].value(), C = t[1].value();
            const auto [cos_h, sin_h] = hue(t[2]);
            return reads_as(oklab_linear(L, C * cos_h, C * sin_h), c, L);
        });
    tidy_hue(found[2], &found[1]);
    return function_text("oklch", found, kNumbers, " ");
}

std::string css_display_p3_text(const Rgb& c)
{
    const Vector linear = times(tables().srgb_to_p3, linear_rgb(c));
    const Vector exact = {encode(linear[0]), encode(linear[1]), encode(linear[2])};
    const Candidate found = shortest(exact, 3, kMaxDecimals, 0, [&](const Candidate& t) {
        return reads_as(
            p3_linear(decoded(t[0]), decoded(t[1]), decoded(t[2])), c, NAN);
    });
    std::string text = function_text("color(display-p3", found, kNumbers, " ");
    text[16] = ' '; // "color(display-p3 0.945 0.62 0.2)"
    return text;
}

std::string css_custom_property_text(const Rgb& c)
{
    std::string text = "--color: #rrggbb;";
    text.replace(9, 7, css_hex_text(c));
    return text;
}

std::optional<std::string> css_text(CssForm form, const Rgb& c)
{
    switch (form) {
    case CssForm::Hex:
        return css_hex_text(c);
    case CssForm::ShortHex:
        return css_short_hex_text(c);
    case CssForm::Rgb:
        return css_rgb_text(c);
    case CssForm::Hsl:
        return css_hsl_text(c);
    case CssForm::Hwb:
        return css_hwb_text(c);
    case CssForm::Lab:
        return css_lab_text(c);
    case CssForm::Lch:
        return css_lch_text(c);
    case CssForm::Oklab:
        return css_oklab_text(c);
    case CssForm::Oklch:
        return css_oklch_text(c);
    case CssForm::DisplayP3:
        return css_display_p3_text(c);
    case CssForm::CustomProperty:
        return css_custom_property_text(c);
    }
    return std::nullopt;
}

CieLab to_cie_lab(const Rgb& c)
{
    const Vector lab = cie_lab_vector(c);
    return {lab[0], lab[1], lab[2]};
}

double delta_e_2000(const CieLab& x, const CieLab& y)
{
    const auto degrees = [](double radians) { return radians * 180 / kPi; };
    const auto radians = [](double deg) { return deg * kPi / 180; };
    const double pow25_7 = 6103515625.0; // 25^7
    const double c_mean = (std::sqrt(x.a * x.a + x.b * x.b) + std::sqrt(y.a * y.a + y.b * y.b)) / 2;
    const auto seventh = [](double v) {
        const double v2 = v * v, v3 = v2 * v;
        return v3 * v3 * v;
    };
    const double c7 = seventh(c_mean);
    const double g = 0.5 * (1 - std::sqrt(c7 / (c7 + pow25_7)));
    const double a1 = (1 + g) * x.a, a2 = (1 + g) * y.a;
    const double cp1 = std::sqrt(a1 * a1 + x.b * x.b), cp2 = std::sqrt(a2 * a2 + y.b * y.b);
    const auto hue = [&](double b, double a) {
        if (a == 0 && b == 0)
            return 0.0;
        const double h = degrees(std::atan2(b, a));
        return h < 0 ? h + 360 : h;
    };
    const double h1 = hue(x.b, a1), h2 = hue(y.b, a2);
    const double dl = y.L - x.L;
    const double dc = cp2 - cp1;
    double dh = 0;
    if (cp1 * cp2 != 0) {
        dh = h2 - h1;
        if (dh > 180)
            dh -= 360;
        else if (dh < -180)
            dh += 360;
    }
    const double d_hue = 2 * std::sqrt(cp1 * cp2) * std::sin(radians(dh / 2));
    const double l_mean = (x.L + y.L) / 2;
    const double cp_mean = (cp1 + cp2) / 2;
    double h_mean = h1 + h2;
    if (cp1 * cp2 != 0) {
        if (std::abs(h1 - h2) <= 180)
            h_mean = (h1 + h2) / 2;
        else if (h1 + h2 < 360)
            h_mean = (h1 + h2 + 360) / 2;
        else
            h_mean = (h1 + h2 - 360) / 2;
    }
    // T's four cosines from one sine and cosine of the mean hue.
    const double c1 = std::cos(radians(h_mean)), s1 = std::sin(radians(h_mean));
    const double c2 = c1 * c1 - s1 * s1, s2 = 2 * s1 * c1;
    const double c3 = c1 * c2 - s1 * s2, s3 = s1 * c2 + c1 * s2;
    const double c4 = c2 * c2 - s2 * s2, s4 = 2 * s2 * c2;
    const double t = 1 - 0.17 * (c1 * 0.86602540378443865 + s1 * 0.5) + 0.24 * c2
        + 0.32 * (c3 * 0.99452189536827329 - s3 * 0.10452846326765347)
        - 0.20 * (c4 * 0.45399049973954679 + s4 * 0.89100652418836787);
    const double blue = (h_mean - 275) / 25;
    const double d_theta = 30 * std::exp(-blue * blue);
    const double cp7 = seventh(cp_mean);
    const double rc = 2 * std::sqrt(cp7 / (cp7 + pow25_7));
    const double l50 = (l_mean - 50) * (l_mean - 50);
    const double sl = 1 + 0.015 * l50 / std::sqrt(20 + l50);
    const double sc = 1 + 0.045 * cp_mean;
    const double sh = 1 + 0.015 * cp_mean * t;
    const double rt = -std::sin(radians(2 * d_theta)) * rc;
    const double l_term = dl / sl, c_term = dc / sc, h_term = d_hue / sh;
    return std::sqrt(
        std::max(0.0, l_term * l_term + c_term * c_term + h_term * h_term + rt * c_term * h_term));
}

CssNearestName nearest_css_named_color(const Rgb& c)
{
    struct Named {
        CieLab lab;
        double chroma;
    };
    static const std::array<Named, kCssNamedColors.size()> named = [] {
        std::array<Named, kCssNamedColors.size()> n;
        for (size_t i = 0; i < n.size(); ++i) {
            const CieLab lab = to_cie_lab(kCssNamedColors[i].rgb);
            n[i] = {lab, std::hypot(lab.a, lab.b)};
        }
        return n;
    }();
    for (const CssNamedColor& entry : kCssNamedColors)
        if (entry.rgb == c)
            return {entry.name, true, 0};
    const CieLab lab = to_cie_lab(c);
    const double chroma = std::hypot(lab.a, lab.b);
    // A lower bound of the difference, cheap to reckon: the lightness term as it is, and
    // the chroma and hue terms together at least (1 - sin 60 deg) times the plain a, b
    // distance over the largest chroma weight the pair can have.
    // The first guess is the nearest in plain Lab distance.
    std::array<double, kCssNamedColors.size()> bound {};
    size_t first = 0;
    double first_distance = std::numeric_limits<double>::infinity();
    for (size_t i = 0; i < named.size(); ++i) {
        const CieLab& n = named[i].lab;
        const double l_mean = (lab.L + n.L) / 2;
        const double l50 = (l_mean - 50) * (l_mean - 50);
        const double l_term = (lab.L - n.L) / (1 + 0.015 * l50 / std::sqrt(20 + l50));
        const double weight = 1 + 0.0675 * (chroma + named[i].chroma);
        const double da = lab.a - n.a, db = lab.b - n.b;
        bound[i] = l_term * l_term + (1 - 0.8660254) * (da * da + db * db) / (weight * weight);
        const double plain = (lab.L - n.L) * (lab.L - n.L) + da * da + db * db;
        if (plain < first_distance) {
            first = i;
            first_distance = plain;
        }
    }
    CssNearestName best {kCssNamedColors[first].name, false, delta_e_2000(lab, named[first].lab)};
    size_t best_index = first;
    for (size_t i = 0; i < named.size(); ++i) {
        if (i == first || bound[i] >= best.delta_e * best.delta_e)
            continue;
        const double d = delta_e_2000(lab, named[i].lab);
        if (d < best.delta_e || (d == best.delta_e && i < best_index)) {
            best = {kCssNamedColors[i].name, false, d};
            best_index = i;
        }
    }
    return best;
}

} // namespace core
