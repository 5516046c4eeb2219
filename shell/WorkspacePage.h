#pragma once
// The pages of the application pane as the main frame sees it: Tasks, Requirements, Windows
// and Test Data, each with its tree. The pages register with the frame when they are made;
// until then the frame has none. Each page answers what its selection is and does what the
// frame's commands ask of its tree.
#include <vector>

class CFileKav;
class CRequirement;
class CTaskKav;
class CWindowKav;

class WorkspacePage {
public:
    virtual ~WorkspacePage() = default;

    // Whether the page's tree holds the keyboard focus: only then does the page count as the
    // active pane.
    virtual bool HasTreeFocus() const = 0;
    // Builds the tree again from the current project, keeping the selection where it can.
    virtual void RebuildTree() {}
    // Enables or disables the tree control (disabled while no project is open).
    virtual void EnableTree(bool /*enabled*/) {}
    // The frame ended any pick operation: the page drops its marked pick item and leaves pick
    // mode.
    virtual void EndPickOperation() {}
    // A click in the tree reports the clicked object to the frame instead of selecting it.
    virtual void SetPickMode(bool /*on*/) {}
    // The tree gets the keyboard focus back.
    virtual void TakeFocus() {}
    // While an item's label is being edited, Cut, Copy and Paste (their command numbers) are
    // the label edit's own: true when the page passed the command to it.
    virtual bool PassToLabelEdit(int /*command*/) { return false; }
    // The file of the selected root item (the project or a library), else null.
    virtual CFileKav* GetSelectedFile() const { return nullptr; }
};

// Items of the trees as the model objects keep them (CTaskKav::GetTreeItem,
// CWindowKav::GetTreeItem); only the pages interpret them.
using PageItem = void*;

class TasksPage : public WorkspacePage {
public:
    // The task changed: its item shows its name and marks again, among its sorted siblings.
    virtual void UpdateTaskItem(CTaskKav* task) = 0;
    // Marks the tasks that the last load found errors in.
    virtual void MarkLoadErrorTasks(const std::vector<CTaskKav*>& /*tasks*/) {}
    // The task of the caret item; the project item stands for the root task.
    virtual CTaskKav* GetSelectedTask() const { return nullptr; }
    // New Task, New Building Block, New Folder (type 0, 1, 2) below the selected task, its item
    // selected and the undo step recorded: the new task, or null when none was made.
    virtual CTaskKav* CreateTaskItem(int /*type*/) { return nullptr; }
    virtual void SelectTask(CTaskKav* /*task*/) {}
    // Shows the tasks as a multiple selection (search results) until the next click in the tree.
    virtual void MarkTasks(const std::vector<CTaskKav*>& /*tasks*/) {}
    virtual void UnmarkTasks() {}
    // Every task's item but the building blocks' shows its marks again (its test cases, its
    // content).
    virtual void UpdateAllTaskItems() {}
    // The item, as its task kept it, goes with its children (the task may be deleted already).
    virtual void DeleteTaskItem(PageItem /*item*/) {}
    // The task drawn as the current one (null: none).
    virtual void SetCurrentTask(CTaskKav* /*task*/) {}
    // Enter or a double click: a folder's properties, another task's flow.
    virtual void OpenSelectedTask() {}
    // The task waits to be pasted elsewhere: its item is drawn as cut until the pick ends.
    virtual void ShowCutTask(CTaskKav* /*task*/) {}
};

class RequirementsPage : public WorkspacePage {
public:
    virtual CRequirement* GetSelectedRequirement() const = 0;
    // The requirement commands the page carries out on its selection (New Requirement,
    // Properties Editor): whether its selection allows the command, and carrying it out.
    virtual bool IsRequirementCommandEnabled(int command) const = 0;
    virtual void RunRequirementCommand(int command) = 0;
};

class WindowsPage : public WorkspacePage {
public:
    // A window view added the window: the tree gets its item.
    virtual void InsertWindow(CWindowKav* window) = 0;
    // The window of the caret item; null for a file's item.
    virtual CWindowKav* GetSelectedWindow() const { return nullptr; }
    // The window's item with those above it shows its name and marks again; sorted also sorts
    // its siblings again.
    virtual void RefreshWindowItem(CWindowKav* /*window*/, bool /*sorted*/) {}
    // The item, as its window kept it, goes with its children (the window may be deleted
    // already).
    virtual void DeleteWindowItem(PageItem /*item*/) {}
    // The item stands for the window from now on (a window that took another's place).
    virtual void SetItemData(PageItem /*item*/, CWindowKav* /*window*/) {}
    // The start window changed from the old to the new one: only the new one is bold.
    virtual void MoveBoldMark(CWindowKav* /*oldStart*/, CWindowKav* /*newStart*/) {}
    virtual void SelectWindow(CWindowKav* /*window*/) {}
    // Shows the windows (search results) as a multiple selection until the next click.
    virtual void MarkWindows(const std::vector<CWindowKav*>& /*windows*/) {}
    virtual void UnmarkWindows() {}
    // The window drawn as the current one (null: none).
    virtual void SetCurrentWindow(CWindowKav* /*window*/) {}
    // Enter or a double click: the menu editor for a menu, else the window editor.
    virtual void OpenSelectedWindow() {}
    // Sorts the children of every item again by the order in "SortWnd".
    virtual void SortTree() {}
    // The window waits to be pasted elsewhere: its item is drawn as cut until the pick ends.
    virtual void ShowCutWindow(CWindowKav* /*window*/) {}
};

class TestDataPage : public WorkspacePage {
public:
    // The data commands the page carries out on its selection (New Data Set, New Data Field,
    // Properties Editor, Delete, Generate Data Records, and Import Test Data, which any pane may
    // ask for): whether its selection allows the command, and carrying it out.
    virtual bool IsDataCommandEnabled(int command) const = 0;
    virtual void RunDataCommand(int command) = 0;
};

// The pages in the order of the application pane's tabs.
enum class WorkspacePageIndex : int { Tasks = 0, Requirements = 1, Windows = 2, TestData = 3 };
inline constexpr int kWorkspacePageCount = 4;
