// The private messages that views and pages send the main frame about their own changes.
#include "model/ChangedTaskReport.h"
#include "model/TestCase.h"
#include "shell/MainFrame.h"

namespace {

constexpr int kStartWindowClosed = 44570;  // [W0570]
constexpr int kStartMenuClosed = 44571;    // [W0571]
constexpr int kDrawErrorCaption = 47094;

}  // namespace

void CMainFrame::OnNewControl(CWindowKav* window) {
    if (windowsPage_) windowsPage_->InsertWindow(window);
}

void CMainFrame::OnTaskChanged(CTaskKav* task) {
    if (tasksPage_) tasksPage_->UpdateTaskItem(task);
    for (FrameView* view : views_)
        if (view->Kind() == PaneKind::TaskFlowView) view->Refresh();
    ReportChangedTask(task);
}

void CMainFrame::OnTestCaseDeleting(CTestCase* testCase) {
    if (FrameView* view = FindView(PaneKind::TestCaseView, testCase))
        view->RequestClose();
}

void CMainFrame::OnWindowViewClosing(FrameView* view) {
    if (!view || view != pick_.startView) return;
    ShowWarning(kStartWindowClosed, kDrawErrorCaption);
    RefreshAll();
}

void CMainFrame::OnMenuViewClosing(FrameView* view) {
    if (!view || view != pick_.startView) return;
    ShowWarning(kStartMenuClosed, kDrawErrorCaption);
    RefreshAll();
}

void CMainFrame::OnTaskFlowViewClosing(FrameView* view) {
    if (view && pick_.mode == 6 && view == pick_.assigningTaskFlowView) RefreshAll();
}

void CMainFrame::OnTestCaseViewClosing(FrameView* view) {
    if (view && pick_.mode == 7 && view == pick_.assigningTestCaseView) RefreshAll();
}
