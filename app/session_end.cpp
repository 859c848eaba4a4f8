#include "app/session_end.h"

#include "editor/main_window.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <csignal>
#include <cstdlib>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace app {

namespace {

editor::Form1* main_window_at_exit = nullptr;
int signal_pipe[2] = {-1, -1};

void on_signal(int number)
{
    // Only what is safe in a signal handler: the event loop does the rest.
    const char byte = char(number);
    [[maybe_unused]] const ssize_t n = ::write(signal_pipe[1], &byte, 1);
}

void at_process_exit()
{
    if (main_window_at_exit)
        main_window_at_exit->write_settings_now();
}

} // namespace

void write_settings_when_the_session_ends(editor::Form1& main_window)
{
    main_window_at_exit = &main_window;
    static bool registered = false;
    if (!registered) {
        registered = true;
        std::atexit(at_process_exit);
    }
    editor::Form1* window = &main_window;
    QObject::connect(
        qApp, &QCoreApplication::aboutToQuit, window, [window] { window->write_settings_now(); });
    QObject::connect(qGuiApp, &QGuiApplication::commitDataRequest, window,
        [window](QSessionManager&) { window->write_settings_now(); });

    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signal_pipe) != 0)
        return;
    ::fcntl(signal_pipe[1], F_SETFL, O_NONBLOCK);
    auto* notifier = new QSocketNotifier(signal_pipe[0], QSocketNotifier::Read, window);
    QObject::connect(notifier, &QSocketNotifier::activated, window, [window] {
        char byte = 0;
        [[maybe_unused]] const ssize_t n = ::read(signal_pipe[0], &byte, 1);
        window->end_session();
    });
    struct sigaction action { };
    action.sa_handler = on_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGHUP, &action, nullptr);
}

void forget_main_window()
{
    main_window_at_exit = nullptr;
}

} // namespace app
