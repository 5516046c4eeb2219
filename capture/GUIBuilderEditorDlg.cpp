#include "capture/GUIBuilderEditorDlg.h"

#include "capture/ListRowTexts.h"
#include "capture/WinClassEditorDlg.h"
#include "editors/framework/MergeEditedCopies.h"
#include "model/ApplicationKav.h"
#include "model/CloneFlags.h"
#include "platform/TextUtil.h"
#include "shell/EditorHost.h"

// How the database takes the edited copies back: by unique id, a builder counting as edited
// when the editor changed its name or classes.
inline std::string UniqueIdOf(const CGUIBuilder& builder) { return builder.GetId(); }
inline bool IsEditedCopy(const CGUIBuilder& builder) { return builder.GetChanged() != 0; }

namespace {

constexpr int kEnterValidName = 44363;         // [W0363]
constexpr int kNameTooLong = 44039;            // [W0039]
constexpr int kNewNameTaken = 44366;           // [W0366]
constexpr int kChangedNameTaken = 44365;       // [W0365]
constexpr int kReallyDelete = 43012;           // [Q0012]
constexpr int kLoseAllChanges = 43013;         // [Q0013]
constexpr int kBuilderStructureCorrupted = 41022;  // [F0022]
constexpr int kListStructureCorrupted = 41023;     // [F0023]
constexpr int kCaptionInvalidName = 47006;
constexpr int kCaptionDeleteBuilder = 47380;
constexpr int kCaptionCancelEditor = 47381;
constexpr size_t kMaxNameLength = 30;

}  // namespace

CGUIBuilderEditorDlg::CGUIBuilderEditorDlg(EditorHost& host, CGUIBuilderList& database, CApplicationKav& project)
    : EditorDialog(host, kResourceId), database_(database), project_(project) {
    AddList(kBuilderList);
    AddControl(kBuilderName);
    AddControl(kWindowClasses, "Window Classes...");
    AddControl(kNew, "New");
    AddControl(kSet, "Set");
    AddControl(kDelete, "Delete");
    SetDefaultButton(kSet);
    SetTitle("GUI Builder Editor", false);
}

bool CGUIBuilderEditorDlg::EditBuilderList() {
    modified_ = false;
    working_.DeleteAll();
    for (CGUIBuilder* builder : database_) {
        builder->SetChanged(0);
        working_.Add(builder->Copy(kCloneKeepId | kCloneKeepFile));
    }
    if (Host().RunModal(*this) != kIdOk || !modified_) {
        working_.DeleteAll();
        return false;
    }
    MergeEditedCopies<CGUIBuilder>(database_, working_);
    project_.SetModified(1);
    return true;
}

void CGUIBuilderEditorDlg::OnInitDialog() {
    EditorList& list = EditList(kBuilderList);
    list.Clear();
    list.SetColumns({{"Name", 250}, {"Predefined", 65}});
    list.SetSorted(true);
    for (CGUIBuilder* builder : working_) list.AddRow({builder->GetName(), YesNoCell(builder->IsPreDef())}, builder);
    Enable(kDelete, false);
    SetFocus(kBuilderName);
}

bool CGUIBuilderEditorDlg::OnOK() { return GetText(kBuilderName).empty() || ApplyName(); }

bool CGUIBuilderEditorDlg::OnCancel() {
    return !modified_ || AskYesNo(kLoseAllChanges, kCaptionCancelEditor);
}

bool CGUIBuilderEditorDlg::ApplyName() {
    const std::string name = GetText(kBuilderName);
    if (name.empty()) return Refuse(kEnterValidName, kCaptionInvalidName, kBuilderName);
    if (Utf16Length(name) > kMaxNameLength) return Refuse(kNameTooLong, kCaptionInvalidName, kBuilderName);
    const CGUIBuilder* namesake = working_.FindBuilder(name, false);
    EditorList& list = EditList(kBuilderList);
    const int row = list.GetHighlighted();
    if (row < 0) {
        if (namesake) return Refuse(kNewNameTaken, kCaptionInvalidName, kBuilderName);
        auto* builder = working_.Add(new CGUIBuilder(name, working_.GetNextGuiID(), 0));
        builder->SetFile(project_.GetMainFile());
        builder->SetChanged(1);
        list.AddRow({name, YesNoCell(false)}, builder);
    } else {
        auto* builder = list.ItemAt<CGUIBuilder>(row);
        if (namesake && namesake != builder) return Refuse(kChangedNameTaken, kCaptionInvalidName, kBuilderName);
        builder->SetName(name);
        builder->SetChanged(1);
        list.SetRowTexts(row, {name, YesNoCell(builder->IsPreDef())});
    }
    modified_ = true;
    StartNewName();
    return true;
}

void CGUIBuilderEditorDlg::OnNew() { StartNewName(); }

void CGUIBuilderEditorDlg::OnDelete() {
    EditorList& list = EditList(kBuilderList);
    const int row = list.GetHighlighted();
    if (row < 0 || !AskYesNo(kReallyDelete, kCaptionDeleteBuilder)) return;
    auto* builder = list.ItemAt<CGUIBuilder>(row);
    if (!working_.Delete(builder)) {
        ShowFatalError(kBuilderStructureCorrupted);
        return;
    }
    list.RemoveRow(row);
    modified_ = true;
    StartNewName();
}

void CGUIBuilderEditorDlg::OnWindowClasses() {
    const std::string name = GetText(kBuilderName);
    if (!ApplyName()) return;
    EditorList& list = EditList(kBuilderList);
    const int row = FindRowByFirstText(list, name);
    if (row < 0) {
        ShowFatalError(kListStructureCorrupted);
        return;
    }
    list.Highlight(row);
    auto* builder = list.ItemAt<CGUIBuilder>(row);
    OnItemSelected(builder);
    CWinClassEditorDlg classes(Host());
    if (!classes.EditWindowClasses(*builder)) return;
    modified_ = true;
    builder->SetChanged(1);
}

void CGUIBuilderEditorDlg::OnItemSelected(CGUIBuilder* builder) {
    if (!builder) {
        OnNew();
        return;
    }
    SetText(kBuilderName, builder->GetName());
    const bool userDefined = !builder->IsPreDef();
    Enable(kBuilderName, userDefined);
    Enable(kDelete, userDefined);
    if (userDefined) SetFocus(kBuilderName);
}

void CGUIBuilderEditorDlg::OnListRowChosen(int list, int row) {
    if (list == kBuilderList) OnItemSelected(EditList(kBuilderList).ItemAt<CGUIBuilder>(row));
}

void CGUIBuilderEditorDlg::StartNewName() {
    SetText(kBuilderName, "");
    EditList(kBuilderList).Highlight(-1);
    Enable(kBuilderName);
    Enable(kDelete, false);
    SetFocus(kBuilderName);
}
