// The pick operations: the commands that start them (New Transition, Redirect Transition,
// Assign Object to Step, Connect Steps, Create Window Building Block) and the private messages
// through which views and trees report the objects picked.
#include <algorithm>

#include "model/ApplicationKav.h"
#include "model/TaskKav.h"
#include "model/TaskStep.h"
#include "model/TransitionKav.h"
#include "model/WindowKav.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"
#include "resources/MessageCatalogue.h"
#include "shell/MainFrame.h"

namespace {

constexpr int kFatalErrorCaption = 47001;
constexpr int kReadOnlyWindow = 44367;           // [W0367]
constexpr int kReadOnlyMenu = 44282;             // [W0282]
constexpr int kWindowReadOnlyCaption = 47028;
constexpr int kMenuItemAfterWindow = 44402;      // [W0402]
constexpr int kMenuItemAfterMenuItem = 44403;    // [W0403]
constexpr int kInvalidDestinationCaption = 47093;
constexpr int kMenuItemFromInvalidWindow = 41031;  // [F0031]
constexpr int kTransitionFromInvalidWindow = 41034;  // [F0034]
constexpr int kInvalidTransition = 41112;        // [F0112]
constexpr int kTransitionWithoutStart = 41035;   // [F0035]
constexpr int kUseCaseAsBlock = 44937;           // [W0937]
constexpr int kTaskToTestStep = 44719;           // [W0719]
constexpr int kNotAGuiBlock = 45150;             // [W1150]
constexpr int kInvalidSelectionCaption = 47009;
constexpr int kRedirectInformation = 42007;      // [I0007]
constexpr int kRedirectCaption = 47108;
constexpr int kSelectStartWindow = 49388;
constexpr int kSelectDestinationWindow = 49187;
constexpr int kSelectDestinationFromMenu = 49188;
constexpr int kSelectStartStep = 49184;
constexpr int kSelectDestinationStep = 49189;
constexpr int kSelectObjectForFlow = 49185;
constexpr int kSelectObjectForTestCase = 49186;
constexpr int kSelectBuildingBlock = 49170;
constexpr int kGeneratedBlockDescription = 49121;
constexpr int kCreateBuildingBlockUndo = 48074;
// A generated building block's name is cut to this many characters before it is made unique.
constexpr std::size_t kBlockNameLength = 95;
constexpr int kDefaultCriticality = 2;
constexpr int kDefaultPriority = 1;

bool IsEditableWindow(const CWindowKav* window) { return window && window->IsEditable(true); }

// The first characters of the text, counted as the UTF-16 form counts them.
std::string FirstCharacters(const std::string& text, std::size_t count) {
    const std::u16string units = Utf8ToUtf16(text);
    return units.size() <= count ? text : Utf16ToUtf8(units.substr(0, count));
}

CTaskStep* MakeStep(const std::string& name, CApplicationKav& project) {
    return new CTaskStep(name, "", "", "", "", "", nullptr, nullptr, 0, &project.GetStepFields(), kDefaultCriticality,
                         "", kDefaultPriority);
}

}  // namespace

void CMainFrame::StartPick(int mode, int statusTextId) {
    pick_.mode = mode;
    SetStatusText(LoadMessage(statusTextId));
}

// ---- Commands

void CMainFrame::NewTransition() {
    // Given again, the command cancels.
    if (pick_.mode != 0) {
        RefreshAll();
        return;
    }
    StartPick(1, kSelectStartWindow);
    for (FrameView* view : views_)
        if (view->Kind() == PaneKind::WindowView || view->Kind() == PaneKind::MenuView) view->StartTransitionPick();
}

void CMainFrame::RedirectTransitionCommand() {
    const ActivePane pane = GetActivePane();
    if (pane.kind != PaneKind::WindowView && pane.kind != PaneKind::MenuView) return;
    CTransitionKav* transition = pane.view->GetSelectedTransition();
    if (!transition) return;
    pick_.transitionToRedirect = transition;
    ShowInformation(kRedirectInformation, kRedirectCaption);
    NewTransition();
}

void CMainFrame::AssignObjectToStep() {
    if (pick_.mode == 6 || pick_.mode == 7) {
        RefreshAll();
        return;
    }
    const ActivePane pane = GetActivePane();
    SelectWindowTool(0);
    window_.ShowBar(FrameBar::WindowPalette, false);
    if (pane.kind == PaneKind::TaskFlowView) {
        StartPick(6, kSelectObjectForFlow);
        pick_.assigningTaskFlowView = pane.view;
    } else if (pane.kind == PaneKind::TestCaseView) {
        StartPick(7, kSelectObjectForTestCase);
        pick_.assigningTestCaseView = pane.view;
    } else {
        return;
    }
    pane.view->SetAssignMode(true);
    for (WorkspacePage* page : {GetPage(WorkspacePageIndex::Windows), GetPage(WorkspacePageIndex::Tasks)})
        if (page) page->SetPickMode(true);
    for (FrameView* view : views_)
        if (view->Kind() == PaneKind::WindowView || view->Kind() == PaneKind::MenuView) view->ReportTransitionClicks();
}

void CMainFrame::ConnectSteps() {
    if (pick_.mode != 0) {
        // The flow view leaves its connect mode as the pick operation ends.
        RefreshAll();
        return;
    }
    const ActivePane pane = GetActivePane();
    if (pane.kind != PaneKind::TaskFlowView) return;
    StartPick(4, kSelectStartStep);
    pane.view->SetStepPickMode(4);
}

void CMainFrame::CreateWindowBuildingBlock() {
    if (pick_.mode == 8) {
        RefreshAll();
        return;
    }
    const ActivePane pane = GetActivePane();
    if (pane.kind != PaneKind::WindowView) return;
    std::vector<CWindowKav*> controls = pane.view->GetSelectedControls();
    if (controls.empty()) return;
    pick_.buildingBlockWindow = ShownWindow(pane.view);
    pick_.pickedWindows = std::move(controls);
    ShowPage(WorkspacePageIndex::Tasks);
    if (tasksPage_) tasksPage_->SetPickMode(true);
    StartPick(8, kSelectBuildingBlock);
}

// ---- Messages

void CMainFrame::OnObjectPicked(CWindowKav* window) {
    switch (pick_.mode) {
        case 1:
            // The mode stays: the user may pick another start.
            if (!IsEditableWindow(window)) {
                ShowWarning(kReadOnlyWindow, kWindowReadOnlyCaption);
                return;
            }
            pick_.startView = window_.GetActiveView();
            pick_.startObject = window;
            StartPick(2, kSelectDestinationWindow);
            return;
        case 2:
        case 3: {
            const int mode = pick_.mode;
            FrameView* startView = pick_.startView;
            auto* start = dynamic_cast<CWindowKav*>(pick_.startObject);
            pick_.destinationView = window_.GetActiveView();
            pick_.destinationObject = window;
            CTransitionKav* transition = pick_.transitionToRedirect;
            if (transition) {
                if (!RedirectTransition(transition, start, window)) transition = nullptr;
            } else {
                transition = CreateTransition(start, window);
            }
            RefreshAllViews();
            RefreshAll();
            const bool startViewOpen = std::find(views_.begin(), views_.end(), startView) != views_.end();
            if (transition && startViewOpen && (mode == 2 || startView->Kind() == PaneKind::MenuView))
                startView->SelectTransition(transition);
            return;
        }
        case 6:
        case 7: AssignToWaitingView([window](FrameView& view) { view.AssignWindow(window); }); return;
        default: return;
    }
}

void CMainFrame::OnMenuItemPicked(CWindowKav* item) {
    const ActivePane pane = GetActivePane();
    if (pane.kind != PaneKind::MenuView) {
        ShowError(kMenuItemFromInvalidWindow, kFatalErrorCaption);
        RefreshAll();
        return;
    }
    switch (pick_.mode) {
        case 1:
            if (!IsEditableWindow(item)) {
                ShowWarning(kReadOnlyMenu, kWindowReadOnlyCaption);
                return;
            }
            pick_.startView = pane.view;
            pick_.startObject = item;
            StartPick(3, kSelectDestinationFromMenu);
            return;
        case 2:
        case 3:
            // A menu item is never a destination.
            ShowWarning(pick_.mode == 2 ? kMenuItemAfterWindow : kMenuItemAfterMenuItem, kInvalidDestinationCaption);
            RefreshAll();
            return;
        case 6:
        case 7: AssignToWaitingView([item](FrameView& view) { view.AssignWindow(item); }); return;
        default: return;
    }
}

void CMainFrame::OnTransitionSelected(CTransitionKav* transition) {
    const ActivePane pane = GetActivePane();
    if (pane.kind != PaneKind::WindowView && pane.kind != PaneKind::MenuView) {
        ShowError(kTransitionFromInvalidWindow, kFatalErrorCaption);
        RefreshAll();
        return;
    }
    if (pick_.mode != 0 && pick_.mode != 6 && pick_.mode != 7) return;
    if (!transition) {
        ShowError(kInvalidTransition, kFatalErrorCaption);
        return;
    }
    if (!transition->GetStartWindow()) {
        ShowError(kTransitionWithoutStart, kFatalErrorCaption);
        return;
    }
    if (pick_.mode != 0) {
        AssignToWaitingView([transition](FrameView& view) { view.AssignTransition(transition); });
        return;
    }
    if (!(viewMode_ & kShowTransitions)) return;
    EditStep(transition, false, nullptr);
    if (std::find(views_.begin(), views_.end(), pane.view) != views_.end()) pane.view->SelectTransition(transition);
}

void CMainFrame::OnTaskPicked(CTaskKav* task, bool ctrl) {
    if (!task) return;
    const int type = task->GetType();
    switch (pick_.mode) {
        case 0: {
            // Ctrl+click on a building block calls it from a new step of the active flow.
            if (!ctrl || type != kTaskBuildingBlock) return;
            FrameView* view = window_.GetActiveView();
            if (!view || view->Kind() != PaneKind::TaskFlowView) return;
            const CTaskKav* flow = ShownTask(view);
            if (!flow || !flow->IsEditable(true) || !(OneSelectedStep(view) || view->HasSelectedConnection())) return;
            if (view->InsertStep()) view->AssignTask(task);
            return;
        }
        case 6:
            if (type == kTaskFolder) return;
            if (type == kTaskPlain && !Root().GetOldTaskMode()) {
                ShowWarning(kUseCaseAsBlock, kInvalidSelectionCaption);
                return;
            }
            AssignToWaitingView([task](FrameView& view) { view.AssignTask(task); });
            return;
        case 7: ShowWarning(kTaskToTestStep, kInvalidSelectionCaption); return;
        case 8:
            if (type == kTaskFolder) return;
            if (type == kTaskPlain && !Root().GetOldTaskMode()) {
                ShowWarning(kUseCaseAsBlock, kInvalidSelectionCaption);
                return;
            }
            if (type == kTaskBuildingBlock && !task->IsGuiBuildingBlock()) {
                ShowWarning(kNotAGuiBlock, kInvalidSelectionCaption);
                return;
            }
            if (pick_.buildingBlockWindow && !pick_.pickedWindows.empty()) MakeWindowBuildingBlock(task);
            return;
        default: return;
    }
}

void CMainFrame::OnStepPicked(FrameView* view) {
    if (!view) return;
    if (pick_.mode == 4) {
        StartPick(5, kSelectDestinationStep);
        view->SetStepPickMode(5);
    } else if (pick_.mode == 5) {
        for (FrameView* open : views_)
            if (open->Kind() == PaneKind::TaskFlowView) open->SetStepPickMode(0);
        RefreshAll();
    }
}

void CMainFrame::OnEditStepMessage(CStepKav* step) {
    const ActivePane pane = GetActivePane();
    EditStep(step, false, pane.kind == PaneKind::TaskFlowView ? ShownTask(pane.view) : nullptr);
}

// ---- What the picks lead to

void CMainFrame::AssignToWaitingView(const std::function<void(FrameView& view)>& assign) {
    FrameView* view = pick_.mode == 6 ? pick_.assigningTaskFlowView : pick_.assigningTestCaseView;
    if (view) {
        view->Activate();
        assign(*view);
    }
    RefreshAll();
}

void CMainFrame::MakeWindowBuildingBlock(CTaskKav* picked) {
    CApplicationKav& project = Root();
    CTaskKav* root = project.GetRootTask();
    CFileKav* mainFile = project.GetMainFile();
    if (!root || !mainFile) return;
    const std::string name =
        project.MakeUniqueName(FirstCharacters(picked->GetName() + "__" + pick_.buildingBlockWindow->GetName(),
                                               kBlockNameLength));
    auto* block = new CTaskKav(name, kTaskBuildingBlock);
    block->SetFile(mainFile);
    block->SetFileId(mainFile->GetID());
    block->SetDescription(FormatMessageId(kGeneratedBlockDescription, picked->GetName()));
    project.GetTasks().Add(block);
    if (!root->AddChild(block)) {
        project.GetTasks().Delete(block);
        ShowGlobalMessage(kFatalErrorCaption, MessageIcon::Error);
        return;
    }
    CTaskStep* previous = MakeStep("Start", project);
    block->GetSteps().Add(previous);
    block->SetStartStep(previous);
    for (CWindowKav* control : pick_.pickedWindows) {
        CTaskStep* step = MakeStep(picked->GetName(), project);
        step->SetSubTask(picked);
        step->UpdateSubtaskParameters(picked);
        step->AimGuiBuildingBlock(*control);
        if (block->InsertStep(step, previous, nullptr) != 1) {
            delete step;
            break;
        }
        previous = step;
    }
    if (tasksPage_) tasksPage_->RebuildTree();
    OnTaskChanged(block);
    SetModified(LoadMessage(kCreateBuildingBlockUndo));
    RefreshAll();
    OpenTaskFlow(block);
}
