#pragma once
// Random testing: one task graph per building block of the chosen tasks, and random walks
// over the union of these graphs. A walk starts at a step that can begin a test case, grows by
// a weighted random choice among the successors that can be simulated (after the end of a
// block, among the first steps of all blocks), and becomes a test case at its length limit or
// when it can go no further. Generation ends when the coverage goal is reached, at the
// maximum number of test cases, after too many walks without new coverage, on time-out or on
// Stop. Directed searches (randomized breadth search, adjacent blocks, paths constructed to
// uncovered steps) help where random extension stops finding new coverage.
//
// Random choices come from the shared random source; the time-out and the searches' time
// limit read the installed clock.
#include <cstdint>
#include <memory>
#include <vector>

#include "generation/RandomCoverage.h"
#include "generation/RandomTestSettings.h"
#include "generation/RandomWalk.h"
#include "generation/TCGTask.h"
#include "generation/TestCaseGenerator.h"
#include "model/TestCase.h"
#include "platform/ObjectList.h"

class CApplicationKav;
class CTaskKav;
class Progress;

// Results of the generation loop and the searches besides those of every generator.
inline constexpr int kRandomTimedOut = 3;

// Search strategy bits.
enum RandomStrategyBit : int {
    kStrategyRandomSearch = 1,    // randomized breadth search from the walk's end
    kStrategyAdjacentBlocks = 2,  // explore the blocks next to the walk's end
    kStrategyConstructive = 4,    // construct paths to uncovered steps
    kStrategyContinue = 8,        // keep extending the walk after a fruitless search
};

class CTCRandomTesting {
public:
    CTCRandomTesting(CApplicationKav& project, Progress& progress);
    CTCRandomTesting(const CTCRandomTesting&) = delete;
    CTCRandomTesting& operator=(const CTCRandomTesting&) = delete;
    ~CTCRandomTesting();

    // Generates for the tasks (a single null entry: the whole project) and stores the test
    // cases in the project in place of its earlier random ones; count receives their number.
    // Negative counts keep the defaults. 1 done (also after a time-out), 2 stopped by the user
    // (what was made is stored), 0 failed with the message in the global message buffer.
    int Generate(const std::vector<CTaskKav*>& tasks, const RandomTestSettings& settings, int& count);

private:
    // ---- Set-up
    int BuildTaskGraphs(const std::vector<CTaskKav*>& tasks);
    void CollectStartNodes();
    bool IsStartNode(const CTaskNode& node) const;

    // ---- Random walks
    // 1, -1, 2 stopped, 3 timed out.
    int GenerateRandTCs(CTCRandomWalk& walk);
    // Extends the walk by a weighted random choice among the candidates that can be simulated.
    // 1, 0 none can, -1.
    int AddRandomNode(CTCRandomWalk& walk, const std::vector<CTaskNode*>& candidates, bool& increase);
    // Each data set with records gets a random one for the next walk.
    void ChooseRecords(CTCRandomWalk& walk) const;
    // Turns a non-empty walk into a test case and starts the walk again. 1, or -1.
    int FinishWalk(CTCRandomWalk& walk);
    std::unique_ptr<CTestCase> ConvertWalkToTestCase(CTCRandomWalk& walk);

    // ---- Directed searches (results as GenerateRandTCs, 0 nothing found)
    int ConstructiveSearch(CTCRandomWalk& walk);
    int RandomSearch(CTCRandomWalk& walk, int depth, bool allowRestart, const CTaskNode* goal, bool& found);
    int ExploreAdjacentBlocks(CTCRandomWalk& walk);
    int DepthFirstSearch(CTCRandomWalk& walk, bool& found);
    // A copy of the walk extended by the node, when the node can be simulated after it: 1
    // (increase: the node adds coverage), 0, -1.
    int ExtendedCopy(const CTCRandomWalk& walk, CTaskNode* node, CTCRandomWalk& extended, bool& increase);
    // Makes the goal executable by first executing steps whose actions provide what it lacks.
    // 1 when the walk was extended up to the goal (found: with new coverage).
    int ConstructPathToGoal(CTaskNode* goal, CTCRandomWalk& walk, bool& found, int depth);
    // The nodes whose steps can be executed after the walk and would open the failing node's
    // window or set what its conditions need.
    std::vector<CTaskNode*> FindEnablers(const CTaskNode& failing, const CTCRandomWalk& walk) const;
    // The goal's path from the beginning of its graph, after the walk: 1 appended (found: with
    // new coverage), 0 it cannot be executed (failing names where), -1.
    int AppendGoalPath(CTaskNode* goal, CTCRandomWalk& walk, bool& found, CTaskNode*& failing);

    void Report() const;
    // 2 when the user stopped, 3 after the time-out, else 0.
    int Interrupted();
    void Trace(const std::string& line) const;
    const std::vector<CTaskNode*>& Successors(const CTaskNode& node) const;

    CApplicationKav& project_;
    Progress& progress_;
    OwningList<CTestCase> testCases_;
    OwningList<CTCGTask> taskGraphs_;
    std::unique_ptr<CRandomCoverage> coverage_;
    std::vector<CTaskNode*> blockEntryNodes_;
    std::vector<CTaskNode*> startNodes_;
    CTaskKav* task_ = nullptr;
    int maxTestCases_ = 10;
    int length_ = 100;
    int dfsDepth_ = 15;
    int maxIdleIterations_ = 100;
    int strategy_ = 0;
    std::uint32_t timeout_ = 0;
    std::uint32_t startTime_ = 0;
    bool stopped_ = false;
    bool timedOut_ = false;
};

// The random family of the generator table: random testing of the request's task (none: the
// whole project) with the request's settings.
class CRandomTestGenerator : public TestCaseGenerator {
public:
    int Generate(const GenerationRequest& request, Progress& progress, int& count) override;
};
