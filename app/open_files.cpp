#include "app/open_files.h"

#include "app/command_line.h"
#include "editor/form1.h"

namespace app {

namespace {
const QLatin1String kColorEntry("--color=");
} // namespace

QString color_entry(const QString& css_text)
{
    return kColorEntry + css_text;
}

void open_files(editor::Form1& main_window, const QStringList& files)
{
    for (const QString& file : files) {
        if (file.startsWith(kColorEntry)) {
            main_window.apply_css_text(file.mid(kColorEntry.size()));
            continue;
        }
        switch (file_kind(file)) {
        case FileKind::Color:
            main_window.load_color_file(file);
            break;
        case FileKind::Theme:
            if (station::Form3* station = main_window.show_station())
                station->load_theme_file(file);
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
