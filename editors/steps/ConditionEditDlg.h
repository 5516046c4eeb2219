#pragma once
// The condition editor: the conditions of a step, one line of the condition language each,
// edited as copies with the field Condition and the buttons New, Set and Delete. Designators
// and meta-condition references can be inserted, and the list can be shown with every
// reference expanded. The caller's list is replaced only when something changed and the
// dialog ended with OK; the caller records the undo step.
#include <string>

#include "editors/framework/EditorDialog.h"
#include "model/ConditionKav.h"
#include "platform/ObjectList.h"

class CApplicationKav;
class CTaskKav;

// Dialog ids of the controls.
enum ConditionEditControl : int {
    kCondList = 1000,
    kCondText = 1005,
    kCondDelete = 1022,
    kCondNew = 1023,
    kCondSet = 1025,
    kCondExpand = 1042,
    kCondMeta = 1043,
    kCondBrowse = 1044,
};

class CConditionEditDlg : public EditorDialog {
public:
    static constexpr int kResourceId = 102;

    CConditionEditDlg(EditorHost& host, CApplicationKav& project);

    // Runs the dialog on copies of the conditions (each keeps its unique id, file and Edited
    // mark): 1 when the list was replaced, 0 when it was left untouched. browseTask: the task
    // whose parameters the reference browser offers (may be null).
    int EditConditions(OwningList<CConditionKav>& conditions, CTaskKav* browseTask, bool readOnly);

    void OnInitDialog() override;
    void OnNew();
    void OnSet() { SetCondition(); }
    // Applies the field: a new condition, or the chosen one changed. False after a refusal,
    // with nothing changed.
    bool SetCondition();
    void OnDelete();
    void OnBrowseDesignators();
    // Picks a meta-condition in the meta-condition administration and appends its reference.
    void OnMetaConditions();
    // Shows every row and the field with their meta-condition references resolved, or back.
    void OnExpandImplode();
    // Applies a filled field first and closes only when that succeeds.
    bool OnOK() override;

    // The copies the dialog works on; row i shows the i-th.
    const OwningList<CConditionKav>& WorkingList() const { return working_; }
    bool IsExpanded() const { return expanded_; }

protected:
    void OnListRowChosen(int list, int row) override;

private:
    // No row chosen, the field cleared and focused.
    void StartNewEntry();
    void Expand();
    void Implode();

    CApplicationKav& project_;
    OwningList<CConditionKav> working_;
    CTaskKav* browseTask_ = nullptr;
    bool readOnly_ = false;
    bool newEntry_ = true;
    bool modified_ = false;
    bool expanded_ = false;
    // What the field held before expanding.
    std::string savedText_;
};
