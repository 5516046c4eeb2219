#include "editors/steps/ConditionAdmin.h"

#include "editors/framework/MergeEditedCopies.h"
#include "editors/steps/ConditionTextCheck.h"
#include "model/ApplicationKav.h"
#include "model/CloneFlags.h"
#include "model/FileKav.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"
#include "resources/MessageCatalogue.h"
#include "shell/EditorHost.h"

namespace {

constexpr int kReallyDelete = 43010;
constexpr int kIdTooLong = 44736;
constexpr int kInvalidId = 44047;
constexpr int kRenamedIdExists = 44048;
constexpr int kNewIdExists = 44049;
constexpr int kInvalidMetaIds = 44050;
constexpr int kConcatenation = 44698;

constexpr int kCaptionInvalidCondition = 47003;
constexpr int kCaptionInvalidId = 47004;
constexpr int kCaptionDelete = 47173;
constexpr int kUndoEditMetaConditions = 48001;

constexpr size_t kMaxIdLength = 30;

}  // namespace

CConditionAdmin::CConditionAdmin(EditorHost& host, CApplicationKav& project)
    : EditorDialog(host, kResourceId), project_(project) {
    AddList(kMetaList);
    AddControl(kMetaId);
    AddControl(kMetaText);
    AddControl(kMetaBrowse, "Browse Designators");
    AddControl(kMetaNew, "New");
    AddControl(kMetaSet, "Set");
    AddControl(kMetaDelete, "Delete");
}

int CConditionAdmin::EditMetaConditions(std::string& chosenId) {
    SetTitle("Meta-Condition Editor", false);
    chosenId.clear();
    chosenId_.clear();
    modified_ = false;
    working_.DeleteAll();
    for (CConditionKav* meta : project_.GetMetaConditions()) {
        meta->SetEdited(false);
        working_.Add(meta->Clone(kCloneKeepId | kCloneKeepFile));
    }

    if (Host().RunModal(*this) != kIdOk) {
        working_.DeleteAll();
        return 0;
    }
    chosenId = chosenId_;
    if (!modified_) {
        working_.DeleteAll();
        return 0;
    }
    MergeEditedCopies(project_.GetMetaConditions(), working_);
    Host().SetModified(LoadMessage(kUndoEditMetaConditions));
    return 1;
}

void CConditionAdmin::OnInitDialog() {
    EditorList& rows = EditList(kMetaList);
    rows.SetColumns({{"ID", 150}, {"Meta-Condition", 350}});
    rows.SetSorted(true);
    rows.Clear();
    for (CConditionKav* meta : working_) rows.AddRow({meta->GetId(), meta->GetText()}, meta);
    UpdateControls(kStateNewEntry);
}

void CConditionAdmin::UpdateControls(ControlState state) {
    const bool changeable = state != kStateRowNotChangeable;
    for (int control : {kMetaId, kMetaText, kMetaBrowse, kMetaSet}) Enable(control, changeable);
    Enable(kMetaDelete, state == kStateRowChosen);
    if (changeable) {
        SetDefaultButton(kMetaSet);
        SetFocus(kMetaId);
    } else {
        SetDefaultButton(kIdOk);
    }
    newEntry_ = state == kStateNewEntry;
    if (state == kStateNewEntry) {
        SetText(kMetaId, "");
        SetText(kMetaText, "");
        EditList(kMetaList).Highlight(-1);
        chosenId_.clear();
    }
}

CConditionKav* CConditionAdmin::LoadRow(int row) {
    CConditionKav* meta = List(kMetaList).ItemAt<CConditionKav>(row);
    if (meta) {
        SetText(kMetaId, meta->GetId());
        SetText(kMetaText, meta->GetText());
        chosenId_ = meta->GetId();
    }
    return meta;
}

void CConditionAdmin::OnListRowChosen(int, int row) {
    const CConditionKav* meta = LoadRow(row);
    if (!meta) UpdateControls(kStateNewEntry);
    else UpdateControls(meta->IsEditable(false) ? kStateRowChosen : kStateRowNotChangeable);
}

void CConditionAdmin::OnListRowDoubleClicked(int, int row) {
    if (!LoadRow(row)) chosenId_.clear();
    EndDialog(kIdOk);
}

void CConditionAdmin::OnNew() {
    UpdateControls(kStateNewEntry);
}

bool CConditionAdmin::SetMetaCondition() {
    EditorList& rows = EditList(kMetaList);
    CConditionKav* chosen = newEntry_ ? nullptr : rows.ItemAt<CConditionKav>(rows.GetHighlighted());
    // The fields of a meta-condition that may not be changed only show it.
    if (!newEntry_ && (!chosen || !chosen->IsEditable(false))) return true;

    const std::string id = GetText(kMetaId);
    const std::string text = GetText(kMetaText);
    if (!CheckId(id)) return false;
    switch (CheckConditionText(working_, text, id)) {
        case ConditionTextFault::kMetaIds: return Refuse(kInvalidMetaIds, kCaptionInvalidCondition, kMetaText);
        case ConditionTextFault::kConcatenation: return Refuse(kConcatenation, kCaptionInvalidCondition, kMetaText);
        case ConditionTextFault::kCondition:
            return RefuseWithText(GetGlobalMessageBuffer(), kCaptionInvalidCondition, kMetaText);
        case ConditionTextFault::kNone: break;
    }

    if (chosen) {
        chosen->SetId(id);
        chosen->SetText(text);
        rows.SetRowTexts(rows.GetHighlighted(), {id, text});
    } else {
        chosen = working_.Add(new CConditionKav(id, text));
        CFileKav* mainFile = project_.GetMainFile();
        chosen->SetFile(mainFile);
        chosen->SetFileId(mainFile ? mainFile->GetID() : std::string());
        rows.AddRow({id, text}, chosen);
    }
    chosen->SetEdited(true);
    modified_ = true;
    UpdateControls(kStateNewEntry);
    return true;
}

bool CConditionAdmin::CheckId(const std::string& id) {
    if (Utf16Length(id) > kMaxIdLength) return Refuse(kIdTooLong, kCaptionInvalidId, kMetaId);
    if (!CConditionList::CheckMetaConditionId(id)) return Refuse(kInvalidId, kCaptionInvalidId, kMetaId);
    if (newEntry_) {
        if (!working_.IsIdUnused(id)) return Refuse(kNewIdExists, kCaptionInvalidId, kMetaId);
    } else if (!EqualsNoCase(id, chosenId_) && !working_.IsIdUnused(id)) {
        return Refuse(kRenamedIdExists, kCaptionInvalidId, kMetaId);
    }
    return true;
}

void CConditionAdmin::OnDelete() {
    EditorList& rows = EditList(kMetaList);
    const int row = rows.GetHighlighted();
    if (row < 0 || !AskYesNo(kReallyDelete, kCaptionDelete)) return;
    // The row's own meta-condition: another file may hold one of the same ID.
    CConditionKav* meta = rows.ItemAt<CConditionKav>(row);
    rows.RemoveRow(row);
    working_.Delete(meta);
    modified_ = true;
    UpdateControls(kStateNewEntry);
}

void CConditionAdmin::OnBrowseDesignators() {
    BrowseDesignatorsInto(kMetaText, nullptr);
}

bool CConditionAdmin::OnOK() {
    const std::string chosenId = chosenId_;
    if ((!GetText(kMetaId).empty() || !GetText(kMetaText).empty()) && !SetMetaCondition()) return false;
    chosenId_ = chosenId;
    return true;
}
