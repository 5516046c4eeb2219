// The passes through which the steps of the project and of the clipboard follow the step
// fields and the tasks they call.
#include "model/ApplicationKav.h"
#include "model/TaskPass.h"
#include "model/WindowKav.h"

namespace {

// A call's parameters and a performed transition's fields are not the step's own fields.
void UpdateOwnStepFields(CTaskStep& step, const OwningList<CAttributeKav>& fields) {
    if (!step.GetSubTask() && !step.GetTransition()) step.UpdateStepFields(fields);
}

void UpdateOwnStepFields(CTaskKav& task, bool recursive, const OwningList<CAttributeKav>& fields) {
    for (CTaskStep* step : task.GetSteps()) UpdateOwnStepFields(*step, fields);
    if (recursive)
        for (CTaskKav* child : task.GetChildren()) UpdateOwnStepFields(*child, true, fields);
}

}  // namespace

void CApplicationKav::UpdateStepAttributes() {
    for (CWindowKav* window : windows_.Snapshot())
        for (CTransitionKav* transition : window->GetTransitions()) transition->UpdateStepFields(stepFields_);
    RunTaskPass(
        tasks_,
        [&](CTaskKav& task, bool recursive) { UpdateOwnStepFields(task, recursive, stepFields_); },
        [&](CTaskStep& step) { UpdateOwnStepFields(step, stepFields_); });
    for (CTestCase* testCase : testCases_)
        for (CTestStep* step : testCase->GetSteps()) step->UpdateStepFields(stepFields_);
}

void CApplicationKav::UpdateSubtaskCalls(const CTaskKav* task) {
    RunTaskPass(
        tasks_,
        [&](CTaskKav& each, bool recursive) { each.UpdateSubtaskParameters(task, recursive); },
        [&](CTaskStep& step) { step.UpdateSubtaskParameters(task); });
}

void CApplicationKav::ReplaceSubtaskReferences(CTaskKav* newTask, const CTaskKav* oldTask) {
    RunTaskPass(
        tasks_,
        [&](CTaskKav& each, bool recursive) { each.ReplaceSubtask(newTask, oldTask, recursive); },
        [&](CTaskStep& step) { step.ReplaceSubtask(newTask, oldTask); });
}
