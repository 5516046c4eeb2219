// The Test Data page's tree model filled for a project of 500 data sets of 40 fields, each
// field with a class and each set with a record, against a walk that makes the same texts and
// sorts each parent's children once.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "bench/editors/TreeBenchTexts.h"
#include "editors/data/DataTree.h"
#include "model/ApplicationKav.h"

namespace {

constexpr int kDataSets = 500;
constexpr int kFields = 40;

std::unique_ptr<CApplicationKav> MakeProject() {
    auto project = std::make_unique<CApplicationKav>();
    CFileKav* mainFile = project->GetFiles().Add(new CFileKav("Proj"));
    for (int set = 0; set < kDataSets; ++set) {
        auto* dataSet = project->GetDataSets().Add(new CDataSet(Numbered("Set_", (set * 7919) % kDataSets)));
        dataSet->SetFile(mainFile);
        dataSet->GetRecords().Add(new CDataRecord("Rec_V01", 1, 1));
        for (int field = 0; field < kFields; ++field) {
            auto* added = dataSet->GetFields().Add(new CDataField(Numbered(field % 2 ? "field_" : "Field_", kFields - field)));
            added->SetFile(mainFile);
            added->GetEqClasses().Add(new CDataEqClass("V1", 1, "", "1"));
        }
    }
    return project;
}

void BM_DataTreeFill(benchmark::State& state) {
    const std::unique_ptr<CApplicationKav> project = MakeProject();
    CDataTree tree;
    for (auto _ : state) {
        tree.FillTree(*project);
        benchmark::DoNotOptimize(tree.GetProjectItem());
    }
    state.SetItemsProcessed(state.iterations() * kDataSets * (kFields * 2 + 3));
}
BENCHMARK(BM_DataTreeFill)->Unit(benchmark::kMillisecond);

// The texts alone: the file's, each set's with its editability, its groups' and fields', each
// field's class group; every parent's children sorted once.
void BM_DataTreeTextsWalk(benchmark::State& state) {
    const std::unique_ptr<CApplicationKav> project = MakeProject();
    for (auto _ : state) {
        std::vector<std::string> sets;
        std::string fileText = "Project " + project->GetMainFile()->GetName();
        for (const CDataSet* dataSet : project->GetDataSets()) {
            sets.push_back(dataSet->GetName() + (dataSet->IsEditable(false) ? "" : " (READ-ONLY)"));
            std::vector<std::string> children{"_Effects", "_Records"};
            for (const CDataField* field : dataSet->GetFields()) {
                children.push_back(field->GetName());
                std::vector<std::string> classGroup{"Equivalence_Classes"};
                benchmark::DoNotOptimize(classGroup.data());
            }
            SortTexts(children);
            benchmark::DoNotOptimize(children.data());
        }
        SortTexts(sets);
        benchmark::DoNotOptimize(sets.data());
        benchmark::DoNotOptimize(fileText.data());
    }
    state.SetItemsProcessed(state.iterations() * kDataSets * (kFields * 2 + 3));
}
BENCHMARK(BM_DataTreeTextsWalk)->Unit(benchmark::kMillisecond);

}  // namespace
