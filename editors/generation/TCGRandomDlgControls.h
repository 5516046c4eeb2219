#pragma once
// The controls of the dialog "Random Test Options" over its plain class CTCGRandomDlg.
#include "editors/generation/DialogControls.h"
#include "generation/TCGRandomDlg.h"

class TCGRandomDlgControls : public DialogControls {
public:
    TCGRandomDlgControls(EditorHost& host, CTCGRandomDlg& dialog);

    void OnInitDialog() override;
    // The checks of CTCGRandomDlg, each refusal with its caption and the focus on its control.
    bool OnOK() override;

private:
    CTCGRandomDlg& dialog_;
};
