#pragma once
// The window program: the toolkit started, its message boxes made the program's Interaction,
// start-up run with the main frame, and the message loop until the frame closes.
#include "shell/CommandLine.h"

// What the program does when it has no window to show (a build without the toolkit, or a
// display that cannot be opened), through the installed Interaction: a malformed line shows the
// usage message [W0699] and ends with exitCode; any other line says that interactive use needs
// a display and ends with kExitFailed.
int RunWithoutMainWindow(const CommandLine& line, int exitCode);

// Starts the toolkit on the display and runs the window program; returns the exit code.
int RunWindowProgram(int argc, char** argv, const CommandLine& line, int exitCode);
