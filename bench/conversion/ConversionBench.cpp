// Exporting the VORNAK exchange file of a project with many test cases: spread over folders
// of plain tasks, and all in one package (where splicing into a growing text would be
// quadratic).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "conversion/xml/XMLConverter.h"
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "model/TestCase.h"

namespace {

constexpr int kStepsPerTestCase = 5;

std::string Numbered(const char* prefix, int number) {
    std::string text = prefix;
    text += std::to_string(number);
    return text;
}

CTaskKav* AddTask(CApplicationKav& project, const std::string& name, int type, CTaskKav* parent) {
    CTaskKav* task = project.GetTasks().Add(new CTaskKav(name, type));
    task->SetID(name);
    task->SetDescription("What " + name + " covers");
    if (parent) parent->AddChild(task);
    return task;
}

void AddTestCases(CApplicationKav& project, CTaskKav* task, int count, int& number) {
    for (int i = 1; i <= count; ++i, ++number) {
        auto* testCase = project.GetTestCases().Add(new CTestCase(i, kTestCaseGraphCoverage, nullptr, nullptr, task, 0));
        testCase->SetUniqueId(Numbered("tc", number));
        for (int s = 0; s < kStepsPerTestCase; ++s)
            testCase->GetSteps().Add(new CTestStep(Numbered("Step ", s), "Click(OK)", "Press\r\nfield=OK",
                                                   "Press the <OK> button", "", "The dialog closes", nullptr, nullptr,
                                                   0, 2, "", nullptr, task, nullptr, ""));
    }
}

// testCases test cases under a root folder: in folders of ten plain tasks of fifty test cases
// each, or (onePackage) all in one folder's single task.
std::unique_ptr<CApplicationKav> MakeProject(int testCases, bool onePackage) {
    auto project = std::make_unique<CApplicationKav>();
    project->SetName("Bench");
    CTaskKav* root = AddTask(*project, "Root", kTaskFolder, nullptr);
    project->SetRootTask(root);
    int number = 0;
    if (onePackage) {
        AddTestCases(*project, AddTask(*project, "All", kTaskPlain, AddTask(*project, "Folder", kTaskFolder, root)),
                     testCases, number);
        return project;
    }
    constexpr int kPerTask = 50;
    constexpr int kTasksPerFolder = 10;
    for (int folder = 0; number < testCases; ++folder) {
        CTaskKav* parent = AddTask(*project, Numbered("Folder", folder), kTaskFolder, root);
        for (int task = 0; task < kTasksPerFolder && number < testCases; ++task)
            AddTestCases(*project, AddTask(*project, Numbered("Task", folder * kTasksPerFolder + task), kTaskPlain, parent),
                         std::min(kPerTask, testCases - number), number);
    }
    return project;
}

void ExportVornakExchange(benchmark::State& state, bool onePackage) {
    const int testCases = static_cast<int>(state.range(0));
    std::unique_ptr<CApplicationKav> project = MakeProject(testCases, onePackage);
    CurrentApplication = project.get();
    const std::filesystem::path output =
        std::filesystem::temp_directory_path() / ("kavro_bench_vornak_" + std::to_string(::getpid()) + ".xml");
    for (auto _ : state) {
        CXMLConverter converter(XmlConverterMode::VornakExchange);
        if (converter.ExportVornakExchange(output, nullptr, nullptr) != 1) throw std::runtime_error("export failed");
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(output));
    state.SetItemsProcessed(state.iterations() * testCases);
    std::filesystem::remove(output);
    CurrentApplication = nullptr;
}

void BM_VornakExchange_ManyPackages(benchmark::State& state) { ExportVornakExchange(state, false); }
void BM_VornakExchange_OnePackage(benchmark::State& state) { ExportVornakExchange(state, true); }

BENCHMARK(BM_VornakExchange_ManyPackages)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VornakExchange_OnePackage)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
