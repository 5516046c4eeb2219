#include <gtest/gtest.h>

#include "generation/GenerationSettings.h"
#include "generation/MethodCodes.h"
#include "generation/TaskCoverage.h"
#include "generation/DefaultGenerators.h"
#include "generation/TaskTestCases.h"
#include "model/DataSet.h"
#include "platform/MessageBuffer.h"
#include "platform/Progress.h"
#include "tests/generation/TaskFlows.h"

namespace {

using Names = std::vector<std::string>;

// T: Start -> A -> {B, C}; B -> D; C -> D; A -> D.
class TaskCoverageTest : public TaskFlowTest {
protected:
    int Generate(int method) { return coverage.GenerateTestCases(*task, method, made); }

    // Each test case's step names, the task's name left out.
    std::vector<Names> Paths() const {
        std::vector<Names> paths;
        for (const CTestCase* testCase : made) {
            Names steps;
            for (const CTestStep* step : testCase->GetSteps()) steps.push_back(step->GetBaseStep()->GetName());
            paths.push_back(steps);
        }
        return paths;
    }
    Names DisplayNames() const {
        Names names;
        for (const CTestCase* testCase : made) names.push_back(testCase->GetDisplayName());
        return names;
    }
    bool Logged(const std::string& line) const {
        const Names& lines = progress.Log().Lines();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }

    CTaskKav* task = project.AddTask("T");
    CTaskStep* start = Blank(*task, "Start");
    CTaskStep* a = Step(*task, "A", {start});
    CTaskStep* b = Step(*task, "B", {a});
    CTaskStep* c = Step(*task, "C", {a});
    CTaskStep* d = Step(*task, "D", {b, c, a});
    Progress progress;
    CTaskCoverage coverage{graph, progress};
    OwningList<CTestCase> made;
};

}  // namespace

TEST_F(TaskCoverageTest, OneTestCaseTakesTheFirstWayThrough) {
    ASSERT_EQ(Generate(kMethodSingleTestCase), 1) << GetGlobalMessageBuffer();
    EXPECT_EQ(Paths(), (std::vector<Names>{{"A", "B", "D"}}));
    const CTestCase& testCase = *made[0];
    EXPECT_EQ(testCase.GetDisplayName(), "T_001");
    EXPECT_EQ(testCase.GetType(), kTestCaseGraphCoverage);
    EXPECT_EQ(testCase.GetTask(), task);
    EXPECT_EQ(testCase.GetSteps()[0]->GetName(), "Task: T / Step: A");
    EXPECT_EQ(testCase.GetSteps()[0]->GetDescription(), "Do A");
    EXPECT_TRUE(Logged("Generating test cases for task 'T'"));
    EXPECT_TRUE(Logged("Test case 'T_001' generated"));
    EXPECT_TRUE(graph.GetNodes().empty());  // the task's own graph goes at the end
}

TEST_F(TaskCoverageTest, StepAndConnectionCoverageCoverEverythingWhenNoConditionFails) {
    ASSERT_EQ(Generate(kMethodStepCoverage), 1);
    EXPECT_EQ(Paths(), (std::vector<Names>{{"A", "B", "D"}, {"A", "C", "D"}}));

    made.DeleteAll();
    ASSERT_EQ(Generate(kMethodConnectionCoverage), 1);
    EXPECT_EQ(Paths(), (std::vector<Names>{{"A", "B", "D"}, {"A", "C", "D"}, {"A", "D"}}));
    EXPECT_EQ(DisplayNames(), (Names{"T_001", "T_002", "T_003"}));
}

TEST_F(TaskCoverageTest, CoverageMarksCoverEveryStepAndConnectionOfTheTaskInstance) {
    // A sub-task call opens another instance, whose steps and connections are not this task's
    // targets. The old task mode keeps the graph, and its marks, after generation.
    CTaskKav* sub = project.AddTask("Sub");
    CTaskStep* s1 = Step(*sub, "S1");
    Step(*sub, "S2", {s1});
    CTaskStep* call = Call(*task, "CallSub", sub, {c});
    task->ConnectSteps(call, d);
    app.SetOldTaskMode(1);
    app.SetRootTask(task);
    for (int method : {kMethodConnectionCoverage, kMethodStepCoverage}) {
        SCOPED_TRACE(method);
        CTCGTask projectGraph(app);
        CTaskCoverage projectCoverage(projectGraph, progress);
        ASSERT_EQ(projectCoverage.GenerateTestCases(*task, method, made), 1);
        for (const CTaskNodeConnect* edge : projectGraph.GetConnections()) {
            if (method == kMethodConnectionCoverage && edge->from->contextNumber == 0) {
                EXPECT_TRUE(edge->covered) << edge->from->step->GetName() << "->" << edge->to->step->GetName();
            }
        }
        for (const CTaskNode* node : projectGraph.GetNodes()) {
            if (node->contextNumber == 0) {
                EXPECT_TRUE(node->covered) << node->step->GetName();
            }
        }
    }
}

TEST_F(TaskCoverageTest, AnOldTaskModeGraphRemembersWhatEarlierTestCasesCovered) {
    app.SetOldTaskMode(1);
    app.SetRootTask(task);
    CTCGTask projectGraph(app);
    CTaskCoverage projectCoverage(projectGraph, progress);
    ASSERT_EQ(projectCoverage.GenerateTestCases(*task, kMethodStepCoverage, made), 1);
    EXPECT_EQ(made.size(), 2u);
    made.DeleteAll();
    EXPECT_EQ(projectCoverage.GenerateTestCases(*task, kMethodStepCoverage, made), 1);
    EXPECT_TRUE(made.empty());
    EXPECT_TRUE(Logged("All steps are already covered by other test cases"));
    EXPECT_EQ(projectCoverage.GenerateTestCases(*task, kMethodConnectionCoverage, made), 1);
    EXPECT_EQ(made.size(), 1u);  // A -> D

    CTaskKav* unreached = project.AddTask("Elsewhere");
    Step(*unreached, "E1");
    Step(*unreached, "E2");
    EXPECT_EQ(projectCoverage.GenerateTestCases(*unreached, kMethodSingleTestCase, made), 0);
    EXPECT_EQ(GetGlobalMessageBuffer().substr(0, 63),
              "Cannot generate test case for task 'Elsewhere'. This may have v");
}

TEST_F(TaskCoverageTest, ATaskOfOneStepIsEmpty) {
    CTaskKav* single = project.AddTask("Single");
    Step(*single, "Only");
    EXPECT_EQ(coverage.GenerateTestCases(*single, kMethodSingleTestCase, made), 0);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Cannot generate test case for task 'Single': Task is empty! [W0031]");
    EXPECT_TRUE(made.empty());
}

TEST_F(TaskCoverageTest, AStepWhoseConditionNeverHoldsIsPassedBy) {
    GetGenerationSettings().detailedLog = true;
    b->GetConditions().Add(new CConditionKav("never", "1 = 2"));
    for (int method : {kMethodSingleTestCase, kMethodStepCoverage}) {
        SCOPED_TRACE(method);
        made.DeleteAll();
        ASSERT_EQ(Generate(method), 1);
        // The forward half backtracks past B to its next alternative.
        EXPECT_EQ(Paths(), (std::vector<Names>{{"A", "C", "D"}}));
        EXPECT_TRUE(Logged("Generation of path 2 failed because of condition in task 'T' /step 'B'! [W0548]"));
    }
}

// Not a single test case for the task is a failure of the task, not a success that made
// nothing; with the detailed log off this message is the only hint the user gets.
TEST_F(TaskCoverageTest, ATaskThatNoValidPathCrossesFailsWithItsFirstUnreachableTarget) {
    a->GetConditions().Add(new CConditionKav("never", "1 = 2"));
    CDataSet* data = project.AddDataSet("Customers");
    data->GetRecords().Add(new CDataRecord("V1", 1, 1));
    task->SetDataSet(data);
    const std::pair<int, std::string> cases[] = {
        {kMethodSingleTestCase,
         "Cannot generate a valid path containing task 'T'/step 'Start' because the conditions cannot be fulfilled! "
         "[W0028]"},
        {kMethodStepCoverage,
         "Cannot generate a valid path containing task 'T'/step 'A' because the conditions cannot be fulfilled! "
         "[W0028]"},
        {kMethodConnectionCoverage,
         "Cannot generate a valid path containing the connection between task 'T'/step 'Start' and task 'T'/step "
         "'A' because the conditions cannot be fulfilled! [W0034]"},
        {kMethodValidRecords, "Cannot generate a valid path for record 'V1' because the conditions cannot be "
                              "fulfilled! [W0572]"},
    };
    for (const auto& [method, message] : cases) {
        SCOPED_TRACE(method);
        ClearGlobalMessage();
        EXPECT_EQ(Generate(method), 0);
        EXPECT_TRUE(made.empty());
        EXPECT_EQ(GetGlobalMessageBuffer(), message);
    }
    const std::string unreachable =
        "Cannot generate a valid path containing task 'T'/step 'A' because the conditions cannot be fulfilled! [W0028]";
    EXPECT_FALSE(Logged(unreachable));

    GetGenerationSettings().detailedLog = true;
    EXPECT_EQ(Generate(kMethodStepCoverage), 0);
    EXPECT_TRUE(Logged("Generation of path 1 failed because of condition in task 'T' /step 'A'! [W0514]"));
    EXPECT_TRUE(Logged(unreachable));
}

TEST_F(TaskCoverageTest, ASimulationErrorFailsTheTaskAndDropsItsTestCases) {
    d->GetConditions().Add(new CConditionKav("broken", "#Nowhere# = 1"));
    made.Add(new CTestCase(9, kTestCaseGraphCoverage, nullptr, nullptr, task, 0));
    EXPECT_EQ(Generate(kMethodStepCoverage), 0);
    EXPECT_TRUE(made.empty());
    EXPECT_TRUE(GetGlobalMessageBuffer().starts_with("Error in task 'T'/step 'D':\n"));
}

TEST_F(TaskCoverageTest, AStopKeepsTheTestCasesMadeSoFar) {
    made.Add(new CTestCase(9, kTestCaseGraphCoverage, nullptr, nullptr, task, 0));
    progress.RequestStop();
    EXPECT_EQ(Generate(kMethodStepCoverage), 2);
    EXPECT_EQ(made.size(), 1u);
}

TEST_F(TaskCoverageTest, ABlockLoopingZeroTimesDoesNotKeepStepCoverageGoing) {
    CTaskKav* block = project.AddTask("Never", nullptr, kTaskBuildingBlock);
    Step(*block, "Inside", {Blank(*block, "Begin")});
    CTaskStep* call = Call(*task, "Never", block, {d});
    call->SetLoopMode(8);
    call->SetLoopCount("0");
    // The first path leaves the block out, and Inside counts as covered: no path is made for it.
    ASSERT_EQ(Generate(kMethodStepCoverage), 1);
    EXPECT_EQ(Paths(), (std::vector<Names>{{"A", "B", "D"}, {"A", "C", "D"}}));
}

// Start -> A -> BB (six steps, looping zero times) -> E: the one path leaves every step and
// connection of the block out, and with it covers them all.
TEST_F(TaskCoverageTest, ALongBlockLoopingZeroTimesYieldsOneTestCase) {
    CTaskKav* block = project.AddTask("BB", nullptr, kTaskBuildingBlock);
    CTaskStep* previous = Step(*block, "B1");
    for (const char* name : {"B2", "B3", "B4", "B5", "B6"}) previous = Step(*block, name, {previous});
    CTaskKav* flow = project.AddTask("Flow");
    CTaskStep* call = Call(*flow, "CallBB", block, {Step(*flow, "A", {Blank(*flow, "Start")})});
    call->SetLoopMode(8);
    call->SetLoopCount("0");
    Step(*flow, "E", {call});
    for (int method : {kMethodStepCoverage, kMethodConnectionCoverage}) {
        SCOPED_TRACE(method);
        made.DeleteAll();
        ASSERT_EQ(coverage.GenerateTestCases(*flow, method, made), 1) << GetGlobalMessageBuffer();
        EXPECT_EQ(Paths(), (std::vector<Names>{{"A", "E"}}));
    }
}

TEST_F(TaskCoverageTest, EachDataRecordOfTheKindGetsATestCase) {
    CDataSet* data = project.AddDataSet("Customers");
    for (auto [name, valid] : {std::pair{"V1", 1}, {"I1", 0}, {"V2", 1}, {"V3", 1}})
        data->GetRecords().Add(new CDataRecord(name, valid, 1));
    a->SetDescription("Customer #~Customers:$id#");
    task->SetDataSet(data);

    struct Case {
        int method;
        Names records;
        std::vector<int> errorCases;
    } cases[] = {
        {kMethodValidRecords, {"V1", "V2", "V3"}, {0, 0, 0}},
        {kMethodInvalidRecords, {"I1"}, {1}},
        {kMethodValidRecords | kMethodInvalidRecords, {"V1", "I1", "V2", "V3"}, {0, 1, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.method);
        made.DeleteAll();
        ASSERT_EQ(Generate(c.method), 1) << GetGlobalMessageBuffer();
        Names records;
        std::vector<int> errorCases;
        for (const CTestCase* testCase : made) {
            EXPECT_EQ(testCase->GetType(), kTestCaseDataCoverage);
            records.push_back(testCase->GetSteps()[0]->GetDescription().substr(9));
            errorCases.push_back(testCase->GetErrorCase());
        }
        EXPECT_EQ(records, c.records);
        EXPECT_EQ(errorCases, c.errorCases);
        EXPECT_EQ(DisplayNames().back(), "T_00" + std::to_string(c.records.size()));
        EXPECT_TRUE(Logged("Generating test cases for data record '" + c.records[0] + "'"));
    }
    EXPECT_EQ(DisplayNames(), (Names{"T_001", "T_002", "T_003", "T_004"}));
}

TEST_F(TaskCoverageTest, DataCoverageNeedsADataSetWithRecordsOfTheKind) {
    EXPECT_EQ(Generate(kMethodValidRecords), 1);
    EXPECT_TRUE(Logged("Cannot generate data-oriented test cases: No data set is assigned to task T [W0512]"));

    CDataSet* data = project.AddDataSet("Customers");
    data->GetRecords().Add(new CDataRecord("I1", 0, 1));
    task->SetDataSet(data);
    EXPECT_EQ(Generate(kMethodValidRecords), 1);
    EXPECT_TRUE(Logged("Cannot generate data-oriented test cases: Data set Customers has no valid records! [W0513]"));
    data->GetRecords().DeleteAll();
    EXPECT_EQ(Generate(kMethodValidRecords | kMethodInvalidRecords), 1);
    EXPECT_TRUE(Logged("Cannot generate data-oriented test cases: Data set Customers has no records! [W0513]"));
    EXPECT_TRUE(made.empty());
    EXPECT_EQ(std::count(progress.Log().Lines().begin(), progress.Log().Lines().end(),
                         "Cannot generate data-oriented test cases: No data set is assigned to task T [W0512]"),
              1);
}

TEST_F(TaskCoverageTest, TestStepsCarryTheirValuesAndBuildingBlocks) {
    GetGenerationSettings().buildingBlockInfo = true;
    app.SetOutputFormat(7);
    CTaskKav* block = project.AddTask("Fill", nullptr, kTaskBuildingBlock);
    block->GetParameters().Add(new CAttributeKav("Who", 4, ""));
    CTaskStep* type = Step(*block, "Type", {Blank(*block, "Begin")});
    type->SetStartWindow(edit);
    type->SetEvent("input");
    type->GetActions().Add(Action(2, {"#Name#", "#@Fill:Who#"}));
    CTaskStep* call = Call(*task, "CallFill", block, {a});
    call->GetAttributes().Add(new CAttributeKav("Who", 4, "Ann"));
    task->ConnectSteps(call, d);
    for (auto [step, priority] : {std::pair{b, 5}, {c, 3}, {d, 4}}) step->SetPriority(priority);  // the block first

    ASSERT_EQ(Generate(kMethodSingleTestCase), 1) << GetGlobalMessageBuffer();
    Names steps;
    for (const CTestStep* step : made[0]->GetSteps()) {
        std::string line = step->GetName() + " | " + step->GetEvent() + " |";
        for (const CTestStepBBInfo* record : step->GetBBInfos()) line += " " + record->GetName() + " " + record->GetHierarchy();
        steps.push_back(line);
    }
    EXPECT_EQ(steps, (Names{"Task: T / Step: A |  | 1 @T:A",
                            "Task: Fill / Step: Type | Input(\"x\") | 2 @Fill 2_1 @Fill:Type",
                            "Verify Step based on Action | Verify(Value, \"Ann\") | 2_2 @Fill:Verify_Value",
                            "Task: T / Step: D |  | 3 @T:D"}));
    const CTestStepBBInfo& fill = *made[0]->GetSteps()[1]->GetBBInfos()[0];
    ASSERT_EQ(fill.GetAttributes().size(), 1u);
    EXPECT_EQ(fill.GetAttributes()[0]->GetName(), "Who");
    EXPECT_EQ(fill.GetAttributes()[0]->GetValue(), "Ann");
    EXPECT_EQ(made[0]->GetSteps()[2]->GetBaseStep(), nullptr);
}

TEST_F(TaskCoverageTest, APathOfOneNodeMakesNoTestCase) {
    ASSERT_EQ(graph.ConvertTask(task), 1);
    EXPECT_EQ(CreateTestCase(graph, *task, 1, kTestCaseGraphCoverage, TaskPath{graph.GetStartNode()}), nullptr);
    EXPECT_EQ(GetGlobalMessageBuffer(),
              "No test case can be generated for task T because it consists only of a loop with zero repetitions! "
              "[W0878]");
}

TEST_F(TaskCoverageTest, TheGeneratorTableServesTaskBasedMethodsForTheRequestsTask) {
    std::unique_ptr<TestCaseGenerator> generator = DefaultGeneratorTable().Create(GeneratorFamily::TaskBased);
    ASSERT_NE(generator, nullptr);
    project.AddTestCase(1, kTestCaseGraphCoverage, task);  // replaced
    GenerationRequest request;
    request.project = &app;
    request.task = task;
    request.methodCode = kMethodStepCoverage;
    int count = 0;
    ASSERT_EQ(generator->Generate(request, progress, count), 1);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(app.GetTestCases().size(), 2u);
    EXPECT_EQ(progress.Counts().completed, 1);

    // A task that fails is counted and logged; the run goes on.
    CTaskKav* single = project.AddTask("Single");
    Step(*single, "Only");
    request.task = single;
    EXPECT_EQ(generator->Generate(request, progress, count), 1);
    EXPECT_EQ(progress.Counts().failures, 1);
    EXPECT_EQ(app.GetTestCases().size(), 2u);
}
