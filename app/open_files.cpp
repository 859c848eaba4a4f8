#include "app/open_files.h"

#include "app/command_line.h"
#include "editor/main_window.h"
#include "storage/files.h"

#include <cstdio>

namespace app {

namespace {
const QLatin1String kColorEntry("--color=");
} // namespace

QByteArray open_failure_line(const QString& file, const QString& reason)
{
    return "pigmentor: " + storage::native_name(file) + ": " + reason.toLocal8Bit();
}

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
        QString reason;
        bool opened = true;
        switch (file_kind(file)) {
        case FileKind::Color:
            opened = main_window.load_color_file(file, &reason);
            break;
        case FileKind::Theme:
            if (station::Form3* station = main_window.show_station())
                opened = station->load_theme_file(file, &reason);
            break;
        case FileKind::Palette:
            main_window.show_palette()->open_file(file);
            break;
        case FileKind::Unknown:
            break;
        }
        if (!opened) {
            const QByteArray line = open_failure_line(file, reason) + '\n';
            std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
            std::fflush(stderr);
        }
    }
}

} // namespace app
