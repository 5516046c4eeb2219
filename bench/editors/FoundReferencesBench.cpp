// Search References over 5,000 windows of 5 transitions with 3 conditions each and 500 tasks of
// 20 steps, each step with a condition and an action argument. The designators name windows
// near the owner, one condition in three goes through a meta-condition and string constants
// hold "#", so that the search searches to the end and finds a handful.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench/editors/TreeBenchTexts.h"
#include "editors/project/FoundTransDlg.h"
#include "model/ActionKav.h"
#include "model/ApplicationKav.h"
#include "model/ArgumentKav.h"
#include "model/ShellServices.h"
#include "model/TaskKav.h"
#include "model/TaskStep.h"
#include "model/TransitionKav.h"
#include "model/WindowKav.h"
#include "model/windows/WindowTypes.h"
#include "tests/editors/FakeEditorHost.h"

namespace {

constexpr int kWindows = 5000;
constexpr int kTransitionsPerWindow = 5;
constexpr int kConditionsPerTransition = 3;
constexpr int kTasks = 500;
constexpr int kStepsPerTask = 20;
constexpr int kMetaConditions = 50;

std::string WindowName(int number) {
    return Numbered("Win_", number % kWindows);
}

std::string ConditionText(int window, int variant) {
    switch (variant % 3) {
        case 0: return "#" + WindowName(window + 1) + ":$Enabled# = TRUE";
        case 1: return "#" + WindowName(window + 2) + ":$Caption# = \"a#b\" AND #" + WindowName(window) + "# = 1";
        default: return Numbered("%Meta_", window % kMetaConditions) + " OR #:N# > 3";
    }
}

std::unique_ptr<CApplicationKav> MakeProject() {
    auto project = std::make_unique<CApplicationKav>();
    CFileKav* mainFile = project->GetFiles().Add(new CFileKav("Proj"));
    for (int m = 0; m < kMetaConditions; ++m)
        project->GetMetaConditions().Add(new CConditionKav(Numbered("Meta_", m), "#" + WindowName(m * 97) + "# = 0"))
            ->SetFile(mainFile);
    for (int w = 0; w < kWindows; ++w) {
        CWindowKav* window = CreateWindowOfType(kWndMain, {.id = WindowName(w)});
        window->SetFile(mainFile);
        project->GetWindowList().Add(window);
        for (int t = 0; t < kTransitionsPerWindow; ++t) {
            auto* transition = window->GetTransitions().Add(
                new CTransitionKav(Numbered("T", t), "", "", "", "", "", window, nullptr, 0, nullptr, 2, "", 0));
            for (int c = 0; c < kConditionsPerTransition; ++c)
                transition->GetConditions().Add(new CConditionKav("", ConditionText(w + t, c)));
        }
    }
    for (int t = 0; t < kTasks; ++t) {
        CTaskKav* task = project->GetTasks().Add(new CTaskKav(Numbered("Task_", t), kTaskPlain));
        task->SetFile(mainFile);
        for (int s = 0; s < kStepsPerTask; ++s) {
            auto* step = task->GetSteps().Add(
                new CTaskStep(Numbered("S", s), "", "", "", "", "", nullptr, nullptr, 0, nullptr, 2, "", 0));
            step->GetConditions().Add(new CConditionKav("", ConditionText(t * kStepsPerTask + s, s)));
            CActionKav* action = step->GetActions().Add(new CActionKav(1));
            action->GetArguments().Add(new CArgumentKav(1, "Window", 6, "#" + WindowName(t * 7 + s) + "#"));
        }
    }
    return project;
}

void BM_FindReferences(benchmark::State& state) {
    const std::unique_ptr<CApplicationKav> project = MakeProject();
    CurrentApplication = project.get();
    FakeEditorHost host;
    CFoundTransDlg dialog(host, *project);
    for (auto _ : state) {
        if (!dialog.FindReferences("win_2500")) state.SkipWithError("the search failed");
        benchmark::DoNotOptimize(dialog.FoundTransitions().size());
    }
    state.counters["transitions"] = static_cast<double>(dialog.FoundTransitions().size());
    state.counters["task_steps"] = static_cast<double>(dialog.FoundTaskSteps().size());
    state.SetItemsProcessed(state.iterations() *
                            (kWindows * kTransitionsPerWindow * kConditionsPerTransition + kTasks * kStepsPerTask * 2));
    CurrentApplication = nullptr;
}
BENCHMARK(BM_FindReferences)->Unit(benchmark::kMillisecond);

}  // namespace
