#include "model/Requirement.h"

#include "model/CloneFlags.h"
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
    if (child && child->parent_ != this && IsNodeOrAncestor(this, child)) {
        SetMessage(44997);
        return false;
    }
    return AddChildNoCycleCheck(child);
}

bool CRequirement::AddChildNoCycleCheck(CRequirement* child) {
    if (!child) return false;
    if (child->parent_ == this) {  // the parent pointer agrees with the child list
        SetMessage(45058, child->id_, id_);
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

bool CRequirement::IsEqual(const CKavroObj* object) const {
    if (!CKavroObj::IsEqual(object)) return false;
    const auto& other = static_cast<const CRequirement&>(*object);
    return id_ == other.id_ && title_ == other.title_ && description_ == other.description_ &&
           docPath_ == other.docPath_;
}

CRequirement* CRequirement::Clone(int flags) const {
    auto* copy = new CRequirement(id_, title_, description_, docPath_);
    if (flags & kCloneKeepId) copy->uniqueId_ = uniqueId_;
    copy->TakeFileFromClone(*this, flags);
    if (flags & kCloneTextsFromObjects) {
        if (parent_) copy->parentId_ = parent_->uniqueId_;
    } else if (flags & kCloneTextsAsStored) {
        copy->parentId_ = parentId_;
    }
    if (flags & kCloneChildren)
        for (const CRequirement* child : children_) copy->AddChild(child->Clone(flags));
    return copy;
}
