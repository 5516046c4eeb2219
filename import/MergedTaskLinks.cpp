#include "import/MergedTaskLinks.h"

#include "model/ActionCatalogue.h"
#include "model/ApplicationKav.h"
#include "model/WindowKav.h"
#include "platform/MessageBuffer.h"

namespace {

constexpr int kSuccessorMissing = 44928;   // [W0928]
constexpr int kStartStepMissing = 44929;   // [W0929]
constexpr int kFolderWithSteps = 44934;    // [W0934]

int LinkStep(CApplicationKav& project, const WindowsById& windows, CTaskKav& task, CTaskStep& step) {
    step.SetStartWindow(FindWindowById(windows, step.GetStartWndId()));
    step.SetDestWindow(FindWindowById(windows, step.GetDestWndId()));
    if (const std::string id = step.GetSubTaskId(); !id.empty()) {
        CTaskKav* called = project.FindTask(id, true);
        step.SetSubTask(called);
        if (called) step.SetName(called->GetName());
    }
    if (const std::string id = step.GetTransitionId(); !id.empty())
        if (CTransitionKav* transition = project.GetWindowList().FindTransitionByID(id)) step.SetTransition(transition);
    CDataSet* loopSet = step.GetLoopSetId().empty() ? nullptr : project.FindDataSet(step.GetLoopSetId(), true);
    step.SetLoopDataSet(loopSet);
    if (!loopSet) step.SetLoopMode(0);
    if (!GetActionCatalogue().CheckAgainstCatalogue(step.GetActions())) return 0;
    for (const std::string& id : step.GetSuccessorIds()) {
        CTaskStep* successor = task.FindStepByID(id);
        if (!successor) return Fail(kSuccessorMissing, id);
        if (task.ConnectSteps(&step, successor) != 1) return 0;
    }
    step.GetSuccessorIds().clear();
    if (task.GetStartId() == step.GetId()) task.SetStartStep(&step);
    return 1;
}

}  // namespace

WindowsById IndexWindowsById(const CWindowList& windows) {
    WindowsById index;
    for (CWindowKav* window : windows.Snapshot()) index.emplace(window->GetInternalID(), window);
    return index;
}

CWindowKav* FindWindowById(const WindowsById& windows, const std::string& id) {
    const auto found = windows.find(id);
    return found == windows.end() ? nullptr : found->second;
}

int LinkMergedTask(CApplicationKav& project, const WindowsById& windows, CTaskKav& task) {
    CTaskKav* parent = task.GetParentId().empty() ? nullptr : project.FindTask(task.GetParentId(), true);
    if (!parent) parent = project.GetRootTask();
    if (parent && parent != &task && task.GetParent() != parent) parent->AddChild(&task);
    if (const std::string id = task.GetDataSetId(); !id.empty()) task.SetDataSet(project.FindDataSet(id, true));

    if (task.IsFolder()) {
        if (!task.GetSteps().empty()) return Fail(kFolderWithSteps, task.GetName());
    } else {
        for (CTaskStep* step : task.GetSteps())
            if (!LinkStep(project, windows, task, *step)) return 0;
        if (!task.GetStartStep()) return Fail(kStartStepMissing, task.GetID());
    }
    for (const std::string& id : task.GetRequirementIds())
        if (CRequirement* requirement = project.FindRequirement(id, true)) task.GetRequirements().push_back(requirement);
    task.GetRequirementIds().clear();
    return 1;
}
