#include "storage/preferences.h"

#include "storage/files.h"

namespace storage {

Preferences parse_preferences(const QByteArray& bytes)
{
    const std::vector<int> values = read_integers(bytes, 6);
    Preferences p;
    std::optional<int>* fields[] = {&p.load_station, &p.auto_save_color, &p.close_like_tv,
        &p.show_splash, &p.tray_mode, &p.confirm_exit};
    for (size_t i = 0; i < values.size(); ++i)
        *fields[i] = values[i];
    return p;
}

std::optional<Preferences> read_preferences(const QString& path)
{
    const auto bytes = read_small_file(path);
    if (!bytes)
        return std::nullopt;
    return parse_preferences(*bytes);
}

bool write_preferences(const QString& path, const std::array<int, 6>& values, QString* reason)
{
    return write_file_atomically(path, prefs_bytes(values), reason);
}

void PreferenceTable::read(const QString& path)
{
    const auto p = read_preferences(path);
    if (!p)
        return;
    const auto lines = p->lines();
    for (size_t i = 0; i < lines.size() && *lines[i]; ++i)
        values_[i] = **lines[i];
}

} // namespace storage
