// Boundary values and effect combinations of a data set of 20 variables with 36 valid effects
// (six effect variables of six effects each) and 4 invalid effects, and the combination of
// three effects that each exclude four values, through libmirvane.so.
#include <benchmark/benchmark.h>

#include <stdexcept>

#include "combgen/Mirvane.h"

namespace {

void Require(int result, CExportQZ& mirvane) {
    if (result != 1) throw std::runtime_error(mirvane.GetErrorMessage());
}

// Appended piecewise: GCC 12 warns falsely on a literal plus std::to_string at -O2.
std::string Numbered(const char* prefix, int number, const char* suffix = "") {
    std::string text = prefix;
    text += std::to_string(number);
    text += suffix;
    return text;
}

std::string Var(int index) { return Numbered("#v", index, "#"); }

// Each effect variable governs three variables; its six effects are of every shape the
// condition language offers, each joined text staying within the parser's 99 nodes.
void Configure(CExportQZ& mirvane) {
    mirvane.ClearConfiguration();
    for (int i = 0; i < 20; ++i) {
        const int lower = i == 0 ? -20 : i >= 18 ? -100 : 0;
        Require(mirvane.AddVariable(Numbered("v", i), lower, i >= 18 ? 200 : 100), mirvane);
    }
    for (int k = 0; k < 6; ++k) {
        const std::string name = Numbered("Class", k);
        Require(mirvane.AddEffectVariable(name, "class"), mirvane);
        const std::string a = Var(3 * k), b = Var(3 * k + 1), c = Var(3 * k + 2);
        const std::string conditions[] = {
            a + " < 20",
            a + " >= 20 AND " + a + " < 50",
            a + " >= 50 AND " + b + " <= " + c,
            a + " + " + b + " > 150",
            "2 * " + b + " - " + c + " = 10",
            c + " > 90 OR " + b + " < 5",
        };
        for (int e = 0; e < 6; ++e) {
            const std::string effect = Numbered("E", 10 * k + e);
            Require(mirvane.AddEffect(effect, 1, conditions[e], name, std::to_string(e)), mirvane);
        }
    }
    const std::string invalid[] = {Var(18) + " < 0", Var(18) + " > 100", Var(19) + " > 100 OR " + Var(19) + " < 0",
                                   Var(0) + " < -10"};
    for (int x = 0; x < 4; ++x) Require(mirvane.AddEffect(Numbered("X", x), 0, invalid[x], "", ""), mirvane);
}

void BM_BoundaryValuesOfEveryEffect(benchmark::State& state) {
    CExportQZ mirvane;
    Configure(mirvane);
    std::size_t maps = 0;
    for (auto _ : state) {
        maps = 0;
        for (int k = 0; k < 6; ++k) {
            for (int e = 0; e < 6; ++e) {
                QZSolutionList list;
                Require(mirvane.GenerateBoundaryValues(Numbered("E", 10 * k + e), &list), mirvane);
                maps += list.size();
            }
        }
        benchmark::DoNotOptimize(maps);
    }
    state.counters["maps"] = static_cast<double>(maps);
    mirvane.ClearConfiguration();
}
BENCHMARK(BM_BoundaryValuesOfEveryEffect)->Unit(benchmark::kMillisecond);

void BM_ValidAndInvalidEffectCombinations(benchmark::State& state) {
    CExportQZ mirvane;
    Configure(mirvane);
    QZResultList results;
    for (auto _ : state) {
        Require(mirvane.GenerateEffectCombinations(1, 1, &results), mirvane);
        benchmark::DoNotOptimize(results.data());
    }
    std::size_t maps = 0;
    for (const auto& result : results) maps += result->Solutions().size();
    state.counters["combinations"] = static_cast<double>(results.size());
    state.counters["maps"] = static_cast<double>(maps);
    mirvane.ClearConfiguration();
}
BENCHMARK(BM_ValidAndInvalidEffectCombinations)->Unit(benchmark::kMillisecond);

// Each effect has 16 conjunctions of its own, of which 2 have a solution: the combination's
// 4,096 conjunctions are only worth forming as far as they can still be solved.
void BM_CombinationOfEffectsExcludingValues(benchmark::State& state) {
    CExportQZ mirvane;
    mirvane.ClearConfiguration();
    for (const char* name : {"a", "b", "c"}) {
        Require(mirvane.AddVariable(name, 0, 30), mirvane);
        Require(mirvane.AddEffectVariable(name, ""), mirvane);
        std::string condition;
        for (int value = 1; value <= 4; ++value) {
            if (value > 1) condition += " AND ";
            condition += '#';
            condition += name;
            condition += Numbered("# != ", value);
        }
        Require(mirvane.AddEffect(name, 1, condition, name, ""), mirvane);
    }
    QZResultList results;
    for (auto _ : state) {
        Require(mirvane.GenerateEffectCombinations(1, 0, &results), mirvane);
        benchmark::DoNotOptimize(results.data());
    }
    state.counters["maps"] = static_cast<double>(results.empty() ? 0 : results.front()->Solutions().size());
    mirvane.ClearConfiguration();
}
BENCHMARK(BM_CombinationOfEffectsExcludingValues)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
