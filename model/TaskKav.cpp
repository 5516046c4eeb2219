#include "model/TaskKav.h"

#include <algorithm>

#include "model/Hierarchy.h"
#include "model/ObjectNames.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"
#include "platform/UniqueId.h"

CTaskKav::CTaskKav(const std::string& name, int type, std::string testGoal, std::string testLevel,
                   std::string testType, std::string configuration, std::string precondition,
                   std::string description, std::string postcondition, std::string docPath)
    : CKavroObj(kKindTask),
      id_(MakeUniqueId()),
      type_(type),
      testGoal_(std::move(testGoal)),
      testLevel_(std::move(testLevel)),
      testType_(std::move(testType)),
      configuration_(std::move(configuration)),
      precondition_(std::move(precondition)),
      description_(std::move(description)),
      postcondition_(std::move(postcondition)),
      docPath_(std::move(docPath)) {
    SetName(name);
}

bool CTaskKav::SetName(const std::string& name) {
    if (!CheckName(name, {44583, 44584, 100, IsFolder() ? 0 : 44009})) return false;
    name_ = name;
    return true;
}

bool CTaskKav::AddChild(CTaskKav* task) {
    if (task && task->parent_ != this && IsNodeOrAncestor(this, task)) {
        SetMessage(44586);
        return false;
    }
    return AddChildNoCycleCheck(task);
}

bool CTaskKav::AddChildNoCycleCheck(CTaskKav* task) {
    if (!task) return false;
    if (task->parent_ == this) {  // the parent pointer agrees with the child list
        SetMessage(44585, task->name_, name_);
        return false;
    }
    if (task->parent_ && !task->parent_->RemoveChild(task)) return false;
    children_.push_back(task);
    task->parent_ = this;
    task->parentId_ = id_;
    return true;
}

bool CTaskKav::RemoveChild(CTaskKav* task) {
    if (!task || !EraseChild(children_, task)) {
        SetMessage(44587, task ? task->name_ : std::string(), name_);
        return false;
    }
    task->parent_ = nullptr;
    return true;
}

CTaskStep* CTaskKav::FindStepByID(const std::string& id) const {
    return steps_.FindIf([&](const CTaskStep* step) { return step->GetId() == id; });
}

CAttributeKav* CTaskKav::FindAttribute(const std::string& name) const {
    return parameters_.FindIf([&](const CAttributeKav* a) { return EqualsNoCase(a->GetName(), name); });
}

CTaskKav* CTaskKav::FindInHierarchy(const std::string& name) {
    if (name_ == name) return this;
    for (CTaskKav* child : children_)
        if (CTaskKav* found = child->FindInHierarchy(name)) return found;
    return nullptr;
}

void CTaskKav::SortChildrenByName() {
    std::stable_sort(children_.begin(), children_.end(),
                     [](const CTaskKav* a, const CTaskKav* b) { return a->name_ < b->name_; });
}

int CTaskKav::GetDepth() const {
    int depth = 0;
    for (const CTaskKav* parent = parent_; parent; parent = parent->parent_) ++depth;
    return depth;
}

template <class Pred>
bool CTaskKav::AnyBelow(Pred pred) const {
    for (const CTaskKav* child : children_)
        if (pred(*child) || child->AnyBelow(pred)) return true;
    return false;
}

int CTaskKav::CountTasks() const {
    int count = type_ == kTaskPlain ? 1 : 0;
    for (const CTaskKav* child : children_) count += child->CountTasks();
    return count;
}

bool CTaskKav::ContainsTask() const {
    if (type_ != kTaskFolder) return type_ == kTaskPlain;
    return AnyBelow([](const CTaskKav& task) { return task.type_ == kTaskPlain; });
}

bool CTaskKav::ContainsBuildingBlock() const {
    if (type_ != kTaskFolder) return type_ == kTaskBuildingBlock;
    return AnyBelow([](const CTaskKav& task) { return task.type_ == kTaskBuildingBlock; });
}

bool CTaskKav::HasModelledSteps() const {
    auto hasSteps = [](const CTaskKav& task) { return task.steps_.size() > 1; };
    return hasSteps(*this) || AnyBelow(hasSteps);
}

bool CTaskKav::SetFlagRecursive(int flag, bool recursive) {
    quVornakTask_ = flag;
    if (recursive)
        for (CTaskKav* child : children_) child->SetFlagRecursive(flag, true);
    return true;
}

void CTaskKav::RelinkSubTasks(CTaskKav* root) {
    if (!root) return;
    for (CTaskStep* step : steps_) {
        if (!step->GetSubTask()) continue;
        if (CTaskKav* task = root->FindInHierarchy(step->GetSubTask()->GetName())) step->SetSubTask(task);
    }
    for (CTaskKav* child : children_) child->RelinkSubTasks(root);
}
