#pragma once
// A project with its root task and the Tasks page on it: the main file Proj and the library Lib
// (TestProject), each task added below the root unless a parent is given.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/FlowBuilder.h"
#include "tests/support/GlobalState.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/views/FakeTreePageHost.h"
#include "views/trees/TaskDlg.h"

class TaskPageTest : public ProjectTest {
public:
    CTaskKav* Task(const std::string& name, CTaskKav* parent = nullptr, int type = kTaskPlain,
                   CFileKav* file = nullptr) {
        return project.AddTask(name, parent ? parent : root, type, file);
    }
    // A task with its start step and one more: it counts as modelled.
    CTaskKav* ModelledTask(const std::string& name, CTaskKav* parent = nullptr) {
        CTaskKav* task = Task(name, parent);
        AddStep(*task, "Start");
        AddStep(*task, "Step");
        return task;
    }

    CTaskTree& Tree() { return page.Tree(); }
    int ItemOf(const CTaskKav* task) { return Tree().ItemOf(task); }
    const TreeNode& Node(const CTaskKav* task) {
        const TreeNode* node = Tree().Find(ItemOf(task));
        EXPECT_NE(node, nullptr);
        static const TreeNode none;
        return node ? *node : none;
    }
    // Drags the task's item onto the target item, as the mouse does.
    void Drag(const CTaskKav* task, int target) {
        ASSERT_TRUE(Tree().StartDrag(ItemOf(task)));
        Tree().EndDrag(CItemTree::Key(target));
    }
    // Whether the task took the name.
    bool Rename(const CTaskKav* task, const std::string& text) {
        const int item = ItemOf(task);
        EXPECT_TRUE(page.BeginLabelEdit(item));
        return page.EndLabelEdit(item, false, text);
    }
    std::vector<std::string> Messages() const { return TestInteraction().Texts(); }
    std::vector<std::string> Captions() const {
        std::vector<std::string> captions;
        for (const MessageRequest& request : TestInteraction().messages) captions.push_back(request.caption);
        return captions;
    }

    CTaskKav* root = [this] {
        CTaskKav* task = project.AddTask("Project Proj", nullptr, kTaskFolder);
        app.SetRootTask(task);
        return task;
    }();
    FakeTreePageHost host;
    CTaskDlg page{host};
};
