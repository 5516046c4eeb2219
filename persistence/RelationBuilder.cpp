#include "persistence/RelationBuilder.h"

#include <algorithm>

#include "conditions/LibraryQualification.h"
#include "model/ApplicationKav.h"
#include "model/GUIBuilderList.h"
#include "model/WindowKav.h"
#include "persistence/XMLDataManager.h"
#include "platform/MessageBuffer.h"

namespace {

constexpr std::string_view kProgressLine = "Building object relations";

constexpr int kMasterFileMissing = 44007;           // [W0007]
constexpr int kStartWindowMissing = 44804;          // [W0804]
constexpr int kFileOfWindowMissing = 44042;         // [W0042]
constexpr int kFileOfTaskMissing = 44139;           // [W0139]
constexpr int kFileOfRequirementMissing = 44727;    // [W0727]
constexpr int kFileOfDataSetMissing = 44641;        // [W0641]
constexpr int kFileOfConditionMissing = 44400;      // [W0400]
constexpr int kFileOfAttributeMissing = 44563;      // [W0563]
constexpr int kFileOfGuiBuilderMissing = 44728;     // [W0728]
constexpr int kParentRequirementMissing = 44999;    // [W0999]
constexpr int kTestCaseWindowMissing = 44819;       // [W0819]
constexpr int kTestCaseTaskMissing = 44820;         // [W0820]
constexpr int kTestCaseTransitionMissing = 44821;   // [W0821]
constexpr int kTestStepStartWindowMissing = 44822;  // [W0822]
constexpr int kTestStepDestWindowMissing = 44823;   // [W0823]
constexpr int kTestStepTaskMissing = 44824;         // [W0824]
constexpr int kTestStepBaseStepMissing = 44825;     // [W0825]
constexpr int kTestScriptWindowMissing = 44826;     // [W0826]
constexpr int kTestScriptTaskMissing = 44827;       // [W0827]

// The first object of each identifier, in list order.
template <class Map, class T>
void AddFirst(Map& index, std::string id, T* object) {
    if (!id.empty()) index.try_emplace(std::move(id), object);
}

}  // namespace

int CXMLDataManager::BuildRelations(CApplicationKav* project, bool log) {
    if (!project) return RelationBuilder::kUnresolved;
    return RelationBuilder(*project, *this, log).Run();
}

RelationBuilder::RelationBuilder(CApplicationKav& project, const CXMLDataManager& reader, bool log)
    : project_(project), reader_(reader), log_(log) {}

int RelationBuilder::Run() {
    reader_.LogMessage(kProgressLine, log_);
    BuildIndexes();
    LinkProject();
    LinkOwningFiles();
    LinkWindows();
    LinkTasks();
    LinkRequirements();
    LinkTestCases();
    LinkTestScripts();
    project_.UpdateStepAttributes();
    QualifyDesignators();
    return result_;
}

void RelationBuilder::BuildIndexes() {
    for (CFileKav* file : project_.GetFiles()) AddFirst(files_, file->GetID(), file);
    tableWindows_ = project_.GetWindowList().Snapshot();
    windows_.reserve(tableWindows_.size());
    tasks_.reserve(project_.GetTasks().size());
    for (CWindowKav* window : tableWindows_) {
        AddFirst(windows_, window->GetInternalID(), window);
        for (CTransitionKav* transition : window->GetTransitions()) AddFirst(transitions_, transition->GetId(), transition);
    }
    for (CTaskKav* task : project_.GetTasks()) {
        AddFirst(tasks_, task->GetID(), task);
        const OwningList<CTaskStep>& steps = task->GetSteps();
        for (std::size_t i = 0; i < steps.size(); ++i) {
            const auto [place, added] = taskSteps_.try_emplace(steps[i]->GetId(), StepPlace{steps[i], task, i});
            if (!added) place->second.repeated = true;
        }
        if (task->GetParent()) startedUnlinked_ = false;
    }
    for (CDataSet* dataSet : project_.GetDataSets()) AddFirst(dataSets_, dataSet->GetId(), dataSet);
    for (CRequirement* requirement : project_.GetRequirements()) {
        AddFirst(requirements_, requirement->GetUniqueId(), requirement);
        if (requirement->GetParent()) startedUnlinked_ = false;
    }
}

void RelationBuilder::Report(int level, int message) {
    SetMessage(message);
    reader_.LogMessage(GetGlobalMessageBuffer(), log_);
    Lower(level);
}

void RelationBuilder::Report(int level, int message, const std::string& argument) {
    SetMessage(message, argument);
    reader_.LogMessage(GetGlobalMessageBuffer(), log_);
    Lower(level);
}

void RelationBuilder::ReportRefusal() {
    reader_.LogMessage(GetGlobalMessageBuffer(), log_);
    Lower(kUnresolved);
}

void RelationBuilder::Lower(int level) { result_ = std::min(result_, level); }

void RelationBuilder::LinkProject() {
    if (const std::string id = project_.GetMasterProjectId(); !id.empty()) {
        project_.SetMasterFile(Find(files_, id));
        if (!project_.GetMasterFile()) Report(kUnresolved, kMasterFileMissing, id);
    }
    if (const std::string id = project_.GetMainWndId(); !id.empty()) {
        project_.SetStartWindow(Find(windows_, id));
        if (!project_.GetStartWindow()) Report(kUnresolved, kStartWindowMissing, id);
    }
}

// Each object names its file by identifier; a data set's fields belong to the set's file.
void RelationBuilder::LinkOwningFiles() {
    for (CWindowKav* window : tableWindows_) LinkOwningFile(*window, kFileOfWindowMissing);
    for (CTaskKav* task : project_.GetTasks()) LinkOwningFile(*task, kFileOfTaskMissing);
    for (CRequirement* requirement : project_.GetRequirements())
        LinkOwningFile(*requirement, kFileOfRequirementMissing);
    for (CDataSet* dataSet : project_.GetDataSets()) {
        LinkOwningFile(*dataSet, kFileOfDataSetMissing);
        for (CDataField* field : dataSet->GetFields()) field->SetFile(dataSet->GetFile());
    }
    for (CConditionKav* condition : project_.GetMetaConditions()) LinkOwningFile(*condition, kFileOfConditionMissing);
    for (CAttributeKav* attribute : project_.GetAttributes()) LinkOwningFile(*attribute, kFileOfAttributeMissing);
    for (CAttributeKav* field : project_.GetStepFields()) LinkOwningFile(*field, kFileOfAttributeMissing);
    for (CTestCase* testCase : project_.GetTestCases()) LinkOwningFile(*testCase, kFileOfWindowMissing);
    for (CTestScript* script : project_.GetTestScripts()) LinkOwningFile(*script, kFileOfWindowMissing);
    for (CGUIBuilder* builder : GetGuiBuilderDatabase())
        if (!builder->IsPreDef()) LinkOwningFile(*builder, kFileOfGuiBuilderMissing);
}

void RelationBuilder::LinkOwningFile(CKavroObj& object, int missingMessage) {
    const std::string id = object.GetFileId();
    if (id.empty()) return;
    object.SetFile(Find(files_, id));
    if (!object.GetFile()) Report(kUnresolved, missingMessage, id);
}

void RelationBuilder::LinkRequirements() {
    for (CRequirement* requirement : project_.GetRequirements()) {
        const std::string parentId = requirement->GetParentId();
        if (parentId.empty()) continue;
        if (CRequirement* parent = Find(requirements_, parentId)) {
            if (!LinkChild(*parent, *requirement, requirementTops_)) ReportRefusal();
        } else {
            Report(kUnresolved, kParentRequirementMissing, parentId);
        }
    }
}

// Generated objects lose a reference that names nothing; generation makes them again.
void RelationBuilder::LinkTestCases() {
    for (CTestCase* testCase : project_.GetTestCases()) {
        ResolveOrClear(*testCase, &CTestCase::GetWindowId, &CTestCase::SetWindowId, &CTestCase::SetWindow, windows_,
                       kTestCaseWindowMissing);
        ResolveOrClear(*testCase, &CTestCase::GetTaskId, &CTestCase::SetTaskId, &CTestCase::SetTask, tasks_,
                       kTestCaseTaskMissing);
        ResolveOrClear(*testCase, &CTestCase::GetStepId, &CTestCase::SetStepId, &CTestCase::SetTransitionStep,
                       transitions_, kTestCaseTransitionMissing);
        for (CTestStep* step : testCase->GetSteps()) LinkTestStep(*step);
    }
}

// The base step is a task step when one has the identifier, else a transition.
void RelationBuilder::LinkTestStep(CTestStep& step) {
    ResolveOrClear(step, &CTestStep::GetStartWndId, &CTestStep::SetStartWndId, &CTestStep::SetStartWindow, windows_,
                   kTestStepStartWindowMissing);
    ResolveOrClear(step, &CTestStep::GetDestWndId, &CTestStep::SetDestWndId, &CTestStep::SetDestWindow, windows_,
                   kTestStepDestWindowMissing);
    ResolveOrClear(step, &CTestStep::GetTaskId, &CTestStep::SetTaskId, &CTestStep::SetTask, tasks_,
                   kTestStepTaskMissing);
    const std::string id = step.GetBaseStepId();
    if (id.empty()) return;
    const auto place = taskSteps_.find(id);
    CTaskStep* baseStep = place == taskSteps_.end() ? nullptr : place->second.step;
    step.SetBaseStep(baseStep);
    step.SetTransition(baseStep ? nullptr : Find(transitions_, id));
    if (baseStep || step.GetTransition()) return;
    Report(kRepaired, kTestStepBaseStepMissing, id);
    step.SetBaseStepId({});
}

void RelationBuilder::LinkTestScripts() {
    for (CTestScript* script : project_.GetTestScripts()) {
        ResolveOrClear(*script, &CTestScript::GetWindowId, &CTestScript::SetWindowId, &CTestScript::SetWindow,
                       windows_, kTestScriptWindowMissing);
        ResolveOrClear(*script, &CTestScript::GetTaskId, &CTestScript::SetTaskId, &CTestScript::SetTask, tasks_,
                       kTestScriptTaskMissing);
    }
}

// Texts written in a library name its objects without the library's prefix.
void RelationBuilder::QualifyDesignators() {
    if (!QualifyProjectDesignators(&project_)) ReportRefusal();
}
