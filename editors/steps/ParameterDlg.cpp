#include "editors/steps/ParameterDlg.h"

#include "conditions/ConditionContext.h"
#include "conditions/ConditionEvaluator.h"
#include "conditions/ValueTypes.h"
#include "editors/steps/ConditionTextCheck.h"
#include "model/ApplicationKav.h"
#include "model/CloneFlags.h"
#include "model/FileKav.h"
#include "model/ObjectNames.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"
#include "resources/MessageCatalogue.h"
#include "shell/EditorHost.h"

namespace {

constexpr int kEnterValidName = 44739;
constexpr int kNameTooLong = 44740;
constexpr int kSelectType = 44742;
constexpr int kEnterValue = 44743;
constexpr int kDateFormat = 44744;
constexpr int kValueNotOfType = 44745;
constexpr int kNewNameExists = 44746;
constexpr int kRenamedNameExists = 44747;
constexpr int kDefaultNotOfType = 44436;
constexpr int kReallyDelete = 43019;

constexpr int kCaptionInvalidName = 47006;
constexpr int kCaptionInvalidValue = 47012;
constexpr int kCaptionMissingType = 47017;
constexpr int kCaptionMissingValue = 47018;
constexpr int kCaptionTypeMismatch = 47026;
constexpr int kCaptionInvalidDate = 47112;
constexpr int kCaptionDeleteItem = 47113;

constexpr int kColumnName = 47217;
constexpr int kColumnType = 47218;
constexpr int kColumnValue = 47219;
constexpr int kColumnDefaultValue = 47220;

constexpr size_t kMaxNameLength = 30;
constexpr int kStepFieldHelpTopic = 35007;

// The value types offered, in the order the choice receives them.
constexpr int kOfferedTypes[] = {kTypeNum, kTypeBool, kTypeDate, kTypeString};

// The offered type of that name; 0 for none.
int OfferedTypeCode(const std::string& name) {
    for (int type : kOfferedTypes)
        if (GetValueTypeName(type) == name) return type;
    return 0;
}

std::string OfferedTypeName(int type) {
    for (int offered : kOfferedTypes)
        if (offered == type) return GetValueTypeName(type);
    return {};
}

}  // namespace

CParameterDlg::CParameterDlg(EditorHost& host, CApplicationKav& project)
    : EditorDialog(host, kResourceId), project_(project) {
    AddList(kParamList);
    AddControl(kParamName);
    AddControl(kParamType);
    AddControl(kParamValue);
    AddControl(kParamNew, "New");
    AddControl(kParamSet, "Set");
    AddControl(kParamDelete, "Delete");
}

int CParameterDlg::EditParameters(OwningList<CAttributeKav>& list, ParameterListKind kind, bool readOnly,
                                  const std::string& title) {
    kind_ = kind;
    readOnly_ = readOnly;
    SetTitle(title, readOnly);
    modified_ = false;
    working_.DeleteAll();
    for (const CAttributeKav* parameter : list) {
        CAttributeKav* copy = parameter->Clone(kCloneKeepId | kCloneKeepFile);
        copy->SetNameAtOpen(parameter->GetName());
        if (kind == TaskParameters || kind == StepFieldValues) copy->SetEdited(parameter->IsEdited());
        working_.Add(copy);
    }

    const int end = Host().RunModal(*this);
    if (readOnly_ || end != kIdOk || !modified_) {
        working_.DeleteAll();
        return 0;
    }
    DeleteAllObjects(list);
    for (CAttributeKav* copy : working_) list.Add(copy);
    working_.Pointers().clear();
    return 1;
}

void CParameterDlg::OnInitDialog() {
    EditorList& rows = EditList(kParamList);
    rows.SetColumns({{LoadMessage(kColumnName), 220},
                     {LoadMessage(kColumnType), 40},
                     {LoadMessage(kind_ == StepFieldValues ? kColumnValue : kColumnDefaultValue), 350}});
    rows.SetSorted(kind_ != TaskParameters);
    rows.Clear();
    for (CAttributeKav* parameter : working_)
        rows.AddRow({OpeningRowText(*parameter), GetValueTypeName(parameter->GetType()), parameter->GetValue()},
                    parameter);

    std::vector<std::string> typeNames;
    for (int type : kOfferedTypes) typeNames.push_back(GetValueTypeName(type));
    SetItems(kParamType, typeNames);
    SetText(kParamType, GetValueTypeName(kTypeString));

    if (readOnly_) {
        for (int button : {kParamNew, kParamSet, kParamDelete}) Show(button, false);
        for (int entry : {kParamName, kParamType, kParamValue}) Enable(entry, false);
        SetDefaultButton(kIdOk);
    }
    if (kind_ != StepFieldValues) {
        UpdateControls(kStateNewEntry);
        return;
    }
    Show(kParamNew, false);
    Show(kParamDelete, false);
    if (rows.RowCount() > 0) {
        LoadRow(0);
        return;
    }
    SetText(kParamType, "");
    for (int entry : {kParamName, kParamType, kParamValue}) Enable(entry, false);
    Show(kParamSet, false);
    SetDefaultButton(kIdOk);
}

void CParameterDlg::UpdateControls(ControlState state) {
    if (!readOnly_) {
        switch (state) {
            case kStateNewEntry:
                if (kind_ == StepFieldValues) {
                    for (int control : {kParamName, kParamType, kParamValue, kParamSet}) Enable(control, false);
                    SetDefaultButton(kIdOk);
                } else {
                    for (int control : {kParamName, kParamType, kParamValue, kParamSet}) Enable(control);
                    Enable(kParamDelete, false);
                    SetFocus(kParamName);
                    SetDefaultButton(kParamSet);
                }
                break;
            case kStateRowChosen:
                Enable(kParamValue);
                Enable(kParamSet);
                if (kind_ == StepFieldValues) {
                    Enable(kParamName, false);
                    Enable(kParamType, false);
                    SetFocus(kParamValue);
                } else {
                    for (int control : {kParamName, kParamType, kParamDelete}) Enable(control);
                    SetFocus(kParamName);
                }
                SetDefaultButton(kParamSet);
                newEntry_ = false;
                break;
            case kStateRowNotChangeable:
                for (int control : {kParamName, kParamType, kParamValue, kParamSet, kParamDelete})
                    Enable(control, false);
                SetDefaultButton(kIdOk);
                newEntry_ = false;
                break;
        }
    }
    if (state == kStateNewEntry) {
        SetText(kParamName, "");
        SetText(kParamValue, "");
        SetText(kParamType, GetValueTypeName(kTypeString));
        EditList(kParamList).Highlight(-1);
        newEntry_ = true;
    }
}

void CParameterDlg::OnListRowChosen(int list, int row) {
    OnRowChosen(List(list).ItemAt<CAttributeKav>(row));
}

void CParameterDlg::OnRowChosen(CAttributeKav* parameter) {
    if (!parameter) {
        UpdateControls(kStateNewEntry);
        return;
    }
    SetText(kParamName, parameter->GetName());
    SetText(kParamType, OfferedTypeName(parameter->GetType()));
    SetText(kParamValue, parameter->GetValue());
    const bool notChangeable = ShowsReferenceTexts() && !parameter->IsEditable(false);
    UpdateControls(notChangeable ? kStateRowNotChangeable : kStateRowChosen);
}

void CParameterDlg::LoadRow(int row) {
    EditList(kParamList).Highlight(row);
    OnRowChosen(List(kParamList).ItemAt<CAttributeKav>(row));
}

void CParameterDlg::OnNew() {
    UpdateControls(kStateNewEntry);
}

bool CParameterDlg::SetParameter() {
    if (readOnly_) return true;
    const std::string name = GetText(kParamName);
    const std::string value = GetText(kParamValue);
    const int type = OfferedTypeCode(GetText(kParamType));

    CAttributeKav* duplicate = nullptr;
    if (kind_ != StepFieldValues) {
        if (!CheckName(name)) return false;
        duplicate = FindDuplicate(name);
    }
    if (!type) return Refuse(kSelectType, kCaptionMissingType, kParamType);
    if (value.empty() && type != kTypeString) return Refuse(kEnterValue, kCaptionMissingValue, kParamValue);
    if (!CheckValue(value, type)) return false;

    EditorList& rows = EditList(kParamList);
    const std::vector<std::string> rowTexts{SetRowText(name), GetValueTypeName(type), value};
    int row = -1;
    if (newEntry_) {
        if (duplicate) return Refuse(kNewNameExists, kCaptionInvalidName, kParamName);
        auto* parameter = new CAttributeKav(name, type, value);
        if (ShowsReferenceTexts()) {
            CFileKav* mainFile = project_.GetMainFile();
            parameter->SetFile(mainFile);
            parameter->SetFileId(mainFile ? mainFile->GetID() : std::string());
        }
        parameter->SetEdited(true);
        working_.Add(parameter);
        rows.AddRow(rowTexts, parameter);
    } else {
        row = rows.GetHighlighted();
        CAttributeKav* parameter = rows.ItemAt<CAttributeKav>(row);
        if (!parameter) return true;
        if (!EqualsNoCase(name, parameter->GetName()) && duplicate)
            return Refuse(kRenamedNameExists, kCaptionInvalidName, kParamName);
        parameter->SetName(name);
        parameter->SetType(type);
        parameter->SetValue(value);
        parameter->SetEdited(true);
        rows.SetRowTexts(row, rowTexts);
    }
    modified_ = true;

    if (kind_ == StepFieldValues && row >= 0 && row + 1 < rows.RowCount()) LoadRow(row + 1);
    else UpdateControls(kStateNewEntry);
    return true;
}

bool CParameterDlg::CheckName(const std::string& name) {
    if (name.empty()) return Refuse(kEnterValidName, kCaptionInvalidName, kParamName);
    if (Utf16Length(name) > kMaxNameLength) return Refuse(kNameTooLong, kCaptionInvalidName, kParamName);
    if (!CheckIdentifier(name)) return RefuseWithText(GetGlobalMessageBuffer(), kCaptionInvalidName, kParamName);
    return true;
}

bool CParameterDlg::CheckValue(const std::string& value, int type) {
    if (kind_ != TaskParameters) {
        if (IsValueOfType(value, type)) return true;
        if (type == kTypeDate) return Refuse(kDateFormat, kCaptionInvalidDate, kParamValue);
        return Refuse(kValueNotOfType, kCaptionTypeMismatch, kParamValue);
    }
    // A default value is written in the condition language.
    const int expressionType = GetExpressionType(ResetConditionMessage(), ValueAsExpression(value, type));
    if (expressionType == 0) return RefuseWithText(GetGlobalMessageBuffer(), kCaptionInvalidValue, kParamValue);
    if (!AreTypesCompatible(expressionType, type)) return Refuse(kDefaultNotOfType, kCaptionTypeMismatch, kParamValue);
    return true;
}

CAttributeKav* CParameterDlg::FindDuplicate(const std::string& name) const {
    return working_.FindIf([this, &name](const CAttributeKav* parameter) {
        return EqualsNoCase(parameter->GetName(), name) && (!ShowsReferenceTexts() || project_.IsInMainFile(parameter));
    });
}

std::string CParameterDlg::OpeningRowText(const CAttributeKav& parameter) const {
    if (ShowsReferenceTexts()) return project_.GetObjectPathText(&parameter);
    if (kind_ == StepFieldValues) return project_.GetObjectPathText(project_.FindStepField(parameter.GetId(), true));
    return parameter.GetName();
}

std::string CParameterDlg::SetRowText(const std::string& name) const {
    return ShowsReferenceTexts() || kind_ == StepFieldValues ? ":" + name : name;
}

void CParameterDlg::OnDelete() {
    EditorList& rows = EditList(kParamList);
    const int row = rows.GetHighlighted();
    if (row < 0) return;
    if (!AskYesNo(kReallyDelete, kCaptionDeleteItem)) return;
    CAttributeKav* parameter = rows.ItemAt<CAttributeKav>(row);
    rows.RemoveRow(row);
    working_.Delete(parameter);
    modified_ = true;
    UpdateControls(kStateNewEntry);
}

bool CParameterDlg::OnOK() {
    if (GetText(kParamName).empty()) return true;
    return SetParameter();
}

int CParameterDlg::HelpTopic() const {
    if (kind_ == StepFieldDefinitions || kind_ == StepFieldValues) return kStepFieldHelpTopic;
    return EditorDialog::HelpTopic();
}
