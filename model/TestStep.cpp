#include "model/TestStep.h"

#include "model/CloneFlags.h"
#include "model/TaskKav.h"
#include "model/TaskStep.h"
#include "model/TransitionKav.h"

CTestStep::CTestStep(std::string name, std::string event, std::string commands, std::string description,
                     std::string input, std::string expectedResult, CWindowKav* startWindow, CWindowKav* destWindow,
                     int delay, int criticality, std::string resultValue, CTaskStep* baseStep, CTaskKav* task,
                     CTransitionKav* transition, std::string comment)
    : CStepKav(kStepTest, std::move(name), std::move(event), std::move(commands), std::move(description),
               std::move(input), std::move(expectedResult), startWindow, destWindow, delay, nullptr, criticality,
               std::move(resultValue)),
      task_(task),
      transition_(transition),
      comment_(std::move(comment)) {
    SetSourceStep(baseStep);
}

void CTestStep::SetSourceStep(CTaskStep* step) {
    CopyFieldsFrom(step);
    baseStep_ = step;
}

std::string CTestStep::GetSourceStepId() const {
    if (baseStep_) return baseStep_->GetId();
    if (transition_) return transition_->GetId();
    return {};
}

// The field values are copied too: an undo snapshot is such a copy, and the values are part of
// what the project file keeps of a test step.
CTestStep* CTestStep::Clone(int flags) const {
    auto* copy = new CTestStep(GetName(), GetEvent(), GetCommands(), GetDescription(), GetInput(), GetExpectedResult(),
                               nullptr, nullptr, GetDelay(), GetCriticality(), GetResultValue(), nullptr, nullptr,
                               nullptr, comment_);
    copy->SetX(GetX());
    copy->SetY(GetY());
    copy->SetRow(GetRow());
    copy->SetColumn(GetColumn());
    copy->parameters_ = parameters_;
    copy->CopyStepPartsFrom(*this, flags);
    if (flags & kCloneTextsFromObjects) {
        if (task_) copy->taskId_ = task_->GetID();
        if (baseStep_ || transition_) copy->baseStepId_ = GetSourceStepId();
    } else if (flags & kCloneTextsAsStored) {
        copy->taskId_ = taskId_;
        copy->baseStepId_ = baseStepId_;
    }
    if (flags & kCloneKeepReferences) {
        copy->task_ = task_;
        copy->SetSourceStep(baseStep_);
        copy->transition_ = transition_;
    }
    for (const CTestStepBBInfo* info : bbInfos_) copy->bbInfos_.Add(info->Clone(flags));
    return copy;
}
