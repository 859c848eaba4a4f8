#include "storage/palette_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

#include <ostream>

namespace core {
inline void PrintTo(const Swatch& s, std::ostream* os)
{
    *os << s.name << " " << s.rgb.red << "," << s.rgb.green << "," << s.rgb.blue;
}
inline void PrintTo(const Rgb& c, std::ostream* os)
{
    *os << c.red << "," << c.green << "," << c.blue;
}
} // namespace core

using core::Rgb;
using core::Swatch;
using namespace storage;

namespace {

PaletteData sample()
{
    return PaletteData {QStringLiteral("Site \"one\""),
        {{"--brand-500", {0x3b, 0x82, 0xf6}}, {"--ink", {0, 0, 0}}, {"--paper", {255, 255, 255}},
            {"--accent_2", {255, 153, 0}}, {"--café", {0x11, 0x22, 0x33}}}};
}

QString put(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
}

TEST(PaletteFile, BytesAreStableAndReadBack)
{
    const PaletteData p {QStringLiteral("Site"), {{"--brand-500", {0x3b, 0x82, 0xf6}}, {"--ink", {0, 0, 0}}}};
    EXPECT_EQ(palette_file_bytes(p),
        "{\n  \"pigmentor-palette\": 1,\n  \"name\": \"Site\",\n  \"colors\": [\n"
        "    { \"name\": \"--brand-500\", \"value\": \"#3b82f6\" },\n"
        "    { \"name\": \"--ink\", \"value\": \"#000000\" }\n  ]\n}\n");
    EXPECT_EQ(palette_file_bytes(PaletteData {}),
        "{\n  \"pigmentor-palette\": 1,\n  \"name\": \"\",\n  \"colors\": []\n}\n");

    const PaletteRead back = parse_palette_file(palette_file_bytes(sample()));
    ASSERT_TRUE(back.palette) << back.error.toStdString();
    EXPECT_EQ(back.palette->title, sample().title); // quotes escaped and read back
    EXPECT_EQ(back.palette->swatches, sample().swatches);
    // CR LF and any CSS colour form are read too.
    const PaletteRead crlf = parse_palette_file("{\r\n\"pigmentor-palette\": 1,\r\n\"colors\": "
                                                "[{\"name\": \"--o\", \"value\": \"orange\"}]}\r\n");
    ASSERT_TRUE(crlf.palette);
    EXPECT_EQ(crlf.palette->swatches, (std::vector<Swatch> {{"--o", {255, 165, 0}}}));
}

TEST(PaletteFile, BadFilesAreRefusedWithTheirReason)
{
    const std::pair<QByteArray, QString> bad[] = {
        {"", "The file is not a palette: it is not a JSON object."},
        {"[1, 2]", "The file is not a palette: it is not a JSON object."},
        {"{\"colors\": []}", "The file is not a palette: \"pigmentor-palette\" is missing."},
        {"{\"pigmentor-palette\": \"1\", \"colors\": []}",
            "The file is not a palette: \"pigmentor-palette\" is missing."},
        {"{\"pigmentor-palette\": 2, \"colors\": []}",
            "The palette is of a newer version (2) than this Pigmentor reads (1)."},
        {"{\"pigmentor-palette\": 1, \"name\": 5, \"colors\": []}",
            "The palette's \"name\" is not a text."},
        {"{\"pigmentor-palette\": 1, \"colors\": {}}", "The palette has no \"colors\" list."},
        {"{\"pigmentor-palette\": 1, \"colors\": [\"#fff\"]}",
            "Color 1 of the palette needs a \"name\" and a \"value\", both texts."},
        {"{\"pigmentor-palette\": 1, \"colors\": [{\"name\": \"--a\", \"value\": 16777215}]}",
            "Color 1 of the palette needs a \"name\" and a \"value\", both texts."},
        {"{\"pigmentor-palette\": 1, \"colors\": [{\"name\": \"a\", \"value\": \"#fff\"}]}",
            "Color 1 of the palette: \"a\" is not a CSS custom property name. Names start with "
            "-- and hold letters, digits, - and _ only, such as --brand-500."},
        {"{\"pigmentor-palette\": 1, \"colors\": [{\"name\": \"--a\", \"value\": \"#fff\"}, "
         "{\"name\": \"--a\", \"value\": \"#000\"}]}",
            "Color 2 of the palette: The palette already has a color named --a."},
        {"{\"pigmentor-palette\": 1, \"colors\": [{\"name\": \"--a\", \"value\": \"#ff000080\"}]}",
            "Color 1 of the palette: \"#ff000080\" is not an opaque CSS color."},
    };
    for (const auto& [bytes, message] : bad) {
        const PaletteRead r = parse_palette_file(bytes);
        EXPECT_FALSE(r.palette) << bytes.constData();
        EXPECT_EQ(r.error, message) << bytes.constData();
    }
}

TEST(PaletteExport, EveryFormatHasItsBytes)
{
    const PaletteData p {QStringLiteral("Site"),
        {{"--brand-500", {0x3b, 0x82, 0xf6}}, {"--color-ink", {0, 0, 0}}, {"--orange", {255, 153, 0}}}};
    EXPECT_EQ(export_bytes(p, ExportFormat::Css),
        ":root {\n  --brand-500: #3b82f6;\n  --color-ink: #000000;\n  --orange: #ff9900;\n}\n");
    EXPECT_EQ(export_bytes(p, ExportFormat::Css, CssForm::ShortHex),
        ":root {\n  --brand-500: #3b82f6;\n  --color-ink: #000;\n  --orange: #f90;\n}\n");
    EXPECT_EQ(export_bytes(p, ExportFormat::Css, CssForm::Name),
        ":root {\n  --brand-500: #3b82f6;\n  --color-ink: black;\n  --orange: #ff9900;\n}\n");
    EXPECT_EQ(export_bytes(p, ExportFormat::Scss, CssForm::Rgb),
        "$brand-500: rgb(59, 130, 246);\n$color-ink: rgb(0, 0, 0);\n$orange: rgb(255, 153, 0);\n");
    EXPECT_EQ(export_bytes(p, ExportFormat::Tailwind),
        "@theme {\n  --color-brand-500: #3b82f6;\n  --color-ink: #000000;\n"
        "  --color-orange: #ff9900;\n}\n");
    EXPECT_EQ(export_bytes(p, ExportFormat::Tokens, CssForm::Hsl).toStdString(),
        "{\n  \"brand-500\": { \"$type\": \"color\", \"$value\": \"hsl(217.2, 91%, 59.8%)\" },\n"
        "  \"color-ink\": { \"$type\": \"color\", \"$value\": \"hsl(0, 0%, 0%)\" },\n"
        "  \"orange\": { \"$type\": \"color\", \"$value\": \"hsl(36, 100%, 50%)\" }\n}\n");
    EXPECT_EQ(export_bytes(p, ExportFormat::Gpl),
        "GIMP Palette\nName: Site\nColumns: 0\n#\n 59 130 246\tbrand-500\n  0   0   0\tcolor-ink\n"
        "255 153   0\torange\n");
    EXPECT_EQ(export_bytes(p, ExportFormat::Text),
        "#3b82f6 --brand-500\n#000000 --color-ink\n#ff9900 --orange\n");
}

// Every export reads back to the same colours and names (Tailwind's names carry its prefix).
TEST(PaletteImport, EveryExportReadsBack)
{
    const PaletteData p = sample();
    for (CssForm form : {CssForm::Hex, CssForm::ShortHex, CssForm::Rgb, CssForm::Hsl, CssForm::Oklch,
             CssForm::Name}) {
        for (auto [format, file] : {std::pair {ExportFormat::Css, "a.css"}, {ExportFormat::Scss, "a.scss"},
                 {ExportFormat::Tokens, "a.tokens.json"}, {ExportFormat::Gpl, "a.gpl"},
                 {ExportFormat::Text, "a.txt"}, {ExportFormat::Css, "no-ending"},
                 {ExportFormat::Text, "no-ending"}, {ExportFormat::Gpl, "no-ending"}}) {
            if (format == ExportFormat::Gpl && form != CssForm::Hex)
                continue;
            const PaletteRead r = parse_import(export_bytes(p, format, form), QString::fromLatin1(file));
            ASSERT_TRUE(r.palette) << file << " " << r.error.toStdString();
            // Tokens are JSON objects, whose members have no order: they come back sorted.
            std::vector<Swatch> expected = p.swatches;
            if (format == ExportFormat::Tokens)
                std::sort(expected.begin(), expected.end(),
                    [](const Swatch& a, const Swatch& b) { return a.name < b.name; });
            EXPECT_EQ(r.palette->swatches, expected) << file << " form " << int(form);
        }
    }
    const PaletteRead tw = parse_import(export_bytes(p, ExportFormat::Tailwind), QStringLiteral("t.css"));
    ASSERT_TRUE(tw.palette);
    ASSERT_EQ(tw.palette->swatches.size(), p.swatches.size());
    EXPECT_EQ(tw.palette->swatches[0], (Swatch {"--color-brand-500", p.swatches[0].rgb}));
    // The palette file itself is imported too.
    const PaletteRead own = parse_import(palette_file_bytes(p), QStringLiteral("p.json"));
    ASSERT_TRUE(own.palette);
    EXPECT_EQ(own.palette->swatches, p.swatches);
}

TEST(PaletteImport, OtherProgramsFilesAreRead)
{
    const PaletteRead gpl = parse_import("GIMP Palette\r\nName: Web\r\nColumns: 4\r\n# comment\r\n"
                                         "255   0   0 Bright Red\r\n  0 0 255\r\n0 0 254\tBlue\r\n",
        QStringLiteral("w.gpl"));
    ASSERT_TRUE(gpl.palette) << gpl.error.toStdString();
    EXPECT_EQ(gpl.palette->title, "Web");
    EXPECT_EQ(gpl.palette->swatches,
        (std::vector<Swatch> {{"--bright-red", {255, 0, 0}}, {"--blue", {0, 0, 255}}, {"--Blue", {0, 0, 254}}}));

    const PaletteRead css = parse_import(
        "/* --old: red; */\n:root {\n  --space: 4px;\n  --Brand: #3B82F6;\n  --fg: rgb(0 0 0 / 50%);\n}\n"
        ".x { color: var(--Brand); --bg: hsl(0, 0%, 100%) }\n$scss-var: orange !default;\n// $gone: blue;\n",
        QStringLiteral("s.scss"));
    ASSERT_TRUE(css.palette) << css.error.toStdString();
    EXPECT_EQ(css.palette->swatches, (std::vector<Swatch> {{"--Brand", {0x3b, 0x82, 0xf6}},
                                         {"--bg", {255, 255, 255}}, {"--scss-var", {255, 165, 0}}}));

    const PaletteRead tokens = parse_import(R"({
      "color": { "$type": "color",
        "brand": { "500": { "$value": "#3b82f6" }, "600": { "$value": { "colorSpace": "srgb", "components": [0, 0.5, 1] } } },
        "size": { "$type": "dimension", "$value": "4px" } },
      "plain": { "$value": "#fff" },
      "$description": "x" })",
        QStringLiteral("design.json"));
    ASSERT_TRUE(tokens.palette) << tokens.error.toStdString();
    EXPECT_EQ(tokens.palette->swatches, (std::vector<Swatch> {{"--color-brand-500", {0x3b, 0x82, 0xf6}},
                                            {"--color-brand-600", {0, 128, 255}}, {"--plain", {255, 255, 255}}}));

    const PaletteRead list = parse_import("#f90\n\n  rgb(1, 2, 3)  \nteal --sea\n", QStringLiteral("l.txt"));
    ASSERT_TRUE(list.palette) << list.error.toStdString();
    EXPECT_EQ(list.palette->swatches, (std::vector<Swatch> {{"--orange", {255, 153, 0}},
                                          {"--black", {1, 2, 3}}, {"--sea", {0, 128, 128}}}));
}

TEST(PaletteImport, BadFilesOfEachKindAreRefused)
{
    const std::tuple<QByteArray, const char*, QString> bad[] = {
        {"GIMP Palette\n300 0 0 x\n", "a.gpl",
            "Line 2 of the GIMP palette is not three channels 0 to 255 and a name."},
        {"GIMP Palette\nred green blue\n", "a.gpl",
            "Line 2 of the GIMP palette is not three channels 0 to 255 and a name."},
        {"Not a palette\n1 2 3\n", "a.gpl",
            "The file is not a GIMP palette: its first line is not \"GIMP Palette\"."},
        {"GIMP Palette\nName: empty\n", "a.gpl", "No colors were found in this GIMP palette."},
        {":root { --space: 4px; }\n", "a.css", "No colors were found in this style sheet."},
        {"{\"a\": {\"$type\": \"color\", \"$value\": 12}}", "a.json",
            "The color token \"a\" has no opaque sRGB color as its $value."},
        {"{\"a\": {\"$type\": \"color\", \"$value\": {\"colorSpace\": \"srgb\", \"components\": [2, 0, 0]}}}",
            "a.json", "The color token \"a\" has no opaque sRGB color as its $value."},
        {"{\"a\": ", "a.json", "The file is not design tokens: it is not a JSON object."},
        {"{\"a\": {\"$type\": \"dimension\", \"$value\": \"4px\"}}", "a.json",
            "No colors were found in this design tokens file."},
        {"#fff\nnot a colour\n", "a.txt", "Line 2 is not an opaque CSS color: \"not a colour\"."},
        {"#fff --a\n#000 --a\n", "a.txt", "Line 2: The palette already has a color named --a."},
        {QByteArray("\x00\x01\x02garbage", 10), "a.bin",
            "Line 1 is not an opaque CSS color: \"???garbage\"."},
    };
    for (const auto& [bytes, file, message] : bad) {
        const PaletteRead r = parse_import(bytes, QString::fromLatin1(file));
        EXPECT_FALSE(r.palette) << file;
        EXPECT_EQ(r.error, message) << file;
    }
    // No reader hands on more colours than a palette holds (the pair grid grows as its square).
    QByteArray list, css = ":root {\n", file = "{\"pigmentor-palette\": 1, \"colors\": [";
    for (int i = 0; i <= core::kMaxSwatches; ++i) {
        list += "#" + QByteArray::number(0x100000 + i, 16) + "\n";
        css += "--c" + QByteArray::number(i) + ": #123456;\n";
        file += QByteArray(i ? "," : "") + "{\"name\": \"--c" + QByteArray::number(i) + "\", \"value\": \"#fff\"}";
    }
    const QString too_many = "The file holds more than 1000 colors, more than a palette holds.";
    EXPECT_EQ(parse_import(list, QStringLiteral("l.txt")).error, too_many);
    EXPECT_EQ(parse_import(css + "}", QStringLiteral("s.css")).error, too_many);
    EXPECT_EQ(parse_palette_file(file + "]}").error, too_many);
    list.truncate(list.lastIndexOf('#'));
    EXPECT_EQ(parse_import(list, QStringLiteral("l.txt")).palette->swatches.size(), 1000u);

    // Nested groups deeper than any real token file are refused, not recursed into.
    QByteArray deep;
    for (int i = 0; i < 40; ++i)
        deep += "{\"g\": ";
    deep += "{}" + QByteArray(40, '}');
    EXPECT_EQ(parse_import(deep, QStringLiteral("d.json")).error, "The tokens are nested too deeply.");
}

TEST(PaletteRead, FilesAreBoundedAndNamedInTheMessage)
{
    QTemporaryDir dir;
    QByteArray big = ":root {\n";
    while (big.size() <= kPaletteReadLimit)
        big += "  --c: #123456;\n";
    const QString path = put(dir, QStringLiteral("big.css"), big + "}\n");
    const PaletteRead r = read_palette(path, true);
    EXPECT_FALSE(r.palette);
    EXPECT_EQ(r.error, "big.css is larger than 1 MiB, more than any palette needs; it was not read.");

    EXPECT_TRUE(read_palette(dir.filePath(QStringLiteral("missing.json")), false)
                    .error.startsWith(QStringLiteral("missing.json could not be read: ")));
    EXPECT_TRUE(read_palette(dir.path(), false).error.contains(QStringLiteral("could not be read")));
    const QString css = put(dir, QStringLiteral("site.css"), ":root { --a: #fff; }");
    EXPECT_EQ(read_palette(css, false).error,
        "site.css: The file is not a palette: it is not a JSON object.");
    const PaletteRead imported = read_palette(css, true);
    ASSERT_TRUE(imported.palette);
    EXPECT_EQ(imported.palette->title, "site"); // a file without a title is named after itself
}

} // namespace
