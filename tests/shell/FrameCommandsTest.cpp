// The frame's commands on the model, the editors, generation, imports and search, with doubles
// for the parts that later folders install.
#include <gtest/gtest.h>

#include <filesystem>

#include "model/TaskStep.h"
#include "platform/Registry.h"
#include "shell/CommandIds.h"
#include "CommandFixture.h"

namespace {

using FrameCommandsTest = CommandFixture;

// What a double of generation or conversion was asked for.
struct RunRequest {
    CWindowKav* window = nullptr;
    CTransitionKav* transition = nullptr;
    CTaskKav* task = nullptr;
};

}  // namespace

TEST_F(FrameCommandsTest, ImportingTheOpenProjectIsRefusedAndAFailedImportIsTakenBack) {
    int imports = 0;
    int result = 1;
    frame_.Services().importers.importProjectData = [&](const std::string&, MessageLog&) {
        ++imports;
        // The merge had begun when it failed.
        Window("Age")->SetCaption("half imported");
        return result;
    };
    TestInteraction().paths = {path_};
    ASSERT_TRUE(frame_.GetCommandState(command::kImportProjectData).enabled);
    frame_.OnCommand(command::kImportProjectData);
    EXPECT_EQ(Shown(), std::vector<std::string>{"You cannot import data from the same project! [W0146]"});
    EXPECT_EQ(MessageCaption(0), "Invalid Import Source");
    EXPECT_EQ(imports, 0);
    EXPECT_EQ(TestInteraction().pathRequests[0].title, "Import XML Project Data");
    // The folder is proposed the next time.
    EXPECT_EQ(ReadRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), "RecentPrjImport"),
              std::filesystem::path(path_).parent_path().string());

    const std::string other = folder_.Write("Other.xml", ScratchFolder::Read(kSample));
    const std::string before = ProjectText();
    result = 0;
    TestInteraction().paths = {other};
    frame_.OnCommand(command::kImportProjectData);
    EXPECT_EQ(imports, 1);
    EXPECT_EQ(window_.logTitles.back(), "Importing Project");
    EXPECT_EQ(ProjectText(), before);
    EXPECT_FALSE(frame_.GetCommandState(command::kUndo).enabled);

    // A successful import is recorded and saved.
    result = 1;
    TestInteraction().paths = {other};
    frame_.OnCommand(command::kImportProjectData);
    EXPECT_EQ(frame_.GetUndoTip(), "Undo: Import Project Data");
    EXPECT_EQ(Project().IsModified(), 0);
    EXPECT_NE(ScratchFolder::Read(path_).find("half imported"), std::string::npos);
}

// Both commands are whole in their importers: the frame only starts the one installed.
TEST_F(FrameCommandsTest, JavaGuiInfoAndXmiModelDataStartTheirInstalledImporters) {
    std::vector<std::string> started;
    frame_.Services().importers.javaGuiInfo = [&] { started.push_back("java"); };
    frame_.Services().importers.xmiModelData = [&] { started.push_back("xmi"); };
    const std::string tip = frame_.GetUndoTip();
    const struct {
        int command;
        const char* importer;
    } cases[] = {{command::kImportJavaGui, "java"}, {command::kImportXmi, "xmi"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.importer);
        started.clear();
        // Sent while a pick waits (a key or a stale menu), it is not given.
        frame_.Pick().mode = 1;
        EXPECT_TRUE(frame_.OnCommand(c.command));
        EXPECT_TRUE(started.empty());
        frame_.Pick().mode = 0;
        EXPECT_TRUE(frame_.OnCommand(c.command));
        EXPECT_EQ(started, std::vector<std::string>{c.importer});
    }
    EXPECT_TRUE(TestInteraction().pathRequests.empty());
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(frame_.GetUndoTip(), tip);
}

TEST_F(FrameCommandsTest, OnlyAVisibleEnabledWindowWithoutParentBecomesTheStartWindow) {
    Focus(windows_).selectedWindow = Window("Age");
    EXPECT_FALSE(frame_.GetCommandState(command::kSetStartWindow).enabled);
    frame_.SetAsStartWindow(Window("Age"));
    EXPECT_EQ(Shown(), std::vector<std::string>{"A Start Window cannot have a parent! [W0035]"});
    EXPECT_EQ(MessageCaption(0), "Invalid Start Window");
    windows_.selectedWindow = Window("Error");  // not visible
    EXPECT_FALSE(frame_.GetCommandState(command::kSetStartWindow).enabled);
    frame_.SetAsStartWindow(Window("Error"));
    EXPECT_EQ(Shown().back(), "A Start Window must be visible and enabled! [W0036]");
    EXPECT_NE(Project().GetStartWindow(), Window("Error"));

    Project().SetStartWindow(nullptr);
    windows_.selectedWindow = Window("Insurance");
    ASSERT_TRUE(frame_.GetCommandState(command::kSetStartWindow).enabled);
    frame_.OnCommand(command::kSetStartWindow);
    EXPECT_EQ(Project().GetStartWindow(), Window("Insurance"));
    EXPECT_EQ(frame_.GetUndoTip(), "Undo: Set Start Window");
    EXPECT_EQ(windows_.boldMoves, (std::vector<std::pair<CWindowKav*, CWindowKav*>>{{nullptr, Window("Insurance")}}));
}

TEST_F(FrameCommandsTest, ViewTestCasesReportsNoneAndNoOtherAndListsSeveral) {
    std::vector<std::size_t> listed;
    frame_.Services().run.selectTestCase = [&](CWindowKav*, CStepKav*, CTaskKav*,
                                              const std::vector<CTestCase*>& testCases) {
        listed.push_back(testCases.size());
    };
    CTaskKav* task = Task("CalculatePremiums");
    Focus(tasks_).selectedTask = task;
    frame_.OnCommand(command::kViewTestCases);
    EXPECT_EQ(Shown(), std::vector<std::string>{"There are no test cases for this object! [I0016]"});
    EXPECT_EQ(MessageCaption(0), "No Test Cases");

    CTestCase* only = AddTestCase(task, 1);
    frame_.OnCommand(command::kViewTestCases);
    ASSERT_EQ(window_.opened.size(), 1u);
    EXPECT_EQ(window_.opened[0]->ShownObject(), only);
    // Asked again in that very test case's view.
    tasks_.focused = false;
    window_.activeView = window_.opened[0].get();
    frame_.OnCommand(command::kViewTestCases);
    EXPECT_EQ(Shown().back(), "There are no other test cases for this object! [I0017]");
    EXPECT_EQ(MessageCaption(1), "No other Test Cases");

    AddTestCase(task, 1);
    Focus(tasks_);
    frame_.OnCommand(command::kViewTestCases);
    EXPECT_EQ(listed, std::vector<std::size_t>{2});
    EXPECT_EQ(tasks_.focusTaken, 1);
}

TEST_F(FrameCommandsTest, SearchReferencesMarksTheTasksCallingABlockEachOnce) {
    auto* unused = new CTaskKav("Unused", kTaskBuildingBlock);
    unused->SetFile(Project().GetMainFile());
    Project().GetTasks().Add(unused);
    Project().GetRootTask()->AddChild(unused);
    Focus(tasks_).selectedTask = unused;
    ASSERT_TRUE(frame_.GetCommandState(command::kSearchReferences).enabled);
    frame_.OnCommand(command::kSearchReferences);
    EXPECT_EQ(Shown(), std::vector<std::string>{"This task is never used as a sub-task! [I0009]"});
    EXPECT_EQ(MessageCaption(0), "Nothing found");

    // A second call in the same task counts once.
    CTaskKav* premiums = Task("CalculatePremiums");
    CTaskStep* again = premiums->GetSteps().Add(new CTaskStep("Again", "", "", "", "", "", nullptr, nullptr, 0, nullptr,
                                                              2, "", 1));
    again->SetSubTask(Task("EnterClientAndCalculate"));
    tasks_.selectedTask = Task("EnterClientAndCalculate");
    frame_.OnCommand(command::kSearchReferences);
    EXPECT_EQ(tasks_.markedTasks,
              (std::vector<CTaskKav*>{premiums, Task("RefuseInvalidClients"), Task("CalculateOnePremium")}));
    EXPECT_EQ(window_.selectedPages.back(), WorkspacePageIndex::Tasks);

    // A plain task is not searched for.
    tasks_.selectedTask = premiums;
    EXPECT_FALSE(frame_.GetCommandState(command::kSearchReferences).enabled);
}

TEST_F(FrameCommandsTest, GeneratingOnABuildingBlockGeneratesForItsTaskAfterSavingTheChanges) {
    std::vector<RunRequest> requests;
    frame_.Services().run.generateTestCases = [&](CWindowKav* window, CTransitionKav* transition, CTaskKav* task) {
        requests.push_back({window, transition, task});
    };
    auto* folder = new CTaskKav("Folder", kTaskFolder);
    folder->SetFile(Project().GetMainFile());
    Project().GetTasks().Add(folder);
    Project().GetRootTask()->AddChild(folder);
    CTaskKav* block = Task("EnterClientAndCalculate");
    folder->AddChild(block);
    frame_.SetModified("Create Folder");

    Focus(tasks_).selectedTask = block;
    TestInteraction().answers = {MessageAnswer::Ok};
    frame_.OnCommand(command::kGenerateTestCases);
    EXPECT_EQ(Shown(), std::vector<std::string>{"If you continue, all changes will be saved! [W0404]"});
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].task, folder);
    EXPECT_NE(ScratchFolder::Read(path_).find("Name=\"Folder\""), std::string::npos);
    EXPECT_EQ(tasks_.allItemsUpdated, 1);

    // Cancelled: nothing runs. The root task stands for the whole project.
    frame_.SetModified("Edit Task Properties");
    TestInteraction().answers = {MessageAnswer::Cancel};
    frame_.OnCommand(command::kGenerateTestCases);
    EXPECT_EQ(requests.size(), 1u);
    Project().SetModified(0);
    tasks_.selectedTask = Project().GetRootTask();
    frame_.OnCommand(command::kGenerateTestCases);
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[1].task, nullptr);
}

TEST_F(FrameCommandsTest, ConvertTakesTheCaptionedWindowOrTheTaskOfThePane) {
    std::vector<RunRequest> requests;
    frame_.Services().run.convertTestCases = [&](CWindowKav* window, CTaskKav* task) {
        requests.push_back({window, nullptr, task});
        return 1;
    };
    Focus(windows_).selectedWindow = Window("Age");
    frame_.OnCommand(command::kConvertTestCases);
    Focus(tasks_).selectedTask = Project().GetRootTask();
    frame_.OnCommand(command::kConvertTestCases);
    tasks_.selectedTask = Task("RefuseYoungClient");
    frame_.OnCommand(command::kConvertTestCases);
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].window, Window("Insurance"));
    EXPECT_EQ(requests[1].window, nullptr);
    EXPECT_EQ(requests[1].task, nullptr);
    EXPECT_EQ(requests[2].task, Task("RefuseYoungClient"));

    // An installed check of missing tags may stop it.
    frame_.Services().editors.checkMissingTags = [](CWindowKav*, CTaskKav*) { return false; };
    frame_.OnCommand(command::kConvertTestCases);
    EXPECT_EQ(requests.size(), 3u);
}

TEST_F(FrameCommandsTest, EachStepGetsTheEditorThatSuitsIt) {
    std::vector<std::string> opened;
    auto& editors = frame_.Services().editors;
    editors.editStep = [&](CStepKav&, bool, CTaskKav*) {
        opened.push_back("step");
        return 1;
    };
    editors.editSubtaskStep = [&](CTaskStep&, CTaskKav*) {
        opened.push_back("sub-task");
        return 1;
    };
    CTaskKav* premiums = Task("CalculatePremiums");
    FakeView& flow = ActiveView(PaneKind::TaskFlowView, premiums);
    EXPECT_EQ(frame_.EditStep(Transition("Calculate", "Calculate"), false, nullptr), 1);
    EXPECT_EQ(frame_.EditStep(premiums->FindStepByID("S_EachClient"), false, premiums), 1);
    EXPECT_EQ(frame_.EditStep(premiums->FindStepByID("S_Close"), false, premiums), 1);
    // In an ESA project plain task steps are API steps, whose editor is not there.
    Project().SetOutputFormat(14);
    EXPECT_EQ(frame_.EditStep(premiums->FindStepByID("S_Close"), false, premiums), 0);
    EXPECT_EQ(opened, (std::vector<std::string>{"step", "sub-task", "step"}));
    EXPECT_EQ(flow.refreshes, 3);

    // The flow view's double click reaches the editor with the view's task.
    Project().SetOutputFormat(2);
    CTaskKav* context = nullptr;
    editors.editStep = [&](CStepKav&, bool, CTaskKav* task) {
        context = task;
        return 0;
    };
    frame_.OnEditStepMessage(premiums->FindStepByID("S_Close"));
    EXPECT_EQ(context, premiums);
}

TEST_F(FrameCommandsTest, RenamedWindowAttributesAreRenamedWhereverTheyAreNamed) {
    CWindowKav* age = Window("Age");
    age->GetAttributes().Add(new CAttributeKav("Limit", 2, "18"));
    CTaskStep* step = Task("EnterClientAndCalculate")->FindStepByID("S_Age");
    step->SetEvent("Input(#Age:Limit#)");
    std::string title;
    std::vector<int> kinds;
    frame_.Services().editors.editParameters = [&](OwningList<CAttributeKav>& list, int kind, bool readOnly,
                                                   const std::string& shownTitle) {
        title = shownTitle;
        kinds.push_back(kind);
        EXPECT_FALSE(readOnly);
        if (kind != 2) return 0;
        // As the dialog leaves the edited copies.
        list[0]->SetNameAtOpen(list[0]->GetName());
        list[0]->SetName("Minimum");
        return 1;
    };
    Focus(windows_).selectedWindow = age;
    frame_.OnCommand(command::kAttributesEditor);
    EXPECT_EQ(title, "Attributes of Age");
    EXPECT_EQ(step->GetEvent(), "Input(#Age:Minimum#)");
    EXPECT_EQ(frame_.GetUndoTip(), "Undo: Edit Attributes");

    // Without a window: the project's global attributes.
    windows_.focused = false;
    frame_.OnCommand(command::kAttributesEditor);
    EXPECT_EQ(title, "Global Attributes of Project Insurance");
    EXPECT_EQ(kinds, (std::vector<int>{2, 1}));
}

TEST_F(FrameCommandsTest, NewMenuAndNewMenuItemGrowAMenuUnderTheWindow) {
    CWindowKav* dialog = Window("Insurance");
    Focus(windows_).selectedWindow = dialog;
    frame_.OnCommand(command::kNewMenu);
    CWindowKav* menu = Window("Menu");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->GetType(), kWndMenu);
    EXPECT_EQ(menu->GetParent(), dialog);
    EXPECT_EQ(windows_.insertedWindows, std::vector<CWindowKav*>{menu});
    ASSERT_EQ(window_.opened.size(), 1u);
    EXPECT_EQ(window_.opened[0]->Kind(), PaneKind::MenuView);
    EXPECT_EQ(frame_.GetUndoTip(), "Undo: Create Menu");

    windows_.focused = false;
    window_.activeView = window_.opened[0].get();
    frame_.OnCommand(command::kNewMenuItem);
    frame_.OnCommand(command::kNewMenuItem);
    // The second goes under the first, which the view has selected.
    CWindowKav* first = Window("Item");
    CWindowKav* second = Window("Item1");
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(first->GetParent(), menu);
    EXPECT_EQ(second->GetType(), kWndMenuItem);
    EXPECT_EQ(second->GetParent(), first);
    EXPECT_EQ(window_.opened[0]->selectedWindows.back(), second);
    EXPECT_EQ(frame_.GetUndoTip(), "Undo: Create Menu Item");

    // The menu editor finds the menu from the dialog that owns it.
    window_.activeView = nullptr;
    Focus(windows_).selectedWindow = Window("Age");
    EXPECT_TRUE(frame_.GetCommandState(command::kMenuEditor).enabled);
    frame_.OnCommand(command::kMenuEditor);
    EXPECT_EQ(window_.opened[0]->activations, 1);
}

TEST_F(FrameCommandsTest, ChangingTheWindowTypeRebindsItsViewAndCancelChangesNothing) {
    int chosen = 99;
    frame_.Services().editors.chooseWindowType = [&](CWindowKav&) { return chosen; };
    CWindowKav* age = Window("Age");
    FakeView& view = ActiveView(PaneKind::WindowView, age);
    const std::string before = ProjectText();
    frame_.OnCommand(command::kChangeWindowType);
    EXPECT_EQ(ProjectText(), before);

    chosen = kWndComboBox;
    frame_.OnCommand(command::kChangeWindowType);
    EXPECT_EQ(Window("Age")->GetType(), kWndComboBox);
    EXPECT_EQ(view.rebinds, 1);
    EXPECT_EQ(frame_.GetUndoTip(), "Undo: Change Window Type");
}

TEST_F(FrameCommandsTest, TheWindowEditorOpensTheWindowOfTheSelectedStepWithItsControlSelected) {
    CTaskKav* block = Task("EnterClientAndCalculate");
    FakeView& flow = ActiveView(PaneKind::TaskFlowView, block);
    flow.selectedSteps = {block->FindStepByID("S_Calculate")};
    frame_.OnCommand(command::kWindowEditor);
    ASSERT_EQ(window_.opened.size(), 1u);
    FakeView& opened = *window_.opened[0];
    EXPECT_EQ(opened.ShownObject(), Window("Insurance"));
    // The step performs a transition: that is what is selected.
    EXPECT_EQ(opened.selectedTransitions, std::vector<CTransitionKav*>{Transition("Calculate", "Calculate")});

    // On the project's item of the Windows page: an empty view for a new window.
    Focus(windows_).selectedFile = Project().GetMainFile();
    ASSERT_TRUE(frame_.GetCommandState(command::kWindowEditor).enabled);
    frame_.OnCommand(command::kWindowEditor);
    ASSERT_EQ(window_.opened.size(), 2u);
    EXPECT_EQ(window_.opened[1]->ShownObject(), nullptr);
}

TEST_F(FrameCommandsTest, NewTaskLetsThePageMakeItAndOpensItsEditor) {
    CTaskKav* made = Task("RefuseYoungClient");
    tasks_.created = made;
    int edited = 0;
    frame_.Services().editors.editTask = [&](CTaskKav& task) {
        EXPECT_EQ(&task, made);
        ++edited;
        return 1;
    };
    Focus(tasks_).selectedTask = Project().GetRootTask();
    frame_.OnCommand(command::kNewFolder);
    frame_.OnCommand(command::kNewBuildingBlock);
    EXPECT_EQ(tasks_.createdTypes, (std::vector<int>{2, 1}));
    EXPECT_EQ(edited, 2);
    EXPECT_EQ(frame_.GetUndoTip(), "Undo: Edit Task Properties");
    // Outside "OldTaskMode" tasks go into folders only.
    tasks_.selectedTask = made;
    EXPECT_FALSE(frame_.GetCommandState(command::kNewTask).enabled);
}

TEST_F(FrameCommandsTest, UserDefinedStepFieldsReachEveryStep) {
    frame_.Services().editors.editParameters = [&](OwningList<CAttributeKav>& list, int kind, bool,
                                                   const std::string& title) {
        EXPECT_EQ(kind, 3);
        EXPECT_EQ(title, "User-Defined Step Fields");
        list.Add(new CAttributeKav("Tester", 4, ""));
        return 1;
    };
    frame_.OnCommand(command::kUserDefinedFields);
    EXPECT_NE(Task("RefuseYoungClient")->FindStepByID("S_RefusedStart")->FindAttribute("Tester", false), nullptr);
    EXPECT_EQ(frame_.GetUndoTip(), "Undo: Edit User-Defined Step Fields");
}
