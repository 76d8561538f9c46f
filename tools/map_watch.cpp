// The benchmark's stopwatch for the first window: listens on the root window before the program
// starts and prints the wall-clock time (nanoseconds since the epoch) at which the first window of
// the given class was mapped, either directly under the root (an override-redirect window) or inside
// a window manager's frame. Prints "ready" once it listens. Usage: bench_map_watch CLASS
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

int IgnoreErrors(Display*, XErrorEvent*) {
    return 0;  // a window that went away while it was looked at
}

bool HasClass(Display* d, Window w, const char* wanted, int depth) {
    XClassHint hint{};
    if (XGetClassHint(d, w, &hint)) {
        const bool match = hint.res_class && std::strcmp(hint.res_class, wanted) == 0;
        XFree(hint.res_name);
        XFree(hint.res_class);
        if (match)
            return true;
    }
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned n = 0;
    if (depth == 0 || !XQueryTree(d, w, &root, &parent, &children, &n))
        return false;
    bool found = false;
    for (unsigned i = 0; i < n && !found; ++i)
        found = HasClass(d, children[i], wanted, depth - 1);
    if (children)
        XFree(children);
    return found;
}

}  // namespace

int main(int argc, char** argv) {
    Display* d = argc == 2 ? XOpenDisplay(nullptr) : nullptr;
    if (!d) {
        std::fprintf(stderr, "usage: bench_map_watch CLASS (with $DISPLAY set)\n");
        return 2;
    }
    XSetErrorHandler(IgnoreErrors);
    XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
    XSync(d, False);
    std::puts("ready");
    std::fflush(stdout);
    for (;;) {
        XEvent e;
        XNextEvent(d, &e);
        if (e.type != MapNotify)
            continue;
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        if (HasClass(d, e.xmap.window, argv[1], 2)) {
            std::printf("%lld%09ld\n", static_cast<long long>(now.tv_sec), now.tv_nsec);
            return 0;
        }
    }
}
