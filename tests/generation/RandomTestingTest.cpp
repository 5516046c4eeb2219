// Random testing as a run uses it: random walks over the building blocks of the scope, the
// coverage goal and the other ends of a run, the report, and the directed searches.
#include <gtest/gtest.h>

#include <algorithm>

#include "generation/DefaultGenerators.h"
#include "generation/GenerationSettings.h"
#include "generation/RandomTesting.h"
#include "model/ConditionKav.h"
#include "platform/Clock.h"
#include "platform/MessageBuffer.h"
#include "platform/Progress.h"
#include "platform/Random.h"
#include "tests/generation/TaskFlows.h"

namespace {

using Names = std::vector<std::string>;

// Building blocks under the root folder R; Main is the start window.
class RandomTestingTest : public TaskFlowTest {
protected:
    RandomTestingTest() {
        app.SetRootTask(root);
        app.SetStartWindow(mainWindow);
    }

    // A building block whose steps follow each other after its blank start step.
    CTaskKav* Block(const std::string& name, const Names& steps) {
        CTaskKav* block = project.AddTask(name, root, kTaskBuildingBlock);
        CTaskStep* previous = Blank(*block, "Start");
        for (const std::string& step : steps) previous = Step(*block, step, {previous});
        return block;
    }
    static CTaskStep* StepOf(CTaskKav* task, const std::string& name) {
        return task->GetSteps().FindIf([&](const CTaskStep* s) { return s->GetName() == name; });
    }

    static RandomTestSettings Settings(int goal, int percentage, int maxTestCases, int length, int iterations = 100,
                                       int method = 0) {
        return {goal, percentage, iterations, maxTestCases, length, 0, method, 6};
    }
    int Generate(const RandomTestSettings& settings, CTaskKav* task = nullptr) {
        ClearGlobalMessage();
        return CTCRandomTesting(app, progress).Generate({task}, settings, count);
    }

    // Each random test case's step names, the task names left out.
    std::vector<Names> Walks() const {
        std::vector<Names> walks;
        for (const CTestCase* testCase : app.GetTestCases()) {
            if (testCase->GetType() != kTestCaseRandom) continue;
            Names steps;
            for (const CTestStep* step : testCase->GetSteps()) {
                const std::string name = step->GetName();
                steps.push_back(name.substr(name.rfind(' ') + 1));
            }
            walks.push_back(steps);
        }
        return walks;
    }
    bool Logged(const std::string& line) const {
        const Names& lines = progress.Log().Lines();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }

    CTaskKav* root = project.AddTask("R", nullptr, kTaskFolder);
    Progress progress;
    int count = 0;
};

}  // namespace

TEST_F(RandomTestingTest, SettingsAndModelsThatCannotRunFailWithTheirMessage) {
    Block("B", {"A"});
    EXPECT_EQ(Generate(Settings(1, 101, 1, 5)), 0);
    EXPECT_EQ(GetGlobalMessageBuffer(),
              "Fatal Error: Percentage which must be covered is out of bounds (negative or greater than 1)! [F0138]");
    EXPECT_EQ(Generate(Settings(1, -1, 1, 5)), 0);
    EXPECT_NE(GetGlobalMessageBuffer().find("[F0138]"), std::string::npos);
    EXPECT_EQ(CTCRandomTesting(app, progress).Generate({}, Settings(1, 50, 1, 5), count), 0);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Fatal Error: No Task list given for randomized testing! [F0136]");

    app.SetStartWindow(nullptr);
    EXPECT_EQ(Generate(Settings(1, 50, 1, 5)), 0);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Warning: No Start Window defined! [W1041]");
    app.SetStartWindow(mainWindow);

    // The only first step lies in a window outside the start window.
    StepOf(app.GetTasks()[1], "A")->SetStartWindow(okButton);
    EXPECT_EQ(Generate(Settings(1, 50, 1, 5)), 0);
    EXPECT_EQ(GetGlobalMessageBuffer(),
              "Warning: Cannot find a step which can act as a start step for randomized testing. [W1054]");
    EXPECT_TRUE(app.GetTestCases().empty());
}

TEST_F(RandomTestingTest, GoalBitsZeroMakeExactlyTheMaximumNumberOfTestCases) {
    Block("B", {"A", "B"});
    ASSERT_EQ(Generate(Settings(0, 100, 3, 5)), 1) << GetGlobalMessageBuffer();
    EXPECT_EQ(count, 3);
    ASSERT_EQ(app.GetTestCases().size(), 3u);
    for (const CTestCase* testCase : app.GetTestCases()) {
        EXPECT_EQ(testCase->GetType(), kTestCaseRandom);
        EXPECT_EQ(testCase->GetTask(), root);
    }
    EXPECT_EQ(progress.Counts().total, 3);
    EXPECT_EQ(progress.Counts().completed, 3);
    EXPECT_TRUE(Logged("Generating random test cases for whole project"));
    EXPECT_TRUE(Logged("Covered Steps: 2 of 2"));
    EXPECT_TRUE(Logged("Covered Building Blocks 1 of 1"));
    EXPECT_TRUE(Logged("Covered Connections: 1 of 1"));
    EXPECT_TRUE(Logged("Covered Building Block Pairs: 1 of 1"));
    EXPECT_EQ(app.IsModified(), 1);

    // A second run replaces the random test cases of its scope.
    ASSERT_EQ(Generate(Settings(8, 100, 2, 5)), 1);
    EXPECT_EQ(app.GetTestCases().size(), 2u);
}

TEST_F(RandomTestingTest, AWalkEndsAtItsLengthAndGoesOnAtTheBeginningOfAnyBlock) {
    Block("B1", {"A"});
    Block("B2", {"X", "Y"});
    ASSERT_EQ(Generate(Settings(kGoalTestCases, 100, 4, 6)), 1) << GetGlobalMessageBuffer();
    for (const Names& walk : Walks()) {
        ASSERT_EQ(walk.size(), 6u);
        // X is always followed by Y; A and Y end their blocks.
        for (size_t i = 0; i + 1 < walk.size(); ++i)
            EXPECT_EQ(walk[i] == "X", walk[i + 1] == "Y") << testing::PrintToString(walk);
    }
}

// The iterations without new coverage end a run of walks; given as 0 they are the length.
TEST_F(RandomTestingTest, TheIdleLimitIsTheLengthWhenGivenAsZero) {
    CTaskKav* block = Block("B", {"A"});
    Step(*block, "Never", {block->GetStartStep()})->GetConditions().Add(new CConditionKav("c", "1 = 2"));
    ASSERT_EQ(Generate(Settings(kGoalSteps, 100, 3, 4, 0)), 1) << GetGlobalMessageBuffer();
    EXPECT_EQ(Walks(), (std::vector<Names>{{"A", "A", "A", "A"}, {"A"}, {"A", "A", "A", "A"}}));
    EXPECT_TRUE(Logged("Covered Steps: 1 of 2"));

    app.GetTestCases().DeleteAll();
    ASSERT_EQ(Generate(Settings(kGoalSteps, 100, 3, 4, 100)), 1);
    EXPECT_EQ(Walks(), (std::vector<Names>{{"A", "A", "A", "A"}, {"A", "A", "A", "A"}, {"A", "A", "A", "A"}}));
}

TEST_F(RandomTestingTest, TheCoverageGoalEndsTheRun) {
    CTaskKav* block = Block("B", {"A", "B"});
    Step(*block, "C", {StepOf(block, "A")});
    ASSERT_EQ(Generate(Settings(kGoalSteps, 100, 50, 10)), 1) << GetGlobalMessageBuffer();
    EXPECT_TRUE(Logged("Covered Steps: 3 of 3"));
    EXPECT_LT(app.GetTestCases().size(), 50u);
    EXPECT_EQ(progress.Counts().total, 3);
}

TEST_F(RandomTestingTest, TheSameSeedAndClockGiveTheSameTestCases) {
    CTaskKav* block = Block("B1", {"A"});
    Step(*block, "B", {StepOf(block, "A")});
    Step(*block, "C", {StepOf(block, "A")});
    Step(*block, "D", {StepOf(block, "B"), StepOf(block, "C")});
    Block("B2", {"X"});
    auto run = [&](std::uint32_t seed) {
        SeedRandomSource({seed, seed});
        app.GetTestCases().DeleteAll();
        EXPECT_EQ(Generate(Settings(kGoalTestCases, 100, 6, 7)), 1);
        return Walks();
    };
    const std::vector<Names> first = run(7);
    EXPECT_EQ(first.size(), 6u);
    EXPECT_EQ(run(7), first);
    EXPECT_NE(run(8), first);
}

TEST_F(RandomTestingTest, APastTimeOutEndsTheRunNormally) {
    Block("B", {"A"});
    auto clock = std::make_unique<FixedClock>();
    clock->tickStep = 600;
    InstallClock(std::move(clock));
    RandomTestSettings settings = Settings(kGoalTestCases, 100, 100, 2);
    settings.timeout = 1;
    ASSERT_EQ(Generate(settings), 1) << GetGlobalMessageBuffer();
    EXPECT_TRUE(Logged("Random Path Generation timed out"));
    EXPECT_LT(count, 100);
}

TEST_F(RandomTestingTest, AStopKeepsTheTestCasesAndIsReported) {
    Block("B", {"A"});
    progress.RequestStop();
    EXPECT_EQ(Generate(Settings(kGoalTestCases, 100, 5, 2)), 2);
    EXPECT_TRUE(Logged("Manually aborted Random Test Case Generation."));
}

TEST_F(RandomTestingTest, AVerifyingActionAddsItsVerifyStep) {
    CTaskKav* block = Block("B", {"Fill"});
    StepOf(block, "Fill")->GetActions().Add(Action(2, {"#Name#", "\"x\""}));
    ASSERT_EQ(Generate(Settings(kGoalTestCases, 100, 1, 1)), 1) << GetGlobalMessageBuffer();
    ASSERT_EQ(app.GetTestCases().size(), 1u);
    const CTestCase& testCase = *app.GetTestCases()[0];
    ASSERT_EQ(testCase.GetSteps().size(), 2u);
    EXPECT_EQ(testCase.GetSteps()[0]->GetName(), "Task: B / Step: Fill");
    EXPECT_EQ(testCase.GetSteps()[1]->GetName(), "Verify Step based on Action");
    EXPECT_EQ(testCase.GetSteps()[1]->GetEvent(), "Verify(Value, \"x\")");
}

// Fault: the weight 1000 minus a priority above the editors' range went negative and wrapped
// the sum, so that such a step was chosen almost always.
TEST_F(RandomTestingTest, PrioritiesOutsideTheEditorsRangeWeighAsItsEnds) {
    Block("B1", {"Heavy"});
    Block("B2", {"Light"});
    StepOf(app.GetTasks()[1], "Heavy")->SetPriority(5000);
    StepOf(app.GetTasks()[2], "Light")->SetPriority(999);
    ASSERT_EQ(Generate(Settings(kGoalTestCases, 100, 100, 1)), 1);
    const std::vector<Names> walks = Walks();
    const auto heavy = std::count(walks.begin(), walks.end(), Names{"Heavy"});
    EXPECT_GT(heavy, 30);
    EXPECT_LT(heavy, 70);
}

// Fault: a building block without a start step was entered through a null start node.
TEST_F(RandomTestingTest, ABlockWithoutStartStepIsLeftOutWithAMessage) {
    Block("Good", {"A"});
    CTaskKav* broken = Block("Broken", {"X"});
    broken->SetStartStep(nullptr);
    ASSERT_EQ(Generate(Settings(kGoalTestCases, 100, 2, 3)), 1) << GetGlobalMessageBuffer();
    EXPECT_TRUE(Logged("Cannot generate test case for task 'Broken': Task is empty! [W0031]"));
    EXPECT_TRUE(Logged("Covered Building Blocks 1 of 1"));
}

TEST_F(RandomTestingTest, AChosenTaskLimitsTheBlocks) {
    CTaskKav* folder = project.AddTask("Sub", root, kTaskFolder);
    CTaskKav* inside = project.AddTask("In", folder, kTaskBuildingBlock);
    Step(*inside, "I", {Blank(*inside, "Start")});
    Block("Out", {"O"});
    ASSERT_EQ(Generate(Settings(kGoalTestCases, 100, 3, 2), folder), 1) << GetGlobalMessageBuffer();
    EXPECT_TRUE(Logged("Generating random test cases for Sub"));
    for (const Names& walk : Walks()) EXPECT_EQ(walk, (Names{"I", "I"}));
    EXPECT_EQ(app.GetTestCases()[0]->GetTask(), folder);
}

TEST_F(RandomTestingTest, TheGeneratorTableServesRandomTests) {
    Block("B", {"A"});
    GenerationRequest request;
    request.project = &app;
    request.methodCode = 64;
    request.random = Settings(kGoalTestCases, 100, 2, 3);
    ASSERT_EQ(DefaultGeneratorTable().Create(GeneratorFamily::Random)->Generate(request, progress, count), 1);
    EXPECT_EQ(count, 2);
}

// X can only follow A, which sets what X needs; with one idle iteration random extension
// stops early for some seeds, and each search strategy still covers X.
TEST_F(RandomTestingTest, SearchStrategiesCoverWhatRandomExtensionMissed) {
    project.AddAttribute("Ready");
    CTaskKav* arm = Block("Arm", {"A"});
    StepOf(arm, "A")->GetActions().Add(Action(1, {"#:Ready#", "1"}));
    CTaskKav* fire = Block("Fire", {"X"});
    StepOf(fire, "X")->GetConditions().Add(new CConditionKav("c", "#:Ready# = 1"));
    GetGenerationSettings().detailedLog = true;
    auto covers = [&](int method, std::uint32_t seed) {
        SeedRandomSource({seed, seed});
        app.GetTestCases().DeleteAll();
        progress.Log().Clear();
        EXPECT_EQ(Generate(Settings(kGoalSteps, 100, 2, 10, 1, method)), 1) << GetGlobalMessageBuffer();
        return Logged("Covered Steps: 2 of 2");
    };
    bool missed = false;
    for (std::uint32_t seed = 1; seed <= 20 && !missed; ++seed) missed = !covers(0, seed);
    EXPECT_TRUE(missed);
    for (int method : {kStrategyRandomSearch, kStrategyAdjacentBlocks, kStrategyConstructive}) {
        for (std::uint32_t seed = 1; seed <= 20; ++seed) EXPECT_TRUE(covers(method, seed)) << method << " " << seed;
    }
}

// The constructive search runs the steps that enable an uncovered step first: Y needs Ready,
// which A sets and R, A's only successor, resets; so no random walk reaches Y.
TEST_F(RandomTestingTest, TheConstructiveSearchRunsTheEnablingStepsFirst) {
    project.AddAttribute("Ready");
    Block("Idle", {"N"});
    CTaskKav* arm = Block("Arm", {"A", "R"});
    StepOf(arm, "A")->GetActions().Add(Action(1, {"#:Ready#", "1"}));
    StepOf(arm, "R")->GetActions().Add(Action(1, {"#:Ready#", "0"}));
    CTaskKav* fire = Block("Fire", {"Y"});
    StepOf(fire, "Y")->GetConditions().Add(new CConditionKav("c", "#:Ready# = 1"));
    GetGenerationSettings().detailedLog = true;
    for (int method : {0, int{kStrategyConstructive}}) {
        for (std::uint32_t seed = 1; seed <= 5; ++seed) {
            SeedRandomSource({seed, seed});
            progress.Log().Clear();
            ASSERT_EQ(Generate(Settings(kGoalSteps, 100, 3, 10, 2, method)), 1) << GetGlobalMessageBuffer();
            EXPECT_EQ(Logged("Covered Steps: 4 of 4"), method != 0) << seed;
        }
    }
    EXPECT_TRUE(Logged("Constructive Path Search Method has uncovered an element."));
}
