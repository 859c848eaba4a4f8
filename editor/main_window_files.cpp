// Colour files: Save, Load and a file named on the command line.
#include "editor/main_window.h"

#include "core/messages.h"
#include "platform/platform.h"
#include "storage/files.h"

#include <QScrollBar>

namespace editor {

void Form1::savecolor()
{
    const QByteArray bytes = storage::color_file_bytes(channels_->color());
    const QString name = platform_.saveFileName(this, QStringLiteral("Save the color as"),
        QStringLiteral("."), QStringLiteral("Pigmentor File (*.pmt)"));
    if (name.isEmpty())
        return;
    QString reason;
    if (!storage::write_file_atomically(name, bytes, &reason))
        platform_.showMessage(this, storage::save_failure_text(name, reason),
            QString::fromLatin1(core::kAppTitle), core::Icon::Exclamation);
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

bool Form1::load_color_file(const QString& path, QString* reason)
{
    const auto bytes = storage::read_small_file(path, reason);
    if (!bytes)
        return false;
    const std::vector<int> channels = storage::color_text_channels(storage::join_lines(*bytes));
    set_bars(channels);
    if (channels.size() == 3)
        return true;
    if (reason)
        *reason = QStringLiteral("It is not a Pigmentor colour file");
    return false;
}

void Form1::set_bars(const std::vector<int>& channels)
{
    // A file that stops early leaves the channels it did not reach as they are.
    for (size_t c = 0; c < channels.size(); ++c)
        view_.CLR[c]->setValue(channels[c]);
}

} // namespace editor
