// The CSS copies: their exact texts, the shortest that read back, and every copy of every
// 8-bit colour read back by a reader of its own (below), written from the colour functions'
// definitions rather than from the writers: hsl() and hwb() in exact fractions, the others
// in double precision, each channel rounded half up.
#include "core/css_write.h"

#include "core/css_read.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace {

using core::CssForm;
using core::Rgb;

// ---- A reader of the copies ----

// A decimal number as written (optional sign, digits, at most three decimals), in
// thousandths.
int64_t thousandths(std::string_view text)
{
    int64_t n = 0;
    int decimals = -1;
    bool negative = false;
    for (char c : text) {
        if (c == '-') {
            negative = true;
        } else if (c == '.') {
            decimals = 0;
        } else {
            EXPECT_TRUE(c >= '0' && c <= '9') << text;
            n = n * 10 + (c - '0');
            if (decimals >= 0)
                ++decimals;
        }
    }
    EXPECT_LE(decimals, 3) << text;
    for (int d = std::max(decimals, 0); d < 3; ++d)
        n *= 10;
    return negative ? -n : n;
}

// A number as written, correctly rounded to a double.
double number(std::string_view text)
{
    int64_t n = 0, unit = 1;
    bool negative = false, fraction = false;
    for (char c : text) {
        if (c == '-') {
            negative = true;
        } else if (c == '.') {
            fraction = true;
        } else {
            n = n * 10 + (c - '0');
            if (fraction)
                unit *= 10;
        }
    }
    return double(negative ? -n : n) / double(unit); // both exact, so one rounding
}

// numerator / denominator (a channel 0..1) as 8 bits, half up: floor(255 x + 1/2).
int channel(__int128 numerator, __int128 denominator)
{
    const __int128 twice = 510 * numerator + denominator;
    __int128 q = twice / (2 * denominator);
    if (twice < 0 && q * 2 * denominator != twice)
        --q;
    return int(std::clamp<__int128>(q, 0, 255));
}

// hsl() by the two-temporaries formula, in integers: hue in thousandths of a degree,
// saturation and lightness in thousandths of a percent. Each channel is its numerator
// over kHslDenominator.
constexpr __int128 kUnit = 100000; // 100 %
constexpr __int128 kHslDenominator = kUnit * kUnit * 60000;

std::array<__int128, 3> hsl_numerators(int64_t hue, __int128 sat, __int128 light)
{
    hue %= 360000;
    if (hue < 0)
        hue += 360000;
    const __int128 t2
        = 2 * light <= kUnit ? light * (sat + kUnit) : (light + sat) * kUnit - light * sat;
    const __int128 t1 = 2 * light * kUnit - t2;
    const auto part = [&](int64_t h) -> __int128 {
        if (h < 0)
            h += 360000;
        if (h >= 360000)
            h -= 360000;
        if (h < 60000)
            return (t2 - t1) * h + t1 * 60000;
        if (h < 180000)
            return t2 * 60000;
        if (h < 240000)
            return (t2 - t1) * (240000 - h) + t1 * 60000;
        return t1 * 60000;
    };
    return {part(hue + 120000), part(hue), part(hue - 120000)};
}

// The function's name and its three components, units stripped.
struct Parts {
    std::string_view name;
    std::array<std::string_view, 3> values;
};

Parts split(std::string_view text)
{
    Parts p;
    const size_t open = text.find('(');
    p.name = text.substr(0, open);
    std::string_view inner = text.substr(open + 1, text.size() - open - 2);
    if (p.name == "color") {
        EXPECT_EQ(inner.rfind("display-p3 ", 0), 0u) << text;
        inner = inner.substr(11);
        p.name = "display-p3";
    }
    size_t count = 0;
    for (size_t i = 0; i <= inner.size();) {
        size_t end = i;
        while (end < inner.size() && inner[end] != ' ' && inner[end] != ',' && inner[end] != '%')
            ++end;
        if (end > i) {
            if (count < 3)
                p.values[count] = inner.substr(i, end - i);
            ++count;
        }
        i = end + 1;
    }
    EXPECT_EQ(count, 3u) << text;
    return p;
}

using Vector = std::array<double, 3>;
using Matrix = std::array<Vector, 3>;

Vector mul(const Matrix& m, const Vector& v)
{
    Vector r {};
    for (size_t i = 0; i < 3; ++i)
        r[i] = m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2];
    return r;
}

const Matrix kToSrgb = {{{12831.0 / 3959, -329.0 / 214, -1974.0 / 3959},
    {-851781.0 / 878810, 1648619.0 / 878810, 36519.0 / 878810},
    {705.0 / 12673, -2585.0 / 12673, 705.0 / 667}}};
const Matrix kFromSrgb = {{{506752.0 / 1228815, 87881.0 / 245763, 12673.0 / 70218},
    {87098.0 / 409605, 175762.0 / 245763, 12673.0 / 175545},
    {7918.0 / 409605, 87881.0 / 737289, 1001167.0 / 1053270}}};
const Matrix kP3 = {{{608311.0 / 1250200, 189793.0 / 714400, 198249.0 / 1000160},
    {35783.0 / 156275, 247089.0 / 357200, 198249.0 / 2500400},
    {0.0, 32229.0 / 714400, 5220557.0 / 5000800}}};
const Matrix kBradford = {{{0.955473421488075, -0.02309845494876471, 0.06325924320057072},
    {-0.0283697093338637, 1.0099953980813041, 0.021041441191917323},
    {0.012314014864481998, -0.020507649298898964, 1.330365926242124}}};
const Matrix kOklabLms = {
    {{1.0, 0.3963377773761749, 0.2158037573099136}, {1.0, -0.1055613458156586, -0.0638541728258133},
        {1.0, -0.0894841775298119, -1.2914855480194092}}};
const Matrix kLmsXyz = {{{1.2268798758459243, -0.5578149944602171, 0.2813910456659647},
    {-0.0405757452148008, 1.1122868032803170, -0.0717110580655164},
    {-0.0763729366746601, -0.4214933324022432, 1.5869240198367816}}};
const Matrix kXyzLms = {{{0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
    {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
    {0.0481771893596242, 0.2642395317527308, 0.6335478284694309}}};
const Vector kLmsL = {0.2104542683093140, 0.7936177747023054, -0.0040720430116193};

double to_linear(double v)
{
    const double m = std::abs(v);
    return std::copysign(m <= 0.04045 ? m / 12.92 : std::pow((m + 0.055) / 1.055, 2.4), v);
}

double to_gamma(double v)
{
    const double m = std::abs(v);
    return std::copysign(m <= 0.0031308 ? 12.92 * m : 1.055 * std::pow(m, 1 / 2.4) - 0.055, v);
}

Vector xyz_to_oklab(const Vector& xyz)
{
    Vector lms = mul(kXyzLms, xyz);
    for (double& x : lms)
        x = std::cbrt(x);
    const Matrix to_lab
        = {kLmsL, Vector {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
            Vector {0.0259040424655478, 0.7827717124575296, -0.8086757549230774}};
    return mul(to_lab, lms);
}

// Linear light 0..1 as an 8-bit sRGB channel, floor(255 to_gamma(v) + 1/2).
int eight_bit(double v)
{
    return int(std::floor(to_gamma(v) * 255 + 0.5));
}

// eight_bit() without a power in the sweep: the least linear light of each step, found once
// by halving over the doubles (their bits order the non-negative ones), then looked up.
// Within a hair of a step's edge the formula itself decides.
class EightBitSteps {
public:
    EightBitSteps()
    {
        for (int k = 1; k < 256; ++k) {
            uint64_t low = bits(0.0), high = bits(1.0); // eight_bit(low) < k <= eight_bit(high)
            while (high - low > 1) {
                const uint64_t middle = low + (high - low) / 2;
                (eight_bit(from_bits(middle)) < k ? low : high) = middle;
            }
            edge_[size_t(k)] = from_bits(high);
        }
        edge_[0] = -1;
        edge_[256] = 2;
        for (size_t i = 0; i < first_.size(); ++i) {
            int k = 0;
            while (edge_[size_t(k) + 1] <= double(i) / double(first_.size()))
                ++k;
            first_[i] = k;
        }
    }
    int operator()(double v) const
    {
        if (!(v >= 0 && v <= 1))
            return eight_bit(v);
        int k = first_[std::min(first_.size() - 1, size_t(v * double(first_.size())))];
        while (edge_[size_t(k) + 1] <= v)
            ++k;
        const double hair = 1e-12;
        if (v - edge_[size_t(k)] < hair || edge_[size_t(k) + 1] - v < hair)
            return eight_bit(v);
        return k;
    }

private:
    static uint64_t bits(double x)
    {
        uint64_t b;
        std::memcpy(&b, &x, sizeof b);
        return b;
    }
    static double from_bits(uint64_t b)
    {
        double x;
        std::memcpy(&x, &b, sizeof x);
        return x;
    }
    std::array<double, 257> edge_ {};
    std::array<int, 1024> first_ {};
};

// XYZ (D65) to the screen's sRGB: at or past white or black lightness, white or black;
// outside sRGB, clipped where clipping changes it by less than 0.02 (deltaE OK), else
// nothing (the reader would reduce its chroma, which no copy may need).
std::optional<Rgb> xyz_to_screen(const Vector& xyz)
{
    static const EightBitSteps eight;
    const Vector linear = mul(kToSrgb, xyz);
    const bool inside
        = std::all_of(linear.begin(), linear.end(), [](double v) { return v >= 0 && v <= 1; });
    const bool ends = std::all_of(linear.begin(), linear.end(), [](double v) { return v > 0.8; })
        || std::all_of(linear.begin(), linear.end(), [](double v) { return v < 0.01; });
    if (inside && !ends)
        return Rgb {eight(linear[0]), eight(linear[1]), eight(linear[2])};
    const Vector lab = xyz_to_oklab(xyz);
    if (lab[0] >= 1)
        return Rgb {255, 255, 255};
    if (lab[0] <= 0)
        return Rgb {0, 0, 0};
    Vector clipped = linear;
    for (double& x : clipped)
        x = std::clamp(x, 0.0, 1.0);
    if (clipped != linear) {
        const Vector back = xyz_to_oklab(mul(kFromSrgb, clipped));
        if (std::hypot(back[0] - lab[0], back[1] - lab[1], back[2] - lab[2]) >= 0.02)
            return std::nullopt;
    }
    return Rgb {eight(clipped[0]), eight(clipped[1]), eight(clipped[2])};
}

Vector lab_to_xyz(double L, double a, double b)
{
    const double kappa = 24389.0 / 27, epsilon = 216.0 / 24389;
    const double fy = (L + 16) / 116, fx = a / 500 + fy, fz = fy - b / 200;
    const Vector d50
        = {(fx * fx * fx > epsilon ? fx * fx * fx : (116 * fx - 16) / kappa) * 0.3457 / 0.3585,
            L > kappa * epsilon ? fy * fy * fy : L / kappa,
            (fz * fz * fz > epsilon ? fz * fz * fz : (116 * fz - 16) / kappa)
                * (1.0 - 0.3457 - 0.3585) / 0.3585};
    return mul(kBradford, d50);
}

Vector oklab_to_xyz(double L, double a, double b)
{
    Vector lms = mul(kOklabLms, Vector {L, a, b});
    for (double& x : lms)
        x = x * x * x;
    return mul(kLmsXyz, lms);
}

constexpr double kDegree = 3.14159265358979323846 / 180;

// Reads a copy back; {-1, -1, -1} for a text it does not take.
Rgb reference_read(std::string_view text)
{
    const Rgb refused {-1, -1, -1};
    if (text.rfind("--color: ", 0) == 0 && text.back() == ';')
        return reference_read(text.substr(9, text.size() - 10));
    if (text[0] == '#') {
        const auto digit = [&](size_t i) {
            const char x = text[i];
            if (x >= '0' && x <= '9')
                return x - '0';
            EXPECT_TRUE(x >= 'a' && x <= 'f') << text;
            return x - 'a' + 10;
        };
        if (text.size() == 4)
            return {17 * digit(1), 17 * digit(2), 17 * digit(3)};
        if (text.size() == 7)
            return {16 * digit(1) + digit(2), 16 * digit(3) + digit(4), 16 * digit(5) + digit(6)};
        return refused;
    }
    const Parts p = split(text);
    if (p.name == "rgb")
        return {int(number(p.values[0])), int(number(p.values[1])), int(number(p.values[2]))};
    if (p.name == "hsl") {
        const auto n = hsl_numerators(
            thousandths(p.values[0]), thousandths(p.values[1]), thousandths(p.values[2]));
        return {channel(n[0], kHslDenominator), channel(n[1], kHslDenominator),
            channel(n[2], kHslDenominator)};
    }
    if (p.name == "hwb") {
        const __int128 w = thousandths(p.values[1]), b = thousandths(p.values[2]);
        if (w + b >= kUnit) {
            const int grey = channel(w, w + b);
            return {grey, grey, grey};
        }
        // The pure hue, scaled by 1 - w - b, plus w.
        const auto n = hsl_numerators(thousandths(p.values[0]), kUnit, kUnit / 2);
        const auto mix = [&](__int128 x) {
            return channel(x * (kUnit - w - b) + w * kHslDenominator, kHslDenominator * kUnit);
        };
        return {mix(n[0]), mix(n[1]), mix(n[2])};
    }
    const double v0 = number(p.values[0]), v1 = number(p.values[1]), v2 = number(p.values[2]);
    std::optional<Rgb> screen;
    if (p.name == "lab")
        screen = xyz_to_screen(lab_to_xyz(v0, v1, v2));
    else if (p.name == "lch")
        screen = xyz_to_screen(
            lab_to_xyz(v0, v1 * std::cos(v2 * kDegree), v1 * std::sin(v2 * kDegree)));
    else if (p.name == "oklab")
        screen = xyz_to_screen(oklab_to_xyz(v0, v1, v2));
    else if (p.name == "oklch")
        screen = xyz_to_screen(
            oklab_to_xyz(v0, v1 * std::cos(v2 * kDegree), v1 * std::sin(v2 * kDegree)));
    else if (p.name == "display-p3")
        screen = xyz_to_screen(mul(kP3, Vector {to_linear(v0), to_linear(v1), to_linear(v2)}));
    return screen ? *screen : refused;
}

// The reader the copies are checked with.
Rgb read_back(std::string_view text)
{
    return reference_read(text);
}

// The components of a functional text, and the text with one of them a decimal shorter
// (rounded to nearest), or nothing when it has none.
std::optional<std::string> one_decimal_less(const std::string& text, int component)
{
    size_t start = text.find('(') + 1;
    if (text.rfind("color(", 0) == 0)
        start += 11;
    int index = 0;
    size_t i = start;
    while (i < text.size()) {
        size_t end = text.find_first_of(" ,%)", i);
        if (index == component) {
            const std::string word = text.substr(i, end - i);
            const size_t dot = word.find('.');
            if (dot == std::string::npos)
                return std::nullopt;
            const int decimals = int(word.size() - dot - 1) - 1;
            const double shorter = std::round(std::stod(word) * std::pow(10, decimals));
            char buffer[40];
            std::snprintf(
                buffer, sizeof buffer, "%.*f", decimals, shorter / std::pow(10, decimals));
            std::string s = buffer;
            if (s == "-0")
                s = "0";
            return text.substr(0, i) + s + text.substr(end);
        }
        while (end < text.size() && (text[end] == ' ' || text[end] == ',' || text[end] == '%'))
            ++end;
        i = end;
        ++index;
    }
    return std::nullopt;
}

// ---- Tests ----

TEST(CssWrite, ExactTextsOfEveryForm)
{
    const Rgb orange {255, 153, 0};
    EXPECT_EQ(core::css_hex_text(orange), "#ff9900");
    EXPECT_EQ(core::css_short_hex_text(orange), "#f90");
    EXPECT_FALSE(core::css_short_hex_text({255, 153, 1}));
    EXPECT_EQ(core::css_rgb_text(orange), "rgb(255, 153, 0)");
    EXPECT_EQ(core::css_hsl_text(orange), "hsl(36, 100%, 50%)");
    EXPECT_EQ(core::css_hwb_text(orange), "hwb(36 0% 0%)");
    EXPECT_EQ(core::css_custom_property_text(orange), "--color: #ff9900;");
    // Greys carry no hue, white and black no decimals.
    for (CssForm form : {CssForm::Hsl, CssForm::Hwb, CssForm::Lch, CssForm::Oklch})
        for (int v = 0; v < 256; ++v) {
            const std::string grey = *core::css_text(form, {v, v, v});
            const char* no_hue = form == CssForm::Hsl ? "hsl(0, 0%"
                : form == CssForm::Hwb                ? "hwb(0 "
                                                      : " 0 0)";
            EXPECT_NE(grey.find(no_hue), std::string::npos) << grey;
        }
    const std::pair<Rgb, const char*> ends[] = {{{255, 255, 255}, "1"}, {{0, 0, 0}, "0"}};
    for (const auto& [c, one] : ends) {
        EXPECT_EQ(*core::css_text(CssForm::Oklab, c), "oklab(" + std::string(one) + " 0 0)");
        EXPECT_EQ(*core::css_text(CssForm::Oklch, c), "oklch(" + std::string(one) + " 0 0)");
        EXPECT_EQ(*core::css_text(CssForm::DisplayP3, c),
            "color(display-p3 " + std::string(one) + " " + one + " " + one + ")");
        EXPECT_EQ(*core::css_text(CssForm::Lab, c), c.red ? "lab(100 0 0)" : "lab(0 0 0)");
    }
    EXPECT_EQ(core::css_hsl_text({0, 0, 17}), "hsl(240, 100%, 3.3%)");
    // No sign on a zero, no 360 for a hue.
    for (int v = 0; v < 256; v += 5)
        for (CssForm form : core::kCssForms)
            if (auto t = core::css_text(form, {v, 255 - v, v / 2})) {
                EXPECT_EQ(t->find("-0 "), std::string::npos) << *t;
                EXPECT_EQ(t->find(" 360"), std::string::npos) << *t;
            }
}

// The reader itself: a channel exactly on a half step (127.5) rounds up.
TEST(CssWrite, HalfStepsRoundUpInTheReader)
{
    EXPECT_EQ(read_back("hsl(0, 100%, 50.1%)"), (Rgb {255, 1, 1}));
    EXPECT_EQ(read_back("hsl(0, 0%, 50%)"), (Rgb {128, 128, 128})); // 127.5
    EXPECT_EQ(read_back("hwb(0 50% 50%)"), (Rgb {128, 128, 128}));
    EXPECT_EQ(read_back("hwb(0 60% 60%)"), (Rgb {128, 128, 128}));
    EXPECT_EQ(read_back("rgb(255, 153, 0)"), (Rgb {255, 153, 0}));
    EXPECT_EQ(read_back("oklch(0.628 0.2577 29.23)"), (Rgb {255, 0, 0}));
    EXPECT_EQ(read_back("lab(100 0 0)"), (Rgb {255, 255, 255}));
    EXPECT_EQ(read_back("color(display-p3 1 1 1)"), (Rgb {255, 255, 255}));
}

// Every form of every 8-bit colour reads back as that colour; on a sample, each
// component a decimal shorter no longer does (but for the few kept for safety).
TEST(CssWrite, EveryCopyOfEveryColourReadsBack)
{
    std::atomic<long> failures {0}, longer {0}, checked {0}, own_checked {0};
    std::mutex report;
    std::vector<std::string> examples;
    const auto note = [&](const std::string& line) {
        const std::lock_guard<std::mutex> lock(report);
        if (examples.size() < 12)
            examples.push_back(line);
    };
    // PIGMENTOR_SWEEP_STRIDE=n checks every n-th colour only, for a quick look.
    const char* stride_text = std::getenv("PIGMENTOR_SWEEP_STRIDE");
    const int stride = std::max(1, stride_text ? std::atoi(stride_text) : 1);
    const auto run = [&](int first_red, int step) {
        for (int r = first_red; r < 256; r += step)
            for (int g = 0; g < 256; ++g)
                for (int b = (r * 7 + g) % stride; b < 256; b += stride) {
                    const Rgb c {r, g, b};
                    const int index = (r * 256 + g) * 256 + b;
                    const bool sample = index % 4099 == 0;
                    // A dense sample through the program's own reader too.
                    const bool own = index % 97 == 0;
                    for (CssForm form : core::kCssForms) {
                        const auto text = core::css_text(form, c);
                        if (!text)
                            continue;
                        if (read_back(*text) != c) {
                            ++failures;
                            note(*text + " does not read back as " + core::css_hex_text(c));
                        }
                        if (own) {
                            ++own_checked;
                            const core::CssReading reading = core::read_css_color(*text);
                            if (reading.status != core::CssReading::Status::Color
                                || reading.alpha != 1
                                || core::flatten(reading, {255, 255, 255}) != c) {
                                ++failures;
                                note(*text + " reads back in the program as "
                                    + core::css_hex_text(core::flatten(reading, {255, 255, 255})));
                            }
                        }
                        if (!sample || (*text)[0] == '#' || (*text)[0] == '-'
                            || form == CssForm::Rgb)
                            continue;
                        ++checked;
                        for (int i = 0; i < 3; ++i) {
                            const auto shorter = one_decimal_less(*text, i);
                            if (shorter && read_back(*shorter) == c)
                                ++longer;
                        }
                    }
                }
    };
    const int threads = int(std::max(1u, std::min(8u, std::thread::hardware_concurrency())));
    std::vector<std::thread> pool;
    for (int t = 0; t < threads; ++t)
        pool.emplace_back(run, t, threads);
    for (std::thread& t : pool)
        t.join();
    for (const std::string& line : examples)
        ADD_FAILURE() << line;
    EXPECT_EQ(failures, 0);
    // The writers keep a digit where the shorter text would come within a 500th of a step
    // of a half step, or need clipping near the reader's limit: in about one text of two
    // hundred.
    EXPECT_LT(longer, checked / 100);
    EXPECT_GT(checked, 20000 / stride);
    EXPECT_GT(own_checked, 1500000 / stride);
}

// CIEDE2000: nil for one colour, the same both ways; the nearest name follows it.
TEST(CssWrite, NearestNameByCiede2000)
{
    const core::CieLab x = core::to_cie_lab({22, 27, 3}), y = core::to_cie_lab({25, 25, 112});
    EXPECT_EQ(core::delta_e_2000(x, x), 0);
    EXPECT_DOUBLE_EQ(core::delta_e_2000(x, y), core::delta_e_2000(y, x));
    const core::CssNearestName dark = core::nearest_css_named_color({22, 27, 3});
    EXPECT_STRNE(dark.name, "midnightblue");
    EXPECT_FALSE(dark.exact);
    // The name found is the least distance of all.
    for (const Rgb c : {Rgb {22, 27, 3}, Rgb {255, 140, 1}, Rgb {90, 110, 50}, Rgb {1, 0, 0}}) {
        const core::CssNearestName n = core::nearest_css_named_color(c);
        EXPECT_NEAR(n.delta_e, 0, 100);
        for (const Rgb other : {Rgb {0, 0, 0}, Rgb {25, 25, 112}, Rgb {85, 107, 47}})
            EXPECT_LE(n.delta_e,
                core::delta_e_2000(core::to_cie_lab(c), core::to_cie_lab(other)) + 1e-12);
    }
    EXPECT_STREQ(core::nearest_css_named_color({255, 140, 1}).name, "darkorange");
    EXPECT_STREQ(core::nearest_css_named_color({90, 110, 50}).name, "darkolivegreen");
    const core::CssNearestName cyan = core::nearest_css_named_color({0, 255, 255});
    EXPECT_STREQ(cyan.name, "aqua");
    EXPECT_TRUE(cyan.exact);
    EXPECT_EQ(cyan.delta_e, 0);
}

} // namespace
