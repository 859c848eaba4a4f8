#include "app/command_line.h"

#include "core/css.h"
#include "core/version.h"

#include <QFileInfo>

namespace app {

namespace {

// Qt's options that take a value, and those that stand alone.
const char* const kToolkitValueOptions[] = {"-platform", "-platformpluginpath", "-platformtheme",
    "-plugin", "-qwindowgeometry", "-qwindowicon", "-qwindowtitle", "-session", "-style",
    "-stylesheet", "-display", "-geometry"};
const char* const kToolkitFlags[] = {"-reverse", "-nograb", "-dograb", "-sync", "-widgetcount"};

bool is_one_of(const QString& arg, const char* const* begin, const char* const* end)
{
    for (const char* const* o = begin; o != end; ++o) {
        if (arg == QLatin1String(*o))
            return true;
    }
    return false;
}

bool takes_value(const QString& arg)
{
    return is_one_of(arg, std::begin(kToolkitValueOptions), std::end(kToolkitValueOptions));
}

bool is_flag(const QString& arg)
{
    return is_one_of(arg, std::begin(kToolkitFlags), std::end(kToolkitFlags));
}

CommandLine error(const QString& message)
{
    CommandLine line;
    line.action = CommandLine::Action::Error;
    line.error = QStringLiteral("pigmentor: ") + message;
    return line;
}

} // namespace

FileKind file_kind(const QString& name)
{
    const QString suffix = QFileInfo(name).suffix().toLower();
    if (suffix == QLatin1String("pmt"))
        return FileKind::Color;
    if (suffix == QLatin1String("pmtm"))
        return FileKind::Theme;
    if (suffix == QLatin1String("json"))
        return FileKind::Palette;
    return FileKind::Unknown;
}

CommandLine parse_command_line(const QStringList& args)
{
    CommandLine line;
    line.toolkit_args.append(args.value(0, QStringLiteral("pigmentor")));
    bool options_end = false;
    for (int i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (!options_end && arg == QLatin1String("--")) {
            options_end = true;
            continue;
        }
        if (!options_end && arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
            if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
                line.action = CommandLine::Action::Help;
                return line;
            }
            if (arg == QLatin1String("--version")) {
                line.action = CommandLine::Action::Version;
                return line;
            }
            if (arg == QLatin1String("--color") || arg.startsWith(QLatin1String("--color="))) {
                const bool joined = arg.size() > 7;
                if (!joined && i + 1 >= args.size())
                    return error(QStringLiteral("option '--color' needs a value"));
                const QString value = joined ? arg.mid(8) : args[++i];
                const core::CssColor parsed = core::parse_css_color(value);
                if (parsed.refusal != core::CssRefusal::None)
                    return error(QStringLiteral("'%1' is not a colour Pigmentor can take: %2")
                                     .arg(value.simplified().left(core::kCssMaxLength),
                                         QString::fromStdString(
                                             core::css_refusal_message(parsed.refusal, parsed.needs).text)));
                line.color = value;
                continue;
            }
            // Qt reads its options with one dash or two, and "-style=Fusion" alike.
            const QString bare = arg.startsWith(QLatin1String("--")) ? arg.mid(1) : arg;
            const QString name = bare.section(QLatin1Char('='), 0, 0);
            if (takes_value(name) && name != bare) {
                line.toolkit_args.append(arg);
                continue;
            }
            if (takes_value(name)) {
                if (i + 1 >= args.size())
                    return error(QStringLiteral("option '%1' needs a value").arg(arg));
                line.toolkit_args.append(arg);
                line.toolkit_args.append(args[++i]);
                continue;
            }
            if (is_flag(name) && name == bare) {
                line.toolkit_args.append(arg);
                continue;
            }
            return error(QStringLiteral("unknown option '%1'").arg(arg));
        }
        if (file_kind(arg) == FileKind::Unknown)
            return error(QStringLiteral("'%1' is neither a colour file (.pmt), a theme (.pmtm) nor a palette (.json)")
                             .arg(arg));
        line.files.append(arg);
    }
    return line;
}

QString help_text()
{
    return QStringLiteral(
        "Usage: pigmentor [OPTION]... [FILE]...\n"
        "A colour tool for people who write web pages.\n"
        "\n"
        "Each FILE opens at start: a colour file (.pmt) in the main window, a theme\n"
        "(.pmtm) in the Color Matching Station, a palette (.palette.json, or any .json\n"
        "palette file) in the Palette window. When Pigmentor is already running, its\n"
        "main window comes to the front and opens the files instead.\n"
        "\n"
        "      --color=COLOR  start with COLOR, any CSS colour such as '#ff9900',\n"
        "                     'rgb(255 153 0)', 'oklch(0.77 0.17 65)' or orange; a\n"
        "                     translucent one is flattened onto white\n"
        "  -h, --help         print this help and exit\n"
        "      --version      print the version and exit\n"
        "\n"
        "Qt's own options, such as -style NAME, are handed on to the toolkit.\n"
        "Settings live in $XDG_CONFIG_HOME/pigmentor/ (~/.config/pigmentor/), or beside\n"
        "the program when its folder already holds them (a portable copy).\n");
}

QString version_text()
{
    return QStringLiteral("Pigmentor " PIGMENTOR_VERSION);
}

QString help_hint()
{
    return QStringLiteral("Try 'pigmentor --help' for more information.");
}

QString missing_display(
    const QStringList& toolkit_args, const std::function<QString(const char*)>& env)
{
    QString platform = env("QT_QPA_PLATFORM");
    QString display = env("DISPLAY");
    for (int i = 1; i < toolkit_args.size(); ++i) {
        const QString bare = toolkit_args[i].startsWith(QLatin1String("--"))
            ? toolkit_args[i].mid(1)
            : toolkit_args[i];
        const QString name = bare.section(QLatin1Char('='), 0, 0);
        const QString value
            = name != bare ? bare.section(QLatin1Char('='), 1) : toolkit_args.value(i + 1);
        if (name == QLatin1String("-platform"))
            platform = value;
        else if (name == QLatin1String("-display"))
            display = value;
    }
    // "xcb:arguments", or a list of platforms to try in turn ("wayland;xcb").
    const QStringList platforms = platform.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    bool wants_x = platforms.isEmpty();
    bool wants_wayland = platforms.isEmpty();
    for (const QString& p : platforms) {
        const QString name = p.section(QLatin1Char(':'), 0, 0);
        if (name == QLatin1String("xcb"))
            wants_x = true;
        else if (name.startsWith(QLatin1String("wayland")))
            wants_wayland = true;
        else
            return {}; // offscreen, vnc, eglfs and the like need no display server
    }
    if ((wants_x && !display.isEmpty()) || (wants_wayland && !env("WAYLAND_DISPLAY").isEmpty()))
        return {};
    return QStringLiteral("pigmentor: cannot open a window: no display "
                          "(neither DISPLAY nor WAYLAND_DISPLAY is set)");
}

} // namespace app
