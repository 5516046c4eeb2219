#pragma once
// The Test Data page on the toolkit: a panel whose only control is the data tree, owning the
// page's logic. It fills slot 3 of the application pane once installed.
#include "editors/data/DataDlg.h"
#include "editors/data/DataTreeUi.h"
#include "editors/framework/ModelTreePageUi.h"

class DataDlgUi : public ModelTreePageUi<CDataDlg, DataTreeUi> {
public:
    using ModelTreePageUi::ModelTreePageUi;
};

// Lets the application pane make the Test Data page, which registers with the frame while it
// lives.
void InstallTestDataPage(EditorHostOfFrame hostOf);
