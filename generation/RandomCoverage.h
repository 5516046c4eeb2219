#pragma once
// What random walks have covered of the building blocks' task graphs: the blocks entered,
// their steps and connections, and the pairs of blocks that a walk moved between; and whether
// the coverage goal is reached. The marks live in the graphs; the counts only grow.
#include <map>
#include <unordered_map>
#include <vector>

class CTCGTask;
class CTaskNode;
class Progress;

// Coverage goal bits.
enum RandomGoalBit : int {
    kGoalBlocks = 1,
    kGoalSteps = 2,
    kGoalConnections = 4,
    kGoalTestCases = 8,  // only a number of test cases; every added node counts as progress
    kGoalBlockPairs = 16,
};

class CRandomCoverage {
public:
    // percentage: the share of each chosen kind of element to cover, 0 to 1. progress advances
    // by one unit per newly covered element that the goal counts.
    CRandomCoverage(int goal, double percentage, Progress& progress);

    // Counts the graph's steps and connections (those of its start node left out) in the
    // totals and gives the graph its target.
    void AddGraph(CTCGTask& graph);
    // The graph of the node, or null.
    CTCGTask* FindTaskGraph(const CTaskNode* node) const;

    // Marks what moving from previous (none: the walk begins) to node covers. increase: it
    // covers something that the goal counts (with kGoalTestCases: always). A dry run only
    // judges. Returns 1.
    int AccountCoverage(CTaskNode* previous, CTaskNode* node, bool& increase, bool dryRun);
    // AccountCoverage along first, nodes[0], nodes[1], ...; increase when any step increased.
    int AccountWalkCoverage(CTaskNode* first, const std::vector<CTaskNode*>& nodes, bool& increase, bool dryRun);
    // Every chosen kind is covered to the percentage (a kind with nothing to cover is).
    // Never with kGoalTestCases.
    bool IsGoalReached() const;
    // The progress units of the run: the test cases with kGoalTestCases, else the elements of
    // the chosen kinds.
    int ComputeTarget(int maxTestCases) const;

    int GetGoal() const { return goal_; }
    int GetGraphCount() const { return static_cast<int>(graphs_.size()); }
    int GetTotalBlocks() const { return static_cast<int>(graphs_.size()); }
    int GetTotalSteps() const { return totalSteps_; }
    int GetTotalConnections() const { return totalConnections_; }
    int GetCoveredBlocks() const { return coveredBlocks_; }
    int GetCoveredSteps() const { return coveredSteps_; }
    int GetCoveredConnections() const { return coveredConnections_; }
    int GetCoveredPairs() const { return coveredPairs_; }
    int GetTotalPairs() const { return GetGraphCount() * GetGraphCount(); }

private:
    int goal_;
    double percentage_;
    Progress& progress_;
    std::vector<CTCGTask*> graphs_;
    std::unordered_map<const CTaskNode*, CTCGTask*> graphOf_;
    int totalSteps_ = 0;
    int totalConnections_ = 0;
    int coveredBlocks_ = 0;
    int coveredSteps_ = 0;
    int coveredConnections_ = 0;
    int coveredPairs_ = 0;
    // The graphs that a walk moved to from each graph.
    std::map<const CTCGTask*, std::vector<const CTCGTask*>> blockPairs_;
};

// Advances the progress by the units, as far as the total reaches.
void AdvanceProgress(Progress& progress, int units);
