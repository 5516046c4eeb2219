#include "generation/TaskNode.h"

#include <algorithm>

#include "model/TaskStep.h"

CTaskNode::CTaskNode(CTaskKav* task, std::unique_ptr<CTaskStep> verifyStep, CTaskKav* contextTask)
    : task(task), step(verifyStep.get()), contextTask(contextTask), contextNumber(kVerifyStepContext),
      ownedStep_(std::move(verifyStep)) {
    // The walk goes on after a Verify step's node, so nothing else fills its event.
    event = step->GetEvent();
}

CTaskNode::~CTaskNode() = default;

CTaskNode* CTaskNode::MakeBlockCopy() {
    auto* copy = new CTaskNode(task, step, contextTask, kBlockCopyContext);
    copy->level = level;
    copy->original_ = GraphNode();
    for (const BlockCall& call : blockCalls) copy->blockCalls.push_back(call.Clone());
    return copy;
}

CTaskNode* CTaskNode::GraphNode() { return original_ ? original_ : this; }

void LinkNodes(CTaskNode& from, CTaskNode& to) {
    if (std::find(from.successors.begin(), from.successors.end(), &to) == from.successors.end())
        from.successors.push_back(&to);
    if (std::find(to.predecessors.begin(), to.predecessors.end(), &from) == to.predecessors.end())
        to.predecessors.push_back(&from);
}

bool RemoveNodeFrom(std::vector<CTaskNode*>& list, const CTaskNode* node) {
    auto it = std::find(list.begin(), list.end(), node);
    if (it == list.end()) return false;
    list.erase(it);
    return true;
}
