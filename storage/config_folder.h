#pragma once

#include <QString>

namespace storage {

// Where the three .ini files live: the program's own folder when it can be written
// (a portable copy), otherwise the user's configuration folder.
class ConfigFolder {
public:
    explicit ConfigFolder(QString folder) : folder_(std::move(folder)) { }

    static ConfigFolder for_program();

    QString folder() const { return folder_; }
    QString path(const QString& file_name) const;

    QString settings_file() const { return path(QStringLiteral("pmtsetgs.ini")); }
    QString prefs_file() const { return path(QStringLiteral("pmtprefs.ini")); }
    QString station_prefs_file() const { return path(QStringLiteral("pmtmprefs.ini")); }

private:
    QString folder_;
};

} // namespace storage
