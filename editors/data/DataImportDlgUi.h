#pragma once
// The window of the test data import: the data set box, the data source with Browse, the field
// separator, OK and Cancel.
#include "editors/data/DataImportDlg.h"
#include "editors/framework/EditorDialogUi.h"

class DataImportDlgUi : public EditorDialogUi {
public:
    DataImportDlgUi(CDataImportDlg& dialog, wxWindow* parent);
};
