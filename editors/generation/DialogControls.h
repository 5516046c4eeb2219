#pragma once
// Base of the controls of a run dialog whose rules live in a plain class of an earlier library
// (generation, conversion), which reports a refused OK as a DialogCheckFailure.
#include "editors/framework/EditorDialog.h"
#include "generation/DialogCheck.h"

class DialogControls : public EditorDialog {
protected:
    using EditorDialog::EditorDialog;
    using EditorDialog::Refuse;

    // The failure's warning with its caption; the focus goes to its control. Always false.
    bool Refuse(const DialogCheckFailure& failure);
};
