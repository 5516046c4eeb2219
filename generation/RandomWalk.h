#pragma once
// A random test case in the making: the task-graph nodes chosen so far, private copies of them
// that keep the texts their simulation gave them, the simulated state at the end of the walk,
// and the data record the walk uses of each data set.
#include <cstddef>
#include <map>
#include <vector>

#include "generation/GuiSimulation.h"
#include "model/Combination.h"
#include "platform/ObjectList.h"

class CDataRecord;
class CDataSet;
class CTaskNode;
class CWindowKav;

using RecordMap = std::map<CDataSet*, CDataRecord*>;

class CTCRandomWalk {
public:
    CTCRandomWalk() = default;
    CTCRandomWalk(const CTCRandomWalk&) = delete;
    CTCRandomWalk& operator=(const CTCRandomWalk&) = delete;

    // Every walk starts in the application's start: the start window exists. The walk takes
    // each data set's current record. 1, or -1 when the model refuses the start window.
    int Init(CWindowKav* startWindow, const std::vector<CDataSet*>& dataSets);
    // Appends the node and a copy of it as its simulation left it.
    void Append(CTaskNode* node);
    // Back to the start: no nodes, the start state, no records.
    void Clear();
    // This walk becomes a copy of the other.
    void CopyFrom(const CTCRandomWalk& other);
    // A copy of the other that holds only its last node.
    void CopyLastNodeFrom(const CTCRandomWalk& other);
    // Takes over the other's state and records and appends its nodes after the first, which
    // are listed in appended.
    void AppendFrom(const CTCRandomWalk& other, std::vector<CTaskNode*>& appended);

    CTaskNode* LastNode() const { return nodes_.empty() ? nullptr : nodes_.back(); }
    bool IsEmpty() const { return nodes_.empty(); }
    std::size_t NodeCount() const { return nodes_.size(); }
    const std::vector<CTaskNode*>& Nodes() const { return nodes_; }
    OwningList<CTaskNode>& NodeCopies() { return copies_; }
    CCombination& State() { return state_; }
    const CCombination& State() const { return state_; }
    RecordMap& Records() { return records_; }
    const RecordMap& Records() const { return records_; }

private:
    void AppendCopy(CTaskNode* node, const CTaskNode& source);

    std::vector<CTaskNode*> nodes_;
    OwningList<CTaskNode> copies_;
    CCombination state_;
    // The state in which every walk starts.
    CCombination initialState_;
    RecordMap records_;
    CWindowKav* startWindow_ = nullptr;
};

// Plays the nodes' steps one after the other on the state, as a path through a task graph is
// played, except that every data set takes the record of the map (or none), a looping building
// block is played once, a step needs its window and the windows above it not to be disabled,
// hidden or closed in the state, and a system-modal active window keeps the steps inside it.
// 1 all played, 0 a step cannot be played (failing names it), -1 with a message; the state is
// emptied on 0 and -1.
int SimulateSteps(const TaskPath& nodes, CCombination& state, const RecordMap& records, CTaskNode*& failing);
// The node after the walk: on 1 the walk's state is the state after it (the node is not
// appended).
int SimulateStep(CTCRandomWalk& walk, CTaskNode* node);

// A uniform choice of an index below count (count > 0) from the shared random source.
std::size_t RandomIndex(std::size_t count);
