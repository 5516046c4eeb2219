#include "platform/atspi/AtspiWindowLocator.h"

#include <unistd.h>

#include "platform/atspi/X11Pointing.h"

PointedWindow AtspiWindowLocator::WindowAt(int x, int y) {
    const TopWindowAtPoint top = FindTopWindowAt(x, y);
    if (!top.process) return {};
    if (top.process == getpid()) return {.source = nullptr, .window = 0, .process = top.process, .topWindow = top.window, .own = true};
    std::unique_ptr<AtspiWindowSource>& source = sources_[top.process];
    if (!source) source = std::make_unique<AtspiWindowSource>(top.process);
    return {.source = source.get(), .window = source->WindowAtPoint(x, y), .process = top.process,
            .topWindow = top.window, .own = false};
}
