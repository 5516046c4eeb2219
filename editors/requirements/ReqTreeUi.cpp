#include "editors/requirements/ReqTreeUi.h"

#include <wx/artprov.h>
#include <wx/textctrl.h>

ReqTreeUi::ReqTreeUi(wxWindow* parent, CReqDlg& page)
    : ModelTreeUi(parent, CReqDlg::kTreeId, page.Tree(), page,
                  wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT | wxTR_EDIT_LABELS | wxTR_SINGLE),
      page_(page) {
    // Project, requirement, library.
    SetImages({wxART_FOLDER_OPEN, wxART_NORMAL_FILE, wxART_FOLDER}, wxSize(16, 15));
    Bind(wxEVT_TREE_BEGIN_LABEL_EDIT, &ReqTreeUi::OnBeginLabelEdit, this);
    Bind(wxEVT_TREE_END_LABEL_EDIT, &ReqTreeUi::OnEndLabelEdit, this);
    // Bound after the base's handlers, so called before them.
    Bind(wxEVT_TREE_BEGIN_DRAG, &ReqTreeUi::OnBeginDrag, this);
    Bind(wxEVT_TREE_END_DRAG, &ReqTreeUi::OnEndDrag, this);
}

void ReqTreeUi::OnBeginLabelEdit(wxTreeEvent& event) {
    const wxTreeItemId item = event.GetItem();
    const std::optional<std::string> text = page_.BeginLabelEdit(TreeItemOf(item));
    if (!text) {
        event.Veto();
        return;
    }
    editStart_ = *text;
    editEscaped_ = false;
    // The edit box starts with the item's text: the bare ID. Once it is open the item shows
    // nothing behind it.
    SetItemText(item, wxString::FromUTF8(*text));
    CallAfter([this, item] {
        wxTextCtrl* edit = GetEditControl();
        if (!edit || !page_.IsEditingLabel()) return;
        SetItemText(item, wxString());
        edit->Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& key) {
            if (key.GetKeyCode() == WXK_ESCAPE) editEscaped_ = true;
            key.Skip();
        });
    });
}

void ReqTreeUi::OnEndLabelEdit(wxTreeEvent& event) {
    const bool unchanged = event.IsEditCancelled() && !editEscaped_;
    const std::string text = unchanged ? editStart_ : std::string(event.GetLabel().utf8_str());
    page_.EndLabelEdit(TreeItemOf(event.GetItem()), event.IsEditCancelled() && editEscaped_, text);
    // The page has given the item its text, whatever became of the rename.
    event.Veto();
}

void ReqTreeUi::OnBeginDrag(wxTreeEvent& event) {
    // The base starts the drag of what the page lets go.
    if (page_.CanDrag(TreeItemOf(event.GetItem()))) event.Skip();
}

void ReqTreeUi::OnEndDrag(wxTreeEvent& event) {
    const int dragged = TreeItemOf(wxTreeItemId(const_cast<void*>(GetLogic().GetDraggedItem())));
    GetLogic().EndDrag(nullptr);
    const int target = TreeItemOf(event.GetItem());
    if (dragged && target && target != dragged) page_.DropItem(dragged, target);
}
