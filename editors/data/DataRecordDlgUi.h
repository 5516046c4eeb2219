#pragma once
// The window of the data record dialog: the record grid above the edit box with Set, the
// buttons Insert Before and Insert After, the group Delete Records with the type choice and
// Delete, and OK and Cancel.
#include "editors/data/DataRecordDlg.h"
#include "editors/framework/EditorDialogUi.h"

class DataRecordDlgUi : public EditorDialogUi {
public:
    DataRecordDlgUi(CDataRecordDlg& dialog, wxWindow* parent);

private:
    void OnCharHook(wxKeyEvent& event);

    CDataRecordDlg& dialog_;
};
