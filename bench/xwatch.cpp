// SPDX-License-Identifier: GPL-3.0-or-later

// Starts a program on the X server of $DISPLAY and reports when its windows
// are mapped, counted from just before the program is started, and how much
// memory it holds once they are up.
//
//   qb_xwatch [--maps N] [--settle MS] [--timeout MS] [--painted] -- PROGRAM [ARG...]
//
// Prints one line per top-level window of the program that is mapped:
//   map INDEX SECONDS WINDOW-ID "TITLE"
// With --painted, also when the program's first window is painted:
//   painted 1 SECONDS
// and, after the Nth map and MS milliseconds more:
//   rss KILOBYTES hwm KILOBYTES
// then ends the program. Exit status 0 when N windows were mapped in time.
//
// With no window manager, a top-level window's MapNotify on the root window
// is the moment the server makes it viewable. A window belongs to the
// program when its _NET_WM_PID is the program's process id.
//
// Painted: --painted first fills the root window with a colour no window
// here draws (so use it only on a private server). A newly mapped Qt window
// has no background of its own: until the program paints it, the server
// shows the root's colour through it. The window counts as painted when at
// least 90 % of a 16 x 16 grid of its pixels (the centres of the grid's
// cells) no longer show that colour. The grid is read with one row request
// per grid row, sent together, every half millisecond, so the figure is late
// by at most the time of one such reading.

#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace {

double now()
{
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    xcb_intern_atom_reply_t *r = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(r);
    return a;
}

// The window's property as bytes; empty when missing.
std::string property(xcb_connection_t *c, xcb_window_t w, xcb_atom_t prop, xcb_atom_t type)
{
    xcb_get_property_reply_t *r = xcb_get_property_reply(
        c, xcb_get_property(c, 0, w, prop, type, 0, 256), nullptr);
    std::string out;
    if (r && r->type != XCB_ATOM_NONE)
        out.assign(static_cast<const char *>(xcb_get_property_value(r)),
                   size_t(xcb_get_property_value_length(r))); // in bytes
    std::free(r);
    return out;
}

// VmRSS and VmHWM of a process, in kilobytes.
void memory(pid_t pid, long &rss, long &hwm)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    rss = hwm = -1;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            rss = std::atol(line.c_str() + 6);
        else if (line.rfind("VmHWM:", 0) == 0)
            hwm = std::atol(line.c_str() + 6);
    }
}

int usage()
{
    std::fprintf(
        stderr,
        "usage: qb_xwatch [--maps N] [--settle MS] [--timeout MS] [--painted] -- PROGRAM [ARG...]\n");
    return 2;
}

// A colour no window of the game or the bare window draws.
constexpr uint32_t Unpainted = 0x5a0b3c;
constexpr int Grid = 16;

// Fills the root window with the unpainted colour.
void paintRoot(xcb_connection_t *c, xcb_window_t root)
{
    const uint32_t pixel = Unpainted;
    xcb_change_window_attributes(c, root, XCB_CW_BACK_PIXEL, &pixel);
    xcb_clear_area(c, 0, root, 0, 0, 0, 0);
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr)); // round trip
}

// How many of the grid's points of the area of the root window that the
// window covers show something other than the unpainted colour.
int paintedPoints(xcb_connection_t *c, xcb_window_t root, int x, int y, int width, int height)
{
    xcb_get_image_cookie_t rows[Grid];
    for (int r = 0; r < Grid; ++r)
        rows[r] = xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, root, int16_t(x),
                                int16_t(y + (2 * r + 1) * height / (2 * Grid)), uint16_t(width), 1,
                                ~0u);
    int painted = 0;
    for (int r = 0; r < Grid; ++r) {
        xcb_get_image_reply_t *image = xcb_get_image_reply(c, rows[r], nullptr);
        if (!image)
            continue;
        const uint8_t *data = xcb_get_image_data(image);
        const int length = xcb_get_image_data_length(image);
        // 32 bits a pixel at depth 24, in the server's byte order (Xvfb on
        // this machine: little-endian).
        for (int col = 0; col < Grid; ++col) {
            const int at = 4 * ((2 * col + 1) * width / (2 * Grid));
            if (at + 3 >= length)
                continue;
            const uint32_t pixel = (uint32_t(data[at]) | uint32_t(data[at + 1]) << 8
                                    | uint32_t(data[at + 2]) << 16)
                                   & 0xffffff;
            if (pixel != Unpainted)
                ++painted;
        }
        std::free(image);
    }
    return painted;
}

} // namespace

int main(int argc, char *argv[])
{
    int maps = 1, settleMs = 0, timeoutMs = 20000, first = -1;
    bool watchPaint = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--") {
            first = i + 1;
            break;
        }
        if (a == "--painted") {
            watchPaint = true;
            continue;
        }
        if (i + 1 >= argc)
            return usage();
        if (a == "--maps")
            maps = std::atoi(argv[++i]);
        else if (a == "--settle")
            settleMs = std::atoi(argv[++i]);
        else if (a == "--timeout")
            timeoutMs = std::atoi(argv[++i]);
        else
            return usage();
    }
    if (first < 0 || first >= argc || maps < 1)
        return usage();

    int screenNumber = 0;
    xcb_connection_t *c = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "qb_xwatch: cannot open the display\n");
        return 1;
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&it);
    const xcb_window_t root = it.data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_void_cookie_t sel = xcb_change_window_attributes_checked(c, root, XCB_CW_EVENT_MASK, &mask);
    if (xcb_generic_error_t *e = xcb_request_check(c, sel)) {
        std::fprintf(stderr, "qb_xwatch: cannot watch the root window (error %d)\n", e->error_code);
        return 1;
    }
    const xcb_atom_t netWmPid = atom(c, "_NET_WM_PID");
    const xcb_atom_t netWmName = atom(c, "_NET_WM_NAME");
    const xcb_atom_t utf8 = atom(c, "UTF8_STRING");
    if (watchPaint)
        paintRoot(c, root);
    // The first window's place on the root window, while it is not yet
    // painted; width 0 when there is none to watch.
    int paintX = 0, paintY = 0, paintWidth = 0, paintHeight = 0;
    bool painted = !watchPaint;

    const double start = now();
    const pid_t pid = fork();
    if (pid < 0)
        return 1;
    if (pid == 0) {
        close(xcb_get_file_descriptor(c));
        execvp(argv[first], argv + first);
        std::perror("qb_xwatch: exec");
        _exit(127);
    }

    int seen = 0;
    double lastMap = 0;
    bool ok = false;
    const int fd = xcb_get_file_descriptor(c);
    for (;;) {
        xcb_generic_event_t *ev;
        while ((ev = xcb_poll_for_event(c))) {
            if ((ev->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const double at = now() - start;
                auto *m = reinterpret_cast<xcb_map_notify_event_t *>(ev);
                const std::string p = property(c, m->window, netWmPid, XCB_ATOM_CARDINAL);
                if (p.size() == 4
                    && *reinterpret_cast<const uint32_t *>(p.data()) == uint32_t(pid)) {
                    ++seen;
                    const std::string title = property(c, m->window, netWmName, utf8);
                    std::printf("map %d %.6f 0x%x \"%s\"\n", seen, at, m->window, title.c_str());
                    std::fflush(stdout);
                    lastMap = now();
                    if (seen == 1 && !painted) {
                        xcb_get_geometry_reply_t *g = xcb_get_geometry_reply(
                            c, xcb_get_geometry(c, m->window), nullptr);
                        xcb_translate_coordinates_reply_t *t = xcb_translate_coordinates_reply(
                            c, xcb_translate_coordinates(c, m->window, root, 0, 0), nullptr);
                        if (g && t) {
                            paintX = t->dst_x;
                            paintY = t->dst_y;
                            paintWidth = g->width;
                            paintHeight = g->height;
                        }
                        std::free(g);
                        std::free(t);
                    }
                }
            }
            std::free(ev);
        }
        if (xcb_connection_has_error(c))
            break;
        if (!painted && paintWidth > 0
            && paintedPoints(c, root, paintX, paintY, paintWidth, paintHeight) * 10
                   >= Grid * Grid * 9) {
            painted = true;
            std::printf("painted 1 %.6f\n", now() - start);
            std::fflush(stdout);
        }
        if (painted && seen >= maps && now() - lastMap >= settleMs / 1000.0) {
            long rss, hwm;
            memory(pid, rss, hwm);
            if (settleMs > 0)
                std::printf("rss %ld hwm %ld\n", rss, hwm);
            ok = true;
            break;
        }
        int status;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            std::fprintf(stderr, "qb_xwatch: the program ended before %d windows were mapped\n",
                         maps);
            return 1;
        }
        if (now() - start > timeoutMs / 1000.0) {
            std::fprintf(stderr, "qb_xwatch: %d of %d windows mapped in %d ms\n", seen, maps,
                         timeoutMs);
            break;
        }
        pollfd p{fd, POLLIN, 0};
        if (!painted && paintWidth > 0) {
            const timespec halfMs{0, 500000};
            nanosleep(&halfMs, nullptr);
        } else {
            poll(&p, 1, seen >= maps ? 10 : 100);
        }
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    xcb_disconnect(c);
    return ok ? 0 : 1;
}
