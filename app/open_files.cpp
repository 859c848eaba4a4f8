#include "app/open_files.h"

#include "app/command_line.h"
#include "editor/form1.h"

namespace app {

namespace {

// The windows' own file loaders, where they have them.
template <class W>
auto load_color(W& window, const QString& file, int) -> decltype(window.load_color_file(file))
{
    return window.load_color_file(file);
}
template <class W> void load_color(W&, const QString&, long)
{
}

template <class S>
auto load_theme(S& station, const QString& file, int) -> decltype(station.load_theme_file(file))
{
    return station.load_theme_file(file);
}
template <class S> void load_theme(S&, const QString&, long)
{
}

} // namespace

void open_files(editor::Form1& main_window, const QStringList& files)
{
    for (const QString& file : files) {
        switch (file_kind(file)) {
        case FileKind::Color:
            load_color(main_window, file, 0);
            break;
        case FileKind::Theme:
            if (station::Form3* station = main_window.show_station())
                load_theme(*station, file, 0);
            break;
        case FileKind::Unknown:
            break;
        }
    }
}

void bring_to_front(QWidget* window)
{
    if (!window->isVisible())
        window->show();
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->raise();
    window->activateWindow();
}

} // namespace app
