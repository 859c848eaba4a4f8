#pragma once

// Additions: the program's own settings file, pigmentor.ini, beside the three fixed .ini
// files and never mixed into them. Lines of key=value; lines this version does not know
// are kept as they are when a value is written.

#include <QByteArray>
#include <QString>

#include <optional>

namespace storage {

inline QString program_settings_name()
{
    return QStringLiteral("pigmentor.ini");
}

// The value of a key, or nothing when the file or the key is missing.
std::optional<QByteArray> program_setting(const QByteArray& file_bytes, const QByteArray& key);
// The file's bytes with the key set: its line replaced where there is one, added at the end
// otherwise. Every line ends in LF.
QByteArray with_program_setting(
    const QByteArray& file_bytes, const QByteArray& key, const QByteArray& value);

// Reads a key from the file at path.
std::optional<QByteArray> read_program_setting(const QString& path, const QByteArray& key);
// Sets one key in the file at path, written whole through a temporary file; false when it
// could not be written.
bool write_program_setting(const QString& path, const QByteArray& key, const QByteArray& value);

// The keys in use.
inline const QByteArray kMainChannelsKey = QByteArrayLiteral("MainWindowChannels");
inline const QByteArray kStationChannelsKey = QByteArrayLiteral("StationChannels");

} // namespace storage
