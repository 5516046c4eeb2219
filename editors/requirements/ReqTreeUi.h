#pragma once
// The requirement tree on the toolkit: the page's CReqTree in a model tree window that renames
// requirements in place and drags them onto others.
#include <string>

#include "editors/framework/ModelTreeUi.h"
#include "editors/requirements/ReqDlg.h"

class ReqTreeUi : public ModelTreeUi {
public:
    ReqTreeUi(wxWindow* parent, CReqDlg& page);

private:
    void OnBeginLabelEdit(wxTreeEvent& event);
    void OnEndLabelEdit(wxTreeEvent& event);
    void OnBeginDrag(wxTreeEvent& event);
    void OnEndDrag(wxTreeEvent& event);

    CReqDlg& page_;
    // The text the edit began with, and whether Esc ended it: the toolkit reports a text
    // confirmed unchanged as a cancelled edit.
    std::string editStart_;
    bool editEscaped_ = false;
};
