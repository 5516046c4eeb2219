// The Requirements page's tree model filled for 5,000 requirements in four levels over five
// files, covered by 1,000 tasks of five requirements each, against one walk that reads the
// tasks' links, makes each requirement's text and colour and sorts each parent's children once.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "bench/editors/TreeBenchTexts.h"
#include "editors/requirements/ReqTree.h"
#include "model/ApplicationKav.h"

namespace {

constexpr int kFiles = 5;
// Requirements per level in each file; each one's parent is on the level above.
constexpr int kLevelSizes[] = {10, 40, 200, 750};
constexpr int kRequirements = kFiles * (10 + 40 + 200 + 750);
constexpr int kTasks = 1000;
constexpr int kCoveredPerTask = 5;

// The main file and four libraries, the last two read-only.
std::unique_ptr<CApplicationKav> MakeProject() {
    auto project = std::make_unique<CApplicationKav>();
    std::vector<CRequirement*> all;
    for (int f = 0; f < kFiles; ++f) {
        CFileKav* file = project->GetFiles().Add(new CFileKav(Numbered("File_", f), "", "", f >= 3));
        std::vector<CRequirement*> above;
        for (int size : kLevelSizes) {
            std::vector<CRequirement*> level;
            for (int i = 0; i < size; ++i) {
                // Out of order and in mixed case, so that sorting has work to do.
                const int number = static_cast<int>(all.size());
                const std::string id = Numbered(number % 2 ? "req_" : "Req_", (number * 7919) % kRequirements);
                auto* requirement = new CRequirement(id, number % 3 ? "A title" : "");
                requirement->SetFile(file);
                project->GetRequirements().Add(requirement);
                if (!above.empty()) above[static_cast<size_t>(i) % above.size()]->AddChildNoCycleCheck(requirement);
                level.push_back(requirement);
                all.push_back(requirement);
            }
            above = std::move(level);
        }
    }
    for (int t = 0; t < kTasks; ++t) {
        CTaskKav* task = project->GetTasks().Add(new CTaskKav(Numbered("Task_", t), kTaskPlain));
        for (int c = 0; c < kCoveredPerTask; ++c)
            task->GetRequirements().push_back(all[static_cast<size_t>((t * kCoveredPerTask + c) * 13 % kRequirements)]);
    }
    return project;
}

void BM_ReqTreeFill(benchmark::State& state) {
    const std::unique_ptr<CApplicationKav> project = MakeProject();
    CReqTree tree;
    for (auto _ : state) {
        tree.FillTree(*project);
        benchmark::DoNotOptimize(tree.GetProjectItem());
    }
    state.SetItemsProcessed(state.iterations() * kRequirements);
}
BENCHMARK(BM_ReqTreeFill)->Unit(benchmark::kMillisecond);

// The tasks' links once, then each requirement's text and colour, each file's top level and
// each requirement's children sorted once.
void BM_ReqTreeTextsWalk(benchmark::State& state) {
    const std::unique_ptr<CApplicationKav> project = MakeProject();
    for (auto _ : state) {
        std::unordered_set<const CRequirement*> covered;
        for (const CTaskKav* task : project->GetTasks())
            covered.insert(task->GetRequirements().begin(), task->GetRequirements().end());
        std::vector<std::vector<std::string>> topLevels(static_cast<size_t>(kFiles));
        int blue = 0;
        for (const CRequirement* requirement : project->GetRequirements()) {
            std::string text = requirement->GetID();
            if (!requirement->GetTitle().empty()) text += " - " + requirement->GetTitle();
            const bool editable = requirement->IsEditable(false);
            if (!requirement->GetParent() && !editable) text += " (READ-ONLY)";
            blue += editable && covered.count(requirement) ? 1 : 0;
            std::vector<std::string> children;
            for (const CRequirement* child : requirement->GetChildren()) children.push_back(child->GetID());
            SortTexts(children);
            benchmark::DoNotOptimize(children.data());
            if (!requirement->GetParent()) {
                const int file = project->GetFiles().IndexOf(requirement->GetFile());
                topLevels[static_cast<size_t>(file)].push_back(std::move(text));
            }
        }
        for (std::vector<std::string>& level : topLevels) SortTexts(level);
        benchmark::DoNotOptimize(topLevels.data());
        benchmark::DoNotOptimize(blue);
    }
    state.SetItemsProcessed(state.iterations() * kRequirements);
}
BENCHMARK(BM_ReqTreeTextsWalk)->Unit(benchmark::kMillisecond);

}  // namespace
