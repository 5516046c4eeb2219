// New, Open, Save, Save As, Close and Project Properties of the main frame, with the project
// dialog and the VORNAK interface as doubles.
#include <gtest/gtest.h>

#include "model/FileKav.h"
#include "model/TaskKav.h"
#include "platform/AtomicFile.h"
#include "platform/UserFolders.h"
#include "shell/CommandIds.h"
#include "shell/StartUp.h"
#include "FrameFixture.h"

namespace {

class ProjectCommandsTest : public FrameFixture {
protected:
    void SetUp() override {
        UserFolders folders;
        folders.projects = folder_.Path() / "Projects";
        SetUserFolders(folders);
        frame_.SetProjectDialog([this](CApplicationKav& project) {
            ++dialogRuns;
            if (!confirmDialog) return 0;
            if (!newName.empty()) project.SetName(newName);
            return 1;
        });
    }

    const MessageRequest& Message(std::size_t index) const { return TestInteraction().messages.at(index); }

    int dialogRuns = 0;
    bool confirmDialog = true;
    std::string newName;
};

}  // namespace

TEST_F(ProjectCommandsTest, ClosingAChangedProjectAsksAndCancelKeepsItWithItsViewsClosed) {
    ASSERT_EQ(frame_.LoadProject(SampleCopy(), true), 1);
    frame_.SetModified("Create Window");
    FakeView view(PaneKind::WindowView);
    view.frame = &frame_;
    frame_.AddView(&view);

    TestInteraction().answers = {MessageAnswer::Cancel};
    frame_.OnCommand(command::kCloseProject);
    EXPECT_EQ(Shown(), std::vector<std::string>{" Warning! Project Insurance has not been saved! Save changes? [Q0016]"});
    EXPECT_EQ(Message(0).caption, "Save Changes");
    EXPECT_TRUE(frame_.IsProjectOpen());
    EXPECT_TRUE(frame_.GetCommandState(command::kUndo).enabled);
    EXPECT_EQ(view.closeRequests, 1);
    EXPECT_TRUE(frame_.GetViews().empty());

    const std::string saved = ScratchFolder::Read(folder_.Path() / "Insurance.xml");
    TestInteraction().answers = {MessageAnswer::No};
    frame_.OnCommand(command::kCloseProject);
    EXPECT_FALSE(frame_.IsProjectOpen());
    EXPECT_EQ(window_.title, "VORNAK Designer (KAVRO)");
    EXPECT_FALSE(frame_.GetCommandState(command::kUndo).enabled);
    EXPECT_FALSE(frame_.GetCommandState(command::kCloseProject).enabled);
    EXPECT_EQ(ScratchFolder::Read(folder_.Path() / "Insurance.xml"), saved);
    EXPECT_EQ(CurrentApplication->IsModified(), 0);
}

TEST_F(ProjectCommandsTest, SavingGivesOneResultPerAnswer) {
    const std::string path = SampleCopy();
    ASSERT_EQ(frame_.LoadProject(path, true), 1);
    const std::string original = ScratchFolder::Read(path);
    // Unchanged: nothing to save, the file untouched.
    std::filesystem::last_write_time(path, std::filesystem::file_time_type{});
    EXPECT_EQ(frame_.SaveOrSendProject(2), 1);
    EXPECT_EQ(std::filesystem::last_write_time(path), std::filesystem::file_time_type{});
    EXPECT_TRUE(Shown().empty());

    const struct {
        int mode;
        MessageAnswer answer;
        int result;
        bool written;
    } cases[] = {
        {2, MessageAnswer::Cancel, 0, false}, {2, MessageAnswer::No, 2, false}, {1, MessageAnswer::Cancel, 0, false},
        {1, MessageAnswer::Ok, 1, true},      {2, MessageAnswer::Yes, 1, true}, {0, MessageAnswer::Cancel, 1, true},
    };
    for (const auto& c : cases) {
        std::filesystem::copy_file(kSample, path, std::filesystem::copy_options::overwrite_existing);
        CurrentApplication->SetDescription("Changed");
        frame_.SetModified("Edit Project Properties");
        TestInteraction().messages.clear();
        TestInteraction().answers = {c.answer};
        EXPECT_EQ(frame_.SaveOrSendProject(c.mode), c.result) << c.mode;
        EXPECT_EQ(ScratchFolder::Read(path) != original, c.written) << c.mode;
        EXPECT_EQ(CurrentApplication->IsModified(), c.written ? 0 : 1) << c.mode;
        if (c.mode == 1) {
            EXPECT_EQ(Message(0).text, "If you continue, all changes will be saved! [W0404]");
            EXPECT_EQ(Message(0).caption, "Confirm Changes");
        }
        if (c.mode == 0) {
            EXPECT_TRUE(Shown().empty());
        }
    }
}

TEST_F(ProjectCommandsTest, AFailedWriteKeepsTheOldFileAndTheChanges) {
    const std::string path = SampleCopy();
    ASSERT_EQ(frame_.LoadProject(path, true), 1);
    CurrentApplication->SetDescription("Changed");
    frame_.SetModified("Edit Project Properties");
    SetFileFaultInjector([](std::string_view step, const std::filesystem::path&) { return step != "rename"; });
    EXPECT_EQ(frame_.SaveOrSendProject(0), -1);
    SetFileFaultInjector(nullptr);
    ASSERT_EQ(TestInteraction().messages.size(), 1u);
    EXPECT_EQ(Message(0).caption, "Save Error");
    EXPECT_EQ(ScratchFolder::Read(path), ScratchFolder::Read(kSample));
    EXPECT_EQ(CurrentApplication->IsModified(), 1);
}

TEST_F(ProjectCommandsTest, SavingOverLoadErrorsNeedsAYes) {
    const std::string path = folder_.Write(
        "Broken.xml", "<KAVRO_DATA Version=\"12.4\"><PROJECT ID=\"pm\" Name=\"Main\"/>"
                      "<TASK ID=\"root\" Name=\"Root\" Type=\"2\"/>"
                      "<TASK ID=\"t\" ParentID=\"root\" Name=\"T\" Type=\"0\" StartID=\"s\">"
                      "<TASKSTEP ID=\"s\" StartWndID=\"gone\"/></TASK></KAVRO_DATA>");
    const std::string original = ScratchFolder::Read(path);
    ASSERT_EQ(frame_.LoadProject(path, true), 1);
    ASSERT_TRUE(frame_.HasLoadErrors());
    // The flagged task is marked on the Tasks page, brought to the front.
    ASSERT_EQ(tasks_.markedTasks.size(), 1u);
    EXPECT_EQ(tasks_.markedTasks[0]->GetName(), "T");
    EXPECT_EQ(window_.selectedPages.back(), WorkspacePageIndex::Tasks);

    frame_.SetModified("Edit Task Properties");
    const std::string question =
        "WARNING: There have been errors while loading the project. If you save now, all invalid relations will be "
        "permanently deleted! Do you really want to save? [Q0034]";
    for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Cancel}) {
        TestInteraction().messages.clear();
        TestInteraction().answers = {answer};
        EXPECT_EQ(frame_.SaveOrSendProject(0), 0);
        EXPECT_EQ(Shown(), std::vector<std::string>{question});
        EXPECT_EQ(ScratchFolder::Read(path), original);
    }
    TestInteraction().answers = {MessageAnswer::Yes};
    EXPECT_EQ(frame_.SaveOrSendProject(0), 1);
    EXPECT_NE(ScratchFolder::Read(path), original);
}

TEST_F(ProjectCommandsTest, TheProjectLoadsInTheMessageLogWindowUnlessDirect) {
    ASSERT_EQ(frame_.LoadProject(kSample, true), 1);
    EXPECT_EQ(window_.logTitles, std::vector<std::string>{"Loading Project"});
    ASSERT_FALSE(window_.logLines.empty());
    EXPECT_EQ(window_.logLines.front(), "Checking Include Hierarchy");
    ASSERT_EQ(frame_.LoadProject(kSample, true, true), 1);
    EXPECT_EQ(window_.logTitles.size(), 1u);
}

TEST_F(ProjectCommandsTest, NewSavesTheDialogsProjectWhereTheUserChoosesAndLoadsIt) {
    EXPECT_TRUE(frame_.GetCommandState(command::kNewProject).enabled);
    // A cancelled dialog leaves no project and asks for no file.
    confirmDialog = false;
    frame_.OnCommand(command::kNewProject);
    EXPECT_EQ(dialogRuns, 1);
    EXPECT_FALSE(frame_.IsProjectOpen());
    EXPECT_TRUE(CurrentApplication->GetFiles().empty());
    EXPECT_TRUE(TestInteraction().pathRequests.empty());

    confirmDialog = true;
    newName = "Shop";
    const std::string path = (folder_.Path() / "Shop.xml").string();
    TestInteraction().paths = {path};
    ASSERT_EQ(frame_.NewProject(), 1);
    ASSERT_EQ(TestInteraction().pathRequests.size(), 1u);
    const FileDialogRequest& request = TestInteraction().pathRequests[0];
    EXPECT_EQ(request.kind, FileDialogRequest::Kind::Save);
    EXPECT_EQ(request.title, "Save File");
    EXPECT_EQ(request.filter, "XML Files (*.xml)|*.xml|All files (*.*)|*.*||");
    EXPECT_EQ(request.initialPath, (folder_.Path() / "Projects" / "Project_Shop.xml").string());
    EXPECT_TRUE(frame_.IsProjectOpen());
    EXPECT_EQ(window_.title, "VORNAK Designer (KAVRO) - Shop");
    EXPECT_EQ(CurrentApplication->GetName(), "Shop");
    ASSERT_NE(CurrentApplication->GetRootTask(), nullptr);
    EXPECT_EQ(CurrentApplication->GetRootTask()->GetName(), "Project Shop");
    EXPECT_EQ(CurrentApplication->IsModified(), 0);
    EXPECT_FALSE(frame_.GetCommandState(command::kUndo).enabled);
    EXPECT_EQ(frame_.GetRecentFileName(0), path);
    EXPECT_TRUE(Shown().empty());

    // A new project whose file the user does not choose is not made.
    TestInteraction().paths = {std::nullopt};
    EXPECT_EQ(frame_.NewProject(), 0);
    EXPECT_FALSE(frame_.IsProjectOpen());
}

TEST_F(ProjectCommandsTest, NewAndPropertiesNeedTheProjectDialog) {
    FakeWindow window;
    CMainFrame frame(window);
    EXPECT_FALSE(frame.GetCommandState(command::kNewProject).enabled);
    ASSERT_EQ(frame.LoadProject(kSample, true), 1);
    EXPECT_FALSE(frame.GetCommandState(command::kProjectProperties).enabled);
    EXPECT_TRUE(frame.GetCommandState(command::kSaveProject).enabled);
    EXPECT_TRUE(frame.GetCommandState(command::kSaveProjectAs).enabled);
    EXPECT_EQ(frame.NewProject(), 0);
    EXPECT_TRUE(frame.IsProjectOpen());
    frame.CloseProject(false);
}

// The program's project administration comes from start-up: New and Properties run it as
// edits, loading as the correction of a project's libraries.
TEST_F(ProjectCommandsTest, TheInstalledProjectAdministrationServesNewPropertiesAndLoading) {
    FakeWindow window;
    CMainFrame frame(window);
    std::vector<bool> runs;
    InstalledProjectEditor() = [&runs](CApplicationKav&, bool duringLoading) {
        runs.push_back(duringLoading);
        return 1;
    };
    ConnectProjectEditor(frame);
    EXPECT_TRUE(frame.GetCommandState(command::kNewProject).enabled);
    TestInteraction().paths = {std::nullopt};
    frame.OnCommand(command::kNewProject);
    CApplicationKav project;
    TestInteraction().answers = {MessageAnswer::Yes};
    EXPECT_TRUE(GetProjectReader().AskEditLibraries(43001, &project));
    EXPECT_EQ(runs, (std::vector<bool>{false, true}));

    InstalledProjectEditor() = nullptr;
    GetProjectReader().SetLibraryListEditor(nullptr);
}

TEST_F(ProjectCommandsTest, PropertiesSaveFirstThenRenameSaveAndLoadAgain) {
    const std::string path = SampleCopy();
    ASSERT_EQ(frame_.LoadProject(path, true), 1);
    frame_.SetModified("Create Window");
    TestInteraction().answers = {MessageAnswer::Cancel};
    frame_.OnCommand(command::kProjectProperties);
    EXPECT_EQ(Shown(), std::vector<std::string>{"If you continue, all changes will be saved! [W0404]"});
    EXPECT_EQ(dialogRuns, 0);

    newName = "Renamed";
    TestInteraction().messages.clear();
    TestInteraction().answers = {MessageAnswer::Ok};
    const CApplicationKav* before = CurrentApplication;
    frame_.OnCommand(command::kProjectProperties);
    EXPECT_EQ(dialogRuns, 1);
    // One confirmation, and no question when the project closes for the new load.
    EXPECT_EQ(Shown().size(), 1u);
    EXPECT_NE(CurrentApplication, before);
    EXPECT_TRUE(frame_.IsProjectOpen());
    EXPECT_EQ(CurrentApplication->GetName(), "Renamed");
    EXPECT_EQ(window_.title, "VORNAK Designer (KAVRO) - Renamed");
    EXPECT_NE(ScratchFolder::Read(path).find("<TASK ID=\"K_Root\" Name=\"Project Renamed\"/>"), std::string::npos);
    EXPECT_EQ(CurrentApplication->IsModified(), 0);
}

TEST_F(ProjectCommandsTest, ASaveAsAlwaysAsksForTheFile) {
    ASSERT_EQ(frame_.LoadProject(SampleCopy(), true), 1);
    const std::string copy = (folder_.Path() / "Copy.xml").string();
    TestInteraction().paths = {std::nullopt, copy};
    frame_.OnCommand(command::kSaveProjectAs);
    EXPECT_FALSE(std::filesystem::exists(copy));
    frame_.OnCommand(command::kSaveProjectAs);
    EXPECT_TRUE(std::filesystem::exists(copy));
    EXPECT_EQ(CurrentApplication->GetMainFilePath(), copy);
    EXPECT_EQ(frame_.GetRecentFileName(0), copy);
}

TEST_F(ProjectCommandsTest, AProjectWithoutFilesCannotBeSaved) {
    CurrentApplication->SetModified(1);
    EXPECT_EQ(frame_.SaveOrSendProject(0), -1);
    ASSERT_EQ(TestInteraction().messages.size(), 1u);
    EXPECT_EQ(Message(0).text, "Fatal Error: Internal file list is empty! [F0150]");
    EXPECT_EQ(Message(0).caption, "Fatal Error");
    EXPECT_EQ(CurrentApplication->IsModified(), 1);
}

TEST_F(ProjectCommandsTest, VornakModeOffersToSendAndAsksVornakForItsLibraries) {
    VornakMode = true;
    auto link = std::make_unique<FakeVornakLink>();
    const auto commands = link->commands;
    FakeVornakLink& vornak = *link;
    frame_.SetVornakStarter([&link](long) { return std::move(link); });
    ASSERT_EQ(frame_.OpenProjectFromCommandLine("", 1), 1);
    ASSERT_EQ(frame_.LoadProject(SampleCopy(), true), 1);
    EXPECT_FALSE(frame_.GetCommandState(command::kOpenProject).enabled);

    TestInteraction().answers = {MessageAnswer::Yes};
    EXPECT_EQ(frame_.SaveOrSendProject(0), 1);
    ASSERT_EQ(TestInteraction().messages.size(), 1u);
    EXPECT_EQ(Message(0).text, "The data can now be transmitted to VORNAK Test Manager - Proceed? [Q0044]\n Yes: "
                               "Send data\n No: Save data as XML file");
    EXPECT_EQ(Message(0).caption, "Send or Save");
    EXPECT_EQ(*commands, std::vector<std::string>{"send project"});
    TestInteraction().answers = {MessageAnswer::Cancel};
    EXPECT_EQ(frame_.SaveOrSendProject(0), 0);

    // Save As never sends; the interface must be active or lost for Save.
    vornak.state = 10;
    EXPECT_FALSE(frame_.GetCommandState(command::kSaveProject).enabled);
    vornak.connectionLost = true;
    EXPECT_TRUE(frame_.GetCommandState(command::kSaveProject).enabled);
    vornak.connectionLost = false;

    frame_.OnCommand(command::kProjectProperties);
    EXPECT_EQ(commands->back(), "request library list");
    EXPECT_TRUE(window_.waitCursor);
    EXPECT_EQ(dialogRuns, 0);
    // Close ends the program.
    frame_.OnCommand(command::kCloseProject);
    EXPECT_EQ(window_.closeRequests, 1);
    EXPECT_TRUE(frame_.IsProjectOpen());
}
