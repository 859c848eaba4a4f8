#include "app/command_line.h"
#include "app/open_files.h"
#include "app/session_end.h"
#include "app/single_instance.h"
#include "app/start_up.h"
#include "platform/qt_platform.h"
#include "storage/config_folder.h"
#include "widgets/app_icon.h"

#include <QApplication>
#include <QtMath>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// While the toolkit connects to the display, its messages are held back: when it cannot
// connect, one line of ours replaces its abort and its advice to reinstall.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
std::vector<HeldMessage> held_messages;
QtMessageHandler previous_handler = nullptr;

void hold_message(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        const QByteArray display = qgetenv("DISPLAY");
        std::fprintf(stderr, "pigmentor: cannot open a window: the display %s cannot be reached\n",
            display.isEmpty() ? "server" : display.constData());
        std::_Exit(1);
    }
    held_messages.push_back({type, QByteArray(context.category), text});
}

void release_messages()
{
    qInstallMessageHandler(previous_handler);
    for (const HeldMessage& m : held_messages) {
        const QMessageLogger logger(nullptr, 0, nullptr, m.category.constData());
        switch (m.type) {
        case QtDebugMsg:
            logger.debug("%s", qUtf8Printable(m.text));
            break;
        case QtInfoMsg:
            logger.info("%s", qUtf8Printable(m.text));
            break;
        case QtWarningMsg:
            logger.warning("%s", qUtf8Printable(m.text));
            break;
        default:
            logger.critical("%s", qUtf8Printable(m.text));
            break;
        }
    }
    held_messages.clear();
}

} // namespace

int main(int argc, char* argv[])
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args.append(QFile::decodeName(argv[i]));
    const app::CommandLine line = app::parse_command_line(args);
    switch (line.action) {
    case app::CommandLine::Action::Help:
        std::fputs(qPrintable(app::help_text()), stdout);
        return 0;
    case app::CommandLine::Action::Version:
        std::printf("%s\n", qPrintable(app::version_text()));
        return 0;
    case app::CommandLine::Action::Error:
        std::fprintf(stderr, "%s\n%s\n", qPrintable(line.error), qPrintable(app::help_hint()));
        return 2;
    case app::CommandLine::Action::Run:
        break;
    }
    const QString no_display = app::missing_display(
        line.toolkit_args, [](const char* name) { return qEnvironmentVariable(name); });
    if (!no_display.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(no_display));
        return 1;
    }

    // What the launcher gave this start to take the focus with, read before the toolkit
    // may use it up: a later start hands it to the running copy.
    const QString activation_token = qEnvironmentVariable("XDG_ACTIVATION_TOKEN");

    // The toolkit sees its own options only; the files are ours.
    std::vector<QByteArray> toolkit_bytes;
    for (const QString& arg : line.toolkit_args)
        toolkit_bytes.push_back(arg.toLocal8Bit());
    std::vector<char*> toolkit_argv;
    for (QByteArray& bytes : toolkit_bytes)
        toolkit_argv.push_back(bytes.data());
    toolkit_argv.push_back(nullptr);
    int toolkit_argc = int(toolkit_bytes.size());

    previous_handler = qInstallMessageHandler(hold_message);
    QApplication app(toolkit_argc, toolkit_argv.data());
    release_messages();
    QApplication::setApplicationName(QStringLiteral("Pigmentor"));
    // One id for the desktop entry, the Wayland app_id, the metainfo and the icon, so
    // that the task bar finds the entry and its icon whatever the program file is called.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.pigmentor.Pigmentor"));
    // The sizes title bars, task bars and window lists show.
    const qreal ratio = qApp->devicePixelRatio();
    QApplication::setWindowIcon(widgets::app_icon(
        {qCeil(16 * ratio), qCeil(32 * ratio), qCeil(48 * ratio)}));
    // The main window may live in the tray alone; the program ends with its exit.
    QApplication::setQuitOnLastWindowClosed(false);

    QStringList files;
    for (const QString& file : line.files)
        files.append(QDir::current().absoluteFilePath(file));
    // The starting colour travels with the files, to a running copy too.
    if (!line.color.isEmpty())
        files.append(app::color_entry(line.color));

    const storage::ConfigFolder folder = storage::ConfigFolder::for_program();
    app::SingleInstance instance(app::instance_socket_path(app::runtime_folder(), folder.folder()));
    {
        // Two starts at the same moment: one listens, the other hands over.
        const QString path = instance.socket_path();
        const app::StartLock lock(path.isEmpty() ? path : path + QStringLiteral(".lock"), 5000);
        if (instance.hand_over(files, 3000, activation_token))
            return 0;
        instance.listen();
    }

    platform::QtPlatform platform;
    // From the main window's load on there are settings of the user's to keep.
    const std::unique_ptr<app::Running> running = app::start_up(
        platform, folder, files, app::write_settings_when_the_session_ends);
    QObject::connect(&instance, &app::SingleInstance::activated, &running->main_window(),
        [&](const QStringList& handed, const QString& token) {
            running->hand_over(handed, token);
        });
    const int status = app.exec();
    app::forget_main_window();
    return status;
}
