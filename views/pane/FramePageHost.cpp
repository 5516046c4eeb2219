#include "views/pane/FramePageHost.h"

#include "model/TaskKav.h"
#include "model/WindowKav.h"
#include "shell/Help.h"
#include "shell/MainFrame.h"

namespace {

// The frame's flag of a task picked with Ctrl outside a pick operation.
constexpr int kPickedWithCtrl = 8;

}  // namespace

void FramePageHost::ReportPickedWindow(CWindowKav* window) { frame_.OnObjectPicked(window); }

void FramePageHost::ReportPickedTask(CTaskKav* task, bool ctrl) { frame_.OnTaskPicked(task, ctrl ? kPickedWithCtrl : 0); }

void FramePageHost::ReportTaskChanged(CTaskKav* task) { frame_.OnTaskChanged(task); }

void FramePageHost::ReportWindowRenamed(CWindowKav* /*window*/) { frame_.RefreshAllViews(); }

void FramePageHost::OpenTaskFlow(CTaskKav* task) {
    if (task && !task->IsFolder()) frame_.ShowView(PaneKind::TaskFlowView, task);
}

void FramePageHost::SendCommand(int command) { frame_.OnCommand(command); }

void FramePageHost::RefreshAllViews() { frame_.RefreshAllViews(); }

void FramePageHost::SetModified(const std::string& undoStepName) { frame_.SetModified(undoStepName); }

void FramePageHost::ShowHelp(int context) { ::ShowHelp(context); }
