#include "shell/wx/KavroApp.h"

#include <memory>

#include "platform/Interaction.h"
#include "resources/MessageCatalogue.h"
#include "shell/BatchRoad.h"
#include "shell/BatchSteps.h"
#include "shell/MainFrame.h"
#include "shell/StartUp.h"
#include "shell/wx/MainFrameUi.h"
#include "shell/wx/ProductDialogsUi.h"
#include "shell/wx/SystemClipboard.h"
#include "shell/wx/WxInteraction.h"

namespace {

constexpr int kLoadingConfiguration = 49182;

}  // namespace

CMainFrameUi* StartWindowProgram(const CommandLine& line, int& exitCode) {
    if (line.malformed && !AcceptCommandLine(line)) {
        exitCode = kExitMalformed;
        return nullptr;
    }
    MakeCommandLineCurrent(line);
    InstallSystemClipboard();
    if (!PrepareProgram(ProgramFolder())) {
        exitCode = kExitFailed;
        return nullptr;
    }
    auto* window = new CMainFrameUi;
    window->Show();
    CMainFrame& frame = window->GetMainFrame();
    frame.SetStatusText(LoadMessage(kLoadingConfiguration));
    window->Update();
    CLogoDlgUi::ShowWhile(window, LoadInstallationData);
    InstallConverterServices();
    ConnectProjectEditor(frame);
    frame.SetStatusText("");
    window->Update();

    if (!frame.OpenProjectFromCommandLine(line.projectPath, line.port)) {
        window->Destroy();
        exitCode = kExitFailed;
        return nullptr;
    }
    // As in batch mode, a malformed line or a project that did not open runs no step.
    bool stepsSucceeded = true;
    if (!line.malformed && frame.IsProjectOpen()) {
        stepsSucceeded = RunCommandLineSteps(line, nullptr, nullptr);
        // The trees show the new start window and the generated test cases.
        frame.UpdateControlBars(PaneKind::TasksPage);
    }
    if (line.quit) {
        window->Destroy();
        exitCode = stepsSucceeded ? kExitSucceeded : kExitFailed;
        return nullptr;
    }
    return window;
}

CKavroApp::CKavroApp(const CommandLine& line, int exitCode, int& result)
    : line_(line), exitCode_(exitCode), result_(result) {}

bool CKavroApp::OnInit() {
    InstallInteraction(std::make_unique<WxInteraction>());
    const bool interactive = StartWindowProgram(line_, exitCode_) != nullptr;
    result_ = exitCode_;
    return interactive;
}

int CKavroApp::OnExit() {
    result_ = exitCode_;
    // The toolkit's clipboard goes with the application.
    InstallClipboardMirror(nullptr);
    return wxApp::OnExit();
}
