#pragma once
// The window of the Ranorex properties: RanoreXPath, preferred capability, capability list.
#include "editors/framework/EditorDialogUi.h"
#include "editors/windows/RanorexPropsDlg.h"

class RanorexPropsDlgUi : public EditorDialogUi {
public:
    RanorexPropsDlgUi(CPropsRanorexDlg& dialog, wxWindow* parent);
};
