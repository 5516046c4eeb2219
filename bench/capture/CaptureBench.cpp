// The capture of a large scripted window tree: a dialog of 100 group boxes with 99 buttons each
// (10,000 windows), classified by the installed builders.
#include <benchmark/benchmark.h>

#include "capture/GuiSpyDlg.h"
#include "model/GUIBuilderList.h"
#include "model/WindowKav.h"
#include "persistence/XMLDataManager.h"
#include "platform/WindowTreeSource.h"

namespace {

WindowTreeSource MakeDesktop() {
    WindowTreeSource source;
    const WindowHandle top = source.Add({.className = "#32770", .text = "Bench", .rect = {0, 0, 2000, 2000}});
    for (int group = 0; group < 100; ++group) {
        const WindowHandle box = source.Add({.className = "Button", .text = "Group", .style = 7, .role = 20}, top);
        for (int button = 0; button < 99; ++button) {
            source.Add({.className = "Button", .text = "Button", .rect = {group, button, group + 10, button + 10},
                        .controlId = button, .style = 0x10000000, .role = 43},
                       box);
        }
    }
    return source;
}

void BM_CaptureTenThousandWindows(benchmark::State& state) {
    if (!CXMLDataManager().LoadPredefinedGuiBuilders()) {
        state.SkipWithError("the installed GUI builders cannot be read");
        return;
    }
    const WindowTreeSource source = MakeDesktop();
    const CGuiSpyDlg spy(source, GetGuiBuilderDatabase(), nullptr);
    for (auto _ : state) {
        CWindowKav* tree = spy.CaptureWindowTree(1, nullptr, 0);
        benchmark::DoNotOptimize(tree);
        state.PauseTiming();
        tree->DeleteChildren();
        delete tree;
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_CaptureTenThousandWindows)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
