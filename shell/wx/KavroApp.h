#pragma once
// The window program's start-up and its application object.
#include <wx/app.h>

#include "shell/CommandLine.h"

class CMainFrameUi;

// Start-up on a running toolkit, after the command line was read and with the program's
// Interaction installed: the line's values made current (a malformed line shows the usage
// message first and then runs no step), the user folders and the language set up, the main frame
// shown, the installation's data read under the splash window, the line's project opened, and the
// line's steps -d, -w, -g, -c and -x run in that order on a project that opened. The main frame
// when interactive use begins; null when start-up ended the program (set-up failed, the project
// is missing, or -q after the steps), with exitCode saying how.
CMainFrameUi* StartWindowProgram(const CommandLine& line, int& exitCode);

class CKavroApp : public wxApp {
public:
    // The application object lives inside the toolkit, which deletes it when it ends: the exit
    // code goes to result.
    CKavroApp(const CommandLine& line, int exitCode, int& result);

    bool OnInit() override;
    int OnExit() override;

private:
    const CommandLine& line_;
    int exitCode_;
    int& result_;
};
