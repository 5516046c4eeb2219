#include "editors/windows/TagMissingDlg.h"

#include "conversion/framework/TagGeneration.h"
#include "model/ApplicationKav.h"
#include "model/WindowKav.h"
#include "resources/MessageCatalogue.h"
#include "shell/EditorHost.h"

namespace {

constexpr int kWindowNotFound = 41015;
constexpr int kEnterValidTag = 44484;
constexpr int kCaptionEmptyTag = 47156;
constexpr int kUndoEditWindowTag = 48072;

}  // namespace

CTagMissingDlg::CTagMissingDlg(EditorHost& host, CApplicationKav& project, const ConverterTable& table)
    : EditorDialog(host, kResourceId), project_(project), table_(table) {
    AddList(kMissingWindows);
    EditList(kMissingWindows).SetSorted(true);
    AddControl(kMissingTag);
    AddControl(kMissingSetTag, "Set Tag");
    // OK alone ends the dialog.
    Show(kIdCancel, false);
}

void CTagMissingDlg::CheckMissingTags() {
    windows_ = FindWindowsMissingTags(project_, project_.GetOutputFormat(), table_);
    if (!windows_.empty()) Host().RunModal(*this);
}

void CTagMissingDlg::OnInitDialog() {
    SetTitle("Missing Tags", false);
    EditorList& list = EditList(kMissingWindows);
    list.Clear();
    for (CWindowKav* window : windows_) list.AddRow({window->GetName()}, window);
    EnableTagEntry(false);
}

void CTagMissingDlg::EnableTagEntry(bool enabled) {
    Enable(kMissingTag, enabled);
    Enable(kMissingSetTag, enabled);
}

void CTagMissingDlg::OnListRowChosen(int list, int row) {
    (void)list;
    EnableTagEntry(row >= 0);
    if (row >= 0) SetFocus(kMissingTag);
}

void CTagMissingDlg::OnSetTag() {
    EditorList& list = EditList(kMissingWindows);
    const int row = list.GetHighlighted();
    if (row < 0) return;
    // Windows of libraries share names with the main file's: each is found in its own file.
    const CWindowKav* listed = list.ItemAt<CWindowKav>(row);
    CWindowKav* window = project_.GetWindowList().FindByName(list.RowTexts(row).front(), listed->GetFile());
    if (!window) {
        ShowFatalError(kWindowNotFound);
        return;
    }
    const std::string tag = GetText(kMissingTag);
    if (tag.empty()) {
        Refuse(kEnterValidTag, kCaptionEmptyTag, kMissingTag);
        return;
    }
    window->SetTag(tag);
    Host().SetModified(LoadMessage(kUndoEditWindowTag));
    list.RemoveRow(row);
    list.Highlight(-1);
    SetText(kMissingTag, "");
    EnableTagEntry(false);
}
