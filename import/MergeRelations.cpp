// The merge's second pass: the identifier texts of the merged objects become links in the open
// project, and the objects they replaced hand over their references and go.
#include <algorithm>

#include "import/MergedTaskLinks.h"
#include "import/ProjectMerge.h"
#include "model/ActionCatalogue.h"
#include "model/ApplicationKav.h"
#include "model/ImportTreeItem.h"
#include "model/WindowKav.h"
#include "model/windows/TabControlKav.h"
#include "platform/MessageBuffer.h"

namespace {

constexpr int kMinimumExtent = 10;
constexpr int kEmptyRectExtent = 20;

// A window must lie inside its parent and be large enough to be seen and clicked.
void FitRectangle(CWindowKav& window) {
    WindowRect rect = window.GetRect();
    if (rect == WindowRect{}) {
        window.SetRect({0, 0, kEmptyRectExtent, kEmptyRectExtent});
        return;
    }
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    rect.left = std::max(rect.left, 0);
    rect.top = std::max(rect.top, 0);
    if (width < kMinimumExtent) rect.right = rect.left + kMinimumExtent;
    if (height < kMinimumExtent) rect.bottom = rect.top + kMinimumExtent;
    window.SetRect(rect);
}

}  // namespace

int ProjectMerge::BuildRelations() {
    Log("Building object relations");
    // The window list holds no replaced window any more and changes no more.
    windowsById_ = IndexWindowsById(Open().GetWindowList());
    LinkStartWindow();
    if (!LinkWindows()) return 0;
    if (!LinkTasks()) return 0;
    LinkRequirements();
    LinkDataSets();
    Open().UpdateStepAttributes();
    return 1;
}

void ProjectMerge::LinkStartWindow() {
    const std::string id = other_.GetMainWndId();
    if (options_.otherElementsRule != 1 || id.empty()) return;
    auto found = std::find_if(mergedWindows_.begin(), mergedWindows_.end(),
                              [&](const CWindowKav* window) { return window->GetInternalID() == id; });
    if (found == mergedWindows_.end()) return;
    const CImportTreeItem* item = (*found)->GetImportItem();
    const CWindowKav* current = Open().GetStartWindow();
    if (item && item->selected && (!current || current->IsEditable(false))) Open().SetStartWindow(*found);
}

int ProjectMerge::LinkWindows() {
    for (CWindowKav* window : mergedWindows_) {
        FitRectangle(*window);
        if (const std::string parentId = window->GetParentID(); !parentId.empty())
            if (CWindowKav* parent = FindWindowById(windowsById_, parentId); parent && parent != window->GetParent()) {
                parent->AddChild(window, &Open());
                CWindowList::FitParents(window);
            }
        for (CTransitionKav* transition : window->GetTransitions()) {
            if (const std::string id = transition->GetDestWndId(); !id.empty())
                if (CWindowKav* destination = FindWindowById(windowsById_, id)) transition->SetDestWindow(destination);
            if (!GetActionCatalogue().CheckAgainstCatalogue(transition->GetActions())) {
                Log(GetGlobalMessageBuffer());
                return 0;
            }
        }
        if (auto* tabControl = dynamic_cast<CTabControlKav*>(window)) {
            for (CTabPage* page : tabControl->GetPages()) {
                const std::string id = page->GetPageWindowRef();
                if (id.empty()) continue;
                const CWindowKav* pageWindow = FindWindowById(windowsById_, id);
                page->SetPageWindowId(pageWindow ? Open().GetObjectPathText(pageWindow) : std::string());
            }
            if (tabControl->FindTabPage(tabControl->GetSelectedPageTitle()))
                tabControl->SetSelectedPageTitle(tabControl->GetSelectedPageTitle());
        }
    }
    FinishWindowReplacements();
    return 1;
}

void ProjectMerge::FinishWindowReplacements() {
    for (auto [imported, replaced] : replacedWindows_) {
        auto* window = static_cast<CWindowKav*>(imported);
        auto* old = static_cast<CWindowKav*>(replaced);
        old->GetTransitions().DeleteAll();
        old->GetAttributes().DeleteAll();
        // Under the same name the references by name stay right; only the links move.
        if (old->GetName() == window->GetName())
            Open().GetWindowList().RedirectWindow(old, window);
        else
            Open().GetWindowList().ReplaceWindow(old, window);
        delete old;
    }
    replacedWindows_.clear();
}

int ProjectMerge::LinkTasks() {
    for (CTaskKav* task : mergedTasks_)
        if (!LinkMergedTask(Open(), windowsById_, *task)) {
            Log(GetGlobalMessageBuffer());
            return 0;
        }
    FinishTaskReplacements();
    return 1;
}

void ProjectMerge::FinishTaskReplacements() {
    for (auto [imported, replaced] : replacedTasks_) {
        auto* old = static_cast<CTaskKav*>(replaced);
        Open().ReplaceSubtaskReferences(static_cast<CTaskKav*>(imported), old);
        delete old;
    }
    replacedTasks_.clear();
}

void ProjectMerge::LinkRequirements() {
    for (CRequirement* requirement : mergedRequirements_)
        if (const std::string parentId = requirement->GetParentId(); !parentId.empty())
            if (CRequirement* parent = Open().FindRequirement(parentId, true);
                parent && parent != requirement->GetParent())
                parent->AddChild(requirement);
    FinishRequirementReplacements();
}

void ProjectMerge::FinishRequirementReplacements() {
    for (auto [imported, replaced] : replacedRequirements_) {
        for (CTaskKav* task : Open().GetTasks())
            std::replace(task->GetRequirements().begin(), task->GetRequirements().end(),
                         static_cast<CRequirement*>(replaced), static_cast<CRequirement*>(imported));
        delete replaced;
    }
    replacedRequirements_.clear();
}

void ProjectMerge::LinkDataSets() { FinishDataSetReplacements(); }

void ProjectMerge::FinishDataSetReplacements() {
    for (auto [imported, replaced] : replacedDataSets_) {
        auto* dataSet = static_cast<CDataSet*>(imported);
        for (CTaskKav* task : Open().GetTasks()) {
            if (task->GetDataSet() == replaced) task->SetDataSet(dataSet);
            for (CTaskStep* step : task->GetSteps())
                if (step->GetLoopDataSet() == replaced) step->SetLoopDataSet(dataSet);
        }
        delete replaced;
    }
    replacedDataSets_.clear();
    for (auto [imported, existing] : absorbedDataSets_) {
        AbsorbDataSet(*static_cast<CDataSet*>(imported), *static_cast<CDataSet*>(existing));
        delete imported;
    }
    absorbedDataSets_.clear();
}

// "Only import new records": new fields and records move into the existing data set, records
// it knows by identifier stay behind, names it has get a number; then every record has a value
// for every field.
void ProjectMerge::AbsorbDataSet(CDataSet& imported, CDataSet& existing) {
    for (CDataField* field : imported.GetFields().Snapshot())
        if (!existing.FindField(field->GetId(), true)) {
            imported.GetFields().Release(field);
            existing.GetFields().Add(field);
        }
    for (CDataRecord* record : imported.GetRecords().Snapshot()) {
        if (existing.FindRecord(record->GetId(), true)) continue;
        const std::string name = record->GetName();
        if (existing.FindRecord(name, false))
            record->SetName(FirstFreeName(name, [&](const std::string& c) { return existing.FindRecord(c, false); }));
        imported.GetRecords().Release(record);
        existing.GetRecords().Add(record);
    }
    for (CDataRecord* record : existing.GetRecords())
        for (const CDataField* field : existing.GetFields()) {
            if (!record->GetValues().count(field->GetId()))
                record->GetValues().Set(field->GetId(), field->GetDefaultValue());
        }
}

void ProjectMerge::FinishAllReplacements() {
    FinishWindowReplacements();
    FinishTaskReplacements();
    FinishRequirementReplacements();
    FinishDataSetReplacements();
}
