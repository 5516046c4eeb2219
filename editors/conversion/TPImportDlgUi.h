#pragma once
// The window of the dialog "Interface to TestPartner Database": the import with its login, the
// report file, the run of the test package, Finish and Cancel.
#include "editors/conversion/TPImportDlgControls.h"
#include "editors/framework/EditorDialogUi.h"

class TPImportDlgUi : public EditorDialogUi {
public:
    TPImportDlgUi(TPImportDlgControls& dialog, wxWindow* parent);
};
