#pragma once
// How the program starts from its command line, and the batch road: start-up without a window,
// the project opened, the steps of the line run, and the program ended with an exit code. The
// batch road never touches the window toolkit and never saves the project.
#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

#include "shell/CommandLine.h"

enum ExitCode : int {
    kExitSucceeded = 0,
    // The command line is malformed (or VORNAK's start-up data is): no step ran.
    kExitMalformed = 1,
    // Start-up or a step failed: the project did not open, or generation or conversion failed.
    kExitFailed = 2,
};

enum class StartRoad {
    // The program ends at once with the decision's exit code, after the console message when
    // there is one.
    End,
    // -q outside VORNAK mode: the batch road.
    Batch,
    // The window program; with a malformed line it shows the usage message in a box and runs
    // no step.
    Interactive,
};

struct StartDecision {
    StartRoad road = StartRoad::End;
    int exitCode = kExitSucceeded;
    // The catalogue id of the text to show on the console first; 0 for none.
    int consoleMessage = 0;

    bool operator==(const StartDecision&) const = default;
};

// VORNAK mode with a malformed line or without a port ends silently with 1. A malformed line
// ends with 1 and the usage message [W0699] on the console when -q appears anywhere among the
// tokens or no display is available, else the window program shows it. A well-formed line with
// -q runs the batch road; any other goes to the window program, which without a display ends
// with 2 and a message that says so.
StartDecision DecideStartRoad(const CommandLine& line, const std::vector<std::string>& tokens,
                              bool displayAvailable);

// Whether the environment names a display the window toolkit could open.
bool IsDisplayAvailable();

// The script and export folders of the command line are taken relative to the working
// directory and made absolute, since the conversion resolves a relative output folder against
// the project's folder. The project path stays as given: it is opened from the working directory
// and named in messages as the caller wrote it.
void MakeCommandLinePathsAbsolute(CommandLine& line);

// The batch road for a well-formed line with -q: the line's settings made current, the user
// folders and the language set up, the installation's data read, the project opened, then -d,
// -w, -g, -c and -x in that order. The log of the load, the generation and the conversion goes
// to log, messages go through Interaction. A project that does not open runs no step. A failed
// -g or -c does not stop the later steps, but the result is kExitFailed; warnings of -d, -w and
// -x leave it kExitSucceeded.
int RunBatchRoad(const CommandLine& line, const std::filesystem::path& programFolder, std::ostream& log);
