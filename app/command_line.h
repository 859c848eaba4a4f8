#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace app {

// What the command line asks for. Files keep their order; Qt's own options (-style,
// -platform, ...) are handed on to the toolkit untouched.
struct CommandLine {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    QStringList files; // as typed
    QString color; // --color's CSS colour text, empty when not given
    QStringList toolkit_args; // the program name and Qt's options
    QString error; // the one-line message for Action::Error
};

enum class FileKind { Color, Theme, Palette, Unknown };
// By the name's extension, in any case: .pmt colour files, .pmtm themes, .json palettes.
FileKind file_kind(const QString& name);

// args[0] is the program's name.
CommandLine parse_command_line(const QStringList& args);

QString help_text();
QString version_text(); // "Pigmentor " and the version
QString help_hint(); // the line printed after an error

// The line to print when no window can be opened, or empty when a display is there (or
// the toolkit was asked for a platform that needs none, such as offscreen). `env` reads an
// environment variable.
QString missing_display(
    const QStringList& toolkit_args, const std::function<QString(const char*)>& env);

} // namespace app
