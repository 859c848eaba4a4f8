#include "storage/preferences.h"

#include "storage/files.h"

namespace storage {

void PreferenceTable::read(const QString& path)
{
    const auto bytes = read_small_file(path);
    if (!bytes)
        return;
    const std::vector<int> values = read_integers(*bytes, 6);
    for (size_t i = 0; i < values.size(); ++i)
        values_[i] = values[i];
}

} // namespace storage
