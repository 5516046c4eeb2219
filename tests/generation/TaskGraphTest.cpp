#include <gtest/gtest.h>

#include <algorithm>

#include "generation/TCGTask.h"
#include "model/DataSet.h"
#include "platform/MessageBuffer.h"
#include "tests/generation/TaskFlows.h"

namespace {

class TaskGraphTest : public TaskFlowTest {
protected:
    // The nodes' step names in graph order.
    std::vector<std::string> NodeNames() const { return StepNames(graph.GetNodes().Snapshot()); }
};

}  // namespace

TEST_F(TaskGraphTest, ALoopOverRecordsGivesOneChainedNodePerRecord) {
    CDataSet* data = project.AddDataSet("Customers");
    for (auto [name, valid] : {std::pair{"V1", 1}, {"I1", 0}, {"V2", 1}, {"I2", 0}, {"I3", 0}})
        data->GetRecords().Add(new CDataRecord(name, valid, 1));
    CTaskKav* task = project.AddTask("T");
    CTaskStep* start = Blank(*task, "Start");
    CTaskStep* loop = Step(*task, "Enter", {start});
    loop->SetLoopMode(2 | 4);
    loop->SetLoopDataSet(data);
    Step(*task, "Save", {loop});
    Step(*task, "Print", {loop});

    ASSERT_EQ(graph.ConvertTask(task), 1);
    std::vector<CTaskNode*> copies = NodesOf("Enter");
    ASSERT_EQ(copies.size(), 5u);
    for (size_t i = 0; i < copies.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(copies[i]->firstCopy, i == 0);
        EXPECT_EQ(copies[i]->lastCopy, i == 4);
        EXPECT_EQ(StepNames(copies[i]->predecessors),
                  std::vector<std::string>{i == 0 ? "Start" : "Enter"});
        const std::vector<std::string> next =
            i == 4 ? std::vector<std::string>{"Save", "Print"} : std::vector<std::string>{"Enter"};
        EXPECT_EQ(StepNames(copies[i]->successors), next);
    }
    EXPECT_EQ(copies[1]->predecessors[0], copies[0]);

    loop->SetLoopMode(4);  // invalid records only
    ASSERT_EQ(graph.ConvertTask(task), 1);
    EXPECT_EQ(NodesOf("Enter").size(), 3u);
}

TEST_F(TaskGraphTest, LoopCountsAreBoundedAndAnEmptyCountRunsOnce) {
    CTaskKav* task = project.AddTask("T");
    CTaskStep* start = Blank(*task, "Start");
    CTaskStep* loop = Step(*task, "Repeat", {start});
    loop->SetLoopMode(1);
    struct Case {
        const char* count;
        size_t nodes;  // 0: refused
    } cases[] = {{"0", 1}, {"no number", 1}, {"3", 3}, {"1000", 1000}, {"1001", 0}, {"-1", 0}, {"99999999999", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        loop->SetLoopCount(c.count);
        ClearGlobalMessage();
        if (c.nodes == 0) {
            EXPECT_EQ(graph.ConvertTask(task), -1);
            EXPECT_EQ(GetGlobalMessageBuffer(),
                      "Error in loop for task 'T':\nLoop expression does not evaluate to a number between 0 and 1000! "
                      "[W0840]");
            graph.Clear();
            EXPECT_TRUE(graph.GetNodes().empty());
        } else {
            ASSERT_EQ(graph.ConvertTask(task), 1);
            EXPECT_EQ(NodesOf("Repeat").size(), c.nodes);
        }
    }
}

TEST_F(TaskGraphTest, SubTasksAreSplicedInWithTheirOwnContexts) {
    CTaskKav* block = project.AddTask("Block", nullptr, kTaskBuildingBlock);
    Step(*block, "B1");
    CTaskKav* sub = project.AddTask("Sub");
    Step(*sub, "S1");
    CTaskKav* task = project.AddTask("T");
    CTaskStep* start = Blank(*task, "Start");
    CTaskStep* first = Call(*task, "CallSub1", sub, {start});
    CTaskStep* block1 = Call(*task, "CallBlock", block, {first});
    CTaskStep* second = Call(*task, "CallSub2", sub, {block1});
    Step(*task, "End", {second});

    ASSERT_EQ(graph.ConvertTask(task), 1);
    EXPECT_EQ(NodeNames(), (std::vector<std::string>{"Start", "End", "S1", "B1", "S1"}));
    const std::vector<CTaskNode*> subNodes = NodesOf("S1");
    ASSERT_EQ(subNodes.size(), 2u);
    EXPECT_EQ(subNodes[0]->contextTask, sub);
    EXPECT_EQ(subNodes[0]->contextNumber, 1);
    EXPECT_EQ(subNodes[1]->contextNumber, 2);
    const CTaskNode* b1 = NodesOf("B1")[0];
    EXPECT_EQ(b1->contextTask, task);
    EXPECT_EQ(b1->contextNumber, 0);
    EXPECT_EQ(b1->level, 2);
    EXPECT_EQ(NodesOf("End")[0]->level, 1);
    // Start -> S1 -> B1 -> S1 -> End
    EXPECT_EQ(StepNames(graph.GetStartNode()->successors), std::vector<std::string>{"S1"});
    EXPECT_EQ(subNodes[0]->successors, std::vector<CTaskNode*>{const_cast<CTaskNode*>(b1)});
    EXPECT_EQ(b1->successors, std::vector<CTaskNode*>{subNodes[1]});
    EXPECT_EQ(StepNames(subNodes[1]->successors), std::vector<std::string>{"End"});
}

TEST_F(TaskGraphTest, ABuildingBlockRecordsItsCallOnItsFirstStep) {
    CTaskKav* block = project.AddTask("Login", nullptr, kTaskBuildingBlock);
    block->SetTestGoal("goal");
    block->GetParameters().Add(new CAttributeKav("User", 4, ""));
    CTaskStep* blockStart = Blank(*block, "Begin");
    Step(*block, "Type", {blockStart});
    CTaskKav* task = project.AddTask("T");
    CTaskStep* start = Blank(*task, "Start");
    CTaskStep* call = Call(*task, "DoLogin", block, {start});
    call->GetAttributes().Add(new CAttributeKav("User", 4, "bob"));
    call->SetLoopMode(8);
    call->SetLoopCount("#@T:n#");

    ASSERT_EQ(graph.ConvertTask(task), 1);
    // The blank first step of the block is bridged; its record moves on to the next step.
    EXPECT_EQ(NodeNames(), (std::vector<std::string>{"Start", "Type"}));
    const CTaskNode* type = NodesOf("Type")[0];
    ASSERT_EQ(type->blockCalls.size(), 1u);
    const CTestStepBBInfo& record = *type->blockCalls[0].record;
    EXPECT_EQ(type->blockCalls[0].callingTask, task);
    EXPECT_EQ(record.GetName(), "");
    EXPECT_EQ(record.GetDepth(), 1);
    EXPECT_EQ(record.GetTestGoal(), "goal");
    EXPECT_EQ(record.GetHierarchy(), "@Login");
    EXPECT_EQ(record.GetNote(), "#@T:n#");
    ASSERT_EQ(record.GetAttributes().size(), 1u);
    EXPECT_EQ(record.GetAttributes()[0]->GetName(), "@Login:User");
    EXPECT_EQ(record.GetAttributes()[0]->GetValue(), "bob");
}

TEST_F(TaskGraphTest, ASubTaskLoopingOverRecordsStartsAndAdvancesTheRecordPointer) {
    CDataSet* data = project.AddDataSet("Customers");
    data->GetRecords().Add(new CDataRecord("V1", 1, 1));
    data->GetRecords().Add(new CDataRecord("V2", 1, 1));
    CTaskKav* block = project.AddTask("Enter", nullptr, kTaskBuildingBlock);
    Step(*block, "Type");
    CTaskKav* task = project.AddTask("T");
    CTaskStep* start = Blank(*task, "Start");
    CTaskStep* call = Call(*task, "EachCustomer", block, {start});
    call->SetLoopMode(2);
    call->SetLoopDataSet(data);

    ASSERT_EQ(graph.ConvertTask(task), 1);
    std::vector<CTaskNode*> types = NodesOf("Type");
    ASSERT_EQ(types.size(), 2u);
    std::vector<std::string> actions;
    for (const CTaskNode* node : types)
        for (const CActionKav* action : node->actions)
            actions.push_back(action->GetName() + "(" + action->GetArguments()[0]->GetValue() + ", " +
                              action->GetArguments()[1]->GetValue() + ")");
    EXPECT_EQ(actions, (std::vector<std::string>{"ResetDataRecord(#~Customers#, v)",
                                                 "NextDataRecord(#~Customers#, v)"}));
    EXPECT_EQ(types[0]->successors, std::vector<CTaskNode*>{types[1]});
}

TEST_F(TaskGraphTest, RefusesAFolderAsSubTaskAndATaskThatCallsItself) {
    CTaskKav* folder = project.AddTask("F", nullptr, kTaskFolder);
    CTaskKav* task = project.AddTask("T");
    CTaskStep* start = Blank(*task, "Start");
    CTaskStep* call = Call(*task, "UseFolder", folder, {start});
    EXPECT_EQ(graph.ConvertTask(task), -1);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Folder F is illegaly used as a sub task in task T! [W0936]");

    CTaskKav* other = project.AddTask("U", nullptr, kTaskBuildingBlock);
    Call(*other, "Back", task, {});
    call->SetSubTask(other);
    EXPECT_EQ(graph.ConvertTask(task), -1);  // would expand without end
    EXPECT_EQ(GetGlobalMessageBuffer(), "Illegal relationship: Task 'T' is sub task of 'U' and vice versa! [W0579]");
}

TEST_F(TaskGraphTest, BlankStepsAreBridgedButNotTheStartNorOneWithActions) {
    CTaskKav* task = project.AddTask("T");
    CTaskStep* start = Blank(*task, "Start");
    CTaskStep* a = Step(*task, "A", {start});
    CTaskStep* b = Step(*task, "B", {start});
    CTaskStep* gap = Blank(*task, "Gap", {a, b});
    CTaskStep* c = Step(*task, "C", {gap});
    Step(*task, "D", {gap});
    Blank(*task, "Empty", {c});  // a blank end simply goes

    ASSERT_EQ(graph.ConvertTask(task), 1);
    EXPECT_EQ(NodeNames(), (std::vector<std::string>{"Start", "A", "B", "C", "D"}));
    for (const char* name : {"A", "B"}) EXPECT_EQ(StepNames(NodesOf(name)[0]->successors),
                                                  (std::vector<std::string>{"C", "D"}));
    EXPECT_EQ(StepNames(NodesOf("D")[0]->predecessors), (std::vector<std::string>{"A", "B"}));
    EXPECT_TRUE(NodesOf("C")[0]->successors.empty());
}

TEST_F(TaskGraphTest, BuildingBlockNumbersCountInstancesPerLevel) {
    BuildingBlockNumbers& numbers = graph.GetBlockNumbers();
    std::vector<std::string> texts;
    for (int level : {2, 2, 1, 2, 3, 3, 1}) texts.push_back(numbers.GetBuildingBlockNumber(level));
    EXPECT_EQ(texts, (std::vector<std::string>{"1_1", "1_2", "2", "2_1", "2_1_1", "2_1_2", "3"}));
    numbers.Reset();
    EXPECT_EQ(numbers.GetBuildingBlockNumber(1), "1");
    // Levels outside the hundred that are numbered are kept to the range.
    EXPECT_EQ(numbers.GetBuildingBlockNumber(0), "2");
    const std::string deepest = numbers.GetBuildingBlockNumber(1000);
    EXPECT_EQ(std::count(deepest.begin(), deepest.end(), '_'), 99);  // a hundred numbers
}

TEST_F(TaskGraphTest, BlockingSpreadsAlongEdgesOnceAllWaysInAreBlocked) {
    CTaskKav* task = project.AddTask("T");
    CTaskStep* start = Blank(*task, "Start");
    CTaskStep* a = Step(*task, "A", {start});
    CTaskStep* b = Step(*task, "B", {start});
    CTaskStep* join = Step(*task, "Join", {a, b});
    CTaskStep* only = Step(*task, "Only", {join});
    Step(*task, "End", {only});
    ASSERT_EQ(graph.ConvertTask(task), 1);
    graph.BuildConnections();
    CTaskNode* nodeA = NodesOf("A")[0];
    CTaskNode* nodeB = NodesOf("B")[0];
    CTaskNode* nodeJoin = NodesOf("Join")[0];
    CTaskNode* nodeOnly = NodesOf("Only")[0];
    CTaskNode* nodeEnd = NodesOf("End")[0];

    graph.BlockConnection(nodeA, nodeJoin);
    EXPECT_FALSE(nodeJoin->blocked);  // B still leads in

    graph.BlockConnection(nodeJoin, nodeOnly);  // the only way into Only
    EXPECT_TRUE(nodeOnly->blocked);
    EXPECT_TRUE(graph.FindConnection(nodeOnly, nodeEnd)->blocked);
    EXPECT_TRUE(nodeEnd->blocked);
    EXPECT_FALSE(nodeJoin->blocked);

    graph.BlockNode(nodeB);
    EXPECT_TRUE(nodeJoin->blocked);  // now both ways in are blocked
    EXPECT_FALSE(nodeA->blocked);

    graph.ResetBlocked();
    for (const CTaskNode* node : graph.GetNodes()) EXPECT_FALSE(node->blocked);
    for (const CTaskNodeConnect* edge : graph.GetConnections()) EXPECT_FALSE(edge->blocked);
}

TEST_F(TaskGraphTest, UncoveredTargetsSkipTheStartCoveredBlockedAndOtherContexts) {
    CTaskKav* sub = project.AddTask("Sub");
    Step(*sub, "S");
    CTaskKav* task = project.AddTask("T");
    CTaskStep* start = Blank(*task, "Start");
    CTaskStep* a = Step(*task, "A", {start});
    CTaskStep* b = Step(*task, "B", {a});
    Call(*task, "CallSub", sub, {b});
    ASSERT_EQ(graph.ConvertTask(task), 1);
    graph.BuildConnections();
    CTaskNode* nodeA = NodesOf("A")[0];
    CTaskNode* nodeB = NodesOf("B")[0];

    EXPECT_EQ(graph.FindUncoveredNode(0), nodeA);
    EXPECT_EQ(graph.FindUncoveredNode(1), NodesOf("S")[0]);
    EXPECT_EQ(graph.FindUncoveredConnection(0)->to, nodeA);

    graph.SetCovered(graph.GetStartNode(), nodeA);
    EXPECT_TRUE(graph.IsConnectionCovered(graph.GetStartNode(), nodeA));
    EXPECT_FALSE(graph.IsConnectionCovered(nodeA, graph.GetStartNode()));  // no such edge
    EXPECT_EQ(graph.FindUncoveredNode(0), nodeB);
    EXPECT_EQ(graph.FindUncoveredConnection(0)->from, nodeA);

    nodeB->blocked = true;
    graph.FindConnection(nodeA, nodeB)->blocked = true;
    EXPECT_EQ(graph.FindUncoveredNode(0), nullptr);
    // B -> S leaves the task's own context instance.
    EXPECT_EQ(graph.FindUncoveredConnection(0)->to, NodesOf("S")[0]);
}

TEST_F(TaskGraphTest, TheOldTaskModeConvertsTheRootTaskOnce) {
    CTaskKav* root = project.AddTask("Root");
    CTaskStep* start = Blank(*root, "Start");
    Step(*root, "A", {start});
    app.SetRootTask(root);
    app.SetOldTaskMode(1);
    CTCGTask projectGraph(app);
    EXPECT_EQ(projectGraph.GetRootTask(), root);
    EXPECT_EQ(projectGraph.GetNodes().size(), 2u);
    EXPECT_EQ(projectGraph.GetConnections().size(), 1u);

    CTaskKav* folder = project.AddTask("F", nullptr, kTaskFolder);
    Call(*root, "Bad", folder, {start});
    CTCGTask failed(app);
    EXPECT_TRUE(failed.GetNodes().empty());
    ASSERT_EQ(TestInteraction().Texts().size(), 1u);
    EXPECT_EQ(TestInteraction().Texts()[0], "Folder F is illegaly used as a sub task in task Root! [W0936]");
}
