#include "editors/data/DataTreeUi.h"

#include <wx/artprov.h>

DataTreeUi::DataTreeUi(wxWindow* parent, CDataDlg& page)
    : ModelTreeUi(parent, CDataDlg::kTreeId, page.Tree(), page,
                  wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT | wxTR_EDIT_LABELS | wxTR_SINGLE),
      page_(page) {
    // Project, data set, field, group, (unused), records, (unused), library.
    SetImages({wxART_FOLDER_OPEN, wxART_REPORT_VIEW, wxART_NORMAL_FILE, wxART_LIST_VIEW, wxART_MISSING_IMAGE,
               wxART_EXECUTABLE_FILE, wxART_MISSING_IMAGE, wxART_FOLDER},
              wxSize(16, 16));
    // Bound after the base's handler, so called before it: no drag starts.
    Bind(wxEVT_TREE_BEGIN_DRAG, [](wxTreeEvent& event) { event.Veto(); });
    Bind(wxEVT_TREE_BEGIN_LABEL_EDIT, &DataTreeUi::OnBeginLabelEdit, this);
    Bind(wxEVT_TREE_END_LABEL_EDIT, &DataTreeUi::OnEndLabelEdit, this);
}

void DataTreeUi::OnBeginLabelEdit(wxTreeEvent& event) {
    if (!page_.BeginLabelEdit(TreeItemOf(event.GetItem()))) event.Veto();
}

void DataTreeUi::OnEndLabelEdit(wxTreeEvent& event) {
    page_.EndLabelEdit(TreeItemOf(event.GetItem()), event.IsEditCancelled(), std::string(event.GetLabel().utf8_str()));
    // The page has given the item its text, whatever became of the rename.
    event.Veto();
}
