#pragma once
// The data tree on the toolkit: the page's CDataTree in an item tree window that renames sets
// and fields in place. No item is dragged.
#include "editors/data/DataDlg.h"
#include "views/trees/ItemTreeUi.h"

class DataTreeUi : public ItemTreeUi {
public:
    DataTreeUi(wxWindow* parent, CDataDlg& page);
};
