#pragma once
// Outside programs that the system starts and waits for (the TestPartner tools). A program is
// found on the search path and started without a command interpreter: each argument reaches it
// as given, so no typed value can run a command of its own.
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct ToolCommand {
    std::string program;
    std::vector<std::string> arguments;
    // Where the program's standard output is appended (the file is created when missing);
    // empty: it stays the system's.
    std::string outputFile;

    bool operator==(const ToolCommand&) const = default;
};

class ToolRunner {
public:
    virtual ~ToolRunner() = default;
    // Starts the program and waits for its end: its exit code, or nothing when it could not be
    // started (not found, not executable, or its output file not writable).
    virtual std::optional<int> Run(const ToolCommand& command) = 0;
};

// The real one: posix_spawnp, then waitpid.
class SpawnToolRunner : public ToolRunner {
public:
    std::optional<int> Run(const ToolCommand& command) override;
};

// Tests: records every command and starts nothing; the programs named in unstartable cannot be
// started, the others end with exitCode.
class RecordingToolRunner : public ToolRunner {
public:
    std::optional<int> Run(const ToolCommand& command) override;

    std::vector<ToolCommand> commands;
    std::vector<std::string> unstartable;
    int exitCode = 0;
};

// The runner the program uses; a SpawnToolRunner until another is installed (null restores it).
ToolRunner& GetToolRunner();
void InstallToolRunner(std::unique_ptr<ToolRunner> runner);
