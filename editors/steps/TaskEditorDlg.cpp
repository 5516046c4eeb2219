#include "editors/steps/TaskEditorDlg.h"

#include <algorithm>

#include "editors/framework/MergeEditedCopies.h"
#include "editors/steps/ParameterDlg.h"
#include "editors/steps/TaskRequirementDlg.h"
#include "model/ApplicationKav.h"
#include "model/TaskKav.h"
#include "model/TestCase.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"
#include "resources/MessageCatalogue.h"
#include "shell/EditorHost.h"

namespace {

constexpr int kReallyConvertToFolder = 43023;
constexpr int kReallyConvertToBuildingBlock = 43026;
constexpr int kReallyConvertToUseCase = 43030;
constexpr int kReallyConvertToUseCaseUndefiningCalls = 43031;
constexpr int kTaskNameExists = 44780;
constexpr int kTaskNameBeginsWithDigit = 44788;

constexpr int kCaptionInvalidName = 47006;
constexpr int kCaptionConvertTask = 47035;
constexpr int kTitleSelectDocument = 47223;

constexpr int kNameBuildingBlock = 49248;
constexpr int kNameFolder = 49249;
constexpr int kNameUseCaseTask = 49250;
constexpr int kTitleTask = 49251;
constexpr int kTitleBuildingBlock = 49252;
constexpr int kTitleFolder = 49253;
constexpr int kTitleParameters = 49254;

const char kDocumentFilter[] = "Document files (*.doc;*.txt;*.pdf)|*.doc; *.txt; *.pdf|All files (*.*)|*.*||";

constexpr int kBrowseTargets[] = {kTaskPrecondition, kTaskDescription, kTaskPostcondition};

std::string TypeName(int type) {
    switch (type) {
        case kTaskBuildingBlock:
            return LoadMessage(kNameBuildingBlock);
        case kTaskFolder:
            return LoadMessage(kNameFolder);
        default:
            return LoadMessage(kNameUseCaseTask);
    }
}

}  // namespace

CTaskEditorDlg::CTaskEditorDlg(EditorHost& host, CApplicationKav& project)
    : EditorDialog(host, kResourceId), project_(project) {
    for (int field : {kTaskName, kTaskType, kTaskTestGoal, kTaskTestLevel, kTaskTestCategory, kTaskConfiguration,
                      kTaskDocPath, kTaskDataSet, kTaskPrecondition, kTaskDescription, kTaskPostcondition})
        AddControl(field);
    AddControl(kTaskBrowsePath, "Browse Path");
    AddControl(kTaskParameters, "Parameters...");
    AddControl(kTaskRequirements, "Requirements...");
    AddControl(kTaskBrowse, "Browse Designators");
}

int CTaskEditorDlg::EditTask(CTaskKav* task) {
    task_ = task;
    readOnly_ = !task->IsEditable(false);
    parametersChanged_ = requirementsChanged_ = typeChanged_ = false;
    parameters_.DeleteAll();
    CopyForEditing(task->GetParameters(), parameters_);
    requirements_ = task->GetRequirements();

    const int end = Host().RunModal(*this);
    if (!readOnly_ && end == kIdOk) {
        if (parametersChanged_) MergeParameters();
        if (requirementsChanged_) task->GetRequirements() = requirements_;
    }
    parameters_.DeleteAll();
    requirements_.clear();
    return !readOnly_ && end == kIdOk ? 1 : 0;
}

void CTaskEditorDlg::OnInitDialog() {
    const bool oldTaskMode = project_.GetOldTaskMode() != 0;
    for (const auto& [id, control] : Controls()) {
        Enable(id);
        SetReadOnly(id, false);
    }
    SetText(kTaskName, task_->GetName());
    if (task_ == project_.GetRootTask() || task_->IsQuVornakTask()) {
        LockFields();
        for (int control : {kTaskName, kTaskParameters, kTaskRequirements}) Enable(control, false);
        // Deeper down, a task of the test-management product is named here.
        if (task_->IsQuVornakTask() && task_->GetDepth() > 1) Enable(kTaskName);
    }

    std::vector<std::string> dataSetNames{""};
    for (const CDataSet* dataSet : project_.GetDataSets()) dataSetNames.push_back(project_.GetObjectPathText(dataSet));
    SetItems(kTaskDataSet, dataSetNames);
    SelectDataSet(task_->GetDataSet());

    SetItems(kTaskType, {TypeName(kTaskBuildingBlock), TypeName(kTaskFolder), TypeName(kTaskPlain)});
    SetText(kTaskType, TypeName(task_->GetType()));
    int title = kTitleTask;
    switch (task_->GetType()) {
        case kTaskBuildingBlock:
            title = kTitleBuildingBlock;
            if (!oldTaskMode) Enable(kTaskRequirements, false);
            Enable(kTaskDataSet, false);
            break;
        case kTaskFolder:
            // A folder cannot become a task again.
            title = kTitleFolder;
            for (int control : {kTaskParameters, kTaskType, kTaskDataSet}) Enable(control, false);
            break;
        default:
            if (!oldTaskMode) Enable(kTaskParameters, false);
            break;
    }
    SetTitle(LoadMessage(title) + task_->GetName(), readOnly_);

    SetText(kTaskTestGoal, task_->GetTestGoal());
    SetText(kTaskConfiguration, task_->GetConfiguration());
    SetText(kTaskDocPath, task_->GetDocPath());
    SetText(kTaskPrecondition, task_->GetPrecondition());
    SetText(kTaskDescription, task_->GetDescription());
    SetText(kTaskPostcondition, task_->GetPostcondition());
    std::vector<std::string> names;
    CApplicationKav::FillTestLevelList(names);
    FillTestChoices(kTaskTestLevel, names, task_->GetTestLevel());
    CApplicationKav::FillTestTypeList(names);
    FillTestChoices(kTaskTestCategory, names, task_->GetTestType());

    if (readOnly_) {
        LockFields();
        SetReadOnly(kTaskName);
        Enable(kTaskDataSet, false);
    }
    lastField_ = kTaskPrecondition;
}

void CTaskEditorDlg::FillTestChoices(int control, std::vector<std::string> names, const std::string& current) {
    names.insert(names.begin(), "");
    if (std::find(names.begin(), names.end(), current) == names.end()) names.push_back(current);
    SetItems(control, std::move(names));
    SetText(control, current);
}

void CTaskEditorDlg::LockFields() {
    for (int control : {kTaskType, kTaskTestGoal, kTaskTestLevel, kTaskTestCategory, kTaskBrowsePath, kTaskBrowse})
        Enable(control, false);
    for (int edit : {kTaskConfiguration, kTaskDocPath, kTaskPrecondition, kTaskDescription, kTaskPostcondition})
        SetReadOnly(edit);
}

int CTaskEditorDlg::ChosenType() const {
    const std::string chosen = GetText(kTaskType);
    for (int type : {kTaskPlain, kTaskBuildingBlock, kTaskFolder})
        if (chosen == TypeName(type)) return type;
    return task_->GetType();
}

CDataSet* CTaskEditorDlg::ChosenDataSet() const {
    const std::string chosen = GetText(kTaskDataSet);
    for (CDataSet* dataSet : project_.GetDataSets())
        if (project_.GetObjectPathText(dataSet) == chosen) return dataSet;
    return nullptr;
}

void CTaskEditorDlg::SelectDataSet(const CDataSet* dataSet) {
    SetText(kTaskDataSet, dataSet ? project_.GetObjectPathText(dataSet) : std::string());
}

void CTaskEditorDlg::OnTypeChanged() {
    typeChanged_ = true;
    const bool oldTaskMode = project_.GetOldTaskMode() != 0;
    switch (ChosenType()) {
        case kTaskBuildingBlock:
            SelectDataSet(nullptr);
            Enable(kTaskDataSet, false);
            Enable(kTaskParameters);
            Enable(kTaskRequirements, oldTaskMode);
            break;
        case kTaskFolder:
            SelectDataSet(nullptr);
            Enable(kTaskDataSet, false);
            Enable(kTaskParameters, false);
            Enable(kTaskRequirements);
            break;
        default:
            // Back to a use case task, the task keeps its data set unless the user picks another.
            Enable(kTaskDataSet);
            if (task_->GetType() == kTaskPlain) SelectDataSet(task_->GetDataSet());
            Enable(kTaskRequirements);
            Enable(kTaskParameters, oldTaskMode);
            break;
    }
}

bool CTaskEditorDlg::OnOK() {
    if (readOnly_) return true;
    const int type = ChosenType();
    if (type != task_->GetType() && !ConfirmConversion(type)) {
        SetFocus(kTaskType);
        return false;
    }
    if (!ApplyName()) return false;
    CDataSet* dataSet = ChosenDataSet();
    if (typeChanged_ && type != task_->GetType()) Convert(type, dataSet);
    task_->SetTestGoal(GetText(kTaskTestGoal));
    task_->SetTestLevel(GetText(kTaskTestLevel));
    task_->SetTestType(GetText(kTaskTestCategory));
    task_->SetConfiguration(GetText(kTaskConfiguration));
    task_->SetDocPath(GetText(kTaskDocPath));
    task_->SetDataSet(dataSet);
    task_->SetPrecondition(GetText(kTaskPrecondition));
    task_->SetDescription(GetText(kTaskDescription));
    task_->SetPostcondition(GetText(kTaskPostcondition));
    return true;
}

bool CTaskEditorDlg::ConfirmConversion(int type) {
    switch (type) {
        case kTaskFolder:
            return AskYesNo(kReallyConvertToFolder, kCaptionConvertTask);
        case kTaskBuildingBlock:
            return AskYesNo(kReallyConvertToBuildingBlock, kCaptionConvertTask, MessageIcon::Question);
        default:
            if (project_.GetOldTaskMode()) return AskYesNo(kReallyConvertToUseCase, kCaptionConvertTask, MessageIcon::Question);
            return AskYesNo(kReallyConvertToUseCaseUndefiningCalls, kCaptionConvertTask);
    }
}

bool CTaskEditorDlg::ApplyName() {
    const std::string name = GetText(kTaskName);
    const std::string oldName = task_->GetName();
    if (name == oldName) return true;
    if (!task_->IsFolder()) {
        if (!EqualsNoCase(name, oldName) && project_.FindTask(name, false, project_.GetMainFile()))
            return Refuse(kTaskNameExists, kCaptionInvalidName, kTaskName);
        if (!name.empty() && name.front() >= '0' && name.front() <= '9')
            return Refuse(kTaskNameBeginsWithDigit, kCaptionInvalidName, kTaskName);
    }
    const std::string oldReference = project_.GetObjectPathText(task_);
    if (!task_->SetName(name)) return RefuseWithText(GetGlobalMessageBuffer(), kCaptionInvalidName, kTaskName);
    project_.RenameTaskReferences(task_, oldReference, project_.GetObjectPathText(task_));
    if (task_->IsQuVornakTask()) RenameCompanion(name);
    return true;
}

void CTaskEditorDlg::RenameCompanion(const std::string& name) {
    CTaskKav* companion = nullptr;
    if (task_->GetType() == kTaskPlain && task_->GetParent()) {
        companion = task_->GetParent();
        companion->SetName(name);
    } else if (task_->IsFolder() && task_->GetChildren().size() == 1 &&
               task_->GetChildren().front()->GetType() == kTaskPlain) {
        companion = task_->GetChildren().front();
        companion->SetName(project_.MakeValidTaskName(name, companion));
    }
    if (companion) Host().TaskChanged(companion);
}

void CTaskEditorDlg::Convert(int type, CDataSet*& dataSet) {
    switch (type) {
        case kTaskFolder:
            Host().CloseTaskFlowViews(task_);
            project_.DeleteTestCases(nullptr, nullptr, task_, kTestCaseAnyKind);
            DeleteSteps();
            dataSet = nullptr;
            RemoveParameters();
            break;
        case kTaskBuildingBlock:
            requirements_.clear();
            requirementsChanged_ = true;
            project_.DeleteTestCases(nullptr, nullptr, task_, kTestCaseAnyKind);
            dataSet = nullptr;
            break;
        default:
            if (!project_.GetOldTaskMode()) RemoveParameters();
            break;
    }
    task_->SetType(type);
}

void CTaskEditorDlg::DeleteSteps() {
    task_->SetStartStep(nullptr);
    // Test cases of other tasks may have been made from these steps: they forget them first.
    for (CTaskStep* step : task_->GetSteps()) project_.RemoveReferencesFromTestCases(nullptr, step, nullptr, 0);
    task_->GetSteps().DeleteAll();
}

void CTaskEditorDlg::RemoveParameters() {
    parameters_.DeleteAll();
    parametersChanged_ = true;
    for (CTaskKav* caller : project_.GetTasks())
        for (CTaskStep* step : caller->GetSteps())
            if (step->GetSubTask() == task_) {
                step->SetSubTask(nullptr);
                step->SetAttributes(project_.GetStepFields());
            }
}

void CTaskEditorDlg::MergeParameters() {
    const std::string reference = project_.GetObjectPathText(task_);
    for (CAttributeKav* copy : parameters_) {
        if (!copy->IsEdited()) continue;
        const std::string id = copy->GetId();
        const CAttributeKav* own =
            task_->GetParameters().FindIf([&id](const CAttributeKav* parameter) { return parameter->GetId() == id; });
        if (!own) continue;
        const std::string oldName = own->GetName();
        copy->SetNameAtOpen(oldName);
        if (copy->GetName() == oldName) continue;
        project_.ReplaceReferenceText("#" + reference + ":" + oldName + "#", "#" + reference + ":" + copy->GetName() + "#",
                                      CApplicationKav::kScopeAll);
        // The former name lets the calls of the task keep the value they give the parameter.
        copy->SetNote(oldName);
    }
    MergeEditedCopies(task_->GetParameters(), parameters_);
    project_.UpdateSubtaskCalls(task_);
}

void CTaskEditorDlg::OnBrowsePath() {
    const FileDialogRequest request{FileDialogRequest::Kind::Open, LoadMessage(kTitleSelectDocument), kDocumentFilter,
                                    GetText(kTaskDocPath)};
    if (const std::optional<std::string> path = GetInteraction().AskForPath(request)) SetText(kTaskDocPath, *path);
}

void CTaskEditorDlg::OnBrowseDesignators() {
    BrowseDesignatorsInto(lastField_, task_);
    SetFocus(lastField_);
}

void CTaskEditorDlg::OnParameters() {
    const int changed = CParameterDlg(Host(), project_)
                            .EditParameters(parameters_, TaskParameters, readOnly_,
                                            LoadMessage(kTitleParameters) + task_->GetName());
    parametersChanged_ = parametersChanged_ || changed == 1;
}

void CTaskEditorDlg::OnRequirements() {
    const int changed = CTaskRequirementDlg(Host(), project_).EditRequirements(requirements_, task_);
    requirementsChanged_ = requirementsChanged_ || changed == 1;
}

void CTaskEditorDlg::OnKillFocusField(int control) {
    for (int target : kBrowseTargets)
        if (target == control) lastField_ = control;
}
