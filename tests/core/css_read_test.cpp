// The CSS colour reader over a corpus written from the CSS Color 4 and 5 grammar: each
// function and syntax, each clamp, each rule that makes a text invalid, the words that need
// a page, and the text authors copy along with a colour.
#include "core/css_read.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>

namespace {

using core::CssReading;
using core::Rgb;
using Status = CssReading::Status;

Rgb over_white(const std::string& text)
{
    const CssReading r = core::read_css_color(text);
    EXPECT_EQ(r.status, Status::Color) << text;
    return core::flatten(r, {255, 255, 255});
}

// Expected colours over white, worked out by tests/core/css_reference.py (exact fractions
// for rgb(), hsl(), hwb() and the matrices; its own Lab, OKLab and gamut mapping).
TEST(CssRead, ColoursOfEveryFunctionAgreeWithTheReference)
{
    const std::pair<const char*, Rgb> cases[] = {
        {"rgb(12.5 0 0)", {13, 0, 0}},
        {"rgb(50%, 25%, 12.5%)", {128, 64, 32}},
        {"rgb(40% 102 20%)", {102, 102, 51}},
        {"rgba(255 0 0 / 0.5)", {255, 128, 128}},
        {"rgb(0 0 255 / 25%)", {191, 191, 255}},
        {"#0000ff80", {127, 127, 255}},
        {"#00f8", {119, 119, 255}},
        {"hsl(210 50% 40%)", {51, 102, 153}},
        {"hsl(1.5rad 60% 45%)", {124, 184, 46}},
        {"hsl(100grad, 80%, 30%)", {77, 138, 15}},
        {"hsl(0.25turn 80 30 / 0.5)", {166, 196, 135}},
        {"hsla(-30, 100%, 50%, 1)", {255, 0, 128}},
        {"hsl(30 -10% 50%)", {128, 128, 128}},
        {"hsl(30 50% 120%)", {255, 255, 255}},
        {"hwb(200 10% 20%)", {26, 145, 204}},
        {"hwb(0 60% 60%)", {128, 128, 128}},
        {"hwb(90deg 0 0 / 50%)", {191, 255, 128}},
        {"lab(50 40 30)", {187, 88, 70}},
        {"lab(75% 50% -20%)", {255, 142, 228}},
        {"lab(-10 0 0)", {0, 0, 0}},
        {"lab(150 0 0)", {255, 255, 255}},
        {"lch(50 60 30)", {202, 73, 72}},
        {"lch(60% 40% 0.5turn)", {0, 165, 142}},
        {"lch(50 -20 30)", {119, 119, 119}},
        {"lch(70 100 140)", {0, 200, 39}},
        {"oklab(0.5 0.1 -0.1)", {129, 69, 154}},
        {"oklab(60% 25% -50%)", {145, 85, 242}},
        {"oklch(0.7 0.15 200)", {0, 183, 192}},
        {"oklch(70% 50% 45deg)", {254, 106, 0}},
        {"oklch(0.9 0.4 145)", {83, 255, 105}},
        {"oklch(1.2 0.1 0)", {255, 255, 255}},
        {"color(srgb 0.2 0.4 0.6)", {51, 102, 153}},
        {"color(srgb 20% 40% 60%)", {51, 102, 153}},
        {"color(srgb-linear 0.2 0.4 0.6)", {124, 170, 203}},
        {"color(display-p3 0.2 0.4 0.6)", {27, 104, 157}},
        {"color(display-p3 1 0 0)", {255, 11, 12}},
        {"color(display-p3 0 1 0)", {0, 251, 41}},
        {"color(a98-rgb 0.2 0.4 0.6)", {0, 102, 156}},
        {"color(prophoto-rgb 0.2 0.4 0.6)", {0, 122, 144}},
        {"color(rec2020 0.2 0.4 0.6)", {0, 119, 165}},
        {"color(rec2020 0 0 1)", {0, 81, 147}},
        {"color(xyz 0.2 0.3 0.4)", {0, 167, 164}},
        {"color(xyz-d65 0.2 0.3 0.4)", {0, 167, 164}},
        {"color(xyz-d50 0.2 0.3 0.4)", {0, 168, 188}},
        {"color(srgb 1.5 0.5 0.5)", {255, 216, 211}},
        {"rgb(from #336699 r g calc(b - 53))", {51, 102, 100}},
        {"rgb(from rgb(10 20 30 / 0.5) b g r)", {143, 138, 133}},
        {"rgb(from red r g b / calc(alpha / 4))", {255, 191, 191}},
        {"hsl(from rgb(51 102 153) calc(h + 180) s l)", {153, 102, 51}},
        {"hwb(from hsl(120 100% 50%) h calc(w + 20) b)", {51, 255, 51}},
        {"lab(from lab(50 20 30) l calc(a * 2) b)", {187, 88, 70}},
        {"oklch(from oklch(0.7 0.1 100) calc(l - 0.1) c h)", {142, 129, 51}},
        {"oklab(from oklab(0.5 0.1 0.1) l b a)", {161, 66, 3}},
        {"color(from color(display-p3 0.2 0.4 0.6) display-p3 b g r)", {162, 99, 38}},
        {"color(from color(xyz 0.2 0.3 0.4) xyz x calc(y + 0.1) z)", {0, 192, 161}},
        {"rgb(from rgb(from #000 calc(r + 10) g b) calc(r * 2) g b)", {20, 0, 0}},
        {"color-mix(in srgb, red, blue)", {128, 0, 128}},
        {"color-mix(in srgb, red 25%, blue)", {64, 0, 191}},
        {"color-mix(in srgb, red 20%, blue 60%)", {102, 51, 204}},
        {"color-mix(in srgb, 30% red, blue 90%)", {64, 0, 191}},
        {"color-mix(in srgb, rgb(255 0 0 / 0.5), blue)", {128, 64, 191}},
        {"color-mix(in srgb-linear, red, blue)", {188, 0, 188}},
        {"color-mix(in hsl, hsl(10 50% 50%), hsl(350 50% 50%))", {191, 64, 64}},
        {"color-mix(in hsl longer hue, hsl(10 50% 50%), hsl(350 50% 50%))", {64, 191, 191}},
        {"color-mix(in hsl increasing hue, hsl(350 50% 50%), hsl(10 50% 50%))", {191, 64, 64}},
        {"color-mix(in hsl decreasing hue, hsl(350 50% 50%), hsl(10 50% 50%))", {64, 191, 191}},
        {"color-mix(in hwb, hwb(none 10% 10%), hwb(120 30% 30%))", {51, 204, 51}},
        {"color-mix(in lab, lab(40 10 20), lab(60 30 -20))", {151, 106, 120}},
        {"color-mix(in lch, lch(50 20 none), lch(70 40 120))", {130, 152, 97}},
        {"color-mix(in oklab, oklab(0.4 0.1 0), oklab(0.6 0 0.1) 75%)", {142, 106, 59}},
        {"color-mix(in oklch, oklch(0.5 0.1 20), oklch(0.7 0.1 60))", {179, 107, 81}},
        {"color-mix(in oklch, white, oklch(0.6 0.1 200))", {152, 200, 202}},
        {"color-mix(in xyz, color(xyz 0.2 0.2 0.2), color(xyz 0.4 0.4 0.4))", {162, 145, 143}},
        {"color-mix(in xyz-d50, color(xyz-d50 0.2 0.2 0.2), color(xyz-d50 0.4 0.4 0.4))",
            {151, 147, 165}},
        {"color-mix(in display-p3, color(display-p3 0 0 0), color(display-p3 0.4 0.8 0.6))",
            {27, 104, 74}},
        {"color-mix(in a98-rgb, color(a98-rgb 0.2 0.2 0.2), color(a98-rgb 0.4 0.6 0.8))",
            {60, 102, 130}},
        {"color-mix(in prophoto-rgb, color(prophoto-rgb 0.2 0.2 0.2), color(prophoto-rgb 0.4 0.6 "
         "0.8))",
            {16, 126, 150}},
        {"color-mix(in rec2020, color(rec2020 0.2 0.2 0.2), color(rec2020 0.4 0.6 0.8))",
            {66, 118, 142}},
        {"color-mix(in srgb, red calc(10% * 5), blue)", {128, 0, 128}},
        {"color-mix(in srgb-linear, #336699, #f90)", {190, 131, 111}},
        {"color-mix(in display-p3, #336699, #f90)", {157, 128, 99}},
        {"color-mix(in a98-rgb, #336699, #f90)", {162, 128, 91}},
        {"color-mix(in prophoto-rgb, #336699, #f90)", {176, 129, 104}},
        {"color-mix(in rec2020, #336699, #f90)", {165, 129, 100}},
        {"color-mix(in xyz, #336699, #f90)", {190, 131, 111}},
        {"color-mix(in xyz-d50, #336699, #f90)", {190, 131, 111}},
        {"color-mix(in lab, #336699, #f90)", {171, 128, 100}},
        {"color-mix(in lch, #336699, #f90)", {218, 90, 167}},
        {"color-mix(in oklab, #336699, #f90)", {157, 133, 117}},
        {"color-mix(in oklch, #336699, #f90)", {190, 104, 168}},
        {"rgb(calc(255 / 2) calc(2 * 50) calc((10 + 20) * 2))", {128, 100, 60}},
        {"rgb(calc(infinity) calc(-infinity) calc(NaN))", {255, 0, 0}},
        {"rgb(min(10, 20) max(10%, 20%) clamp(0, 300, 128))", {10, 51, 128}},
        {"hsl(calc(90deg + 0.25turn) 50% 50%)", {64, 191, 191}},
        {"hsl(calc(pi * 1rad) 50% 50%)", {64, 191, 191}},
        {"rgb(calc(e * 10) 0 0)", {27, 0, 0}},
        {"rgb(0 0 0 / calc(50% + 25%))", {64, 64, 64}},
        {"rgb(calc(1 / 0) 0 0)", {255, 0, 0}},
    };
    for (const auto& [text, rgb] : cases)
        EXPECT_EQ(over_white(text), rgb) << text;
}

// A colour taken into every space by a relative colour, and out again, is the same colour.
TEST(CssRead, RelativeColoursRoundTripThroughEverySpace)
{
    for (const char* text :
        {"color(from #336699 srgb r g b)", "color(from #336699 srgb-linear r g b)",
            "color(from #336699 display-p3 r g b)", "color(from #336699 a98-rgb r g b)",
            "color(from #336699 prophoto-rgb r g b)", "color(from #336699 rec2020 r g b)",
            "color(from #336699 xyz x y z)", "color(from #336699 xyz-d50 x y z)",
            "color(from #336699 xyz-d65 x y z)", "lab(from #336699 l a b)",
            "lch(from #336699 l c h)", "oklab(from #336699 l a b)", "oklch(from #336699 l c h)",
            "hsl(from #336699 h s l)", "hwb(from #336699 h w b)", "rgb(from #336699 r g b)"})
        EXPECT_EQ(over_white(text), (Rgb {51, 102, 153})) << text;
}

// Forms and clamps whose colour is plain: names, hex, legacy and modern syntax, none, case.
TEST(CssRead, PlainFormsAndClampsReadAsBrowsersReadThem)
{
    const Rgb orange {255, 153, 0};
    const std::pair<const char*, Rgb> cases[] = {{"#f90", orange}, {"#F90F", orange},
        {"#FF9900", orange}, {"#ff9900ff", orange}, {"rgb(255,153,0)", orange},
        {"rgba(255 153 0)", orange}, {"RGB(100% 60% 0%)", orange}, {"rgb(255 153 0 / 1)", orange},
        {"rgb(255 153 0 / 2)", orange}, {"rgb(255, 153, 0, 150%)", orange},
        {"hsla(36 100% 50%)", orange}, {"hsl(36deg, 100%, 50%)", orange}, {"OrAnGe", {255, 165, 0}},
        {"rebeccapurple", {102, 51, 153}}, {"RGB(FROM #F90 R G B / ALPHA)", orange},
        {"COLOR-MIX(IN SRGB, RED 25%, BLUE)", {64, 0, 191}}, {"HSL(0.1TURN 100% 50%)", orange},
        // Clamped where CSS clamps: rgb channels, hsl saturation and lightness, lab L.
        {"rgb(300, -20, 127.5)", {255, 0, 128}}, {"rgb(120%, -5%, 50%)", {255, 0, 128}},
        {"rgb(1e999 0 0)", {255, 0, 0}}, {"oklch(-0.5 0.2 30)", {0, 0, 0}},
        // hsl(): a negative saturation is 0; anything else beyond sRGB is clipped there.
        {"hsl(0, 120%, 50%)", {255, 0, 0}}, {"hsl(0 120% 30%)", {168, 0, 0}},
        {"hsl(30 -50% 40%)", {102, 102, 102}}, {"hsl(0 100% -50%)", {0, 0, 0}},
        {"hwb(0 -20% 0%)", {255, 0, 0}}, {"lab(100 0 0 / 1)", {255, 255, 255}},
        // none is zero; tokens need no white space between them.
        {"rgb(none 153 none)", {0, 153, 0}}, {"hsl(none 0% 100%)", {255, 255, 255}},
        {"rgb(1-2-3)", {1, 0, 0}}, {"rgb(+1 .5e1 5E-0)", {1, 5, 5}},
        // var() takes its fallback, nested ones too.
        {"var(--brand, #f90)", orange}, {"var(--a, var(--b, rgb(255 153 0)))", orange},
        {"rgb(var(--r, 255) 153 0)", orange},
        // color-mix() of one colour or of more than two, and without a method (OKLab).
        {"color-mix(in srgb, red 50%)", {255, 128, 128}},
        {"color-mix(in srgb, red, blue, lime)", {85, 85, 85}},
        {"color-mix(in srgb, red 20%, blue 20%, lime)", {51, 153, 51}},
        {"color-mix(in srgb, red 10%, blue 10%)", {230, 204, 230}},
        {"color-mix(#f90, #f90 30%)", orange},
        // Infinite calculations: a hue of 0deg, other channels at their ends.
        {"hsl(calc(infinity) 100% 50%)", {255, 0, 0}},
        {"hsl(calc(-infinity * 1deg) 100% 50% / calc(infinity))", {255, 0, 0}},
        {"color-mix(in srgb, red calc(infinity * 1%), blue)", {255, 0, 0}},
        {"lab(calc(infinity) calc(NaN) 0)", {255, 255, 255}}};
    for (const auto& [text, rgb] : cases)
        EXPECT_EQ(over_white(text), rgb) << text;
}

// What authors copy along: property names (CSS, Sass, Less, quoted keys), comments,
// !important, quotes, trailing commas, line feeds and bare hex digits.
TEST(CssRead, TheTextAroundAPastedColourIsStripped)
{
    for (const char* text : {"color: #336699;", "background-color:#336699 !important;",
             "  --brand : rgb(51 102 153) ;\n", "\"#336699\"", "'hsl(210 50% 40%)';",
             "/* brand */ #336699 /* blue */", "border-color: rgb(51, /* g */ 102, 153)!important",
             "336699", "`#369`", "369", "color: 369f;", "\xC2\xA0#336699\xC2\xA0",
             "\xEF\xBB\xBFrgb(51\xC2\xA0"
             "102 153)",
             "$brand: #336699;", "@brand: #369;", "\"brand\": \"#336699\",",
             "'brand' : 'rgb(51, 102, 153)',"})
        EXPECT_EQ(over_white(text), (Rgb {51, 102, 153})) << text;
    for (const char* text : {"33669", "3366990", "#369 #369", "color: red; color: blue",
             "color red", "!important", ";", "\"brand\" #369", "$: #369", ""})
        EXPECT_EQ(core::read_css_color(text).status, Status::Invalid) << text;
}

TEST(CssRead, InvalidTextsAreRefused)
{
    for (const char* text : {// Legacy syntax: no mixing, no none, no slash, only rgb and hsl.
             "rgb(10%, 20, 30%)", "rgb(none, 0, 0)", "rgb(0, 0, 0 / 1)", "rgb(0 0, 0)",
             "hsl(120, 50, 50)", "hsl(120, 50%, 50%, none)", "hwb(120, 10%, 10%)",
             "lab(50, 10, 10)", "oklch(0.5, 0.1, 120)", "color(srgb, 1, 0, 0)",
             // Wrong counts, units and types.
             "rgb(1 2)", "rgb(1 2 3 4)", "rgb(1 2 3 / 1 / 1)", "rgb(1deg 0 0)", "hsl(10% 50% 50%)",
             "hsl(120foo 50% 50%)", "lab(50 10deg 10)", "oklch(0.5 0.1 10%)", "rgb(0 0 0 / 1deg)",
             "rgb()", "rgb(1, 2, 3", "rgb(1, 2, 3))", "rgb (1 2 3)", "rgb(1.,2,3)", "rgb(#fff)",
             "#12345", "#ggg", "##fff", "# fff", "cmyk(0 0 0 0)", "notacolor", "red red",
             "color(srgb 1 0)", "color(srgb 1 0 0 0)", "color(lab 50 0 0)", "color(1 0 0)",
             "color(display-p3 1deg 0 0)",
             // calc(): white space around + and -, types that do not add, bare constants.
             "rgb(calc(1 +2) 0 0)", "rgb(calc(1+2) 0 0)", "rgb(calc(10% + 10) 0 0)",
             "hsl(calc(10deg + 10) 50% 50%)", "rgb(calc(10% * 10%) 0 0)", "rgb(calc(1 / 2%) 0 0)",
             "rgb(calc() 0 0)", "rgb(calc(1, 2) 0 0)", "rgb(clamp(1, 2) 0 0)", "rgb(pi 0 0)",
             "rgb(calc(none) 0 0)", "rgb(calc(r) 0 0)", "calc(1)",
             // Relative colours: modern syntax, own keywords only.
             "rgb(from red r, g, b)", "rgb(from red h s l)", "lch(from red l c h / a)",
             "rgb(from r g b)", "rgb(from red)",
             "lch(from lch(50 60 30) l c calc(h + 0.5turn / 1deg))", "color(from red r g b)",
             "color(from red xyz r g b)",
             // color-mix(): methods, spaces, percentages.
             "color-mix(in srgb red, blue)", "color-mix(in srgb longer hue, red, blue)",
             "color-mix(in oklch shorter, red, blue)", "color-mix(in cmyk, red, blue)",
             "color-mix(in srgb, red 0%, blue 0%)", "color-mix(in srgb, red 101%, blue)",
             "color-mix(in srgb, red -1%, blue)", "color-mix(in srgb, red 50, blue)",
             "color-mix(in srgb, red 10% 20%, blue)",
             // var() needs a custom property name.
             "var(brand, red)", "var(--x red)", "var(--x, red"})
        EXPECT_EQ(core::read_css_color(text).status, Status::Invalid) << text;
}

// currentcolor, system colours and var() without a fallback need a page; transparent and
// alpha 0 are transparent.
TEST(CssRead, ContextAndTransparency)
{
    const std::pair<const char*, const char*> needs[] = {{"currentColor", "currentcolor"},
        {"canvastext", "CanvasText"}, {"color: Highlight;", "Highlight"},
        {"var(--Brand)", "var(--Brand)"}, {"rgb(var(--r) 0 0)", "var(--r)"},
        {"color-mix(in srgb, currentcolor, red)", "currentcolor"},
        {"rgb(from var(--x) r g b)", "var(--x)"}, {"color: inherit;", "inherit"}};
    for (const auto& [text, word] : needs) {
        const CssReading r = core::read_css_color(text);
        EXPECT_EQ(r.status, Status::NeedsContext) << text;
        EXPECT_EQ(r.needs, word) << text;
    }
    for (const char* text : {"transparent", "TRANSPARENT", "#0000", "rgb(255 0 0 / 0)",
             "rgba(255, 0, 0, -1)", "rgb(0 0 0 / none)", "hsl(0 0% 0% / calc(NaN))",
             "color-mix(in srgb, transparent, rgb(0 0 0 / 0))"})
        EXPECT_EQ(core::read_css_color(text).status, Status::Transparent) << text;
    // A colour mixed with transparent keeps its channels, at half its alpha.
    const CssReading half = core::read_css_color("color-mix(in srgb, transparent, #336699)");
    EXPECT_DOUBLE_EQ(half.alpha, 0.5);
    EXPECT_EQ(core::flatten(half, {0, 0, 0}), (Rgb {26, 51, 77}));
}

// Flattening composites in sRGB and rounds halves up; a reading without a colour leaves
// the backdrop as it is.
TEST(CssRead, FlattensOntoTheBackdrop)
{
    const CssReading half = core::read_css_color("rgb(0 0 0 / 0.5)");
    EXPECT_EQ(core::flatten(half, {255, 255, 255}), (Rgb {128, 128, 128}));
    EXPECT_EQ(core::flatten(half, {1, 2, 255}), (Rgb {1, 1, 128}));
    EXPECT_EQ(core::flatten(core::read_css_color("#ff000080"), {0, 0, 255}), (Rgb {128, 0, 127}));
    EXPECT_EQ(core::flatten(core::read_css_color("nope"), {1, 2, 3}), (Rgb {1, 2, 3}));
}

// Every 8-bit colour reads back from its own #rrggbb and rgb() texts.
TEST(CssRead, EveryHexAndRgbTextReadsBack)
{
    char text[32];
    for (int v = 0; v < 1 << 24; v += 97) {
        const Rgb c {v >> 16, (v >> 8) & 255, v & 255};
        std::snprintf(text, sizeof text, "#%02x%02x%02x", c.red, c.green, c.blue);
        ASSERT_EQ(over_white(text), c) << text;
        std::snprintf(text, sizeof text, "rgb(%d %d %d)", c.red, c.green, c.blue);
        ASSERT_EQ(over_white(text), c) << text;
    }
}

// Deep nesting and long texts are refused, never a crashed stack.
TEST(CssRead, NestingAndLengthAreBounded)
{
    std::string deep = "red";
    for (int i = 0; i < 200; ++i)
        deep = "rgb(from " + deep + " r g b)";
    EXPECT_EQ(core::read_css_color(deep).status, Status::Invalid);
    std::string nested = "1";
    for (int i = 0; i < 200; ++i)
        nested = "calc(" + nested + ")";
    EXPECT_EQ(core::read_css_color("rgb(" + nested + " 0 0)").status, Status::Invalid);
    EXPECT_EQ(over_white("rgb(calc(calc(calc(1))) 0 0)"), (Rgb {1, 0, 0}));
    EXPECT_EQ(core::read_css_color(std::string(5000, ' ') + "red").status, Status::Invalid);
    EXPECT_EQ(over_white(std::string(4000, ' ') + "red"), (Rgb {255, 0, 0}));
}

} // namespace
