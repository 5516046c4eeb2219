#pragma once
// The windows of a running program as its accessibility tree on the AT-SPI bus shows them, read
// once when the source is made. Objects that are no windows of their own (fillers, unnamed
// panels, scroll panes, viewports, a group's own label) pass their children to the nearest
// window; the menu bar of a top window is read as its menu. A browser view's document is one
// window: the web page it shows is read by the capture of web pages. AT-SPI knows no control
// identifiers, extended styles or menu command numbers: they stay 0.
#include <sys/types.h>

#include "platform/WindowTreeSource.h"

class AtspiWindowSource : public WindowTreeSource {
public:
    // The top windows of the process, with everything below them; none when the process has
    // no application on the bus.
    explicit AtspiWindowSource(pid_t process);
};
