#include "app/command_line.h"

#include <QMap>

#include <gtest/gtest.h>

using app::CommandLine;
using app::parse_command_line;

namespace {

CommandLine parse(std::initializer_list<const char*> args)
{
    QStringList list {QStringLiteral("/usr/bin/pigmentor")};
    for (const char* a : args)
        list.append(QString::fromUtf8(a));
    return parse_command_line(list);
}

} // namespace

TEST(CommandLine, HelpAndVersionWinWhereverTheyStand)
{
    EXPECT_EQ(parse({}).action, CommandLine::Action::Run);
    EXPECT_EQ(parse({"--help"}).action, CommandLine::Action::Help);
    EXPECT_EQ(parse({"-h"}).action, CommandLine::Action::Help);
    EXPECT_EQ(parse({"a.pmt", "--version"}).action, CommandLine::Action::Version);
    EXPECT_EQ(app::version_text(), "Pigmentor 1.18");
    // After "--" everything is a file name, even one that looks like an option.
    const CommandLine files = parse({"--", "--help.pmt", "-x.PMTM"});
    EXPECT_EQ(files.action, CommandLine::Action::Run);
    EXPECT_EQ(files.files, (QStringList {"--help.pmt", "-x.PMTM"}));
    EXPECT_TRUE(app::help_text().startsWith("Usage: pigmentor [OPTION]... [FILE]...\n"));
    EXPECT_TRUE(app::help_text().contains("--version"));
}

TEST(CommandLine, UnknownOptionsAndFilesAreOneLineErrors)
{
    const CommandLine unknown = parse({"a.pmt", "--frobnicate"});
    EXPECT_EQ(unknown.action, CommandLine::Action::Error);
    EXPECT_EQ(unknown.error, "pigmentor: unknown option '--frobnicate'");
    EXPECT_EQ(parse({"-v"}).error, "pigmentor: unknown option '-v'");
    EXPECT_EQ(parse({"-style=Fusion=x", "--helpme"}).error, "pigmentor: unknown option '--helpme'");
    EXPECT_EQ(parse({"-style"}).error, "pigmentor: option '-style' needs a value");
    EXPECT_EQ(parse({"notes.txt"}).error,
        "pigmentor: 'notes.txt' is neither a colour file (.pmt) nor a theme (.pmtm)");
    // A flag of Qt's never takes a value ("-reverse=1" is nothing Qt knows).
    EXPECT_EQ(parse({"-reverse=1"}).action, CommandLine::Action::Error);
    EXPECT_EQ(app::help_hint(), "Try 'pigmentor --help' for more information.");
    for (const QString& line : {unknown.error, app::help_hint()})
        EXPECT_FALSE(line.contains('\n'));
}

TEST(CommandLine, FilesKeepTheirOrderAndToolkitOptionsPassThrough)
{
    QStringList args {"/usr/bin/pigmentor", "-style", "Fusion", "one.pmt", "--platform=offscreen",
        "b.PMTM", "-reverse", "dir.v2/c.pmt", "-"};
    ASSERT_EQ(parse_command_line(args).action, CommandLine::Action::Error); // "-" is no file
    args.removeLast();
    const CommandLine good = parse_command_line(args);
    ASSERT_EQ(good.action, CommandLine::Action::Run);
    EXPECT_EQ(good.files, (QStringList {"one.pmt", "b.PMTM", "dir.v2/c.pmt"}));
    EXPECT_EQ(good.toolkit_args,
        (QStringList {
            "/usr/bin/pigmentor", "-style", "Fusion", "--platform=offscreen", "-reverse"}));
    EXPECT_EQ(app::file_kind("b.PMTM"), app::FileKind::Theme);
    EXPECT_EQ(app::file_kind("x.pmt"), app::FileKind::Color);
    EXPECT_EQ(app::file_kind("x.pmtx"), app::FileKind::Unknown);
    EXPECT_EQ(app::file_kind("pmt"), app::FileKind::Unknown);
}

TEST(CommandLine, NoDisplayIsFoundBeforeTheToolkitAborts)
{
    QMap<QString, QString> env;
    auto lookup = [&env](const char* name) { return env.value(QString::fromLatin1(name)); };
    const QStringList plain {QStringLiteral("pigmentor")};

    const QString none = app::missing_display(plain, lookup);
    EXPECT_EQ(none,
        "pigmentor: cannot open a window: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)");

    env["WAYLAND_DISPLAY"] = "wayland-0";
    EXPECT_TRUE(app::missing_display(plain, lookup).isEmpty());
    env["QT_QPA_PLATFORM"] = "xcb"; // X asked for, and only Wayland there
    EXPECT_FALSE(app::missing_display(plain, lookup).isEmpty());
    env["QT_QPA_PLATFORM"] = "wayland;xcb";
    EXPECT_TRUE(app::missing_display(plain, lookup).isEmpty());
    env.remove("WAYLAND_DISPLAY");
    EXPECT_FALSE(app::missing_display(plain, lookup).isEmpty());
    EXPECT_TRUE(app::missing_display(plain + QStringList {"-display", ":3"}, lookup).isEmpty());
    env["DISPLAY"] = ":0";
    EXPECT_TRUE(app::missing_display(plain, lookup).isEmpty());

    // Platforms without a display server, by variable or by option, never need one.
    env.clear();
    env["QT_QPA_PLATFORM"] = "offscreen";
    EXPECT_TRUE(app::missing_display(plain, lookup).isEmpty());
    env.clear();
    EXPECT_TRUE(
        app::missing_display(plain + QStringList {"-platform", "offscreen"}, lookup).isEmpty());
    EXPECT_TRUE(app::missing_display(plain + QStringList {"--platform=vnc:size=800x600"}, lookup)
                    .isEmpty());
    EXPECT_FALSE(app::missing_display(plain + QStringList {"-platform", "xcb"}, lookup).isEmpty());
}
