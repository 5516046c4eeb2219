// The main frame's state and rules, with doubles for its window, views, pages and the VORNAK
// interface.
#include <gtest/gtest.h>

#include <filesystem>

#include "conversion/framework/RepositoryImport.h"
#include "conversion/framework/RepositoryReader.h"
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "model/TaskKav.h"
#include "model/TestCase.h"
#include "model/WindowKav.h"
#include "model/WindowList.h"
#include "model/windows/WindowTypes.h"
#include "platform/AtomicFile.h"
#include "platform/Registry.h"
#include "shell/CommandIds.h"
#include "FrameFixture.h"

namespace {

const std::string kKey(kProductKey);

std::string ReadUserSetting(const std::string& name) {
    return ReadRegistryString(SettingsHive::CurrentUser, kKey, name);
}

void WriteUserSetting(const std::string& name, const std::string& value) {
    WriteRegistryString(SettingsHive::CurrentUser, kKey, name, value, kRegistryText);
}

using MainFrameTest = FrameFixture;

// A reader whose every parse makes a dialog "Top" holding a button "Child".
class TopAndChildReader : public RepositoryReader {
public:
    void SetMessageLog(MessageLog*) override {}
    void ClearParentStack() override {}
    std::vector<CWindowKav*>& CreatedWindows() override { return created_; }
    int ParseRepository(CFileKav&, const std::string&) override {
        CWindowKav* top = CreateWindowOfType(kWndDialogBox, {.id = "Top"});
        CWindowKav* child = CreateWindowOfType(kWndPushButton, {.id = "Child"});
        top->AddChild(child);
        created_ = {top, child};
        return 1;
    }

private:
    std::vector<CWindowKav*> created_;
};

class NamesKept : public RepositoryCompletion {
public:
    void Complete(CWindowKav&) override {}
    std::string SuccessLine(int) const override { return {}; }
};

}  // namespace

TEST_F(MainFrameTest, TheTitleNamesTheLoadedProject) {
    frame_.OnCreate();
    EXPECT_EQ(window_.title, "VORNAK Designer (KAVRO)");
    ASSERT_EQ(frame_.LoadProject(kSample, true), 1);
    EXPECT_EQ(window_.title, "VORNAK Designer (KAVRO) - Insurance");
    EXPECT_TRUE(frame_.IsProjectOpen());
    // The bars are set for an open project, with the Tasks page in front.
    EXPECT_TRUE(tasks_.treeEnabled);
    EXPECT_EQ(windows_.rebuilds, 1);
    EXPECT_EQ(window_.selectedPages, std::vector<WorkspacePageIndex>{WorkspacePageIndex::Tasks});

    EXPECT_EQ(frame_.CloseProject(true), 1);
    EXPECT_EQ(window_.title, "VORNAK Designer (KAVRO)");
    EXPECT_FALSE(frame_.IsProjectOpen());
    EXPECT_FALSE(tasks_.treeEnabled);
    EXPECT_TRUE(Shown().empty());
}

TEST_F(MainFrameTest, TheViewModeComesFromTheSettingsAndGoesBackOnClose) {
    const struct {
        const char* stored;
        int mode;
    } cases[] = {{"", 25}, {"0", 0}, {"37", 37}, {"x", 0}};
    for (const auto& c : cases) {
        WriteUserSetting("ViewMode", c.stored);
        FakeWindow window;
        CMainFrame frame(window);
        frame.OnCreate();
        EXPECT_EQ(frame.GetViewMode(), c.mode) << '"' << c.stored << '"';
        ASSERT_TRUE(frame.OnClose());
        EXPECT_EQ(ReadUserSetting("ViewMode"), std::to_string(c.mode));
        EXPECT_TRUE(frame.IsClosed());
    }
}

TEST_F(MainFrameTest, ACancelledCloseKeepsTheProjectAndWritesNothing) {
    ASSERT_EQ(frame_.LoadProject(SampleCopy(), true), 1);
    frame_.OnCreate();
    frame_.SetModified("Create Window");
    FakeView view(PaneKind::WindowView);
    view.frame = &frame_;
    frame_.AddView(&view);

    TestInteraction().answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(frame_.OnClose());
    EXPECT_EQ(Shown(), std::vector<std::string>{" Warning! Project Insurance has not been saved! Save changes? [Q0016]"});
    EXPECT_EQ(ReadUserSetting("ViewMode"), "");
    EXPECT_TRUE(frame_.IsProjectOpen());
    EXPECT_EQ(CurrentApplication->IsModified(), 1);
    // The views closed before the question stay closed.
    EXPECT_TRUE(frame_.GetViews().empty());

    TestInteraction().answers = {MessageAnswer::No};
    EXPECT_TRUE(frame_.OnClose());
    EXPECT_EQ(ReadUserSetting("ViewMode"), "25");
    EXPECT_EQ(CurrentApplication, nullptr);
}

TEST_F(MainFrameTest, SavingOnCloseWritesTheProjectAndAFailedSaveKeepsTheProgramRunning) {
    const std::string path = SampleCopy();
    ASSERT_EQ(frame_.LoadProject(path, true), 1);
    CurrentApplication->SetName("Renamed");
    frame_.SetModified("Project Properties");
    SetFileFaultInjector([](std::string_view step, const std::filesystem::path&) { return step != "rename"; });
    TestInteraction().answers = {MessageAnswer::Yes};
    EXPECT_FALSE(frame_.OnClose());
    SetFileFaultInjector(nullptr);
    EXPECT_EQ(ScratchFolder::Read(path), ScratchFolder::Read(kSample));
    ASSERT_EQ(TestInteraction().messages.size(), 2u);
    EXPECT_EQ(TestInteraction().messages[1].caption, "Save Error");
    EXPECT_EQ(CurrentApplication->IsModified(), 1);

    TestInteraction().answers = {MessageAnswer::Yes};
    EXPECT_TRUE(frame_.OnClose());
    EXPECT_NE(ScratchFolder::Read(path).find("Name=\"Renamed\""), std::string::npos);
}

TEST_F(MainFrameTest, VornakModeSendsTheExitAndAsksBeforeDroppingChanges) {
    VornakMode = true;
    auto link = std::make_unique<FakeVornakLink>();
    const auto commands = link->commands;
    frame_.SetVornakStarter([&link](long port) {
        EXPECT_EQ(port, 4711);
        return std::move(link);
    });
    ASSERT_EQ(frame_.OpenProjectFromCommandLine("", 4711), 1);
    // The place of the project that VORNAK will send.
    ASSERT_EQ(CurrentApplication->GetFiles().size(), 1u);
    ASSERT_EQ(frame_.LoadProject(kSample, true), 1);
    EXPECT_EQ(window_.title, "");  // the title is VORNAK's business
    frame_.SetModified("Create Window");

    TestInteraction().answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(frame_.OnClose());
    EXPECT_EQ(Shown(), std::vector<std::string>{"Warning! Project Insurance has not been sent or saved! Send or save "
                                                "changes? [Q0045]"});
    EXPECT_EQ(TestInteraction().messages[0].caption, "Save/Send Changes");
    EXPECT_TRUE(commands->empty());
    EXPECT_TRUE(frame_.IsProjectOpen());

    TestInteraction().answers = {MessageAnswer::No};
    EXPECT_TRUE(frame_.OnClose());
    EXPECT_EQ(*commands, (std::vector<std::string>{"command 6", "close socket"}));
    EXPECT_EQ(frame_.GetVornakLink(), nullptr);
}

TEST_F(MainFrameTest, AnUnchangedProjectInVornakModeEndsWithoutAQuestion) {
    VornakMode = true;
    auto link = std::make_unique<FakeVornakLink>();
    link->connectionLost = true;
    const auto commands = link->commands;
    frame_.SetVornakStarter([&link](long) { return std::move(link); });
    ASSERT_EQ(frame_.OpenProjectFromCommandLine("", 1), 1);
    ASSERT_EQ(frame_.LoadProject(kSample, true), 1);
    EXPECT_TRUE(frame_.OnClose());
    EXPECT_TRUE(Shown().empty());
    // Nothing goes over a lost connection.
    EXPECT_TRUE(commands->empty());
}

TEST_F(MainFrameTest, VornakModeWithoutItsInterfaceCannotStart) {
    VornakMode = true;
    frame_.OnCreate();
    EXPECT_TRUE(window_.waitCursor);
    EXPECT_EQ(frame_.OpenProjectFromCommandLine("", 4711), 0);
    ASSERT_EQ(TestInteraction().messages.size(), 1u);
    EXPECT_EQ(TestInteraction().messages[0].text, "KAVRO cannot connect to VORNAK: this build has no VORNAK interface.");
    EXPECT_EQ(TestInteraction().messages[0].caption, "Connection Error");
    EXPECT_FALSE(VornakMode);
}

TEST_F(MainFrameTest, TheCommandLineProjectMustExistAndAnEmptyPathAsksForOne) {
    EXPECT_EQ(frame_.OpenProjectFromCommandLine((folder_.Path() / "missing.xml").string(), 0), 0);
    EXPECT_EQ(TestInteraction().messages.back().caption, "File not found");

    frame_.OpenRecentFile(0);  // nothing recent yet
    const std::string path = SampleCopy();
    TestInteraction().paths = {path};
    EXPECT_EQ(frame_.OpenProjectFromCommandLine("", 0), 1);
    EXPECT_TRUE(frame_.IsProjectOpen());
    // Open proposes the newest recent file.
    TestInteraction().paths = {std::nullopt};
    frame_.OpenProject();
    ASSERT_EQ(TestInteraction().pathRequests.size(), 2u);
    EXPECT_EQ(TestInteraction().pathRequests[1].title, "Open File");
    EXPECT_EQ(TestInteraction().pathRequests[1].initialPath, path);
    EXPECT_FALSE(frame_.IsProjectOpen());
}

TEST_F(MainFrameTest, RecentFilesPutTheLoadedFileFirstAndDropOnesThatDoNotLoad) {
    const std::string path = SampleCopy();
    const std::string broken = folder_.Write("Broken.xml", "<KAVRO_DATA Version=\"12.4\"><PROJECT");
    ASSERT_EQ(frame_.LoadProject(broken, true), 0);
    ASSERT_EQ(frame_.LoadProject(path, true), 1);
    EXPECT_EQ(frame_.GetRecentFileName(0), path);
    EXPECT_EQ(frame_.GetRecentFiles().Size(), 1u);

    // An entry of an earlier run whose file is broken by now.
    WriteRegistryString(SettingsHive::CurrentUser, kKey + "\\Recent File List", "File2", broken, kRegistryText);
    FakeWindow window;
    CMainFrame frame(window);
    ASSERT_EQ(frame.GetRecentFiles().Size(), 2u);
    EXPECT_EQ(frame.GetCommandState(command::kRecentFile1 + 1), (CommandState{true, false}));
    EXPECT_EQ(frame.GetCommandState(command::kRecentFile1 + 2), (CommandState{false, false}));
    TestInteraction().messages.clear();
    frame.OnCommand(command::kRecentFile1 + 1);
    EXPECT_FALSE(TestInteraction().messages.empty());
    EXPECT_EQ(frame.GetRecentFiles().Size(), 1u);
    frame.OnCommand(command::kRecentFile1);
    EXPECT_EQ(window.title, "VORNAK Designer (KAVRO) - Insurance");
    EXPECT_EQ(ReadRegistryString(SettingsHive::CurrentUser, kKey + "\\Recent File List", "File2"), "");

    VornakMode = true;
    EXPECT_EQ(frame.GetCommandState(command::kRecentFile1), (CommandState{false, false}));
    EXPECT_EQ(frame.GetCommandState(command::kOpenProject), (CommandState{false, false}));
    frame.CloseProject(false);
    frame.OpenRecentFile(0);
    EXPECT_FALSE(frame.IsProjectOpen());
}

TEST_F(MainFrameTest, ACancelledSaveQuestionKeepsTheRecentFile) {
    const std::string path = SampleCopy();
    ASSERT_EQ(frame_.LoadProject(path, true), 1);
    frame_.SetModified("Create Window");
    TestInteraction().answers = {MessageAnswer::Cancel};
    frame_.OpenRecentFile(0);
    EXPECT_EQ(frame_.GetRecentFileName(0), path);
    EXPECT_TRUE(frame_.IsProjectOpen());
}

TEST_F(MainFrameTest, TheActivePaneIsAFocusedTreeElseTheActiveView) {
    EXPECT_EQ(frame_.GetActivePane().kind, PaneKind::None);
    EXPECT_EQ(frame_.GetActivePane().view, nullptr);
    EXPECT_EQ(frame_.GetActivePane().page, nullptr);

    FakeView flow(PaneKind::TaskFlowView);
    window_.activeView = &flow;
    EXPECT_EQ(frame_.GetActivePane().kind, PaneKind::TaskFlowView);
    EXPECT_EQ(frame_.GetActivePane().view, &flow);

    // Focused one after the other from the back: each page counts, and an earlier one in the
    // order Tasks, Requirements, Windows, Test Data wins over a later one.
    const struct {
        bool* focused;
        WorkspacePage* page;
        PaneKind kind;
    } pages[] = {{&testData_.focused, &testData_, PaneKind::TestDataPage},
                 {&windows_.focused, &windows_, PaneKind::WindowsPage},
                 {&requirements_.focused, &requirements_, PaneKind::RequirementsPage},
                 {&tasks_.focused, &tasks_, PaneKind::TasksPage}};
    for (const auto& entry : pages) {
        *entry.focused = true;
        EXPECT_EQ(frame_.GetActivePane().kind, entry.kind);
        EXPECT_EQ(frame_.GetActivePane().page, entry.page);
        EXPECT_EQ(frame_.GetActivePane().view, nullptr);
    }
    // A tree that lost the focus stops counting.
    tasks_.focused = requirements_.focused = windows_.focused = testData_.focused = false;
    EXPECT_EQ(frame_.GetActivePane().kind, PaneKind::TaskFlowView);

    FakeView empty(PaneKind::None);
    window_.activeView = &empty;
    EXPECT_EQ(frame_.GetActivePane().kind, PaneKind::None);
}

TEST_F(MainFrameTest, OnlyThePaletteChangesTheDrawingTool) {
    EXPECT_EQ(frame_.GetDrawingTool(), 99);
    FakeView windowView(PaneKind::WindowView);
    frame_.AddView(&windowView);
    EXPECT_TRUE(frame_.OnCommand(32862));
    EXPECT_EQ(frame_.GetDrawingTool(), 8);
    // The palette's command ends any pick operation; window views show the pick cursor while a
    // tool other than Select is chosen.
    EXPECT_EQ(windowView.pickEnds, std::vector<bool>{true});
    EXPECT_EQ(frame_.GetCommandState(32862), (CommandState{true, true}));
    EXPECT_EQ(frame_.GetCommandState(32849), (CommandState{true, false}));

    frame_.Pick().mode = 1;
    frame_.RefreshAll();
    EXPECT_EQ(frame_.GetDrawingTool(), 8);
    EXPECT_EQ(frame_.GetPickMode(), 0);

    frame_.SelectWindowTool(20);
    EXPECT_EQ(frame_.GetDrawingTool(), 21);
    EXPECT_TRUE(frame_.OnCommand(32849));
    EXPECT_EQ(frame_.GetDrawingTool(), 99);
    EXPECT_EQ(windowView.pickEnds.back(), false);
    frame_.RemoveView(&windowView);
}

TEST_F(MainFrameTest, TheLanguageItemOfTheLanguageInForceIsCheckedAndTheOtherSwitches) {
    const struct {
        const char* stored;
        bool germanInForce;
        const char* written;
    } cases[] = {{"", false, "German"}, {"English", false, "German"}, {"German", true, "English"},
                 {"german", false, "German"}};
    for (const auto& c : cases) {
        WriteUserSetting("Language", c.stored);
        EXPECT_EQ(frame_.GetCommandState(command::kGerman), (CommandState{!c.germanInForce, c.germanInForce}))
            << c.stored;
        EXPECT_EQ(frame_.GetCommandState(command::kEnglish), (CommandState{c.germanInForce, !c.germanInForce}))
            << c.stored;
        TestInteraction().messages.clear();
        frame_.OnCommand(c.germanInForce ? command::kEnglish : command::kGerman);
        EXPECT_EQ(ReadUserSetting("Language"), c.written);
        ASSERT_EQ(TestInteraction().messages.size(), 1u);
        EXPECT_EQ(TestInteraction().messages[0].text,
                  "Change of language will only take effect after restarting KAVRO! [I0032]");
        EXPECT_EQ(TestInteraction().messages[0].caption, "Language Settings");
    }
}

TEST_F(MainFrameTest, AClosingViewEndsThePickOperationThatStartedOrWaitsInIt) {
    FakeView windowView(PaneKind::WindowView), menuView(PaneKind::MenuView), flow(PaneKind::TaskFlowView),
        testCaseView(PaneKind::TestCaseView), other(PaneKind::WindowView);
    const struct {
        int mode;
        FrameView* pickView;
        FrameView* closing;
        void (CMainFrame::*message)(FrameView*);
        const char* warning;
        bool ends;
    } cases[] = {
        {2, &windowView, &windowView, &CMainFrame::OnWindowViewClosing,
         "Start window must not be closed before selecting a destination state!\nPlease try again! [W0570]", true},
        {2, &windowView, &other, &CMainFrame::OnWindowViewClosing, nullptr, false},
        {3, &menuView, &menuView, &CMainFrame::OnMenuViewClosing,
         "Start menu must not be closed before selecting a destination state!\nPlease try again! [W0571]", true},
        {6, &flow, &flow, &CMainFrame::OnTaskFlowViewClosing, nullptr, true},
        {5, &flow, &flow, &CMainFrame::OnTaskFlowViewClosing, nullptr, false},
        {7, &testCaseView, &testCaseView, &CMainFrame::OnTestCaseViewClosing, nullptr, true},
        {6, &testCaseView, &testCaseView, &CMainFrame::OnTestCaseViewClosing, nullptr, false},
    };
    for (const auto& c : cases) {
        TestInteraction().messages.clear();
        frame_.SetStatusText("Select a Destination Window");
        frame_.Pick() = PickState{};
        frame_.Pick().mode = c.mode;
        frame_.Pick().startView = c.pickView;
        frame_.Pick().assigningTaskFlowView = c.mode == 6 ? c.pickView : nullptr;
        frame_.Pick().assigningTestCaseView = c.mode == 7 ? c.pickView : nullptr;
        (frame_.*c.message)(c.closing);
        EXPECT_EQ(frame_.GetPickMode(), c.ends ? 0 : c.mode) << c.mode;
        EXPECT_EQ(window_.status, c.ends ? "" : "Select a Destination Window") << c.mode;
        if (c.warning) {
            ASSERT_EQ(TestInteraction().messages.size(), 1u);
            EXPECT_EQ(TestInteraction().messages[0].text, c.warning);
            EXPECT_EQ(TestInteraction().messages[0].caption, "Draw Error");
            EXPECT_EQ(TestInteraction().messages[0].icon, MessageIcon::Warning);
        } else {
            EXPECT_TRUE(TestInteraction().messages.empty()) << c.mode;
        }
    }
}

TEST_F(MainFrameTest, AStepPickedInAFlowViewMovesConnectStepsOnAndTheSecondEndsIt) {
    FakeView flow(PaneKind::TaskFlowView), otherFlow(PaneKind::TaskFlowView), windowView(PaneKind::WindowView);
    for (FakeView* view : {&flow, &otherFlow, &windowView}) frame_.AddView(view);
    frame_.OnStepPicked(&flow);  // no Connect Steps pending
    frame_.Pick().mode = 4;
    frame_.OnStepPicked(nullptr);
    EXPECT_EQ(frame_.GetPickMode(), 4);
    EXPECT_TRUE(flow.stepPickModes.empty());

    frame_.OnStepPicked(&flow);
    EXPECT_EQ(frame_.GetPickMode(), 5);
    EXPECT_EQ(window_.status, "Select a Destination Step");
    EXPECT_EQ(flow.stepPickModes, std::vector<int>{5});
    EXPECT_TRUE(otherFlow.stepPickModes.empty());

    frame_.OnStepPicked(&flow);
    EXPECT_EQ(frame_.GetPickMode(), 0);
    EXPECT_EQ(window_.status, "");
    EXPECT_EQ(flow.stepPickModes, (std::vector<int>{5, 0}));
    EXPECT_EQ(otherFlow.stepPickModes, std::vector<int>{0});
    EXPECT_TRUE(windowView.stepPickModes.empty());
    EXPECT_EQ(windowView.pickEnds.size(), 1u);
}

TEST_F(MainFrameTest, MessagesOfChangedObjectsReachThePagesAndViews) {
    ASSERT_EQ(frame_.LoadProject(kSample, true), 1);
    CTaskKav* task = CurrentApplication->GetRootTask();
    CWindowKav* window = CurrentApplication->GetWindowList().FindByName("Insurance", nullptr);
    ASSERT_NE(window, nullptr);
    FakeView flow(PaneKind::TaskFlowView, task), windowView(PaneKind::WindowView, window);
    frame_.AddView(&flow);
    frame_.AddView(&windowView);

    frame_.OnNewControl(window);
    EXPECT_EQ(windows_.insertedWindows, std::vector<CWindowKav*>{window});
    frame_.OnTaskChanged(task);
    EXPECT_EQ(tasks_.updatedTasks, std::vector<CTaskKav*>{task});
    EXPECT_EQ(flow.refreshes, 1);
    EXPECT_EQ(windowView.refreshes, 0);

    // A test case about to be deleted takes its view along.
    CTestCase testCase(1, 0, nullptr, nullptr, nullptr, 0);
    FakeView testCaseView(PaneKind::TestCaseView, &testCase);
    testCaseView.frame = &frame_;
    frame_.AddView(&testCaseView);
    NotifyTestCaseDeleting(&testCase);
    EXPECT_EQ(testCaseView.closeRequests, 1);
    EXPECT_EQ(flow.closeRequests, 0);
    frame_.CloseProject(false);
}

TEST_F(MainFrameTest, APageThatIsNotThereLeavesThePagesAfterItFilled) {
    frame_.SetRequirementsPage(nullptr);
    ASSERT_EQ(frame_.LoadProject(kSample, true), 1);
    EXPECT_EQ(windows_.rebuilds, 1);
    EXPECT_TRUE(windows_.treeEnabled);
    EXPECT_EQ(testData_.rebuilds, 1);
    frame_.CloseProject(false);
}

TEST_F(MainFrameTest, AViewOfAnObjectOpensOnceAndEveryViewCloses) {
    CTestCase testCase(1, 0, nullptr, nullptr, nullptr, 0);
    FrameView* opened = frame_.ShowView(PaneKind::TestCaseView, &testCase);
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(window_.openedViewModes, std::vector<int>{25});
    frame_.AddView(opened);
    EXPECT_EQ(frame_.ShowView(PaneKind::TestCaseView, &testCase), opened);
    EXPECT_EQ(window_.opened.size(), 1u);
    EXPECT_EQ(window_.opened[0]->activations, 1);

    FakeView first(PaneKind::WindowView), second(PaneKind::MenuView);
    first.frame = second.frame = &frame_;
    window_.opened[0]->frame = &frame_;
    frame_.AddView(&first);
    frame_.AddView(&second);
    frame_.RefreshAllViews();
    EXPECT_EQ(first.refreshes + second.refreshes + window_.opened[0]->refreshes, 3);
    frame_.RebindAfterUndo();
    EXPECT_EQ(first.rebinds + second.rebinds + window_.opened[0]->rebinds, 3);
    EXPECT_EQ(tasks_.rebuilds + requirements_.rebuilds + windows_.rebuilds + testData_.rebuilds, 4);
    frame_.CloseAllViews();
    EXPECT_TRUE(frame_.GetViews().empty());
    EXPECT_EQ(first.closeRequests + second.closeRequests, 2);
}

TEST_F(MainFrameTest, ThePaletteShowsWithAnActiveWindowViewOutsidePickOperations) {
    FakeView windowView(PaneKind::WindowView), flow(PaneKind::TaskFlowView);
    frame_.OnChildActivated(&windowView, true);
    EXPECT_TRUE(window_.IsBarShown(FrameBar::WindowPalette));
    frame_.OnChildActivated(&windowView, false);
    EXPECT_FALSE(window_.IsBarShown(FrameBar::WindowPalette));
    frame_.Pick().mode = 1;
    frame_.OnChildActivated(&windowView, true);
    EXPECT_FALSE(window_.IsBarShown(FrameBar::WindowPalette));
    frame_.OnChildActivated(&flow, true);
    EXPECT_FALSE(window_.IsBarShown(FrameBar::WindowPalette));

    // Its switch needs an active window view and no assigning or building-block pick.
    window_.activeView = &windowView;
    EXPECT_EQ(frame_.GetCommandState(command::kWindowToolBar), (CommandState{true, false}));
    frame_.Pick().mode = 6;
    EXPECT_FALSE(frame_.GetCommandState(command::kWindowToolBar).enabled);
    frame_.OnCommand(command::kDrawToolBar);
    EXPECT_EQ(frame_.GetCommandState(command::kDrawToolBar), (CommandState{true, false}));
}

// New Data Set, New Data Field, Properties Editor and Delete go to the Test Data page while its
// tree has the focus, when its selection allows them and no pick operation is pending.
TEST_F(MainFrameTest, DataCommandsGoToTheFocusedTestDataPageWhenItAllowsThem) {
    const int commands[] = {command::kNewDataSet, command::kNewDataField, command::kPropertiesEditor,
                            command::kDelete};
    testData_.enabledCommands = {command::kNewDataField, command::kDelete};
    // In another pane the page is not asked.
    for (int command : commands) frame_.OnCommand(command);
    EXPECT_TRUE(testData_.ranCommands.empty());
    testData_.focused = true;
    for (int command : commands) {
        const bool allowed = testData_.enabledCommands.count(command) > 0;
        EXPECT_EQ(frame_.GetCommandState(command), (CommandState{allowed, false})) << command;
        EXPECT_TRUE(frame_.OnCommand(command));
    }
    EXPECT_EQ(testData_.ranCommands, (std::vector<int>{command::kNewDataField, command::kDelete}));
    frame_.Pick().mode = 1;
    EXPECT_FALSE(frame_.GetCommandState(command::kDelete).enabled);
    EXPECT_TRUE(frame_.OnCommand(command::kDelete));
    EXPECT_EQ(testData_.ranCommands.size(), 2u);
}

// Import Test Data goes to the Test Data page from any pane, also while a pick is pending, but
// only while a project is open.
TEST_F(MainFrameTest, ImportTestDataGoesToTheTestDataPageFromAnyPane) {
    testData_.enabledCommands = {command::kImportTestData};
    EXPECT_FALSE(frame_.GetCommandState(command::kImportTestData).enabled);
    ASSERT_EQ(frame_.LoadProject(kSample, true), 1);
    frame_.Pick().mode = 1;
    EXPECT_EQ(frame_.GetCommandState(command::kImportTestData), (CommandState{true, false}));
    EXPECT_TRUE(frame_.OnCommand(command::kImportTestData));
    EXPECT_EQ(testData_.ranCommands, std::vector<int>{command::kImportTestData});
    frame_.Pick().mode = 0;
    EXPECT_EQ(frame_.CloseProject(false), 1);
    EXPECT_FALSE(frame_.GetCommandState(command::kImportTestData).enabled);
    frame_.OnCommand(command::kImportTestData);
    EXPECT_EQ(testData_.ranCommands.size(), 1u);
}

// New Requirement and Properties Editor go to the Requirements page while its tree has the
// focus, when its selection allows them; Delete stays the frame's.
TEST_F(MainFrameTest, RequirementCommandsGoToTheFocusedRequirementsPageWhenItAllowsThem) {
    using namespace command;
    requirements_.enabledCommands = {kNewRequirement, kPropertiesEditor, kDelete};
    EXPECT_FALSE(frame_.OnCommand(kNewRequirement));  // another pane
    requirements_.focused = true;
    requirements_.enabledCommands.erase(kNewRequirement);
    EXPECT_EQ(frame_.GetCommandState(kNewRequirement), (CommandState{false, false}));
    EXPECT_EQ(frame_.GetCommandState(kPropertiesEditor), (CommandState{true, false}));
    for (int command : {kNewRequirement, kPropertiesEditor, kDelete}) frame_.OnCommand(command);
    EXPECT_EQ(requirements_.ranCommands, std::vector<int>{kPropertiesEditor});
    frame_.Pick().mode = 1;
    EXPECT_FALSE(frame_.GetCommandState(kPropertiesEditor).enabled);
}

// The top windows of an imported repository reach the Windows page; their children come with them.
TEST_F(MainFrameTest, AnImportedRepositorysTopWindowsReachTheWindowsPage) {
    constexpr int kFormat = 1000;
    TopAndChildReader reader;
    InstallRepositoryReader(kFormat, &reader);
    NamesKept completion;
    EXPECT_EQ(RunRepositoryImport(kFormat, "repository.xml", nullptr, completion), 1);
    InstallRepositoryReader(kFormat, nullptr);
    CWindowKav* top = CurrentApplication->GetWindowList().FindByName("Top", nullptr);
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(windows_.insertedWindows, std::vector<CWindowKav*>{top});
}

// The documentation's pictures: a view that is not open opens for its picture and closes again;
// a window is drawn with its transitions and grandchildren, and an open window view goes back
// to the frame's mode afterwards.
TEST_F(MainFrameTest, APictureIsDrawnByTheObjectsViewWhichOpensOnlyForIt) {
    window_.frame = &frame_;
    ViewPicture picture;
    CTestCase testCase(1, 0, nullptr, nullptr, nullptr, 0);
    EXPECT_TRUE(frame_.RenderTestCaseBitmap(&testCase, picture));
    ASSERT_EQ(window_.opened.size(), 1u);
    EXPECT_EQ(window_.opened[0]->pictures, 1);
    EXPECT_EQ(window_.opened[0]->closeRequests, 1);
    EXPECT_TRUE(frame_.GetViews().empty());

    std::unique_ptr<CWindowKav> shown(CreateWindowOfType(kWndDialogBox, {.id = "Shown"}));
    FakeView view(PaneKind::WindowView, shown.get());
    frame_.AddView(&view);
    view.pictureFits = false;
    EXPECT_FALSE(frame_.RenderWindowBitmap(shown.get(), picture));
    EXPECT_EQ(view.pictures, 1);
    EXPECT_EQ(view.closeRequests, 0);
    EXPECT_EQ(view.viewModes, (std::vector<int>{CMainFrame::kShowTransitions | CMainFrame::kShowGrandchildren,
                                                 frame_.GetViewMode()}));
    EXPECT_EQ(window_.opened.size(), 1u);
    EXPECT_FALSE(frame_.RenderTaskFlowBitmap(nullptr, picture));
}
