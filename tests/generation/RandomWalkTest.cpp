// Random walks: their copies, the simulation of their steps against the walk's state, and the
// coverage that walks count over the building blocks' graphs.
#include <gtest/gtest.h>

#include "generation/RandomCoverage.h"
#include "generation/RandomWalk.h"
#include "generation/SimulationSupport.h"
#include "platform/MessageBuffer.h"
#include "platform/Progress.h"
#include "tests/generation/TaskFlows.h"

namespace {

// Block B: Start -> Open (opens the dialog) -> Type (in the name field) -> Close.
class RandomWalkTest : public TaskFlowTest {
protected:
    RandomWalkTest() {
        open->GetActions().Add(Action(7, {"#Dlg#"}));
        open->SetStartWindow(mainButton);
        open->SetDestWindow(dialog);
        type->SetStartWindow(edit);
        type->SetEvent("Input(\"Ann\")");
        close->SetStartWindow(mainButton);
        EXPECT_EQ(graph.ConvertTask(block), 1);
        graph.BuildConnections();
        EXPECT_EQ(walk.Init(mainWindow, {}), 1);
    }

    CTaskNode* Node(const std::string& name) const { return NodesOf(name).at(0); }
    int Simulate(const std::string& name) { return SimulateStep(walk, Node(name)); }

    CTaskKav* block = project.AddTask("B", nullptr, kTaskBuildingBlock);
    CTaskStep* start = Blank(*block, "Start");
    CTaskStep* open = Step(*block, "Open", {start});
    CTaskStep* type = Step(*block, "Type", {open});
    CTaskStep* close = Step(*block, "Close", {type});
    CTCRandomWalk walk;
};

}  // namespace

TEST_F(RandomWalkTest, AWalkKeepsCopiesOfItsNodesAsTheirSimulationLeftThem) {
    ASSERT_EQ(Simulate("Open"), 1) << GetGlobalMessageBuffer();
    walk.Append(Node("Open"));
    ASSERT_EQ(Simulate("Type"), 1) << GetGlobalMessageBuffer();
    walk.Append(Node("Type"));
    EXPECT_EQ(walk.NodeCount(), 2u);
    EXPECT_EQ(walk.LastNode(), Node("Type"));
    EXPECT_EQ(walk.NodeCopies()[1]->event, "input(\"Ann\")");
    std::string name;
    ASSERT_EQ(ReadDesignator("Name", walk.State(), name), 1);
    EXPECT_EQ(name, "Ann");

    CTCRandomWalk copy;
    copy.CopyFrom(walk);
    EXPECT_EQ(copy.Nodes(), walk.Nodes());
    EXPECT_NE(copy.NodeCopies()[0], walk.NodeCopies()[0]);
    EXPECT_EQ(copy.NodeCopies()[1]->event, "input(\"Ann\")");

    CTCRandomWalk last;
    last.CopyLastNodeFrom(walk);
    EXPECT_EQ(last.Nodes(), std::vector<CTaskNode*>{Node("Type")});
    EXPECT_EQ(last.State().GetVariables().size(), walk.State().GetVariables().size());

    // Appending another walk takes its nodes after its first, and its state.
    ASSERT_EQ(SimulateStep(last, Node("Type")), 1);
    last.Append(Node("Type"));
    std::vector<CTaskNode*> appended;
    walk.AppendFrom(last, appended);
    EXPECT_EQ(appended, std::vector<CTaskNode*>{Node("Type")});
    EXPECT_EQ(walk.NodeCount(), 3u);

    // A cleared walk is back in the start state.
    walk.Clear();
    EXPECT_TRUE(walk.IsEmpty());
    CTCRandomWalk empty;
    empty.CopyFrom(walk);
    EXPECT_TRUE(empty.IsEmpty());
    std::string exists;
    ASSERT_EQ(ReadDesignator("Main:$Exist", empty.State(), exists), 1);
    EXPECT_EQ(exists, "TRUE");
}

TEST_F(RandomWalkTest, AStepNeedsItsWindowNotHiddenAndStaysInsideASystemModalDialog) {
    // The dialog opened modally: steps outside it cannot be played.
    ASSERT_EQ(Simulate("Open"), 1);
    EXPECT_EQ(Simulate("Close"), 0);
    CTaskNode* failing = nullptr;
    CCombination state;
    ASSERT_EQ(SimulateSteps({Node("Open"), Node("Type")}, state, {}, failing), 1);
    EXPECT_EQ(failing, nullptr);

    // A state that hides the dialog hides the field in it.
    ASSERT_EQ(AssignDesignator("Dlg:$Visible", "FALSE", state), 1);
    EXPECT_EQ(SimulateSteps({Node("Type")}, state, {}, failing), 0);
    EXPECT_EQ(failing, Node("Type"));
    EXPECT_TRUE(state.GetVariables().empty());
}

TEST_F(RandomWalkTest, EachDataSetTakesTheRecordOfTheMap) {
    CDataSet* data = project.AddDataSet("D");
    data->GetRecords().Add(new CDataRecord("V1", true, 1));
    CDataRecord* second = data->GetRecords().Add(new CDataRecord("V2", true, 1));
    CTaskNode* failing = nullptr;
    CCombination state;
    ASSERT_EQ(SimulateSteps({Node("Open")}, state, {{data, second}}, failing), 1);
    EXPECT_EQ(data->GetCurrentRecord(), second);
    state.RemoveAll();
    ASSERT_EQ(SimulateSteps({Node("Open")}, state, {}, failing), 1);
    EXPECT_EQ(data->GetCurrentRecord(), nullptr);
}

namespace {

// Four building blocks of two steps each: Start -> S -> T.
class RandomCoverageTest : public TaskFlowTest {
protected:
    RandomCoverageTest() {
        for (int i = 0; i < 4; ++i) {
            CTaskKav* block = project.AddTask("B" + std::to_string(i), nullptr, kTaskBuildingBlock);
            Step(*block, "T", {Step(*block, "S", {Blank(*block, "Start")})});
            CTCGTask* graph = graphs.Add(new CTCGTask(app, true));
            EXPECT_EQ(graph->ConvertTask(block), 1);
            graph->BuildConnections();
        }
    }
    // The first step of block i.
    CTaskNode* First(int i) const { return graphs[i]->GetStartNode()->successors[0]; }
    CTaskNode* Second(int i) const { return First(i)->successors[0]; }

    OwningList<CTCGTask> graphs;
    Progress progress;
};

}  // namespace

TEST_F(RandomCoverageTest, HalfOfTheBlockPairsReachAGoalOfHalf) {
    CRandomCoverage coverage(kGoalBlockPairs, 0.5, progress);
    for (CTCGTask* graph : graphs) coverage.AddGraph(*graph);
    EXPECT_EQ(coverage.GetTotalPairs(), 16);
    EXPECT_EQ(coverage.ComputeTarget(99), 16);
    progress.SetTotal(coverage.ComputeTarget(99));
    bool increase = false;
    for (int from = 0; from < 4; ++from)
        for (int to : {from, (from + 1) % 4}) {
            EXPECT_FALSE(coverage.IsGoalReached());
            // Judged first: nothing changes.
            ASSERT_EQ(coverage.AccountCoverage(Second(from), First(to), increase, true), 1);
            EXPECT_TRUE(increase);
            ASSERT_EQ(coverage.AccountCoverage(Second(from), First(to), increase, false), 1);
            ASSERT_EQ(coverage.AccountCoverage(Second(from), First(to), increase, false), 1);
            EXPECT_FALSE(increase);  // the pair is known now
        }
    EXPECT_EQ(coverage.GetCoveredPairs(), 8);
    EXPECT_TRUE(coverage.IsGoalReached());
    EXPECT_EQ(progress.Counts().completed, 8);
}

TEST_F(RandomCoverageTest, StepsConnectionsAndBlocksCountTowardsTheirTotals) {
    CRandomCoverage coverage(kGoalBlocks | kGoalSteps | kGoalConnections, 1.0, progress);
    for (CTCGTask* graph : graphs) coverage.AddGraph(*graph);
    EXPECT_EQ(coverage.GetTotalSteps(), 8);
    EXPECT_EQ(coverage.GetTotalConnections(), 4);  // the start node's edges are not counted
    EXPECT_EQ(graphs[0]->GetTarget(), 3);
    EXPECT_EQ(coverage.ComputeTarget(99), 4 + 8 + 4);

    bool increase = false;
    coverage.AccountWalkCoverage(nullptr, {First(0), Second(0)}, increase, false);
    EXPECT_TRUE(increase);
    EXPECT_EQ(coverage.GetCoveredSteps(), 2);
    EXPECT_EQ(coverage.GetCoveredConnections(), 1);
    EXPECT_EQ(coverage.GetCoveredBlocks(), 1);
    EXPECT_EQ(graphs[0]->GetCoveredCount(), 3);
    EXPECT_TRUE(graphs[0]->IsCovered());
    EXPECT_FALSE(coverage.IsGoalReached());

    // A walk along the same nodes again adds nothing; only a number of test cases counts it.
    coverage.AccountWalkCoverage(nullptr, {First(0), Second(0)}, increase, false);
    EXPECT_FALSE(increase);
    CRandomCoverage count(kGoalTestCases, 1.0, progress);
    count.AccountCoverage(nullptr, First(0), increase, true);
    EXPECT_TRUE(increase);
    EXPECT_FALSE(count.IsGoalReached());
}
