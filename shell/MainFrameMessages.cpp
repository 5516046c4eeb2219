// The private messages that views and pages send the main frame about their own changes.
#include "model/ChangedTaskReport.h"
#include "model/TestCase.h"
#include "platform/Interaction.h"
#include "resources/MessageCatalogue.h"
#include "shell/MainFrame.h"

namespace {

constexpr int kStartWindowClosed = 44570;  // [W0570]
constexpr int kStartMenuClosed = 44571;    // [W0571]
constexpr int kDrawErrorCaption = 47094;
constexpr int kSelectDestinationStep = 49189;

}  // namespace

void CMainFrame::ShowWarning(int textId, int captionId) {
    GetInteraction().ShowMessage(
        {LoadMessage(textId), LoadMessage(captionId), MessageButtons::Ok, MessageIcon::Warning});
}

void CMainFrame::OnNewControl(CWindowKav* window) {
    if (windowsPage_) windowsPage_->InsertWindow(window);
}

void CMainFrame::OnTaskChanged(CTaskKav* task) {
    if (tasksPage_) tasksPage_->UpdateTaskItem(task);
    for (FrameView* view : views_)
        if (view->Kind() == PaneKind::TaskFlowView) view->Refresh();
    ReportChangedTask(task);
}

void CMainFrame::OnStepPicked(FrameView* view) {
    if (!view) return;
    if (pick_.mode == 4) {
        pick_.mode = 5;
        SetStatusText(LoadMessage(kSelectDestinationStep));
        view->SetStepPickMode(5);
    } else if (pick_.mode == 5) {
        for (FrameView* open : views_)
            if (open->Kind() == PaneKind::TaskFlowView) open->SetStepPickMode(0);
        RefreshAll();
    }
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
