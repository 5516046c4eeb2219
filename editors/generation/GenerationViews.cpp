#include "editors/generation/GenerationViews.h"

#include "editors/generation/DataRecordGenDlgControls.h"
#include "editors/generation/TCGDlgControls.h"
#include "editors/generation/TCGStatusDlg.h"
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
