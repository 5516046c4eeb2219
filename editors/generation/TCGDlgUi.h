#pragma once
// The window of the dialog "Test Case Generation": the test kinds with their options (coverage,
// data records, random options, depth and traversals), the scope, the two log settings, OK and
// Cancel.
#include "editors/framework/EditorDialogUi.h"
#include "editors/generation/TCGDlgControls.h"

class TCGDlgUi : public EditorDialogUi {
public:
    TCGDlgUi(TCGDlgControls& dialog, wxWindow* parent);
};
