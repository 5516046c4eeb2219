#pragma once
// The data tree on the toolkit: the page's CDataTree in a model tree window that renames sets
// and fields in place. No item is dragged.
#include "editors/data/DataDlg.h"
#include "editors/framework/ModelTreeUi.h"

class DataTreeUi : public ModelTreeUi {
public:
    DataTreeUi(wxWindow* parent, CDataDlg& page);

private:
    void OnBeginLabelEdit(wxTreeEvent& event);
    void OnEndLabelEdit(wxTreeEvent& event);

    CDataDlg& page_;
};
