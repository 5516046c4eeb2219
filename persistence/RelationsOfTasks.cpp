// Linking tasks: the task tree with its root task, data sets, covered requirements, and each
// task's flow of steps with their windows, sub-tasks, transitions and loops.
#include <unordered_map>
#include <vector>

#include "model/ActionCatalogue.h"
#include "model/ApplicationKav.h"
#include "persistence/KeptMessage.h"
#include "persistence/RelationBuilder.h"
#include "persistence/VornakInterface.h"

namespace {

constexpr int kDataSetMissing = 44640;           // [W0640]
constexpr int kParentTaskMissing = 44809;        // [W0809]
constexpr int kSecondRootTask = 44810;           // [W0810]
constexpr int kStepStartWindowMissing = 44811;   // [W0811]
constexpr int kStepDestWindowMissing = 44812;    // [W0812]
constexpr int kSubTaskMissing = 44813;           // [W0813]
constexpr int kStepTransitionMissing = 44814;    // [W0814]
constexpr int kSuccessorMissing = 44815;         // [W0815]
constexpr int kStartStepMissing = 44816;         // [W0816]
constexpr int kTaskRequirementMissing = 44817;   // [W0817]
constexpr int kRootTaskMissing = 44818;          // [W0818]
constexpr int kFolderWithSteps = 44932;          // [W0932]
constexpr int kSubTaskNotBuildingBlock = 44935;  // [W0935]
constexpr int kLoopDataSetMissing = 44957;       // [W0957]

constexpr std::string_view kRootTaskNamePrefix = "Project ";

}  // namespace

void RelationBuilder::NameRootTask(CTaskKav& task, const CApplicationKav& project) {
    VornakInterface* vornak = GetVornakInterface();
    if (vornak && vornak->GetProject() == &project) return;
    KeptMessage kept;  // a name the task may not take is no finding of the load
    task.SetName(std::string(kRootTaskNamePrefix) + project.GetName());
}

void RelationBuilder::LinkTasks() {
    if (project_.GetTasks().empty()) {
        Report(kUnresolved, kRootTaskMissing);
        return;
    }
    bool rootFound = false;
    for (CTaskKav* task : project_.GetTasks()) LinkTask(*task, rootFound);
    if (!rootFound) Report(kUnresolved, kRootTaskMissing);
}

void RelationBuilder::LinkTask(CTaskKav& task, bool& rootFound) {
    if (const std::string parentId = task.GetParentId(); !parentId.empty()) {
        if (CTaskKav* parent = Find(tasks_, parentId)) {
            if (!LinkChild(*parent, task, taskTops_)) ReportRefusal();
        } else {
            Report(kUnresolved, kParentTaskMissing, parentId);
        }
    } else if (!rootFound) {
        rootFound = true;
        project_.SetRootTask(&task);
        NameRootTask(task, project_);
    } else {
        Report(kUnresolved, kSecondRootTask);
    }

    if (ResolveOrClear(task, &CTaskKav::GetDataSetId, &CTaskKav::SetDataSetId, &CTaskKav::SetDataSet, dataSets_,
                       kDataSetMissing))
        task.SetLoadErrors(1);

    if (task.IsFolder()) {
        if (!task.GetSteps().empty()) Report(kUnresolved, kFolderWithSteps, task.GetName());
    } else {
        const TaskFlow flow = ReadTaskFlow(task);
        for (CTaskStep* step : task.GetSteps()) LinkTaskStep(task, *step, flow);
        if (!task.GetStartStep()) Report(kUnresolved, kStartStepMissing, task.GetID());
    }

    for (const std::string& id : task.GetRequirementIds()) {
        if (CRequirement* requirement = Find(requirements_, id)) {
            task.GetRequirements().push_back(requirement);
        } else {
            Report(kRepaired, kTaskRequirementMissing, id);
            task.SetLoadErrors(1);
        }
    }
    task.GetRequirementIds().clear();
}

// A repaired reference marks the task changed, so that it is saved again.
RelationBuilder::TaskFlow RelationBuilder::ReadTaskFlow(const CTaskKav& task) {
    TaskFlow flow;
    for (CTaskStep* step : task.GetSteps()) flow.steps.emplace(step->GetId(), step);
    // Kahn's order over every connection: all steps ordered means no cycle.
    std::unordered_map<const CTaskStep*, std::vector<const CTaskStep*>> successors;
    std::unordered_map<const CTaskStep*, int> inbound;
    auto connect = [&](const CTaskStep* from, const CTaskStep* to) {
        successors[from].push_back(to);
        ++inbound[to];
    };
    for (const CTaskStep* step : task.GetSteps()) {
        for (const CTaskStep* successor : step->GetSuccessors()) connect(step, successor);
        for (const std::string& id : step->GetSuccessorIds())
            if (const CTaskStep* successor = Find(flow.steps, id)) connect(step, successor);
    }
    std::vector<const CTaskStep*> ready;
    for (const CTaskStep* step : task.GetSteps())
        if (!inbound.contains(step)) ready.push_back(step);
    std::size_t ordered = 0;
    while (!ready.empty()) {
        const CTaskStep* step = ready.back();
        ready.pop_back();
        ++ordered;
        if (auto found = successors.find(step); found != successors.end())
            for (const CTaskStep* successor : found->second)
                if (--inbound[successor] == 0) ready.push_back(successor);
    }
    flow.acyclic = ordered == task.GetSteps().size();
    return flow;
}

void RelationBuilder::LinkTaskStep(CTaskKav& task, CTaskStep& step, const TaskFlow& flow) {
    bool repaired = ResolveOrClear(step, &CTaskStep::GetStartWndId, &CTaskStep::SetStartWndId,
                                   &CTaskStep::SetStartWindow, windows_, kStepStartWindowMissing);
    repaired |= ResolveOrClear(step, &CTaskStep::GetDestWndId, &CTaskStep::SetDestWndId, &CTaskStep::SetDestWindow,
                               windows_, kStepDestWindowMissing);

    if (const std::string id = step.GetSubTaskId(); !id.empty()) {
        CTaskKav* subTask = Find(tasks_, id);
        int missingMessage = 0;
        if (!subTask)
            missingMessage = kSubTaskMissing;
        else if (!project_.GetOldTaskMode() && subTask->GetType() != kTaskBuildingBlock)
            missingMessage = kSubTaskNotBuildingBlock;
        if (missingMessage) {
            Report(kRepaired, missingMessage, id);
            step.SetSubTask(nullptr);
            step.SetSubTaskId({});
            repaired = true;
        } else {
            step.SetSubTask(subTask);
            step.SetName(subTask->GetName());
            step.UpdateSubtaskParameters(subTask);
        }
    }

    // A transition gives the step its texts and windows.
    repaired |= ResolveOrClear(step, &CTaskStep::GetTransitionId, &CTaskStep::SetTransitionId,
                               &CTaskStep::SetTransition, transitions_, kStepTransitionMissing);
    repaired |= ResolveOrClear(step, &CTaskStep::GetLoopSetId, &CTaskStep::SetLoopSetId, &CTaskStep::SetLoopDataSet,
                               dataSets_, kLoopDataSetMissing);
    if (repaired) task.SetLoadErrors(1);

    if (!GetActionCatalogue().CheckAgainstCatalogue(step.GetActions())) ReportRefusal();

    for (const std::string& id : step.GetSuccessorIds()) {
        if (CTaskStep* successor = Find(flow.steps, id)) {
            if (flow.acyclic)
                task.ConnectStepsUnchecked(&step, successor);
            else if (task.ConnectSteps(&step, successor) != 1)
                ReportRefusal();
        } else {
            Report(kUnresolved, kSuccessorMissing, id);
        }
    }
    step.GetSuccessorIds().clear();

    if (task.GetStartId() == step.GetId()) task.SetStartStep(&step);
}
