#include "ScreenGrab.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

wxImage GrabScreen() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return {};
    const Window root = DefaultRootWindow(display);
    XWindowAttributes attributes;
    XGetWindowAttributes(display, root, &attributes);
    wxImage image(attributes.width, attributes.height);
    if (XImage* grab = XGetImage(display, root, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap)) {
        for (int y = 0; y < attributes.height; ++y) {
            for (int x = 0; x < attributes.width; ++x) {
                const unsigned long pixel = XGetPixel(grab, x, y);
                image.SetRGB(x, y, (pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
            }
        }
        XDestroyImage(grab);
    }
    XCloseDisplay(display);
    return image;
}
