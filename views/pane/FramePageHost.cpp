#include "views/pane/FramePageHost.h"

#include "shell/Help.h"
#include "shell/MainFrame.h"

void FramePageHost::ReportPickedWindow(CWindowKav* window) { frame_.OnObjectPicked(window); }

void FramePageHost::ReportPickedTask(CTaskKav* task, bool ctrl) { frame_.OnTaskPicked(task, ctrl); }

void FramePageHost::ReportTaskChanged(CTaskKav* task) { frame_.OnTaskChanged(task); }

void FramePageHost::ReportWindowRenamed(CWindowKav* /*window*/) { frame_.OnWindowRenamed(); }

void FramePageHost::OpenTaskFlow(CTaskKav* task) { frame_.OpenTaskFlow(task); }

void FramePageHost::SendCommand(int command) { frame_.OnCommand(command); }

void FramePageHost::RefreshAllViews() { frame_.RefreshAllViews(); }

void FramePageHost::SetModified(const std::string& undoStepName) { frame_.SetModified(undoStepName); }

void FramePageHost::ShowHelp(int context) { ::ShowHelp(context); }
