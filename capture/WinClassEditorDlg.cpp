#include "capture/WinClassEditorDlg.h"

#include "capture/ListRowTexts.h"
#include "model/CloneFlags.h"
#include "model/DisplayTexts.h"
#include "model/WindowKav.h"
#include "platform/TextUtil.h"
#include "shell/EditorHost.h"

namespace {

constexpr int kEnterValidName = 44364;         // [W0364]
constexpr int kNameTooLong = 44520;            // [W0520]
constexpr int kSelectType = 44521;             // [W0521]
constexpr int kChangedNameTaken = 44522;       // [W0522]
constexpr int kNewNameTaken = 44523;           // [W0523]
constexpr int kReallyDelete = 43027;           // [Q0027]
constexpr int kClassStructureCorrupted = 41097;  // [F0097]
constexpr int kCaptionInvalidName = 47006;
constexpr int kCaptionMissingType = 47017;
constexpr int kCaptionDeleteClass = 47382;
constexpr size_t kMaxNameLength = 50;

}  // namespace

CWinClassEditorDlg::CWinClassEditorDlg(EditorHost& host) : EditorDialog(host, kResourceId) {
    AddList(kClassList);
    AddControl(kClassName);
    AddControl(kBaseClass);
    AddControl(kDefaultBox, "Use as default classname when drawing a new window of this base class");
    AddControl(kNew, "New");
    AddControl(kSet, "Set");
    AddControl(kDelete, "Delete");
    SetDefaultButton(kSet);
    SetTitle("Window Class Editor", false);
}

bool CWinClassEditorDlg::EditWindowClasses(CGUIBuilder& builder) {
    copy_.reset(builder.Copy(kCloneKeepId | kCloneKeepFile));
    modified_ = false;
    if (Host().RunModal(*this) != kIdOk || !modified_) {
        copy_.reset();
        return false;
    }
    OwningList<CWindowClass>& classes = builder.GetWindowClasses();
    classes.DeleteAll();
    for (CWindowClass* windowClass : copy_->GetWindowClasses()) classes.Add(windowClass);
    copy_->GetWindowClasses().Pointers().clear();
    copy_.reset();
    return true;
}

void CWinClassEditorDlg::OnInitDialog() {
    SetTitle("Window Classes for " + copy_->GetName(), false);
    EditorList& list = EditList(kClassList);
    list.Clear();
    list.SetColumns({{"Name", 160}, {"Base Type", 100}, {"Predefined", 65}, {"Default", 65}});
    list.SetSorted(true);
    for (CWindowClass* windowClass : copy_->GetWindowClasses()) list.AddRow(RowTexts(*windowClass), windowClass);
    std::vector<std::string> typeNames;
    for (int type = 0; type < kWindowTypeCount; ++type) typeNames.push_back(GetWindowTypeName(type));
    SetSortedItems(kBaseClass, std::move(typeNames));
    Enable(kDelete, false);
    SetFocus(kClassName);
}

bool CWinClassEditorDlg::OnOK() {
    if (GetText(kClassName).empty() && ChosenType() < 0) return true;
    return ApplyClass();
}

bool CWinClassEditorDlg::ApplyClass() {
    const std::string name = GetText(kClassName);
    if (name.empty()) return Refuse(kEnterValidName, kCaptionInvalidName, kClassName);
    if (Utf16Length(name) > kMaxNameLength) return Refuse(kNameTooLong, kCaptionInvalidName, kClassName);
    const int type = ChosenType();
    if (type < 0) return Refuse(kSelectType, kCaptionMissingType, kBaseClass);
    const bool isDefault = IsChecked(kDefaultBox);
    EditorList& list = EditList(kClassList);
    const int namesake = FindRowByFirstText(list, name);
    const int row = list.GetHighlighted();
    if (row >= 0) {
        auto* windowClass = list.ItemAt<CWindowClass>(row);
        if (namesake >= 0 && namesake != row && !windowClass->IsPreDef())
            return Refuse(kChangedNameTaken, kCaptionInvalidName, kClassName);
        windowClass->SetName(name);
        windowClass->SetBaseType(type);
        if (isDefault) copy_->SetDefaultClass(windowClass);
        else windowClass->SetDefault(0);
        list.SetRowTexts(row, RowTexts(*windowClass));
    } else {
        if (namesake >= 0) return Refuse(kNewNameTaken, kCaptionInvalidName, kClassName);
        auto* windowClass = copy_->GetWindowClasses().Add(new CWindowClass(name, type, 0, isDefault ? 1 : 0));
        if (isDefault) copy_->SetDefaultClass(windowClass);
        list.AddRow(RowTexts(*windowClass), windowClass);
    }
    // Making one class the default of its type took the mark from the others.
    for (int other = 0; other < list.RowCount(); ++other)
        list.SetRowTexts(other, RowTexts(*list.ItemAt<CWindowClass>(other)));
    modified_ = true;
    StartNewClass();
    return true;
}

void CWinClassEditorDlg::OnNew() { StartNewClass(); }

void CWinClassEditorDlg::OnDelete() {
    EditorList& list = EditList(kClassList);
    const int row = list.GetHighlighted();
    if (row < 0 || !AskYesNo(kReallyDelete, kCaptionDeleteClass)) return;
    if (!copy_->GetWindowClasses().Delete(list.ItemAt<CWindowClass>(row))) {
        ShowFatalError(kClassStructureCorrupted);
        return;
    }
    list.RemoveRow(row);
    modified_ = true;
    StartNewClass();
}

void CWinClassEditorDlg::OnItemSelected(CWindowClass* windowClass) {
    if (!windowClass) {
        OnNew();
        return;
    }
    SetText(kClassName, windowClass->GetName());
    SetChecked(kDefaultBox, windowClass->IsDefault());
    SetText(kBaseClass, GetWindowTypeName(windowClass->GetBaseType()));
    const bool userDefined = !windowClass->IsPreDef();
    Enable(kClassName, userDefined);
    Enable(kBaseClass, userDefined);
    Enable(kDelete, userDefined);
    if (userDefined) SetFocus(kClassName);
}

void CWinClassEditorDlg::OnListRowChosen(int list, int row) {
    if (list == kClassList) OnItemSelected(EditList(kClassList).ItemAt<CWindowClass>(row));
}

std::vector<std::string> CWinClassEditorDlg::RowTexts(const CWindowClass& windowClass) const {
    return {windowClass.GetName(), GetWindowTypeName(windowClass.GetBaseType()), YesNoCell(windowClass.IsPreDef()),
            YesNoCell(windowClass.IsDefault())};
}

int CWinClassEditorDlg::ChosenType() const {
    const std::string chosen = GetText(kBaseClass);
    if (chosen.empty()) return -1;
    for (int type = 0; type < kWindowTypeCount; ++type)
        if (GetWindowTypeName(type) == chosen) return type;
    return -1;
}

void CWinClassEditorDlg::StartNewClass() {
    SetText(kClassName, "");
    SetChecked(kDefaultBox, false);
    SetText(kBaseClass, "");
    EditList(kClassList).Highlight(-1);
    Enable(kClassName);
    Enable(kBaseClass);
    Enable(kDelete, false);
    SetFocus(kClassName);
}
