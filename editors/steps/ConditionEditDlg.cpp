#include "editors/steps/ConditionEditDlg.h"

#include "editors/framework/MergeEditedCopies.h"
#include "editors/steps/ConditionAdmin.h"
#include "editors/steps/ConditionTextCheck.h"
#include "model/ApplicationKav.h"
#include "model/CloneFlags.h"
#include "platform/MessageBuffer.h"
#include "resources/MessageCatalogue.h"
#include "shell/EditorHost.h"

namespace {

constexpr int kReallyDelete = 43011;
constexpr int kInvalidMetaIdsOnSet = 44051;
constexpr int kInvalidMetaIdsOnExpand = 44052;
constexpr int kConcatenation = 44697;

constexpr int kCaptionInvalidCondition = 47003;
constexpr int kCaptionDelete = 47174;
constexpr int kTitle = 47179;
constexpr int kExpandLabel = 47262;
constexpr int kImplodeLabel = 47263;

// The controls that change the list: out of use while it shows expanded, and in a read-only run.
constexpr int kEditingControls[] = {kCondNew, kCondSet, kCondText, kCondMeta};

}  // namespace

CConditionEditDlg::CConditionEditDlg(EditorHost& host, CApplicationKav& project)
    : EditorDialog(host, kResourceId), project_(project) {
    AddList(kCondList);
    AddControl(kCondList);  // for its enabling
    AddControl(kCondBrowse, "Browse Designators");
    AddControl(kCondMeta, "Meta-Conditions");
    AddControl(kCondExpand);
    AddControl(kCondText);
    AddControl(kCondNew, "New");
    AddControl(kCondSet, "Set");
    AddControl(kCondDelete, "Delete");
}

int CConditionEditDlg::EditConditions(OwningList<CConditionKav>& conditions, CTaskKav* browseTask, bool readOnly) {
    browseTask_ = browseTask;
    readOnly_ = readOnly;
    modified_ = false;
    savedText_.clear();
    SetTitle(LoadMessage(kTitle), readOnly);
    working_.DeleteAll();
    for (const CConditionKav* condition : conditions) {
        CConditionKav* copy = working_.Add(condition->Clone(kCloneKeepId | kCloneKeepFile));
        copy->SetEdited(condition->IsEdited());
    }

    const int end = Host().RunModal(*this);
    if (readOnly_ || end != kIdOk || !modified_) {
        working_.DeleteAll();
        return 0;
    }
    MergeEditedCopies(conditions, working_);
    return 1;
}

void CConditionEditDlg::OnInitDialog() {
    EditorList& rows = EditList(kCondList);
    rows.Clear();
    for (const CConditionKav* condition : working_) rows.AddRow({condition->GetText()}, nullptr);
    expanded_ = false;
    SetText(kCondExpand, LoadMessage(kExpandLabel));
    SetText(kCondText, "");
    Enable(kCondDelete, false);
    newEntry_ = true;
    if (!readOnly_) {
        SetDefaultButton(kCondSet);
        return;
    }
    Enable(kCondText, false);
    for (int control : {kCondNew, kCondSet, kCondDelete, kCondBrowse, kCondMeta}) Show(control, false);
    SetDefaultButton(kIdOk);
    SetFocus(kIdOk);
}

void CConditionEditDlg::OnListRowChosen(int, int row) {
    if (row < 0) return;
    SetText(kCondText, working_[static_cast<size_t>(row)]->GetText());
    Enable(kCondDelete);
    newEntry_ = false;
}

void CConditionEditDlg::StartNewEntry() {
    SetText(kCondText, "");
    SetFocus(kCondText);
    EditList(kCondList).Highlight(-1);
    Enable(kCondDelete, false);
    newEntry_ = true;
}

void CConditionEditDlg::OnNew() {
    StartNewEntry();
}

bool CConditionEditDlg::SetCondition() {
    if (readOnly_) return true;
    const std::string text = GetText(kCondText);
    switch (CheckConditionText(project_.GetMetaConditions(), text, std::nullopt)) {
        case ConditionTextFault::kMetaIds: return Refuse(kInvalidMetaIdsOnSet, kCaptionInvalidCondition, kCondText);
        case ConditionTextFault::kConcatenation: return Refuse(kConcatenation, kCaptionInvalidCondition, kCondText);
        case ConditionTextFault::kCondition:
            return RefuseWithText(GetGlobalMessageBuffer(), kCaptionInvalidCondition, kCondText);
        case ConditionTextFault::kNone: break;
    }

    EditorList& rows = EditList(kCondList);
    const int row = newEntry_ ? -1 : rows.GetHighlighted();
    CConditionKav* condition = nullptr;
    if (row < 0) {
        condition = working_.Add(new CConditionKav("", text));
        rows.AddRow({text}, nullptr);
    } else {
        condition = working_[static_cast<size_t>(row)];
        condition->SetText(text);
        rows.SetRowTexts(row, {text});
    }
    condition->SetEdited(true);
    modified_ = true;
    StartNewEntry();
    return true;
}

void CConditionEditDlg::OnDelete() {
    EditorList& rows = EditList(kCondList);
    const int row = rows.GetHighlighted();
    if (row < 0 || !AskYesNo(kReallyDelete, kCaptionDelete)) return;
    rows.RemoveRow(row);
    working_.Delete(working_[static_cast<size_t>(row)]);
    modified_ = true;
    StartNewEntry();
}

void CConditionEditDlg::OnBrowseDesignators() {
    BrowseDesignatorsInto(kCondText, browseTask_);
}

void CConditionEditDlg::OnMetaConditions() {
    CConditionAdmin administration(Host(), project_);
    std::string id;
    administration.EditMetaConditions(id);
    if (id.empty()) return;
    std::string text = GetText(kCondText);
    if (!text.empty() && text.back() != ' ') text += ' ';
    SetText(kCondText, text + "%" + id);
    SetFocus(kCondText);
}

void CConditionEditDlg::OnExpandImplode() {
    if (expanded_) Implode();
    else Expand();
}

void CConditionEditDlg::Expand() {
    const CConditionList& metaConditions = project_.GetMetaConditions();
    std::string text = GetText(kCondText);
    savedText_ = text;
    if (!metaConditions.ResolveMetaIds(text, std::nullopt)) {
        Refuse(kInvalidMetaIdsOnExpand, kCaptionInvalidCondition, kCondText);
        return;
    }
    expanded_ = true;
    EditorList& rows = EditList(kCondList);
    for (int row = 0; row < rows.RowCount(); ++row) {
        // A row whose references cannot be resolved shows as far as they could.
        std::string resolved = working_[static_cast<size_t>(row)]->GetText();
        metaConditions.ResolveMetaIds(resolved, std::nullopt);
        rows.SetRowTexts(row, {resolved});
    }
    SetText(kCondText, text);
    SetText(kCondExpand, LoadMessage(kImplodeLabel));
    for (int control : kEditingControls) Enable(control, false);
    for (int control : {int{kIdOk}, int{kCondDelete}, int{kCondList}}) Enable(control, false);
}

void CConditionEditDlg::Implode() {
    expanded_ = false;
    SetText(kCondText, savedText_);
    EditorList& rows = EditList(kCondList);
    for (int row = 0; row < rows.RowCount(); ++row)
        rows.SetRowTexts(row, {working_[static_cast<size_t>(row)]->GetText()});
    SetText(kCondExpand, LoadMessage(kExpandLabel));
    Enable(kCondList);
    Enable(kIdOk);
    if (readOnly_) return;
    for (int control : kEditingControls) Enable(control);
    Enable(kCondDelete, !newEntry_);
}

bool CConditionEditDlg::OnOK() {
    if (GetText(kCondText).empty()) return true;
    return SetCondition();
}
