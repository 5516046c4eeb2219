// The HTML documentation of a project of 1,000 windows and 500 tasks, without pictures: the
// folder emptied of the last run's pages and every page written, into a temporary folder.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "docs/HTMLDlg.h"
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "model/windows/WindowTypes.h"
#include "platform/Progress.h"

namespace {

constexpr int kDialogs = 100;
constexpr int kControlsPerDialog = 9;  // with the dialogs: 1,000 windows
constexpr int kFolders = 50;
constexpr int kTasksPerFolder = 9;  // with the folders and the root: 500 tasks
constexpr int kStepsPerTask = 10;

// Appended piecewise: GCC 12 warns falsely on a literal plus std::to_string at -O2.
std::string Numbered(const char* prefix, int number) {
    std::string text = prefix;
    text += std::to_string(number);
    return text;
}

std::unique_ptr<CApplicationKav> MakeProject() {
    auto project = std::make_unique<CApplicationKav>();
    CFileKav* mainFile = project->GetFiles().Add(new CFileKav("Bench", "Bench.xml", "/bench/Bench.xml"));
    project->SetName("Bench");
    CWindowKav* previous = nullptr;
    for (int dialog = 0; dialog < kDialogs; ++dialog) {
        CWindowKav* window = CreateWindowOfType(kWndDialogBox, {.id = Numbered("Dialog_", (dialog * 37) % kDialogs)});
        window->SetFile(mainFile);
        window->SetHasCaption(true);
        project->GetWindowList().Add(window);
        // Every tenth dialog is a captioned child of the one before: a page of its own, too.
        if (dialog % 10 == 5) previous->AddChild(window);
        previous = window;
        for (int control = 0; control < kControlsPerDialog; ++control) {
            CWindowKav* child = CreateWindowOfType(kWndPushButton, {.id = window->GetName() + Numbered("_Button_", control)});
            child->SetFile(mainFile);
            project->GetWindowList().Add(child);
            window->AddChild(child);
        }
    }
    auto* root = project->GetTasks().Add(new CTaskKav("Root", kTaskFolder));
    project->SetRootTask(root);
    for (int folder = 0; folder < kFolders; ++folder) {
        auto* group = project->GetTasks().Add(new CTaskKav(Numbered("Folder_", kFolders - folder), kTaskFolder));
        root->AddChild(group);
        for (int task = 0; task < kTasksPerFolder; ++task) {
            auto* added = project->GetTasks().Add(new CTaskKav(group->GetName() + Numbered("_Task_", task), kTaskPlain));
            group->AddChild(added);
            for (int step = 0; step < kStepsPerTask; ++step)
                added->GetSteps().Add(new CTaskStep(Numbered("Step_", step), "", "", "", "", "", nullptr, nullptr, 0,
                                                    nullptr, 2, "", 0));
            added->SetStartStep(added->GetSteps()[0]);
        }
    }
    return project;
}

class NoWindow : public HtmlGeneratorWindow {
public:
    bool ShowModal(HtmlGeneratorDialog&) override { return false; }
    void RunWithProgress(Progress&, const std::function<void()>& work) override { work(); }
};

void BM_DocumentProject(benchmark::State& state) {
    const std::unique_ptr<CApplicationKav> project = MakeProject();
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
    for (const auto& entry : std::filesystem::directory_iterator(folder)) bytes += entry.file_size();
    state.counters["page_bytes"] = static_cast<double>(bytes);
    std::filesystem::remove_all(folder);
    CurrentApplication = nullptr;
}
BENCHMARK(BM_DocumentProject)->Unit(benchmark::kMillisecond);

}  // namespace
