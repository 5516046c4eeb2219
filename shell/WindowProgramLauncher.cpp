// The window program of kavro: the toolkit and its many shared libraries live in a program of
// their own beside kavro, so that a batch run never loads them. kavro becomes that program, with
// the same command line, process and exit code.
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "platform/MessageBuffer.h"
#include "shell/BatchRoad.h"
#include "shell/StartUp.h"
#include "shell/WindowProgram.h"

namespace {

constexpr int kFatalError = 49952;
constexpr const char* kWindowProgramName = "kavro-window";

}  // namespace

int RunWindowProgram(int argc, char** argv, const CommandLine&, int) {
    std::string program = (ProgramFolder() / kWindowProgramName).string();
    std::vector<char*> arguments(argv, argv + argc);
    arguments[0] = program.data();
    arguments.push_back(nullptr);
    execv(program.c_str(), arguments.data());
    const std::string reason = "the window program " + program + " cannot be started: " + std::strerror(errno);
    std::cerr << FormatMessageId(kFatalError, reason) << std::endl;
    return kExitFailed;
}
