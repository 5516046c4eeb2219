// Whether each of the frame's commands can be given now, and its check mark: most need an open
// project and no pick operation, and a command that starts a pick operation stays enabled and
// checked while it is pending, so that giving it again cancels it. "May be changed" means the
// object's project file is there and not read-only.
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "model/TaskStep.h"
#include "model/TestCase.h"
#include "model/TestStep.h"
#include "model/TransitionKav.h"
#include "model/WindowKav.h"
#include "platform/Clipboard.h"
#include "shell/ClipboardObjects.h"
#include "shell/HtmlDocumentation.h"
#include "shell/MainFrame.h"
#include "shell/ProjectSession.h"

namespace {

bool MayBeChanged(const CKavroObj* object) { return object && object->IsEditable(true); }

bool IsMenuOrItem(const CWindowKav* window) {
    return window && (window->GetType() == kWndMenu || window->GetType() == kWndMenuItem);
}

bool IsStartWindowCandidate(const CWindowKav* window) {
    return window && !IsMenuOrItem(window) && !window->GetParent() && window->IsVisible() && window->IsEnabled();
}

bool IsOneOf(int mode, std::initializer_list<int> modes) {
    for (int each : modes)
        if (mode == each) return true;
    return false;
}

bool IsViewPane(PaneKind kind) { return kind == PaneKind::WindowView || kind == PaneKind::MenuView; }

// The selected steps of a flow view, without its start step.
std::vector<CStepKav*> StepsBesidesStart(const FrameView& view) {
    std::vector<CStepKav*> steps;
    for (CStepKav* step : view.GetSelectedSteps())
        if (step != view.GetStartStep()) steps.push_back(step);
    return steps;
}

}  // namespace

CommandState CMainFrame::OpenAndIdleState() const { return {pick_.mode == 0 && IsProjectOpen(), false}; }

// New needs the project dialog, which edits the new project.
CommandState CMainFrame::NewProjectState() const { return {static_cast<bool>(projectDialog_), false}; }

CommandState CMainFrame::OpenProjectState() const { return {!VornakMode, false}; }

// In VORNAK mode the interface must be active, or lost (then the project can still be saved).
CommandState CMainFrame::SaveProjectState() const {
    const bool interfaceReady = !VornakMode || (vornak_ && (vornak_->GetState() == 1 || vornak_->IsConnectionLost()));
    return {IsProjectOpen() && interfaceReady, false};
}

CommandState CMainFrame::ProjectOpenState() const { return {IsProjectOpen(), false}; }

// The dialog, or in VORNAK mode the interface that asks for the libraries first.
CommandState CMainFrame::ProjectPropertiesState() const {
    const bool editor = VornakMode ? static_cast<bool>(vornak_) : static_cast<bool>(projectDialog_);
    return {IsProjectOpen() && editor, false};
}

CommandState CMainFrame::UndoState() const { return {pick_.mode == 0 && undo_.CanUndo(), false}; }

CommandState CMainFrame::RedoState() const { return {pick_.mode == 0 && undo_.CanRedo(), false}; }

// ---- Editors, runs and imports: open and idle, with their part installed.

CommandState CMainFrame::AttributesEditorState() const {
    return {OpenAndIdleState().enabled && services_.editors.editParameters, false};
}

CommandState CMainFrame::UserDefinedFieldsState() const { return AttributesEditorState(); }

CommandState CMainFrame::MetaConditionEditorState() const {
    return {OpenAndIdleState().enabled && services_.editors.editMetaConditions, false};
}

CommandState CMainFrame::GuiSpyState() const { return {OpenAndIdleState().enabled && services_.capture.runGuiSpy, false}; }

CommandState CMainFrame::GuiBuilderEditorState() const {
    return {OpenAndIdleState().enabled && services_.capture.editGuiBuilders, false};
}

CommandState CMainFrame::WindowWizardState() const {
    return {OpenAndIdleState().enabled && services_.capture.runWindowWizard, false};
}

CommandState CMainFrame::GenerateTestCasesState() const {
    return {OpenAndIdleState().enabled && services_.run.generateTestCases, false};
}

CommandState CMainFrame::ConvertTestCasesState() const {
    return {OpenAndIdleState().enabled && services_.run.convertTestCases, false};
}

// The documentation installs its command when the program starts.
CommandState CMainFrame::HtmlDocumentationState() const {
    return {OpenAndIdleState().enabled && static_cast<bool>(HtmlDocumentationCommand()), false};
}

CommandState CMainFrame::ViewTestCasesState() const {
    return {OpenAndIdleState().enabled && services_.run.selectTestCase, false};
}

CommandState CMainFrame::RepositoryOptionsState() const {
    return {OpenAndIdleState().enabled && services_.run.setRepositoryOptions, false};
}

CommandState CMainFrame::ImportJavaGuiState() const {
    return {OpenAndIdleState().enabled && services_.importers.javaGuiInfo, false};
}

CommandState CMainFrame::ImportUftRepositoryState() const {
    return {OpenAndIdleState().enabled && services_.importers.importUftRepository, false};
}

// In VORNAK mode only while the interface allows imports.
CommandState CMainFrame::ImportProjectDataState() const {
    const bool allowed = !VornakMode || (vornak_ && vornak_->AllowsImports());
    return {OpenAndIdleState().enabled && allowed && services_.importers.importProjectData, false};
}

CommandState CMainFrame::ImportXmiState() const {
    const bool allowed = !VornakMode || (vornak_ && vornak_->AllowsImports());
    return {OpenAndIdleState().enabled && allowed && services_.importers.xmiModelData, false};
}

CommandState CMainFrame::ExportEsaObjectMapsState() const {
    return {OpenAndIdleState().enabled && Root().IsEsaOutputFormat(), false};
}

CommandState CMainFrame::ShowLoadErrorsState() const { return {OpenAndIdleState().enabled && HasLoadErrors(), false}; }

// ---- Pick operations.

CommandState CMainFrame::NewTransitionState() const {
    if (IsOneOf(pick_.mode, {1, 2, 3})) return {true, true};
    if (IsOneOf(pick_.mode, {6, 7, 8}) || !(viewMode_ & (kShowTransitions | kShowCoverage))) return {};
    const ActivePane pane = GetActivePane();
    return {IsViewPane(pane.kind) && MayBeChanged(ShownWindow(pane.view)) && services_.editors.editStep, false};
}

CommandState CMainFrame::RedirectTransitionState() const {
    const ActivePane pane = GetActivePane();
    return {pick_.mode == 0 && IsViewPane(pane.kind) && MayBeChanged(ShownWindow(pane.view)) &&
                pane.view->GetSelectedTransition(),
            false};
}

CommandState CMainFrame::ConnectStepsState() const {
    if (IsOneOf(pick_.mode, {4, 5})) return {true, true};
    const ActivePane pane = GetActivePane();
    const CTaskKav* task = pane.kind == PaneKind::TaskFlowView ? ShownTask(pane.view) : nullptr;
    return {pick_.mode == 0 && MayBeChanged(task) && task->GetSteps().size() > 1, false};
}

CommandState CMainFrame::AssignObjectState() const {
    if (IsOneOf(pick_.mode, {6, 7})) return {true, true};
    if (pick_.mode != 0) return {};
    const ActivePane pane = GetActivePane();
    if (pane.kind == PaneKind::TaskFlowView) {
        const CStepKav* step = OneSelectedStep(pane.view);
        return {MayBeChanged(ShownTask(pane.view)) && step && step != pane.view->GetStartStep(), false};
    }
    return {pane.kind == PaneKind::TestCaseView && OneSelectedStep(pane.view), false};
}

CommandState CMainFrame::CreateWindowBuildingBlockState() const {
    if (pick_.mode == 8) return {true, true};
    const ActivePane pane = GetActivePane();
    return {pick_.mode == 0 && Root().IsEsaOutputFormat() && pane.kind == PaneKind::WindowView &&
                !pane.view->GetSelectedControls().empty(),
            false};
}

// ---- Tasks.

CommandState CMainFrame::NewTaskState() const {
    const ActivePane pane = GetActivePane();
    const CTaskKav* task = pane.kind == PaneKind::TasksPage ? tasksPage_->GetSelectedTask() : nullptr;
    if (pick_.mode != 0 || !MayBeChanged(task)) return {};
    if (!Root().GetOldTaskMode() && !task->IsFolder()) return {};
    return {!task->IsQuVornakTask() || task->GetDepth() >= 2, false};
}

CommandState CMainFrame::NewBuildingBlockState() const {
    const ActivePane pane = GetActivePane();
    const CTaskKav* task = pane.kind == PaneKind::TasksPage ? tasksPage_->GetSelectedTask() : nullptr;
    if (pick_.mode != 0 || !MayBeChanged(task) || task->IsQuVornakTask()) return {};
    return {Root().GetOldTaskMode() || task->IsFolder(), false};
}

CommandState CMainFrame::NewFolderState() const {
    const ActivePane pane = GetActivePane();
    const CTaskKav* task = pane.kind == PaneKind::TasksPage ? tasksPage_->GetSelectedTask() : nullptr;
    if (pick_.mode != 0 || !MayBeChanged(task)) return {};
    if (!Root().GetOldTaskMode() && !task->IsFolder()) return {};
    if (task->IsQuVornakTask())
        for (const CTaskKav* child : task->GetChildren())
            if (child->GetType() == kTaskPlain) return {};
    return {true, false};
}

CommandState CMainFrame::NewStepState() const {
    if (pick_.mode != 0) return {};
    const ActivePane pane = GetActivePane();
    if (pane.kind == PaneKind::TaskFlowView)
        return {MayBeChanged(ShownTask(pane.view)) &&
                    (OneSelectedStep(pane.view) || pane.view->HasSelectedConnection()),
                false};
    if (pane.kind == PaneKind::TestCaseView)
        return {OneSelectedStep(pane.view) || pane.view->CanInsertStep(), false};
    return {};
}

CommandState CMainFrame::EditStepState() const {
    const ActivePane pane = GetActivePane();
    if (pick_.mode != 0 || (pane.kind != PaneKind::TaskFlowView && pane.kind != PaneKind::TestCaseView)) return {};
    const CStepKav* step = OneSelectedStep(pane.view);
    return {step && step != pane.view->GetStartStep() && services_.editors.editStep, false};
}

CommandState CMainFrame::TaskFlowEditorState() const {
    if (pick_.mode == 10) return {};
    const ActivePane pane = GetActivePane();
    const CTaskKav* task = nullptr;
    if (pane.kind == PaneKind::TasksPage) {
        task = tasksPage_->GetSelectedTask();
    } else if (pane.kind == PaneKind::TaskFlowView) {
        if (const auto* step = dynamic_cast<const CTaskStep*>(OneSelectedStep(pane.view))) task = step->GetSubTask();
    }
    return {task && !task->IsFolder(), false};
}

// ---- Windows.

CommandState CMainFrame::WindowEditorState() const {
    const ActivePane pane = GetActivePane();
    bool emptyView = false;
    return {WindowToEdit(pane, emptyView) || emptyView, false};
}

CommandState CMainFrame::MenuEditorState() const {
    const CWindowKav* owner = WindowForMenuEditor(GetActivePane());
    return {owner != nullptr, false};
}

CommandState CMainFrame::SetStartWindowState() const {
    const ActivePane pane = GetActivePane();
    if (pick_.mode != 0 || (pane.kind != PaneKind::WindowsPage && pane.kind != PaneKind::WindowView)) return {};
    return {IsStartWindowCandidate(WindowOfPane(pane)), false};
}

CommandState CMainFrame::ReplaceWindowState() const {
    const CWindowKav* window = WindowOfPane(GetActivePane());
    return {pick_.mode == 0 && window && window->GetType() != kWndMenu && services_.editors.chooseReplacement, false};
}

CommandState CMainFrame::ChangeWindowTypeState() const {
    const ActivePane pane = GetActivePane();
    if (pick_.mode != 0 || !services_.editors.chooseWindowType) return {};
    if (IsViewPane(pane.kind)) return {MayBeChanged(ShownWindow(pane.view)), false};
    const CWindowKav* window = pane.kind == PaneKind::WindowsPage ? windowsPage_->GetSelectedWindow() : nullptr;
    return {MayBeChanged(window) && !IsMenuOrItem(window), false};
}

CommandState CMainFrame::NewMenuState() const {
    const ActivePane pane = GetActivePane();
    if (pick_.mode != 0) return {};
    if (pane.kind == PaneKind::WindowsPage) return {MayBeChanged(windowsPage_->GetSelectedWindow()), false};
    if (pane.kind == PaneKind::WindowView) return {MayBeChanged(WindowOfPane(pane)), false};
    return {};
}

CommandState CMainFrame::NewMenuItemState() const {
    const ActivePane pane = GetActivePane();
    return {pick_.mode == 0 && pane.kind == PaneKind::MenuView && MayBeChanged(ShownWindow(pane.view)), false};
}

CommandState CMainFrame::GenerateWindowTagsState() const {
    return {pick_.mode == 0 && MayBeChanged(WindowOfPane(GetActivePane())) && services_.editors.generateWindowTags,
            false};
}

CommandState CMainFrame::PropertiesEditorState() const {
    if (pick_.mode != 0) return {};
    const ActivePane pane = GetActivePane();
    switch (pane.kind) {
        case PaneKind::WindowsPage:
        case PaneKind::WindowView:
        case PaneKind::MenuView: return {WindowOfPane(pane) && services_.editors.editWindowProperties, false};
        case PaneKind::TasksPage: {
            const CTaskKav* task = tasksPage_->GetSelectedTask();
            const bool rootAllowed = Root().GetOldTaskMode() || task != Root().GetRootTask();
            return {task && rootAllowed && services_.editors.editTask, false};
        }
        case PaneKind::TaskFlowView: return EditStepState();
        default: return {};
    }
}

// ---- Edit.

CommandState CMainFrame::CopyState() const {
    if (pick_.mode != 0) return {};
    const ActivePane pane = GetActivePane();
    switch (pane.kind) {
        case PaneKind::WindowsPage: return {MayBeChanged(windowsPage_->GetSelectedWindow()), false};
        case PaneKind::WindowView: {
            const std::vector<CWindowKav*> controls = pane.view->GetSelectedControls();
            return {!controls.empty() && MayBeChanged(controls.front()), false};
        }
        case PaneKind::TasksPage: {
            const CTaskKav* task = tasksPage_->GetSelectedTask();
            return {MayBeChanged(task) && task != Root().GetRootTask(), false};
        }
        case PaneKind::TaskFlowView: {
            const std::vector<CStepKav*> steps = pane.view->GetSelectedSteps();
            return {MayBeChanged(ShownTask(pane.view)) && !steps.empty() && StepsBesidesStart(*pane.view) == steps,
                    false};
        }
        default: return {};
    }
}

// A pending cut stays enabled: giving Cut again cuts nothing more.
CommandState CMainFrame::CutState() const {
    if (IsOneOf(pick_.mode, {9, 10})) return {true, false};
    return CopyState();
}

CommandState CMainFrame::PasteState() const {
    const ActivePane pane = GetActivePane();
    const bool cutPending = IsOneOf(pick_.mode, {9, 10});
    if (pick_.mode != 0 && !cutPending) return {};
    switch (pane.kind) {
        case PaneKind::TaskFlowView:
            return {!cutPending && MayBeChanged(ShownTask(pane.view)) && GetClipboardTaskSteps(), false};
        case PaneKind::TasksPage: {
            const bool held = pick_.mode == 10 ? GetClipboardObject(kTaskCutFormat) != nullptr
                                               : !cutPending && GetClipboardTask();
            return {held && MayBeChanged(tasksPage_->GetSelectedTask()), false};
        }
        case PaneKind::WindowsPage:
        case PaneKind::WindowView: {
            const bool held = pick_.mode == 9 ? GetClipboardObject(kWindowCutFormat) != nullptr
                                              : !cutPending && (GetClipboardObject(kWindowCopyFormat) ||
                                                                GetClipboardObject(kWindowListCopyFormat));
            CWindowKav* target = pane.kind == PaneKind::WindowsPage ? windowsPage_->GetSelectedWindow()
                                                                    : ShownWindow(pane.view);
            return {held && MayBeChanged(target), false};
        }
        default: return {};
    }
}

CommandState CMainFrame::DeleteState() const {
    if (pick_.mode != 0) return {};
    const ActivePane pane = GetActivePane();
    switch (pane.kind) {
        case PaneKind::RequirementsPage: return {MayBeChanged(requirementsPage_->GetSelectedRequirement()), false};
        case PaneKind::TestCaseView: return {!StepsBesidesStart(*pane.view).empty(), false};
        case PaneKind::TasksPage: {
            const CTaskKav* task = tasksPage_->GetSelectedTask();
            return {MayBeChanged(task) && task != Root().GetRootTask(), false};
        }
        case PaneKind::TaskFlowView:
            return {MayBeChanged(ShownTask(pane.view)) &&
                        (!StepsBesidesStart(*pane.view).empty() || pane.view->HasSelectedConnection()),
                    false};
        case PaneKind::WindowView:
        case PaneKind::MenuView: {
            if (const CTransitionKav* transition = pane.view->GetSelectedTransition())
                return {MayBeChanged(transition->GetStartWindow()), false};
            if (pane.kind == PaneKind::MenuView) return {};
            const std::vector<CWindowKav*> controls = pane.view->GetSelectedControls();
            return {!controls.empty() && MayBeChanged(controls.front()), false};
        }
        case PaneKind::WindowsPage: return {MayBeChanged(windowsPage_->GetSelectedWindow()), false};
        default: return {};
    }
}

// ---- Search and the trees.

CommandState CMainFrame::SearchObjectState() const {
    return {IsProjectOpen() && services_.editors.searchWindows && services_.editors.searchTasks, false};
}

CommandState CMainFrame::SearchReferencesState() const {
    if (pick_.mode != 0) return {};
    const ActivePane pane = GetActivePane();
    const bool referenceDialogs = services_.editors.askReferenceDesignation && services_.editors.showReferences;
    switch (pane.kind) {
        case PaneKind::WindowsPage: return {windowsPage_->GetSelectedWindow() && referenceDialogs, false};
        case PaneKind::WindowView:
        case PaneKind::MenuView: return {referenceDialogs, false};
        case PaneKind::TasksPage: {
            const CTaskKav* task = tasksPage_->GetSelectedTask();
            return {task && task->GetType() == kTaskBuildingBlock, false};
        }
        case PaneKind::TaskFlowView: {
            const CTaskKav* task = ShownTask(pane.view);
            return {task && task->GetType() == kTaskBuildingBlock, false};
        }
        case PaneKind::RequirementsPage: return {requirementsPage_->GetSelectedRequirement() != nullptr, false};
        // Any other pane: the command does nothing there.
        default: return {true, false};
    }
}

CommandState CMainFrame::ShowInTaskTreeState() const {
    return {pick_.mode == 0 && tasksPage_ && TaskToShowInTree(GetActivePane()), false};
}

CommandState CMainFrame::ShowInWindowTreeState() const {
    return {pick_.mode == 0 && windowsPage_ && WindowToShowInTree(GetActivePane()), false};
}

// ---- View mode.

CommandState CMainFrame::ViewModePairState(int bit) const {
    return {pick_.mode == 0 && IsProjectOpen(), (viewMode_ & bit) != 0};
}

CommandState CMainFrame::ViewModeBitState(int bit) const { return {pick_.mode == 0, (viewMode_ & bit) != 0}; }

CommandState CMainFrame::SortByUftClassState() const {
    constexpr int kUftFormat = 7;
    return {pick_.mode == 0 && Root().GetOutputFormat() == kUftFormat, false};
}
