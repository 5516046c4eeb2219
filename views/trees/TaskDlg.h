#pragma once
// The Tasks page of the application pane without its window: the task tree, which task has the
// caret, creating tasks, building blocks and folders, renaming them in place, marking found
// tasks, the pick clicks that report a task to the frame, the page's keys and context menu. The
// page reaches the project through the current root.
#include <optional>
#include <string>
#include <vector>

#include "shell/WorkspacePage.h"
#include "views/trees/TaskTree.h"
#include "views/trees/TreePage.h"

class CTaskDlg : public TasksPage, public CTreePage {
public:
    static constexpr int kResourceId = 264;
    static constexpr int kTreeId = 1303;
    static constexpr int kHelpContext = 35003;

    explicit CTaskDlg(TreePageHost& host);

    CTaskTree& Tree() { return tree_; }
    const CTaskTree& Tree() const { return tree_; }

    // ---- WorkspacePage

    bool HasTreeFocus() const override { return tree_.HasFocus(); }
    // After undo or redo, and whenever the project changed as a whole: the tree is filled
    // again and the selected task found again by its ID.
    void RebuildTree() override { RefreshKeepingSelection(); }
    void EnableTree(bool enabled) override { tree_.Enable(enabled); }
    void EndPickOperation() override;
    void TakeFocus() override { tree_.TakeFocus(); }
    bool PassToLabelEdit(int command) override { return PassCommandToLabelEdit(command); }

    // ---- TasksPage

    void UpdateTaskItem(CTaskKav* task) override { RefreshTaskItem(task); }
    void MarkLoadErrorTasks(const std::vector<CTaskKav*>& tasks) override { MarkTasks(tasks); }
    CTaskKav* GetSelectedTask() const override;
    CFileKav* GetSelectedFile() const override;
    CTaskKav* CreateTaskItem(int type) override;
    void SelectTask(CTaskKav* task) override;
    void MarkTasks(const std::vector<CTaskKav*>& tasks) override;
    void UnmarkTasks() override;
    void SetPickMode(bool pick) override;
    void UpdateAllTaskItems() override;
    void DeleteTaskItem(PageItem item) override;
    void SetCurrentTask(CTaskKav* task) override { tree_.SetCurrentTask(task); }
    void OpenSelectedTask() override;
    void ShowCutTask(CTaskKav* task) override { ShowCut(tree_.ItemOf(task)); }

    // ---- The page's other operations

    // Unmarks, then fills the tree.
    void Fill();
    void RefreshKeepingSelection();
    // The task's item with those above it takes its look again; its siblings are sorted again.
    void RefreshTaskItem(CTaskKav* task);
    const std::vector<CTaskKav*>& MarkedTasks() const { return markedTasks_; }

    // ---- Events of the window

    void OpenSelected() override { OpenSelectedTask(); }
    void Unmark() override { UnmarkTasks(); }
    std::optional<std::string> BeginLabelEdit(int item) override;
    bool EndLabelEdit(int item, bool cancelled, const std::string& text) override;
    std::vector<TreeMenuEntry> ContextMenu() const override;

protected:
    bool ReportClick(int item, bool ctrl) override;

private:
    // A new name for the task under the rules of its type; false after a refusal was shown.
    bool Rename(CTaskKav& task, const std::string& name);
    // A product task passes its new name on to the folder it stands in, or a product folder to
    // the one use case task it holds.
    void RenameCompanion(CTaskKav& task, const std::string& name);

    CTaskTree tree_;
    std::vector<CTaskKav*> markedTasks_;
};
