// Seeding the random source, as opening a project does for each project root it deletes: with
// the process id of the tests, and with the largest process id of Linux.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "platform/Random.h"

namespace {

void SeedRandomRegister(benchmark::State& state) {
    const auto processId = static_cast<std::uint32_t>(state.range(0));
    std::uint32_t tick = 0;
    for (auto _ : state) {
        CShiftRegister reg;
        reg.Seed(tick++, processId);
        benchmark::DoNotOptimize(reg.GetCells().data());
    }
}

}  // namespace

BENCHMARK(SeedRandomRegister)->Arg(4242)->Arg(4194303)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
