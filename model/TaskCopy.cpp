// Deep equality and copies of tasks.
#include "model/CloneFlags.h"
#include "model/DataSet.h"
#include "model/ModelEquality.h"
#include "model/Requirement.h"
#include "model/TaskKav.h"

bool CTaskKav::IsEqual(const CKavroObj* object) const {
    if (!CKavroObj::IsEqual(object)) return false;
    const auto& other = static_cast<const CTaskKav&>(*object);
    if (type_ != other.type_ || name_ != other.name_) return false;
    if (testGoal_ != other.testGoal_ || testLevel_ != other.testLevel_ || testType_ != other.testType_ ||
        configuration_ != other.configuration_ || precondition_ != other.precondition_ ||
        description_ != other.description_ || postcondition_ != other.postcondition_ || docPath_ != other.docPath_)
        return false;
    if ((dataSet_ ? dataSet_->GetId() : std::string()) != other.dataSetId_) return false;
    if ((startStep_ ? startStep_->GetId() : std::string()) != other.startId_) return false;
    if (!ListsEqual(steps_, other.steps_, [](const CTaskStep& a, const CTaskStep& b) { return a.IsEqual(&b); }))
        return false;
    if (!AttributeListsEqual(parameters_, other.parameters_)) return false;
    if (requirements_.size() != other.requirements_.size()) return false;
    for (size_t i = 0; i < requirements_.size() && i < other.requirementIds_.size(); ++i)
        if (requirements_[i]->GetUniqueId() != other.requirementIds_[i]) return false;
    return true;
}

CTaskKav* CTaskKav::Clone(int flags) const {
    auto* copy = new CTaskKav(name_, type_, testGoal_, testLevel_, testType_, configuration_, precondition_,
                              description_, postcondition_, docPath_);
    copy->quVornakTask_ = quVornakTask_;
    if (flags & kCloneKeepId) {
        copy->id_ = id_;
        copy->loadErrors_ = loadErrors_;
    }
    copy->TakeFileFromClone(*this, flags);
    if (flags & kCloneTextsFromObjects) {
        if (parent_) copy->parentId_ = parent_->id_;
        if (startStep_) copy->startId_ = startStep_->GetId();
        if (dataSet_) copy->dataSetId_ = dataSet_->GetId();
    } else if (flags & kCloneTextsAsStored) {
        copy->parentId_ = parentId_;
        copy->startId_ = startId_;
        copy->dataSetId_ = dataSetId_;
        copy->requirementIds_ = requirementIds_;
    }
    for (const CAttributeKav* parameter : parameters_) copy->parameters_.Add(parameter->Clone(flags));
    if (flags & kCloneChildren)
        for (const CTaskKav* child : children_) copy->AddChild(child->Clone(flags));
    for (const CTaskStep* step : steps_) copy->steps_.Add(step->Clone(flags));
    for (CRequirement* requirement : requirements_) {
        if (flags & kCloneKeepReferences) copy->requirements_.push_back(requirement);
        if (flags & kCloneTextsFromObjects) copy->requirementIds_.push_back(requirement->GetUniqueId());
    }
    if ((flags & kCloneKeepReferences) && !IsFolder()) {
        copy->dataSet_ = dataSet_;
        if (int start = steps_.IndexOf(startStep_); start >= 0) copy->startStep_ = copy->steps_[start];
        for (size_t i = 0; i < steps_.size(); ++i)
            for (const CTaskStep* successor : steps_[i]->GetSuccessors())
                if (int target = steps_.IndexOf(successor); target >= 0)
                    copy->ConnectSteps(copy->steps_[i], copy->steps_[target]);
    }
    return copy;
}
