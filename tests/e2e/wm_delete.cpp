// Test helper: sends the window manager's close request (WM_DELETE_WINDOW)
// to the window whose id is given, as a window manager would.
// Usage: wm_delete WINDOW-ID   (decimal or 0x hexadecimal)
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: wm_delete WINDOW-ID\n");
        return 2;
    }
    Display *d = XOpenDisplay(nullptr);
    if (d == nullptr) {
        std::fprintf(stderr, "wm_delete: cannot open display\n");
        return 1;
    }
    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = static_cast<Window>(std::strtoul(argv[1], nullptr, 0));
    ev.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
    ev.xclient.data.l[1] = CurrentTime;
    XSendEvent(d, ev.xclient.window, False, NoEventMask, &ev);
    XSync(d, False);
    XCloseDisplay(d);
    return 0;
}
