#pragma once
// The requirement dialog: the ID, title, description and document path of one requirement. It
// works on the requirement itself: OK writes the entries into it once the ID passed its
// checks, Cancel leaves it as it was. The caller refreshes the tree and records the undo step.
#include "editors/framework/EditorDialog.h"

class CApplicationKav;
class CRequirement;

// Dialog ids of the controls.
enum RequirementDlgControl : int {
    kRequirementDocPath = 1358,
    kRequirementBrowse = 1359,
    kRequirementDescription = 1360,
    kRequirementId = 1361,
    kRequirementTitle = 1365,
};

class CRequirementDlg : public EditorDialog {
public:
    static constexpr int kResourceId = 280;

    CRequirementDlg(EditorHost& host, CApplicationKav& project);

    // Runs the dialog on the requirement: 1 when it may be changed and the dialog ended with OK
    // (changed or not), else 0.
    int EditRequirement(CRequirement& requirement);

    void OnInitDialog() override;
    // Checks the ID against the main file's other requirements and the ID rules, then writes
    // the entries; a read-only run only closes.
    bool OnOK() override;
    // Chooses the document, starting from the path entered.
    void OnBrowse();

private:
    CApplicationKav& project_;
    CRequirement* requirement_ = nullptr;
    bool readOnly_ = false;
};
