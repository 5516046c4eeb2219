// The tasks page: the open project's task tree under its root task, and the other project's
// tasks below theirs.
#include "import/ImportPageSupport.h"
#include "model/ApplicationKav.h"

namespace {

// Images of the page's bitmap.
constexpr int kImageTask = 0;
constexpr int kImageTaskWithData = 1;
constexpr int kImageBuildingBlock = 2;
constexpr int kImageFolder = 3;
constexpr int kImageVornakFolder = 4;
constexpr int kImageRootTask = 6;

const CTaskKav& AsTask(const CKavroObj& object) { return static_cast<const CTaskKav&>(object); }

}  // namespace

std::vector<CKavroObj*> CImportTaskSelectDlg::OtherObjects() const {
    const auto& tasks = OtherProject().GetTasks();
    return {tasks.begin(), tasks.end()};
}

std::string CImportTaskSelectDlg::IdOf(const CKavroObj& object) const { return AsTask(object).GetID(); }

std::string CImportTaskSelectDlg::ParentIdOf(const CKavroObj& object) const { return AsTask(object).GetParentId(); }

CKavroObj* CImportTaskSelectDlg::FindDuplicate(const CKavroObj& imported) const {
    return FindInIndex(openById_, AsTask(imported).GetID());
}

std::string CImportTaskSelectDlg::NameOf(const CKavroObj& object) const { return AsTask(object).GetName(); }

bool CImportTaskSelectDlg::IsSamePlace(const CKavroObj& duplicate, const CKavroObj& imported) const {
    const CTaskKav* parent = AsTask(duplicate).GetParent();
    return parent && parent->GetID() == AsTask(imported).GetParentId();
}

std::unique_ptr<CImportTreeItem> CImportTaskSelectDlg::BuildOpenItems() {
    openById_ = IndexByKey(OpenProject().GetTasks(), [](const CTaskKav& task) { return task.GetID(); });
    otherById_ = IndexByKey(OtherProject().GetTasks(), [](const CTaskKav& task) { return task.GetID(); });
    CTaskKav* rootTask = OpenProject().GetRootTask();
    if (!rootTask) return nullptr;
    auto root = std::make_unique<CImportTreeItem>(rootTask, false);
    for (CTaskKav* child : rootTask->GetChildren()) AddOpenTask(*child, *root);
    return root;
}

void CImportTaskSelectDlg::AddOpenTask(CTaskKav& task, CImportTreeItem& parent) {
    if (!task.IsEditable(false)) return;
    CImportTreeItem* item = parent.AddChild(new CImportTreeItem(&task, false));
    for (CTaskKav* child : task.GetChildren()) AddOpenTask(*child, *item);
}

// The other project's root task has no item: its children go under the open project's.
bool CImportTaskSelectDlg::AddTopLevelItems() {
    const CTaskKav* otherRoot = OtherProject().GetTasks().FindIf([](const CTaskKav* task) {
        return task->GetParentId().empty();
    });
    if (!otherRoot) return true;
    for (CKavroObj* child : ChildrenOf(otherRoot->GetID())) {
        const int offered = CheckOtherFile(*child);
        if (offered < 0) return false;
        if (offered && !AddImportedItem(*child, root_.get())) return false;
    }
    return true;
}

int CImportTaskSelectDlg::ImageOf(const CImportTreeItem& item) const {
    const CTaskKav& task = AsTask(*item.object);
    switch (task.GetType()) {
        case kTaskBuildingBlock: return kImageBuildingBlock;
        case kTaskFolder:
            if (&task == OpenProject().GetRootTask()) return kImageRootTask;
            return task.IsQuVornakTask() ? kImageVornakFolder : kImageFolder;
        default: {
            const bool hasData = item.fromOtherProject ? !task.GetDataSetId().empty() : task.GetDataSet() != nullptr;
            return hasData ? kImageTaskWithData : kImageTask;
        }
    }
}

void CImportTaskSelectDlg::MarkUsedBy(CTaskKav& task) {
    CImportTreeItem* item = task.GetImportItem();
    if (item->autoVisited) return;
    item->autoVisited = 1;
    SelectCalledTasks(task);
}

void CImportTaskSelectDlg::SelectCalledTasks(const CTaskKav& task) {
    for (const CTaskStep* step : task.GetSteps()) {
        const std::string calledId = step->GetSubTaskId();
        if (calledId.empty()) continue;
        CKavroObj* called = FindInIndex(otherById_, calledId);
        if (!called) continue;
        Mark(called);
        CImportTreeItem* calledItem = called->GetImportItem();
        if (!calledItem || calledItem->autoVisited) continue;
        calledItem->autoVisited = 1;
        SelectCalledTasks(AsTask(*called));
    }
}

void CImportTaskSelectDlg::DeleteOtherObject(CKavroObj* object) {
    auto* task = static_cast<CTaskKav*>(object);
    DetachFromTree(*task);
    OtherProject().GetTasks().Delete(task);
}
