#pragma once
// The window program: the toolkit started, its message boxes made the program's Interaction.
// Its main window comes later; until then the program shows what it can and ends.
#include "shell/CommandLine.h"

// What the window program does before its main window exists, through the installed
// Interaction: a malformed line shows the usage message [W0699] and ends with exitCode; any
// other line says that the main window is not built yet and ends with kExitFailed.
int RunWithoutMainWindow(const CommandLine& line, int exitCode);

// Starts the toolkit on the display and runs the window program; returns the exit code. A
// build without the toolkit, or a display that cannot be opened, reports on the console.
int RunWindowProgram(int argc, char** argv, const CommandLine& line, int exitCode);
