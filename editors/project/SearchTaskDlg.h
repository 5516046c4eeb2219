#pragma once
// The task search: the tasks whose name contains a text, without regard to case, in the
// selected task and its sub-tasks, in one library, or in the whole project.
#include <optional>
#include <vector>

#include "editors/project/ObjectSearchDlg.h"

class CTaskKav;

// Dialog ids of the controls.
enum SearchTaskControl : int {
    kSearchTaskName = 1343,
    kSearchTaskSelected = 1344,
    kSearchTaskWhole = 1345,
};

class CSearchTaskDlg : public CObjectSearchDlg {
public:
    static constexpr int kResourceId = 276;

    CSearchTaskDlg(EditorHost& host, CApplicationKav& project);

    // Runs the dialog from the task or the library (either may be null): the tasks found, in
    // the order visited (empty when none matches), or nothing after Cancel.
    std::optional<std::vector<CTaskKav*>> Search(CTaskKav* task, CFileKav* library);

    void OnInitDialog() override;
    // Refuses an empty name; otherwise searches and closes.
    bool OnOK() override;

private:
    void VisitBelow(CTaskKav* task, const std::string& text);

    CTaskKav* task_ = nullptr;
    CFileKav* library_ = nullptr;
    std::vector<CTaskKav*> found_;
};
