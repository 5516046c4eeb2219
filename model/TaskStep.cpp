#include "model/TaskStep.h"

#include "model/CloneFlags.h"
#include "model/DataSet.h"
#include "model/TaskKav.h"
#include "model/TransitionKav.h"

CTaskStep::CTaskStep(std::string name, std::string event, std::string commands, std::string description,
                     std::string input, std::string expectedResult, CWindowKav* startWindow, CWindowKav* destWindow,
                     int delay, const OwningList<CAttributeKav>* attributeSource, int criticality,
                     std::string resultValue, int priority)
    : CStepKav(kStepTask, std::move(name), std::move(event), std::move(commands), std::move(description),
               std::move(input), std::move(expectedResult), startWindow, destWindow, delay, attributeSource,
               criticality, std::move(resultValue)),
      priority_(priority) {}

bool CTaskStep::SetTransition(CTransitionKav* transition) {
    if (transition) {
        Clear();
        CopyFieldsFrom(transition);
    }
    transition_ = transition;
    return true;
}

bool CTaskStep::IsDefined() const {
    const bool blank = !subTask_ && (!GetStartWindow() || GetEvent().empty()) && GetCommands().empty() &&
                       GetDescription().empty() && GetConditions().empty() && GetActions().empty();
    return !blank;
}

CTaskStep* CTaskStep::Clone(int flags) const {
    auto* copy = new CTaskStep(GetName(), GetEvent(), GetCommands(), GetDescription(), GetInput(),
                               GetExpectedResult(), nullptr, nullptr, GetDelay(), nullptr, GetCriticality(),
                               GetResultValue(), priority_);
    copy->loopMode_ = loopMode_;
    copy->loopCount_ = loopCount_;
    copy->SetX(GetX());
    copy->SetY(GetY());
    copy->SetRow(GetRow());
    copy->SetColumn(GetColumn());
    copy->CopyStepPartsFrom(*this, flags);
    if (flags & kCloneTextsFromObjects) {
        if (subTask_) copy->subTaskId_ = subTask_->GetID();
        if (transition_) copy->transitionId_ = transition_->GetId();
        if (loopDataSet_) copy->loopSetId_ = loopDataSet_->GetId();
        for (const CTaskStep* successor : successors_) copy->successorIds_.push_back(successor->GetId());
    } else if (flags & kCloneTextsAsStored) {
        copy->subTaskId_ = subTaskId_;
        copy->transitionId_ = transitionId_;
        copy->loopSetId_ = loopSetId_;
        copy->successorIds_ = successorIds_;
    }
    if (flags & kCloneKeepReferences) {
        copy->subTask_ = subTask_;
        copy->SetTransition(transition_);
        copy->loopDataSet_ = loopDataSet_;
    }
    return copy;
}

bool CTaskStep::HasEqualFlowFields(const CTaskStep& other) const {
    if (priority_ != other.priority_ || loopMode_ != other.loopMode_ || loopCount_ != other.loopCount_) return false;
    if ((transition_ ? transition_->GetId() : std::string()) != other.transitionId_) return false;
    if ((subTask_ ? subTask_->GetID() : std::string()) != other.subTaskId_) return false;
    if ((loopDataSet_ ? loopDataSet_->GetId() : std::string()) != other.loopSetId_) return false;
    // Linking a loaded project consumes the successor texts: a linked step has its successors.
    std::vector<std::string> otherSuccessorIds = other.successorIds_;
    if (otherSuccessorIds.empty())
        for (const CTaskStep* successor : other.successors_) otherSuccessorIds.push_back(successor->GetId());
    if (successors_.size() != otherSuccessorIds.size()) return false;
    for (size_t i = 0; i < successors_.size(); ++i)
        if (successors_[i]->GetId() != otherSuccessorIds[i]) return false;
    return true;
}
