#include "editors/requirements/ReqTree.h"

#include <cstdint>
#include <vector>

#include "model/ApplicationKav.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "resources/MessageCatalogue.h"

namespace {

constexpr int kReadOnlyMark = 49126;
constexpr int kProjectPrefix = 49305;
constexpr int kLibraryPrefix = 49391;
constexpr int kDropOnLibrary = 44426;
constexpr int kDropOnReadOnly = 44996;
constexpr int kCaptionInvalidRelationship = 47008;
constexpr int kCaptionReadOnlyRequirement = 47122;
constexpr int kCaptionReadOnlyFolder = 47244;

void Warn(const std::string& text, int captionId) {
    GetInteraction().ShowMessage({text, LoadMessage(captionId), MessageButtons::Ok, MessageIcon::Warning});
}

// A requirement keeps its item's number as the handle of its tree item.
void* AsHandle(int item) { return reinterpret_cast<void*>(static_cast<std::intptr_t>(item)); }
int AsItem(const void* handle) { return static_cast<int>(reinterpret_cast<std::intptr_t>(handle)); }

}  // namespace

CRequirement* CReqTree::RequirementOf(int item) const {
    const ModelTreeItem* found = Find(item);
    return found && !found->file ? static_cast<CRequirement*>(found->object) : nullptr;
}

CFileKav* CReqTree::FileOf(int item) const {
    const ModelTreeItem* found = Find(item);
    return found ? found->file : nullptr;
}

int CReqTree::ItemOf(const CRequirement& requirement) const {
    const int item = AsItem(requirement.GetTreeItem());
    return RequirementOf(item) == &requirement ? item : kNoTreeItem;
}

int CReqTree::RootOf(const CFileKav* file) const {
    for (int root : Children(kNoTreeItem))
        if (file && FileOf(root) == file) return root;
    return kNoTreeItem;
}

void CReqTree::CaretMoved() {
    const CRequirement* requirement = RequirementOf(GetCaret());
    caretUniqueId_ = requirement ? requirement->GetUniqueId() : std::string();
}

void CReqTree::FillTree(CApplicationKav& project) {
    project_ = &project;
    Clear();
    std::unordered_set<const CRequirement*> covered;
    for (const CTaskKav* task : project.GetTasks())
        covered.insert(task->GetRequirements().begin(), task->GetRequirements().end());
    // Only for this fill: later looks ask the tasks again, which may have changed by then.
    struct CoverageOfFill {
        const std::unordered_set<const CRequirement*>*& in;
        ~CoverageOfFill() { in = nullptr; }
    } coverage{coveredWhileFilling_};
    coveredWhileFilling_ = &covered;
    CFileKav* mainFile = project.GetMainFile();
    for (CFileKav* file : project.GetFiles())
        if (file != mainFile) AddFileRoot(file);
    SortChildren(kNoTreeItem);
    AddFileRoot(mainFile);
}

int CReqTree::AddFileRoot(CFileKav* file) {
    if (!file || file->GetName().empty()) return kNoTreeItem;
    const bool mainFile = file == project_->GetMainFile();
    const int root = mainFile ? Insert(kNoTreeItem, 0, file, nullptr) : Append(kNoTreeItem, file, nullptr);
    if (mainFile) SetProjectRoot(root);
    for (CRequirement* requirement : project_->GetRequirements())
        if (!requirement->GetParent() && requirement->GetFile() == file) {
            requirement->SetTreeItem(AsHandle(Append(root, nullptr, requirement)));
            AddChildRequirements(*requirement);
        }
    SortChildren(root);
    // With its children: a window does not expand an item without any.
    if (mainFile) Expand(root);
    return root;
}

void CReqTree::AddChildRequirements(CRequirement& requirement) {
    const int item = ItemOf(requirement);
    if (!item) return;
    for (CRequirement* child : requirement.GetChildren()) {
        child->SetTreeItem(AsHandle(Append(item, nullptr, child)));
        AddChildRequirements(*child);
    }
    SortChildren(item);
}

int CReqTree::AddRequirementItem(CRequirement& requirement, int parent) {
    const int item = Append(parent, nullptr, &requirement);
    requirement.SetTreeItem(AsHandle(item));
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
    ModelTreeItem& look = Look(item);
    look.colour = kTreeTextBlack;
    if (look.file) {
        const bool mainFile = look.file == project_->GetMainFile();
        look.text = LoadMessage(mainFile ? kProjectPrefix : kLibraryPrefix) + look.file->GetName();
        look.image = mainFile ? kImageReqProject : kImageReqLibrary;
        return;
    }
    const auto& requirement = *static_cast<const CRequirement*>(look.object);
    const bool editable = requirement.IsEditable(false);
    look.text = requirement.GetID();
    if (!requirement.GetTitle().empty()) look.text += " - " + requirement.GetTitle();
    if (!requirement.GetParent() && !editable) look.text += LoadMessage(kReadOnlyMark);
    look.image = kImageRequirement;
    if (!editable) look.colour = kTreeTextGrey;
    else if (IsCovered(requirement)) look.colour = kTreeTextBlue;
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
    if (!newParent && target != GetProjectRoot()) {
        Warn(LoadMessage(kDropOnLibrary), kCaptionReadOnlyFolder);
        return false;
    }
    if (newParent == oldParent) return false;
    if (newParent && !newParent->IsEditable(false)) {
        Warn(LoadMessage(kDropOnReadOnly), kCaptionReadOnlyRequirement);
        return false;
    }
    // On the project root the requirement has no new parent: it only leaves its old one.
    if (newParent ? !newParent->AddChild(requirement) : !oldParent->RemoveChild(requirement)) {
        Warn(GetGlobalMessageBuffer(), kCaptionInvalidRelationship);
        return false;
    }
    DeleteItem(dragged);
    if (oldParent) UpdateItem(ItemOf(*oldParent), true);
    // A top-level requirement stands under its own file's root, as a fill puts it.
    int parentItem = target;
    if (!newParent)
        if (const int fileRoot = RootOf(requirement->GetFile())) parentItem = fileRoot;
    const int item = AddRequirementItem(*requirement, parentItem);
    Expand(parentItem);
    Select(item);
    return true;
}
