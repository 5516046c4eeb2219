#pragma once
// The task requirements dialog: which requirements of the project a task covers. The available
// requirements and those selected for the task stand side by side; Set >> and << Delete move
// one at a time, and the fields below show the requirement last chosen. The caller's list is
// replaced only after OK and a move.
#include <vector>

#include "editors/framework/EditorDialog.h"

class CApplicationKav;
class CRequirement;
class CTaskKav;

// Dialog ids of the controls.
enum TaskRequirementControl : int {
    kReqAvailable = 1367,
    kReqSelected = 1368,
    kReqSet = 1369,
    kReqDelete = 1370,
    kReqDescription = 1371,
    kReqDocPath = 1372,
    kReqTitle = 1373,
};

class CTaskRequirementDlg : public EditorDialog {
public:
    static constexpr int kResourceId = 281;

    CTaskRequirementDlg(EditorHost& host, CApplicationKav& project);

    // Runs the dialog on the task's requirement links: 1 when the list was replaced (the
    // requirements kept in their order, then those set in the order they were set), 0 when it
    // was left untouched.
    int EditRequirements(std::vector<CRequirement*>& requirements, CTaskKav* task);

    void OnInitDialog() override;
    void OnSet();
    void OnDelete();

    // The requirements linked while the dialog is open, in order.
    const std::vector<CRequirement*>& WorkingList() const { return working_; }

protected:
    void OnListRowChosen(int list, int row) override;

private:
    void ShowRequirement(const CRequirement* requirement);
    // A row at the top of the list.
    static void InsertRow(EditorList& list, CRequirement* requirement);

    CApplicationKav& project_;
    CTaskKav* task_ = nullptr;
    bool readOnly_ = false;
    bool changed_ = false;
    std::vector<CRequirement*> working_;
};
