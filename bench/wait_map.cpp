// Start-up timer for bench/startup.sh: starts a program and waits, without polling, for
// the X server to report that the program mapped its first window (MapNotify on the root
// window, the program known by the window's _NET_WM_PID). Prints one line:
//   <wall ms to the map> <CPU ms to the map> <peak KiB after settle-ms more>
// and ends the program. Usage: pigmentor_wait_map SETTLE_MS TIMEOUT_MS PROGRAM [ARGS...]
#include <xcb/xcb.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double now_ms()
{
    timespec ts {};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

// CPU time of all the process's threads so far.
double cpu_ms(pid_t pid)
{
    clockid_t clock {};
    timespec ts {};
    if (clock_getcpuclockid(pid, &clock) != 0 || clock_gettime(clock, &ts) != 0)
        return -1;
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

long peak_kib(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

xcb_atom_t atom(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* reply
        = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t a = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return a;
}

long window_pid(xcb_connection_t* c, xcb_window_t w, xcb_atom_t net_wm_pid)
{
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, w, net_wm_pid, XCB_ATOM_CARDINAL, 0, 1), nullptr);
    long pid = -1;
    if (reply && xcb_get_property_value_length(reply) == 4)
        pid = *static_cast<uint32_t*>(xcb_get_property_value(reply));
    std::free(reply);
    return pid;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s SETTLE_MS TIMEOUT_MS PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const int settle_ms = std::atoi(argv[1]);
    const int timeout_ms = std::atoi(argv[2]);

    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "wait_map: cannot connect to the X server\n");
        return 1;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
    const xcb_atom_t net_wm_pid = atom(c, "_NET_WM_PID");
    xcb_flush(c);

    const double start = now_ms();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[3], argv + 3);
        _exit(127);
    }

    double mapped_at = -1;
    double cpu = -1;
    pollfd fd {xcb_get_file_descriptor(c), POLLIN, 0};
    while (mapped_at < 0) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(c)) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY && mapped_at < 0) {
                // The clocks are read first: the program goes on (painting, above all)
                // while the owner is asked for, and that is no part of its start-up.
                const double at = now_ms();
                const double used = cpu_ms(pid);
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                // Another client's window (a tray, a panel) is not ours.
                const long owner = window_pid(c, map->window, net_wm_pid);
                if (owner == pid || owner < 0) {
                    mapped_at = at;
                    cpu = used;
                }
            }
            std::free(event);
        }
        if (mapped_at >= 0)
            break;
        const int left = int(start + timeout_ms - now_ms());
        if (left <= 0 || xcb_connection_has_error(c)) {
            std::fprintf(stderr, "wait_map: %s mapped no window in %d ms\n", argv[3], timeout_ms);
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            return 1;
        }
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            std::fprintf(stderr, "wait_map: %s ended before it mapped a window\n", argv[3]);
            return 1;
        }
        poll(&fd, 1, left < 50 ? left : 50);
    }
    usleep(useconds_t(settle_ms) * 1000);
    const long kib = peak_kib(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    std::printf("%.1f %.1f %ld\n", mapped_at - start, cpu, kib);
    xcb_disconnect(c);
    return 0;
}
