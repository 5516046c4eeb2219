#pragma once
// The requirement tree on the toolkit: the page's CReqTree in an item tree window that renames
// requirements in place and drags them onto others, the page deciding both.
#include "editors/requirements/ReqDlg.h"
#include "views/trees/ItemTreeUi.h"

class ReqTreeUi : public ItemTreeUi {
public:
    ReqTreeUi(wxWindow* parent, CReqDlg& page);

private:
    void OnBeginDrag(wxTreeEvent& event);
    void OnEndDrag(wxTreeEvent& event);

    CReqDlg& page_;
};
