// OK in the property dialog of a top-level window with 1,000 descendants, in a project that
// writes ESA EUD-ART (format 14) and has 20,000 task steps calling a GUI building block on its
// windows: the window's SMURF "application" goes to every descendant and the calls refresh
// what they take from them, against one walk over the steps that refreshes every call.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "editors/windows/PropertiesDlg.h"
#include "model/ApplicationKav.h"
#include "model/FileKav.h"
#include "model/ShellServices.h"
#include "model/TaskKav.h"
#include "model/XMLElement.h"
#include "model/windows/WindowTypes.h"
#include "shell/EditorHost.h"

namespace {

constexpr int kDescendants = 1000;
constexpr int kChildren = 10;
constexpr int kTasks = 200;
constexpr int kStepsPerTask = 100;

// The frame as far as the dialog needs it: OK is pressed at once.
class PressOkHost : public EditorHost {
public:
    int RunModal(EditorDialog& dialog) override {
        dialog.OnInitDialog();
        return dialog.OnOK() ? 1 : 2;
    }
    void SetModified(const std::string&) override {}
    void RefreshAllViews() override {}
    std::string SelectReference(int, CTaskKav*, CDataSet*, const OwningList<CDataEffect>*) override { return {}; }
    void ShowHelp(int) override {}
    int RedirectTransition(CTransitionKav*, CWindowKav*, CWindowKav*) override { return 0; }
    void CloseTaskFlowViews(CTaskKav*) override {}
    void TaskChanged(CTaskKav*) override {}
    void OpenTaskFlow(CTaskKav*) override {}
    int EditStep(CStepKav*, bool, CTaskKav*) override { return 0; }
    void OpenTestCase(CTestCase*) override {}
    void SendCommand(int) override {}
};

struct Project {
    std::unique_ptr<CApplicationKav> app = std::make_unique<CApplicationKav>();
    CWindowKav* top = nullptr;
    std::vector<CWindowKav*> windows;
};

CWindowKav* AddWindow(Project& project, CFileKav* file, int type, CWindowKav* parent) {
    const std::string name = "W" + std::to_string(project.windows.size());
    CWindowKav* window = CreateWindowOfType(type, {.id = name});
    window->SetFile(file);
    window->SetFileId(file->GetID());
    project.app->GetWindowList().Add(window);
    if (parent) parent->AddChild(window);
    project.windows.push_back(window);
    return window;
}

std::unique_ptr<Project> MakeProject() {
    auto project = std::make_unique<Project>();
    CApplicationKav& app = *project->app;
    CurrentApplication = &app;
    app.SetOutputFormat(14);
    CFileKav* file = app.GetFiles().Add(new CFileKav("Shop", "Shop.xml", "/projects/Shop.xml"));
    project->top = AddWindow(*project, file, kWndDialogBox, nullptr);
    project->top->SetSmurfValue("application", "Shop", nullptr, false);
    std::vector<CWindowKav*> children;
    for (int c = 0; c < kChildren; ++c) children.push_back(AddWindow(*project, file, kWndChild, project->top));
    for (int d = kChildren; d < kDescendants; ++d)
        AddWindow(*project, file, kWndPushButton, children[static_cast<size_t>(d % kChildren)]);

    CTaskKav* block = app.GetTasks().Add(new CTaskKav("G_GUI_Click", kTaskBuildingBlock));
    for (int t = 0; t < kTasks; ++t) {
        CTaskKav* task = app.GetTasks().Add(new CTaskKav("Task" + std::to_string(t), kTaskPlain));
        for (int s = 0; s < kStepsPerTask; ++s) {
            CTaskStep* call = task->GetSteps().Add(
                new CTaskStep("G_GUI_Click", "", "", "", "", "", nullptr, nullptr, 0, nullptr, 2, "", 0));
            call->SetSubTask(block);
            const CWindowKav* target = project->windows[static_cast<size_t>((t * kStepsPerTask + s) * 7) %
                                                        project->windows.size()];
            call->GetAttributes().Add(new CAttributeKav("S_TestObject", 4, target->GetInternalID()));
            call->GetAttributes().Add(new CAttributeKav("S_Application", 4, ""));
            call->GetAttributes().Add(new CAttributeKav("S_Description", 4, ""));
        }
    }
    return project;
}

void BM_WindowPropertiesOkSpreadsTheApplication(benchmark::State& state) {
    const std::unique_ptr<Project> project = MakeProject();
    PressOkHost host;
    for (auto _ : state) {
        const std::unique_ptr<CPropertiesDlg> dialog =
            CPropertiesDlg::CreateForType(host, *project->app, project->top->GetType());
        benchmark::DoNotOptimize(dialog->EditWindow(*project->top));
    }
    state.SetItemsProcessed(state.iterations() * kTasks * kStepsPerTask);
    CurrentApplication = nullptr;
}
BENCHMARK(BM_WindowPropertiesOkSpreadsTheApplication)->Unit(benchmark::kMillisecond);

// One walk over every step, each call refreshed from its window.
void BM_OneWalkOverTheSteps(benchmark::State& state) {
    const std::unique_ptr<Project> project = MakeProject();
    WindowsByInternalId windows;
    for (const CWindowKav* window : project->windows) windows.emplace(window->GetInternalID(), window);
    for (auto _ : state) project->app->UpdateGuiBuildingBlockCalls(windows);
    state.SetItemsProcessed(state.iterations() * kTasks * kStepsPerTask);
    CurrentApplication = nullptr;
}
BENCHMARK(BM_OneWalkOverTheSteps)->Unit(benchmark::kMillisecond);

}  // namespace
