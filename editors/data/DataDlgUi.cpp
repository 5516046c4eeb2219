#include "editors/data/DataDlgUi.h"

#include "shell/MainFrame.h"

void InstallTestDataPage(EditorHostOfFrame hostOf) {
    InstallModelTreePage<DataDlgUi>(WorkspacePageIndex::TestData, std::move(hostOf),
                                    [](CMainFrame& mainFrame, CDataDlg* page) { mainFrame.SetTestDataPage(page); });
}
