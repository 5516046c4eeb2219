#pragma once
// An X server of the test process's own, so that GUI tests of several processes run side by side
// without sharing a pointer, a keyboard focus or a clipboard.
#include <string>
#include <sys/types.h>

class PrivateDisplay {
public:
    PrivateDisplay() = default;
    PrivateDisplay(const PrivateDisplay&) = delete;
    PrivateDisplay& operator=(const PrivateDisplay&) = delete;
    ~PrivateDisplay();

    // Starts Xvfb and points $DISPLAY at it (programs the test starts inherit it). False, with
    // $DISPLAY unchanged, when no Xvfb can be started; why tells the reason.
    bool Start(std::string& why);
    // Ends the server (once the toolkit has let go of it).
    void Stop();

private:
    pid_t server_ = -1;
};
