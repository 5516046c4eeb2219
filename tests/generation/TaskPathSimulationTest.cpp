#include <gtest/gtest.h>

#include "generation/GuiSimulation.h"
#include "model/DataSet.h"
#include "platform/MessageBuffer.h"
#include "tests/generation/TaskFlows.h"

namespace {

// T: Start -> CallBlock -> End, where the block B is B1 -> B2 and takes a parameter User.
class TaskPathSimulationTest : public TaskFlowTest {
protected:
    TaskPathSimulationTest() {
        block->GetParameters().Add(new CAttributeKav("User", 4, ""));
        b1->SetDescription("Hello #@B:User#");
        call->GetAttributes().Add(new CAttributeKav("User", 4, "bob"));
    }

    // The graph's path through the task, the block entered once.
    TaskPath Path() {
        EXPECT_EQ(graph.ConvertTask(task), 1) << GetGlobalMessageBuffer();
        return PathOf({"Start", "B1", "B2", "End"});
    }

    int Simulate(TaskPath& path, bool verify = false) {
        return SimulateTaskPath(path, combination, nullptr, verify, failing, otherWayIn);
    }

    CTaskKav* block = project.AddTask("B", nullptr, kTaskBuildingBlock);
    CTaskStep* b1 = Step(*block, "B1");
    CTaskStep* b2 = Step(*block, "B2", {b1});
    CTaskKav* task = project.AddTask("T");
    CTaskStep* start = Blank(*task, "Start");
    CTaskStep* call = Call(*task, "CallBlock", block, {start});
    CTaskStep* end = Step(*task, "End", {call});
    CTaskNode* failing = nullptr;
    bool otherWayIn = false;
};

}  // namespace

TEST_F(TaskPathSimulationTest, BlockParametersAreEvaluatedAndRecordedForTheStepsInside) {
    TaskPath path = Path();
    ASSERT_EQ(Simulate(path), 1) << GetGlobalMessageBuffer();
    EXPECT_EQ(Read("@B:User"), "bob");
    EXPECT_EQ(path[1]->description, "Hello bob");
    ASSERT_EQ(path[1]->stepBlockInfos.size(), 1u);
    const CTestStepBBInfo& record = *path[1]->stepBlockInfos[0];
    EXPECT_EQ(record.GetHierarchy(), "@B");
    EXPECT_EQ(record.GetAttributes()[0]->GetValue(), "bob");
    EXPECT_EQ(path[1]->blockCalls[0].record->GetAttributes()[0]->GetValue(), "bob");  // as modelled
    EXPECT_TRUE(path[2]->stepBlockInfos.empty());
    EXPECT_FALSE(otherWayIn);
}

TEST_F(TaskPathSimulationTest, ALoopingBlockIsRepeatedByTemporaryCopies) {
    call->SetLoopMode(8);
    call->SetLoopCount("1 + 2");
    TaskPath path = Path();
    ASSERT_EQ(Simulate(path), 1) << GetGlobalMessageBuffer();
    EXPECT_EQ(StepNames(path), (std::vector<std::string>{"Start", "B1", "B2", "B1", "B2", "B1", "B2", "End"}));
    for (size_t i = 3; i < 7; ++i) {
        EXPECT_EQ(path[i]->contextNumber, kBlockCopyContext);
        EXPECT_EQ(path[i]->level, 2);
        EXPECT_EQ(path[i]->GraphNode(), path[i - 2]->GraphNode());
    }
    EXPECT_EQ(path[3]->description, "Hello bob");  // each pass is simulated
    EXPECT_EQ(path[3]->stepBlockInfos.size(), 1u);

    RemoveTemporaryNodes(path);
    EXPECT_EQ(StepNames(path), (std::vector<std::string>{"Start", "B1", "B2", "End"}));
}

TEST_F(TaskPathSimulationTest, LoopCountsOfBlocksLieBetween0And1000) {
    call->SetLoopMode(8);
    for (auto [count, nodes] : {std::pair{"1000", size_t{2002}}, {"1001", size_t{0}}, {"-1", size_t{0}},
                                {"\"x\"", size_t{0}}}) {
        SCOPED_TRACE(count);
        call->SetLoopCount(count);
        TaskPath path = Path();
        combination.AddVariable(new CVariable("Kept", 4, "?", ""));
        const int result = Simulate(path);
        if (nodes) {
            EXPECT_EQ(result, 1);
            EXPECT_EQ(path.size(), nodes);
        } else {
            EXPECT_EQ(result, -1);
            EXPECT_EQ(GetGlobalMessageBuffer(),
                      "Error in loop for task 'T':\nLoop expression does not evaluate to a number between 0 and 1000! "
                      "[W0840]");
            EXPECT_TRUE(combination.GetVariables().empty());
        }
        RemoveTemporaryNodes(path);
        combination.RemoveAll();
    }
}

TEST_F(TaskPathSimulationTest, ABlockLoopingZeroTimesLeavesThePathOnlyInTheFinalCheck) {
    call->SetLoopMode(8);
    call->SetLoopCount("0");
    TaskPath searched = Path();
    ASSERT_EQ(Simulate(searched, false), 1);
    EXPECT_EQ(searched.size(), 4u);  // B1 is passed over, B2 still simulated
    EXPECT_EQ(searched[1]->description, "");
    EXPECT_EQ(searched[2]->description, "Do B2");

    TaskPath final = Path();
    ASSERT_EQ(Simulate(final, true), 1);
    EXPECT_EQ(StepNames(final), (std::vector<std::string>{"Start", "End"}));
}

TEST_F(TaskPathSimulationTest, NestedLoopsBeginningAtOneStepRepeatEachBlockTheirCountOfTimes) {
    // T calls Outer twice; Outer's first step calls Inner three times.
    CTaskKav* inner = project.AddTask("Inner", nullptr, kTaskBuildingBlock);
    Step(*inner, "I1");
    CTaskKav* outer = project.AddTask("Outer", nullptr, kTaskBuildingBlock);
    CTaskStep* callInner = Call(*outer, "CallInner", inner);
    Step(*outer, "O2", {callInner});
    callInner->SetLoopMode(8);
    callInner->SetLoopCount("3");
    call->SetSubTask(outer);
    call->GetAttributes().DeleteAll();
    call->SetLoopMode(8);
    call->SetLoopCount("2");
    ASSERT_EQ(graph.ConvertTask(task), 1) << GetGlobalMessageBuffer();
    TaskPath path = PathOf({"Start", "I1", "O2", "End"});
    ASSERT_EQ(path[1]->blockCalls.size(), 2u);
    ASSERT_EQ(Simulate(path), 1) << GetGlobalMessageBuffer();
    EXPECT_EQ(StepNames(path),
              (std::vector<std::string>{"Start", "I1", "I1", "I1", "O2", "I1", "I1", "I1", "O2", "End"}));
    RemoveTemporaryNodes(path);
}

TEST_F(TaskPathSimulationTest, VerifyStepsOfActionsBecomeTemporaryNodes) {
    app.SetOutputFormat(7);
    Open(dialog);
    b1->GetActions().Add(Action(2, {"#Name#", "\"x\""}));
    TaskPath path = Path();
    ASSERT_EQ(Simulate(path, false), 1);
    EXPECT_EQ(path.size(), 4u);

    ASSERT_EQ(Simulate(path, true), 1) << GetGlobalMessageBuffer();
    ASSERT_EQ(path.size(), 5u);
    const CTaskNode* verify = path[2];
    EXPECT_EQ(verify->contextNumber, kVerifyStepContext);
    EXPECT_EQ(verify->step->GetName(), "Verify_Value");
    EXPECT_EQ(verify->event, "Verify(Value, \"x\")");
    EXPECT_EQ(verify->level, 2);
    EXPECT_EQ(path[3]->step, b2);
    RemoveTemporaryNodes(path);  // the sanitizer build sees the step go with its node
    EXPECT_EQ(path.size(), 4u);
}

TEST_F(TaskPathSimulationTest, AStepWithAWindowTakesItsEventWithValues) {
    Open(dialog);
    Set(edit, "", "Smith");
    b2->SetStartWindow(edit);
    b2->SetEvent("Input(#Name# & \"!\")");
    TaskPath path = Path();
    ASSERT_EQ(Simulate(path), 1);
    EXPECT_EQ(path[2]->event, "input(\"Smith!\")");
    EXPECT_EQ(Read("Name"), "Smith!");
}

TEST_F(TaskPathSimulationTest, ConditionsDecideAndErrorsNameTheStep) {
    b2->GetConditions().Add(new CConditionKav("c", "#@B:User# = \"alice\""));
    TaskPath path = Path();
    EXPECT_EQ(Simulate(path), 0);
    EXPECT_EQ(failing, path[2]);
    EXPECT_TRUE(combination.GetVariables().empty());

    b2->GetConditions()[0]->SetText("#Nowhere# = 1");
    EXPECT_EQ(Simulate(path), -1);
    EXPECT_EQ(GetGlobalMessageBuffer().rfind("Error in task 'B'/step 'B2':\n", 0), 0u) << GetGlobalMessageBuffer();
    EXPECT_TRUE(GetGlobalMessageBuffer().ends_with(" [W1143]"));
}

TEST_F(TaskPathSimulationTest, ARepeatedBlockFailsAtItsGraphNode) {
    call->SetLoopMode(8);
    call->SetLoopCount("2");
    b2->GetConditions().Add(new CConditionKav("c", "#Name# = \"a\""));
    b1->GetActions().Add(Action(2, {"#Name#", "#Name# & \"a\""}));
    TaskPath path = Path();
    EXPECT_EQ(Simulate(path), 0);  // the second pass finds the name filled
    EXPECT_EQ(failing, NodesOf("B2")[0]);
    RemoveTemporaryNodes(path);
}

TEST_F(TaskPathSimulationTest, ANodeWithAnotherWayInIsNoted) {
    CTaskStep* side = Step(*task, "Side", {start});
    task->ConnectSteps(side, end);
    TaskPath path = Path();
    ASSERT_EQ(Simulate(path), 1);
    EXPECT_TRUE(otherWayIn);  // End can be reached from Side as well

    NodesOf("Side")[0]->blocked = true;
    ASSERT_EQ(Simulate(path), 1);
    EXPECT_FALSE(otherWayIn);
}

TEST_F(TaskPathSimulationTest, RecordActionsOfTheGraphRunOnTheirNode) {
    CDataSet* data = project.AddDataSet("Customers");
    data->GetRecords().Add(new CDataRecord("V1", 1, 1));
    data->GetRecords().Add(new CDataRecord("V2", 1, 1));
    call->SetLoopMode(2);
    call->SetLoopDataSet(data);
    ASSERT_EQ(graph.ConvertTask(task), 1);
    std::vector<CTaskNode*> firsts = NodesOf("B1");
    ASSERT_EQ(firsts.size(), 2u);
    TaskPath path = PathOf({"Start"});
    for (CTaskNode* node : firsts) {
        path.push_back(node);
        path.push_back(node->successors[0]);
    }
    ASSERT_EQ(Simulate(path), 1) << GetGlobalMessageBuffer();
    EXPECT_EQ(data->GetCurrentRecord()->GetName(), "V2");

    EXPECT_EQ(SimulateTaskPath(path, combination, data, false, failing, otherWayIn), -1);
    EXPECT_TRUE(GetGlobalMessageBuffer().starts_with("Error in task 'B'/step 'B1':\nPlease do not use actions"));
    EXPECT_TRUE(GetGlobalMessageBuffer().ends_with(" [W1134]"));
}
