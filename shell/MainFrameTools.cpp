// The remaining commands of the frame: the editors of windows and task flows, the window
// wizard, the start window, replacing a window, sorting the Windows tree, jumping to a tree
// item, generating and viewing test cases, the user-defined step fields and the repository
// options.
#include <algorithm>

#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "model/TaskStep.h"
#include "model/TestCase.h"
#include "model/TransitionKav.h"
#include "model/WindowKav.h"
#include "platform/MessageBuffer.h"
#include "platform/Registry.h"
#include "resources/MessageCatalogue.h"
#include "shell/MainFrame.h"
#include "shell/MessageLogDlg.h"

namespace {

constexpr int kStartWindowWithParent = 44035;   // [W0035]
constexpr int kStartWindowHidden = 44036;       // [W0036]
constexpr int kInvalidStartWindowCaption = 47010;
constexpr int kSetStartWindowUndo = 48032;
constexpr int kReadOnlyReplaced = 42023;        // [I0023]
constexpr int kReadOnlyReplacedCaption = 47238;
constexpr int kCannotReplaceCaption = 47107;
constexpr int kReplaceWindowUndo = 48049;
constexpr int kNoTestCases = 42016;             // [I0016]
constexpr int kNoTestCasesCaption = 47085;
constexpr int kNoOtherTestCases = 42017;        // [I0017]
constexpr int kNoOtherTestCasesCaption = 47086;
constexpr int kWindowWizardUndo = 48024;
constexpr int kStepFieldsTitle = 47265;
constexpr int kStepFieldsUndo = 48034;
constexpr int kStepFieldDefinitions = 3;
const std::string kSortOrderValue = "SortWnd";

}  // namespace

// ---- Windows

void CMainFrame::WindowEditor() {
    const ActivePane pane = GetActivePane();
    bool emptyView = false;
    CWindowKav* window = WindowToEdit(pane, emptyView);
    if (window || emptyView) OpenWindowView(window, true);
}

void CMainFrame::WindowWizard() {
    CWindowKav* window = services_.capture.runWindowWizard();
    if (!window) return;
    SetModified(LoadMessage(kWindowWizardUndo));
    if (windowsPage_) windowsPage_->InsertWindow(window);
    OpenWindowView(window, false);
}

void CMainFrame::SetStartWindow() {
    const ActivePane pane = GetActivePane();
    if (pane.kind == PaneKind::WindowsPage || pane.kind == PaneKind::WindowView) SetAsStartWindow(WindowOfPane(pane));
}

void CMainFrame::SetAsStartWindow(CWindowKav* window) {
    if (!window) return;
    if (window->GetParent()) {
        ShowWarning(kStartWindowWithParent, kInvalidStartWindowCaption);
        return;
    }
    if (!window->IsVisible() || !window->IsEnabled()) {
        ShowWarning(kStartWindowHidden, kInvalidStartWindowCaption);
        return;
    }
    CWindowKav* old = Root().GetStartWindow();
    Root().SetStartWindow(window);
    SetModified(LoadMessage(kSetStartWindowUndo));
    if (windowsPage_) windowsPage_->MoveBoldMark(old, window);
}

void CMainFrame::ReplaceWindow() {
    const ActivePane pane = GetActivePane();
    CWindowKav* window = WindowOfPane(pane);
    if (!window) return;
    CWindowKav* replacement = services_.editors.chooseReplacement(*window);
    if (!replacement) return;
    if (!window->IsEditable(true)) ShowInformation(kReadOnlyReplaced, kReadOnlyReplacedCaption);
    ClearGlobalMessage();
    if (!Root().GetWindowList().ReplaceWindow(window, replacement)) {
        ShowGlobalMessage(kCannotReplaceCaption, MessageIcon::Warning);
        return;
    }
    SetModified(LoadMessage(kReplaceWindowUndo));
    if (windowsPage_) {
        windowsPage_->RefreshWindowItem(window, false);
        windowsPage_->RefreshWindowItem(replacement, false);
    }
    RefreshAllViews();
    RestoreFocus(pane);
}

void CMainFrame::SortWindows(const char* order) {
    WriteRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), kSortOrderValue, order, kRegistryText);
    if (windowsPage_) windowsPage_->SortTree();
}

// ---- The trees

void CMainFrame::ShowInTaskTree() {
    CTaskKav* task = TaskToShowInTree(GetActivePane());
    if (!task || !tasksPage_) return;
    ShowPage(WorkspacePageIndex::Tasks);
    tasksPage_->SelectTask(task);
    tasksPage_->TakeFocus();
}

void CMainFrame::ShowInWindowTree() {
    CWindowKav* window = WindowToShowInTree(GetActivePane());
    if (!window || !windowsPage_) return;
    ShowPage(WorkspacePageIndex::Windows);
    windowsPage_->SelectWindow(window);
    windowsPage_->TakeFocus();
}

void CMainFrame::TaskFlowEditor() {
    const ActivePane pane = GetActivePane();
    CTaskKav* task = nullptr;
    if (pane.kind == PaneKind::TasksPage) task = tasksPage_->GetSelectedTask();
    else if (const auto* step = dynamic_cast<const CTaskStep*>(OneSelectedStep(pane.view))) task = step->GetSubTask();
    OpenTaskFlow(task);
}

// ---- Test cases

void CMainFrame::GenerateTestCases() {
    const ActivePane pane = GetActivePane();
    const PaneObjects objects = ObjectsToGenerateFor(pane);
    if (!VornakMode && SaveOrSendProject(1) != 1) return;
    services_.run.generateTestCases(objects.window, objects.transition, objects.task);
    RefreshAllViews();
    if (tasksPage_) tasksPage_->UpdateAllTaskItems();
    const bool viewOpen = std::find(views_.begin(), views_.end(), pane.view) != views_.end();
    if (objects.transition && pane.view && viewOpen) pane.view->SelectTransition(objects.transition);
    RestoreFocus(pane);
}

void CMainFrame::ViewTestCases() {
    const ActivePane pane = GetActivePane();
    const PaneObjects objects = ObjectsToGenerateFor(pane);
    std::vector<CTestCase*> testCases;
    Root().CollectTestCases(objects.window, objects.transition, objects.task, true, false, testCases);
    if (testCases.empty()) {
        ShowInformation(kNoTestCases, kNoTestCasesCaption);
        return;
    }
    if (testCases.size() == 1) {
        if (pane.kind == PaneKind::TestCaseView) ShowInformation(kNoOtherTestCases, kNoOtherTestCasesCaption);
        else OpenTestCase(testCases.front());
        return;
    }
    services_.run.selectTestCase(objects.window, objects.transition, objects.task, testCases);
    RestoreFocus(pane);
}

void CMainFrame::UserDefinedFields() {
    CApplicationKav& project = Root();
    if (services_.editors.editParameters(project.GetStepFields(), kStepFieldDefinitions, false,
                                         LoadMessage(kStepFieldsTitle)) != 1)
        return;
    project.UpdateStepAttributes();
    SetModified(LoadMessage(kStepFieldsUndo));
}

void CMainFrame::RunRepositoryOptions(int action) {
    CMessageLogDlg log(CMessageLogDlg::kUftConfiguration,
                       [this, action](MessageLog& lines) { return services_.run.setRepositoryOptions(action, lines); });
    window_.RunMessageLog(log);
}
