// Converting one package of many test cases into a Ranorex solution: every test case adds its
// entries to the project file, which stays in memory until the package is done, so the time per
// test case stays flat as the package grows.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "conversion/ranorex/Ranorex.h"
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "model/TaskKav.h"
#include "model/TestCase.h"
#include "model/WindowList.h"
#include "model/windows/WindowTypes.h"

namespace {

CWindowKav* AddWindow(CApplicationKav& project, const std::string& name, int type, CWindowKav* parent) {
    CWindowKav* window = CreateWindowOfType(type, {.id = name});
    project.GetWindowList().Add(window);
    window->SetCaption(name);
    if (parent) parent->AddChild(window);
    return window;
}

CTestStep* Step(const std::string& name, const std::string& event, CWindowKav* window, CTaskKav* task) {
    return new CTestStep(name, event, "", "", "", "", window, window, 0, 2, "", nullptr, task, nullptr, "a comment");
}

// One dialog with a button, a field and a list; one task with testCases test cases of five steps.
std::unique_ptr<CApplicationKav> MakeProject(int testCases) {
    auto project = std::make_unique<CApplicationKav>();
    project->SetName("Bench");
    project->SetExePath("app.exe");
    CWindowKav* dialog = AddWindow(*project, "Login", kWndDialogBox, nullptr);
    dialog->SetHasCaption(true);
    CWindowKav* ok = AddWindow(*project, "OK", kWndPushButton, dialog);
    CWindowKav* name = AddWindow(*project, "Name", kWndInputField, dialog);
    CWindowKav* items = AddWindow(*project, "Items", kWndListBox, dialog);
    GenerateRanorexTags(*dialog, 0);
    CTaskKav* task = project->GetTasks().Add(new CTaskKav("SignIn", kTaskPlain));
    for (int number = 1; number <= testCases; ++number) {
        auto* testCase = project->GetTestCases().Add(new CTestCase(number, kTestCaseGraphCoverage, nullptr, nullptr, task, 0));
        testCase->SetUniqueId("tc" + std::to_string(number));
        auto& steps = testCase->GetSteps();
        steps.Add(Step("Enter", "Input(\"ann\")", name, task));
        steps.Add(Step("Keys", "Type(\"<ctrl>-a\")", name, task));
        steps.Add(Step("Tick", "Check(last, TRUE)", items, task));
        steps.Add(Step("Code", "", nullptr, task))->SetCommands("Report.Info(\"x\");");
        steps.Add(Step("Press", "Click", ok, task));
    }
    return project;
}

void BM_Ranorex_OnePackage(benchmark::State& state) {
    const int testCases = static_cast<int>(state.range(0));
    std::unique_ptr<CApplicationKav> project = MakeProject(testCases);
    CurrentApplication = project.get();
    TestCaseList list(project->GetTestCases().begin(), project->GetTestCases().end());
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("kavro_bench_ranorex_" + std::to_string(::getpid()));
    for (auto _ : state) {
        CRanorex converter;
        int count = 0;
        std::string path;
        if (converter.Init("Bench", folder.string(), "app.exe", "", "") != 1 ||
            converter.Convert(list, "SignIn", count, path) != 1 || count != testCases)
            throw std::runtime_error("conversion failed");
    }
    state.SetItemsProcessed(state.iterations() * testCases);
    std::filesystem::remove_all(folder);
    CurrentApplication = nullptr;
}

BENCHMARK(BM_Ranorex_OnePackage)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
