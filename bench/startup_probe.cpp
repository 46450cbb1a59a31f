// startup_probe TIMEOUT_MS PROGRAM [ARGS...]
// Starts PROGRAM and measures, from just before exec, how long until its top-level window is
// mapped (viewable, the test that `xdotool search --onlyvisible` makes) and until it is painted
// (the pixel at its centre is no longer black, the colour of an unpainted window under Xvfb).
// The window is told from others by its _NET_WM_PID. Polls every 0.2 ms on its own X connection,
// without starting a process per poll. Prints "MAP_MS PAINT_MS PID" and leaves the program
// running; exits 1 if the window did not show within the timeout.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {

double Now() {
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

long WindowPid(Display* d, Window w, Atom pid_atom) {
    Atom type;
    int format;
    unsigned long items, after;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(d, w, pid_atom, 0, 1, False, XA_CARDINAL, &type, &format, &items, &after,
                           &data) == Success &&
        data && items == 1 && format == 32)
        pid = static_cast<long>(*reinterpret_cast<unsigned long*>(data));
    if (data) XFree(data);
    return pid;
}

// The viewable top-level window of this process, or 0.
Window FindWindow(Display* d, Atom pid_atom, pid_t pid, XWindowAttributes& attrs) {
    Window root_return, parent, *children = nullptr;
    unsigned int count = 0;
    Window found = 0;
    if (!XQueryTree(d, DefaultRootWindow(d), &root_return, &parent, &children, &count)) return 0;
    for (unsigned int i = 0; i < count && !found; ++i) {
        XWindowAttributes a;
        if (!XGetWindowAttributes(d, children[i], &a) || a.map_state != IsViewable) continue;
        if (WindowPid(d, children[i], pid_atom) != pid) continue;
        attrs = a;
        found = children[i];
    }
    if (children) XFree(children);
    return found;
}

int IgnoreErrors(Display*, XErrorEvent*) {
    return 0;
}  // a window may vanish while polled

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_probe TIMEOUT_MS PROGRAM [ARGS...]\n");
        return 2;
    }
    const double timeout = std::atof(argv[1]);
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "startup_probe: no X display\n");
        return 2;
    }
    XSetErrorHandler(IgnoreErrors);
    const Atom pid_atom = XInternAtom(d, "_NET_WM_PID", False);

    const double start = Now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }

    double mapped = -1, painted = -1;
    Window w = 0;
    XWindowAttributes attrs{};
    while (Now() - start < timeout) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) break;  // the program ended
        if (!w) {
            w = FindWindow(d, pid_atom, pid, attrs);
            if (w) mapped = Now() - start;
        }
        if (w) {
            XImage* image =
                XGetImage(d, w, attrs.width / 2, attrs.height / 2, 1, 1, AllPlanes, ZPixmap);
            if (image) {
                const unsigned long pixel = XGetPixel(image, 0, 0);
                XDestroyImage(image);
                if ((pixel & 0xFFFFFF) != 0) {
                    painted = Now() - start;
                    break;
                }
            }
        }
        usleep(200);
    }
    if (painted < 0) {
        kill(pid, SIGKILL);
        std::fprintf(stderr, "startup_probe: %s showed no painted window within %.0f ms\n", argv[2],
                     timeout);
        return 1;
    }
    std::printf("%.2f %.2f %d\n", mapped, painted, static_cast<int>(pid));
    return 0;
}
