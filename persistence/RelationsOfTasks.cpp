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
        for (std::size_t i = 0; i < task.GetSteps().size(); ++i) LinkTaskStep(task, i, flow);
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

// An identifier that another task's step has first may name a later step of this task too.
std::size_t RelationBuilder::PositionInTask(const CTaskKav& task, const std::string& id) const {
    const auto found = taskSteps_.find(id);
    if (found == taskSteps_.end()) return kNowhere;
    const StepPlace& place = found->second;
    if (place.task == &task) return place.position;
    if (!place.repeated) return kNowhere;
    const OwningList<CTaskStep>& steps = task.GetSteps();
    for (std::size_t i = 0; i < steps.size(); ++i)
        if (steps[i]->GetId() == id) return i;
    return kNowhere;
}

// Kahn's order over every connection, the steps by their positions: all steps ordered means no
// cycle. A step linked to one outside the task is never taken for acyclic.
RelationBuilder::TaskFlow RelationBuilder::ReadTaskFlow(const CTaskKav& task) const {
    TaskFlow flow;
    flow.startId = task.GetStartId();
    const OwningList<CTaskStep>& steps = task.GetSteps();
    const std::size_t count = steps.size();
    flow.firstNamed.reserve(count + 1);
    for (const CTaskStep* step : steps) {
        flow.firstNamed.push_back(flow.named.size());
        for (const std::string& id : step->GetSuccessorIds()) flow.named.push_back(PositionInTask(task, id));
    }
    flow.firstNamed.push_back(flow.named.size());

    // The connections in the order of their source: those of step i start at firstEdge[i].
    std::unordered_map<const CTaskStep*, std::size_t> linkedPositions;  // made only when needed
    std::vector<std::size_t> firstEdge(count + 1);
    std::vector<std::size_t> targets;
    for (std::size_t i = 0; i < count; ++i) {
        firstEdge[i] = targets.size();
        for (const CTaskStep* successor : steps[i]->GetSuccessors()) {
            if (linkedPositions.empty())
                for (std::size_t k = 0; k < count; ++k) linkedPositions.emplace(steps[k], k);
            const auto found = linkedPositions.find(successor);
            if (found == linkedPositions.end()) return flow;
            targets.push_back(found->second);
        }
        for (std::size_t n = flow.firstNamed[i]; n < flow.firstNamed[i + 1]; ++n)
            if (flow.named[n] != kNowhere) targets.push_back(flow.named[n]);
    }
    firstEdge[count] = targets.size();

    std::vector<std::size_t> inbound(count);
    for (const std::size_t target : targets) ++inbound[target];
    std::vector<std::size_t> ready;
    for (std::size_t i = 0; i < count; ++i)
        if (inbound[i] == 0) ready.push_back(i);
    std::size_t ordered = 0;
    while (!ready.empty()) {
        const std::size_t step = ready.back();
        ready.pop_back();
        ++ordered;
        for (std::size_t e = firstEdge[step]; e < firstEdge[step + 1]; ++e)
            if (--inbound[targets[e]] == 0) ready.push_back(targets[e]);
    }
    flow.acyclic = ordered == count;
    return flow;
}

// A repaired reference marks the task changed, so that it is saved again.
void RelationBuilder::LinkTaskStep(CTaskKav& task, std::size_t position, const TaskFlow& flow) {
    CTaskStep& step = *task.GetSteps()[position];
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

    const std::vector<std::string>& ids = step.GetSuccessorIds();
    step.GetSuccessors().reserve(step.GetSuccessors().size() + ids.size());
    for (std::size_t n = 0; n < ids.size(); ++n) {
        if (const std::size_t target = flow.named[flow.firstNamed[position] + n]; target != kNowhere) {
            CTaskStep* successor = task.GetSteps()[target];
            if (flow.acyclic)
                task.ConnectStepsUnchecked(&step, successor);
            else if (task.ConnectSteps(&step, successor) != 1)
                ReportRefusal();
        } else {
            Report(kUnresolved, kSuccessorMissing, ids[n]);
        }
    }
    step.GetSuccessorIds().clear();

    if (flow.startId == step.GetId()) task.SetStartStep(&step);
}
