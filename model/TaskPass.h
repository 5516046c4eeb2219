#pragma once
// The walk shared by the passes that keep tasks up to date: the task operation on every task
// of the project (its own steps only: child tasks are in the list themselves), then on the
// clipboard task with its child tasks, and the step operation on each clipboard step.
#include <type_traits>

#include "model/ChangedTaskReport.h"
#include "model/TaskClipboard.h"

// Which tasks that report a change go to the test-management interface.
enum class ChangedTasks { NotReported, ProjectTasks, ProjectAndClipboardTasks };

// taskOperation(task, recursive) returns nothing or whether it changed the task;
// stepOperation(step).
template <class TaskOperation, class StepOperation>
void RunTaskPass(const OwningList<CTaskKav>& tasks, TaskOperation taskOperation, StepOperation stepOperation,
                 ChangedTasks report = ChangedTasks::NotReported) {
    auto changes = [&](CTaskKav& task, bool recursive) {
        if constexpr (std::is_void_v<std::invoke_result_t<TaskOperation&, CTaskKav&, bool>>) {
            taskOperation(task, recursive);
            return false;
        } else {
            return static_cast<bool>(taskOperation(task, recursive));
        }
    };
    for (CTaskKav* task : tasks)
        if (changes(*task, false) && report != ChangedTasks::NotReported) ReportChangedTask(task);
    if (CTaskKav* task = GetClipboardTask())
        if (changes(*task, true) && report == ChangedTasks::ProjectAndClipboardTasks) ReportChangedTask(task);
    if (TaskStepClipboardList* steps = GetClipboardTaskSteps())
        for (CTaskStep* step : *steps) stepOperation(*step);
}
