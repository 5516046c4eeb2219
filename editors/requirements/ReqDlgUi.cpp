#include "editors/requirements/ReqDlgUi.h"

#include "shell/MainFrame.h"

void InstallRequirementsPage(EditorHostOfFrame hostOf) {
    InstallModelTreePage<ReqDlgUi>(WorkspacePageIndex::Requirements, std::move(hostOf),
                                   [](CMainFrame& mainFrame, CReqDlg* page) { mainFrame.SetRequirementsPage(page); });
}
