#include <gtest/gtest.h>

#include "tests/support/ProjectBuilder.h"

using ApplicationLookup = ProjectTest;

TEST_F(ApplicationLookup, FindTaskSkipsFoldersByNameButNotById) {
    CTaskKav* folder = project.AddTask("Order", nullptr, kTaskFolder);
    CTaskKav* task = project.AddTask("order");

    folder->SetID("Folder7Id");
    EXPECT_EQ(app.FindTask("ORDER", false), task);
    EXPECT_EQ(app.FindTask("Folder7Id", true), folder);
    EXPECT_EQ(app.FindTask("folder7id", true), nullptr);
}

TEST_F(ApplicationLookup, FileScopeRestrictsTheSearch) {
    CDataSet* inLib = project.AddDataSet("Customer", project.Lib());
    CDataSet* inMain = project.AddDataSet("customer");

    EXPECT_EQ(app.FindDataSet("CUSTOMER", false), inLib);  // first in list order
    EXPECT_EQ(app.FindDataSet("CUSTOMER", false, project.Main()), inMain);
    EXPECT_EQ(app.FindDataSet(inLib->GetId(), true, project.Main()), nullptr);

    CRequirement* requirement = project.AddRequirement("REQ-1");
    EXPECT_EQ(app.FindRequirement("req-1", false), requirement);
    EXPECT_EQ(app.FindRequirement(requirement->GetUniqueId(), true), requirement);
    EXPECT_EQ(app.FindFile("lib", false), project.Lib());
    EXPECT_EQ(app.FindFile(project.Lib()->GetID(), true), project.Lib());
}

TEST_F(ApplicationLookup, TestCasesAreFoundByExactDisplayName) {
    CTaskKav* order = project.AddTask("Order");
    CTestCase* testCase = project.AddTestCase(1, kTestCaseGraphCoverage, order);
    EXPECT_EQ(app.FindTestCase("Order_001", false), testCase);
    EXPECT_EQ(app.FindTestCase("order_001", false), nullptr);
    EXPECT_EQ(app.FindTestCase(testCase->GetUniqueId(), true), testCase);
}

TEST_F(ApplicationLookup, FindTaskStepAndTasksOfRequirement) {
    CTaskKav* order = project.AddTask("Order");
    CTaskKav* invoice = project.AddTask("Invoice");
    CTaskStep* step = invoice->GetSteps().Add(
        new CTaskStep("Pay", "", "", "", "", "", nullptr, nullptr, 0, nullptr, 2, "", 0));
    EXPECT_EQ(app.FindTaskStepById(step->GetId()), step);
    EXPECT_EQ(app.FindTaskStepById("none"), nullptr);

    CRequirement* requirement = project.AddRequirement("R1");
    order->GetRequirements().push_back(requirement);
    std::vector<CTaskKav*> tasks{invoice};
    EXPECT_TRUE(app.FindTasksOfRequirement(requirement, tasks));
    EXPECT_EQ(tasks, std::vector<CTaskKav*>{order});
    invoice->GetRequirements().push_back(project.AddRequirement("R2"));
    EXPECT_FALSE(app.FindTasksOfRequirement(project.AddRequirement("R3"), tasks));
    EXPECT_TRUE(tasks.empty());
}

TEST_F(ApplicationLookup, MainFileAccessors) {
    EXPECT_EQ(app.GetMainFile(), project.Main());
    EXPECT_EQ(app.GetMainFileName(), "Proj");
    EXPECT_EQ(app.GetMainFilePath(), "/projects/Proj.xml");
    EXPECT_TRUE(app.IsInMainFile(project.AddTask("A")));
    EXPECT_FALSE(app.IsInMainFile(project.AddTask("B", nullptr, kTaskPlain, project.Lib())));
    CTaskKav loose("C", kTaskPlain);
    EXPECT_FALSE(app.IsInMainFile(&loose));
    EXPECT_FALSE(app.IsInMainFile(nullptr));

    CApplicationKav empty;
    EXPECT_EQ(empty.GetMainFile(), nullptr);
    EXPECT_EQ(empty.GetMainFileName(), "");
    EXPECT_EQ(empty.GetMainFilePath(), "");
}

TEST_F(ApplicationLookup, FileInclusionFollowsUsedFilesAndEndsOnCycles) {
    CFileKav* m = project.Main();
    CFileKav* l = project.Lib();
    CFileKav* x = app.GetFiles().Add(new CFileKav("X", "X.xml", "/projects/X.xml"));
    EXPECT_TRUE(app.IsFileIncluded(m, m));
    EXPECT_TRUE(app.IsFileIncluded(l, m));
    EXPECT_FALSE(app.IsFileIncluded(m, l));
    EXPECT_FALSE(app.IsFileIncluded(nullptr, m));

    l->UsedFileIds().push_back(m->GetID());  // M and L use each other
    EXPECT_TRUE(app.IsFileIncluded(l, m));
    EXPECT_TRUE(app.IsFileIncluded(m, l));
    EXPECT_FALSE(app.IsFileIncluded(x, m));
    EXPECT_FALSE(app.IsFileIncluded(x, l));

    // Through a chain: X used by L, L by M.
    l->UsedFileIds().push_back(x->GetID());
    EXPECT_TRUE(app.IsFileIncluded(x, m));
}

TEST_F(ApplicationLookup, AUsedFileIdThatNamesNoFileEndsTheSearch) {
    CFileKav* x = app.GetFiles().Add(new CFileKav("X", "X.xml", "/projects/X.xml"));
    CFileKav* m = project.Main();
    m->UsedFileIds().insert(m->UsedFileIds().begin(), "missing");
    project.Lib()->UsedFileIds().push_back(x->GetID());
    EXPECT_FALSE(app.IsFileIncluded(x, m));
}
