#include "shell/help.h"

#include "platform/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>

namespace shell {

QString help_folder()
{
    const QString program = QCoreApplication::applicationDirPath();
    const QStringList candidates = {
        QDir(program).filePath(QStringLiteral("help")),
        QDir(program).filePath(QStringLiteral("../share/pigmentor/help")),
    };
    for (const QString& folder : candidates) {
        if (QFileInfo::exists(QDir(folder).filePath(QStringLiteral("index.html"))))
            return QDir(folder).absolutePath();
    }
    return {};
}

void show_help_contents(platform::Platform& platform, QWidget* parent)
{
    const QString folder = help_folder();
    if (folder.isEmpty()) {
        platform.showMessage(parent,
            QStringLiteral("The help pages could not be found. They belong in the "
                           "folder \"help\" beside the program."),
            QStringLiteral("Pigmentor"), core::Icon::Exclamation);
        return;
    }
    static QPointer<QTextBrowser> viewer;
    if (!viewer) {
        viewer = new QTextBrowser;
        viewer->setObjectName(QStringLiteral("HelpViewer"));
        viewer->setAttribute(Qt::WA_DeleteOnClose);
        viewer->setWindowTitle(QStringLiteral("Pigmentor Help"));
        viewer->setOpenExternalLinks(true);
        viewer->resize(640, 520);
        viewer->setSearchPaths({folder});
        QTextBrowser* window = viewer;
        for (const QKeySequence& key :
            {QKeySequence(QKeySequence::Close), QKeySequence(Qt::Key_Escape)})
            QObject::connect(
                new QShortcut(key, window), &QShortcut::activated, window, &QWidget::close);
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            viewer->move(screen->availableGeometry().center() - viewer->rect().center());
    }
    viewer->setSource(QUrl::fromLocalFile(QDir(folder).filePath(QStringLiteral("index.html"))));
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}

void open_website(platform::Platform& platform, QWidget* parent)
{
    if (!platform.openUrl(QUrl(QString::fromLatin1(kWebsite)))) {
        platform.showMessage(parent,
            QStringLiteral("The web page could not be opened. Please visit %1 "
                           "in your web browser.")
                .arg(QString::fromLatin1(kWebsite)),
            QStringLiteral("Pigmentor"), core::Icon::Exclamation);
    }
}

} // namespace shell
