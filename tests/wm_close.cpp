// Zubrik: asks a window to close the way a window manager's close box does; a test tool.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
//
// Usage: zubrik_wm_close WINDOW-ID. Sends the window a WM_PROTOCOLS client
// message carrying WM_DELETE_WINDOW (ICCCM 4.2.8.1), which is what a window
// manager does when its close box is clicked; the program decides what follows.
// Exit status 2 if the window does not take part in that protocol.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s WINDOW-ID\n", argv[0]);
        return 1;
    }
    const Window window = std::strtoul(argv[1], nullptr, 0);
    std::unique_ptr<Display, int (*)(Display *)> display(XOpenDisplay(nullptr), XCloseDisplay);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    const Atom protocols = XInternAtom(display.get(), "WM_PROTOCOLS", False);
    const Atom deleteWindow = XInternAtom(display.get(), "WM_DELETE_WINDOW", False);

    Atom *offered = nullptr;
    int count = 0;
    bool takesPart = false;
    if (XGetWMProtocols(display.get(), window, &offered, &count)) {
        for (int i = 0; i < count; ++i)
            takesPart = takesPart || offered[i] == deleteWindow;
        XFree(offered);
    }
    if (!takesPart) {
        std::fprintf(stderr, "window 0x%lx does not offer WM_DELETE_WINDOW\n", window);
        return 2;
    }

    XEvent event {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = protocols;
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(deleteWindow);
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display.get(), window, False, NoEventMask, &event);
    XFlush(display.get());
    return 0;
}
