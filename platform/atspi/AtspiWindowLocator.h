#pragma once
// The window under a screen point of the X11 desktop, read from the accessibility bus: the top
// window there names its program, whose windows are read once until the locator forgets them.
#include <sys/types.h>

#include <map>
#include <memory>

#include "platform/WindowSourceLocator.h"
#include "platform/atspi/AtspiWindowSource.h"

class AtspiWindowLocator : public WindowLocator {
public:
    PointedWindow WindowAt(int x, int y) override;
    void Forget() override { sources_.clear(); }

private:
    std::map<pid_t, std::unique_ptr<AtspiWindowSource>> sources_;
};
