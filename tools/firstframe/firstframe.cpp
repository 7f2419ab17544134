// usage: firstframe TITLE LAUNCHMS
// Waits (at most 20 s) for a window called TITLE on $DISPLAY and then for
// its first pixel that is not black, and prints both moments in milliseconds
// after LAUNCHMS (the launch, in milliseconds since the epoch, as
// `date +%s%3N` gives it). Polling the screen from a shell takes a tenth of
// a second or more a look; this looks every few milliseconds.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

long long nowms() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

Window findwindow(Display* d, Window w, const char* title) {
    char* name = nullptr;
    if (XFetchName(d, w, &name) && name) {
        bool same = std::strcmp(name, title) == 0;
        XFree(name);
        if (same) return w;
    }
    Window root, parent, *children = nullptr;
    unsigned n = 0;
    if (!XQueryTree(d, w, &root, &parent, &children, &n)) return 0;
    Window found = 0;
    for (unsigned i = 0; i < n && !found; i++) found = findwindow(d, children[i], title);
    if (children) XFree(children);
    return found;
}

bool showsanything(Display* d, Window w) {
    XWindowAttributes a;
    if (!XGetWindowAttributes(d, w, &a) || a.map_state != IsViewable) return false;
    XImage* im = XGetImage(d, w, 0, 0, unsigned(a.width), unsigned(a.height), AllPlanes, ZPixmap);
    if (!im) return false;
    bool any = false;
    for (int y = 0; y < a.height && !any; y++)
        for (int x = 0; x < a.width && !any; x++) any = (XGetPixel(im, x, y) & 0xFFFFFF) != 0;
    XDestroyImage(im);
    return any;
}

// The window may vanish or change between two requests.
int ignoreerrors(Display*, XErrorEvent*) { return 0; }

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: firstframe TITLE LAUNCHMS\n");
        return 2;
    }
    long long launch = std::atoll(argv[2]);
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "firstframe: no display\n");
        return 2;
    }
    XSetErrorHandler(ignoreerrors);
    const long long limit = 20000;
    Window w = 0;
    while (!(w = findwindow(d, DefaultRootWindow(d), argv[1]))) {
        if (nowms() - launch > limit) return 1;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    long long window = nowms() - launch;
    while (!showsanything(d, w)) {
        if (nowms() - launch > limit) return 1;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    std::printf("%lld %lld\n", window, nowms() - launch);
    XCloseDisplay(d);
    return 0;
}
