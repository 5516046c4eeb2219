// The window program on the toolkit.
#include "shell/WindowProgram.h"

#include <memory>

#include <wx/init.h>

#include "platform/Interaction.h"
#include "shell/wx/KavroApp.h"

int RunWindowProgram(int argc, char** argv, const CommandLine& line, int exitCode) {
    // Stays at this value when the toolkit cannot open the display.
    int result = -1;
    wxApp::SetInstance(new CKavroApp(line, exitCode, result));
    wxEntry(argc, argv);
    // The console again: the toolkit's dialogs are gone with it.
    InstallInteraction(std::make_unique<ConsoleInteraction>());
    if (result == -1) return RunWithoutMainWindow(line, exitCode);
    return result;
}
