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

class TasksPage : public WorkspacePage {
public:
    // The task changed: its item shows its name and marks again.
    virtual void UpdateTaskItem(CTaskKav* task) = 0;
    // Marks the tasks that the last load found errors in.
    virtual void MarkLoadErrorTasks(const std::vector<CTaskKav*>& /*tasks*/) {}
    // The task of the selected item; the project item stands for the root task.
    virtual CTaskKav* GetSelectedTask() const { return nullptr; }
    // A new task (0), building block (1) or folder (2) under the selected item, with its item
    // selected; null when the page made none.
    virtual CTaskKav* CreateTaskItem(int /*type*/) { return nullptr; }
    virtual void SelectTask(CTaskKav* /*task*/) {}
    // Shows the tasks (search results) as a multiple selection.
    virtual void MarkTasks(const std::vector<CTaskKav*>& /*tasks*/) {}
    // Every task's item shows its marks again (its test cases, its content).
    virtual void UpdateAllTaskItems() {}
    // The task waits to be pasted elsewhere: its item is drawn as cut.
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
    virtual CWindowKav* GetSelectedWindow() const { return nullptr; }
    // The window's item (and its ancestors') shows its name and marks again.
    virtual void UpdateWindowItem(CWindowKav* /*window*/) {}
    virtual void SelectWindow(CWindowKav* /*window*/) {}
    // Shows the windows (search results) as a multiple selection.
    virtual void MarkWindows(const std::vector<CWindowKav*>& /*windows*/) {}
    // Sorts the children of every item again by the order in "SortWnd".
    virtual void SortTree() {}
    // The window waits to be pasted elsewhere: its item is drawn as cut.
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
