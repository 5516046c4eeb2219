#pragma once
// The Requirements page on the toolkit: a panel whose only control is the requirement tree,
// owning the page's logic. It fills slot 1 of the application pane once installed.
#include "editors/framework/ModelTreePageUi.h"
#include "editors/requirements/ReqDlg.h"
#include "editors/requirements/ReqTreeUi.h"

class ReqDlgUi : public ModelTreePageUi<CReqDlg, ReqTreeUi> {
public:
    using ModelTreePageUi::ModelTreePageUi;
};

// Lets the application pane make the Requirements page, which registers with the frame while
// it lives.
void InstallRequirementsPage(EditorHostOfFrame hostOf);
