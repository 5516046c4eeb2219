#pragma once
// The window of the dialog "Random Test Options": the coverage goals, the exit criteria and the
// search strategy.
#include "editors/framework/EditorDialogUi.h"
#include "editors/generation/TCGRandomDlgControls.h"

class TCGRandomDlgUi : public EditorDialogUi {
public:
    TCGRandomDlgUi(TCGRandomDlgControls& dialog, wxWindow* parent);
};
