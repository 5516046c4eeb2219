#include "views/trees/TaskTree.h"

#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "platform/MessageBuffer.h"
#include "resources/MessageCatalogue.h"
#include "views/trees/TaskRules.h"
#include "views/trees/TreeLook.h"

namespace {

constexpr int kOnlyOnFolders = 44933;          // [W0933]
constexpr int kNoDropOnReadOnlyTask = 44360;   // [W0360]
constexpr int kInvalidTargetCaption = 47158;
constexpr int kReadOnlyTaskCaption = 47159;
constexpr int kProductRuleCaption = 47160;
constexpr int kInvalidRelationshipCaption = 47008;
constexpr int kDragTaskUndo = 48077;

int ImageOf(const CTaskKav& task) {
    switch (task.GetType()) {
        case kTaskBuildingBlock: return CTaskTree::kImageBuildingBlock;
        case kTaskFolder: return task.IsQuVornakTask() ? CTaskTree::kImageProductFolder : CTaskTree::kImageFolder;
        default: return task.GetDataSet() ? CTaskTree::kImageTaskWithData : CTaskTree::kImageTask;
    }
}

ItemColours ColoursOf(const CTaskKav& task, bool current) {
    if (current) return CurrentItemColours();
    if (task.GetLoadErrors()) return HighlightedItemColours(kTreeTextRed);
    if (!task.IsEditable(false)) return PlainItemColours(kTreeTextGrey);
    if (task.HasModelledSteps()) return PlainItemColours(kTreeTextBlue);
    return PlainItemColours(kTreeTextBlack);
}

bool HasTestCases(const CApplicationKav& project, const CTaskKav& task) {
    std::vector<CTestCase*> testCases;
    return project.CollectTestCases(nullptr, nullptr, &task, true, false, testCases) > 0;
}

}  // namespace

bool IsPinnedProductTask(const CTaskKav& task) { return task.IsQuVornakTask() && task.GetDepth() < 2; }

CTaskKav* CTaskTree::TaskOf(int item) const {
    return KindOf(item) == kTaskItem ? static_cast<CTaskKav*>(DataOf(item)) : nullptr;
}

int CTaskTree::ItemOf(const CTaskKav* task) const {
    if (!task) return kNoItem;
    const int item = ItemOfKey(task->GetTreeItem());
    if (TaskOf(item) == task) return item;
    const CApplicationKav* project = CurrentApplication;
    return project && task == project->GetRootTask() && item == GetProjectItem() ? item : kNoItem;
}

void CTaskTree::CaretMoved() {
    const int caret = GetCaret();
    const CTaskKav* task = TaskOf(caret);
    if (const CApplicationKav* project = CurrentApplication; !task && project && FileOf(caret) &&
                                                             FileOf(caret) == project->GetMainFile())
        task = project->GetRootTask();
    caretTaskId_ = task ? task->GetID() : std::string();
}

void CTaskTree::Fill() {
    DeleteAllItems();
    current_ = nullptr;
    CApplicationKav* project = CurrentApplication;
    if (!project || !project->GetRootTask()) return;
    AddFileItems(*project, [this, project](int fileItem) {
        // The project's item stands for the root task.
        if (FileOf(fileItem) == project->GetMainFile()) project->GetRootTask()->SetTreeItem(Handle(fileItem));
        UpdateTaskItem(fileItem, false);
        AddTopLevelTasks(*project, fileItem);
    });
    Expand(GetProjectItem());
}

void CTaskTree::AddTopLevelTasks(CApplicationKav& project, int fileItem) {
    const CFileKav* file = FileOf(fileItem);
    for (CTaskKav* task : project.GetTasks())
        if (task->GetParent() == project.GetRootTask() && task->GetFile() == file) AppendTaskItem(task, fileItem);
    SortChildren(fileItem);
}

int CTaskTree::AppendTaskItem(CTaskKav* task, int parent) {
    const int item = InsertItem(parent, task->GetName(), kTaskItem, task);
    if (item == kNoItem) return kNoItem;
    task->SetTreeItem(Handle(item));
    UpdateTaskItem(item, false);
    for (CTaskKav* child : task->GetChildren()) AppendTaskItem(child, item);
    SortChildren(item);
    return item;
}

void CTaskTree::UpdateTaskItem(int item, bool ancestors) {
    UpdateOwnLook(item);
    const CTaskKav* task = TaskOf(item);
    const CApplicationKav* project = CurrentApplication;
    if (!ancestors || !task || !project) return;
    for (const CTaskKav* above = task->GetParent(); above && above != project->GetRootTask(); above = above->GetParent())
        UpdateOwnLook(ItemOf(above));
}

void CTaskTree::UpdateOwnLook(int item) {
    const CApplicationKav* project = CurrentApplication;
    if (!project || !Find(item)) return;
    if (FileOf(item)) return ShowFileItem(item, *project, kImageProject, kImageLibrary);
    const CTaskKav* task = TaskOf(item);
    if (!task) return;
    std::string text = task->GetName();
    if (task->GetParent() == project->GetRootTask() && !task->IsEditable(false)) text += ReadOnlyMark();
    const bool bold = task->GetType() != kTaskBuildingBlock && HasTestCases(*project, *task);
    SetLook(item, text, ImageOf(*task), bold, ColoursOf(*task, task == current_));
}

void CTaskTree::SetCurrentTask(CTaskKav* task) {
    CTaskKav* previous = current_;
    current_ = task;
    if (previous) UpdateTaskItem(ItemOf(previous), true);
    if (task) UpdateTaskItem(ItemOf(task), true);
}

bool CTaskTree::MayDrag(int item) const {
    const CTaskKav* task = TaskOf(item);
    return task && task->IsEditable(false) && !IsPinnedProductTask(*task);
}

void CTaskTree::ItemDropped(int dragged, int target) {
    CApplicationKav* project = CurrentApplication;
    CTaskKav* task = TaskOf(dragged);
    if (!project || !task) return;
    CTaskKav* oldParent = task->GetParent();
    CTaskKav* newParent = TaskOf(target);
    if (RefuseDropOnLibrary(target)) return;
    if (target == GetProjectItem()) newParent = project->GetRootTask();
    if (!newParent || newParent == oldParent) return;
    if (!newParent->IsFolder() && !project->GetOldTaskMode())
        return RefuseDrop(LoadMessage(kOnlyOnFolders), kInvalidTargetCaption);
    if (!newParent->IsEditable(false)) return RefuseDrop(LoadMessage(kNoDropOnReadOnlyTask), kReadOnlyTaskCaption);
    if (const int refusal = RefuseUseCaseMove(*task, *newParent))
        return RefuseDrop(LoadMessage(refusal), kProductRuleCaption);
    if (!newParent->AddChild(task)) return RefuseDrop(GetGlobalMessageBuffer(), kInvalidRelationshipCaption);
    if (!project->CheckSubtaskRecursion()) {
        RefuseDrop(GetGlobalMessageBuffer(), kInvalidRelationshipCaption);
        if (oldParent) oldParent->AddChild(task);
        return;
    }
    if (newParent->IsQuVornakTask()) {
        task->SetFlagRecursive(1, true);
        SyncUseCaseNames(*newParent, *project, [this](CTaskKav* folder) { host_.ReportTaskChanged(folder); });
    }
    DeleteItem(dragged);
    const int moved = AppendTaskItem(task, target);
    UpdateTaskItem(moved, true);
    UpdateTaskItem(ItemOf(oldParent), true);
    SortChildren(target);
    Expand(target);
    Select(moved);
    host_.ReportTaskChanged(task);
    host_.SetModified(LoadMessage(kDragTaskUndo));
}
