// Colour files: Save, Load and a file named on the command line.
#include "editor/form1.h"

#include "platform/platform.h"
#include "storage/files.h"

#include <QScrollBar>

namespace editor {

void Form1::savecolor()
{
    const QByteArray bytes = storage::color_file_bytes(editing::channels(*this));
    const QString name = platform_.saveFileName(this, QStringLiteral("Save the color as"),
        QStringLiteral("."), QStringLiteral("Pigmentor File (*.pmt)"));
    if (name.isEmpty())
        return;
    storage::write_file_atomically(name, bytes);
}

void Form1::opencolor()
{
    const QString name
        = platform_.openFileName(this, QStringLiteral("Open a previously saved color"),
            QStringLiteral("."), QStringLiteral("Pigmentor Files (*.pmt)"));
    if (name.isEmpty())
        return;
    load_color_file(name);
}

void Form1::load_color_file(const QString& path)
{
    const auto bytes = storage::read_small_file(path);
    if (!bytes)
        return;
    set_bars(storage::color_text_channels(storage::join_lines(*bytes)));
}

void Form1::set_bars(const std::vector<int>& channels)
{
    // A file that stops early leaves the channels it did not reach as they are.
    for (size_t c = 0; c < channels.size(); ++c)
        view_.CLR[c]->setValue(channels[c]);
}

} // namespace editor
