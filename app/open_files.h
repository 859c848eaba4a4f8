#pragma once

#include <QStringList>

namespace editor {
class Form1;
}

namespace app {

// Opens files named on a command line: a colour file (.pmt) loads into the main window
// as if chosen in Load, a theme (.pmtm) into the station, which opens as needed, a
// palette (.json) into the Palette window. A file that cannot be read or is damaged is
// named on standard error with the reason, one line each ("pigmentor: FILE: REASON"), and
// the others are opened all the same. A colour entry (below) sets the main window's colour
// as Paste CSS Color does.
void open_files(editor::Form1& main_window, const QStringList& files);

// The line for a file that could not be opened, without its line end.
QByteArray open_failure_line(const QString& file, const QString& reason);

// The entry that carries --color's text among the (absolute) file names.
QString color_entry(const QString& css_text);

} // namespace app
