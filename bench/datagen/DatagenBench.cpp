// The equivalence class method with each combination strategy on data sets of N fields of K
// classes (the last class of each field invalid), for valid and invalid records, "records" the
// number made. All combinations makes about K^N records, so it is measured on a growing series
// of small sets. The pairs strategy keeps a record for each choice, in odometer order, that
// brings a new pair of classes; its record count grows with the number of pairs (50 fields of
// 20 classes: about 840,000 records, 0.6 GB and 20 seconds: make bench leaves out the "Large"
// case, run it with --benchmark_filter=Large). A third of that time is the walk, measured apart.
#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "generation/DataGenSettings.h"
#include "generation/EqClassMethod.h"
#include "generation/EqClassValues.h"
#include "generation/EqCombinationStrategy.h"
#include "model/DataSet.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"

namespace {

// The run's closing message goes nowhere.
class SilentInteraction : public Interaction {
public:
    MessageAnswer ShowMessage(const MessageRequest& request) override { return request.defaultAnswer; }
    std::optional<std::string> AskForPath(const FileDialogRequest&) override { return std::nullopt; }
};

// Appended piecewise: GCC 12 warns falsely on a literal plus std::to_string at -O2.
std::string Numbered(const char* prefix, int number) {
    std::string text = prefix;
    text += std::to_string(number);
    return text;
}

// Each class has the borders 10k..10k+9 and the representative values 10k+1 and 10k+5.
std::unique_ptr<CDataSet> MakeDataSet(int fields, int classes) {
    auto dataSet = std::make_unique<CDataSet>("Bench");
    for (int f = 0; f < fields; ++f) {
        CDataField* field = dataSet->GetFields().Add(new CDataField(Numbered("F", f), 2));
        for (int c = 0; c < classes; ++c) {
            const int base = 10 * c;
            auto* eqClass = field->GetEqClasses().Add(new CDataEqClass(Numbered("C", c), c + 1 < classes ? 1 : 0, {},
                                                                       std::to_string(base), std::to_string(base + 9)));
            eqClass->GetRepresentativeValues() = {std::to_string(base + 1), std::to_string(base + 5)};
        }
    }
    return dataSet;
}

// Arguments: strategy, fields, classes, values per class.
void BM_EqClassMethod(benchmark::State& state) {
    InstallInteraction(std::make_unique<SilentInteraction>());
    const DataGenSettings settings{true, true, static_cast<int>(state.range(0)), kEqClassMethod,
                                   static_cast<int>(state.range(3))};
    std::unique_ptr<CDataSet> dataSet = MakeDataSet(static_cast<int>(state.range(1)), static_cast<int>(state.range(2)));
    std::size_t records = 0;
    for (auto _ : state) {
        if (!GenerateByEqClasses(*dataSet, settings)) throw std::runtime_error(GetGlobalMessageBuffer());
        records = dataSet->GetRecords().size();
        state.PauseTiming();
        dataSet->GetRecords().DeleteAll();
        state.ResumeTiming();
    }
    state.counters["records"] = static_cast<double>(records);
}

constexpr int kOnce = kEachClassOnce;
constexpr int kPairs = kEachPairOnce;
constexpr int kAll = kAllCombinations;

BENCHMARK(BM_EqClassMethod)
    ->ArgNames({"strategy", "fields", "classes", "values"})
    ->Unit(benchmark::kMillisecond)
    ->Args({kOnce, 20, 5, kOneRepresentative})
    ->Args({kOnce, 50, 20, kOneRepresentative})
    ->Args({kOnce, 20, 5, kAllSpecifiedValues})
    ->Args({kOnce, 50, 20, kAllSpecifiedValues})
    ->Args({kPairs, 8, 4, kOneRepresentative})
    ->Args({kPairs, 8, 4, kAllSpecifiedValues})
    ->Args({kPairs, 20, 5, kOneRepresentative})
    ->Args({kPairs, 30, 10, kOneRepresentative})
    ->Args({kAll, 8, 4, kOneRepresentative})
    ->Args({kAll, 8, 4, kAllSpecifiedValues})
    ->Args({kAll, 9, 4, kOneRepresentative})
    ->Args({kAll, 10, 4, kOneRepresentative});

void BM_EqClassPairsLarge(benchmark::State& state) { BM_EqClassMethod(state); }
BENCHMARK(BM_EqClassPairsLarge)
    ->ArgNames({"strategy", "fields", "classes", "values"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Args({kPairs, 50, 20, kOneRepresentative});

// The pairs walk alone, both modes, without making records: "combinations" the number it keeps.
// Arguments: fields, classes.
void BM_EqClassPairsWalk(benchmark::State& state) {
    std::unique_ptr<CDataSet> dataSet = MakeDataSet(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    std::unique_ptr<EqCombinationStrategy> strategy = MakeEqCombinationStrategy(kPairs);
    std::size_t kept = 0;
    for (auto _ : state) {
        kept = 0;
        for (int mode : {kValidMode, kInvalidMode}) {
            EqCombinationList combinations;
            if (!strategy->Combine(*dataSet, mode, combinations, nullptr))
                throw std::runtime_error(GetGlobalMessageBuffer());
            kept += combinations.size();
        }
    }
    state.counters["combinations"] = static_cast<double>(kept);
}
BENCHMARK(BM_EqClassPairsWalk)
    ->ArgNames({"fields", "classes"})
    ->Unit(benchmark::kMillisecond)
    ->Args({20, 5})
    ->Args({30, 10});

void BM_EqClassPairsWalkLarge(benchmark::State& state) { BM_EqClassPairsWalk(state); }
BENCHMARK(BM_EqClassPairsWalkLarge)
    ->ArgNames({"fields", "classes"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Args({50, 20});

}  // namespace

BENCHMARK_MAIN();
