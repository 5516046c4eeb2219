// The program's editors: every main frame shows their windows and pages, with the project
// administration and the recognition tags that the window view gives new windows.
#include <wx/app.h>

#include "conversion/framework/TagGeneration.h"
#include "editors/EditorWindows.h"
#include "editors/FrameEditorsUi.h"
#include "editors/project/ProjectAdministrationDlg.h"
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "shell/EditorHost.h"
#include "shell/Help.h"
#include "shell/StartUp.h"
#include "views/window/NewWindow.h"

namespace {

// What the project administration reaches of the program: its windows shown over the main
// window, and undo steps through the frame's hook. It opens no editor of a model object, so the
// rest of the editors' host has nothing to do.
class ProjectDialogHost : public EditorHost {
public:
    int RunModal(EditorDialog& dialog) override { return ShowEditorWindow(dialog, wxTheApp->GetTopWindow()); }
    void SetModified(const std::string& undoName) override { RecordUndoStep(undoName); }
    void ShowHelp(int contextId) override { ::ShowHelp(contextId); }
    void RefreshAllViews() override {}
    std::string SelectReference(int, CTaskKav*, CDataSet*, const OwningList<CDataEffect>*) override { return {}; }
    int RedirectTransition(CTransitionKav*, CWindowKav*, CWindowKav*) override { return 0; }
    void CloseTaskFlowViews(CTaskKav*) override {}
    void TaskChanged(CTaskKav*) override {}
    void OpenTaskFlow(CTaskKav*) override {}
    int EditStep(CStepKav*, bool, CTaskKav*) override { return 0; }
    void OpenTestCase(CTestCase*) override {}
    void SendCommand(int) override {}
};

int RunProjectAdministration(CApplicationKav& project, bool duringLoading) {
    ProjectDialogHost host;
    CProjectAdministrationDlg dialog(host);
    return dialog.EditProject(project, duringLoading);
}

[[maybe_unused]] const bool kEditorsInstalled = [] {
    InstallFrameEditors();
    InstalledProjectEditor() = RunProjectAdministration;
    SetTagGenerator([](CWindowKav& window) {
        return GenerateWindowTags(*CurrentApplication, CurrentApplication->GetOutputFormat(), &window, 0) == 1;
    });
    return true;
}();

}  // namespace
