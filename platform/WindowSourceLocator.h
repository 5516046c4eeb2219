#pragma once
// Finds the window under a screen point of the desktop, with the program it belongs to. The
// windows of each program are read once and kept until the locator forgets them, so that a
// pointer moving over one program does not read it again and again.
#include <cstdint>

#include "platform/WindowSource.h"

struct PointedWindow {
    // The windows of the program at the point; null when there is none or it is this program.
    const WindowSource* source = nullptr;
    // The window of the source at the point, or 0.
    WindowHandle window = 0;
    int process = 0;
    // The desktop's own number of the program's top window there.
    std::uint64_t topWindow = 0;
    // A window of this very program.
    bool own = false;
};

class WindowLocator {
public:
    virtual ~WindowLocator() = default;
    // Sources handed out stay valid until Forget.
    virtual PointedWindow WindowAt(int x, int y) = 0;
    virtual void Forget() = 0;
};
