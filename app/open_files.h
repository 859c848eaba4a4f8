#pragma once

#include <QStringList>

class QWidget;

namespace editor {
class Form1;
}

namespace app {

// Opens files named on a command line: a colour file (.pmt) loads into the main window
// as if chosen in Load, a theme (.pmtm) into the station, which opens as needed. A
// colour entry (below) sets the main window's colour as Paste CSS Color does.
void open_files(editor::Form1& main_window, const QStringList& files);

// The entry that carries --color's text among the (absolute) file names.
QString color_entry(const QString& css_text);

// Shows a window that is hidden (in the tray) or minimized, and puts it in front.
void bring_to_front(QWidget* window);

} // namespace app
