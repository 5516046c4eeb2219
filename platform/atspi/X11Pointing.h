#pragma once
// The program whose top window lies under a screen point of the X11 display.
#include <sys/types.h>

struct TopWindowAtPoint {
    pid_t process = 0;
    // The X11 id of the top window.
    unsigned long window = 0;
};

// The topmost viewable top window at the point that names its program (_NET_WM_PID), or nothing
// without a display or such a window. This program's own pop-up windows (menus, tool tips, the
// spy's frame round a window) are looked through.
TopWindowAtPoint FindTopWindowAt(int x, int y);

inline pid_t ProcessAtPoint(int x, int y) { return FindTopWindowAt(x, y).process; }
