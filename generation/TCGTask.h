#pragma once
// A task turned into one flat directed graph: the task's steps with the steps of every
// sub-task they call, one node per executed copy of a step. The coverage and random
// generators walk this graph, never the task model, and keep their coverage marks in it.
//
// In the old task mode of a project the graph of the whole project (from its root task) is
// built once, when the object is made, and serves every task of a run; otherwise each task's
// generation converts that task afresh.
#include <functional>
#include <unordered_map>
#include <utility>
#include <vector>

#include "generation/BuildingBlockNumbers.h"
#include "generation/TaskNode.h"
#include "platform/ObjectList.h"

class CApplicationKav;
class CTaskKav;

class CTCGTask {
public:
    // In the old task mode, converts the root task (a failure is shown in an error box and
    // leaves an empty graph) and builds the edges; not for a graph that only ever holds the
    // task it converts itself (ownTaskOnly).
    explicit CTCGTask(CApplicationKav& project, bool ownTaskOnly = false);
    CTCGTask(const CTCGTask&) = delete;
    CTCGTask& operator=(const CTCGTask&) = delete;
    virtual ~CTCGTask();

    // Replaces the graph by the nodes of the task and of every sub-task it calls. 1, or -1
    // with the message in the global message buffer (the caller clears the graph then).
    int ConvertTask(CTaskKav* task);
    // One edge per (node, successor) pair, in node order.
    void BuildConnections();
    // Deletes every edge and node.
    void Clear();

    // ---- Coverage marks

    // The edge from -> to, or null.
    CTaskNodeConnect* FindConnection(const CTaskNode* from, const CTaskNode* to) const;
    bool IsConnectionCovered(const CTaskNode* from, const CTaskNode* to) const;
    // Both nodes and the edge between them (when there is one).
    void SetCovered(CTaskNode* from, CTaskNode* to);
    // A blocked node is left out of paths; blocking spreads along edges: a node all of whose
    // incoming edges are blocked is blocked, and a blocked node blocks all its edges.
    void BlockNode(CTaskNode* node);
    void BlockConnection(CTaskNode* from, CTaskNode* to);
    void ResetBlocked();
    // The first node (edge) of the context instance that is neither covered nor blocked; the
    // start node is never a target. Null when none.
    CTaskNode* FindUncoveredNode(int contextNumber) const;
    CTaskNodeConnect* FindUncoveredConnection(int contextNumber) const;

    // ---- Random testing's marks of the graph as a whole

    // A walk has entered the building block.
    bool IsCovered() const { return covered_; }
    void MarkCovered() { covered_ = true; }
    // How many of the block's elements the coverage goal counts, and how many walks covered.
    int GetTarget() const { return target_; }
    void SetTarget(int target) { target_ = target; }
    int GetCoveredCount() const { return coveredCount_; }
    void AddCoveredElement() { ++coveredCount_; }

    CApplicationKav& GetProject() const { return project_; }
    const OwningList<CTaskNode>& GetNodes() const { return nodes_; }
    const OwningList<CTaskNodeConnect>& GetConnections() const { return connections_; }
    CTaskNode* GetStartNode() const { return startNode_; }
    CTaskKav* GetRootTask() const { return rootTask_; }
    // Restarted for each test case built from the graph.
    BuildingBlockNumbers& GetBlockNumbers() { return blockNumbers_; }

private:
    // The nodes of one task without its sub-tasks, chained copy after copy, the last copy of
    // each step linked to the first copies of its successors. 1, or -1 with W0840 for a loop
    // count outside 0..1000.
    int BuildTaskNodes(CTaskKav* task, CTaskKav* contextTask, int contextNumber, CTaskNode*& start,
                       std::vector<CTaskNode*>& nodes);
    // Puts the sub-task's nodes in place of the node that calls it.
    int ExpandSubTaskCall(CTaskNode* call, CTaskKav*& contextTask, int& contextNumber, int& instances);
    // Bridges and deletes the nodes of blank steps.
    int RemoveBlankNodes();

    CApplicationKav& project_;
    BuildingBlockNumbers blockNumbers_;
    OwningList<CTaskNode> nodes_;
    OwningList<CTaskNodeConnect> connections_;
    struct EdgeKeyHash {
        size_t operator()(const std::pair<const CTaskNode*, const CTaskNode*>& key) const {
            return std::hash<const void*>()(key.first) * 31 ^ std::hash<const void*>()(key.second);
        }
    };
    std::unordered_map<std::pair<const CTaskNode*, const CTaskNode*>, CTaskNodeConnect*, EdgeKeyHash> edgeIndex_;
    CTaskNode* startNode_ = nullptr;
    CTaskKav* rootTask_ = nullptr;
    bool covered_ = false;
    int target_ = 0;
    int coveredCount_ = 0;
};
