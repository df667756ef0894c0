// Zubrik: reports each ring of the X bell on the display; a test tool.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
//
// Usage: zubrik_bell_watch. Prints "ready" once it listens, then one line
// "bell" for each ring of the bell by any client, until it is ended.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <memory>

int main()
{
    int event = 0, error = 0, major = XkbMajorVersion, minor = XkbMinorVersion;
    std::unique_ptr<Display, int (*)(Display *)> display(
        XkbOpenDisplay(nullptr, &event, &error, &major, &minor, nullptr), XCloseDisplay);
    if (!display) {
        std::fprintf(stderr, "no X display with the keyboard extension\n");
        return 1;
    }
    if (!XkbSelectEvents(display.get(), XkbUseCoreKbd, XkbBellNotifyMask, XkbBellNotifyMask)) {
        std::fprintf(stderr, "cannot watch the bell\n");
        return 1;
    }
    XSync(display.get(), False);
    std::printf("ready\n");
    std::fflush(stdout);
    for (;;) {
        XEvent next;
        XNextEvent(display.get(), &next);
        const auto *xkb = reinterpret_cast<const XkbAnyEvent *>(&next);
        if (next.type == event && xkb->xkb_type == XkbBellNotify) {
            std::printf("bell\n");
            std::fflush(stdout);
        }
    }
}
