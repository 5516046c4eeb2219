// The task-flow view laying out a task: the grid places, the box positions and the arrows.
// Flows: 40 diamonds stacked on one another (2^40 paths from the start to the last join), and
// chains of 1,000 and 2,000 steps in which every fifth step also skips three steps ahead, so
// that long connections are straightened.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "model/TaskKav.h"
#include "views/flow/TaskflowView.h"

namespace {

class SilentHost : public TaskflowViewHost {
public:
    void ReportPickedStep(CTaskStep*) override {}
    void ReportTaskChanged(CTaskKav*) override {}
    void OpenTaskFlow(CTaskKav*) override {}
    void OpenStepEditor(CTaskStep*) override {}
    void SendCommand(int) override {}
    void ShowTitle(const std::string&) override {}
    void SetScrollSizes(ViewSize) override {}
    void Redraw() override {}
    void CloseView() override {}
};

// Appended piecewise: GCC 12 warns falsely on a literal plus std::to_string at -O2.
std::string Numbered(const char* prefix, int number) {
    std::string text = prefix;
    text += std::to_string(number);
    return text;
}

CTaskStep* AddStep(CTaskKav& task, const std::string& name, const std::vector<CTaskStep*>& predecessors) {
    auto* step = task.GetSteps().Add(new CTaskStep(name, "", "", "", "", "", nullptr, nullptr, 0, nullptr, 2, "", 1));
    if (!task.GetStartStep()) task.SetStartStep(step);
    for (CTaskStep* predecessor : predecessors) task.ConnectSteps(predecessor, step);
    return step;
}

void StackDiamonds(CTaskKav& task, int diamonds) {
    CTaskStep* top = AddStep(task, "Start", {});
    for (int i = 0; i < diamonds; ++i) {
        CTaskStep* left = AddStep(task, Numbered("Left", i), {top});
        CTaskStep* right = AddStep(task, Numbered("Right", i), {top});
        top = AddStep(task, Numbered("Join", i), {left, right});
    }
}

void ChainWithSkips(CTaskKav& task, int steps) {
    std::vector<CTaskStep*> chain{AddStep(task, "Start", {})};
    for (int i = 1; i < steps; ++i) {
        std::vector<CTaskStep*> predecessors{chain.back()};
        if (i >= 4 && (i - 4) % 5 == 0) predecessors.push_back(chain[static_cast<std::size_t>(i - 4)]);
        chain.push_back(AddStep(task, Numbered("Step", i), predecessors));
    }
}

void LayOut(benchmark::State& state, CTaskKav& task) {
    SilentHost host;
    CTaskflowView view(host);
    view.SetTask(&task, 0);
    for (auto _ : state) {
        view.LayoutSteps();
        benchmark::DoNotOptimize(view.GetConnections().size());
    }
    state.counters["steps"] = static_cast<double>(task.GetSteps().size());
    state.counters["connections"] = static_cast<double>(view.GetConnections().size());
    state.counters["levels"] = view.GetGrid().levels;
    state.counters["columns"] = view.GetGrid().columns;
}

void BM_LayOutStackedDiamonds(benchmark::State& state) {
    CTaskKav task("Diamonds", kTaskPlain);
    StackDiamonds(task, 40);
    LayOut(state, task);
}
BENCHMARK(BM_LayOutStackedDiamonds)->Unit(benchmark::kMicrosecond);

void BM_LayOutChainWithSkips(benchmark::State& state) {
    CTaskKav task("Chain", kTaskPlain);
    ChainWithSkips(task, static_cast<int>(state.range(0)));
    LayOut(state, task);
}
BENCHMARK(BM_LayOutChainWithSkips)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond);

}  // namespace
