#pragma once

#include <QStringList>

namespace editor {
class Form1;
}

namespace app {

// Opens files named on a command line: a colour file (.pmt) loads into the main window
// as if chosen in Load, a theme (.pmtm) into the station, which opens as needed.
void open_files(editor::Form1& main_window, const QStringList& files);

} // namespace app
