// The views of objects: showing them, closing those of deleted objects, pushing the view mode
// into them, and the pictures they draw for the documentation.
#include "model/TaskKav.h"
#include "model/TaskStep.h"
#include "model/TestCase.h"
#include "model/TestStep.h"
#include "model/WindowKav.h"
#include "shell/MainFrame.h"

namespace {

// Transitions and grandchildren, whatever the frame shows.
constexpr int kPictureViewMode = CMainFrame::kShowTransitions | CMainFrame::kShowGrandchildren;

}  // namespace

void CMainFrame::OpenTaskFlow(CTaskKav* task) {
    if (!task || task->IsFolder()) return;
    ShowView(PaneKind::TaskFlowView, task);
}

void CMainFrame::OpenTestCase(CTestCase* testCase) {
    if (testCase) ShowView(PaneKind::TestCaseView, testCase);
}

void CMainFrame::OpenWindowView(CWindowKav* window, bool selectFromPane) {
    CWindowKav* control = nullptr;
    CTransitionKav* transition = nullptr;
    if (selectFromPane) {
        const ActivePane pane = GetActivePane();
        if (pane.kind == PaneKind::TaskFlowView) {
            if (const auto* step = dynamic_cast<const CTaskStep*>(OneSelectedStep(pane.view))) {
                control = step->GetTestObjectWindow();
                transition = step->GetTransition();
            }
        } else if (pane.kind == PaneKind::TestCaseView) {
            if (const auto* step = dynamic_cast<const CTestStep*>(OneSelectedStep(pane.view))) {
                control = step->GetStartWindow();
                transition = step->GetTransition();
            }
        }
    }
    FrameView* view = FindView(PaneKind::WindowView, window);
    if (view) {
        view->Activate();
    } else {
        view = window_.OpenView(PaneKind::WindowView, window, viewMode_);
        if (!view) return;
        FollowPickMode(*view);
    }
    if (transition) view->SelectTransition(transition);
    else if (control && control != window) view->SelectWindow(control);
}

void CMainFrame::FollowPickMode(FrameView& view) {
    if (pick_.mode >= 1 && pick_.mode <= 3) view.StartTransitionPick();
    else if (pick_.mode == 6 || pick_.mode == 7) view.ReportTransitionClicks();
    else if (view.Kind() == PaneKind::WindowView && drawingTool_ != kSelectTool) view.EndPickOperation(true);
}

void CMainFrame::CloseTaskFlowViews(CWindowKav* window, CTaskKav* task) {
    if (window) {
        // A menu item shows in its menu bar's view, which stays.
        if (window->GetType() != kWndMenuItem) {
            const PaneKind kind = window->GetType() == kWndMenu ? PaneKind::MenuView : PaneKind::WindowView;
            if (FrameView* view = FindView(kind, window)) view->RequestClose();
        }
        for (CWindowKav* child : std::vector<CWindowKav*>(window->GetChildren())) CloseTaskFlowViews(child, nullptr);
        return;
    }
    if (!task) return;
    if (FrameView* view = FindView(PaneKind::TaskFlowView, task)) view->RequestClose();
    for (CTaskKav* child : std::vector<CTaskKav*>(task->GetChildren())) CloseTaskFlowViews(nullptr, child);
}

// ---- View mode

void CMainFrame::PushViewMode(std::initializer_list<PaneKind> kinds) {
    for (FrameView* view : views_)
        for (PaneKind kind : kinds)
            if (view->Kind() == kind) view->SetViewMode(viewMode_);
}

// Transitions and coverage exclude each other; choosing the one shown switches both off.
void CMainFrame::SwitchTransitionsOrCoverage(int bit) {
    const bool wasShown = viewMode_ & bit;
    viewMode_ &= ~(kShowTransitions | kShowCoverage);
    if (!wasShown) viewMode_ |= bit;
    PushViewMode({PaneKind::WindowView, PaneKind::MenuView});
}

void CMainFrame::ShowGrandchildren() {
    viewMode_ ^= kShowGrandchildren;
    PushViewMode({PaneKind::WindowView});
    RefreshAllViews();
}

void CMainFrame::ToggleFlowViewMode(int bit) {
    viewMode_ ^= bit;
    PushViewMode({PaneKind::TaskFlowView, PaneKind::TestCaseView});
}

// ---- Pictures

bool CMainFrame::RenderPicture(PaneKind kind, CKavroObj* object, ViewPicture& target, int viewMode) {
    if (!object) return false;
    FrameView* view = FindView(kind, object);
    const bool opened = !view;
    if (opened) view = window_.OpenView(kind, object, viewMode_);
    if (!view) return false;
    if (kind == PaneKind::WindowView) {
        view->SetViewMode(viewMode);
        view->Refresh();
    }
    const bool drawn = view->DrawPicture(target);
    if (opened) view->RequestClose();
    else if (kind == PaneKind::WindowView) view->SetViewMode(viewMode_);
    return drawn;
}

bool CMainFrame::RenderWindowBitmap(CWindowKav* window, ViewPicture& target) {
    return RenderPicture(PaneKind::WindowView, window, target, kPictureViewMode);
}

bool CMainFrame::RenderTaskFlowBitmap(CTaskKav* task, ViewPicture& target) {
    return RenderPicture(PaneKind::TaskFlowView, task, target, viewMode_);
}

bool CMainFrame::RenderTestCaseBitmap(CTestCase* testCase, ViewPicture& target) {
    return RenderPicture(PaneKind::TestCaseView, testCase, target, viewMode_);
}
