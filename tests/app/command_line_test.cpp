#include "app/command_line.h"

#include <QMap>

#include <gtest/gtest.h>

using app::CommandLine;
using app::parse_command_line;
using Action = app::CommandLine::Action;

namespace {

CommandLine parse(const QStringList& args)
{
    return parse_command_line(QStringList {QStringLiteral("/usr/bin/pigmentor")} + args);
}

} // namespace

// Help and version win wherever they stand; anything else unknown is a one-line error.
// (The exit codes and the texts printed, help, version, hint and the missing display's
// line, are checked on the real program, end to end.)
TEST(CommandLine, ActionsOneLineErrorsFilesInOrderAndToolkitOptionsPassedOn)
{
    const struct {
        QStringList args;
        Action action;
        const char* error;
    } cases[] = {{{}, Action::Run, ""}, {{"--help"}, Action::Help, ""}, {{"-h"}, Action::Help, ""},
        {{"a.pmt", "--version"}, Action::Version, ""},
        {{"a.pmt", "--frobnicate"}, Action::Error, "pigmentor: unknown option '--frobnicate'"},
        {{"-v"}, Action::Error, "pigmentor: unknown option '-v'"},
        {{"-style=Fusion=x", "--helpme"}, Action::Error, "pigmentor: unknown option '--helpme'"},
        {{"-style"}, Action::Error, "pigmentor: option '-style' needs a value"},
        // A flag of Qt's never takes a value ("-reverse=1" is nothing Qt knows).
        {{"-reverse=1"}, Action::Error, "pigmentor: unknown option '-reverse=1'"},
        {{"notes.txt"}, Action::Error,
            "pigmentor: 'notes.txt' is neither a colour file (.pmt), a theme (.pmtm) nor a palette (.json)"},
        {{"-"}, Action::Error,
            "pigmentor: '-' is neither a colour file (.pmt), a theme (.pmtm) nor a palette (.json)"},
        {{"--color"}, Action::Error, "pigmentor: option '--color' needs a value"},
        // A colour the program cannot take is told at once, with the paste's reason.
        {{"--color=rgb(1, 2)"}, Action::Error,
            "pigmentor: 'rgb(1, 2)' is not a colour Pigmentor can take: The clipboard does not "
            "hold a CSS color. Pigmentor accepts #rgb, #rrggbb, rgb(), rgba(), hsl(), hsla(), "
            "oklch() and CSS color names, for example #ff9900, rgb(255, 153, 0), hsl(36, 100%, "
            "50%) or orange."}};
    for (const auto& c : cases) {
        const CommandLine line = parse(c.args);
        EXPECT_EQ(line.action, c.action) << c.error;
        EXPECT_EQ(line.error, c.error);
    }

    const CommandLine good = parse({"-style", "Fusion", "one.pmt", "--platform=offscreen", "b.PMTM",
        "-reverse", "dir.v2/c.pmt", "--", "--help.pmt", "-x.PMTM"});
    ASSERT_EQ(good.action, Action::Run);
    // After "--" everything is a file name, even one that looks like an option.
    EXPECT_EQ(
        good.files, (QStringList {"one.pmt", "b.PMTM", "dir.v2/c.pmt", "--help.pmt", "-x.PMTM"}));
    EXPECT_EQ(good.toolkit_args,
        (QStringList {
            "/usr/bin/pigmentor", "-style", "Fusion", "--platform=offscreen", "-reverse"}));
    EXPECT_TRUE(good.color.isEmpty());
    // --color takes its value joined or apart; the last one given counts.
    EXPECT_EQ(parse({"--color", "oklch(0.7 0.1 200)", "a.pmt"}).color, "oklch(0.7 0.1 200)");
    EXPECT_EQ(parse({"--color=#336699", "--color=orange"}).color, "orange");
    EXPECT_EQ(parse({"--color=#336699"}).files, QStringList());
    EXPECT_EQ(app::file_kind("x.pmtx"), app::FileKind::Unknown);
    EXPECT_EQ(app::file_kind("pmt"), app::FileKind::Unknown);
    EXPECT_EQ(app::file_kind("site.palette.JSON"), app::FileKind::Palette);
}

// No display is found before the toolkit aborts; platforms without a display server, by
// variable or by option, never need one.
TEST(CommandLine, NoDisplayIsFoundBeforeTheToolkitAborts)
{
    const QString wl = QStringLiteral("WAYLAND_DISPLAY"), qpa = QStringLiteral("QT_QPA_PLATFORM");
    const struct {
        QMap<QString, QString> env;
        QStringList args;
        bool missing;
    } cases[] = {{{}, {}, true}, {{{wl, "wayland-0"}}, {}, false},
        {{{wl, "wayland-0"}, {qpa, "xcb"}}, {}, true}, // X asked for, and only Wayland there
        {{{wl, "wayland-0"}, {qpa, "wayland;xcb"}}, {}, false}, {{{qpa, "wayland;xcb"}}, {}, true},
        {{{qpa, "wayland;xcb"}}, {"-display", ":3"}, false},
        {{{qpa, "wayland;xcb"}, {"DISPLAY", ":0"}}, {}, false}, {{{qpa, "offscreen"}}, {}, false},
        {{}, {"-platform", "offscreen"}, false}, {{}, {"--platform=vnc:size=800x600"}, false},
        {{}, {"-platform", "xcb"}, true}};
    for (const auto& c : cases) {
        const auto env = [&c](const char* name) { return c.env.value(QString::fromLatin1(name)); };
        const QString line = app::missing_display(QStringList {"pigmentor"} + c.args, env);
        EXPECT_EQ(!line.isEmpty(), c.missing)
            << c.env.keys().join(' ').toStdString() << c.args.join(' ').toStdString();
    }
}
