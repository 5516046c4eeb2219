#pragma once
// The controls of the dialog "Test Case Generation" over its plain class CTCGDlg: the choices
// go into the radio buttons, check boxes and edits when it opens and after every click, and
// come back before each handler. "Random Test Options..." runs the random options' dialog.
#include <vector>

#include "editors/generation/DialogControls.h"
#include "generation/TCGDlg.h"

class TCGDlgControls : public DialogControls {
public:
    TCGDlgControls(EditorHost& host, CTCGDlg& dialog);

    void OnInitDialog() override;
    // A click on a test kind or a scope: the element may force another kind.
    void OnKindOrScope();
    void OnRandomOptions();
    // The checks of CTCGDlg, each refusal with its caption and the focus on its control.
    bool OnOK() override;

    // The radio groups, in the order of their values.
    static const std::vector<int> kKinds;
    static const std::vector<int> kCoverages;
    static const std::vector<int> kScopes;

private:
    void ReadChoices();
    void ShowChoices(const TCGEnabling& enabling);

    CTCGDlg& dialog_;
};
