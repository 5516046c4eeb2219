#pragma once
// The tree of the Tasks page: a root item per project file ("Project " or "Library " and the
// file's name, the project's first), below each the file's tasks, building blocks and folders in
// their hierarchy, sorted by name. The project's item stands for the root task. Each item shows
// whether its task is read-only, faulty, modelled or tested; dragging a task onto another item
// moves it there by the drop rules.
#include <string>

#include "views/trees/FileTree.h"
#include "views/trees/TreePageHost.h"

class CApplicationKav;
class CFileKav;
class CTaskKav;

class CTaskTree : public CFileTree {
public:
    static constexpr int kTaskItem = kFileItem + 1;
    enum Image : int {
        kImageTask = 0,
        kImageTaskWithData = 1,
        kImageBuildingBlock = 2,
        kImageFolder = 3,
        kImageProductFolder = 4,
        kImageProject = 6,
        kImageLibrary = 7,
    };

    explicit CTaskTree(TreePageHost& host) : host_(host) {}

    // Deletes every item and forgets the current task, then adds the current project's files
    // with their tasks: nothing when the project has no root task.
    void Fill();

    // The task of a task item, or null.
    CTaskKav* TaskOf(int item) const;
    // The item that shows the task (the project's item for the root task), or kNoItem.
    int ItemOf(const CTaskKav* task) const;

    // Appends the task's item below the parent with the items of its children, each level
    // sorted; the task keeps its item.
    int AppendTaskItem(CTaskKav* task, int parent);
    // Text, image, mark and colours from the item's object; with ancestors also those of the
    // tasks above it up to the root task.
    void UpdateTaskItem(int item, bool ancestors);

    bool IsPickMode() const { return pickMode_; }
    void SetPickMode(bool pick) { pickMode_ = pick; }
    CTaskKav* GetCurrentTask() const { return current_; }
    // The task drawn white on green, with the items above it updated.
    void SetCurrentTask(CTaskKav* task);
    // The ID of the task the caret stood on when it last moved (the root task's on the project's
    // item): what a refill selects again, since the task itself may be gone with its project.
    const std::string& GetCaretTaskId() const { return caretTaskId_; }

protected:
    void CaretMoved() override;
    // A file's item, a task that may not be changed and a product task near the top stay.
    bool MayDrag(int item) const override;
    void ItemDropped(int dragged, int target) override;

private:
    void UpdateOwnLook(int item);
    void AddTopLevelTasks(CApplicationKav& project, int fileItem);

    TreePageHost& host_;
    bool pickMode_ = false;
    CTaskKav* current_ = nullptr;
    std::string caretTaskId_;
};

// A task of the product that lies less than two levels below the top is neither dragged nor
// renamed.
bool IsPinnedProductTask(const CTaskKav& task);
