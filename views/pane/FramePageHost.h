#pragma once
// The Tasks and Windows pages' way to the main frame: each report and request becomes the
// frame's own call.
#include "views/trees/TreePageHost.h"

class CMainFrame;

class FramePageHost : public TreePageHost {
public:
    explicit FramePageHost(CMainFrame& frame) : frame_(frame) {}

    void ReportPickedWindow(CWindowKav* window) override;
    void ReportPickedTask(CTaskKav* task, bool ctrl) override;
    void ReportTaskChanged(CTaskKav* task) override;
    void ReportWindowRenamed(CWindowKav* window) override;
    // Folders have no flow.
    void OpenTaskFlow(CTaskKav* task) override;
    void SendCommand(int command) override;
    void RefreshAllViews() override;
    void SetModified(const std::string& undoStepName) override;
    void ShowHelp(int context) override;

private:
    CMainFrame& frame_;
};
