#include "platform/ToolRunner.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <iostream>

extern char** environ;

namespace {

// Closes the descriptor and the file actions however the start ends.
class SpawnSetup {
public:
    SpawnSetup() { posix_spawn_file_actions_init(&actions_); }
    ~SpawnSetup() {
        posix_spawn_file_actions_destroy(&actions_);
        if (output_ >= 0) ::close(output_);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;

    bool RedirectOutput(const std::string& path) {
        output_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
        return output_ >= 0 && posix_spawn_file_actions_adddup2(&actions_, output_, STDOUT_FILENO) == 0;
    }
    const posix_spawn_file_actions_t* Actions() const { return &actions_; }

private:
    posix_spawn_file_actions_t actions_;
    int output_ = -1;
};

std::unique_ptr<ToolRunner>& InstalledRunner() {
    static std::unique_ptr<ToolRunner> runner = std::make_unique<SpawnToolRunner>();
    return runner;
}

}  // namespace

std::optional<int> SpawnToolRunner::Run(const ToolCommand& command) {
    SpawnSetup setup;
    if (!command.outputFile.empty() && !setup.RedirectOutput(command.outputFile)) return std::nullopt;

    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(command.program.c_str()));
    for (const std::string& argument : command.arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    // What the program writes follows what this process has written.
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    pid_t child = 0;
    if (posix_spawnp(&child, command.program.c_str(), setup.Actions(), nullptr, argv.data(), environ) != 0)
        return std::nullopt;
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) return std::nullopt;
    }
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    return 128 + WTERMSIG(status);
}

std::optional<int> RecordingToolRunner::Run(const ToolCommand& command) {
    commands.push_back(command);
    if (std::find(unstartable.begin(), unstartable.end(), command.program) != unstartable.end()) return std::nullopt;
    return exitCode;
}

ToolRunner& GetToolRunner() { return *InstalledRunner(); }

void InstallToolRunner(std::unique_ptr<ToolRunner> runner) {
    InstalledRunner() = runner ? std::move(runner) : std::make_unique<SpawnToolRunner>();
}
