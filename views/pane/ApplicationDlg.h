#pragma once
// The workspace pane without its window: one property sheet with four pages in a fixed order,
// Tasks, Requirements, Windows and Test Data (WorkspacePageIndex). The pane makes the Tasks and
// Windows pages; the editors make the other two and fill their slots. The pane switches only to
// a page it has.
#include "shell/WorkspacePage.h"
#include "views/trees/TaskDlg.h"
#include "views/trees/WindowDlg.h"

class CXPropertySheet;

class CApplicationDlg {
public:
    explicit CApplicationDlg(TreePageHost& host) : taskPage_(host), windowPage_(host) {}
    CApplicationDlg(const CApplicationDlg&) = delete;
    CApplicationDlg& operator=(const CApplicationDlg&) = delete;

    // The sheet whose tabs are the pages (not owned).
    void AttachSheet(CXPropertySheet* sheet) { sheet_ = sheet; }

    CTaskDlg& GetTaskPage() { return taskPage_; }
    CWindowDlg& GetWindowPage() { return windowPage_; }

    // The index of the active page (0 to 3), or -1 without a sheet or page.
    int GetActivePage() const;
    // Switches to the page: the sheet's parent hears of the change before and after. An index
    // outside the pages changes nothing and tells nobody: null. Otherwise the sheet.
    CXPropertySheet* SetActivePage(int index);

private:
    CTaskDlg taskPage_;
    CWindowDlg windowPage_;
    CXPropertySheet* sheet_ = nullptr;
};
