#pragma once
// The window of the data set dialog: Name, Description and Data Source with its Browse button.
#include "editors/data/DataSetDlg.h"
#include "editors/framework/EditorDialogUi.h"

class DataSetDlgUi : public EditorDialogUi {
public:
    DataSetDlgUi(CDataSetDlg& dialog, wxWindow* parent);
};
