// The commands that change the model through the editors or directly: the step editors, new
// and redirected transitions, properties and attributes, the window type, menus, tasks, steps,
// requirements, the GUI spy, window tags and the conversion.
#include "model/ApplicationKav.h"
#include "model/ChangedTaskReport.h"
#include "model/TaskStep.h"
#include "model/TestCase.h"
#include "model/TestStep.h"
#include "model/TransitionKav.h"
#include "model/WindowKav.h"
#include "model/windows/WindowTypes.h"
#include "platform/MessageBuffer.h"
#include "resources/MessageCatalogue.h"
#include "shell/MainFrame.h"

namespace {

constexpr int kFatalErrorCaption = 47001;
constexpr int kInvalidRelationshipCaption = 47008;
constexpr int kNoPropertiesEditor = 41029;     // [F0029]
constexpr int kDocumentWithoutView = 41028;    // [F0028]
constexpr int kTransitionCorrupted = 41041;    // [F0041]
constexpr int kCannotChangeTypeCaption = 47106;
constexpr int kCreateTransitionUndo = 48041;
constexpr int kRedirectTransitionUndo = 48042;
constexpr int kEditAttributesUndo = 48023;
constexpr int kEditTaskUndo = 48025;
constexpr int kRecordWindowsUndo = 48047;
constexpr int kGenerateTagsUndo = 48046;
constexpr int kChangeTypeUndo = 48048;
constexpr int kCreateMenuUndo = 48193;
constexpr int kCreateMenuItemUndo = 48044;
constexpr int kGlobalAttributesTitle = 49327;  // "Global Attributes of Project "
constexpr int kWindowAttributesTitle = 49328;  // "Attributes of "
constexpr int kCancelledType = 99;
constexpr int kGlobalAttributes = 1;
constexpr int kWindowAttributes = 2;
constexpr int kDefaultCriticality = 2;

bool IsMenuOrItem(const CWindowKav* window) {
    return window && (window->GetType() == kWndMenu || window->GetType() == kWndMenuItem);
}

// Attributes renamed in the parameter dialog: every text that names them follows. A window's
// attributes are named through the window, global ones by their own reference text.
void RenameEditedAttributes(CApplicationKav& project, const CWindowKav* window,
                            const OwningList<CAttributeKav>& attributes) {
    for (const CAttributeKav* attribute : attributes) {
        const std::string oldName = attribute->GetNameAtOpen();
        const std::string newName = attribute->GetName();
        if (oldName.empty() || oldName == newName) continue;
        if (window) {
            project.RenameAttributeReferences(window, oldName, newName);
            continue;
        }
        const std::string newPath = project.GetObjectPathText(attribute);
        const std::string oldPath = newPath.substr(0, newPath.size() - newName.size()) + oldName;
        project.RenameObjectReferences(oldPath, newPath);
    }
}

// Steps of test cases that were made from the transition follow its windows.
void UpdateTestCasesOfTransition(CApplicationKav& project, const CTransitionKav& transition) {
    for (CTestCase* testCase : project.GetTestCases()) {
        if (testCase->GetTransitionStep() == &transition) testCase->SetWindow(transition.GetStartWindow());
        for (CTestStep* step : testCase->GetSteps()) {
            if (step->GetTransition() != &transition) continue;
            step->SetStartWindow(transition.GetStartWindow());
            step->SetDestWindow(transition.GetDestWindow());
        }
    }
}

}  // namespace

// ---- The step editors

int CMainFrame::EditStep(CStepKav* step, bool isNew, CTaskKav* task) {
    if (!step) return 0;
    const FrameEditors& editors = services_.editors;
    const bool esa = Root().IsEsaOutputFormat();
    int result = 0;
    switch (step->GetStepType()) {
        case kStepTransition:
            if (editors.editStep) result = editors.editStep(*step, isNew, task);
            break;
        case kStepTask: {
            auto& taskStep = static_cast<CTaskStep&>(*step);
            if (taskStep.GetSubTask()) {
                if (editors.editSubtaskStep) result = editors.editSubtaskStep(taskStep, task);
            } else if (esa) {
                if (editors.editApiStep) result = editors.editApiStep(*step, task);
            } else if (editors.editStep) {
                result = editors.editStep(*step, isNew, task);
            }
            break;
        }
        case kStepTest:
            if (esa) {
                if (editors.editApiStep) result = editors.editApiStep(*step, task);
            } else if (editors.editStep) {
                result = editors.editStep(*step, isNew, task);
            }
            break;
        default: return 0;
    }
    if (result != 1) return 0;
    RefreshAllViews();
    if (task) ReportChangedTask(task);
    return 1;
}

void CMainFrame::EditSelectedStep() {
    const ActivePane pane = GetActivePane();
    if (CStepKav* step = OneSelectedStep(pane.view))
        EditStep(step, false, pane.kind == PaneKind::TaskFlowView ? ShownTask(pane.view) : nullptr);
}

CTransitionKav* CMainFrame::CreateTransition(CWindowKav* start, CWindowKav* destination) {
    if (!start || !destination) return nullptr;
    auto transition = std::make_unique<CTransitionKav>(MakeTransitionName(start), "", "", "", "", "", start,
                                                       destination, 0, &Root().GetStepFields(), kDefaultCriticality,
                                                       "", 0);
    if (EditStep(transition.get(), true, nullptr) != 1) return nullptr;
    CTransitionKav* made = start->GetTransitions().Add(transition.release());
    if (windowsPage_) windowsPage_->RefreshWindowItem(start, false);
    SetModified(LoadMessage(kCreateTransitionUndo));
    return made;
}

int CMainFrame::RedirectTransition(CTransitionKav* transition, CWindowKav* start, CWindowKav* destination) {
    if (!transition || !start) return 0;
    CWindowKav* oldStart = transition->GetStartWindow();
    if (start != oldStart) {
        if (!oldStart || !oldStart->GetTransitions().Release(transition)) {
            ShowError(kTransitionCorrupted, kFatalErrorCaption);
            return 0;
        }
        transition->SetName(MakeTransitionName(start));
        start->GetTransitions().Add(transition);
        transition->SetStartWindow(start);
    }
    transition->SetDestWindow(destination);
    Root().UpdateWindowReferencesInTasks(start);
    UpdateTestCasesOfTransition(Root(), *transition);
    if (windowsPage_) {
        if (oldStart) windowsPage_->RefreshWindowItem(oldStart, false);
        windowsPage_->RefreshWindowItem(start, false);
    }
    SetModified(LoadMessage(kRedirectTransitionUndo));
    return 1;
}

// ---- Properties and attributes

void CMainFrame::PropertiesEditor() { EditProperties(GetActivePane()); }

void CMainFrame::EditProperties(const ActivePane& pane) {
    const FrameEditors& editors = services_.editors;
    switch (pane.kind) {
        case PaneKind::WindowsPage:
        case PaneKind::WindowView:
        case PaneKind::MenuView: {
            CWindowKav* window = WindowOfPane(pane);
            if (!window) return;
            const int result = editors.editWindowProperties(*window);
            if (result == -1) {
                ShowError(kNoPropertiesEditor, kFatalErrorCaption);
                return;
            }
            if (result != 1) return;
            // The editor may have renamed it.
            if (windowsPage_) windowsPage_->RefreshWindowItem(window, true);
            RefreshAllViews();
            return;
        }
        case PaneKind::TasksPage: {
            CTaskKav* task = tasksPage_->GetSelectedTask();
            if (!task || editors.editTask(*task) != 1) return;
            SetModified(LoadMessage(kEditTaskUndo));
            OnTaskChanged(task);
            return;
        }
        case PaneKind::TaskFlowView: EditSelectedStep(); return;
        default: return;
    }
}

void CMainFrame::AttributesEditor() {
    const ActivePane pane = GetActivePane();
    CWindowKav* window = WindowOfPane(pane);
    CApplicationKav& project = Root();
    OwningList<CAttributeKav>& attributes = window ? window->GetAttributes() : project.GetAttributes();
    const std::string title = window ? LoadMessage(kWindowAttributesTitle) + window->GetName()
                                     : LoadMessage(kGlobalAttributesTitle) + project.GetName();
    const bool readOnly = window ? !window->IsEditable(true) : false;
    if (services_.editors.editParameters(attributes, window ? kWindowAttributes : kGlobalAttributes, readOnly,
                                         title) != 1)
        return;
    RenameEditedAttributes(project, window, attributes);
    SetModified(LoadMessage(kEditAttributesUndo));
    RefreshAllViews();
}

// ---- Windows

void CMainFrame::ChangeWindowType() {
    const ActivePane pane = GetActivePane();
    CWindowKav* window = pane.kind == PaneKind::WindowsPage || pane.kind == PaneKind::WindowView ? WindowOfPane(pane)
                                                                                              : nullptr;
    if (!window || IsMenuOrItem(window)) return;
    const int type = services_.editors.chooseWindowType(*window);
    if (type == kCancelledType) return;
    FrameView* view = FindView(PaneKind::WindowView, window);
    ClearGlobalMessage();
    CWindowKav* replacement = Root().GetWindowList().ChangeType(window, type);
    if (!replacement) {
        ShowGlobalMessage(kCannotChangeTypeCaption, MessageIcon::Warning);
        return;
    }
    if (windowsPage_) windowsPage_->RebuildTree();
    // The view finds the new object by the identifier it keeps.
    if (view) {
        view->Rebind();
        view->SetViewMode(viewMode_);
    }
    RefreshAllViews();
    RestoreFocus(pane);
    SetModified(LoadMessage(kChangeTypeUndo));
}

void CMainFrame::NewMenu() {
    const ActivePane pane = GetActivePane();
    CWindowKav* parent = pane.kind == PaneKind::WindowsPage || pane.kind == PaneKind::WindowView ? WindowOfPane(pane)
                                                                                              : nullptr;
    if (!parent) return;
    CApplicationKav& project = Root();
    CWindowKav* menu = CreateWindowOfType(
        kWndMenu, {.id = project.GetWindowList().MakeUniqueName("Menu"), .guiId = parent->GetGuiID()});
    menu->SetFile(project.GetMainFile());
    ClearGlobalMessage();
    if (!parent->AddChild(menu, &project)) {
        delete menu;
        ShowGlobalMessage(kInvalidRelationshipCaption, MessageIcon::Warning);
        return;
    }
    project.GetWindowList().Add(menu);
    if (windowsPage_) windowsPage_->InsertWindow(menu);
    ShowView(PaneKind::MenuView, menu);
    SetModified(LoadMessage(kCreateMenuUndo));
}

void CMainFrame::NewMenuItem() {
    const ActivePane pane = GetActivePane();
    if (pane.kind != PaneKind::MenuView) return;
    CWindowKav* parent = WindowOfPane(pane);
    if (!parent) return;
    CApplicationKav& project = Root();
    CWindowKav* item = CreateWindowOfType(
        kWndMenuItem, {.id = project.GetWindowList().MakeUniqueName("Item"), .guiId = parent->GetGuiID()});
    item->SetFile(project.GetMainFile());
    ClearGlobalMessage();
    if (!parent->AddChild(item, &project)) {
        delete item;
        ShowGlobalMessage(kInvalidRelationshipCaption, MessageIcon::Warning);
        return;
    }
    project.GetWindowList().Add(item);
    if (windowsPage_) windowsPage_->InsertWindow(item);
    pane.view->SelectWindow(item);
    pane.view->Refresh();
    SetModified(LoadMessage(kCreateMenuItemUndo));
}

void CMainFrame::MenuEditor() {
    const ActivePane pane = GetActivePane();
    CWindowKav* owner = WindowForMenuEditor(pane);
    CWindowKav* menu = owner ? owner->FindMenu() : nullptr;
    if (!menu) return;
    FrameView* view = ShowView(PaneKind::MenuView, menu);
    if (!view) {
        ShowError(kDocumentWithoutView, kFatalErrorCaption);
        return;
    }
    // What the pane has selected of the menu is selected in its view.
    CWindowKav* selected = pane.kind == PaneKind::WindowsPage ? windowsPage_->GetSelectedWindow() : nullptr;
    const auto* step = dynamic_cast<const CTaskStep*>(OneSelectedStep(pane.view));
    if (step && step->GetTransition()) view->SelectTransition(step->GetTransition());
    else if (selected && selected->GetType() == kWndMenuItem) view->SelectWindow(selected);
    FollowPickMode(*view);
}

void CMainFrame::GuiSpy() {
    const std::vector<CWindowKav*> recorded = services_.capture.runGuiSpy();
    if (recorded.empty()) return;
    if (windowsPage_)
        for (CWindowKav* window : recorded) windowsPage_->InsertWindow(window);
    SetModified(LoadMessage(kRecordWindowsUndo));
}

void CMainFrame::GenerateWindowTags() {
    const ActivePane pane = GetActivePane();
    CWindowKav* window = WindowOfPane(pane);
    if (!window) return;
    ClearGlobalMessage();
    if (services_.editors.generateWindowTags(*window) == 1) SetModified(LoadMessage(kGenerateTagsUndo));
    else if (!GetGlobalMessageBuffer().empty()) ShowGlobalMessage(0, MessageIcon::Warning);
    RestoreFocus(pane);
}

// ---- Tasks, steps and requirements

void CMainFrame::CreateTask(int type) {
    if (GetActivePane().kind != PaneKind::TasksPage) return;
    CTaskKav* task = tasksPage_->CreateTaskItem(type);
    if (!task) return;
    OnTaskChanged(task);
    if (services_.editors.editTask && services_.editors.editTask(*task) == 1) {
        SetModified(LoadMessage(kEditTaskUndo));
        OnTaskChanged(task);
    }
}

void CMainFrame::NewStep() {
    const ActivePane pane = GetActivePane();
    if (pane.kind == PaneKind::TaskFlowView || pane.kind == PaneKind::TestCaseView) pane.view->InsertStep();
}

// ---- Conversion

void CMainFrame::ConvertTestCases() {
    const ActivePane pane = GetActivePane();
    CWindowKav* window = nullptr;
    CTaskKav* task = nullptr;
    switch (pane.kind) {
        case PaneKind::WindowsPage:
        case PaneKind::WindowView:
        case PaneKind::MenuView:
            // A control's test cases are its captioned ancestor's.
            for (window = WindowOfPane(pane); window && !window->HasCaption() && window->GetParent();)
                window = window->GetParent();
            break;
        case PaneKind::TasksPage: task = tasksPage_->GetSelectedTask(); break;
        case PaneKind::TaskFlowView: task = ShownTask(pane.view); break;
        case PaneKind::TestCaseView:
            if (const CTestCase* testCase = ShownTestCase(pane.view)) {
                task = testCase->GetTask();
                if (!task) window = testCase->GetWindow();
            }
            break;
        default: break;
    }
    // The root task stands for the whole project.
    if (task == Root().GetRootTask()) task = nullptr;
    // Until the missing-tags check is installed the conversion goes on without it.
    if (services_.editors.checkMissingTags && !services_.editors.checkMissingTags(window, task)) return;
    services_.run.convertTestCases(window, task);
    RefreshAllViews();
}
