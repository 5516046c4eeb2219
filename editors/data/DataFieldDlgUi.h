#pragma once
// The window of the data field dialog: Name, Type, Default Value, the Create Default
// Equivalence Classes box, the definition range and Description.
#include "editors/data/DataFieldDlg.h"
#include "editors/framework/EditorDialogUi.h"

class DataFieldDlgUi : public EditorDialogUi {
public:
    DataFieldDlgUi(CDataFieldDlg& dialog, wxWindow* parent);
};
