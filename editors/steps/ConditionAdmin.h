#pragma once
// The meta-condition administration: the project's meta-conditions, named conditions that
// other conditions use as "%" and the ID, edited as copies in a list sorted by ID with the
// fields ID and Meta-Condition and the buttons New, Set and Delete. Unlike the other list
// editors its runner writes the project itself and records the undo step. The condition editor
// opens it to pick one: a double click on a row ends it at once with that row's ID.
#include <string>

#include "editors/framework/EditorDialog.h"
#include "model/ConditionList.h"

class CApplicationKav;

// Dialog ids of the controls.
enum ConditionAdminControl : int {
    kMetaNew = 1065,
    kMetaSet = 1066,
    kMetaDelete = 1067,
    kMetaText = 1068,
    kMetaId = 1069,
    kMetaBrowse = 1229,
    kMetaList = 1386,
};

class CConditionAdmin : public EditorDialog {
public:
    static constexpr int kResourceId = 159;

    CConditionAdmin(EditorHost& host, CApplicationKav& project);

    // Runs the dialog on copies of the project's meta-conditions: 1 when they were replaced
    // (the project is then marked modified with its undo step), 0 otherwise. chosenId: the ID
    // of the row chosen last when the dialog ended with OK, "" on Cancel.
    int EditMetaConditions(std::string& chosenId);

    void OnInitDialog() override;
    void OnNew();
    void OnSet() { SetMetaCondition(); }
    // Applies the fields: a new meta-condition, or the chosen one changed. False after a
    // refusal, with nothing changed.
    bool SetMetaCondition();
    void OnDelete();
    void OnBrowseDesignators();
    // Applies filled fields first and closes only when that succeeds.
    bool OnOK() override;

    // The copies the dialog works on, in the project's order with new ones at the end.
    const CConditionList& WorkingList() const { return working_; }

protected:
    void OnListRowChosen(int list, int row) override;
    void OnListRowDoubleClicked(int list, int row) override;

private:
    enum ControlState : int { kStateNewEntry = 0, kStateRowChosen = 1, kStateRowNotChangeable = 2 };

    void UpdateControls(ControlState state);
    // Fills the fields from the row's meta-condition and makes its ID the chosen one; null for
    // none.
    CConditionKav* LoadRow(int row);
    bool CheckId(const std::string& id);

    CApplicationKav& project_;
    CConditionList working_;
    std::string chosenId_;
    bool newEntry_ = true;
    bool modified_ = false;
};
