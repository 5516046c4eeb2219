#pragma once
// The nodes and edges of a task graph: one node per executed copy of a task step, with the
// texts the path simulation gives it, the coverage marks of the generators, and the building
// blocks that begin at it.
#include <memory>
#include <string>
#include <vector>

#include "model/ActionKav.h"
#include "model/TaskStep.h"
#include "model/TestStepBBInfo.h"
#include "platform/ObjectList.h"

class CTaskKav;

// Context numbers of nodes that the path simulation adds to a path for one simulation only.
enum TemporaryNodeContext : int {
    kBlockCopyContext = -777,   // a further pass through a looping building block
    kVerifyStepContext = -999,  // a Verify step made by an action; the node owns its step
};

// A building block that begins at a node: its record for the generated test steps, and the
// task whose step calls it (named when the block's loop count is refused).
struct BlockCall {
    std::unique_ptr<CTestStepBBInfo> record;
    const CTaskKav* callingTask = nullptr;

    BlockCall Clone() const { return {std::unique_ptr<CTestStepBBInfo>(record->Clone(0)), callingTask}; }
};

class CTaskNode {
public:
    CTaskNode(CTaskKav* task, CTaskStep* step, CTaskKav* contextTask, int contextNumber)
        : task(task), step(step), contextTask(contextTask), contextNumber(contextNumber) {}
    // A Verify step's node: owns the step, and takes its event as the node's event.
    CTaskNode(CTaskKav* task, std::unique_ptr<CTaskStep> verifyStep, CTaskKav* contextTask);
    CTaskNode(const CTaskNode&) = delete;
    CTaskNode& operator=(const CTaskNode&) = delete;
    virtual ~CTaskNode();

    bool IsTemporary() const { return contextNumber == kBlockCopyContext || contextNumber == kVerifyStepContext; }
    // A further pass through a looping block: a new node of the same step, level and context
    // task, with copies of the block calls.
    CTaskNode* MakeBlockCopy();
    // The node of the graph that a temporary copy stands for; the node itself otherwise.
    CTaskNode* GraphNode();

    CTaskKav* task;   // owner of the step
    CTaskStep* step;  // not owned, except by a Verify step's node

    // The step's texts with their designators replaced, as the path simulation left them.
    std::string event;
    std::string commands;
    std::string description;
    std::string input;
    std::string resultValue;
    std::string expectedResult;

    // 1 for the converted task's nodes, one more per sub-task call.
    int level = 0;
    // Distance from the node at which the path being built was started.
    int position = 0;
    // The weight the node had when the path search last chose it.
    int chosenWeight = 0;
    // The task instance the node belongs to.
    CTaskKav* contextTask;
    int contextNumber;

    bool covered = false;
    bool blocked = false;
    bool penalised = false;
    bool tried = false;
    bool exhausted = false;
    bool firstCopy = false;
    bool lastCopy = false;

    // Not owned; A is in B's predecessors exactly when B is in A's successors.
    std::vector<CTaskNode*> predecessors;
    std::vector<CTaskNode*> successors;

    // The building blocks that begin at this node, outermost first.
    std::vector<BlockCall> blockCalls;
    // What the test step made from this node receives: evaluated copies of the block records.
    OwningList<CTestStepBBInfo> stepBlockInfos;
    // Added by the conversion: the data record actions of a loop over records.
    OwningList<CActionKav> actions;

private:
    std::unique_ptr<CTaskStep> ownedStep_;
    CTaskNode* original_ = nullptr;
};

// An edge of the graph, one per successor relation.
struct CTaskNodeConnect {
    CTaskNode* from;
    CTaskNode* to;
    bool covered = false;
    bool blocked = false;
};

// Adds "to" to from's successors and "from" to to's predecessors, each unless present.
void LinkNodes(CTaskNode& from, CTaskNode& to);
// Removes the node from the list; false when it was not there.
bool RemoveNodeFrom(std::vector<CTaskNode*>& list, const CTaskNode* node);
