#include "editors/generation/TCGStatusDlg.h"

#include "platform/Format.h"
#include "platform/Interaction.h"
#include "platform/LogFile.h"
#include "platform/MessageBuffer.h"
#include "shell/EditorHost.h"

namespace {

constexpr int kResourceId = 239;

}  // namespace

CTCGStatusDlg::CTCGStatusDlg(EditorHost& host, CTCGRun& run) : EditorDialog(host, kResourceId), run_(run) {
    SetTitle("Test Case Generation Status", false);
    for (int counter : {kStatusTotal, kStatusCompleted, kStatusFailures, kStatusRemaining}) AddControl(counter);
    AddControl(kStatusStop, "Stop");
    AddControl(kStatusSaveLog, "Save Log File");
    run_.GetProgress().AddObserver(this);
}

CTCGStatusDlg::~CTCGStatusDlg() { run_.GetProgress().RemoveObserver(this); }

int CTCGStatusDlg::SetParameters(EditorHost& host, const GenerationRequest& request, bool autoClose) {
    CTCGRun run;
    run.SetParameters(request, autoClose);
    CTCGStatusDlg dialog(host, run);
    host.RunModal(dialog);
    return 1;
}

void CTCGStatusDlg::OnInitDialog() {
    for (int counter : {kStatusTotal, kStatusCompleted, kStatusFailures, kStatusRemaining}) SetText(counter, "0");
    Enable(kIdOk, false);
    Enable(kStatusSaveLog, false);
}

void CTCGStatusDlg::OnTimer() {
    if (run_.IsFinished()) return;
    run_.GetProgress().SetPollHook(pump_);
    run_.Run();
    run_.GetProgress().SetPollHook(nullptr);

    Enable(kIdOk);
    Enable(kStatusSaveLog);
    Enable(kStatusStop, false);
    SetDefaultButton(kIdOk);
    SetFocus(kIdOk);
    stopped_ = true;
    if (run_.ClosesByItself()) EndDialog(kIdOk);
    else if (closeWhenFinished_) EndDialog(kIdCancel);
}

void CTCGStatusDlg::OnStop() {
    stopped_ = true;
    run_.Stop();
}

void CTCGStatusDlg::OnSaveLog() {
    CLogFile file;
    if (run_.SaveLog(file))
        GetInteraction().ShowMessage(
            {GetGlobalMessageBuffer(), "Logfile saved", MessageButtons::Ok, MessageIcon::Information});
}

bool CTCGStatusDlg::OnCloseRequest() {
    if (!stopped_) return false;
    if (run_.IsFinished()) return true;
    closeWhenFinished_ = true;
    return false;
}

void CTCGStatusDlg::OnCountsChanged(const ProgressCounts& counts) {
    SetText(kStatusTotal, Fmt("%d", counts.total));
    SetText(kStatusCompleted, Fmt("%d", counts.completed));
    SetText(kStatusFailures, Fmt("%d", counts.failures));
    SetText(kStatusRemaining, Fmt("%d", counts.remaining));
}
