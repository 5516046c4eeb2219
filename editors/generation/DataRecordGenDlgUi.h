#pragma once
// The window of the dialog "Record Generator": the test type, the values per equivalence class,
// the combination strategy, the kinds of records, OK and Cancel.
#include "editors/framework/EditorDialogUi.h"
#include "editors/generation/DataRecordGenDlgControls.h"

class DataRecordGenDlgUi : public EditorDialogUi {
public:
    DataRecordGenDlgUi(DataRecordGenDlgControls& dialog, wxWindow* parent);
};
