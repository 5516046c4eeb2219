#include "editors/requirements/ReqTree.h"

#include <vector>

#include "model/ApplicationKav.h"
#include "platform/MessageBuffer.h"
#include "resources/MessageCatalogue.h"

namespace {

constexpr int kDropOnReadOnly = 44996;
constexpr int kCaptionInvalidRelationship = 47008;
constexpr int kCaptionReadOnlyRequirement = 47122;

}  // namespace

CRequirement* CReqTree::RequirementOf(int item) const { return static_cast<CRequirement*>(ObjectDataOf(item)); }

int CReqTree::ItemOf(const CRequirement& requirement) const {
    const int item = ItemOfKey(requirement.GetTreeItem());
    return RequirementOf(item) == &requirement ? item : kNoItem;
}

void CReqTree::CaretMoved() {
    const CRequirement* requirement = RequirementOf(GetCaret());
    caretUniqueId_ = requirement ? requirement->GetUniqueId() : std::string();
}

void CReqTree::FillTree(CApplicationKav& project) {
    project_ = &project;
    DeleteAllItems();
    std::unordered_set<const CRequirement*> covered;
    for (const CTaskKav* task : project.GetTasks())
        covered.insert(task->GetRequirements().begin(), task->GetRequirements().end());
    // Only for this fill: later looks ask the tasks again, which may have changed by then.
    struct CoverageOfFill {
        const std::unordered_set<const CRequirement*>*& in;
        ~CoverageOfFill() { in = nullptr; }
    } coverage{coveredWhileFilling_};
    coveredWhileFilling_ = &covered;
    AddFileItems(project, [this](int root) { AddFileRequirements(root); });
    // With its children: a window does not expand an item without any.
    Expand(GetProjectItem());
}

void CReqTree::AddFileRequirements(int root) {
    const CFileKav* file = FileOf(root);
    for (CRequirement* requirement : project_->GetRequirements())
        if (!requirement->GetParent() && requirement->GetFile() == file) {
            requirement->SetTreeItem(Handle(Append(root, requirement)));
            AddChildRequirements(*requirement);
        }
    SortChildren(root);
}

void CReqTree::AddChildRequirements(CRequirement& requirement) {
    const int item = ItemOf(requirement);
    if (!item) return;
    for (CRequirement* child : requirement.GetChildren()) {
        child->SetTreeItem(Handle(Append(item, child)));
        AddChildRequirements(*child);
    }
    SortChildren(item);
}

int CReqTree::AddRequirementItem(CRequirement& requirement, int parent) {
    const int item = Append(parent, &requirement);
    requirement.SetTreeItem(Handle(item));
    UpdateItem(item, true);
    SortChildren(parent);
    AddChildRequirements(requirement);
    return item;
}

bool CReqTree::IsCovered(const CRequirement& requirement) const {
    if (coveredWhileFilling_) return coveredWhileFilling_->count(&requirement) > 0;
    std::vector<CTaskKav*> tasks;
    return project_->FindTasksOfRequirement(&requirement, tasks);
}

void CReqTree::Dress(int item) {
    TreeNode& look = Look(item);
    look.colours = PlainItemColours(kTreeTextBlack);
    if (const CFileKav* file = FileOf(item)) {
        look.text = FileItemText(*project_, *file);
        look.image = file == project_->GetMainFile() ? kImageReqProject : kImageReqLibrary;
        return;
    }
    const CRequirement& requirement = *RequirementOf(item);
    const bool editable = requirement.IsEditable(false);
    look.text = requirement.GetID();
    if (!requirement.GetTitle().empty()) look.text += " - " + requirement.GetTitle();
    if (!requirement.GetParent() && !editable) look.text += ReadOnlyMark();
    look.image = kImageRequirement;
    if (!editable) look.colours = PlainItemColours(kTreeTextGrey);
    else if (IsCovered(requirement)) look.colours = PlainItemColours(kTreeTextBlue);
}

void CReqTree::UpdateItem(int item, bool withAncestors) {
    Redress(item);
    if (!withAncestors) return;
    for (int above = GetParent(item); RequirementOf(above); above = GetParent(above)) Redress(above);
}

bool CReqTree::DropItem(int dragged, int target) {
    CRequirement* requirement = RequirementOf(dragged);
    if (!requirement || !Find(target) || dragged == target) return false;
    CRequirement* oldParent = requirement->GetParent();
    CRequirement* newParent = RequirementOf(target);
    if (RefuseDropOnLibrary(target)) return false;
    if (newParent == oldParent) return false;
    if (newParent && !newParent->IsEditable(false)) {
        RefuseDrop(LoadMessage(kDropOnReadOnly), kCaptionReadOnlyRequirement);
        return false;
    }
    // On the project root the requirement has no new parent: it only leaves its old one.
    if (newParent ? !newParent->AddChild(requirement) : !oldParent->RemoveChild(requirement)) {
        RefuseDrop(GetGlobalMessageBuffer(), kCaptionInvalidRelationship);
        return false;
    }
    DeleteItem(dragged);
    if (oldParent) UpdateItem(ItemOf(*oldParent), true);
    // A top-level requirement stands under its own file's root, as a fill puts it.
    int parentItem = target;
    if (!newParent)
        if (const int fileRoot = FileItemOf(requirement->GetFile())) parentItem = fileRoot;
    const int item = AddRequirementItem(*requirement, parentItem);
    Expand(parentItem);
    Select(item);
    return true;
}
