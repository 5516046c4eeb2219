#pragma once
// The window of the equivalence class editor: the list of classes above the entry area and the
// buttons New, Set, Delete, OK and Cancel.
#include "editors/data/DataEqClassDlg.h"
#include "editors/framework/EditorDialogUi.h"

class DataEqClassDlgUi : public EditorDialogUi {
public:
    DataEqClassDlgUi(CDataEqClassDlg& dialog, wxWindow* parent);
};
