#pragma once
// The window of the effect editor: the list of effects above the entry area and the buttons New,
// Set, Delete, OK and Cancel.
#include "editors/data/DataEffectDlg.h"
#include "editors/framework/EditorDialogUi.h"

class DataEffectDlgUi : public EditorDialogUi {
public:
    DataEffectDlgUi(CDataEffectDlg& dialog, wxWindow* parent);
};
