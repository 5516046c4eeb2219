// Search Object and Search References: what the active pane gives to search for, and the
// objects found marked in the Windows or Tasks page.
#include <algorithm>

#include "model/ApplicationKav.h"
#include "model/TaskStep.h"
#include "model/WindowKav.h"
#include "shell/MainFrame.h"

namespace {

constexpr int kNoWindowFound = 42001;        // [I0001]
constexpr int kNoTaskFound = 42008;          // [I0008]
constexpr int kNeverASubTask = 42009;        // [I0009]
constexpr int kRequirementUnused = 42002;    // [I0002]
constexpr int kNothingFoundCaption = 47020;

// The tasks whose steps call the task, each once, in the project's order.
std::vector<CTaskKav*> TasksCalling(CApplicationKav& project, const CTaskKav& task) {
    std::vector<CTaskKav*> callers;
    for (CTaskKav* caller : project.GetTasks()) {
        const OwningList<CTaskStep>& steps = caller->GetSteps();
        if (std::any_of(steps.begin(), steps.end(), [&](const CTaskStep* step) { return step->GetSubTask() == &task; }))
            callers.push_back(caller);
    }
    return callers;
}

}  // namespace

void CMainFrame::SearchObject() {
    const ActivePane pane = GetActivePane();
    CWindowKav* window = nullptr;
    CTaskKav* task = nullptr;
    CFileKav* scope = nullptr;
    switch (pane.kind) {
        case PaneKind::WindowsPage:
            window = windowsPage_->GetSelectedWindow();
            scope = windowsPage_->GetSelectedFile();
            break;
        case PaneKind::WindowView:
        case PaneKind::MenuView: window = WindowOfPane(pane); break;
        case PaneKind::TasksPage:
            task = tasksPage_->GetSelectedTask();
            scope = tasksPage_->GetSelectedFile();
            break;
        case PaneKind::TaskFlowView: task = ShownTask(pane.view); break;
        default: break;
    }
    const bool windowsInFront = window_.GetShownWorkspacePage() == WorkspacePageIndex::Windows;
    if (window || (windowsInFront && !task)) {
        const std::optional<std::vector<CWindowKav*>> found = services_.editors.searchWindows(window, scope);
        if (!found) return;
        if (found->empty()) {
            ShowInformation(kNoWindowFound, kNothingFoundCaption);
            return;
        }
        UpdateControlBars(PaneKind::WindowsPage);
        if (windowsPage_) windowsPage_->MarkWindows(*found);
        return;
    }
    const std::optional<std::vector<CTaskKav*>> found = services_.editors.searchTasks(task, scope);
    if (!found) return;
    if (found->empty()) {
        ShowInformation(kNoTaskFound, kNothingFoundCaption);
        return;
    }
    UpdateControlBars(PaneKind::TasksPage);
    if (tasksPage_) tasksPage_->MarkTasks(*found);
}

void CMainFrame::SearchReferences() {
    const ActivePane pane = GetActivePane();
    std::vector<CTaskKav*> tasks;
    switch (pane.kind) {
        case PaneKind::WindowsPage:
        case PaneKind::WindowView:
        case PaneKind::MenuView: {
            CWindowKav* window = WindowOfPane(pane);
            if (!window) return;
            const std::string designation = services_.editors.askReferenceDesignation(*window);
            if (!designation.empty()) services_.editors.showReferences(designation);
            return;
        }
        case PaneKind::TasksPage:
        case PaneKind::TaskFlowView: {
            const CTaskKav* task = pane.kind == PaneKind::TasksPage ? tasksPage_->GetSelectedTask() : ShownTask(pane.view);
            if (!task) return;
            tasks = TasksCalling(Root(), *task);
            if (tasks.empty()) {
                ShowInformation(kNeverASubTask, kNothingFoundCaption);
                return;
            }
            break;
        }
        case PaneKind::RequirementsPage: {
            const CRequirement* requirement = requirementsPage_->GetSelectedRequirement();
            if (!requirement) return;
            if (!Root().FindTasksOfRequirement(requirement, tasks)) {
                ShowInformation(kRequirementUnused, kNothingFoundCaption);
                return;
            }
            break;
        }
        default: return;
    }
    UpdateControlBars(PaneKind::TasksPage);
    if (tasksPage_) tasksPage_->MarkTasks(tasks);
}
