// Cut, Copy, Paste and Delete on the active pane, and Delete All Test Cases. Copies go on the
// clipboard as clones that the clipboard owns; a paste clones them again, so that the clipboard
// keeps its own. Every change records its undo step and refreshes the views.
#include <algorithm>

#include "model/ApplicationKav.h"
#include "model/ChangedTaskReport.h"
#include "model/CloneFlags.h"
#include "model/TaskStep.h"
#include "model/TestCase.h"
#include "model/TransitionKav.h"
#include "model/WindowKav.h"
#include "platform/Clipboard.h"
#include "platform/MessageBuffer.h"
#include "resources/MessageCatalogue.h"
#include "shell/ClipboardObjects.h"
#include "shell/CommandIds.h"
#include "shell/MainFrame.h"

namespace {

// The clones of Copy and Paste: children, and the references to the rest of the project.
constexpr int kCopyFlags = kCloneChildren | kCloneKeepReferences;

constexpr int kFatalErrorCaption = 47001;
constexpr int kPasteErrorCaption = 47022;
constexpr int kWindowDoesNotFit = 45040;       // [W1040]
constexpr int kLastTestStep = 44599;           // [W0599]
constexpr int kDeleteTestStepsCaption = 47083;
constexpr int kSelectNewParentWindow = 49192;
constexpr int kSelectNewParentTask = 49194;
constexpr int kStartWindowNotFound = 41024;    // [F0024]
constexpr int kInvalidStartWindow = 41025;     // [F0025]
constexpr int kStartMenuItemNotFound = 41026;  // [F0026]
constexpr int kInvalidStartMenuItem = 41027;   // [F0027]

struct Deletion {
    int question;
    int caption;
    int undoName;
};
constexpr Deletion kDeleteRequirement{43025, 47080, 48019};
constexpr Deletion kDeleteTestSteps{43018, 47084, 48022};
constexpr Deletion kDeleteFolder{43022, 47079, 48018};
constexpr Deletion kDeleteBuildingBlock{43020, 47078, 48017};
constexpr Deletion kDeleteTask{43007, 47077, 48016};
constexpr Deletion kDeleteTaskSteps{43004, 47075, 48014};
constexpr Deletion kDeleteConnection{43006, 47076, 48015};
constexpr Deletion kDeleteTransition{43014, 47073, 48012};
constexpr Deletion kDeleteWindow{43015, 47074, 48013};
constexpr Deletion kDeleteWindows{43040, 47074, 48013};
constexpr int kPasteStepsUndo = 48053;
constexpr int kPasteTaskUndo = 48052;
constexpr int kPasteCutTaskUndo = 48051;
constexpr int kPasteWindowUndo = 48050;
constexpr int kDeleteTestCasesQuestion = 43005;  // [Q0005]
constexpr int kDeleteTestCasesCaption = 47087;
constexpr int kDeleteTestCasesUndo = 48033;
constexpr int kTestCasesDeleted = 42013;         // [I0013]
constexpr int kDeletionSuccessfulCaption = 47088;

// Places the window inside its new parent's rectangle: where it stands when it fits there,
// else at the parent's origin; false when it is larger than the parent.
bool FitIntoParent(CWindowKav& window, const CWindowKav& parent) {
    const WindowRect rect = window.GetRect();
    const WindowRect area = parent.GetRect();
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    const int areaWidth = area.right - area.left, areaHeight = area.bottom - area.top;
    if (width > areaWidth || height > areaHeight) return false;
    if (rect.left < 0 || rect.top < 0 || rect.right > areaWidth || rect.bottom > areaHeight)
        window.SetRect({0, 0, width, height});
    return true;
}

}  // namespace

// ---- Copy and Cut

void CMainFrame::Copy() {
    for (WorkspacePage* page : Pages())
        if (page->PassToLabelEdit(command::kCopy)) return;
    ClearClipboardObjects();
    const ActivePane pane = GetActivePane();
    switch (pane.kind) {
        case PaneKind::WindowsPage:
            if (CWindowKav* window = windowsPage_->GetSelectedWindow()) PutWindowCopy(window->Clone(kCopyFlags));
            return;
        case PaneKind::WindowView: CopyWindowViewSelection(*pane.view); return;
        case PaneKind::TasksPage:
            if (CTaskKav* task = tasksPage_->GetSelectedTask()) {
                CTaskKav* copy = task->Clone(kCopyFlags);
                copy->RelinkSubTasks(copy);
                PutTaskCopy(copy);
            }
            return;
        case PaneKind::TaskFlowView: CopyTaskSteps(*pane.view); return;
        default: return;
    }
}

void CMainFrame::CopyWindowViewSelection(FrameView& view) {
    const std::vector<CWindowKav*> controls = view.GetSelectedControls();
    if (controls.empty()) return;
    auto* copies = new WindowClipboardList;
    for (const CWindowKav* control : TopWindowsOf(controls)) copies->push_back(control->Clone(kCopyFlags));
    PutWindowListCopy(copies);
}

// Clones of the selected steps in selection order, joined as the originals are joined.
void CMainFrame::CopyTaskSteps(FrameView& view) {
    std::vector<CTaskStep*> steps;
    for (CStepKav* step : view.GetSelectedSteps()) {
        // The start step is never copied: with it in the selection nothing is.
        if (step == view.GetStartStep()) return;
        steps.push_back(static_cast<CTaskStep*>(step));
    }
    if (steps.empty()) return;
    auto* copies = new TaskStepClipboardList;
    for (const CTaskStep* step : steps) copies->Add(step->Clone(kCopyFlags));
    for (std::size_t from = 0; from < steps.size(); ++from)
        for (const CTaskStep* successor : steps[from]->GetSuccessors()) {
            const auto to = std::find(steps.begin(), steps.end(), successor);
            if (to == steps.end()) continue;
            CTaskStep* destination = (*copies)[static_cast<std::size_t>(to - steps.begin())];
            (*copies)[from]->GetSuccessors().push_back(destination);
            destination->GetPredecessors().push_back((*copies)[from]);
        }
    PutTaskStepsCopy(copies);
}

void CMainFrame::Cut() {
    for (WorkspacePage* page : Pages())
        if (page->PassToLabelEdit(command::kCut)) return;
    if (pick_.mode == 9 || pick_.mode == 10) return;
    const ActivePane pane = GetActivePane();
    switch (pane.kind) {
        case PaneKind::WindowsPage: {
            CWindowKav* window = windowsPage_->GetSelectedWindow();
            if (!window) return;
            ClearClipboardObjects();
            if (!PutWindowCut(window)) return;
            windowsPage_->ShowCutWindow(window);
            StartPick(9, kSelectNewParentWindow);
            return;
        }
        case PaneKind::TasksPage: {
            CTaskKav* task = tasksPage_->GetSelectedTask();
            if (!task || task == Root().GetRootTask()) return;
            ClearClipboardObjects();
            if (!PutTaskCut(task)) return;
            tasksPage_->ShowCutTask(task);
            StartPick(10, kSelectNewParentTask);
            return;
        }
        case PaneKind::WindowView:
        case PaneKind::TaskFlowView:
            // A copy, then the selection deleted without a question.
            Copy();
            cutInProgress_ = true;
            Delete();
            cutInProgress_ = false;
            return;
        default: return;
    }
}

// ---- Paste

void CMainFrame::Paste() {
    for (WorkspacePage* page : Pages())
        if (page->PassToLabelEdit(command::kPaste)) return;
    const ActivePane pane = GetActivePane();
    switch (pane.kind) {
        case PaneKind::TaskFlowView:
            if (pick_.mode == 0 && GetClipboardTaskSteps()) {
                PasteTaskSteps(*pane.view);
                return;
            }
            break;
        case PaneKind::TasksPage: {
            CTaskKav* parent = tasksPage_->GetSelectedTask();
            const bool cut = pick_.mode == 10 && GetClipboardObject(kTaskCutFormat);
            if (parent && (cut || (pick_.mode == 0 && GetClipboardTask()))) {
                PasteTask(*parent, cut);
                return;
            }
            break;
        }
        case PaneKind::WindowsPage:
        case PaneKind::WindowView: {
            CWindowKav* parent =
                pane.kind == PaneKind::WindowsPage ? windowsPage_->GetSelectedWindow() : ShownWindow(pane.view);
            if (!parent) break;
            if (pick_.mode == 9) {
                if (auto* cut = static_cast<CWindowKav*>(GetClipboardObject(kWindowCutFormat))) {
                    PasteWindows(*parent, {cut}, true);
                    return;
                }
            } else if (auto* copy = static_cast<CWindowKav*>(GetClipboardObject(kWindowCopyFormat))) {
                PasteWindows(*parent, {copy}, false);
                return;
            } else if (auto* list = static_cast<WindowClipboardList*>(GetClipboardObject(kWindowListCopyFormat))) {
                PasteWindows(*parent, *list, false);
                return;
            }
            break;
        }
        default: break;
    }
    RefreshAll();
}

void CMainFrame::PasteTaskSteps(FrameView& view) {
    CTaskKav* task = ShownTask(&view);
    const TaskStepClipboardList* held = GetClipboardTaskSteps();
    if (!task || !held) return;
    std::vector<CTaskStep*> pasted;
    for (const CTaskStep* step : *held) pasted.push_back(task->GetSteps().Add(step->Clone(kCopyFlags)));
    for (std::size_t from = 0; from < held->size(); ++from)
        for (const CTaskStep* successor : (*held)[from]->GetSuccessors())
            if (const int to = held->IndexOf(successor); to >= 0)
                task->ConnectSteps(pasted[from], pasted[static_cast<std::size_t>(to)]);
    ClearGlobalMessage();
    if (!Root().CheckSubtaskRecursion()) {
        const std::string reason = GetGlobalMessageBuffer();
        for (CTaskStep* step : pasted) task->DeleteStep(step);
        Root().CheckSubtaskRecursion();
        SetGlobalMessage(reason);
        ShowGlobalMessage(kPasteErrorCaption, MessageIcon::Warning);
        view.Relayout();
        return;
    }
    view.Relayout();
    OnTaskChanged(task);
    SetModified(LoadMessage(kPasteStepsUndo));
}

void CMainFrame::PasteTask(CTaskKav& parent, bool cut) {
    CApplicationKav& project = Root();
    ClearGlobalMessage();
    if (cut) {
        auto* task = static_cast<CTaskKav*>(GetClipboardObject(kTaskCutFormat));
        CTaskKav* oldParent = task->GetParent();
        if (!parent.AddChild(task)) {
            ShowGlobalMessage(kPasteErrorCaption, MessageIcon::Warning);
            return;
        }
        if (!project.CheckSubtaskRecursion()) {
            const std::string reason = GetGlobalMessageBuffer();
            if (oldParent) oldParent->AddChild(task);
            project.CheckSubtaskRecursion();
            SetGlobalMessage(reason);
            ShowGlobalMessage(kPasteErrorCaption, MessageIcon::Warning);
            return;
        }
        PutClipboardObject(kTaskCutFormat, nullptr);
        if (tasksPage_) tasksPage_->RebuildTree();
        OnTaskChanged(task);
        SetModified(LoadMessage(kPasteCutTaskUndo));
        RefreshAll();
        return;
    }
    CTaskKav* copy = GetClipboardTask()->Clone(kCopyFlags);
    copy->RelinkSubTasks(copy);
    if (!parent.AddChild(copy)) {
        ShowGlobalMessage(kPasteErrorCaption, MessageIcon::Warning);
        DeleteTaskCopy(copy);
        return;
    }
    project.InsertTaskTree(copy, copy);
    if (!project.CheckSubtaskRecursion()) {
        const std::string reason = GetGlobalMessageBuffer();
        project.DeleteTask(copy);
        project.CheckSubtaskRecursion();
        SetGlobalMessage(reason);
        ShowGlobalMessage(kPasteErrorCaption, MessageIcon::Warning);
        return;
    }
    if (tasksPage_) tasksPage_->RebuildTree();
    OnTaskChanged(copy);
    SetModified(LoadMessage(kPasteTaskUndo));
}

void CMainFrame::PasteWindows(CWindowKav& parent, const std::vector<CWindowKav*>& windows, bool cut) {
    CApplicationKav& project = Root();
    bool pastedAny = false;
    for (CWindowKav* source : TopWindowsOf(windows)) {
        CWindowKav* window = cut ? source : source->Clone(kCopyFlags);
        CWindowKav* oldParent = cut ? window->GetParent() : nullptr;
        const WindowRect oldRect = window->GetRect();
        if (!FitIntoParent(*window, parent)) {
            ShowWarning(kWindowDoesNotFit, kPasteErrorCaption);
            if (!cut) DeleteWindowCopy(window);
            break;
        }
        ClearGlobalMessage();
        if (oldParent) oldParent->RemoveChild(window);
        if (!parent.AddChild(window, &project)) {
            ShowGlobalMessage(kPasteErrorCaption, MessageIcon::Warning);
            window->SetRect(oldRect);
            if (oldParent) oldParent->AddChild(window, &project);
            if (!cut) DeleteWindowCopy(window);
            break;
        }
        if (!cut) project.InsertWindowTree(window);
        pastedAny = true;
    }
    if (cut) {
        PutClipboardObject(kWindowCutFormat, nullptr);
        RefreshAll();
    }
    if (!pastedAny) return;
    if (windowsPage_) windowsPage_->RebuildTree();
    RefreshAllViews();
    SetModified(LoadMessage(kPasteWindowUndo));
}

// ---- Delete

void CMainFrame::Delete() {
    const ActivePane pane = GetActivePane();
    // A cut deletes what it copied without asking.
    const auto confirmed = [this](const Deletion& deletion) {
        return cutInProgress_ || AskYesNo(deletion.question, deletion.caption);
    };
    switch (pane.kind) {
        case PaneKind::RequirementsPage:
            if (CRequirement* requirement = requirementsPage_->GetSelectedRequirement();
                requirement && AskYesNo(kDeleteRequirement.question, kDeleteRequirement.caption)) {
                DeleteRequirement(*requirement);
                SetModified(LoadMessage(kDeleteRequirement.undoName));
            }
            break;
        case PaneKind::TestCaseView: DeleteTestSteps(*pane.view); break;
        case PaneKind::TasksPage: {
            CTaskKav* task = tasksPage_->GetSelectedTask();
            if (!task || task == Root().GetRootTask()) return;
            const Deletion& deletion = task->IsFolder()                        ? kDeleteFolder
                                       : task->GetType() == kTaskBuildingBlock ? kDeleteBuildingBlock
                                                                               : kDeleteTask;
            if (!AskYesNo(deletion.question, deletion.caption)) return;
            DeleteTask(*task);
            SetModified(LoadMessage(deletion.undoName));
            break;
        }
        case PaneKind::TaskFlowView: {
            const bool steps = !pane.view->GetSelectedSteps().empty();
            if (!steps && !pane.view->HasSelectedConnection()) return;
            const Deletion& deletion = steps ? kDeleteTaskSteps : kDeleteConnection;
            if (!confirmed(deletion)) return;
            DeleteFlowSelection(*pane.view);
            SetModified(LoadMessage(deletion.undoName));
            break;
        }
        case PaneKind::WindowView:
        case PaneKind::MenuView: {
            CTransitionKav* transition = pane.view->GetSelectedTransition();
            if (transition && !cutInProgress_) {
                if (!AskYesNo(kDeleteTransition.question, kDeleteTransition.caption)) return;
                if (DeleteTransition(*transition, pane.kind == PaneKind::MenuView))
                    SetModified(LoadMessage(kDeleteTransition.undoName));
                break;
            }
            if (pane.kind == PaneKind::MenuView) return;
            const std::vector<CWindowKav*> controls = pane.view->GetSelectedControls();
            if (controls.empty() || !confirmed(controls.size() == 1 ? kDeleteWindow : kDeleteWindows)) return;
            if (DeleteWindows(controls)) SetModified(LoadMessage(kDeleteWindow.undoName));
            break;
        }
        case PaneKind::WindowsPage: {
            CWindowKav* window = windowsPage_->GetSelectedWindow();
            if (!window || !AskYesNo(kDeleteWindow.question, kDeleteWindow.caption)) return;
            if (DeleteWindows({window})) SetModified(LoadMessage(kDeleteWindow.undoName));
            break;
        }
        default: return;
    }
    RefreshAllViews();
}

void CMainFrame::DeleteRequirement(CRequirement& requirement) {
    CApplicationKav& project = Root();
    project.RemoveReferencesFromTasks(nullptr, nullptr, nullptr, &requirement, nullptr);
    ClearGlobalMessage();
    if (!project.DeleteRequirement(&requirement)) ShowGlobalMessage(kFatalErrorCaption, MessageIcon::Error);
    requirementsPage_->RebuildTree();
    if (tasksPage_) tasksPage_->UpdateAllTaskItems();
}

void CMainFrame::DeleteTestSteps(FrameView& view) {
    CTestCase* testCase = ShownTestCase(&view);
    if (!testCase) return;
    std::size_t selected = 0;
    for (CStepKav* step : view.GetSelectedSteps())
        if (step != view.GetStartStep()) ++selected;
    if (selected == 0) return;
    if (selected >= testCase->GetSteps().size()) {
        ShowWarning(kLastTestStep, kDeleteTestStepsCaption);
        return;
    }
    if (!AskYesNo(kDeleteTestSteps.question, kDeleteTestSteps.caption)) return;
    view.DeleteSelection();
    SetModified(LoadMessage(kDeleteTestSteps.undoName));
}

void CMainFrame::DeleteFlowSelection(FrameView& view) {
    CTaskKav* task = ShownTask(&view);
    if (!task) return;
    // Test cases made from the steps forget them first.
    for (CStepKav* step : view.GetSelectedSteps())
        if (step != view.GetStartStep()) Root().RemoveReferencesFromTestCases(nullptr, step, nullptr, 0);
    view.DeleteSelection();
    OnTaskChanged(task);
}

void CMainFrame::DeleteTask(CTaskKav& task) {
    CApplicationKav& project = Root();
    CloseTaskFlowViews(nullptr, &task);
    project.RemoveReferencesFromTasks(nullptr, nullptr, &task, nullptr, nullptr);
    project.RemoveReferencesFromTestCases(nullptr, nullptr, &task, 0);
    project.DeleteTestScripts(nullptr, &task);
    ReportChangedTask(&task);
    ClearGlobalMessage();
    if (!project.DeleteTask(&task)) ShowGlobalMessage(kFatalErrorCaption, MessageIcon::Error);
    if (tasksPage_) tasksPage_->RebuildTree();
}

bool CMainFrame::DeleteTransition(CTransitionKav& transition, bool fromMenu) {
    CWindowKav* start = transition.GetStartWindow();
    if (!start) {
        ShowError(fromMenu ? kStartMenuItemNotFound : kStartWindowNotFound, kFatalErrorCaption);
        return false;
    }
    if (!start->GetTransitions().Contains(&transition)) {
        ShowError(fromMenu ? kInvalidStartMenuItem : kInvalidStartWindow, kFatalErrorCaption);
        return false;
    }
    CApplicationKav& project = Root();
    project.RemoveReferencesFromTasks(nullptr, &transition, nullptr, nullptr, nullptr);
    project.RemoveReferencesFromTestCases(nullptr, &transition, nullptr, 0);
    // The views drop the transition before it goes.
    for (FrameView* view : views_)
        if (view->GetSelectedTransition() == &transition) view->SelectTransition(nullptr);
    start->GetTransitions().Delete(&transition);
    if (windowsPage_) windowsPage_->RefreshWindowItem(start, false);
    return true;
}

bool CMainFrame::DeleteWindows(const std::vector<CWindowKav*>& windows) {
    CApplicationKav& project = Root();
    const std::vector<CWindowKav*> tops = TopWindowsOf(windows);
    // No view may keep a window that goes in its selection.
    for (FrameView* view : views_)
        if (view->Kind() == PaneKind::WindowView || view->Kind() == PaneKind::MenuView) view->SelectWindow(nullptr);
    bool deleted = true;
    for (CWindowKav* window : tops) {
        CloseTaskFlowViews(window, nullptr);
        project.RemoveReferencesFromTasks(window, nullptr, nullptr, nullptr, nullptr);
        project.RemoveReferencesFromTestCases(window, nullptr, nullptr, 0);
        project.DeleteTestScripts(window, nullptr);
        ClearGlobalMessage();
        if (!project.GetWindowList().DeleteWindow(window->GetName(), window->GetFile())) {
            ShowGlobalMessage(kFatalErrorCaption, MessageIcon::Error);
            deleted = false;
            break;
        }
    }
    if (windowsPage_) windowsPage_->RebuildTree();
    return deleted;
}

void CMainFrame::DeleteAllTestCases() {
    if (!AskYesNo(kDeleteTestCasesQuestion, kDeleteTestCasesCaption, MessageIcon::Warning)) return;
    CApplicationKav& project = Root();
    project.DeleteTestCases(nullptr, nullptr, nullptr, kTestCaseAnyKind);
    project.GetTestScripts().DeleteAll();
    if (tasksPage_) tasksPage_->UpdateAllTaskItems();
    SetModified(LoadMessage(kDeleteTestCasesUndo));
    ShowInformation(kTestCasesDeleted, kDeletionSuccessfulCaption);
}
