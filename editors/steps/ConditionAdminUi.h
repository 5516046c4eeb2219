#pragma once
// The window of the meta-condition administration: the list of meta-conditions above the fields
// ID and Meta-Condition and the buttons Browse Designators, New, Set, Delete, OK and Cancel.
#include "editors/framework/EditorDialogUi.h"
#include "editors/steps/ConditionAdmin.h"

class ConditionAdminUi : public EditorDialogUi {
public:
    ConditionAdminUi(CConditionAdmin& dialog, wxWindow* parent);
};
