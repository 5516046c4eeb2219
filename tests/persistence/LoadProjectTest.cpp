#include <gtest/gtest.h>

#include "model/CloneFlags.h"
#include "model/WindowKav.h"
#include "LoadFixture.h"

namespace {

const std::string kRootTask = "<TASK ID=\"root\" Name=\"Root\" Type=\"2\"/>";

CTaskKav* FindTask(CApplicationKav& project, const std::string& id) { return project.FindTask(id, true); }

}  // namespace

TEST_F(LoadTest, AProjectWithALibraryLoadsWithItsObjectsAndProgressLines) {
    const std::string lib = WriteProject("Lib.xml", "pl", "Lib", "",
                                         "<WND ID=\"lw\" Name=\"LibWindow\" Type=\"0\"/>"
                                         "<TASK ID=\"lroot\" Name=\"LibRoot\" Type=\"2\"/>"
                                         "<TASK ID=\"lt\" ParentID=\"lroot\" Name=\"LibTask\" Type=\"2\"/>");
    const std::string main = WriteProject("Main.xml", "pm", "Main", FileElement("fl", "Lib.xml"),
                                          kRootTask + "<WND ID=\"mw\" Name=\"MainWindow\" Type=\"0\"/>");
    ASSERT_EQ(Load(main), 1) << Message();
    EXPECT_EQ(log_.Lines(), (std::vector<std::string>{"Checking Include Hierarchy", "Opening Project " + main,
                                                      "Loading Library " + lib, "Building object relations"}));
    EXPECT_TRUE(Asked().empty());
    ASSERT_EQ(root_.GetFiles().size(), 2u);
    CFileKav* libraryFile = root_.GetFiles()[1];
    EXPECT_EQ(libraryFile->GetName(), "Lib");
    EXPECT_EQ(root_.GetName(), "Main");

    // The library's root task is gone; its top tasks hang under the project's root task.
    EXPECT_EQ(FindTask(root_, "lroot"), nullptr);
    CTaskKav* libraryTask = FindTask(root_, "lt");
    ASSERT_NE(libraryTask, nullptr);
    EXPECT_EQ(libraryTask->GetParent(), root_.GetRootTask());
    EXPECT_EQ(root_.GetRootTask()->GetName(), "Project Main");
    EXPECT_EQ(libraryTask->GetFile(), libraryFile);
    CWindowKav* libraryWindow = root_.GetWindowList().FindByID("lw");
    ASSERT_NE(libraryWindow, nullptr);
    EXPECT_EQ(libraryWindow->GetFile(), libraryFile);
    EXPECT_EQ(root_.GetWindowList().FindByID("mw")->GetFile(), root_.GetMainFile());

    // The main project and the library as read, for undo and the interface.
    ASSERT_EQ(reader_.GetLoadedProjects().size(), 2u);
    EXPECT_EQ(reader_.FindProjectFile("Lib", false), reader_.GetLoadedProjects()[1]);
    EXPECT_EQ(reader_.FindProjectFile("fl", true), reader_.GetLoadedProjects()[1]);
    EXPECT_EQ(reader_.FindProjectFile("lib", false), nullptr);
}

// A restored undo step holds the main file's objects only; the library's come back from the
// projects of the last load.
TEST_F(LoadTest, ARestoredSnapshotTakesTheLibrariesObjectsAgain) {
    WriteProject("Lib.xml", "pl", "Lib", "", "<REQ ID=\"lr\" Name=\"LibReq\"/>");
    const std::string main = WriteProject("Main.xml", "pm", "Main", FileElement("fl", "Lib.xml"),
                                          "<REQ ID=\"mr\" Name=\"MainReq\"/>" + kRootTask);
    ASSERT_EQ(Load(main), 1) << Message();
    std::unique_ptr<CApplicationKav> snapshot(root_.Clone(kCloneKeepId | kCloneTextsFromObjects | kCloneMainFileOnly));
    ASSERT_EQ(snapshot->FindRequirement("lr", true), nullptr);
    log_.Clear();

    EXPECT_EQ(reader_.LoadLibrary(snapshot.get(), false), 1) << Message();
    ASSERT_NE(snapshot->FindRequirement("lr", true), nullptr);
    EXPECT_EQ(snapshot->FindRequirement("lr", true)->GetFile(), snapshot->GetFiles()[1]);
    EXPECT_NE(snapshot->FindRequirement("mr", true), nullptr);
    EXPECT_TRUE(log_.Lines().empty());

    // A library that the last load did not read cannot be restored.
    snapshot->GetFiles()[1]->SetName("Other");
    EXPECT_EQ(reader_.LoadLibrary(snapshot.get(), false), -3);
    EXPECT_EQ(Message(), "Fatal Error: Library not found in m_appList! [F0133]");
}

TEST_F(LoadTest, ALibraryIncludedByTwoFilesIsReadOnce) {
    WriteProject("A.xml", "pa", "A", "", "");
    WriteProject("B.xml", "pb", "B", FileElement("a_as_b_knows_it", "A.xml"), "");
    const std::string main =
        WriteProject("Main.xml", "pm", "Main", FileElement("fa", "A.xml") + FileElement("fb", "B.xml"), kRootTask);
    ASSERT_EQ(Load(main), 1) << Message();
    ASSERT_EQ(root_.GetFiles().size(), 3u);
    EXPECT_EQ(root_.FindFile("fb", true)->UsedFileIds(), std::vector<std::string>{"fa"});
    EXPECT_EQ(log_.Lines().size(), 5u);  // main, A and B read once each
}

// Relative paths name files beside the file that names them; the working directory plays no part.
TEST_F(LoadTest, LibrariesAreFoundBesideTheFileThatIncludesThem) {
    WriteProject("libs/A.xml", "pa", "A", FileElement("fb", "B.xml"), "");
    WriteProject("libs/B.xml", "pb", "B", "", "<REQ ID=\"rb\" Name=\"FromB\"/>");
    const std::string main = WriteProject("Main.xml", "pm", "Main", FileElement("fa", "libs\\A.xml"), kRootTask);
    ASSERT_EQ(Load(main), 1) << Message();
    EXPECT_EQ(root_.FindFile("fb", true)->GetFullPath(), (folder_ / "libs" / "B.xml").string());
    EXPECT_NE(root_.FindRequirement("rb", true), nullptr);
}

TEST_F(LoadTest, LibrariesThatIncludeEachOtherAreRefused) {
    WriteProject("A.xml", "pa", "A", FileElement("fb", "B.xml"), "");
    WriteProject("B.xml", "pb", "B", FileElement("fa_again", "A.xml"), "");
    const std::string main = WriteProject("Main.xml", "pm", "Main", FileElement("fa", "A.xml"), kRootTask);
    interaction_->answers = {MessageAnswer::Ok, MessageAnswer::No};
    EXPECT_EQ(Load(main), -2);
    EXPECT_EQ(Asked(), (std::vector<std::string>{
                           "Illegal include hierarchy: Library 'B' is included by 'A' and vice versa! [W1204]",
                           "There has been a problem with at least one of the included libraries. Do you want to "
                           "open the Project Administration Dialog to edit the library list? [Q0051]"}));
    EXPECT_TRUE(Logged("Include Hierarchy is Invalid! [W1205]"));
    EXPECT_TRUE(root_.GetFiles().empty());
}

TEST_F(LoadTest, TwoLibrariesOfOneProjectNameAreRefused) {
    WriteProject("A.xml", "pa", "X", "", "");
    WriteProject("B.xml", "pb", "X", "", "");
    const std::string main =
        WriteProject("Main.xml", "pm", "Main", FileElement("fa", "A.xml") + FileElement("fb", "B.xml"), kRootTask);
    EXPECT_EQ(Load(main), -2);
    ASSERT_FALSE(Asked().empty());
    EXPECT_EQ(Asked().front(), "Duplicate library name: 2 libraries have the same project name 'X'! [W1703]");
    EXPECT_EQ(Asked().size(), 2u);
}

TEST_F(LoadTest, ATaskInTheMainFileAndALibraryIsKeptInTheVersionTheUserChooses) {
    WriteProject("Lib.xml", "pl", "Lib", "",
                 "<REQ ID=\"r1\" Name=\"R1\" Title=\"library\"/><REQ ID=\"r2\" Name=\"R2\" Title=\"library\"/>"
                 "<TASK ID=\"lroot\" Name=\"LibRoot\" Type=\"2\"/>"
                 "<TASK ID=\"t1\" ParentID=\"lroot\" Name=\"T1\" Type=\"2\" TestGoal=\"library\"/>");
    const std::string main = WriteProject("Main.xml", "pm", "Main", FileElement("fl", "Lib.xml"),
                                          "<REQ ID=\"r1\" Name=\"R1\" Title=\"main\"/>"
                                          "<REQ ID=\"r2\" Name=\"R2\" Title=\"main\"/>" +
                                              kRootTask +
                                              "<TASK ID=\"t1\" ParentID=\"root\" Name=\"T1\" Type=\"2\" "
                                              "TestGoal=\"main\"/>");
    interaction_->answers = {MessageAnswer::Yes};
    ASSERT_EQ(Load(main), 1) << Message();
    const std::string question =
        "There is at least 1 object existing with the same ID in 2 different projects. Do you wish to keep the "
        "object versions of project 'Lib' (Yes) or of project 'Main' (No)? [Q0035]";
    EXPECT_EQ(Asked(), std::vector<std::string>{question});
    EXPECT_TRUE(Logged(
        "The task 't1' is existing in at least 2 of the project files. Please delete one of the versions! [W0551]"));
    EXPECT_TRUE(Logged("The requirement 'r2' is existing in at least 2 of the project files. Please delete one of "
                       "the versions! [W0550]"));
    EXPECT_EQ(FindTask(root_, "t1")->GetTestGoal(), "library");
    EXPECT_EQ(root_.FindRequirement("r1", true)->GetTitle(), "library");
    EXPECT_EQ(root_.FindRequirement("r2", true)->GetTitle(), "library");
    EXPECT_EQ(root_.GetRequirements().size(), 2u);
}

TEST_F(LoadTest, NoKeepsTheMainFilesVersion) {
    WriteProject("Lib.xml", "pl", "Lib", "", "<REQ ID=\"r1\" Name=\"R1\" Title=\"library\"/>");
    const std::string main = WriteProject("Main.xml", "pm", "Main", FileElement("fl", "Lib.xml"),
                                          "<REQ ID=\"r1\" Name=\"R1\" Title=\"main\"/>" + kRootTask);
    interaction_->answers = {MessageAnswer::No};
    ASSERT_EQ(Load(main), 1) << Message();
    EXPECT_EQ(root_.FindRequirement("r1", true)->GetTitle(), "main");
    EXPECT_EQ(root_.FindRequirement("r1", true)->GetFile(), root_.GetMainFile());
}

TEST_F(LoadTest, AFileThatIsNoProjectIsNotLoaded) {
    const std::string main = WriteFile("Main.xml", "<KAVRO_DATA Version=\"12.4\"></KAVRO_DATA>");
    EXPECT_EQ(Load(main), -2);
    EXPECT_EQ(Asked(), std::vector<std::string>{"No 'PROJECT' tag has been found in file " + main + "! [W0798]"});

    CApplicationKav project;
    CFileKav file("", main, main);
    EXPECT_EQ(reader_.LoadProjectFile(&file, &project, true), 0);
    EXPECT_EQ(Message(), "No 'PROJECT' tag has been found in file " + main + "! [W0798]");
    EXPECT_EQ(log_.Lines().back(), Message());
}

TEST_F(LoadTest, AMasterProjectThatIsNoFileOfTheProjectIsRefused) {
    const std::string main = WriteFile("Main.xml",
                                       "<KAVRO_DATA Version=\"12.4\"><PROJECT ID=\"pm\" Name=\"Main\" "
                                       "MasterProjectID=\"m\"/>" +
                                           kRootTask + "</KAVRO_DATA>");
    EXPECT_EQ(Load(main), -2);
    EXPECT_TRUE(Logged("Master Project File with ID=m not found! [W0688]"));
}

TEST_F(LoadTest, AMissingProjectFileFailsWithoutTouchingTheWorkingDirectory) {
    interaction_->answers = {MessageAnswer::No, MessageAnswer::Ok};
    const std::string path = (folder_ / "missing" / "Main.xml").string();
    EXPECT_EQ(Load(path), -2);
    EXPECT_EQ(Asked().back(), "Could not open file '" + path + "' for reading! [W0857]");
}

// The user mends the library list in the administration dialog, and everything is read again.
TEST_F(LoadTest, AConfirmedQuestionReadsTheProjectAgain) {
    const std::string main = WriteProject("Main.xml", "pm", "Main", "",
                                          kRootTask + "<WND ID=\"w\" Name=\"Main\" Type=\"0\"/>"
                                                      "<TASK ID=\"t\" ParentID=\"root\" Name=\"T\" Type=\"0\" "
                                                      "StartID=\"s\"><TASKSTEP ID=\"s\" StartWndID=\"gone\"/></TASK>");
    int edits = 0;
    LoadingServices services;
    services.editLibraryList = [&](CApplicationKav&) { return ++edits == 1; };
    reader_.SetLoadingServices(services);
    interaction_->answers = {MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::Ok};
    EXPECT_EQ(Load(main), -1);
    EXPECT_EQ(edits, 2);
    const std::vector<std::string> asked = Asked();
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[0].substr(0, 42), "Building the object relations has failed. ");
    EXPECT_EQ(asked[2].substr(0, 58), "Minor errors have occurred during loading but you will sti");
    EXPECT_EQ(root_.GetTasks().size(), 2u);
    EXPECT_EQ(root_.GetWindowList().GetCount(), 1u);
    EXPECT_EQ(root_.GetFiles().size(), 1u);
    EXPECT_EQ(root_.IsModified(), 1);
}

TEST_F(LoadTest, VersionsOlderThanTheCurrentOneAreConvertedAfterLoading) {
    struct Case {
        std::string version;
        int loaded;
        int converted;
    };
    const Case cases[] = {{"12.4", 1, 1}, {"11.2.1", 2, 1}, {"12.3.5", 2, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        root_.GetFiles().DeleteAll();
        root_.GetTasks().DeleteAll();
        // Before 11.3 a task without OwnScript was a building block.
        const std::string main = WriteProject(
            "Main.xml", "pm", "Old", "",
            "<TASK ID=\"root\" Name=\"Root\" Type=\"0\" OwnScript=\"1\" StartID=\"r1\">"
            "<TASKSTEP ID=\"r1\" SubTaskID=\"bb\"/></TASK>"
            "<TASK ID=\"bb\" ParentID=\"root\" Name=\"Block\" Type=\"1\" StartID=\"b1\">"
            "<TASKSTEP ID=\"b1\" Name=\"Only\"/></TASK>",
            c.version);
        ASSERT_EQ(Load(main), c.loaded) << Message();
        EXPECT_EQ(reader_.CheckVersion(), c.converted);
        CTaskKav* block = FindTask(root_, "bb");
        const bool toFolder = c.version == "11.2.1";
        EXPECT_EQ(block->GetType(), toFolder ? kTaskFolder : kTaskBuildingBlock);
        EXPECT_EQ(block->GetSteps().empty(), toFolder);
        EXPECT_EQ(FindTask(root_, "root")->GetSteps().front()->GetSubTask() == nullptr, toFolder);
    }
    EXPECT_EQ(Message(), "Unknown project version '12.3.5'!\nPlease contact the KAVRO support for help. [W0888]");
}

// An older file is converted once; what the converted project saves loads back to the same
// project, whatever the root task was.
TEST_F(LoadTest, AConvertedProjectSavesWhatItLoadsBackTo) {
    const auto loadAndSave = [&](const std::string& path, const std::string& savedName) {
        root_.SetRootTask(nullptr);
        root_.GetTasks().DeleteAll();
        root_.GetFiles().DeleteAll();
        if (Load(path) == 2) {
            EXPECT_EQ(reader_.CheckVersion(), 1) << Message();
        }
        std::string unused;
        const std::string saved = (folder_ / savedName).string();
        EXPECT_EQ(reader_.SaveProject(true, saved, root_, unused), 1) << Message();
        return saved;
    };
    // Before 11.3 a task without OwnScript was a building block, and one of a single step became
    // a folder.
    const std::string roots[] = {
        "<TASK ID=\"root\" Name=\"R\" StartID=\"s\"><TASKSTEP ID=\"s\" Name=\"Only\"/></TASK>",
        "<TASK ID=\"root\" Name=\"R\" OwnScript=\"1\" StartID=\"s\"><TASKSTEP ID=\"s\"/></TASK>",
        "<TASK ID=\"root\" Name=\"R\" StartID=\"s\"><TASKSTEP ID=\"s\"><CONNECT DestStepID=\"e\"/></TASKSTEP>"
        "<TASKSTEP ID=\"e\"/></TASK>",
    };
    for (const std::string& root : roots) {
        SCOPED_TRACE(root);
        const std::string old = WriteProject("Old.xml", "pm", "P", "", root, "11.2.1");
        const std::string once = ReadFile(loadAndSave(old, "Once.xml"));
        const std::string twice = ReadFile(loadAndSave((folder_ / "Once.xml").string(), "Twice.xml"));
        EXPECT_EQ(twice, once);
    }
}

TEST_F(LoadTest, ALibraryTheUserLocatesIsReadFromThereAndTheProjectModified) {
    const std::string moved = WriteProject("moved/Lib.xml", "pl", "Lib", "", "<REQ ID=\"lr\" Name=\"LibReq\"/>");
    const std::string main = WriteProject("Main.xml", "pm", "Main", FileElement("fl", "Lib.xml"), kRootTask);
    interaction_->answers = {MessageAnswer::Yes};
    interaction_->paths = {moved};
    ASSERT_EQ(Load(main), 1) << Message();
    EXPECT_EQ(root_.FindFile("fl", true)->GetFullPath(), moved);
    EXPECT_EQ(root_.IsModified(), 1);
    EXPECT_NE(root_.FindRequirement("lr", true), nullptr);
}

TEST_F(LoadTest, ALibraryLocatedWhereAnotherIncludedLibraryLiesIsRefused) {
    const std::string a = WriteProject("A.xml", "pa", "A", "", "");
    const std::string main = WriteProject("Main.xml", "pm", "Main",
                                          FileElement("fa", "A.xml") + FileElement("fm", "Missing.xml"), kRootTask);
    interaction_->answers = {MessageAnswer::Yes, MessageAnswer::Ok, MessageAnswer::Ok, MessageAnswer::No};
    interaction_->paths = {a};
    EXPECT_EQ(Load(main), -2);
    // The entry now names A as well.
    const std::vector<std::string> asked = Asked();
    ASSERT_EQ(asked.size(), 4u);
    EXPECT_EQ(asked[1], "Library A is directly included twice! [W1203]");
    EXPECT_EQ(asked[2], "Duplicate library name: 2 libraries have the same project name 'A'! [W1703]");
}

// Cancel keeps the main file's objects for the rest of the library; the load then fails.
TEST_F(LoadTest, ACancelledConflictLeavesTheLoadUnsettled) {
    WriteProject("Lib.xml", "pl", "Lib", "", "<REQ ID=\"r1\" Name=\"R1\" Title=\"library\"/>");
    const std::string main = WriteProject("Main.xml", "pm", "Main", FileElement("fl", "Lib.xml"),
                                          "<REQ ID=\"r1\" Name=\"R1\" Title=\"main\"/>" + kRootTask);
    interaction_->answers = {MessageAnswer::Cancel, MessageAnswer::No};
    EXPECT_EQ(Load(main), -2);
    ASSERT_EQ(Asked().size(), 2u);
    EXPECT_EQ(Asked()[1].substr(0, 42), "Building the object relations has failed. ");
    EXPECT_EQ(root_.FindRequirement("r1", true)->GetTitle(), "main");
}
