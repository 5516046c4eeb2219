#include "editors/data/DataFieldDlg.h"

#include "conditions/ValueTypes.h"
#include "editors/data/DataCaptions.h"
#include "model/DataSet.h"
#include "platform/MessageBuffer.h"
#include "platform/Registry.h"
#include "platform/TextUtil.h"
#include "resources/MessageCatalogue.h"
#include "shell/EditorHost.h"

namespace {

constexpr int kEnterName = 44704;
constexpr int kFieldExists = 44707;
constexpr int kSelectType = 44735;
constexpr int kMinimumNotANumber = 44968;
constexpr int kMaximumNotANumber = 44969;
constexpr int kNotABoolean = 45055;
constexpr int kCaptionMissingType = 47017;
constexpr int kTitleDataField = 47190;

// The types a field may have, in the sorted order of the choice.
constexpr int kFieldTypes[] = {kTypeBool, kTypeDate, kTypeNum, kTypeString};

std::string ReadDefaultClassesSetting() {
    return ReadRegistryString(SettingsHive::CurrentUser, std::string(kProductKey),
                              CDataFieldDlg::kDefaultClassesSetting);
}

void WriteDefaultClassesSetting(bool checked) {
    WriteRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), CDataFieldDlg::kDefaultClassesSetting,
                        checked ? "1" : "0", kRegistryText);
}

// A number of the range: its text is "0" exactly, or it starts with a number other than 0.
bool IsRangeNumber(const std::string& text) {
    return ParseLeadingInt(text) != 0 || text == "0";
}

}  // namespace

CDataFieldDlg::CDataFieldDlg(EditorHost& host, CApplicationKav&) : EditorDialog(host, kResourceId) {
    AddControl(kFieldName);
    AddControl(kFieldType);
    AddControl(kFieldDefault);
    AddControl(kFieldDefaultClasses, "Create Default Equivalence Classes");
    AddControl(kFieldMin);
    AddControl(kFieldMax);
    AddControl(kFieldDescription);
}

bool CDataFieldDlg::EditField(CDataSet& dataSet, CDataField& field) {
    dataSet_ = &dataSet;
    field_ = &field;
    readOnly_ = !dataSet.IsEditable(false);
    const int end = Host().RunModal(*this);
    return !readOnly_ && end == kIdOk;
}

void CDataFieldDlg::OnInitDialog() {
    SetText(kFieldName, field_->GetName());
    SetText(kFieldDefault, field_->GetDefaultValue());
    SetText(kFieldMin, std::to_string(field_->GetMin()));
    SetText(kFieldMax, std::to_string(field_->GetMax()));
    SetText(kFieldDescription, field_->GetDescription());
    std::vector<std::string> types;
    for (int type : kFieldTypes) types.push_back(GetValueTypeName(type));
    SetItems(kFieldType, types);
    SetText(kFieldType, GetValueTypeName(field_->GetType()));
    SetChecked(kFieldDefaultClasses, ReadDefaultClassesSetting() == "1");
    SetTitle(LoadMessage(kTitleDataField) + field_->GetName(), readOnly_);
    if (readOnly_) {
        for (int id : {kFieldName, kFieldType, kFieldMin, kFieldMax, kFieldDefault, kFieldDescription,
                       kFieldDefaultClasses})
            Enable(id, false);
        SetChecked(kFieldDefaultClasses, false);
    } else {
        OnTypeChanged();
    }
}

void CDataFieldDlg::OnTypeChanged() {
    const bool number = ChosenType() == kTypeNum;
    Enable(kFieldMin, number);
    Enable(kFieldMax, number);
}

int CDataFieldDlg::ChosenType() const {
    const std::string chosen = GetText(kFieldType);
    for (int type : kFieldTypes)
        if (!chosen.empty() && GetValueTypeName(type) == chosen) return type;
    return 0;
}

bool CDataFieldDlg::OnOK() {
    if (readOnly_) return true;
    const std::string name = GetText(kFieldName);
    if (name.empty()) return RefuseWithCaption(LoadMessage(kEnterName), kCaptionNameMissing, kFieldName);
    if (!EqualsNoCase(name, field_->GetName()) && dataSet_->FindField(name))
        return RefuseWithCaption(LoadMessage(kFieldExists), kCaptionNameNotUnique, kFieldName);
    const int type = ChosenType();
    if (type == 0) return Refuse(kSelectType, kCaptionMissingType, kFieldType);
    const std::string minText = GetText(kFieldMin);
    const std::string maxText = GetText(kFieldMax);
    if (type == kTypeNum) {
        if (!IsRangeNumber(minText))
            return RefuseWithCaption(LoadMessage(kMinimumNotANumber), kCaptionInvalidNumber, kFieldMin);
        if (!IsRangeNumber(maxText))
            return RefuseWithCaption(LoadMessage(kMaximumNotANumber), kCaptionInvalidNumber, kFieldMax);
    }
    std::string defaultValue = GetText(kFieldDefault);
    if (type == kTypeBool) {
        if (defaultValue.empty()) defaultValue = "FALSE";
        else if (!IsValueOfType(defaultValue, kTypeBool))
            return RefuseWithCaption(LoadMessage(kNotABoolean), kCaptionInvalidBoolean, kFieldDefault);
    }
    if (!field_->SetName(name)) return RefuseWithText(GetGlobalMessageBuffer(), kCaptionInvalidName, kFieldName);
    field_->SetType(type);
    field_->SetMin(ParseLeadingInt(minText));
    field_->SetMax(ParseLeadingInt(maxText));
    field_->SetDefaultValue(defaultValue);
    field_->SetDescription(GetText(kFieldDescription));
    const bool defaultClasses = IsChecked(kFieldDefaultClasses);
    if (defaultClasses) {
        field_->GetEqClasses().DeleteAll();
        field_->AddDefaultEqClasses();
    }
    WriteDefaultClassesSetting(defaultClasses);
    return true;
}
