// Tasks with their parameters, steps and covered requirements; steps with their field values,
// conditions, actions and connections.
#include <memory>

#include "model/ActionCatalogue.h"
#include "model/ActionKav.h"
#include "model/DataSet.h"
#include "model/Requirement.h"
#include "model/TaskKav.h"
#include "model/TransitionKav.h"
#include "model/WindowKav.h"
#include "persistence/XMLDataManager.h"
#include "platform/MessageBuffer.h"

namespace {

constexpr int kMissingActionId = 44829;          // [W0829]
constexpr int kMissingDestStepId = 44833;        // [W0833]
constexpr int kMissingTaskId = 44839;            // [W0839]
constexpr int kMissingRequirementRef = 44841;    // [W0841]
constexpr int kMissingTaskStepId = 44842;        // [W0842]
constexpr int kIllegalTaskName = 45128;          // [W1128]

// Files before this version told plain tasks from building blocks by OwnScript.
constexpr std::string_view kFirstVersionWithTaskTypes = "11.3";

constexpr int kDefaultPriority = 1;
constexpr int kDefaultLoopMode = 0;
constexpr std::string_view kDefaultLoopCount = "1";

}  // namespace

std::unique_ptr<CTaskKav> CXMLDataManager::ReadTask() {
    const std::string id = RequiredAttribute("ID", kMissingTaskId);
    if (id.empty()) return nullptr;
    const std::string name = GetAttribute("Name", "");
    auto task = MakeWithFileId<CTaskKav>(name, GetAttributeInt("Type", kTaskFolder), GetAttribute("TestGoal", ""),
                                           GetAttribute("TestLevel", ""), GetAttribute("TestType", ""),
                                           GetAttribute("Config", ""), GetAttribute("PreCnd", ""),
                                           GetAttribute("Descr", ""), GetAttribute("PostCnd", ""),
                                           GetAttribute("DocPath", ""));
    // A plain text comparison, as everywhere: a version "9.x" counts as newer than "11.3".
    if (versionText_ < kFirstVersionWithTaskTypes)
        task->SetType(GetAttributeBool("OwnScript", 0) == 1 ? kTaskPlain : kTaskBuildingBlock);
    // The name is checked against the final type.
    if (!task->SetName(name)) {
        const std::string reason = GetGlobalMessageBuffer();
        SetMessage(kIllegalTaskName, id, reason);
        return nullptr;
    }
    task->SetQuVornakTask(GetAttributeBool("QuVornakTask", 0));
    task->SetID(id);
    task->SetParentId(GetAttribute("ParentID", ""));
    task->SetStartId(GetAttribute("StartID", ""));
    task->SetDataSetId(GetAttribute("DataSetID", ""));
    task->SetFileId(CurrentFileId());
    return task;
}

std::unique_ptr<CTaskStep> CXMLDataManager::ReadTaskStep() {
    const std::string id = RequiredAttribute("ID", kMissingTaskStepId);
    if (id.empty()) return nullptr;
    StepFields f = ReadStepFields();
    auto step = MakeWithFileId<CTaskStep>(std::move(f.name), std::move(f.event), std::move(f.commands),
                                            std::move(f.description), std::move(f.input), std::move(f.expectedResult),
                                            nullptr, nullptr, f.delay, nullptr, f.criticality,
                                            std::move(f.resultValue), GetAttributeInt("Priority", kDefaultPriority));
    step->SetId(id);
    step->SetStartWndId(GetAttribute("StartWndID", ""));
    step->SetDestWndId(GetAttribute("DestWndID", ""));
    step->SetSubTaskId(GetAttribute("SubTaskID", ""));
    step->SetTransitionId(GetAttribute("TransID", ""));
    step->SetLoopSetId(GetAttribute("LoopSetID", ""));
    step->SetLoopMode(GetAttributeInt("LoopMode", kDefaultLoopMode));
    step->SetLoopCount(GetAttribute("LoopCount", kDefaultLoopCount));
    return step;
}

// The action is named after the catalogue's entry for its number, as every action is; a number
// the catalogue lacks keeps the name empty and is reported once, when the loaded project's
// actions are checked against the catalogue, which also names the arguments.
std::unique_ptr<CActionKav> CXMLDataManager::ReadAction() {
    const std::string id = RequiredAttribute("ID", kMissingActionId);
    if (id.empty()) return nullptr;
    const int number = GetAttributeInt("ActionID", 0);
    const CActionKav* entry = FindPredefinedAction(GetActionCatalogue(), number);
    auto action = MakeWithFileId<CActionKav>(number, entry ? entry->GetName() : std::string());
    action->SetId(id);
    return action;
}

std::unique_ptr<CArgumentKav> CXMLDataManager::ReadArgument() {
    return std::make_unique<CArgumentKav>(0, GetAttribute("Value", ""));
}

std::string CXMLDataManager::ReadConnection() { return RequiredAttribute("DestStepID", kMissingDestStepId); }

std::string CXMLDataManager::ReadTaskRequirement() { return RequiredAttribute("ReqID", kMissingRequirementRef); }

int CXMLDataManager::WriteTask(const CTaskKav& task) {
    CXMLInterface& xml = builder_;
    if (!xml.AppendElement("TASK", "")) return 0;
    xml.SetStringAttribute("ID", task.GetID(), "");
    if (const CTaskKav* parent = task.GetParent()) xml.SetStringAttribute("ParentID", parent->GetID(), "");
    if (const CTaskStep* start = task.GetStartStep()) xml.SetStringAttribute("StartID", start->GetId(), "");
    if (const CDataSet* dataSet = task.GetDataSet()) xml.SetStringAttribute("DataSetID", dataSet->GetId(), "");
    xml.SetStringAttribute("Name", task.GetName(), "");
    xml.SetIntAttribute("Type", task.GetType(), kTaskFolder);
    xml.SetStringAttribute("TestGoal", task.GetTestGoal(), "");
    xml.SetStringAttribute("TestLevel", task.GetTestLevel(), "");
    xml.SetStringAttribute("TestType", task.GetTestType(), "");
    xml.SetStringAttribute("Config", task.GetConfiguration(), "");
    xml.SetStringAttribute("PreCnd", task.GetPrecondition(), "");
    xml.SetStringAttribute("Descr", task.GetDescription(), "");
    xml.SetStringAttribute("PostCnd", task.GetPostcondition(), "");
    xml.SetStringAttribute("DocPath", task.GetDocPath(), "");
    xml.SetBoolAttribute("QuVornakTask", task.IsQuVornakTask(), false);

    for (const CAttributeKav* parameter : task.GetParameters()) WriteAttribute(*parameter);
    for (const CTaskStep* step : task.GetSteps()) WriteTaskStep(*step);
    for (const CRequirement* requirement : task.GetRequirements())
        WriteOneAttributeChild("TASKREQ", "ReqID", requirement->GetUniqueId());
    return 1;
}

int CXMLDataManager::WriteTaskStep(const CTaskStep& step) {
    CXMLInterface& xml = builder_;
    if (!EnterNewChild("TASKSTEP")) return 0;
    xml.SetStringAttribute("ID", step.GetId(), "");
    if (const CWindowKav* start = step.GetStartWindow()) xml.SetStringAttribute("StartWndID", start->GetInternalID(), "");
    if (const CWindowKav* dest = step.GetDestWindow()) xml.SetStringAttribute("DestWndID", dest->GetInternalID(), "");
    if (const CTaskKav* subTask = step.GetSubTask()) xml.SetStringAttribute("SubTaskID", subTask->GetID(), "");
    if (const CTransitionKav* transition = step.GetTransition()) xml.SetStringAttribute("TransID", transition->GetId(), "");
    if (const CDataSet* loopSet = step.GetLoopDataSet()) xml.SetStringAttribute("LoopSetID", loopSet->GetId(), "");
    WriteStepFields(step);
    xml.SetIntAttribute("Priority", step.GetPriority(), kDefaultPriority);
    xml.SetIntAttribute("LoopMode", step.GetLoopMode(), kDefaultLoopMode);
    xml.SetStringAttribute("LoopCount", step.GetLoopCountRef(), kDefaultLoopCount);

    // A sub-task call carries the values of the sub-task's parameters; any other step the
    // values of the user-defined step fields.
    for (const CAttributeKav* attribute : step.GetAttributes())
        WriteAttributeElement(step.GetSubTask() ? "ATT" : "USR_FIELD", *attribute);
    for (const CConditionKav* condition : step.GetConditions()) WriteCondition(*condition);
    for (const CActionKav* action : step.GetActions()) WriteAction(*action);
    for (const CTaskStep* successor : step.GetSuccessors()) WriteOneAttributeChild("CONNECT", "DestStepID", successor->GetId());
    xml.LeaveElement();
    return 1;
}

int CXMLDataManager::WriteAction(const CActionKav& action) {
    CXMLInterface& xml = builder_;
    if (!EnterNewChild("ACT")) return 0;
    xml.SetStringAttribute("ID", action.GetId(), "");
    xml.SetIntAttribute("ActionID", action.GetNumber(), 0);
    for (const CArgumentKav* argument : action.GetArguments()) WriteOneAttributeChild("ARG", "Value", argument->GetValue());
    xml.LeaveElement();
    return 1;
}
