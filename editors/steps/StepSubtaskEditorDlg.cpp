#include "editors/steps/StepSubtaskEditorDlg.h"

#include <algorithm>
#include <vector>

#include "conditions/ConditionContext.h"
#include "conditions/ConditionEvaluator.h"
#include "conditions/ValueTypes.h"
#include "editors/framework/MergeEditedCopies.h"
#include "editors/steps/ConditionTextCheck.h"
#include "model/ApplicationKav.h"
#include "model/DataSet.h"
#include "model/TaskKav.h"
#include "model/TaskStep.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"
#include "resources/MessageCatalogue.h"
#include "shell/EditorHost.h"

namespace {

constexpr int kMissingValue = 44777;
constexpr int kValueNotOfType = 44778;
constexpr int kInvalidPriority = 44779;
constexpr int kInvalidLoopNumber = 44951;
constexpr int kMissingDataSet = 44952;
constexpr int kMissingRecordKind = 44953;
constexpr int kLoopNotNumeric = 44432;

constexpr int kCaptionInvalidPriority = 47007;
constexpr int kCaptionInvalidValue = 47012;
constexpr int kCaptionMissingValue = 47018;
constexpr int kCaptionTypeMismatch = 47026;
constexpr int kCaptionInvalidLoops = 47138;
constexpr int kCaptionMissingDataSet = 47139;
constexpr int kCaptionMissingRecordKind = 47140;
constexpr int kCaptionInvalidLoopExpression = 47274;

constexpr int kTitleSubTask = 47195;
constexpr int kUndoEditStep = 48061;
constexpr int kColumnName = 49224;
constexpr int kColumnType = 49225;
constexpr int kColumnValue = 49226;

constexpr int kMinPriority = 1;
constexpr int kMaxPriority = 999;
constexpr int kMaxLoops = 100;

const std::vector<int> kLoopRadios{kSubExecute, kSubDataSetMode};

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// A loop count written as a number: digits only, the first character may be a sign. The empty
// text counts as one, whose number 0 is then refused.
bool IsLoopNumber(const std::string& text) {
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if ((c < '0' || c > '9') && !(i == 0 && (c == '+' || c == '-'))) return false;
    }
    return true;
}

std::vector<std::string> RowTexts(const CAttributeKav& value) {
    return {value.GetName(), GetValueTypeName(value.GetType()), value.GetValue()};
}

}  // namespace

CStepSubtaskEditorDlg::CStepSubtaskEditorDlg(EditorHost& host, CApplicationKav& project)
    : EditorDialog(host, kResourceId), project_(project) {
    for (int edit : {kSubName, kSubPriority, kSubLoopCount, kSubValue, kSubDataSet}) AddControl(edit);
    AddControl(kSubExecute, "Execute");
    AddControl(kSubDataSetMode, "Data Set");
    AddControl(kSubValidRecords, "Loop through Valid Records");
    AddControl(kSubInvalidRecords, "Loop through Invalid Records");
    AddControl(kSubSetValue, "Set Value");
    AddControl(kSubBrowseLoop, "Browse Designators");
    AddControl(kSubBrowseValue, "Browse Designators");
    AddList(kSubParameters);
    AddControl(kSubParameters);  // for its enabling
}

int CStepSubtaskEditorDlg::EditSubtaskStep(CTaskStep* step, CTaskKav* task) {
    if (!step) return 0;
    step_ = step;
    task_ = task;
    valuesChanged_ = false;
    readOnly_ = task && !task->IsEditable(false);
    values_.DeleteAll();
    CopyForEditing(step->GetAttributes(), values_);

    const int end = Host().RunModal(*this);
    if (readOnly_ || end != kIdOk) {
        values_.DeleteAll();
        return 0;
    }
    if (valuesChanged_) MergeEditedCopies(step->GetAttributes(), values_);
    values_.DeleteAll();
    Host().SetModified(LoadMessage(kUndoEditStep));
    return 1;
}

void CStepSubtaskEditorDlg::OnInitDialog() {
    for (const auto& [id, control] : Controls()) {
        Enable(id);
        Show(id);
        SetReadOnly(id, false);
    }
    SetText(kSubName, step_->GetName());
    SetText(kSubPriority, std::to_string(step_->GetPriority()));
    std::vector<std::string> dataSets{""};
    for (const CDataSet* dataSet : project_.GetDataSets()) dataSets.push_back(project_.GetObjectPathText(dataSet));
    SetItems(kSubDataSet, dataSets);
    SetText(kSubLoopCount, step_->GetLoopCount());

    const int mode = step_->GetLoopMode();
    const bool byRecords = (mode & (kLoopValidRecords | kLoopInvalidRecords)) != 0;
    CheckRadio(kLoopRadios, byRecords ? 1 : 0);
    EnableLoopControls(!byRecords);
    const CDataSet* loopSet = byRecords ? step_->GetLoopDataSet() : nullptr;
    SetText(kSubDataSet, loopSet ? project_.GetObjectPathText(loopSet) : std::string());
    SetChecked(kSubValidRecords, byRecords && (mode & kLoopValidRecords));
    SetChecked(kSubInvalidRecords, byRecords && (mode & kLoopInvalidRecords));

    EditorList& rows = EditList(kSubParameters);
    rows.SetColumns({{LoadMessage(kColumnName), 150}, {LoadMessage(kColumnType), 40}, {LoadMessage(kColumnValue), 300}});
    rows.Clear();
    for (CAttributeKav* value : values_) rows.AddRow(RowTexts(*value), value);
    ChooseParameterRow(rows.RowCount() > 0 ? 0 : -1);

    // The name comes from the called task: it is shown, never typed.
    SetReadOnly(kSubName);
    SetTitle(LoadMessage(kTitleSubTask) + step_->GetName(), readOnly_);
    if (readOnly_) {
        SetReadOnly(kSubValue);
        for (int control : {kSubPriority, kSubExecute, kSubDataSetMode, kSubLoopCount, kSubBrowseLoop, kSubDataSet,
                            kSubValidRecords, kSubInvalidRecords, kSubParameters})
            Enable(control, false);
        Show(kSubSetValue, false);
        Show(kSubBrowseValue, false);
        SetDefaultButton(kIdOk);
        SetFocus(kIdOk);
    }
}

void CStepSubtaskEditorDlg::EnableLoopControls(bool byCount) {
    Enable(kSubLoopCount, byCount);
    for (int control : {kSubDataSet, kSubValidRecords, kSubInvalidRecords}) Enable(control, !byCount);
}

void CStepSubtaskEditorDlg::OnExecute() {
    EnableLoopControls(true);
}

void CStepSubtaskEditorDlg::OnDataSet() {
    EnableLoopControls(false);
}

void CStepSubtaskEditorDlg::OnListRowChosen(int list, int row) {
    if (list == kSubParameters && !readOnly_) ChooseParameterRow(row);
}

void CStepSubtaskEditorDlg::ChooseParameterRow(int row) {
    EditorList& rows = EditList(kSubParameters);
    rows.Highlight(row);
    const CAttributeKav* value = rows.ItemAt<CAttributeKav>(row);
    SetText(kSubValue, value ? value->GetValue() : std::string());
    for (int control : {kSubValue, kSubSetValue, kSubBrowseValue}) Enable(control, value != nullptr);
    SetDefaultButton(value ? static_cast<int>(kSubSetValue) : kIdOk);
    if (value) SetFocus(kSubValue);
}

bool CStepSubtaskEditorDlg::OnSetValue() {
    EditorList& rows = EditList(kSubParameters);
    const int row = rows.GetHighlighted();
    CAttributeKav* parameter = rows.ItemAt<CAttributeKav>(row);
    if (!parameter) return true;
    const std::string value = GetText(kSubValue);
    const int type = parameter->GetType();
    if (value.empty() && type != kTypeString) return Refuse(kMissingValue, kCaptionMissingValue, kSubValue);
    const int valueType = GetExpressionType(ResetConditionMessage(), ValueAsExpression(value, type));
    if (valueType == 0) return RefuseWithText(GetGlobalMessageBuffer(), kCaptionInvalidValue, kSubValue);
    if (!AreTypesCompatible(valueType, type)) return Refuse(kValueNotOfType, kCaptionTypeMismatch, kSubValue);

    if (value != parameter->GetValue()) {
        parameter->SetValue(value);
        parameter->SetEdited(true);
        rows.SetRowTexts(row, RowTexts(*parameter));
        valuesChanged_ = true;
    }
    if (row + 1 < rows.RowCount()) {
        ChooseParameterRow(row + 1);
    } else {
        ChooseParameterRow(-1);
        SetFocus(kIdOk);
    }
    return true;
}

bool CStepSubtaskEditorDlg::OnOK() {
    if (readOnly_) return true;
    int loopMode = kLoopOnce;
    CDataSet* dataSet = nullptr;
    if (!CheckPriority() || !CheckLoop(loopMode, dataSet)) return false;
    if (EditList(kSubParameters).GetHighlighted() >= 0 && !OnSetValue()) return false;

    step_->SetPriority(ParseLeadingInt(GetText(kSubPriority)));
    step_->SetLoopMode(loopMode);
    const bool byCount = CheckedRadio(kLoopRadios) != 1;
    step_->SetLoopCount(byCount ? Trimmed(GetText(kSubLoopCount)) : GetText(kSubLoopCount));
    step_->SetLoopDataSet(dataSet);
    return true;
}

bool CStepSubtaskEditorDlg::CheckPriority() {
    const int priority = ParseLeadingInt(GetText(kSubPriority));
    if (priority < kMinPriority || priority > kMaxPriority)
        return Refuse(kInvalidPriority, kCaptionInvalidPriority, kSubPriority);
    return true;
}

bool CStepSubtaskEditorDlg::CheckLoop(int& loopMode, CDataSet*& dataSet) {
    if (CheckedRadio(kLoopRadios) != 1) {
        dataSet = nullptr;
        return CheckLoopCount(loopMode);
    }
    dataSet = ChosenDataSet();
    if (!dataSet) return Refuse(kMissingDataSet, kCaptionMissingDataSet, kSubDataSet);
    loopMode = (IsChecked(kSubValidRecords) ? kLoopValidRecords : 0) |
               (IsChecked(kSubInvalidRecords) ? kLoopInvalidRecords : 0);
    if (loopMode == 0) return Refuse(kMissingRecordKind, kCaptionMissingRecordKind, kSubValidRecords);
    return true;
}

bool CStepSubtaskEditorDlg::CheckLoopCount(int& loopMode) {
    const std::string count = Trimmed(GetText(kSubLoopCount));
    if (IsLoopNumber(count)) {
        const int loops = ParseLeadingInt(count);
        if (loops < 1 || loops > kMaxLoops) return Refuse(kInvalidLoopNumber, kCaptionInvalidLoops, kSubLoopCount);
        loopMode = loops > 1 ? kLoopCount : kLoopOnce;
        return true;
    }
    const int type = GetExpressionType(ResetConditionMessage(), count);
    if (type == 0) return RefuseWithText(GetGlobalMessageBuffer(), kCaptionInvalidLoopExpression, kSubLoopCount);
    if (!AreTypesCompatible(type, kTypeNum)) return Refuse(kLoopNotNumeric, kCaptionTypeMismatch, kSubLoopCount);
    loopMode = kLoopExpression;
    return true;
}

CDataSet* CStepSubtaskEditorDlg::ChosenDataSet() const {
    const std::string chosen = GetText(kSubDataSet);
    if (chosen.empty()) return nullptr;
    for (CDataSet* dataSet : project_.GetDataSets())
        if (project_.GetObjectPathText(dataSet) == chosen) return dataSet;
    return nullptr;
}

void CStepSubtaskEditorDlg::OnBrowseDesignators(int button) {
    BrowseDesignatorsInto(button == kSubBrowseLoop ? kSubLoopCount : kSubValue, task_);
}
