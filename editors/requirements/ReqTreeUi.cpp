#include "editors/requirements/ReqTreeUi.h"

#include "views/trees/TreeImages.h"

ReqTreeUi::ReqTreeUi(wxWindow* parent, CReqDlg& page)
    : ItemTreeUi(parent, CReqDlg::kTreeId, page.Tree(), page,
                 // Project, requirement, library.
                 ArtImages({wxART_FOLDER_OPEN, wxART_NORMAL_FILE, wxART_FOLDER}, wxSize(16, 15)), true),
      page_(page) {
    // Bound after the base's handlers, so called before them.
    Bind(wxEVT_TREE_BEGIN_DRAG, &ReqTreeUi::OnBeginDrag, this);
    Bind(wxEVT_TREE_END_DRAG, &ReqTreeUi::OnEndDrag, this);
}

void ReqTreeUi::OnBeginDrag(wxTreeEvent& event) {
    // The base starts the drag of what the page lets go.
    if (page_.CanDrag(TreeItemOf(event.GetItem()))) event.Skip();
}

void ReqTreeUi::OnEndDrag(wxTreeEvent& event) {
    const int dragged = CItemTree::ItemOfKey(Items().GetDraggedItem());
    Items().EndDrag(nullptr);
    const int target = TreeItemOf(event.GetItem());
    if (dragged && target && target != dragged) page_.DropItem(dragged, target);
}
