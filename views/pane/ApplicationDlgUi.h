#pragma once
// The application pane on the toolkit: the frame's workspace pane with the Tasks and Windows
// pages in their slots, registered with the frame while they live, and the page switch by the
// pane's rule.
#include "shell/wx/WorkspacePaneUi.h"
#include "views/pane/ApplicationDlg.h"
#include "views/pane/FramePageHost.h"

class CTaskDlgUi;
class CWindowDlgUi;

class CApplicationDlgUi : public WorkspacePaneUi {
public:
    CApplicationDlgUi(wxWindow* parent, CMainFrame& mainFrame);
    ~CApplicationDlgUi() override;

    CApplicationDlg& GetLogic() { return pane_; }
    CTaskDlgUi& GetTaskTree() { return *taskTree_; }
    CWindowDlgUi& GetWindowTree() { return *windowTree_; }

    // A page outside the sheet is not switched to; the tab strip shows the switch at once.
    void SelectPage(WorkspacePageIndex index) override;

private:
    CMainFrame& mainFrame_;
    FramePageHost host_;
    CApplicationDlg pane_;
    CTaskDlgUi* taskTree_;
    CWindowDlgUi* windowTree_;
};

// The frame's workspace pane becomes this pane.
void InstallApplicationPane();
