#pragma once
// A program under capture, started for a test or a benchmark on the display and session bus of
// the caller, and read from the accessibility bus once it shows its windows.
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <thread>

#include "platform/atspi/AtspiWindowSource.h"

// Started without the variable that the GUI tests set to keep the bus away; it ends with the
// caller, even when that one crashes.
inline pid_t StartProgram(const char* path) {
    unsetenv("NO_AT_BRIDGE");
    const pid_t pid = fork();
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        execl(path, path, static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

inline void StopProgram(pid_t pid) {
    if (pid <= 0) return;
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}

// The program's windows once its first top window has a child; null when it ended before (no
// display) or that takes over 30 s.
inline std::unique_ptr<AtspiWindowSource> WaitForWindows(pid_t& pid) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (std::chrono::steady_clock::now() < deadline) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            pid = 0;
            return nullptr;
        }
        auto source = std::make_unique<AtspiWindowSource>(pid);
        if (!source->GetTopWindows().empty() && source->GetFirstChild(source->GetTopWindows()[0])) return source;
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    return nullptr;
}

// Starts the program and waits for its windows. A program that ended at its start is started
// again, twice at most: on a loaded machine the display may turn a new client away for a moment.
inline std::unique_ptr<AtspiWindowSource> StartAndWaitForWindows(const char* path, pid_t& pid) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        pid = StartProgram(path);
        if (pid <= 0) return nullptr;
        if (auto source = WaitForWindows(pid)) return source;
        if (pid) return nullptr;  // it runs but never showed its windows
    }
    return nullptr;
}
