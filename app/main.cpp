#include "editor/form1.h"
#include "platform/qt_platform.h"
#include "shell/app_icon.h"
#include "shell/splash.h"
#include "storage/config_folder.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pigmentor"));
    QApplication::setOrganizationName(QStringLiteral("Pigmentor"));
    QApplication::setWindowIcon(shell::app_icon());
    // The main window may live in the tray alone; the program ends with its exit.
    QApplication::setQuitOnLastWindowClosed(false);

    platform::QtPlatform platform;
    const storage::ConfigFolder folder = storage::ConfigFolder::for_program();
    editor::Form1 main_window(platform, folder);

    auto* splash = new shell::Splashscreen(shell::Splashscreen::Mode::StartUp, platform,
        folder.prefs_file(), &main_window, [&main_window] {
            main_window.Form_Load();
            main_window.show();
        });
    splash->load();
    return app.exec();
}
