#include "storage/config_folder.h"

#include "storage/files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace storage {

namespace {
const char* const kIniFiles[] = {"pmtprefs.ini", "pmtsetgs.ini", "pmtmprefs.ini"};
}

ConfigFolder ConfigFolder::for_program()
{
    return choose(QCoreApplication::applicationDirPath(),
        user_config_folder(qEnvironmentVariable("XDG_CONFIG_HOME"), qEnvironmentVariable("HOME")));
}

ConfigFolder ConfigFolder::choose(const QString& program_folder, const QString& user_folder)
{
    const QDir program(program_folder);
    for (const char* name : kIniFiles) {
        if (QFileInfo(program.filePath(QLatin1String(name))).isFile()) {
            if (may_write(program_folder))
                return ConfigFolder(program_folder);
            break;
        }
    }
    QDir().mkpath(user_folder);
    return ConfigFolder(user_folder);
}

QString ConfigFolder::path(const QString& file_name) const
{
    return QDir::toNativeSeparators(QDir(folder_).filePath(file_name));
}

QString user_config_folder(const QString& xdg_config_home, const QString& home)
{
    const QString base = QDir::isAbsolutePath(xdg_config_home)
        ? xdg_config_home
        : QDir(home.isEmpty() ? QDir::homePath() : home).filePath(QStringLiteral(".config"));
    return QDir::cleanPath(QDir(base).filePath(QStringLiteral("pigmentor")));
}

QString readme_path(const QString& name)
{
    return readme_path(name, QCoreApplication::applicationDirPath());
}

QString readme_path(const QString& name, const QString& program_folder)
{
    if (QFileInfo::exists(name))
        return name;
    const QDir program(program_folder);
    for (const QString& candidate :
        {program.filePath(name), program.filePath(QStringLiteral("../share/pigmentor/") + name)}) {
        if (QFileInfo(candidate).isFile())
            return QDir::cleanPath(candidate);
    }
    return name;
}

} // namespace storage
