#include "editors/generation/GenerationViews.h"

#include "editors/generation/DataRecordGenDlgControls.h"
#include "editors/generation/TCGDlgControls.h"
#include "editors/generation/TCGStatusDlg.h"
#include "editors/generation/TestCaseAdminDlgControls.h"
#include "shell/EditorHost.h"

CTCGDlg::Views MakeGenerationViews(EditorHost& host) {
    CTCGDlg::Views views;
    views.showSettings = [&host](CTCGDlg& dialog) {
        TCGDlgControls controls(host, dialog);
        return host.RunModal(controls) == kIdOk;
    };
    views.showStatus = [&host](const GenerationRequest& request) {
        CTCGStatusDlg::SetParameters(host, request, false);
    };
    return views;
}

CDataRecordGenDlg::Views MakeDataRecordGenViews(EditorHost& host, RecordReportViewer showReport) {
    CDataRecordGenDlg::Views views;
    views.showDialog = [&host](CDataRecordGenDlg& dialog) {
        DataRecordGenDlgControls controls(host, dialog);
        return host.RunModal(controls) == kIdOk;
    };
    views.showReport = std::move(showReport);
    return views;
}

void SelectTestCaseToView(EditorHost& host, const CApplicationKav& project, CWindowKav* window,
                          CStepKav* transitionStep, CTaskKav* task, const std::vector<CTestCase*>& testCases) {
    CTestCaseAdminDlg dialog(project, window, transitionStep, task, testCases);
    TestCaseAdminDlgControls controls(host, dialog);
    host.RunModal(controls);
}
