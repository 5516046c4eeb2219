// The window program of a build without the window toolkit: the console stands in for it.
#include "shell/WindowProgram.h"

int RunWindowProgram(int, char**, const CommandLine& line, int exitCode) { return RunWithoutMainWindow(line, exitCode); }
