// What the commands take from the active pane, and the boxes they show.
#include <algorithm>

#include "model/ApplicationKav.h"
#include "model/TaskStep.h"
#include "model/TestCase.h"
#include "model/TestStep.h"
#include "model/TransitionKav.h"
#include "model/WindowKav.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "resources/MessageCatalogue.h"
#include "shell/MainFrame.h"

namespace {

bool IsMenuOrItem(const CWindowKav* window) {
    return window && (window->GetType() == kWndMenu || window->GetType() == kWndMenuItem);
}

// The window itself, or its parent when it has one: a window view shows the top window.
CWindowKav* ParentOrSelf(CWindowKav* window) {
    return window && window->GetParent() ? window->GetParent() : window;
}

// A task step's test object, a test step's window.
CWindowKav* WindowOfStep(const CStepKav* step) {
    if (const auto* taskStep = dynamic_cast<const CTaskStep*>(step)) return taskStep->GetTestObjectWindow();
    return step ? step->GetStartWindow() : nullptr;
}

}  // namespace

void CMainFrame::ShowWarning(int textId, int captionId) {
    GetInteraction().ShowMessage(
        {LoadMessage(textId), LoadMessage(captionId), MessageButtons::Ok, MessageIcon::Warning});
}

void CMainFrame::ShowInformation(int textId, int captionId) {
    GetInteraction().ShowMessage(
        {LoadMessage(textId), LoadMessage(captionId), MessageButtons::Ok, MessageIcon::Information});
}

void CMainFrame::ShowError(int textId, int captionId) {
    GetInteraction().ShowMessage(
        {LoadMessage(textId), captionId ? LoadMessage(captionId) : std::string(), MessageButtons::Ok,
         MessageIcon::Error});
}

void CMainFrame::ShowGlobalMessage(int captionId, MessageIcon icon) {
    GetInteraction().ShowMessage(
        {GetGlobalMessageBuffer(), captionId ? LoadMessage(captionId) : std::string(), MessageButtons::Ok, icon});
}

bool CMainFrame::AskYesNo(int questionId, int captionId, MessageIcon icon) {
    return GetInteraction().ShowMessage({LoadMessage(questionId), LoadMessage(captionId), MessageButtons::YesNo, icon,
                                         MessageAnswer::Yes}) == MessageAnswer::Yes;
}

CWindowKav* CMainFrame::ShownWindow(const FrameView* view) {
    return view ? dynamic_cast<CWindowKav*>(view->ShownObject()) : nullptr;
}

CTaskKav* CMainFrame::ShownTask(const FrameView* view) {
    return view ? dynamic_cast<CTaskKav*>(view->ShownObject()) : nullptr;
}

CTestCase* CMainFrame::ShownTestCase(const FrameView* view) {
    return view ? dynamic_cast<CTestCase*>(view->ShownObject()) : nullptr;
}

CStepKav* CMainFrame::OneSelectedStep(const FrameView* view) {
    if (!view) return nullptr;
    const std::vector<CStepKav*> steps = view->GetSelectedSteps();
    return steps.size() == 1 ? steps.front() : nullptr;
}

CWindowKav* CMainFrame::WindowOfPane(const ActivePane& pane) const {
    switch (pane.kind) {
        case PaneKind::WindowsPage: return windowsPage_->GetSelectedWindow();
        case PaneKind::WindowView:
        case PaneKind::MenuView: {
            CWindowKav* selected = pane.view->GetSelectedWindow();
            return selected ? selected : ShownWindow(pane.view);
        }
        default: return nullptr;
    }
}

CMainFrame::PaneObjects CMainFrame::ObjectsToGenerateFor(const ActivePane& pane) const {
    PaneObjects objects;
    switch (pane.kind) {
        case PaneKind::WindowsPage: objects.window = windowsPage_->GetSelectedWindow(); break;
        case PaneKind::WindowView:
        case PaneKind::MenuView:
            objects.transition = pane.view->GetSelectedTransition();
            objects.window = objects.transition && pane.kind == PaneKind::WindowView
                                 ? objects.transition->GetStartWindow()
                                 : WindowOfPane(pane);
            break;
        case PaneKind::TasksPage: objects.task = tasksPage_->GetSelectedTask(); break;
        case PaneKind::TaskFlowView: objects.task = ShownTask(pane.view); break;
        case PaneKind::TestCaseView:
            if (const CTestCase* testCase = ShownTestCase(pane.view)) {
                objects.window = testCase->GetWindow();
                objects.transition = dynamic_cast<CTransitionKav*>(testCase->GetTransitionStep());
                objects.task = testCase->GetTask();
            }
            break;
        default: break;
    }
    // A building block is generated through the task that holds it.
    while (objects.task && objects.task->GetType() == kTaskBuildingBlock && objects.task->GetParent())
        objects.task = objects.task->GetParent();
    if (objects.task && objects.task->GetType() == kTaskBuildingBlock) objects.task = nullptr;
    if (!Root().GetOldTaskMode() && objects.task == Root().GetRootTask()) objects.task = nullptr;
    return objects;
}

CWindowKav* CMainFrame::WindowToEdit(const ActivePane& pane, bool& emptyView) const {
    emptyView = false;
    CWindowKav* window = nullptr;
    switch (pane.kind) {
        case PaneKind::WindowsPage:
            window = windowsPage_->GetSelectedWindow();
            // On the project's own item: an empty window view, for drawing a new window.
            emptyView = !window && windowsPage_->GetSelectedFile() &&
                        windowsPage_->GetSelectedFile() == Root().GetMainFile();
            break;
        case PaneKind::WindowView: window = pane.view->GetSelectedWindow(); break;
        case PaneKind::MenuView: {
            const CWindowKav* menu = ShownWindow(pane.view);
            window = menu ? menu->GetParent() : nullptr;
            break;
        }
        case PaneKind::TaskFlowView:
        case PaneKind::TestCaseView: window = ParentOrSelf(WindowOfStep(OneSelectedStep(pane.view))); break;
        default: break;
    }
    return IsMenuOrItem(window) ? nullptr : window;
}

CWindowKav* CMainFrame::WindowForMenuEditor(const ActivePane& pane) const {
    CWindowKav* window = nullptr;
    switch (pane.kind) {
        case PaneKind::WindowsPage: window = windowsPage_->GetSelectedWindow(); break;
        case PaneKind::WindowView: window = ShownWindow(pane.view); break;
        case PaneKind::TaskFlowView:
        case PaneKind::TestCaseView: window = WindowOfStep(OneSelectedStep(pane.view)); break;
        default: break;
    }
    // Up the parents to the window that owns a menu bar (a menu item leads to its bar's owner).
    for (; window; window = window->GetParent()) {
        if (window->GetType() == kWndMenuItem) continue;
        if (window->GetType() == kWndMenu) return window->GetParent();
        if (window->FindMenu()) return window;
    }
    return nullptr;
}

CTaskKav* CMainFrame::TaskToShowInTree(const ActivePane& pane) const {
    if (pane.kind == PaneKind::TaskFlowView) {
        const auto* step = dynamic_cast<const CTaskStep*>(OneSelectedStep(pane.view));
        return step && step->GetSubTask() ? step->GetSubTask() : ShownTask(pane.view);
    }
    if (pane.kind == PaneKind::TestCaseView) {
        const auto* step = dynamic_cast<const CTestStep*>(OneSelectedStep(pane.view));
        return step ? step->GetTask() : nullptr;
    }
    return nullptr;
}

CWindowKav* CMainFrame::WindowToShowInTree(const ActivePane& pane) const {
    return pane.kind == PaneKind::WindowView || pane.kind == PaneKind::MenuView ? WindowOfPane(pane) : nullptr;
}

void CMainFrame::RestoreFocus(const ActivePane& pane) {
    if (pane.page) {
        pane.page->TakeFocus();
        return;
    }
    if (pane.view && std::find(views_.begin(), views_.end(), pane.view) != views_.end()) pane.view->Activate();
}

void CMainFrame::ShowPage(WorkspacePageIndex index) {
    window_.ShowBar(FrameBar::Application, true);
    window_.SelectWorkspacePage(index);
}
