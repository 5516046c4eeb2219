#include "views/pane/ApplicationDlgUi.h"

#include "shell/MainFrame.h"
#include "views/trees/TreePagesUi.h"

CApplicationDlgUi::CApplicationDlgUi(wxWindow* parent, CMainFrame& mainFrame)
    : WorkspacePaneUi(parent, mainFrame), mainFrame_(mainFrame), host_(mainFrame), pane_(host_) {
    pane_.AttachSheet(&GetSheet().GetSheet());
    taskTree_ = new CTaskDlgUi(&GetPage(WorkspacePageIndex::Tasks), pane_.GetTaskPage());
    windowTree_ = new CWindowDlgUi(&GetPage(WorkspacePageIndex::Windows), pane_.GetWindowPage());
    // The pages fit their trees as the sheet places them.
    GetSheet().SendSizeEvent();
    mainFrame.SetTasksPage(&pane_.GetTaskPage());
    mainFrame.SetWindowsPage(&pane_.GetWindowPage());
}

CApplicationDlgUi::~CApplicationDlgUi() {
    mainFrame_.SetTasksPage(nullptr);
    mainFrame_.SetWindowsPage(nullptr);
    // The tree windows use the pages' trees to the end: they go first.
    DestroyChildren();
}

void CApplicationDlgUi::SelectPage(WorkspacePageIndex index) {
    if (pane_.SetActivePage(static_cast<int>(index))) GetSheet().Refresh();
}

void InstallApplicationPane() {
    InstallWorkspacePane([](wxWindow* parent, CMainFrame& mainFrame) -> WorkspacePaneUi* {
        return new CApplicationDlgUi(parent, mainFrame);
    });
}
