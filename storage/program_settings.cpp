#include "storage/program_settings.h"

#include "storage/files.h"

#include <QList>

namespace storage {

std::optional<QByteArray> program_setting(const QByteArray& file_bytes, const QByteArray& key)
{
    const QByteArray prefix = key + '=';
    for (const QByteArray& line : split_lines(file_bytes)) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed();
    }
    return std::nullopt;
}

QByteArray with_program_setting(
    const QByteArray& file_bytes, const QByteArray& key, const QByteArray& value)
{
    const QByteArray prefix = key + '=';
    QByteArray out;
    bool replaced = false;
    for (const QByteArray& line : split_lines(file_bytes)) {
        if (line.startsWith(prefix)) {
            if (replaced)
                continue; // a repeated key: the first line holds the value
            out += prefix + value + '\n';
            replaced = true;
        } else if (!line.isEmpty()) {
            out += line + '\n';
        }
    }
    if (!replaced)
        out += prefix + value + '\n';
    return out;
}

std::optional<QByteArray> read_program_setting(const QString& path, const QByteArray& key)
{
    const auto bytes = read_small_file(path);
    if (!bytes)
        return std::nullopt;
    return program_setting(*bytes, key);
}

bool write_program_setting(const QString& path, const QByteArray& key, const QByteArray& value)
{
    const QByteArray old = read_small_file(path).value_or(QByteArray());
    const QByteArray bytes = with_program_setting(old, key, value);
    if (bytes == old)
        return true;
    return write_file_atomically(path, bytes);
}

} // namespace storage
