// Launches a program and waits, event-driven, for the X server to map its
// first top-level window and then for the first drawing into it (XDamage):
// prints the times from just before the launch to the MapNotify and to that
// first painted frame in milliseconds, then, after a settling pause, the
// process's RSS in KiB from /proc/PID/smaps_rollup. The program is then ended.
//
// usage: launch-until-mapped SETTLE_SECONDS PROGRAM [ARGS...]
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double NowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

// A window may be gone before it is watched; that is no failure.
int IgnoreXErrors(Display*, XErrorEvent*) { return 0; }

long RssKb(pid_t pid)
{
    std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
    std::string key;
    long value = 0;
    while (rollup >> key) {
        if (key == "Rss:" && rollup >> value)
            return value;
        rollup.ignore(4096, '\n');
    }
    return -1;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: launch-until-mapped SETTLE_SECONDS PROGRAM [ARGS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "launch-until-mapped: cannot open the X display\n");
        return 2;
    }
    int damageEvent = 0, damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "launch-until-mapped: the X server has no DAMAGE extension\n");
        return 2;
    }
    XSetErrorHandler(IgnoreXErrors);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const double start = NowMs();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    // Every top-level window is watched from its creation, so that no drawing
    // between the map and the watch is missed.
    double mapped = -1, painted = -1;
    Window shown = 0;
    while (painted < 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == CreateNotify && event.xcreatewindow.parent == root)
            XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
        if (event.type == MapNotify && event.xmap.event == root && !event.xmap.override_redirect && mapped < 0) {
            mapped = NowMs();
            shown = event.xmap.window;
        }
        if (event.type == damageEvent + XDamageNotify) {
            const auto* damage = reinterpret_cast<const XDamageNotifyEvent*>(&event);
            if (mapped >= 0 && damage->drawable == shown)
                painted = NowMs();
        }
    }
    sleep(static_cast<unsigned>(std::atoi(argv[1])));
    const long rss = RssKb(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    std::printf("%.2f %ld %.2f\n", mapped - start, rss, painted - start);
    return 0;
}
