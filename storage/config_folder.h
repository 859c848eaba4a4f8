#pragma once

#include <QString>

namespace storage {

// Where the three .ini files live. One rule: a portable copy, whose own folder already
// holds one of them and may be written, keeps them there; every other copy (an installed
// program, build/ after `make run`, a fresh copy anywhere) keeps them in the user's
// configuration folder, $XDG_CONFIG_HOME/pigmentor (~/.config/pigmentor).
class ConfigFolder {
public:
    explicit ConfigFolder(QString folder) : folder_(std::move(folder)) { }

    // The folder for the running program, created when missing.
    static ConfigFolder for_program();
    // The rule itself: the program's folder or the user's folder (created when missing).
    static ConfigFolder choose(const QString& program_folder, const QString& user_folder);

    QString folder() const { return folder_; }
    QString path(const QString& file_name) const;

    QString settings_file() const { return path(QStringLiteral("pmtsetgs.ini")); }
    QString prefs_file() const { return path(QStringLiteral("pmtprefs.ini")); }
    QString station_prefs_file() const { return path(QStringLiteral("pmtmprefs.ini")); }
    // Additions: the program's own settings (storage/program_settings.h).
    QString program_settings_file() const { return path(QStringLiteral("pigmentor.ini")); }

private:
    QString folder_;
};

// $XDG_CONFIG_HOME/pigmentor when that variable holds an absolute path, otherwise
// $HOME/.config/pigmentor (the XDG base directory rule); the arguments are the two
// variables' values.
QString user_config_folder(const QString& xdg_config_home, const QString& home);

// The ReadMe to show for a name: the file in the current folder when there is one, else
// the copy beside the program (a portable copy, build/), else the copy installed with
// it (<prefix>/share/pigmentor); the name itself when none exists, so that opening it
// fails as it always has.
QString readme_path(const QString& name);
QString readme_path(const QString& name, const QString& program_folder);

} // namespace storage
