#include "platform/file_names.h"

#include "platform/platform.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace platform {

QString with_all_files(const QString& filter)
{
    const QString all = QStringLiteral("All files (*)");
    if (filter.isEmpty())
        return all;
    return filter + QStringLiteral(";;") + all;
}

QString filter_extension(const QString& filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([A-Za-z0-9]+(?:\\.[A-Za-z0-9]+)*)"));
    const QRegularExpressionMatch match = pattern.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

QString complete_save_name(const QString& name, const QString& filter)
{
    const QString extension = filter_extension(filter);
    if (name.isEmpty() || extension.isEmpty())
        return name;
    const QFileInfo info(name);
    if (info.fileName().isEmpty() || !info.suffix().isEmpty())
        return name;
    if (name.endsWith(QLatin1Char('.')))
        return name + extension;
    return name + QLatin1Char('.') + extension;
}

QString replace_question(const QString& path)
{
    return QStringLiteral("\"%1\" already exists.\rDo you want to replace it?")
        .arg(QFileInfo(path).fileName());
}

QString confirmed_save_name(Platform& platform, QWidget* parent, const QString& title,
    const QString& folder, const QString& filter,
    const std::function<QString(const QString& start)>& dialog)
{
    QString start = folder;
    for (;;) {
        const QString name = complete_save_name(dialog(start), filter);
        if (name.isEmpty() || !QFileInfo::exists(name))
            return name;
        if (platform.askYesNo(parent, replace_question(name), title))
            return name;
        start = name;
    }
}

} // namespace platform
