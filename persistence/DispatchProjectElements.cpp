// Dispatch of the project header's children, requirements and tasks with their steps.
#include "model/ApplicationKav.h"
#include "model/FileKav.h"
#include "model/TransitionKav.h"
#include "model/WindowKav.h"
#include "persistence/ElementDispatch.h"
#include "platform/MessageBuffer.h"

namespace {

constexpr int kAttributeOfAtomicStep = 44876;  // [W0876]
constexpr int kStepFieldOfSubTaskStep = 44877;  // [W0877]
constexpr int kMisplacedAction = 44890;        // [W0890]
constexpr int kMisplacedArgument = 44891;      // [W0891]
constexpr int kMisplacedAttribute = 44892;     // [W0892]
constexpr int kMisplacedCondition = 44893;     // [W0893]
constexpr int kMisplacedConnection = 44894;    // [W0894]
constexpr int kMisplacedFile = 44895;          // [W0895]
constexpr int kMisplacedRequirement = 44898;   // [W0898]
constexpr int kMisplacedTask = 44900;          // [W0900]
constexpr int kMisplacedTaskRequirement = 44901;  // [W0901]
constexpr int kMisplacedTaskStep = 44902;      // [W0902]
constexpr int kMisplacedStepField = 44907;     // [W0907]
constexpr int kDuplicateTaskId = 45052;        // [W1052]

}  // namespace

bool ElementDispatch::FileEntry() {
    std::unique_ptr<CFileKav> entry = reader_.ReadFileEntry();
    if (!entry) return false;
    if (!Under("PROJECT")) return Fail(kMisplacedFile);
    if (CFileKav* including = reader_.CurrentFile()) including->UsedFileIds().push_back(entry->GetID());
    project_.GetFiles().Add(entry.release());
    return true;
}

bool ElementDispatch::Condition() {
    std::unique_ptr<CConditionKav> condition = reader_.ReadCondition();
    if (!condition) return false;
    if (CDataEffect* effect = Under("DATAEFFECT", current_.effect)) return effect->SetCondition(condition.release());
    OwningList<CConditionKav>* list = nullptr;
    if (CTaskStep* step = Under("TASKSTEP", current_.taskStep))
        list = &step->GetConditions();
    else if (Under("PROJECT"))
        list = &project_.GetMetaConditions();
    else if (CTransitionKav* transition = Under("TRANS", current_.transition))
        list = &transition->GetConditions();
    return Append(std::move(condition), list, kMisplacedCondition);
}

// A step that calls a sub-task carries the values of the sub-task's parameters; any other step
// the values of the user-defined step fields.
bool ElementDispatch::Attribute() {
    std::unique_ptr<CAttributeKav> attribute = reader_.ReadAttribute();
    if (!attribute) return false;
    if (CDataEffect* effect = Under("DATAEFFECT", current_.effect)) return effect->SetAttribute(attribute.release());
    OwningList<CAttributeKav>* list = nullptr;
    if (CWindowKav* window = Under("WND", current_.window)) {
        list = &window->GetAttributes();
    } else if (Under("PROJECT")) {
        list = &project_.GetAttributes();
    } else if (CDataSet* dataSet = Under("DATASET", current_.dataSet)) {
        list = &dataSet->GetAttributes();
    } else if (CTaskKav* task = Under("TASK", current_.task)) {
        list = &task->GetParameters();
    } else if (CTaskStep* step = Under("TASKSTEP", current_.taskStep)) {
        if (step->GetSubTaskId().empty()) {
            SetMessage(kAttributeOfAtomicStep, step->GetId());
            return false;
        }
        list = &step->GetAttributes();
    } else if (CTestStepBBInfo* info = Under("BB_INFO", current_.bbInfo)) {
        list = &info->GetAttributes();
    }
    return Append(std::move(attribute), list, kMisplacedAttribute);
}

bool ElementDispatch::StepField() {
    std::unique_ptr<CAttributeKav> field = reader_.ReadStepField();
    if (!field) return false;
    OwningList<CAttributeKav>* list = nullptr;
    if (CTransitionKav* transition = Under("TRANS", current_.transition)) {
        list = &transition->GetAttributes();
    } else if (CTaskStep* step = Under("TASKSTEP", current_.taskStep)) {
        if (!step->GetSubTaskId().empty()) {
            SetMessage(kStepFieldOfSubTaskStep, step->GetId());
            return false;
        }
        list = &step->GetAttributes();
    } else if (CTestStep* testStep = Under("TESTSTEP", current_.testStep)) {
        list = &testStep->GetAttributes();
    } else if (Under("PROJECT")) {
        list = &project_.GetStepFields();
    }
    return Append(std::move(field), list, kMisplacedStepField);
}

bool ElementDispatch::Requirement() {
    return Append(reader_.ReadRequirement(), Under("KAVRO_DATA") ? &project_.GetRequirements() : nullptr,
                  kMisplacedRequirement);
}

std::unordered_set<std::string>& CXMLDataManager::TaskIdsOf(CApplicationKav& project) {
    if (taskIdsProject_ != &project) {
        taskIds_.clear();
        for (const CTaskKav* task : project.GetTasks()) taskIds_.insert(task->GetID());
        taskIdsProject_ = &project;
    }
    return taskIds_;
}

// A task's identifier is looked up once more only to refuse a second task of it: every
// reference to the task would be ambiguous.
bool ElementDispatch::Task() {
    if (!Under("KAVRO_DATA")) return FailAsStructureError(kMisplacedTask);
    std::unique_ptr<CTaskKav> task = reader_.ReadTask();
    if (!task) return false;
    if (!reader_.TaskIdsOf(project_).insert(task->GetID()).second) {
        SetMessage(kDuplicateTaskId, task->GetID());
        return false;
    }
    return (current_.task = project_.GetTasks().Add(task.release())) != nullptr;
}

bool ElementDispatch::TaskStep() {
    CTaskKav* task = Under("TASK", current_.task);
    return (current_.taskStep = Append(reader_.ReadTaskStep(), task ? &task->GetSteps() : nullptr,
                                       kMisplacedTaskStep)) != nullptr;
}

bool ElementDispatch::Action() {
    OwningList<CActionKav>* list = nullptr;
    if (CTransitionKav* transition = Under("TRANS", current_.transition))
        list = &transition->GetActions();
    else if (CTaskStep* step = Under("TASKSTEP", current_.taskStep))
        list = &step->GetActions();
    return (current_.action = Append(reader_.ReadAction(), list, kMisplacedAction)) != nullptr;
}

bool ElementDispatch::Argument() {
    CActionKav* action = Under("ACT", current_.action);
    return Append(reader_.ReadArgument(), action ? &action->GetArguments() : nullptr, kMisplacedArgument) != nullptr;
}

bool ElementDispatch::Connection() {
    std::string successorId = reader_.ReadConnection();
    if (successorId.empty()) return false;
    CTaskStep* step = Under("TASKSTEP", current_.taskStep);
    if (!step) return Fail(kMisplacedConnection);
    step->GetSuccessorIds().push_back(std::move(successorId));
    return true;
}

bool ElementDispatch::TaskRequirement() {
    const std::string requirementId = reader_.ReadTaskRequirement();
    if (requirementId.empty()) return false;
    CTaskKav* task = Under("TASK", current_.task);
    if (!task) return FailAsStructureError(kMisplacedTaskRequirement);
    task->GetRequirementIds().push_back(requirementId);
    return true;
}
