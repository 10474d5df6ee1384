// Starts a program and prints how many milliseconds passed until the X server
// mapped a top-level window of that process, then its process id:
//   start_probe PROGRAM     ->  "41.7 12345"
// The program keeps running; the caller ends it. The probe watches the root
// window's structure events instead of polling with a window search, which
// costs milliseconds per look and made the figures jump between runs.

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <spawn.h>
#include <sys/types.h>
#include <xcb/xcb.h>

extern char **environ;

namespace {

using Reply = std::unique_ptr<void, decltype(&std::free)>;

double millisecondsSince(const timespec &start) {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec - start.tv_sec) * 1e3 +
           static_cast<double>(now.tv_nsec - start.tv_nsec) / 1e6;
}

xcb_atom_t atomNamed(xcb_connection_t *connection, const char *name) {
    const auto cookie =
        xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    const Reply reply(xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? static_cast<xcb_intern_atom_reply_t *>(reply.get())->atom
                 : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// The process that a window says it belongs to, 0 when it does not say.
pid_t ownerOf(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t pidAtom) {
    const auto cookie = xcb_get_property(connection, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1);
    const Reply reply(xcb_get_property_reply(connection, cookie, nullptr), &std::free);
    auto *property = static_cast<xcb_get_property_reply_t *>(reply.get());
    if (!property || xcb_get_property_value_length(property) != 4)
        return 0;
    return static_cast<pid_t>(*static_cast<uint32_t *>(xcb_get_property_value(property)));
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: start_probe PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "start_probe: no X display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    const xcb_atom_t pidAtom = atomNamed(connection, "_NET_WM_PID");

    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    timespec start{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    pid_t child = 0;
    if (const int error = posix_spawn(&child, argv[1], &quiet, nullptr, argv + 1, environ)) {
        std::fprintf(stderr, "start_probe: cannot start %s (error %d)\n", argv[1], error);
        return 1;
    }

    // A window is mapped before Qt has painted it, but Qt paints as soon as
    // the server exposes it, which follows at once without a window manager.
    while (millisecondsSince(start) < 30'000) {
        pollfd watch{xcb_get_file_descriptor(connection), POLLIN, 0};
        poll(&watch, 1, 100);
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
            const Reply owned(event, &std::free);
            if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY)
                continue;
            const double elapsed = millisecondsSince(start);
            const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
            if (ownerOf(connection, map->window, pidAtom) == child) {
                std::printf("%.1f %d\n", elapsed, static_cast<int>(child));
                return 0;
            }
        }
        if (xcb_connection_has_error(connection))
            break;
    }
    std::fprintf(stderr, "start_probe: no window of %s was mapped\n", argv[1]);
    return 1;
}
