// The HTML documentation without pictures: the folder emptied of the last run's pages and every
// page written, into a temporary folder. Two projects: one of 1,000 windows (100 dialogs with 9
// buttons each) and 500 tasks, and one with many object pages: 1,000 dialogs of 5 controls and 2
// transitions each, 500 tasks of 10 steps and 2,000 test cases.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "docs/HTMLDlg.h"
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "model/TestCase.h"
#include "model/TransitionKav.h"
#include "model/windows/WindowTypes.h"
#include "platform/Progress.h"

namespace {

struct ProjectShape {
    int dialogs;
    int controlsPerDialog;
    int transitionsPerDialog;
    // Tasks of ten steps, in folders of this many below the root.
    int folders;
    int tasksPerFolder;
    int testCases;
};

// 1,000 windows and 500 tasks (with the folders and the root); every tenth dialog is a captioned
// child of the one before.
constexpr ProjectShape kFewPages{100, 9, 0, 50, 9, 0};
constexpr ProjectShape kManyPages{1000, 5, 2, 10, 50, 2000};
constexpr int kStepsPerTask = 10;
constexpr int kStepsPerTestCase = 5;

// Appended piecewise: GCC 12 warns falsely on a literal plus std::to_string at -O2.
std::string Numbered(const char* prefix, int number) {
    std::string text = prefix;
    text += std::to_string(number);
    return text;
}

std::vector<CWindowKav*> AddDialogs(CApplicationKav& project, CFileKav* file, const ProjectShape& shape) {
    std::vector<CWindowKav*> dialogs;
    CWindowKav* previous = nullptr;
    for (int dialog = 0; dialog < shape.dialogs; ++dialog) {
        CWindowKav* window = CreateWindowOfType(kWndDialogBox, {.id = Numbered("Dialog_", (dialog * 37) % shape.dialogs)});
        window->SetFile(file);
        window->SetHasCaption(true);
        project.GetWindowList().Add(window);
        if (dialog % 10 == 5) previous->AddChild(window);
        for (int control = 0; control < shape.controlsPerDialog; ++control) {
            CWindowKav* child = CreateWindowOfType(kWndPushButton, {.id = window->GetName() + Numbered("_Button_", control)});
            child->SetFile(file);
            project.GetWindowList().Add(child);
            window->AddChild(child);
        }
        for (int transition = 0; transition < shape.transitionsPerDialog; ++transition)
            window->GetTransitions().Add(new CTransitionKav(Numbered("Go_", transition), "Click()", "Wait(1)\nCheck()",
                                                            "Leaves", "", "The next dialog", window, previous, transition,
                                                            nullptr, 2, "", 0));
        previous = window;
        dialogs.push_back(window);
    }
    return dialogs;
}

void AddTasks(CApplicationKav& project, const ProjectShape& shape) {
    auto* root = project.GetTasks().Add(new CTaskKav("Root", kTaskFolder));
    project.SetRootTask(root);
    for (int folder = 0; folder < shape.folders; ++folder) {
        auto* group = project.GetTasks().Add(new CTaskKav(Numbered("Folder_", shape.folders - folder), kTaskFolder));
        root->AddChild(group);
        for (int task = 0; task < shape.tasksPerFolder; ++task) {
            auto* added = project.GetTasks().Add(new CTaskKav(group->GetName() + Numbered("_Task_", task), kTaskPlain));
            group->AddChild(added);
            for (int step = 0; step < kStepsPerTask; ++step)
                added->GetSteps().Add(new CTaskStep(Numbered("Step_", step), "", "", "", "", "", nullptr, nullptr, 0,
                                                    nullptr, 2, "", 0));
            added->SetStartStep(added->GetSteps()[0]);
        }
    }
}

// Generated from the tasks in turn, each of a few steps in the dialogs.
void AddTestCases(CApplicationKav& project, const ProjectShape& shape, const std::vector<CWindowKav*>& windows) {
    const auto& tasks = project.GetTasks();
    for (int number = 0; number < shape.testCases; ++number) {
        CTaskKav* task = tasks[static_cast<size_t>(number) % tasks.size()];
        auto* testCase = project.GetTestCases().Add(
            new CTestCase(number + 1, kTestCaseGraphCoverage, nullptr, nullptr, task, number % 7 == 0));
        for (int step = 0; step < kStepsPerTestCase; ++step) {
            CWindowKav* window = windows[static_cast<size_t>((number + step) % windows.size())];
            testCase->GetSteps().Add(new CTestStep(Numbered("Step_", step), "Click()", "", "Presses", "", "Done", window,
                                                   nullptr, step, 2, "", nullptr, nullptr, nullptr, ""));
        }
    }
}

std::unique_ptr<CApplicationKav> MakeProject(const ProjectShape& shape) {
    auto project = std::make_unique<CApplicationKav>();
    CFileKav* mainFile = project->GetFiles().Add(new CFileKav("Bench", "Bench.xml", "/bench/Bench.xml"));
    project->SetName("Bench");
    const std::vector<CWindowKav*> dialogs = AddDialogs(*project, mainFile, shape);
    AddTasks(*project, shape);
    AddTestCases(*project, shape, dialogs);
    return project;
}

class NoWindow : public HtmlGeneratorWindow {
public:
    bool ShowModal(HtmlGeneratorDialog&) override { return false; }
    void RunWithProgress(Progress&, const std::function<void()>& work) override { work(); }
};

void DocumentProject(benchmark::State& state, const ProjectShape& shape) {
    const std::unique_ptr<CApplicationKav> project = MakeProject(shape);
    CurrentApplication = project.get();
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("kavro_bench_docs_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    NoWindow window;
    CHTMLDlg dialog(*project, window, nullptr);
    dialog.SetTargetFolder(folder.string());
    dialog.SetIncludeScreenshots(false);
    for (auto _ : state) {
        Progress progress;
        benchmark::DoNotOptimize(dialog.GenerateDocumentation(progress));
    }
    std::uintmax_t bytes = 0;
    int pages = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        bytes += entry.file_size();
        ++pages;
    }
    state.counters["pages"] = pages;
    state.counters["page_bytes"] = static_cast<double>(bytes);
    std::filesystem::remove_all(folder);
    CurrentApplication = nullptr;
}
void BM_DocumentProject(benchmark::State& state) { DocumentProject(state, kFewPages); }
BENCHMARK(BM_DocumentProject)->Unit(benchmark::kMillisecond);

void BM_DocumentObjectPages(benchmark::State& state) { DocumentProject(state, kManyPages); }
BENCHMARK(BM_DocumentObjectPages)->Unit(benchmark::kMillisecond);

}  // namespace
