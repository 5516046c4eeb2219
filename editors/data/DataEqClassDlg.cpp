#include "editors/data/DataEqClassDlg.h"

#include "conditions/ValueTypes.h"
#include "editors/data/DataCaptions.h"
#include "model/CloneFlags.h"
#include "model/DataSet.h"
#include "model/ObjectNames.h"
#include "model/RepresentativeValues.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"
#include "resources/MessageCatalogue.h"
#include "shell/EditorHost.h"

namespace {

constexpr int kEnterName = 44040;
constexpr int kNameTooLong = 44041;
constexpr int kValueMissing = 44043;
constexpr int kNewNameExists = 44044;
constexpr int kChangedNameExists = 44045;
constexpr int kLowerNotOfType = 44140;
constexpr int kUpperNotOfType = 44141;
constexpr int kNewLowerTaken = 44566;
constexpr int kNewUpperTaken = 44567;
constexpr int kChangedLowerTaken = 44135;
constexpr int kChangedUpperTaken = 44137;
constexpr int kReallyDelete = 43009;

constexpr int kCaptionInvalidValue = 47012;
constexpr int kCaptionTypeMismatch = 47026;
constexpr int kCaptionNewValuesRefused = 47045;
constexpr int kCaptionChangedValuesRefused = 47046;
constexpr int kCaptionDeleteItem = 47113;
constexpr int kTitleClassesOfField = 47185;
constexpr int kColumnName = 47187;
constexpr int kColumnValid = 47188;
constexpr int kColumnRange = 47189;
constexpr int kTextValid = 49133;
constexpr int kTextInvalid = 49134;

constexpr size_t kMaxNameLength = 30;

}  // namespace

CDataEqClassDlg::CDataEqClassDlg(EditorHost& host, CApplicationKav&) : EditorDialog(host, kResourceId) {
    AddList(kClassList);
    AddControl(kClassName);
    AddControl(kClassValid, "Valid");
    AddControl(kClassRange);
    AddControl(kClassLower);
    AddControl(kClassUpper);
    AddControl(kClassValues);
    AddControl(kClassNew, "New");
    AddControl(kClassSet, "Set");
    AddControl(kClassDelete, "Delete");
}

bool CDataEqClassDlg::EditEqClasses(CDataSet& dataSet, CDataField& field) {
    field_ = &field;
    readOnly_ = !dataSet.IsEditable(false);
    changed_ = false;
    copies_.DeleteAll();
    for (const CDataEqClass* eqClass : field.GetEqClasses()) copies_.Add(eqClass->Clone(kCloneKeepId | kCloneKeepFile));
    const int end = Host().RunModal(*this);
    if (readOnly_ || end != kIdOk || !changed_) {
        copies_.DeleteAll();
        return false;
    }
    field.GetEqClasses() = std::move(copies_);
    return true;
}

void CDataEqClassDlg::OnInitDialog() {
    SetTitle(LoadMessage(kTitleClassesOfField) + field_->GetName() + " (" + GetValueTypeName(field_->GetType()) + ")",
             readOnly_);
    EditorList& rows = EditList(kClassList);
    rows.SetColumns({{LoadMessage(kColumnName), 125}, {LoadMessage(kColumnValid), 40}, {LoadMessage(kColumnRange), 200}});
    rows.SetSorted(true);
    rows.Clear();
    for (CDataEqClass* copy : copies_) rows.AddRow(RowTexts(*copy), copy);
    if (readOnly_) {
        for (int id : {kClassNew, kClassSet, kClassDelete}) Show(id, false);
        for (int id : {kClassName, kClassValid, kClassRange, kClassLower, kClassUpper, kClassValues}) Enable(id, false);
    }
    rows.Highlight(-1);
    OnNew();
}

std::vector<std::string> CDataEqClassDlg::RowTexts(const CDataEqClass& eqClass) const {
    return {eqClass.GetName(), LoadMessage(eqClass.IsValid() ? kTextValid : kTextInvalid), eqClass.GetDefRange()};
}

void CDataEqClassDlg::OnListRowChosen(int, int row) {
    OnRowChosen(List(kClassList).ItemAt<CDataEqClass>(row));
}

void CDataEqClassDlg::OnNew() {
    for (int id : {kClassName, kClassRange, kClassLower, kClassUpper, kClassValues}) SetText(id, "");
    SetChecked(kClassValid, true);
    Enable(kClassDelete, false);
    if (readOnly_) {
        SetDefaultButton(kIdOk);
        return;
    }
    newEntry_ = true;
    Enable(kClassSet);
    SetFocus(kClassName);
    SetDefaultButton(kClassSet);
}

void CDataEqClassDlg::OnRowChosen(CDataEqClass* eqClass) {
    if (!eqClass) {
        OnNew();
        return;
    }
    SetText(kClassName, eqClass->GetName());
    SetChecked(kClassValid, eqClass->IsValid());
    SetText(kClassRange, eqClass->GetDefRange());
    SetText(kClassLower, eqClass->GetMin());
    SetText(kClassUpper, eqClass->GetMax());
    SetText(kClassValues, JoinRepresentativeValues(eqClass->GetRepresentativeValues()));
    if (readOnly_) return;
    newEntry_ = false;
    Enable(kClassSet);
    Enable(kClassDelete);
    SetDefaultButton(kClassSet);
    SetFocus(kClassName);
}

void CDataEqClassDlg::LoadRow(int row) {
    EditList(kClassList).Highlight(row);
    OnRowChosen(List(kClassList).ItemAt<CDataEqClass>(row));
}

void CDataEqClassDlg::OnDelete() {
    const int row = List(kClassList).GetHighlighted();
    if (row < 0) return;
    if (!AskYesNo(kReallyDelete, kCaptionDeleteItem)) return;
    auto* eqClass = List(kClassList).ItemAt<CDataEqClass>(row);
    EditList(kClassList).RemoveRow(row);
    copies_.Delete(eqClass);
    changed_ = true;
    EditList(kClassList).Highlight(-1);
    OnNew();
}

CDataEqClassDlg::Entry CDataEqClassDlg::ReadEntry() const {
    return {GetText(kClassName),  IsChecked(kClassValid), GetText(kClassRange),
            GetText(kClassLower), GetText(kClassUpper),  GetText(kClassValues)};
}

bool CDataEqClassDlg::ApplyEntry() {
    if (readOnly_) return true;
    const Entry entry = ReadEntry();
    bool nameTaken = false;
    if (!CheckEntry(entry, nameTaken)) return false;
    auto* chosen = List(kClassList).ItemAt<CDataEqClass>(List(kClassList).GetHighlighted());
    const bool applied = newEntry_ || !chosen ? AddClass(entry, nameTaken) : ChangeClass(*chosen, entry, nameTaken);
    if (applied) changed_ = true;
    return applied;
}

bool CDataEqClassDlg::CheckEntry(const Entry& entry, bool& nameTaken) {
    if (entry.name.empty()) return Refuse(kEnterName, kCaptionInvalidName, kClassName);
    if (Utf16Length(entry.name) > kMaxNameLength) return Refuse(kNameTooLong, kCaptionInvalidName, kClassName);
    if (!CheckIdentifier(entry.name)) return RefuseWithText(GetGlobalMessageBuffer(), kCaptionInvalidName, kClassName);
    nameTaken = copies_.FindIf([&](const CDataEqClass* copy) { return EqualsNoCase(copy->GetName(), entry.name); });
    if (entry.lower.empty() && entry.upper.empty() && entry.values.empty())
        return RefuseWithCaption(LoadMessage(kValueMissing), kCaptionValueMissing, kClassValues);
    if (entry.valid) {
        if (!entry.lower.empty() && !IsValueOfType(entry.lower, field_->GetType()))
            return Refuse(kLowerNotOfType, kCaptionTypeMismatch, kClassLower);
        if (!entry.upper.empty() && !IsValueOfType(entry.upper, field_->GetType()))
            return Refuse(kUpperNotOfType, kCaptionTypeMismatch, kClassUpper);
    }
    return true;
}

bool CDataEqClassDlg::CheckBorderIsFree(const std::string& value, const CDataEqClass* changed, int messageId,
                                        int control) {
    const CDataEqClass* owner = field_->FindEqClassByValue(value);
    if (!owner || (changed && owner->GetId() == changed->GetId())) return true;
    return RefuseWithText(FormatMessageId(messageId, value, owner->GetName()), kCaptionInvalidValue, control);
}

bool CDataEqClassDlg::AddClass(const Entry& entry, bool nameTaken) {
    if (nameTaken) return Refuse(kNewNameExists, kCaptionInvalidName, kClassName);
    if (!CheckBorderIsFree(entry.lower, nullptr, kNewLowerTaken, kClassLower) ||
        !CheckBorderIsFree(entry.upper, nullptr, kNewUpperTaken, kClassUpper))
        return false;
    auto eqClass = std::make_unique<CDataEqClass>(entry.name, entry.valid ? 1 : 0, entry.range, entry.lower, entry.upper);
    if (!eqClass->SetRepresentativeValues(entry.values, field_))
        return RefuseWithText(GetGlobalMessageBuffer(), kCaptionNewValuesRefused, kClassValues);
    CDataEqClass* added = copies_.Add(eqClass.release());
    EditList(kClassList).AddRow(RowTexts(*added), added);
    EditList(kClassList).Highlight(-1);
    OnNew();
    return true;
}

bool CDataEqClassDlg::ChangeClass(CDataEqClass& eqClass, const Entry& entry, bool nameTaken) {
    if (!EqualsNoCase(entry.name, eqClass.GetName()) && nameTaken)
        return Refuse(kChangedNameExists, kCaptionInvalidName, kClassName);
    if (!CheckBorderIsFree(entry.lower, &eqClass, kChangedLowerTaken, kClassLower) ||
        !CheckBorderIsFree(entry.upper, &eqClass, kChangedUpperTaken, kClassUpper))
        return false;
    const std::string oldLower = eqClass.GetMin();
    const std::string oldUpper = eqClass.GetMax();
    eqClass.SetMin(entry.lower);
    eqClass.SetMax(entry.upper);
    if (!eqClass.SetRepresentativeValues(entry.values, field_)) {
        eqClass.SetMin(oldLower);
        eqClass.SetMax(oldUpper);
        return RefuseWithText(GetGlobalMessageBuffer(), kCaptionChangedValuesRefused, kClassValues);
    }
    eqClass.SetName(entry.name);
    eqClass.SetValid(entry.valid ? 1 : 0);
    eqClass.SetDefRange(entry.range);
    EditorList& rows = EditList(kClassList);
    const int row = rows.FindItem(&eqClass);
    rows.SetRowTexts(row, RowTexts(eqClass));
    if (row + 1 < rows.RowCount()) {
        LoadRow(row + 1);
    } else {
        rows.Highlight(-1);
        OnNew();
    }
    return true;
}

bool CDataEqClassDlg::OnOK() {
    if (GetText(kClassName).empty()) return true;
    return ApplyEntry();
}
