// The coverage marks of a task graph: what generated test cases have covered, and what the
// path searches found unusable.
#include "generation/TCGTask.h"

CTaskNodeConnect* CTCGTask::FindConnection(const CTaskNode* from, const CTaskNode* to) const {
    auto it = edgeIndex_.find({from, to});
    return it == edgeIndex_.end() ? nullptr : it->second;
}

bool CTCGTask::IsConnectionCovered(const CTaskNode* from, const CTaskNode* to) const {
    const CTaskNodeConnect* edge = FindConnection(from, to);
    return edge && edge->covered;
}

void CTCGTask::SetCovered(CTaskNode* from, CTaskNode* to) {
    from->covered = true;
    to->covered = true;
    if (CTaskNodeConnect* edge = FindConnection(from, to)) edge->covered = true;
}

void CTCGTask::BlockConnection(CTaskNode* from, CTaskNode* to) {
    CTaskNodeConnect* edge = FindConnection(from, to);
    if (!edge || edge->blocked) return;
    edge->blocked = true;
    if (to->blocked) return;
    for (const CTaskNode* predecessor : to->predecessors) {
        const CTaskNodeConnect* incoming = FindConnection(predecessor, to);
        if (!incoming || !incoming->blocked) return;
    }
    BlockNode(to);
}

void CTCGTask::BlockNode(CTaskNode* node) {
    if (node->blocked) return;
    node->blocked = true;
    for (CTaskNode* predecessor : node->predecessors) BlockConnection(predecessor, node);
    for (CTaskNode* successor : node->successors) BlockConnection(node, successor);
}

void CTCGTask::ResetBlocked() {
    for (CTaskNode* node : nodes_) node->blocked = false;
    for (CTaskNodeConnect* edge : connections_) edge->blocked = false;
}

CTaskNode* CTCGTask::FindUncoveredNode(int contextNumber) const {
    return nodes_.FindIf([&](const CTaskNode* node) {
        return !node->covered && !node->blocked && node != startNode_ && node->contextNumber == contextNumber;
    });
}

CTaskNodeConnect* CTCGTask::FindUncoveredConnection(int contextNumber) const {
    return connections_.FindIf([&](const CTaskNodeConnect* edge) {
        return !edge->covered && !edge->blocked && edge->from->contextNumber == contextNumber;
    });
}
