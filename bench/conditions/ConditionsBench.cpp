// Designator values and condition evaluation on a project of 10,000 windows: 1,000 main
// windows, each with nine controls of the kinds that have values or properties.
#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "conditions/ConditionEvaluator.h"
#include "conditions/ConditionParser.h"
#include "conditions/DesignatorValues.h"
#include "model/ApplicationKav.h"
#include "model/Combination.h"
#include "model/ShellServices.h"
#include "model/windows/WindowTypes.h"

namespace {

constexpr int kMainWindows = 1000;
constexpr int kControlTypes[] = {kWndInputField, kWndCheckBox,   kWndComboBox, kWndListBox, kWndPushButton,
                                 kWndGroupBox,   kWndTabControl, kWndStaticText, kWndTable};

std::string Numbered(const char* prefix, int number) {
    std::string text = prefix;
    text += std::to_string(number);
    return text;
}

// The project of the benchmark, current while it lives, with a designator of each window.
class BenchProject {
public:
    BenchProject() : app_(std::make_unique<CApplicationKav>()) {
        app_->GetFiles().Add(new CFileKav("Bench", "Bench.xml", "/bench/Bench.xml"));
        CurrentApplication = app_.get();
        CWindowList& table = app_->GetWindowList();
        for (int m = 0; m < kMainWindows; ++m) {
            CWindowKav* main = CreateWindowOfType(kWndMain, {.id = Numbered("Main", m), .caption = "Main"});
            table.Add(main);
            designators_.push_back(main->GetName() + ":$Enabled");
            for (int c = 0; c < 9; ++c) {
                CWindowKav* control = CreateWindowOfType(kControlTypes[c], {.id = Numbered("Ctrl", m * 9 + c)});
                table.Add(control);
                main->AddChild(control);
                designators_.push_back(Designator(*control));
            }
        }
        if (table.GetCount() != 10000) throw std::runtime_error("the benchmark project must hold 10,000 windows");
    }
    ~BenchProject() { CurrentApplication = nullptr; }

    const std::vector<std::string>& Designators() const { return designators_; }

private:
    static std::string Designator(const CWindowKav& control) {
        switch (control.GetType()) {
            case kWndListBox: return control.GetName() + ":$3";
            case kWndTable: return control.GetName() + ":$1,2";
            case kWndPushButton: return control.GetName() + ":$DefaultButton";
            case kWndStaticText: return control.GetName() + ":$Caption";
            default: return control.GetName();
        }
    }

    std::unique_ptr<CApplicationKav> app_;
    std::vector<std::string> designators_;
};

void GetDesignatorValues(benchmark::State& state) {
    const BenchProject project;
    const std::vector<std::string>& designators = project.Designators();
    const CConditionContext context = InitConditionContext();
    std::string value;
    int type = 0;
    size_t next = 0;
    for (auto _ : state) {
        // Spread over the table: consecutive calls hit different buckets and bucket depths.
        next = (next + 7919) % designators.size();
        if (GetDesignatorValue(context, designators[next], value, type) != 1) state.SkipWithError("refused");
        benchmark::DoNotOptimize(value);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(GetDesignatorValues)->Iterations(1000000)->Unit(benchmark::kNanosecond);

// One condition per main window over the window and two of its controls; appended piecewise,
// as GCC 12 warns falsely on a literal plus a string at -O2.
std::string ConditionOf(int m) {
    std::string text = "#";
    text.append(Numbered("Main", m)).append(":$Enabled# AND (#").append(Numbered("Ctrl", m * 9));
    text.append("# = \"x\" OR #").append(Numbered("Ctrl", m * 9 + 1)).append("# != TRUE) AND 10 - 3 - 2 = 5");
    return text;
}

void ParseAndEvaluateConditions(benchmark::State& state) {
    const BenchProject project;
    const CConditionContext context = InitConditionContext();
    const CCombination none;
    std::vector<std::string> conditions;
    for (int m = 0; m < kMainWindows; ++m) conditions.push_back(ConditionOf(m));
    size_t next = 0;
    for (auto _ : state) {
        next = (next + 7) % conditions.size();
        auto tree = ParseCondition(context, conditions[next]);
        if (!tree || EvaluateToBool(context, tree.get(), none) < 0) state.SkipWithError("refused");
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ParseAndEvaluateConditions)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
