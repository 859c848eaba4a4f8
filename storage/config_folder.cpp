#include "storage/config_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace storage {

ConfigFolder ConfigFolder::for_program()
{
    const QString program_folder = QCoreApplication::applicationDirPath();
    const QFileInfo info(program_folder);
    if (info.isDir() && info.isWritable())
        return ConfigFolder(program_folder);
    const QString user_folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(user_folder);
    return ConfigFolder(user_folder);
}

QString ConfigFolder::path(const QString& file_name) const
{
    return QDir::toNativeSeparators(QDir(folder_).filePath(file_name));
}

} // namespace storage
