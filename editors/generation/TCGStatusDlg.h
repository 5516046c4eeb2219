#pragma once
// The dialog "Test Case Generation Status" over one generation run: it starts the run once it is
// on screen, shows the counts, the progress and the log as they come, offers Stop while the run
// goes on, and OK and "Save Log File" when it is over. The run's progress pumps the window's
// events from its polls (SetEventPump), so Stop works while generation runs on the window's
// thread without generation knowing of windows.
#include <functional>
#include <string>
#include <vector>

#include "editors/framework/EditorDialog.h"
#include "generation/TCGRun.h"

enum TCGStatusControl : int {
    kStatusTotal = 1243,
    kStatusCompleted = 1244,
    kStatusFailures = 1245,
    kStatusRemaining = 1246,
    kStatusProgressBar = 1247,
    kStatusLog = 1347,
    kStatusStop = 1348,
    kStatusSaveLog = 1349,
};

class CTCGStatusDlg : public EditorDialog, private ProgressObserver {
public:
    // The one-shot timer that starts the run after the window has opened.
    static constexpr int kStartDelayMs = 300;

    // The run is not owned; the dialog observes its progress while it lives.
    CTCGStatusDlg(EditorHost& host, CTCGRun& run);
    ~CTCGStatusDlg() override;

    // A run of the program's generators over the request, shown modally; 1 once it is closed.
    // With autoClose the window closes by itself when the run ends.
    static int SetParameters(EditorHost& host, const GenerationRequest& request, bool autoClose);

    // What the window does for the run's polls: shows the state and handles waiting events.
    void SetEventPump(std::function<void()> pump) { pump_ = std::move(pump); }

    // The counts "0", OK and "Save Log File" disabled; the window then starts the timer.
    void OnInitDialog() override;
    // The timer: generates once, then OK and "Save Log File" are enabled and Stop disabled.
    void OnTimer();
    void OnStop();
    // Appends the log to the shared log file and says so.
    void OnSaveLog();
    bool OnOK() override { return IsStopped(); }
    // Escape or the close box: true when the window closes now. Before Stop or the end of the
    // run they do nothing; after Stop and before the end the window closes when the run ends.
    bool OnCloseRequest();

    // Set by Stop and at the end of the run.
    bool IsStopped() const { return stopped_; }
    bool IsFinished() const { return run_.IsFinished(); }
    // The progress bar runs from 0 to the total, whatever its size.
    int GetBarRange() const { return run_.GetProgress().Counts().total; }
    int GetBarPosition() const { return run_.GetProgress().Counts().position; }
    const std::vector<std::string>& LogLines() const { return run_.GetProgress().Log().Lines(); }

private:
    void OnCountsChanged(const ProgressCounts& counts) override;

    CTCGRun& run_;
    std::function<void()> pump_;
    bool stopped_ = false;
    bool closeWhenFinished_ = false;
};
