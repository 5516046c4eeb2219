#include "ProgramRun.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string ReadAll(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The sanitizers' settings of the test run reach the program; nothing else of the environment.
std::string PassedOn(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(name) + "=" + Quoted(value) + " " : std::string();
}

}  // namespace

ProgramRun KavroProgram::Run(const std::vector<std::string>& arguments) const { return Execute({}, arguments, false); }

ProgramRun KavroProgram::RunMerged(const std::vector<std::string>& arguments) const {
    return Execute({}, arguments, true);
}

ProgramRun KavroProgram::RunWith(const std::vector<std::string>& variables,
                                 const std::vector<std::string>& arguments) const {
    return Execute(variables, arguments, false);
}

ProgramRun KavroProgram::Execute(const std::vector<std::string>& variables, const std::vector<std::string>& arguments,
                                 bool merged) const {
    const std::filesystem::path out = home_ / "run.out";
    const std::filesystem::path err = home_ / "run.err";
    std::string command = "cd " + Quoted(home_.string()) + " && env -i HOME=" + Quoted(home_.string()) +
                          " XDG_CONFIG_HOME=" + Quoted((home_ / "config").string()) +
                          " XDG_DOCUMENTS_DIR=" + Quoted((home_ / "Documents").string()) + " " +
                          PassedOn("ASAN_OPTIONS") + PassedOn("UBSAN_OPTIONS") + PassedOn("LSAN_OPTIONS");
    for (const std::string& variable : variables) command += Quoted(variable) + " ";
    command += Quoted(KAVRO_PROGRAM);
    for (const std::string& argument : arguments) command += " " + Quoted(argument);
    command += " >" + Quoted(out.string()) + (merged ? " 2>&1" : " 2>" + Quoted(err.string())) + " </dev/null";
    const int status = std::system(command.c_str());
    ProgramRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadAll(out);
    if (!merged) run.err = ReadAll(err);
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return run;
}
