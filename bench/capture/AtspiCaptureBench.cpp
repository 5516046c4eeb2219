// The capture of Tarnel's main window through the accessibility bus: the read of its tree and
// the capture into model windows. Needs an X display and a session bus (xvfb-run,
// dbus-run-session); without them it measures nothing.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

#include "capture/GuiSpyDlg.h"
#include "model/GUIBuilderList.h"
#include "model/WindowKav.h"
#include "persistence/XMLDataManager.h"
#include "tests/capture/atspi/DemoProgram.h"

namespace {

pid_t tarnel = 0;

void BM_ReadAndCaptureTarnel(benchmark::State& state) {
    for (auto _ : state) {
        const AtspiWindowSource source(tarnel);
        const CGuiSpyDlg spy(source, GetGuiBuilderDatabase(), nullptr);
        CWindowKav* tree = spy.CaptureWindowTree(source.GetTopWindows().at(0), nullptr, 0);
        benchmark::DoNotOptimize(tree);
        state.PauseTiming();
        tree->DeleteChildren();
        delete tree;
        state.ResumeTiming();
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("DISPLAY") || !std::getenv("DBUS_SESSION_BUS_ADDRESS")) {
        std::puts("no X display or session bus: nothing measured");
        return 0;
    }
    if (!CXMLDataManager().LoadPredefinedGuiBuilders()) return 1;
    tarnel = StartProgram(KAVRO_TARNEL);
    if (!WaitForWindows(tarnel)) {
        std::puts("Tarnel did not show up on the accessibility bus");
        StopProgram(tarnel);
        return 1;
    }
    benchmark::RegisterBenchmark("BM_ReadAndCaptureTarnel", BM_ReadAndCaptureTarnel)->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    StopProgram(tarnel);
    return 0;
}
