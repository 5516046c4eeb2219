#pragma once
// What the dialog "Test Case Selection" decides, without a window: the heading for the element
// whose test cases it lists, one row per test case in the order it shows them, and whether View
// can be pressed. The window shows it; the chosen test case goes to the test case view.
#include <string>
#include <vector>

class CApplicationKav;
class CStepKav;
class CTaskKav;
class CTestCase;
class CWindowKav;

// Control identifiers of the dialog.
enum TestCaseAdminControl : int { kAdminList = 1237, kAdminView = 1239, kAdminHeading = 1242 };

struct TestCaseAdminRow {
    std::string name;   // the display name
    std::string type;   // the kind's name; "" for a kind without one
    std::string error;  // "Y" or "N"
    std::string steps;  // their number
    CTestCase* testCase;
};

class CTestCaseAdminDlg {
public:
    // The element: a window with a transition step, a window, a task, or nothing for the project.
    CTestCaseAdminDlg(const CApplicationKav& project, CWindowKav* window, CStepKav* transitionStep, CTaskKav* task,
                      const std::vector<CTestCase*>& testCases);

    std::string GetHeading() const;
    // Sorted by name, then by type, comparing UTF-16 code units (upper case before lower case);
    // rows equal in both keep the order of the list given.
    const std::vector<TestCaseAdminRow>& Rows() const { return rows_; }

    // The selection changed (-1: no row).
    void OnSelChange(int row) { selected_ = row; }
    bool IsViewEnabled() const { return selected_ >= 0; }
    // The test case of the selected row; null without one.
    CTestCase* GetSelectedTestCase() const;

private:
    const CApplicationKav& project_;
    CWindowKav* window_;
    CStepKav* transitionStep_;
    CTaskKav* task_;
    std::vector<TestCaseAdminRow> rows_;
    int selected_ = -1;
};
