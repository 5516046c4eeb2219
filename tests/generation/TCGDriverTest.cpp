// The generation driver over the task hierarchy: each task of the scope generates its test
// cases, failures are counted and logged while the walk goes on, and the new test cases
// replace the earlier ones of their kind and scope.
#include <gtest/gtest.h>

#include <algorithm>

#include "generation/DefaultGenerators.h"
#include "generation/MethodCodes.h"
#include "generation/TCGDriver.h"
#include "platform/MessageBuffer.h"
#include "platform/Progress.h"
#include "tests/generation/TaskFlows.h"

namespace {

using Names = std::vector<std::string>;

// A folder F with the tasks T1 and T2 (two steps each) and T3 (one step, which fails).
class TCGDriverTest : public TaskFlowTest {
protected:
    TCGDriverTest() {
        for (CTaskKav* task : {t1, t2}) {
            CTaskStep* start = Blank(*task, "Start");
            Step(*task, "Do", {start});
        }
        Step(*t3, "Only");
        app.SetRootTask(folder);
    }

    Names DisplayNames() const {
        Names names;
        for (const CTestCase* testCase : app.GetTestCases()) names.push_back(testCase->GetDisplayName());
        std::sort(names.begin(), names.end());
        return names;
    }
    bool Logged(const std::string& line) const {
        const Names& lines = progress.Log().Lines();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }

    CTaskKav* folder = project.AddTask("F", nullptr, kTaskFolder);
    CTaskKav* t1 = project.AddTask("T1", folder);
    CTaskKav* t2 = project.AddTask("T2", folder);
    CTaskKav* t3 = project.AddTask("T3", folder);
    Progress progress;
    CTCGDriver driver{app, progress};
    int count = 0;
};

}  // namespace

TEST_F(TCGDriverTest, AFailingTaskIsCountedAndLoggedWhileTheWalkGoesOn) {
    ASSERT_EQ(driver.GenerateTaskTestCases(folder, kMethodSingleTestCase, count), 1);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(progress.Counts(), (ProgressCounts{3, 2, 1, 0, 3}));
    EXPECT_TRUE(Logged("Generating test cases for task 'F' and children"));
    EXPECT_TRUE(Logged("Cannot generate test case for task 'T3': Task is empty! [W0031]"));
    EXPECT_EQ(DisplayNames(), (Names{"T1_001", "T2_001"}));
    EXPECT_EQ(app.GetTestCases()[0]->GetType(), kTestCaseGraphCoverage);
}

TEST_F(TCGDriverTest, EarlierTestCasesOfTheKindAndScopeAreReplaced) {
    CTestCase* other = project.AddTestCase(1, kTestCaseGraphCoverage, t2);  // another task: kept
    project.AddTestCase(5, kTestCaseGraphCoverage, t1);                     // replaced
    ASSERT_EQ(driver.GenerateTaskTestCases(t1, kMethodStepCoverage, count), 1);
    EXPECT_EQ(DisplayNames(), (Names{"T1_001", "T2_001"}));
    EXPECT_TRUE(app.GetTestCases().Contains(other));
    EXPECT_EQ(app.IsModified(), 1);

    // The whole project (no task) starts at the root task.
    ASSERT_EQ(driver.GenerateTaskTestCases(nullptr, kMethodSingleTestCase, count), 1);
    EXPECT_TRUE(Logged("Generating task test cases for whole project"));
    EXPECT_EQ(DisplayNames(), (Names{"T1_001", "T2_001"}));
    EXPECT_FALSE(app.GetTestCases().Contains(other));
}

TEST_F(TCGDriverTest, ASubTaskCycleEndsTheRunBeforeAnyTask) {
    Call(*t1, "CallT2", t2, {t1->GetSteps()[1]});
    Call(*t2, "CallT1", t1, {t2->GetSteps()[1]});
    EXPECT_EQ(driver.GenerateTaskTestCases(nullptr, kMethodSingleTestCase, count), -1);
    EXPECT_NE(GetGlobalMessageBuffer().find("[W0579]"), std::string::npos) << GetGlobalMessageBuffer();
    EXPECT_FALSE(Logged("Generating test cases for task 'T1'"));
    EXPECT_TRUE(app.GetTestCases().empty());
}

TEST_F(TCGDriverTest, AStopEndsTheWalk) {
    progress.RequestStop();
    EXPECT_EQ(driver.GenerateTaskTestCases(folder, kMethodSingleTestCase, count), 2);
    EXPECT_EQ(count, 0);
    EXPECT_FALSE(Logged("Generating test cases for task 'T2'"));
}

TEST_F(TCGDriverTest, TheGeneratorTableServesTransitionTestsAndTaskBasedMethods) {
    const GeneratorTable table = DefaultGeneratorTable();
    GenerationRequest request;
    request.project = &app;
    request.methodCode = kMethodSingleTestCase;
    ASSERT_EQ(table.Create(GeneratorFamily::TaskBased)->Generate(request, progress, count), 1);
    EXPECT_EQ(count, 2);

    request.methodCode = kMethodTransitionTest;
    ASSERT_EQ(table.Create(GeneratorFamily::Transition)->Generate(request, progress, count), 1);
    EXPECT_TRUE(Logged("Generating transition test cases for whole project"));
}
