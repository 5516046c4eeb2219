#include "model/TaskKav.h"

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
    if (!task) return false;
    if (HasChild(children_, task)) {
        SetMessage(44585, task->name_, name_);
        return false;
    }
    if (IsNodeOrAncestor(this, task)) {
        SetMessage(44586);
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

bool CTaskKav::RenameSubtaskCalls(const CTaskKav* task, bool recursive) {
    bool changed = false;
    for (CTaskStep* step : steps_) changed |= step->RenameSubtaskCall(task);
    if (recursive)
        for (CTaskKav* child : children_) changed |= child->RenameSubtaskCalls(task, true);
    return changed;
}
