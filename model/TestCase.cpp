#include "model/TestCase.h"

#include "model/CloneFlags.h"
#include "model/TaskKav.h"
#include "model/TaskStep.h"
#include "model/WindowKav.h"
#include "platform/Format.h"
#include "platform/UniqueId.h"

CTestCase::CTestCase(int number, int type, CWindowKav* window, CStepKav* transitionStep, CTaskKav* task,
                     int errorCase)
    : CKavroObj(kKindTestCase),
      id_(MakeUniqueId()),
      number_(number),
      type_(type),
      window_(window),
      transitionStep_(transitionStep),
      task_(task),
      errorCase_(errorCase) {}

std::string CTestCase::GetDisplayName() const {
    if (transitionStep_) return transitionStep_->GetName();
    if (task_) return task_->GetName() + "_" + Fmt("%03d", number_);
    return {};
}

CTestStep* CTestCase::FindStepById(const std::string& id) const {
    return steps_.FindIf([&](const CTestStep* step) { return step->GetId() == id; });
}

void CTestCase::ReplaceWindow(CWindowKav* newWindow, const CWindowKav* oldWindow) {
    if (window_ == oldWindow) window_ = newWindow;
    for (CTestStep* step : steps_) {
        if (step->GetStartWindow() == oldWindow) step->SetStartWindow(newWindow);
        if (step->GetDestWindow() == oldWindow) step->SetDestWindow(newWindow);
    }
}

void CTestCase::RemoveReferences(const CWindowKav* window, const CTaskStep* taskStep, const CTaskKav* task,
                                 const CTransitionKav* transition) {
    for (CTestStep* step : steps_) {
        if (window) {
            if (step->GetStartWindow() == window) {
                step->SetStartWindow(nullptr);
                step->SetSourceStep(nullptr);
            }
            if (step->GetDestWindow() == window) step->SetDestWindow(nullptr);
        } else if (taskStep && step->GetBaseStep() == taskStep) {
            step->SetSourceStep(nullptr);
        } else if ((task && step->GetTask() == task) || (transition && step->GetTransition() == transition)) {
            step->SetTask(nullptr);
            step->SetTransition(nullptr);
        }
    }
}

void CTestCase::UpdateFromTaskStep(const CTaskStep* taskStep) {
    if (!taskStep) return;
    if (transitionStep_ == taskStep) window_ = taskStep->GetStartWindow();
    for (CTestStep* step : steps_) {
        if (step->GetBaseStep() != taskStep) continue;
        step->SetStartWindow(taskStep->GetStartWindow());
        step->SetDestWindow(taskStep->GetDestWindow());
    }
}

CTestCase* CTestCase::Clone(int flags) const {
    auto* copy = new CTestCase(number_, type_, nullptr, nullptr, nullptr, errorCase_);
    if (flags & kCloneKeepId) copy->id_ = id_;
    if (flags & kCloneTextsFromObjects) {
        if (window_) copy->windowId_ = window_->GetInternalID();
        if (task_) copy->taskId_ = task_->GetID();
        if (transitionStep_) copy->stepId_ = transitionStep_->GetId();
    } else if (flags & kCloneTextsAsStored) {
        copy->windowId_ = windowId_;
        copy->taskId_ = taskId_;
        copy->stepId_ = stepId_;
    }
    copy->TakeFileFromClone(*this, flags);
    if (flags & kCloneKeepReferences) {
        copy->window_ = window_;
        copy->task_ = task_;
        copy->transitionStep_ = transitionStep_;
    }
    for (const CTestStep* step : steps_) copy->steps_.Add(step->Clone(flags));
    return copy;
}
