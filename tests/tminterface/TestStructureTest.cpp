// VORNAK's test structure in the project: its folders follow VORNAK's packages and each gets one
// use case; and the folders whose content changed, for the report to VORNAK.
#include <gtest/gtest.h>

#include "HostDouble.h"
#include "model/ChangedTaskReport.h"
#include "model/TestCase.h"
#include "platform/MessageBuffer.h"
#include "tests/support/GlobalState.h"
#include "tminterface/VornakIF.h"

namespace {

class TestStructureTest : public ::testing::Test {
protected:
    void SetUp() override {
        VornakMode = true;
        CApplicationKav& project = host.Project();
        mainFile = project.GetMainFile();
        mainFile->SetID("M");
        root = Add(project, "Project Release", nullptr, kTaskFolder, "root", false);
        project.SetRootTask(root);
    }

    // A task of the project (or, with the interface's own project, a received package).
    CTaskKav* Add(CApplicationKav& project, const std::string& name, CTaskKav* parent, int type,
                  const std::string& id, bool vornakTask = true) {
        auto* task = project.GetTasks().Add(new CTaskKav(name, type));
        task->SetID(id);
        task->SetFile(project.GetMainFile());
        task->SetFileId(project.GetMainFile()->GetID());
        task->SetQuVornakTask(vornakTask ? 1 : 0);
        if (parent) parent->AddChild(task);
        return task;
    }
    // A package VORNAK sent, standing in the package of that id.
    CTaskKav* Received(const std::string& name, const std::string& id, const std::string& parentId) {
        CTaskKav* package = Add(vornak.OwnProject(), name, nullptr, kTaskFolder, id);
        package->SetParentId(parentId);
        return package;
    }
    CTaskKav* Find(const std::string& id) { return host.Project().FindTask(id, true); }

    HostDouble host;
    VornakPostQueue posts;
    CVornakIF vornak{posts, {}, &host};
    CFileKav* mainFile = nullptr;
    CTaskKav* root = nullptr;
};

}  // namespace

TEST_F(TestStructureTest, FoldersFollowVornaksPackagesAndTheRestGoes) {
    CApplicationKav& project = host.Project();
    CTaskKav* release = Add(project, "Release", root, kTaskFolder, "R1");
    CTaskKav* a = Add(project, "A", release, kTaskFolder, "A");
    Add(project, "B", release, kTaskFolder, "B");
    CTaskKav* moved = Add(project, "Old name", a, kTaskFolder, "F");
    CTaskKav* useCase = Add(project, "Old use case", moved, kTaskPlain, "uc");
    CTaskKav* gone = Add(project, "Gone", release, kTaskFolder, "G");
    CTaskKav* goneCase = Add(project, "Gone case", gone, kTaskPlain, "gc");
    project.GetTestCases().Add(new CTestCase(1, kTestCaseGraphCoverage, nullptr, nullptr, goneCase, 0));
    CTaskKav* ownTask = Add(project, "Not VORNAK's", root, kTaskFolder, "own", false);

    Received("Release", "R1", "");
    Received("A", "A", "R1");
    Received("B", "B", "R1");
    CTaskKav* renamed = Received("New name", "F", "B");
    renamed->SetDescription("what to test");
    renamed->SetTestType("Regression Test");
    Received("New", "N", "A");

    ASSERT_EQ(vornak.SynchronizeTestStructure(), 1) << GetGlobalMessageBuffer();
    EXPECT_EQ(moved->GetParent(), Find("B"));
    EXPECT_EQ(moved->GetName(), "New name");
    EXPECT_EQ(moved->GetDescription(), "what to test");
    EXPECT_EQ(useCase->GetName(), "Newname");
    EXPECT_EQ(useCase->GetTestType(), "Regression Test");
    // A package the project did not have is a new VORNAK folder under its parent.
    ASSERT_TRUE(Find("N"));
    EXPECT_EQ(Find("N")->GetParent(), a);
    EXPECT_TRUE(Find("N")->IsQuVornakTask());
    // The VORNAK folder missing from the structure is gone, with its test cases; the markers too.
    EXPECT_FALSE(Find("G"));
    EXPECT_FALSE(Find("gc"));
    EXPECT_TRUE(project.GetTestCases().empty());
    EXPECT_EQ(Find("own"), ownTask);
    for (const CTaskKav* task : project.GetTasks()) EXPECT_EQ(task->GetTestGoal(), "") << task->GetName();
}

TEST_F(TestStructureTest, AFolderHoldsOneUseCaseAndNothingBesideIt) {
    struct Case {
        std::vector<int> childTypes;
        std::string message;
    };
    const Case cases[] = {
        {{kTaskPlain, kTaskPlain}, "Invalid task structure: 2 use cases in 1 VORNAK folder 'F'! [W1105]"},
        {{kTaskBuildingBlock}, "Invalid task structure: building block found in 1 VORNAK folder 'F'! [W1107]"},
        {{kTaskPlain, kTaskFolder},
         "Invalid task structure: use case with sibling folder found in VORNAK folder 'F'! [W1106]"},
    };
    int number = 0;
    for (const Case& c : cases) {
        CTaskKav* folder = Add(host.Project(), "F", root, kTaskFolder, "F" + std::to_string(++number));
        for (int type : c.childTypes) Add(host.Project(), "child", folder, type, "c" + std::to_string(++number));
        vornak.OwnProject().GetTasks().DeleteAll();
        Received("F", folder->GetID(), "");
        ClearGlobalMessage();
        EXPECT_EQ(vornak.SynchronizeTestStructure(), 0);
        EXPECT_EQ(GetGlobalMessageBuffer(), c.message);
    }
}

TEST_F(TestStructureTest, APackageWithoutItsParentIsRefused) {
    Received("Lost", "L", "nowhere");
    EXPECT_EQ(vornak.SynchronizeTestStructure(), 0);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Invalid task structure: parent 'nowhere' not found! [W1109]");
    Add(host.Project(), "Lost", root, kTaskFolder, "L");
    EXPECT_EQ(vornak.SynchronizeTestStructure(), 0);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Invalid task structure: new parent 'nowhere' not found! [W1104]");
}

TEST_F(TestStructureTest, AnEmptyFolderBelowTheTopGetsAUseCase) {
    CTaskKav* release = Add(host.Project(), "Release", root, kTaskFolder, "R1");
    CTaskKav* empty = Add(host.Project(), "Login", release, kTaskFolder, "E");
    empty->SetPrecondition("logged out");
    CTaskKav* full = Add(host.Project(), "Full", release, kTaskFolder, "F");
    Add(host.Project(), "Its case", full, kTaskPlain, "fc");

    EXPECT_EQ(vornak.CreateUseCaseTasks(), 1);
    ASSERT_EQ(empty->GetChildren().size(), 1u);
    const CTaskKav* useCase = empty->GetChildren().front();
    EXPECT_EQ(useCase->GetName(), "Login");
    EXPECT_EQ(useCase->GetType(), kTaskPlain);
    EXPECT_EQ(useCase->GetPrecondition(), "logged out");
    EXPECT_TRUE(useCase->IsQuVornakTask());
    ASSERT_TRUE(useCase->GetStartStep());
    EXPECT_EQ(useCase->GetStartStep()->GetName(), "Start");
    EXPECT_EQ(full->GetChildren().size(), 1u);
    EXPECT_EQ(release->GetChildren().size(), 2u);
}

TEST_F(TestStructureTest, AChangedTaskNamesItsVornakFoldersOnce) {
    CApplicationKav& project = host.Project();
    CTaskKav* f1 = Add(project, "F1", root, kTaskFolder, "f1");
    CTaskKav* f2 = Add(project, "F2", root, kTaskFolder, "f2");
    CTaskKav* plain = Add(project, "Plain", root, kTaskFolder, "plain", false);
    CTaskKav* case1 = Add(project, "Case 1", f1, kTaskPlain, "c1");
    CTaskKav* case2 = Add(project, "Case 2", f2, kTaskPlain, "c2");
    CTaskKav* case3 = Add(project, "Case 3", plain, kTaskPlain, "c3");
    CTaskKav* block = Add(project, "Block", root, kTaskBuildingBlock, "b", false);
    for (CTaskKav* caller : {case2, case1, case3}) {
        auto* step = new CTaskStep("call", "", "", "", "", "", nullptr, nullptr, 0, nullptr, 2, "", 1);
        step->SetSubTask(block);
        caller->GetSteps().Add(step);
    }

    vornak.AddChangedTask(case1);
    vornak.AddChangedTask(case3);
    vornak.AddChangedTask(case1);
    EXPECT_EQ(vornak.ChangedTaskIds(), std::vector<std::string>{"f1"});
    vornak.AddChangedTask(block);
    EXPECT_EQ(vornak.ChangedTaskIds(), (std::vector<std::string>{"f1", "f2"}));
    vornak.ChangedTaskIds().clear();
    vornak.AddChangedTask(f2);
    vornak.AddChangedTask(plain);
    EXPECT_EQ(vornak.ChangedTaskIds(), std::vector<std::string>{"f2"});

    vornak.AddChangedTask(nullptr);
    EXPECT_EQ(TestInteraction().Texts(),
              std::vector<std::string>{"Cannot add task to changed Tasklist: Invalid Task! [W1072]"});
}

TEST_F(TestStructureTest, TheModelReportsChangedTasksToTheInterface) {
    CTaskKav* folder = Add(host.Project(), "F1", root, kTaskFolder, "f1");
    CTaskKav* useCase = Add(host.Project(), "Case", folder, kTaskPlain, "c1");
    ReportChangedTask(useCase);
    EXPECT_EQ(vornak.ChangedTaskIds(), std::vector<std::string>{"f1"});
}
