#include "tests/support/gui/PrivateDisplay.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr int kStartTimeoutMs = 20000;

// Reads the display number Xvfb writes once it accepts clients; empty on failure.
std::string ReadDisplayNumber(int fd) {
    std::string number;
    for (;;) {
        pollfd ready{fd, POLLIN, 0};
        const int polled = poll(&ready, 1, kStartTimeoutMs);
        if (polled < 0 && errno == EINTR) continue;
        if (polled <= 0) return {};
        char c = 0;
        const ssize_t got = read(fd, &c, 1);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return {};
        if (c == '\n') return number;
        number += c;
    }
}

}  // namespace

bool PrivateDisplay::Start(std::string& why) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        why = std::string("pipe: ") + std::strerror(errno);
        return false;
    }
    // The write end must survive the exec, so the child gets a copy without close-on-exec.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    constexpr int kChildFd = 3;
    posix_spawn_file_actions_adddup2(&actions, fds[1], kChildFd);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const std::string fdText = std::to_string(kChildFd);
    char* argv[] = {const_cast<char*>("Xvfb"), const_cast<char*>("-displayfd"), const_cast<char*>(fdText.c_str()),
                    const_cast<char*>("-screen"), const_cast<char*>("0"), const_cast<char*>("1280x1024x24"),
                    const_cast<char*>("-nolisten"), const_cast<char*>("tcp"),
                    // Ends with its last client, so a test process that dies leaves no server.
                    const_cast<char*>("-terminate"), nullptr};
    const int spawned = posix_spawnp(&server_, "Xvfb", &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (spawned != 0) {
        close(fds[0]);
        server_ = -1;
        why = std::string("Xvfb: ") + std::strerror(spawned);
        return false;
    }
    const std::string number = ReadDisplayNumber(fds[0]);
    close(fds[0]);
    if (number.empty()) {
        why = "Xvfb did not report a display";
        return false;
    }
    setenv("DISPLAY", (":" + number).c_str(), 1);
    return true;
}

void PrivateDisplay::Stop() {
    if (server_ <= 0) return;
    kill(server_, SIGTERM);
    int status = 0;
    while (waitpid(server_, &status, 0) < 0 && errno == EINTR) {
    }
    server_ = -1;
}

PrivateDisplay::~PrivateDisplay() { Stop(); }
