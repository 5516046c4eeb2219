// The window program on the toolkit: the application object runs the program from its
// initialisation and ends at once, since there is no main window to keep it running yet.
#include "shell/WindowProgram.h"

#include <memory>

#include <wx/app.h>
#include <wx/init.h>

#include "platform/Interaction.h"
#include "shell/BatchRoad.h"
#include "shell/wx/WxInteraction.h"

namespace {

class CKavroApp : public wxApp {
public:
    CKavroApp(const CommandLine& line, int exitCode, int& result) : line_(line), exitCode_(exitCode), result_(result) {}

    bool OnInit() override {
        InstallInteraction(std::make_unique<WxInteraction>());
        result_ = RunWithoutMainWindow(line_, exitCode_);
        return false;
    }

private:
    const CommandLine& line_;
    int exitCode_;
    int& result_;
};

}  // namespace

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
