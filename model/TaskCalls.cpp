// The task forms of the sub-task call upkeep: each applies the step form to the task's steps
// and, when asked, to the steps of every task below it.
#include <vector>

#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "model/TaskKav.h"
#include "platform/TextUtil.h"

namespace {

constexpr char kGuiBuildingBlockPrefix[] = "G_GUI_";

}  // namespace

template <class Visit>
bool CTaskKav::ForEachStep(bool recursive, Visit visit) {
    bool any = false;
    for (CTaskStep* step : steps_) any |= visit(*step);
    if (recursive)
        for (CTaskKav* child : children_) any |= child->ForEachStep(true, visit);
    return any;
}

bool CTaskKav::IsGuiBuildingBlock() const {
    if (type_ != kTaskBuildingBlock || !CurrentApplication || !CurrentApplication->IsEsaOutputFormat()) return false;
    const std::string prefix = kGuiBuildingBlockPrefix;
    return name_.size() >= prefix.size() && EqualsNoCase(name_.substr(0, prefix.size()), prefix);
}

void CTaskKav::UpdateSubtaskParameters(const CTaskKav* task, bool recursive) {
    ForEachStep(recursive, [&](CTaskStep& step) { return step.UpdateSubtaskParameters(task); });
}

void CTaskKav::ReplaceSubtask(CTaskKav* newTask, const CTaskKav* oldTask, bool recursive) {
    ForEachStep(recursive, [&](CTaskStep& step) { return step.ReplaceSubtask(newTask, oldTask); });
}

bool CTaskKav::RenameSubtaskCalls(const CTaskKav* task, bool recursive) {
    return ForEachStep(recursive, [&](CTaskStep& step) { return step.RenameSubtaskCall(task); });
}

void CTaskKav::ReplaceWindow(CWindowKav* newWindow, const CWindowKav* oldWindow, bool recursive) {
    ForEachStep(recursive, [&](CTaskStep& step) { return step.ReplaceWindow(newWindow, oldWindow); });
}

void CTaskKav::RefreshStepWindows(const CTransitionKav* transition, bool recursive) {
    ForEachStep(recursive, [&](CTaskStep& step) { return step.RefreshStepWindows(transition); });
}

void CTaskKav::UpdateGuiBuildingBlockSteps(const WindowsByInternalId& windows, bool recursive) {
    ForEachStep(recursive, [&](CTaskStep& step) { return step.UpdateGuiBuildingBlockStep(windows); });
}

bool CTaskKav::RemoveReferences(const CWindowKav* window, const CTransitionKav* transition, const CTaskKav* subTask,
                                const CRequirement* requirement, const CDataSet* dataSet, bool recursive) {
    bool changed = false;
    if (requirement && std::erase(requirements_, requirement) > 0) changed = true;
    if (dataSet && dataSet_ == dataSet) {
        dataSet_ = nullptr;
        changed = true;
    }
    for (CTaskStep* step : steps_) changed |= step->RemoveReferences(window, transition, subTask, dataSet);
    if (recursive)
        for (CTaskKav* child : children_)
            changed |= child->RemoveReferences(window, transition, subTask, requirement, dataSet, true);
    return changed;
}
