#pragma once
// The depth-first search of paths through a task graph: a path grows from a node towards the
// graph's beginning (backward) or its end (forward), taking the lightest neighbour first, and
// backtracks to the next alternative when asked again. A neighbour's weight is its step's
// priority (kept to 1..999), plus 2000 when it is penalised and 1000 when the edge to it is
// covered already, so uncovered edges and unpenalised nodes are preferred.
#include <deque>
#include <string>

#include "generation/TaskNode.h"

class CTCGTask;
class Progress;

enum PathSearchResult : int {
    kNoFurtherPath = 0,
    kPathComplete = 1,
    kPathStopped = 2,  // by the user
    kPathDeadEnd = 3,
};

// The depth limit that limits nothing.
inline constexpr int kNoDepthLimit = 999999999;

class CTaskPathSearch {
public:
    // progress: where the search logs and polls for Stop; may be null.
    CTaskPathSearch(CTCGTask& graph, Progress* progress) : graph_(graph), progress_(progress) {}

    // The next alternative neighbour of node after current (null: the first one); null when
    // none is left. Neighbours already tried and those behind a blocked edge are skipped.
    // current must be the last node chosen for node.
    CTaskNode* ChooseNextNode(CTaskNode* node, CTaskNode* current, bool backward);

    // With an empty path, starts it at node and extends it to a beginning (backward) or an end
    // (forward) of the graph. Otherwise backtracks: drops nodes from the working end until one
    // has an untried alternative, and extends from there. While backtracking backward within
    // the depth limit, an edge that led nowhere is blocked.
    int CreatePathFromNode(CTaskNode* node, bool backward, std::deque<CTaskNode*>& path, int depthLimit);

private:
    int Weight(const CTaskNode* candidate, const CTaskNode* node, bool backward) const;
    int Extend(bool backward, std::deque<CTaskNode*>& path);
    // The detailed log's lines of the search.
    bool Tracing() const;
    void Trace(const std::string& line) const;

    CTCGTask& graph_;
    Progress* progress_;
};
