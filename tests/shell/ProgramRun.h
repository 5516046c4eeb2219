#pragma once
// Runs the built program kavro as a user would, in a home of the test's own: no display, the
// settings, documents and working folder inside that home.
#include <filesystem>
#include <string>
#include <vector>

struct ProgramRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

class KavroProgram {
public:
    explicit KavroProgram(std::filesystem::path home) : home_(std::move(home)) {}

    // The run with standard output and standard error apart.
    ProgramRun Run(const std::vector<std::string>& arguments) const;
    // The run with both streams in one, in the order they were written (in out).
    ProgramRun RunMerged(const std::vector<std::string>& arguments) const;
    // The run apart, with variables ("NAME=value") added to its environment.
    ProgramRun RunWith(const std::vector<std::string>& variables, const std::vector<std::string>& arguments) const;

    // The user's settings file and the folder that holds the Kavro folders.
    std::filesystem::path SettingsFile() const { return home_ / "config" / "kavro" / "settings.txt"; }
    std::filesystem::path UserFolder() const { return home_ / "Documents" / "Kavro"; }
    const std::filesystem::path& WorkingFolder() const { return home_; }

private:
    ProgramRun Execute(const std::vector<std::string>& variables, const std::vector<std::string>& arguments,
                       bool merged) const;

    std::filesystem::path home_;
};
