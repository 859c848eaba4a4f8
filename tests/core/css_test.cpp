// CSS colour texts: every accepted form, the refusals with their messages, and the
// copies that must convert back to the colour they came from.
#include "core/css.h"
#include "core/css_names.h"
#include "core/oklab.h"

#include <QColor>

#include <gtest/gtest.h>

#include <utility>

namespace {

using core::CssRefusal;
using core::Rgb;

Rgb accepted(const QString& text)
{
    const core::CssColor c = core::parse_css_color(text);
    EXPECT_EQ(c.refusal, CssRefusal::None) << text.toStdString();
    return c.rgb;
}

// Every accepted form: hex, rgb() with commas, spaces, numbers and percentages, hsl() with
// and without units, oklch(), names, case and white space.
TEST(CssParse, AcceptedForms)
{
    const Rgb orange {255, 153, 0}, red {255, 0, 0}, blue {0, 0, 255}, steel {51, 102, 153};
    const std::pair<const char*, Rgb> cases[] = {{"#ABC", {0xAA, 0xBB, 0xCC}},
        {"#abcf", {0xAA, 0xBB, 0xCC}}, {"#FF9900", orange}, {"#0A00ABff", {10, 0, 171}},
        {"rgb(255, 153, 0)", orange}, {"rgb(255,153,0)", orange}, {"rgb(255 153 0)", orange},
        {"RGB( 255 , 153 , 0 )", orange}, {"rgba(255, 153, 0, 1)", orange},
        {"rgba(255, 153, 0, 100%)", orange}, {"rgb(255 153 0 / 1.0)", orange},
        {"rgb(255 153 0/1)", orange}, {"rgb(100%, 0%, 0%)", red}, {"rgb(100% 60% 0%)", orange},
        {"rgb(50%, 50%, 50%)", {128, 128, 128}}, // 127.5 rounds up
        {"rgb(254.6, 0.4, +1e1)", {255, 0, 10}}, {"rgb(none 0 .5e2)", {0, 0, 50}},
        {"hsl(36, 100%, 50%)", orange}, {"hsl(360, 100%, 50%)", red},
        {"hsl(-240, 100%, 50%)", {0, 255, 0}}, {"hsl(120deg, 100%, 25%)", {0, 128, 0}},
        {"hsl(120DEG 100% 25%)", {0, 128, 0}}, {"hsl(0.5turn 100 50)", {0, 255, 255}},
        {"hsla(240, 100%, 50%, 1)", blue}, {"hsl(240 100% 50% / 100%)", blue},
        {"hsl(77, 0%, 100%)", {255, 255, 255}}, {"hsl(77, 55%, 0%)", {0, 0, 0}},
        {"oklch(1 0 0)", {255, 255, 255}}, {"oklch(0% 0 0)", {0, 0, 0}},
        {"oklch(0.628 0.2577 29.23)", red}, {"oklch(62.8% 0.2577 29.23deg / 1)", red},
        {"orange", {255, 165, 0}}, {"RebeccaPurple", {0x66, 0x33, 0x99}},
        {"  DarkSlateGrey\r\n", {47, 79, 79}}, {"\n\t#336699\n", steel},
        {"rgb(51,\n 102,\r\n 153)\n", steel}, {"hsl(\n210\n50%\n40%\n)", steel}};
    for (const auto& [text, rgb] : cases)
        EXPECT_EQ(accepted(text), rgb) << text;
    // Beyond sRGB: the same lightness and hue with less chroma, never a wrapped channel.
    const Rgb wide = accepted("oklch(0.7 0.4 145)");
    EXPECT_LT(wide.red, wide.green);
    EXPECT_LT(wide.blue, wide.green);
    EXPECT_NEAR(core::to_oklab(wide).L, 0.7, 0.01);
}

// Refusals and their messages, which name what is accepted; a text too long to be a colour
// is refused unread.
TEST(CssParse, RefusalsWithTheirMessages)
{
    for (const char* text :
        {"", "   ", "#12345", "#1234567", "#ggg", "##fff", "# fff", "33669", "rgb(10%, 20, 30%)",
            "rgb(1, 2)", "rgb(1, 2, 3, 4, 5)", "rgb(1 2, 3)", "rgb(1, 2, 3 / 1)", "rgb (1, 2, 3)",
            "rgb(1, 2, 3", "rgb(1, 2, 3))", "rgb(1, 2, 3)x", "rgb(1deg, 2, 3)", "rgb(, 2, 3)",
            "rgb(1.,2,3)", "rgb(none, 0, 0)", "hsl(120 50%)", "hsl(120, 50, 50)",
            "hsl(10%, 50%, 50%)", "hsl(120foo, 50%, 50%)", "oklch(0.5, 0.1, 120)",
            "cmyk(0, 0, 0, 0)", "notacolor", "orange orange", "rgb(0 0 0 / )"})
        EXPECT_EQ(core::parse_css_color(text).refusal, CssRefusal::NotAColor) << text;
    for (const char* text : {"#ff000000", "#f000", "rgb(0 0 0 / 0%)", "transparent",
             "rgb(0 0 0 / none)"})
        EXPECT_EQ(core::parse_css_color(text).refusal, CssRefusal::NotOpaque) << text;
    // Values out of range are clamped as CSS clamps them, not refused.
    const std::pair<const char*, Rgb> clamped[] = {{"rgb(256, -1, 0)", {255, 0, 0}},
        {"rgb(101%, 0%, 0%)", {255, 0, 0}}, {"rgb(1e999, 0, 0)", {255, 0, 0}},
        {"hsl(120, 101%, 50%)", {0, 255, 0}}, {"oklch(1.1 0 0)", {255, 255, 255}},
        {"oklch(0.5 -0.1 0)", {99, 99, 99}}, {"rgba(0, 0, 0, 2)", {0, 0, 0}}};
    for (const auto& [text, rgb] : clamped)
        EXPECT_EQ(accepted(text), rgb) << text;
    // A translucent colour is flattened onto the backdrop, white unless told.
    EXPECT_EQ(accepted("rgba(255, 0, 0, 0.5)"), (Rgb {255, 128, 128}));
    const core::CssColor onto = core::parse_css_color("#0000ff80", {255, 255, 0});
    EXPECT_EQ(onto.rgb, (Rgb {127, 127, 128}));
    EXPECT_DOUBLE_EQ(onto.alpha, 128.0 / 255);
    const core::CssColor page = core::parse_css_color("color: var(--brand) !important;");
    EXPECT_EQ(page.refusal, CssRefusal::NeedsContext);
    EXPECT_EQ(page.needs, "var(--brand)");
    for (const QString& long_text : {QString(1024 * 1024, QLatin1Char('a')),
             QStringLiteral("#fff") + QString(1024 * 1024, QLatin1Char(' '))})
        EXPECT_EQ(core::parse_css_color(long_text).refusal, CssRefusal::NotAColor);
    // Within the bound, padding is only white space around a colour.
    EXPECT_EQ(
        accepted(QString(200, QLatin1Char(' ')) + QStringLiteral("#fff")), (Rgb {255, 255, 255}));

    const core::Message form = core::css_refusal_message(CssRefusal::NotAColor);
    EXPECT_EQ(form.title, "Not a CSS Color");
    for (const char* named :
        {"#rgb", "#rrggbb", "rgb()", "rgba()", "hsl()", "hsla()", "oklch()", "color names"})
        EXPECT_NE(form.text.find(named), std::string::npos) << named;
    const core::Message opaque = core::css_refusal_message(CssRefusal::NotOpaque);
    EXPECT_EQ(opaque.title, "Transparent Color");
    EXPECT_NE(opaque.text.find("opaque colors only"), std::string::npos);
    const core::Message context
        = core::css_refusal_message(CssRefusal::NeedsContext, QStringLiteral("currentcolor"));
    EXPECT_EQ(context.title, "Pigmentor");
    EXPECT_EQ(context.icon, core::Icon::Stop);
    EXPECT_NE(context.text.find("from currentcolor, which only a web page can give"),
        std::string::npos);
}

// The copies' exact texts (#rrggbb, #rgb, rgb(), hsl(), oklch()) are checked where the
// windows copy them; here the cases they do not reach.
TEST(CssFormat, TextsAndNames)
{
    EXPECT_FALSE(core::css_short_hex({255, 153, 1}));
    EXPECT_FALSE(core::css_short_hex({0x12, 0x11, 0x11}));
    // Whole numbers wherever they convert back; one decimal where none does.
    EXPECT_EQ(core::css_hsl({0, 0, 17}), "hsl(240, 100%, 3.3%)");
    EXPECT_EQ(core::css_hsl({255, 255, 255}), "hsl(0, 0%, 100%)");
    EXPECT_EQ(core::css_oklch({255, 255, 255}), "oklch(1 0 0)");
    EXPECT_EQ(core::css_oklch({255, 153, 0}), "oklch(0.772 0.174 65)");
    EXPECT_EQ(core::css_name({0, 255, 255}), QStringLiteral("aqua"));
    EXPECT_EQ(core::css_name({0x66, 0x33, 0x99}), QStringLiteral("rebeccapurple"));
    EXPECT_FALSE(core::css_name({255, 153, 0}));
    // The nearest name by CIEDE2000.
    EXPECT_EQ(core::nearest_css_name({255, 140, 1}).name, "darkorange");
    EXPECT_FALSE(core::nearest_css_name({255, 140, 1}).exact);
    EXPECT_EQ(core::nearest_css_name({1, 0, 0}).name, "black");
    EXPECT_EQ(core::nearest_css_name({254, 255, 255}).name, "white");
    // Every name the toolkit knows is read, in any case, as the toolkit's colour.
    for (const QString& name : QColor::colorNames()) {
        const QColor q = QColor::fromString(name);
        if (q.alpha() == 255) {
            EXPECT_EQ(accepted(name.toUpper()), (Rgb {q.red(), q.green(), q.blue()}))
                << name.toStdString();
        }
    }
}

// Every colour of a 16-level grid (4096) comes back from its own hex, rgb(), hsl() and
// oklch() texts, the hsl() text with one decimal at most.
TEST(CssFormat, GridRoundTrips)
{
    for (int r = 0; r < 256; r += 17)
        for (int g = 0; g < 256; g += 17)
            for (int b = 0; b < 256; b += 17) {
                const Rgb c {r, g, b};
                const QString hsl = core::css_hsl(c);
                ASSERT_EQ(accepted(hsl), c) << hsl.toStdString();
                const qsizetype dot = hsl.indexOf(QLatin1Char('.'));
                ASSERT_TRUE(dot < 0 || !hsl[dot + 2].isDigit()) << hsl.toStdString();
                ASSERT_EQ(accepted(core::css_hex(c)), c);
                ASSERT_EQ(accepted(*core::css_short_hex(c)), c);
                ASSERT_EQ(accepted(core::css_rgb(c)), c);
                ASSERT_EQ(accepted(core::css_oklch(c)), c) << core::css_oklch(c).toStdString();
            }
}

} // namespace

// The names table: the toolkit's own list less "transparent", sorted, found in any case.
TEST(CssNames, TableMatchesTheToolkitsNamesAndIsFoundInAnyCase)
{
    for (std::size_t i = 1; i < core::kCssNamedColors.size(); ++i)
        EXPECT_LT(std::string(core::kCssNamedColors[i - 1].name), core::kCssNamedColors[i].name);
    for (const core::CssNamedColor& entry : core::kCssNamedColors) {
        const QColor q = QColor::fromString(QLatin1String(entry.name));
        if (std::string(entry.name) != "rebeccapurple") {
            EXPECT_EQ((Rgb {q.red(), q.green(), q.blue()}), entry.rgb) << entry.name;
        }
    }
    EXPECT_EQ(core::css_named_color("RebeccaPurple"), (Rgb {102, 51, 153}));
    EXPECT_FALSE(core::css_named_color("transparent"));
    EXPECT_FALSE(core::css_named_color("orangered2"));
}
