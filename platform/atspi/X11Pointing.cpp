#include "platform/atspi/X11Pointing.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <unistd.h>

namespace {

// The _NET_WM_PID of the window or of its first descendant that has one (a window manager may
// have put the program's window into a frame of its own).
pid_t NamedProcess(Display* display, Window window, Atom pidAtom) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    pid_t pid = 0;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &remaining,
                           &data) == Success && data) {
        if (type == XA_CARDINAL && format == 32 && count == 1) pid = static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data));
        XFree(data);
    }
    if (pid) return pid;
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int childCount = 0;
    if (!XQueryTree(display, window, &root, &parent, &children, &childCount)) return 0;
    for (unsigned int i = 0; i < childCount && !pid; ++i) pid = NamedProcess(display, children[i], pidAtom);
    if (children) XFree(children);
    return pid;
}

// Windows may go away while they are looked at; Xlib's own handler would end the program on the
// error that follows. A failed call just finds nothing.
int IgnoreError(Display*, XErrorEvent*) { return 0; }

}  // namespace

TopWindowAtPoint FindTopWindowAt(int x, int y) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return {};
    const XErrorHandler previousHandler = XSetErrorHandler(IgnoreError);
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", True);
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int childCount = 0;
    TopWindowAtPoint found;
    if (pidAtom != None && XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &childCount)) {
        // Children come bottom first.
        for (unsigned int i = childCount; i-- > 0 && !found.process;) {
            XWindowAttributes attributes;
            if (!XGetWindowAttributes(display, children[i], &attributes) || attributes.map_state != IsViewable) continue;
            if (x < attributes.x || x >= attributes.x + attributes.width || y < attributes.y ||
                y >= attributes.y + attributes.height) {
                continue;
            }
            const pid_t process = NamedProcess(display, children[i], pidAtom);
            if (attributes.override_redirect && process == getpid()) continue;
            found = {process, children[i]};
        }
        if (children) XFree(children);
    }
    XSync(display, False);
    XSetErrorHandler(previousHandler);
    XCloseDisplay(display);
    return found;
}
