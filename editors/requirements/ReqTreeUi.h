#pragma once
// The requirement tree on the toolkit: a tree control that mirrors the items of the page's
// CReqTree, renames requirements in place, drags them onto others, and hands the page its keys,
// double clicks and context menu.
#include <string>

#include "editors/framework/ModelTreeUi.h"
#include "editors/requirements/ReqDlg.h"

class ReqTreeUi : public ModelTreeUi {
public:
    ReqTreeUi(wxWindow* parent, CReqDlg& page);

private:
    void OnKey(wxTreeEvent& event);
    void OnBeginLabelEdit(wxTreeEvent& event);
    void OnEndLabelEdit(wxTreeEvent& event);
    void OnBeginDrag(wxTreeEvent& event);
    void OnEndDrag(wxTreeEvent& event);
    void OnContextMenu(wxTreeEvent& event);

    CReqDlg& page_;
    // The text the edit began with, and whether Esc ended it: the toolkit reports a text
    // confirmed unchanged as a cancelled edit.
    std::string editStart_;
    bool editEscaped_ = false;
};
