// The project data import on large projects: building the four selection trees and one click
// on the tasks page with every automatic selection on, and merging the checked objects. The
// other project holds as many objects as the open one: half of them duplicates by identifier
// (changed), half new objects whose names clash.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <memory>
#include <string>

#include "import/ProjectDataImportDlg.h"
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "model/WindowKav.h"
#include "model/windows/WindowTypes.h"
#include "platform/MessageLog.h"
#include "platform/Registry.h"
#include "platform/Settings.h"

namespace {

struct Sizes {
    int windows, tasks, steps, requirements, dataSets;
};
constexpr Sizes kSelection{5000, 2000, 10, 2000, 0};
constexpr Sizes kMerge{5000, 2000, 10, 0, 1000};

std::string Numbered(const char* prefix, int number) {
    std::string text = prefix;
    text += std::to_string(number);
    return text;
}

template <class T>
T* Place(T* object, CFileKav* file, bool linked) {
    object->SetFileId(file->GetID());
    if (linked) object->SetFile(file);
    return object;
}

CTaskStep* NewStep() { return new CTaskStep("S", "", "", "", "", "", nullptr, nullptr, 0, nullptr, 2, "", 0); }

// The open project is linked as a loaded one; the other names its references by identifier
// texts, as the import reads it. Object i of the other project duplicates object i of the open
// one for even i and clashes with its name for odd i.
struct Projects {
    CApplicationKav open;
    std::unique_ptr<CApplicationKav> other = std::make_unique<CApplicationKav>();

    explicit Projects(const Sizes& sizes) {
        CFileKav* openFile = open.GetFiles().Add(new CFileKav("Open", "Open.xml", "/p/Open.xml"));
        CFileKav* otherFile = other->GetFiles().Add(new CFileKav("Other", "Other.xml", "/p/Other.xml"));
        CurrentApplication = &open;
        CTaskKav* openRoot = open.GetTasks().Add(Place(new CTaskKav("Open", kTaskFolder), openFile, true));
        open.SetRootTask(openRoot);
        CTaskKav* otherRoot = other->GetTasks().Add(Place(new CTaskKav("Other", kTaskFolder), otherFile, false));
        auto duplicate = [](int i) { return i % 2 == 0; };

        std::vector<CWindowKav*> otherWindows;
        for (int i = 0; i < sizes.windows; ++i) {
            CWindowKav* mine = Place(CreateWindowOfType(kWndMain, {.id = Numbered("W", i)}), openFile, true);
            open.GetWindowList().Add(mine);
            CWindowKav* theirs = Place(CreateWindowOfType(kWndMain, {.id = Numbered("W", i)}), otherFile, false);
            if (duplicate(i)) {
                theirs->SetInternalID(mine->GetInternalID());
                theirs->SetCaption("changed");
            }
            other->GetWindowList().Add(theirs);
            otherWindows.push_back(theirs);
        }
        for (int i = 0; i < sizes.requirements; ++i) {
            CRequirement* mine = open.GetRequirements().Add(Place(new CRequirement(Numbered("R", i)), openFile, true));
            CRequirement* theirs =
                other->GetRequirements().Add(Place(new CRequirement(Numbered("R", i)), otherFile, false));
            if (duplicate(i)) {
                theirs->SetUniqueId(mine->GetUniqueId());
                theirs->SetTitle("changed");
            }
        }
        for (int i = 0; i < sizes.dataSets; ++i) {
            CDataSet* mine = open.GetDataSets().Add(Place(new CDataSet(Numbered("D", i)), openFile, true));
            CDataSet* theirs = other->GetDataSets().Add(Place(new CDataSet(Numbered("D", i)), otherFile, false));
            if (duplicate(i)) theirs->SetId(mine->GetId());
        }
        for (int i = 0; i < sizes.tasks; ++i) {
            CTaskKav* mine = open.GetTasks().Add(Place(new CTaskKav(Numbered("T", i), kTaskPlain), openFile, true));
            openRoot->AddChild(mine);
            CTaskKav* theirs = other->GetTasks().Add(Place(new CTaskKav(Numbered("T", i), kTaskPlain), otherFile, false));
            theirs->SetParentId(otherRoot->GetID());
            if (duplicate(i)) {
                theirs->SetID(mine->GetID());
                theirs->SetDescription("changed");
            }
            CTaskStep* previous = nullptr;
            for (int s = 0; s < sizes.steps; ++s) {
                CTaskStep* step = mine->GetSteps().Add(NewStep());
                if (previous) mine->ConnectSteps(previous, step); else mine->SetStartStep(step);
                previous = step;
                CTaskStep* copy = theirs->GetSteps().Add(NewStep());
                if (s == 0) theirs->SetStartId(copy->GetId());
                if (s + 1 < sizes.steps) copy->GetSuccessorIds().push_back("next");
                if (!otherWindows.empty())
                    copy->SetStartWndId(otherWindows[static_cast<size_t>(i * sizes.steps + s) % otherWindows.size()]
                                            ->GetInternalID());
            }
            // Successors name the following step by its identifier.
            for (size_t s = 0; s + 1 < theirs->GetSteps().size(); ++s)
                theirs->GetSteps()[s]->GetSuccessorIds() = {theirs->GetSteps()[s + 1]->GetId()};
            if (i > 0 && i % 10 == 0) theirs->GetSteps()[0]->SetSubTaskId(other->GetTasks()[static_cast<size_t>(i)]->GetID());
        }
    }
    ~Projects() { CurrentApplication = nullptr; }
};

void InstallImportSettings() {
    InstallSettings(std::make_unique<MemorySettings>());
    for (const char* name : {"Import_Select_Dup_Tasks", "Import_Select_Dup_Reqs", "Import_Select_Dup_Wnds",
                             "Import_Select_Dup_Data"})
        WriteRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), name, "1", kRegistryText);
}

long PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

void BM_BuildSelectionTrees(benchmark::State& state) {
    InstallImportSettings();
    Projects projects(kSelection);
    for (auto _ : state) {
        CProjectDataImportDlg dialog(nullptr);
        benchmark::DoNotOptimize(dialog.SelectObjects(*projects.other));
    }
}
BENCHMARK(BM_BuildSelectionTrees)->Unit(benchmark::kMillisecond);

void BM_ClickTaskWithAutoselect(benchmark::State& state) {
    InstallImportSettings();
    Projects projects(kSelection);
    CProjectDataImportDlg dialog(nullptr);
    dialog.SelectObjects(*projects.other);
    CImportTreeItem& item = *projects.other->GetTasks()[2]->GetImportItem();
    for (auto _ : state) dialog.GetTabs().tasks.OnCheckBoxClicked(item);
}
BENCHMARK(BM_ClickTaskWithAutoselect)->Unit(benchmark::kMillisecond);

void BM_MergeSelected(benchmark::State& state) {
    InstallImportSettings();
    for (auto _ : state) {
        state.PauseTiming();
        auto projects = std::make_unique<Projects>(kMerge);
        auto dialog = std::make_unique<CProjectDataImportDlg>([](CProjectDataImportDlg&) { return true; });
        dialog->SelectObjects(*projects->other);
        MessageLog log;
        state.ResumeTiming();
        if (!dialog->ImportSelected(&log)) state.SkipWithError(log.Lines().back().c_str());
        state.PauseTiming();
        dialog.reset();
        projects.reset();
        state.ResumeTiming();
    }
    state.counters["peak_MB"] = static_cast<double>(PeakMegabytes());
}
BENCHMARK(BM_MergeSelected)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
