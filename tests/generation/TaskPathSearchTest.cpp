#include <gtest/gtest.h>

#include "generation/GenerationSettings.h"
#include "generation/TaskPathSearch.h"
#include "platform/Progress.h"
#include "tests/generation/TaskFlows.h"

namespace {

// Start fans out to A, B and C, which all lead to End.
class TaskPathSearchTest : public TaskFlowTest {
protected:
    TaskPathSearchTest() {
        for (const char* name : {"A", "B", "C"}) Step(*task, name, {start});
        end = Step(*task, "End", {task->GetSteps()[1], task->GetSteps()[2], task->GetSteps()[3]});
        Convert();
    }
    void Convert() {
        ASSERT_EQ(graph.ConvertTask(task), 1);
        graph.BuildConnections();
    }
    CTaskNode* Node(const std::string& name) const { return NodesOf(name).at(0); }
    // Every alternative after start's first choice, in the order offered.
    std::vector<std::string> Alternatives(const std::string& from, bool backward) {
        std::vector<std::string> names;
        CTaskNode* node = Node(from);
        for (CTaskNode* choice = search.ChooseNextNode(node, nullptr, backward); choice;
             choice = search.ChooseNextNode(node, choice, backward))
            names.push_back(choice->step->GetName());
        return names;
    }
    static std::vector<std::string> Names(const std::deque<CTaskNode*>& path) {
        return StepNames(std::vector<CTaskNode*>(path.begin(), path.end()));
    }

    CTaskKav* task = project.AddTask("T");
    CTaskStep* start = Blank(*task, "Start");
    CTaskStep* end = nullptr;
    Progress progress;
    CTaskPathSearch search{graph, &progress};
};

}  // namespace

TEST_F(TaskPathSearchTest, AlternativesComeByWeightThenInListOrder) {
    EXPECT_EQ(Alternatives("Start", false), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(Alternatives("End", true), (std::vector<std::string>{"A", "B", "C"}));

    // A lower priority first; the editors' range keeps 0 and negative priorities at 1.
    task->GetSteps()[3]->SetPriority(-5);  // C
    task->GetSteps()[2]->SetPriority(3);   // B
    Convert();
    EXPECT_EQ(Alternatives("Start", false), (std::vector<std::string>{"A", "C", "B"}));

    // A covered edge weighs 1000 more, a penalised node 2000 more.
    graph.SetCovered(Node("Start"), Node("A"));
    Node("C")->penalised = true;
    EXPECT_EQ(Alternatives("Start", false), (std::vector<std::string>{"B", "A", "C"}));

    // A blocked edge is no alternative.
    graph.BlockConnection(Node("Start"), Node("B"));
    EXPECT_EQ(Alternatives("Start", false), (std::vector<std::string>{"A", "C"}));
}

TEST_F(TaskPathSearchTest, PathsGrowBackwardAndForwardAndBacktrackToEachAlternative) {
    std::deque<CTaskNode*> path;
    ASSERT_EQ(search.CreatePathFromNode(Node("End"), true, path, kNoDepthLimit), kPathComplete);
    EXPECT_EQ(Names(path), (std::vector<std::string>{"Start", "A", "End"}));
    EXPECT_EQ(path.front()->position, 2);

    std::vector<std::string> seconds;
    while (search.CreatePathFromNode(Node("End"), true, path, kNoDepthLimit) == kPathComplete)
        seconds.push_back(path[1]->step->GetName());
    EXPECT_EQ(seconds, (std::vector<std::string>{"B", "C"}));
    EXPECT_TRUE(path.empty());

    ASSERT_EQ(search.CreatePathFromNode(Node("A"), false, path, kNoDepthLimit), kPathComplete);
    EXPECT_EQ(Names(path), (std::vector<std::string>{"A", "End"}));
    EXPECT_EQ(search.CreatePathFromNode(Node("A"), false, path, kNoDepthLimit), kNoFurtherPath);
}

TEST_F(TaskPathSearchTest, ABlockedWayIsADeadEndAndBacktrackingWithinTheLimitBlocksEdges) {
    for (const char* name : {"A", "B", "C"}) graph.BlockConnection(Node("Start"), Node(name));
    std::deque<CTaskNode*> path;
    EXPECT_EQ(search.CreatePathFromNode(Node("End"), true, path, kNoDepthLimit), kPathDeadEnd);
    EXPECT_EQ(Names(path), (std::vector<std::string>{"End"}));

    graph.ResetBlocked();
    path.clear();
    graph.BlockConnection(Node("Start"), Node("B"));
    graph.BlockConnection(Node("Start"), Node("C"));
    ASSERT_EQ(search.CreatePathFromNode(Node("End"), true, path, 5), kPathComplete);  // via A
    // Backtracking finds nothing better; within the limit the edges that led nowhere go.
    EXPECT_EQ(search.CreatePathFromNode(Node("End"), true, path, 5), kNoFurtherPath);
    EXPECT_TRUE(graph.FindConnection(Node("A"), Node("End"))->blocked);
}

TEST_F(TaskPathSearchTest, AStopRequestEndsTheSearch) {
    progress.RequestStop();
    std::deque<CTaskNode*> path;
    EXPECT_EQ(search.CreatePathFromNode(Node("End"), true, path, kNoDepthLimit), kPathStopped);
}

TEST_F(TaskPathSearchTest, TheDetailedLogTracesTheSearch) {
    GetGenerationSettings().detailedLog = true;
    for (const char* name : {"A", "B", "C"}) graph.BlockConnection(Node("Start"), Node(name));
    std::deque<CTaskNode*> path;
    search.CreatePathFromNode(Node("End"), true, path, kNoDepthLimit);
    EXPECT_EQ(progress.Log().Lines(),
              (std::vector<std::string>{"CreatePathFromNode (T/End, 1, 0, 999999999)", "DEAD END at T/End"}));
}
