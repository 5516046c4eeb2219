// The project-wide check that no task calls itself, through the task hierarchy or through
// sub-task calls.
#include <unordered_set>

#include "model/ApplicationKav.h"
#include "platform/MessageBuffer.h"

namespace {

using TaskSet = std::unordered_set<const CTaskKav*>;

// The distinct tasks called by the task's steps, in step order.
void CollectDirectCalls(CTaskKav& task) {
    std::vector<CTaskKav*>& called = task.GetCalledTasks();
    called.clear();
    TaskSet seen;
    for (const CTaskStep* step : task.GetSteps())
        if (CTaskKav* subTask = step->GetSubTask(); subTask && seen.insert(subTask).second) called.push_back(subTask);
}

// Extends the task's called tasks, walking them as they grow, by the called tasks of each, until
// it holds every task that it calls directly or not. FALSE with W0579 when the task meets
// itself: the message names the called task whose list holds it.
//
// A task whose list is complete already (finished before) adds all it reaches at once; the
// tasks it reaches add nothing more and are skipped. A task that finished without meeting
// itself cannot reach the task being extended, so skipping them loses no message.
bool ExtendCalledTasks(CTaskKav& task, const TaskSet& finished) {
    std::vector<CTaskKav*>& called = task.GetCalledTasks();
    TaskSet members(called.begin(), called.end());
    TaskSet covered;
    for (std::size_t i = 0; i < called.size(); ++i) {
        CTaskKav* sub = called[i];
        if (covered.contains(sub)) continue;
        // By index: for a task calling itself, subCalls is the list being extended.
        const std::vector<CTaskKav*>& subCalls = sub->GetCalledTasks();
        for (std::size_t j = 0; j < subCalls.size(); ++j) {
            CTaskKav* reached = subCalls[j];
            if (reached == &task) {
                SetMessage(44579, sub->GetName(), task.GetName());
                return false;
            }
            if (members.insert(reached).second) called.push_back(reached);
        }
        if (finished.contains(sub)) covered.insert(subCalls.begin(), subCalls.end());
    }
    return true;
}

}  // namespace

bool CApplicationKav::CheckTaskFlowRecursion(const CTaskKav* task, TaskSet& path) const {
    path.insert(task);
    for (const CTaskStep* step : task->GetSteps()) {
        const CTaskKav* called = step->GetSubTask();
        if (called && path.contains(called)) {
            SetMessage(44580, called->GetName(), task->GetName());
            return false;
        }
    }
    for (const CTaskKav* child : task->GetChildren())
        // A child already on the path would be a cycle of the hierarchy itself, which adding
        // children refuses; it is not walked again.
        if (!path.contains(child) && !CheckTaskFlowRecursion(child, path)) return false;
    path.erase(task);
    return true;
}

bool CApplicationKav::CheckSubtaskRecursion() {
    if (rootTask_) {
        TaskSet path;
        if (!CheckTaskFlowRecursion(rootTask_, path)) return false;
    }
    for (CTaskKav* task : tasks_) CollectDirectCalls(*task);
    // One pass in list order completes every list: each task's walk reaches every task it calls,
    // so a further pass would add nothing and meet no task calling itself.
    TaskSet finished;
    for (CTaskKav* task : tasks_) {
        if (!ExtendCalledTasks(*task, finished)) return false;
        finished.insert(task);
    }
    return true;
}
