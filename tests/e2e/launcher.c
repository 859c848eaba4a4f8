// A launcher as a desktop's is, for the end-to-end tests on Wayland: shows a small window,
// and once the compositor has made it the active one, asks for an activation token
// (xdg-activation-v1) and starts the command with it in XDG_ACTIVATION_TOKEN, staying on
// screen until the command ends. Ends with the command's status; 77 where there is no
// Wayland display or no xdg-activation.
//   launcher command [argument]...
#define _GNU_SOURCE
#include "xdg-activation-v1.h"
#include "xdg-shell.h"
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>
#include <wayland-client.h>

static struct wl_compositor* compositor;
static struct wl_shm* shm;
static struct wl_seat* seat;
static struct xdg_wm_base* wm_base;
static struct xdg_activation_v1* activation;
static struct wl_surface* surface;
static int configured, activated, done_;
static uint32_t serial_;
static char token[512];

static void global(void* d, struct wl_registry* r, uint32_t name, const char* iface, uint32_t v)
{
    if (!strcmp(iface, wl_compositor_interface.name))
        compositor = wl_registry_bind(r, name, &wl_compositor_interface, 4);
    else if (!strcmp(iface, wl_shm_interface.name))
        shm = wl_registry_bind(r, name, &wl_shm_interface, 1);
    else if (!strcmp(iface, wl_seat_interface.name))
        seat = wl_registry_bind(r, name, &wl_seat_interface, 1);
    else if (!strcmp(iface, xdg_wm_base_interface.name))
        wm_base = wl_registry_bind(r, name, &xdg_wm_base_interface, 1);
    else if (!strcmp(iface, xdg_activation_v1_interface.name))
        activation = wl_registry_bind(r, name, &xdg_activation_v1_interface, 1);
}
static void global_remove(void* d, struct wl_registry* r, uint32_t n)
{
}
static const struct wl_registry_listener registry_listener = {global, global_remove};

static void ping(void* d, struct xdg_wm_base* b, uint32_t s)
{
    xdg_wm_base_pong(b, s);
}
static const struct xdg_wm_base_listener wm_listener = {ping};

static void surface_configure(void* d, struct xdg_surface* s, uint32_t serial)
{
    xdg_surface_ack_configure(s, serial);
    configured = 1;
}
static const struct xdg_surface_listener surface_listener = {surface_configure};

static void top_configure(
    void* d, struct xdg_toplevel* t, int32_t w, int32_t h, struct wl_array* states)
{
    uint32_t* state;
    wl_array_for_each(state, states) if (*state == XDG_TOPLEVEL_STATE_ACTIVATED) activated = 1;
}
static void top_close(void* d, struct xdg_toplevel* t)
{
}
static const struct xdg_toplevel_listener top_listener = {top_configure, top_close};

static void kb_keymap(void* d, struct wl_keyboard* k, uint32_t f, int fd, uint32_t s)
{
    close(fd);
}
static void kb_enter(
    void* d, struct wl_keyboard* k, uint32_t serial, struct wl_surface* s, struct wl_array* keys)
{
    serial_ = serial;
}
static void kb_leave(void* d, struct wl_keyboard* k, uint32_t serial, struct wl_surface* s)
{
}
static void kb_key(
    void* d, struct wl_keyboard* k, uint32_t serial, uint32_t t, uint32_t key, uint32_t st)
{
}
static void kb_mods(
    void* d, struct wl_keyboard* k, uint32_t serial, uint32_t a, uint32_t b, uint32_t c, uint32_t g)
{
}
static const struct wl_keyboard_listener kb_listener
    = {kb_keymap, kb_enter, kb_leave, kb_key, kb_mods};
static void caps(void* d, struct wl_seat* s, uint32_t c)
{
    if (c & WL_SEAT_CAPABILITY_KEYBOARD)
        wl_keyboard_add_listener(wl_seat_get_keyboard(s), &kb_listener, NULL);
}
static const struct wl_seat_listener seat_listener = {caps};

static void token_done(void* d, struct xdg_activation_token_v1* t, const char* value)
{
    snprintf(token, sizeof token, "%s", value);
    done_ = 1;
}
static const struct xdg_activation_token_v1_listener token_listener = {token_done};

static struct wl_buffer* buffer(int w, int h)
{
    int fd = memfd_create("launcher", MFD_CLOEXEC);
    ftruncate(fd, w * h * 4);
    uint32_t* px = mmap(NULL, w * h * 4, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    for (int i = 0; i < w * h; ++i)
        px[i] = 0xff336699;
    struct wl_shm_pool* pool = wl_shm_create_pool(shm, fd, w * h * 4);
    struct wl_buffer* b = wl_shm_pool_create_buffer(pool, 0, w, h, w * 4, WL_SHM_FORMAT_XRGB8888);
    wl_shm_pool_destroy(pool);
    close(fd);
    return b;
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: launcher command...\n");
        return 2;
    }
    struct wl_display* display = wl_display_connect(NULL);
    if (!display) {
        fprintf(stderr, "launcher: no Wayland display\n");
        return 77;
    }
    struct wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registry_listener, NULL);
    wl_display_roundtrip(display);
    if (!compositor || !shm || !wm_base || !activation) {
        fprintf(stderr, "launcher: no xdg-activation\n");
        return 77;
    }
    xdg_wm_base_add_listener(wm_base, &wm_listener, NULL);
    if (seat)
        wl_seat_add_listener(seat, &seat_listener, NULL);
    surface = wl_compositor_create_surface(compositor);
    struct xdg_surface* xs = xdg_wm_base_get_xdg_surface(wm_base, surface);
    xdg_surface_add_listener(xs, &surface_listener, NULL);
    struct xdg_toplevel* top = xdg_surface_get_toplevel(xs);
    xdg_toplevel_add_listener(top, &top_listener, NULL);
    xdg_toplevel_set_title(top, "launcher");
    xdg_toplevel_set_app_id(top, "launcher");
    wl_surface_commit(surface);
    while (!configured && wl_display_dispatch(display) >= 0) { }
    wl_surface_attach(surface, buffer(120, 80), 0, 0);
    wl_surface_commit(surface);
    for (int i = 0; i < 200 && !activated && wl_display_dispatch_pending(display) >= 0; ++i) {
        wl_display_roundtrip(display);
        usleep(20000);
    }
    wl_display_roundtrip(display);
    fprintf(stderr, "launcher: active %d, serial %u\n", activated, serial_);
    struct xdg_activation_token_v1* t = xdg_activation_v1_get_activation_token(activation);
    xdg_activation_token_v1_add_listener(t, &token_listener, NULL);
    xdg_activation_token_v1_set_surface(t, surface);
    if (seat && serial_)
        xdg_activation_token_v1_set_serial(t, serial_, seat);
    xdg_activation_token_v1_set_app_id(t, "org.pigmentor.Pigmentor");
    xdg_activation_token_v1_commit(t);
    while (!done_ && wl_display_dispatch(display) >= 0) { }
    fprintf(stderr, "launcher: token %s\n", token);
    setenv("XDG_ACTIVATION_TOKEN", token, 1);
    pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    int status = 0;
    // Keep answering the compositor while the command runs.
    for (;;) {
        pid_t r = waitpid(child, &status, WNOHANG);
        if (r == child)
            break;
        wl_display_roundtrip(display);
        usleep(20000);
    }
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
