// The Tasks page: renaming in place, new tasks, keys, picks, marking and the context menu.
#include "model/ShellServices.h"
#include "tests/views/TaskPageFixture.h"
#include "views/trees/TreeLook.h"
#include "shell/CommandIds.h"

// ---- Renaming

TEST_F(TaskPageTest, ANewTaskNameIsCheckedByTheRulesOfItsType) {
    CTaskKav* task = Task("Order");
    Task("Taken");
    CTaskKav* folder = Task("Folder", nullptr, kTaskFolder);
    page.Fill();
    const struct {
        CTaskKav* task;
        const char* name;
        const char* message;  // empty: renamed
        const char* caption;
    } cases[] = {
        {task, "Taken", "A task with this name is already existing! [W0589]", "Invalid Name"},
        {task, "taken", "A task with this name is already existing! [W0589]", "Invalid Name"},
        {task, "9Orders", "The task name must not begin with a number! [W0790]", "Invalid Name"},
        {task, "Two words", "Illegal character ' ' in task name! [W0009]", "Invalid Name"},
        {task, "ORDER", "", ""},
        {folder, "Taken", "", ""},
        {folder, "9 Things", "", ""},
    };
    for (const auto& rename : cases) {
        SCOPED_TRACE(rename.name);
        TestInteraction().messages.clear();
        host.undoSteps.clear();
        const std::string before = rename.task->GetName();
        EXPECT_EQ(Rename(rename.task, rename.name), !*rename.message);
        if (*rename.message) {
            EXPECT_EQ(Messages(), std::vector<std::string>{rename.message});
            EXPECT_EQ(Captions(), std::vector<std::string>{rename.caption});
            EXPECT_EQ(rename.task->GetName(), before);
            EXPECT_TRUE(host.undoSteps.empty());
        } else {
            EXPECT_TRUE(Messages().empty());
            EXPECT_EQ(rename.task->GetName(), rename.name);
            EXPECT_EQ(host.undoSteps, std::vector<std::string>{"Edit Task Name"});
        }
        EXPECT_EQ(Node(rename.task).text, rename.task->GetName()) << "the item shows the name again";
        EXPECT_FALSE(page.IsEditingLabel());
    }
}

TEST_F(TaskPageTest, ARenamedTaskIsCalledByItsNewNameAndReported) {
    CTaskKav* block = Task("Login", nullptr, kTaskBuildingBlock);
    CTaskKav* caller = Task("Caller");
    AddStep(*caller, "Start");
    CTaskStep* call = AddStep(*caller, "Login");
    call->SetSubTask(block);
    page.Fill();
    Rename(block, "SignIn");
    EXPECT_EQ(call->GetName(), "SignIn");
    EXPECT_EQ(host.changedTasks, std::vector<CTaskKav*>{block});
}

TEST_F(TaskPageTest, ACancelledOrUnchangedRenameChangesNothing) {
    CTaskKav* task = Task("Order");
    page.Fill();
    const int item = ItemOf(task);
    ASSERT_TRUE(page.BeginLabelEdit(item));
    EXPECT_TRUE(page.IsEditingLabel());
    EXPECT_FALSE(page.EndLabelEdit(item, true, "Other"));
    EXPECT_FALSE(Rename(task, "Order"));
    EXPECT_EQ(task->GetName(), "Order");
    EXPECT_TRUE(host.undoSteps.empty());
    EXPECT_TRUE(host.changedTasks.empty());
}

TEST_F(TaskPageTest, FileItemsReadOnlyTasksAndProductTasksNearTheTopKeepTheirNames) {
    CFileKav* locked = app.GetFiles().Add(new CFileKav("Locked", "Locked.xml", "/projects/Locked.xml", true));
    CTaskKav* lockedTask = Task("LockedTask", nullptr, kTaskPlain, locked);
    VornakMode = true;
    CTaskKav* top = Task("Top", nullptr, kTaskFolder);
    top->SetQuVornakTask(1);
    CTaskKav* useCaseFolder = Task("Orders", top, kTaskFolder);
    useCaseFolder->SetQuVornakTask(1);
    page.Fill();
    EXPECT_FALSE(page.BeginLabelEdit(Tree().GetProjectItem()));
    EXPECT_FALSE(page.BeginLabelEdit(ItemOf(lockedTask)));
    EXPECT_FALSE(page.BeginLabelEdit(ItemOf(top)));
    EXPECT_EQ(page.BeginLabelEdit(ItemOf(useCaseFolder)), "Orders") << "the edit shows the bare name";
}

TEST_F(TaskPageTest, AProductUseCaseAndItsFolderShareTheirName) {
    VornakMode = true;
    CTaskKav* top = Task("Top", nullptr, kTaskFolder);
    top->SetQuVornakTask(1);
    CTaskKav* folder = Task("Orders", top, kTaskFolder);
    CTaskKav* useCase = Task("Orders_UC", folder);
    folder->SetFlagRecursive(1, true);
    page.Fill();
    Rename(useCase, "Billing");
    EXPECT_EQ(folder->GetName(), "Billing");
    Rename(folder, "Payments");
    EXPECT_EQ(useCase->GetName(), "Payments");
    EXPECT_EQ(host.changedTasks, (std::vector<CTaskKav*>{useCase, folder, folder, useCase}));
}

// ---- New tasks

TEST_F(TaskPageTest, NewTasksAndBlocksGetFreeNamesAndFoldersTheirOwn) {
    CTaskKav* folder = Task("Folder", nullptr, kTaskFolder);
    folder->SetConfiguration("Windows 11");
    folder->SetTestLevel("System Test");
    Task("NewTask");
    page.Fill();
    page.SelectTask(folder);
    CTaskKav* task = page.CreateTaskItem(kTaskPlain);
    page.SelectTask(folder);
    CTaskKav* block = page.CreateTaskItem(kTaskBuildingBlock);
    page.SelectTask(folder);
    CTaskKav* first = page.CreateTaskItem(kTaskFolder);
    page.SelectTask(folder);
    CTaskKav* second = page.CreateTaskItem(kTaskFolder);
    ASSERT_TRUE(task && block && first && second);

    EXPECT_EQ(task->GetName(), "NewTask1");
    EXPECT_EQ(block->GetName(), "NewBlock");
    EXPECT_EQ(first->GetName(), "NewFolder");
    EXPECT_EQ(second->GetName(), "NewFolder");
    EXPECT_EQ(host.undoSteps,
              (std::vector<std::string>{"Create Task", "Create Building Block", "Create Folder", "Create Folder"}));
    for (CTaskKav* made : {task, block, first}) {
        EXPECT_EQ(made->GetParent(), folder);
        EXPECT_EQ(made->GetFile(), project.Main());
        EXPECT_EQ(made->GetConfiguration(), "Windows 11");
        EXPECT_EQ(made->GetTestLevel(), "System Test");
        EXPECT_TRUE(app.GetTasks().Contains(made));
    }
    ASSERT_EQ(task->GetSteps().size(), 1u);
    EXPECT_EQ(task->GetStartStep()->GetName(), "Start");
    EXPECT_EQ(block->GetSteps().size(), 1u);
    EXPECT_TRUE(first->GetSteps().empty());
    EXPECT_EQ(Tree().Outline(ItemOf(folder)),
              (std::vector<std::string>{"NewBlock", "NewFolder", "NewFolder", "NewTask1"}));
    EXPECT_EQ(Tree().GetCaret(), ItemOf(second));
    EXPECT_TRUE(Tree().Find(ItemOf(folder))->expanded);
}

TEST_F(TaskPageTest, ANewTaskInAProductFolderTakesTheFoldersNameAndFlag) {
    VornakMode = true;
    CTaskKav* folder = Task("Orders", nullptr, kTaskFolder);
    folder->SetQuVornakTask(1);
    page.Fill();
    page.SelectTask(folder);
    CTaskKav* task = page.CreateTaskItem(kTaskPlain);
    ASSERT_NE(task, nullptr);
    EXPECT_EQ(task->GetName(), "Orders");
    EXPECT_TRUE(task->IsQuVornakTask());
}

TEST_F(TaskPageTest, ATaskNeedsASelectedParent) {
    page.Fill();
    const std::size_t before = app.GetTasks().size();
    EXPECT_EQ(page.CreateTaskItem(kTaskPlain), nullptr);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Fatal Error: Parent task missing during InsertTask! [F0121]"});
    EXPECT_EQ(TestInteraction().messages.front().icon, MessageIcon::Error);
    EXPECT_EQ(app.GetTasks().size(), before);
    EXPECT_TRUE(host.undoSteps.empty());

    // The project's item stands for the root task.
    Tree().Select(Tree().GetProjectItem());
    CTaskKav* task = page.CreateTaskItem(kTaskPlain);
    ASSERT_NE(task, nullptr);
    EXPECT_EQ(task->GetParent(), root);
}

// ---- Keys, clicks and menus

TEST_F(TaskPageTest, KeysRenameDeleteOpenAndHelpUnlessARenameRuns) {
    CTaskKav* task = Task("Order");
    CTaskKav* folder = Task("Folder", nullptr, kTaskFolder);
    page.Fill();
    page.SelectTask(task);
    EXPECT_EQ(page.OnKey(TreeKey::F2, false), TreeKeyResult::StartLabelEdit);
    EXPECT_EQ(page.OnKey(TreeKey::Delete, false), TreeKeyResult::Handled);
    EXPECT_EQ(page.OnKey(TreeKey::Enter, false), TreeKeyResult::Handled);
    page.SelectTask(folder);
    page.OnKey(TreeKey::Enter, false);
    EXPECT_EQ(page.OnKey(TreeKey::F1, false), TreeKeyResult::Handled);
    EXPECT_EQ(page.OnKey(TreeKey::F1, true), TreeKeyResult::NotHandled) << "Shift+F1 is the tree's context help";
    EXPECT_EQ(host.commands, (std::vector<int>{command::kDelete, command::kPropertiesEditor}));
    EXPECT_EQ(host.openedFlows, std::vector<CTaskKav*>{task});
    EXPECT_EQ(host.helpContexts, std::vector<int>{35003});

    ASSERT_TRUE(page.BeginLabelEdit(ItemOf(task)));
    for (TreeKey key : {TreeKey::F2, TreeKey::Delete, TreeKey::Enter})
        EXPECT_EQ(page.OnKey(key, false), TreeKeyResult::NotHandled);
    EXPECT_EQ(host.commands.size(), 2u);
}

TEST_F(TaskPageTest, PickModeAndCtrlClicksReportTheTaskInsteadOfSelectingIt) {
    CTaskKav* task = Task("Order");
    page.Fill();
    EXPECT_FALSE(page.OnItemClick(ItemOf(task), false));
    EXPECT_TRUE(page.OnItemClick(ItemOf(task), true));
    EXPECT_FALSE(page.OnItemClick(Tree().GetProjectItem(), true)) << "file items are no tasks";
    page.SetPickMode(true);
    EXPECT_TRUE(Tree().IsPickMode());
    EXPECT_TRUE(page.OnItemClick(ItemOf(task), true));
    page.EndPickOperation();
    EXPECT_FALSE(page.IsPickMode());
    EXPECT_FALSE(Tree().IsPickMode());
    using Picked = FakeTreePageHost::PickedTask;
    EXPECT_EQ(host.pickedTasks, (std::vector<Picked>{{task, true}, {task, false}}));
}

TEST_F(TaskPageTest, FoundTasksAreMarkedUntilTheNextClick) {
    CTaskKav* folder = Task("Folder", nullptr, kTaskFolder);
    CTaskKav* deep = Task("Deep", folder);
    CTaskKav* other = Task("Other");
    page.Fill();
    Tree().Expand(ItemOf(folder), false);
    page.MarkTasks({deep, other});
    EXPECT_TRUE(page.IsMarked());
    EXPECT_TRUE(Node(deep).marked);
    EXPECT_TRUE(Node(other).marked);
    EXPECT_TRUE(Node(folder).expanded) << "a marked task is made visible";
    EXPECT_EQ(page.MarkedTasks(), (std::vector<CTaskKav*>{deep, other}));

    page.OnItemClick(kNoItem, false);
    EXPECT_FALSE(page.IsMarked());
    EXPECT_FALSE(Node(deep).marked);
    EXPECT_TRUE(page.MarkedTasks().empty());
}

TEST_F(TaskPageTest, ACutTaskLooksCutUntilThePickEnds) {
    CTaskKav* task = Task("Order");
    page.Fill();
    page.ShowCutTask(task);
    EXPECT_TRUE(Node(task).cut);
    page.EndPickOperation();
    EXPECT_FALSE(Node(task).cut);
}

TEST_F(TaskPageTest, AfterTheProjectWasReplacedTheSameTaskIsSelectedAgain) {
    CTaskKav* task = Task("Order");
    page.Fill();
    page.SelectTask(task);
    {
        // Undo gives a project of new objects with the same IDs.
        TestProject restored;
        CTaskKav* restoredRoot = restored.AddTask("Project Proj", nullptr, kTaskFolder);
        restored.App().SetRootTask(restoredRoot);
        restored.AddTask("Before", restoredRoot);
        CTaskKav* again = restored.AddTask("Order", restoredRoot);
        again->SetID(task->GetID());
        page.RebuildTree();
        EXPECT_EQ(page.GetSelectedTask(), again);
    }
    CurrentApplication = &app;
    page.Fill();
}

TEST_F(TaskPageTest, ARefillAfterTheProjectWasFreedFindsTheSelectionByItsId) {
    std::string id;
    {
        TestProject closed;
        CTaskKav* closedRoot = closed.AddTask("Project Proj", nullptr, kTaskFolder);
        closed.App().SetRootTask(closedRoot);
        CTaskKav* order = closed.AddTask("Order", closedRoot);
        id = order->GetID();
        page.Fill();
        page.SelectTask(order);
    }
    CurrentApplication = &app;
    CTaskKav* again = Task("Order");
    again->SetID(id);
    page.RebuildTree();
    EXPECT_EQ(page.GetSelectedTask(), again);
}

TEST_F(TaskPageTest, TheContextMenuGivesTheFramesCommands) {
    std::vector<int> commands;
    for (const TreeMenuEntry& entry : page.ContextMenu()) commands.push_back(entry.command);
    EXPECT_EQ(commands, (std::vector<int>{32911, 32926, 32950, 0, 40005, 32778, 40003, 0, 32801, 32802, 32829, 0,
                                          32930, 32931}));
    page.OnContextCommand(32801);
    EXPECT_EQ(host.commands, std::vector<int>{32801});
}

TEST_F(TaskPageTest, DeletingAnItemUpdatesItsParent) {
    CTaskKav* folder = Task("Folder", nullptr, kTaskFolder);
    CTaskKav* modelled = ModelledTask("Modelled", folder);
    page.Fill();
    ASSERT_EQ(Node(folder).colours, PlainItemColours(kTreeTextBlue));
    void* item = modelled->GetTreeItem();
    app.DeleteTask(modelled);
    page.DeleteTaskItem(item);
    EXPECT_EQ(Tree().Outline(ItemOf(folder)), std::vector<std::string>{});
    EXPECT_EQ(Node(folder).colours, PlainItemColours(kTreeTextBlack));
}
