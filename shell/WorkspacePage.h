#pragma once
// The pages of the application pane as the main frame sees them: Tasks, Requirements, Windows
// and Test Data, each with its tree. The pages register with the frame when they are made;
// until then the frame has none.
#include <vector>

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
};

class TasksPage : public WorkspacePage {
public:
    // The task changed: its item shows its name and marks again.
    virtual void UpdateTaskItem(CTaskKav* task) = 0;
    // Marks the tasks that the last load found errors in.
    virtual void MarkLoadErrorTasks(const std::vector<CTaskKav*>& /*tasks*/) {}
};

class RequirementsPage : public WorkspacePage {
public:
    // The requirement commands the page carries out on its selection (New Requirement,
    // Properties Editor): whether its selection allows the command, and carrying it out.
    virtual bool IsRequirementCommandEnabled(int command) const = 0;
    virtual void RunRequirementCommand(int command) = 0;
};

class WindowsPage : public WorkspacePage {
public:
    // A window view added the window: the tree gets its item.
    virtual void InsertWindow(CWindowKav* window) = 0;
};

class TestDataPage : public WorkspacePage {
public:
    // The data commands the page carries out on its selection (New Data Set, New Data Field,
    // Properties Editor, Delete): whether its selection allows the command, and carrying it out.
    virtual bool IsDataCommandEnabled(int command) const = 0;
    virtual void RunDataCommand(int command) = 0;
};

// The pages in the order of the application pane's tabs.
enum class WorkspacePageIndex : int { Tasks = 0, Requirements = 1, Windows = 2, TestData = 3 };
inline constexpr int kWorkspacePageCount = 4;
