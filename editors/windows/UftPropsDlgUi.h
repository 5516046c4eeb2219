#pragma once
// The window of the UFT properties: the general properties above, the identification
// properties below as a list with the entry fields and New, Set and Delete.
#include "editors/framework/EditorDialogUi.h"
#include "editors/windows/UftPropsDlg.h"

class UftPropsDlgUi : public EditorDialogUi {
public:
    UftPropsDlgUi(CPropsQTPDlg& dialog, wxWindow* parent);
};
