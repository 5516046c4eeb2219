#pragma once
// The window of the tag generation dialog: the test tool and the preference.
#include "editors/framework/EditorDialogUi.h"
#include "editors/windows/TagGenerationDlg.h"

class TagGenerationDlgUi : public EditorDialogUi {
public:
    TagGenerationDlgUi(CTagGenerationDlg& dialog, wxWindow* parent);
};
