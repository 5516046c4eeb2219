#include <gtest/gtest.h>

#include "platform/MessageBuffer.h"
#include "tests/support/FlowBuilder.h"
#include "tests/support/ProjectBuilder.h"

using Names = std::vector<std::string>;

class TaskGraph : public ProjectTest {
protected:
    CTaskKav* task = project.AddTask("Flow");
    CTaskStep* start = AddStep(*task, "Start");
};

TEST_F(TaskGraph, ConnectingRefusesCyclesAndNullsAndNeverDuplicates) {
    CTaskStep* a = AddStepAfter(*task, "A", {start});
    CTaskStep* b = AddStepAfter(*task, "B", {a});

    EXPECT_EQ(task->ConnectSteps(a, a), 0);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Illegal connection: No cycles are allowed! [W0588]");
    SetGlobalMessage("");
    EXPECT_EQ(task->ConnectSteps(b, start), 0);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Illegal connection: No cycles are allowed! [W0588]");
    EXPECT_EQ(task->ConnectSteps(a, b), 1);
    EXPECT_EQ(SuccessorNames(*a), Names{"B"});
    EXPECT_EQ(PredecessorNames(*b), Names{"A"});
    EXPECT_EQ(task->ConnectSteps(start, b), 1);  // a shortcut is no cycle
    EXPECT_EQ(task->ConnectSteps(nullptr, b), -1);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Fatal Error: Invalid parameters for addConnection! [F0113]");
    EXPECT_EQ(task->DisconnectSteps(a, nullptr), -1);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Fatal Error: Invalid parameters for removeConnection! [F0114]");
}

TEST_F(TaskGraph, AStepLeftWithoutInboundConnectionHangsFromTheStart) {
    CTaskStep* a = AddStepAfter(*task, "A", {start});
    CTaskStep* b = AddStepAfter(*task, "B", {start});
    CTaskStep* join = AddStepAfter(*task, "Join", {a, b});
    CTaskStep* tail = AddStepAfter(*task, "Tail", {join});

    EXPECT_EQ(task->DisconnectSteps(a, join), 1);
    EXPECT_EQ(PredecessorNames(*join), Names{"B"});
    EXPECT_EQ(task->DisconnectSteps(join, tail), 1);
    EXPECT_EQ(PredecessorNames(*tail), Names{"Start"});
    EXPECT_EQ(SuccessorNames(*start), (Names{"A", "B", "Tail"}));
}

TEST_F(TaskGraph, DeletingAStepJoinsEveryPredecessorToEverySuccessor) {
    CTaskStep* p1 = AddStepAfter(*task, "P1", {start});
    CTaskStep* p2 = AddStepAfter(*task, "P2", {start});
    CTaskStep* x = AddStepAfter(*task, "X", {p1, p2});
    CTaskStep* s1 = AddStepAfter(*task, "S1", {x});
    CTaskStep* s2 = AddStepAfter(*task, "S2", {x});

    EXPECT_TRUE(task->DeleteStep(x));
    EXPECT_EQ(SuccessorNames(*p1), (Names{"S1", "S2"}));
    EXPECT_EQ(SuccessorNames(*p2), (Names{"S1", "S2"}));
    EXPECT_EQ(PredecessorNames(*s1), (Names{"P1", "P2"}));
    EXPECT_EQ(PredecessorNames(*s2), (Names{"P1", "P2"}));
    EXPECT_EQ(task->GetSteps().size(), 5u);
}

TEST_F(TaskGraph, DeleteStepRefusesTheStartAndBrokenStructures) {
    CTaskStep* a = AddStepAfter(*task, "A", {start});
    EXPECT_FALSE(task->DeleteStep(start));
    EXPECT_EQ(GetGlobalMessageBuffer(), "Fatal Error: Start Step must not be deleted! [F0115]");
    EXPECT_EQ(SuccessorNames(*start), Names{"A"});

    a->GetPredecessors().push_back(a);  // a list that disagrees with its partner
    EXPECT_FALSE(task->DeleteStep(a));
    EXPECT_EQ(GetGlobalMessageBuffer(), "Fatal Error: TaskStep structure corrupted! [F0116]");

    std::unique_ptr<CTaskStep> stray(MakeStep("Stray"));
    EXPECT_FALSE(task->DeleteStep(stray.get()));
    EXPECT_EQ(GetGlobalMessageBuffer(), "Fatal Error: TaskStep structure corrupted! [F0118]");
    EXPECT_FALSE(task->DeleteStep(nullptr));
}

TEST_F(TaskGraph, InsertingAStep) {
    CTaskStep* end = AddStepAfter(*task, "End", {start});
    CTaskStep* middle = MakeStep("Middle");
    EXPECT_EQ(task->InsertStep(middle, start, end), 1);
    EXPECT_EQ(task->GetSteps().back(), middle);
    EXPECT_EQ(SuccessorNames(*start), (Names{"End", "Middle"}));
    EXPECT_EQ(SuccessorNames(*middle), Names{"End"});

    // A refused second connection leaves neither the step nor a connection to it behind.
    std::unique_ptr<CTaskStep> loop(MakeStep("Loop"));
    EXPECT_EQ(task->InsertStep(loop.get(), middle, start), 0);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Illegal connection: No cycles are allowed! [W0588]");
    EXPECT_EQ(SuccessorNames(*middle), Names{"End"});
    EXPECT_TRUE(loop->GetPredecessors().empty());
    EXPECT_FALSE(task->GetSteps().Contains(loop.get()));
}

TEST_F(TaskGraph, TheCycleTestVisitsEachStepOnce) {
    // 40 diamonds stacked: 2^40 paths lead from the bottom back to the start.
    CTaskStep* bottom = start;
    for (int i = 0; i < 40; ++i) {
        CTaskStep* left = AddStepAfter(*task, "L" + std::to_string(i), {bottom});
        CTaskStep* right = AddStepAfter(*task, "R" + std::to_string(i), {bottom});
        bottom = AddStepAfter(*task, "J" + std::to_string(i), {left, right});
    }
    CTaskStep* last = AddStep(*task, "Last");
    EXPECT_EQ(task->ConnectSteps(bottom, last), 1);
    EXPECT_EQ(task->ConnectSteps(bottom, start), 0);
}
