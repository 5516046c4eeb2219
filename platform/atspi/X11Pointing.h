#pragma once
// The program whose top window lies under a screen point of the X11 display.
#include <sys/types.h>

// The process that the topmost viewable top window at the point names (_NET_WM_PID), or 0
// without a display or such a window.
pid_t ProcessAtPoint(int x, int y);
