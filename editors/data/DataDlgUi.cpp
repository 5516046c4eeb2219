#include "editors/data/DataDlgUi.h"

#include <wx/app.h>

#include "shell/MainFrame.h"
#include "shell/MessageLogDlg.h"
#include "shell/wx/MessageLogDlgUi.h"

namespace {

// The report of generated records in the message log window, over the main window.
void ShowRecordReport(const std::string&, const MessageLog& report) {
    CMessageLogDlg log(CMessageLogDlg::kGeneratedRecords, [&report](MessageLog& lines) {
        for (const std::string& line : report.Lines()) lines.AddMessage(line);
        return 1;
    });
    CMessageLogDlgUi::ShowLog(wxTheApp->GetTopWindow(), log);
}

}  // namespace

void InstallTestDataPage(EditorHostOfFrame hostOf) {
    InstallModelTreePage<DataDlgUi>(WorkspacePageIndex::TestData, std::move(hostOf),
                                    [](CMainFrame& mainFrame, CDataDlg* page) {
                                        if (page) page->SetRecordReportViewer(ShowRecordReport);
                                        mainFrame.SetTestDataPage(page);
                                    });
}
