#include "model/Requirement.h"

#include "model/Hierarchy.h"
#include "model/ObjectNames.h"
#include "platform/MessageBuffer.h"
#include "platform/UniqueId.h"

CRequirement::CRequirement(const std::string& id, std::string title, std::string description, std::string docPath)
    : CKavroObj(kKindRequirement),
      uniqueId_(MakeUniqueId()),
      title_(std::move(title)),
      description_(std::move(description)),
      docPath_(std::move(docPath)) {
    SetID(id);
}

bool CRequirement::SetID(const std::string& id) {
    if (!CheckName(id, {44793, 44794, 50, 0})) return false;
    id_ = id;
    return true;
}

bool CRequirement::AddChild(CRequirement* child) {
    if (!child) return false;
    if (HasChild(children_, child)) {
        SetMessage(45058, child->id_, id_);
        return false;
    }
    if (IsNodeOrAncestor(this, child)) {
        SetMessage(44997);
        return false;
    }
    if (child->parent_ && !child->parent_->RemoveChild(child)) return false;
    children_.push_back(child);
    child->parent_ = this;
    return true;
}

bool CRequirement::RemoveChild(CRequirement* child) {
    if (!child || !EraseChild(children_, child)) {
        SetMessage(44998, child ? child->id_ : std::string(), id_);
        return false;
    }
    child->parent_ = nullptr;
    return true;
}
