#include "storage/palette_files.h"

#include "core/css.h"
#include "storage/files.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <cmath>

namespace storage {

namespace {

QString name_of(const core::Swatch& s)
{
    return QString::fromStdString(s.name);
}

// The name without its "--", as SCSS, tokens and palettes of other programs name it.
QString bare_name(const core::Swatch& s)
{
    return name_of(s).mid(2);
}

QByteArray json_string(const QString& text)
{
    const QByteArray array = QJsonDocument(QJsonArray {text}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

PaletteRead refused(const QString& error)
{
    return PaletteRead {std::nullopt, error};
}

// Adds a colour under a name made from any text; a taken name gets a number. False when
// the palette is full.
bool add_named(PaletteData& p, const QString& name, const core::Rgb& rgb)
{
    if (int(p.swatches.size()) >= core::kMaxSwatches)
        return false;
    // A name that is already a custom-property name, with or without its "--", is kept
    // as written; any other text is made into one.
    const QString prefixed = name.startsWith(QLatin1String("--")) ? name : QStringLiteral("--") + name;
    std::string wanted = core::is_custom_property_name(prefixed.toStdString())
        ? prefixed.toStdString()
        : core::to_custom_property_name(name.toStdString());
    std::string final_name = wanted.empty() ? core::default_swatch_name(rgb, p.swatches)
                                            : core::free_name(wanted, p.swatches);
    p.swatches.push_back({final_name, rgb});
    return true;
}

QString too_many()
{
    return QStringLiteral("The file holds more than %1 colors, more than a palette holds.").arg(core::kMaxSwatches);
}

PaletteRead found(PaletteData p, const QString& what)
{
    if (p.swatches.empty())
        return refused(QStringLiteral("No colors were found in this %1.").arg(what));
    return PaletteRead {std::move(p), QString()};
}

// A piece of a file as a message quotes it: short, control characters shown as "?".
QString quoted(const QString& text)
{
    QString shown = text.left(60);
    for (QChar& c : shown)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char('?');
    return shown;
}

std::optional<core::Rgb> css_color(const QString& text)
{
    // A palette holds opaque colours: a translucent one has no backdrop to be flattened on.
    const core::CssColor c = core::parse_css_color(text);
    if (c.refusal != core::CssRefusal::None || c.alpha < 1)
        return std::nullopt;
    return c.rgb;
}

} // namespace

QString css_form_text(const core::Rgb& c, CssForm form)
{
    switch (form) {
    case CssForm::Hex:
        break;
    case CssForm::ShortHex:
        return core::css_short_hex(c).value_or(core::css_hex(c));
    case CssForm::Rgb:
        return core::css_rgb(c);
    case CssForm::Hsl:
        return core::css_hsl(c);
    case CssForm::Oklch:
        return core::css_oklch(c);
    case CssForm::Name:
        return core::css_name(c).value_or(core::css_hex(c));
    }
    return core::css_hex(c);
}

// ---- The palette file ----

QByteArray palette_file_bytes(const PaletteData& palette)
{
    QByteArray out = "{\n  \"" + QByteArray(kPaletteKey) + "\": " + QByteArray::number(kPaletteVersion)
        + ",\n  \"name\": " + json_string(palette.title) + ",\n  \"colors\": [";
    for (size_t i = 0; i < palette.swatches.size(); ++i) {
        const core::Swatch& s = palette.swatches[i];
        out += i == 0 ? "\n" : ",\n";
        out += "    { \"name\": " + json_string(name_of(s)) + ", \"value\": \""
            + core::css_hex(s.rgb).toLatin1() + "\" }";
    }
    out += palette.swatches.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return out;
}

PaletteRead parse_palette_file(const QByteArray& bytes)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (doc.isNull() || !doc.isObject())
        return refused(QStringLiteral("The file is not a palette: it is not a JSON object."));
    const QJsonObject root = doc.object();
    const QJsonValue version = root.value(QLatin1String(kPaletteKey));
    if (!version.isDouble())
        return refused(QStringLiteral("The file is not a palette: \"%1\" is missing.")
                           .arg(QLatin1String(kPaletteKey)));
    if (version.toDouble() != kPaletteVersion)
        return refused(QStringLiteral("The palette is of a newer version (%1) than this Pigmentor reads (%2).")
                           .arg(version.toDouble())
                           .arg(kPaletteVersion));
    const QJsonValue title = root.value(QStringLiteral("name"));
    if (!title.isUndefined() && !title.isString())
        return refused(QStringLiteral("The palette's \"name\" is not a text."));
    const QJsonValue colors = root.value(QStringLiteral("colors"));
    if (!colors.isArray())
        return refused(QStringLiteral("The palette has no \"colors\" list."));
    PaletteData p;
    p.title = title.toString();
    const QJsonArray list = colors.toArray();
    if (list.size() > core::kMaxSwatches)
        return refused(too_many());
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QJsonObject entry = list.at(i).toObject();
        const QJsonValue name = entry.value(QStringLiteral("name"));
        const QJsonValue value = entry.value(QStringLiteral("value"));
        const QString where = QStringLiteral("Color %1 of the palette").arg(i + 1);
        if (!list.at(i).isObject() || !name.isString() || !value.isString())
            return refused(where + QStringLiteral(" needs a \"name\" and a \"value\", both texts."));
        const std::string n = name.toString().toStdString();
        if (auto why = core::name_refusal(n, p.swatches))
            return refused(where + QStringLiteral(": ") + QString::fromStdString(*why));
        const std::optional<core::Rgb> rgb = css_color(value.toString());
        if (!rgb)
            return refused(where + QStringLiteral(": \"%1\" is not an opaque CSS color.")
                                       .arg(quoted(value.toString())));
        p.swatches.push_back({n, *rgb});
    }
    return PaletteRead {std::move(p), QString()};
}

// ---- Export ----

QByteArray export_bytes(const PaletteData& palette, ExportFormat format, CssForm form)
{
    QByteArray out;
    const auto value = [form](const core::Swatch& s) { return css_form_text(s.rgb, form).toUtf8(); };
    switch (format) {
    case ExportFormat::Css:
    case ExportFormat::Tailwind:
        out = format == ExportFormat::Css ? ":root {\n" : "@theme {\n";
        for (const core::Swatch& s : palette.swatches) {
            QString name = name_of(s);
            if (format == ExportFormat::Tailwind && !name.startsWith(QLatin1String("--color-")))
                name = QStringLiteral("--color-") + name.mid(2);
            out += "  " + name.toUtf8() + ": " + value(s) + ";\n";
        }
        out += "}\n";
        break;
    case ExportFormat::Scss:
        for (const core::Swatch& s : palette.swatches)
            out += "$" + bare_name(s).toUtf8() + ": " + value(s) + ";\n";
        break;
    case ExportFormat::Tokens:
        out = "{";
        for (size_t i = 0; i < palette.swatches.size(); ++i) {
            const core::Swatch& s = palette.swatches[i];
            out += (i == 0 ? "\n  " : ",\n  ") + json_string(bare_name(s))
                + ": { \"$type\": \"color\", \"$value\": " + json_string(QString::fromUtf8(value(s)))
                + " }";
        }
        out += palette.swatches.empty() ? "}\n" : "\n}\n";
        break;
    case ExportFormat::Gpl: {
        QString title = palette.title;
        title.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
        out = "GIMP Palette\nName: " + (title.isEmpty() ? QByteArray("Pigmentor") : title.toUtf8())
            + "\nColumns: 0\n#\n";
        for (const core::Swatch& s : palette.swatches)
            out += QStringLiteral("%1 %2 %3\t%4\n")
                       .arg(s.rgb.red, 3)
                       .arg(s.rgb.green, 3)
                       .arg(s.rgb.blue, 3)
                       .arg(bare_name(s))
                       .toUtf8();
        break;
    }
    case ExportFormat::Text:
        for (const core::Swatch& s : palette.swatches)
            out += value(s) + " " + name_of(s).toUtf8() + "\n";
        break;
    }
    return out;
}

// ---- Import ----

PaletteRead parse_gpl(const QByteArray& bytes)
{
    const QList<QByteArray> lines = split_lines(bytes);
    if (lines.isEmpty() || lines.first().trimmed() != "GIMP Palette")
        return refused(QStringLiteral("The file is not a GIMP palette: its first line is not \"GIMP Palette\"."));
    PaletteData p;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString line = QString::fromUtf8(lines[i]).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1String("Name:"))) {
            p.title = line.mid(5).trimmed();
            continue;
        }
        if (line.startsWith(QLatin1String("Columns:")))
            continue;
        static const QRegularExpression row(QStringLiteral("^(\\d{1,3})\\s+(\\d{1,3})\\s+(\\d{1,3})(?:\\s+(.*))?$"));
        const QRegularExpressionMatch m = row.match(line);
        const int r = m.captured(1).toInt(), g = m.captured(2).toInt(), b = m.captured(3).toInt();
        if (!m.hasMatch() || r > 255 || g > 255 || b > 255)
            return refused(QStringLiteral("Line %1 of the GIMP palette is not three channels 0 to 255 and a name.").arg(i + 1));
        if (!add_named(p, m.captured(4), {r, g, b}))
            return refused(too_many());
    }
    return found(std::move(p), QStringLiteral("GIMP palette"));
}

PaletteRead parse_css_variables(const QByteArray& bytes)
{
    QString text = QString::fromUtf8(bytes);
    static const QRegularExpression comments(QStringLiteral("/\\*.*?\\*/"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression line_comments(QStringLiteral("(^|\\s)//[^\\n]*"));
    text.remove(comments).remove(line_comments);
    static const QRegularExpression declaration(
        QStringLiteral("(--|\\$)([A-Za-z0-9_\\-\\x{80}-\\x{10FFFF}]+)\\s*:\\s*([^;{}]+?)\\s*(?:!default\\s*)?(?:;|\\}|$)"),
        QRegularExpression::MultilineOption);
    PaletteData p;
    for (auto it = declaration.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (const std::optional<core::Rgb> rgb = css_color(m.captured(3)); rgb && !add_named(p, m.captured(2), *rgb))
            return refused(too_many());
    }
    return found(std::move(p), QStringLiteral("style sheet"));
}

namespace {

std::optional<core::Rgb> token_color(const QJsonValue& value)
{
    if (value.isString())
        return css_color(value.toString());
    const QJsonObject o = value.toObject();
    if (o.value(QStringLiteral("hex")).isString())
        return css_color(o.value(QStringLiteral("hex")).toString());
    const QJsonArray c = o.value(QStringLiteral("components")).toArray();
    if (o.value(QStringLiteral("colorSpace")).toString() != QLatin1String("srgb") || c.size() != 3)
        return std::nullopt;
    int channels[3];
    for (int i = 0; i < 3; ++i) {
        const double v = c.at(i).toDouble(-1);
        if (!c.at(i).isDouble() || v < 0 || v > 1)
            return std::nullopt;
        channels[i] = int(std::floor(v * 255 + 0.5));
    }
    return core::Rgb {channels[0], channels[1], channels[2]};
}

// Walks a group; false with a message at the first colour token whose value is no colour.
bool walk_tokens(const QJsonObject& group, const QString& path, const QString& inherited,
    PaletteData& p, QString& error, int depth)
{
    if (depth > 32) {
        error = QStringLiteral("The tokens are nested too deeply.");
        return false;
    }
    const QString type = group.value(QStringLiteral("$type")).isString()
        ? group.value(QStringLiteral("$type")).toString()
        : inherited;
    if (group.contains(QStringLiteral("$value"))) {
        if (type != QLatin1String("color") && !type.isEmpty())
            return true;
        const std::optional<core::Rgb> rgb = token_color(group.value(QStringLiteral("$value")));
        if (rgb && !add_named(p, path, *rgb)) {
            error = too_many();
            return false;
        }
        if (!rgb && type == QLatin1String("color")) {
            error = QStringLiteral("The color token \"%1\" has no opaque sRGB color as its $value.").arg(path);
            return false;
        }
        return true;
    }
    for (auto it = group.begin(); it != group.end(); ++it) {
        if (it.key().startsWith(QLatin1Char('$')) || !it.value().isObject())
            continue;
        const QString child = path.isEmpty() ? it.key() : path + QLatin1Char('-') + it.key();
        if (!walk_tokens(it.value().toObject(), child, type, p, error, depth + 1))
            return false;
    }
    return true;
}

} // namespace

PaletteRead parse_tokens(const QByteArray& bytes)
{
    const QJsonDocument doc = QJsonDocument::fromJson(bytes);
    if (!doc.isObject())
        return refused(QStringLiteral("The file is not design tokens: it is not a JSON object."));
    if (doc.object().contains(QLatin1String(kPaletteKey)))
        return parse_palette_file(bytes);
    PaletteData p;
    QString error;
    if (!walk_tokens(doc.object(), QString(), QString(), p, error, 0))
        return refused(error);
    return found(std::move(p), QStringLiteral("design tokens file"));
}

PaletteRead parse_color_list(const QByteArray& bytes)
{
    const QList<QByteArray> lines = split_lines(bytes);
    PaletteData p;
    static const QRegularExpression named(QStringLiteral("^(.*\\S)\\s+(--\\S+)$"));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = QString::fromUtf8(lines[i]).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1String("//")))
            continue;
        QString color = line, name;
        const QRegularExpressionMatch m = named.match(line);
        if (m.hasMatch()) {
            color = m.captured(1);
            name = m.captured(2);
        }
        const std::optional<core::Rgb> rgb = css_color(color);
        if (!rgb)
            return refused(QStringLiteral("Line %1 is not an opaque CSS color: \"%2\".")
                               .arg(i + 1)
                               .arg(quoted(line)));
        if (!name.isEmpty() && core::is_custom_property_name(name.toStdString())) {
            if (auto why = core::name_refusal(name.toStdString(), p.swatches))
                return refused(QStringLiteral("Line %1: %2").arg(i + 1).arg(QString::fromStdString(*why)));
            if (int(p.swatches.size()) >= core::kMaxSwatches)
                return refused(too_many());
            p.swatches.push_back({name.toStdString(), *rgb});
        } else if (!add_named(p, name, *rgb)) {
            return refused(too_many());
        }
    }
    return found(std::move(p), QStringLiteral("list"));
}

PaletteRead parse_import(const QByteArray& bytes, const QString& file_name)
{
    const QString lower = file_name.toLower();
    const QByteArray start = bytes.left(64).trimmed();
    if (start.startsWith("GIMP Palette") || lower.endsWith(QLatin1String(".gpl")))
        return parse_gpl(bytes);
    if (start.startsWith('{') || lower.endsWith(QLatin1String(".json")))
        return parse_tokens(bytes);
    if (lower.endsWith(QLatin1String(".css")) || lower.endsWith(QLatin1String(".scss"))
        || lower.endsWith(QLatin1String(".sass")) || lower.endsWith(QLatin1String(".less")))
        return parse_css_variables(bytes);
    // Any other text: a list of colours when every line is one, else a style sheet.
    PaletteRead list = parse_color_list(bytes);
    if (list.palette)
        return list;
    PaletteRead css = parse_css_variables(bytes);
    return css.palette ? css : list;
}

PaletteRead read_palette(const QString& path, bool import)
{
    const QString shown = QFileInfo(path).fileName();
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        return refused(QStringLiteral("%1 could not be read: %2.").arg(shown, file.errorString()));
    const QByteArray bytes = file.read(kPaletteReadLimit + 1);
    if (bytes.size() > kPaletteReadLimit)
        return refused(QStringLiteral("%1 is larger than 1 MiB, more than any palette needs; it was not read.").arg(shown));
    if (file.error() != QFileDevice::NoError)
        return refused(QStringLiteral("%1 could not be read: %2.").arg(shown, file.errorString()));
    PaletteRead r = import ? parse_import(bytes, path) : parse_palette_file(bytes);
    if (!r.palette)
        r.error = shown + QStringLiteral(": ") + r.error;
    else if (import && r.palette->title.isEmpty())
        r.palette->title = QFileInfo(path).completeBaseName();
    return r;
}

} // namespace storage
