#pragma once
// Imports timed into a new empty project per iteration; making and deleting the project is not
// timed. The import succeeded when it says so and the window table holds the expected count.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <memory>

#include "model/ApplicationKav.h"
#include "model/FileKav.h"
#include "model/ShellServices.h"

template <class Import>
void RunImportsIntoEmptyProject(benchmark::State& state, std::size_t expectedWindows, Import import) {
    for (auto _ : state) {
        state.PauseTiming();
        auto project = std::make_unique<CApplicationKav>();
        project->GetFiles().Add(new CFileKav("Bench", "Bench.xml", "/bench/Bench.xml"));
        CurrentApplication = project.get();
        state.ResumeTiming();
        if (!import() || project->GetWindowList().GetCount() != expectedWindows) state.SkipWithError("import failed");
        state.PauseTiming();
        CurrentApplication = nullptr;
        project.reset();
        state.ResumeTiming();
    }
    state.counters["windows"] = static_cast<double>(expectedWindows);
}
