// The flow graph of a task: connections between its steps, kept acyclic and free of
// duplicates, with both connection lists of every step in agreement.
#include <algorithm>
#include <unordered_set>
#include <vector>

#include "model/TaskKav.h"
#include "platform/MessageBuffer.h"

namespace {

bool Contains(const std::vector<CTaskStep*>& list, const CTaskStep* step) {
    return std::find(list.begin(), list.end(), step) != list.end();
}

void AddOnce(std::vector<CTaskStep*>& list, CTaskStep* step) {
    if (!Contains(list, step)) list.push_back(step);
}

bool Remove(std::vector<CTaskStep*>& list, const CTaskStep* step) {
    auto it = std::find(list.begin(), list.end(), step);
    if (it == list.end()) return false;
    list.erase(it);
    return true;
}

}  // namespace

bool CTaskKav::CanConnect(const CTaskStep* source, const CTaskStep* destination) const {
    // Each step is walked once: graphs with many joins would otherwise be revisited along
    // every path, which grows exponentially with stacked joins.
    std::unordered_set<const CTaskStep*> visited;
    std::vector<const CTaskStep*> pending{source};
    while (!pending.empty()) {
        const CTaskStep* step = pending.back();
        pending.pop_back();
        if (step == destination) return false;
        if (!visited.insert(step).second) continue;
        for (const CTaskStep* predecessor : step->GetPredecessors()) pending.push_back(predecessor);
    }
    return true;
}

int CTaskKav::ConnectSteps(CTaskStep* source, CTaskStep* destination) {
    if (!source || !destination) {
        SetMessage(41113);
        return -1;
    }
    if (!CanConnect(source, destination)) {
        SetMessage(44588);
        return 0;
    }
    ConnectStepsUnchecked(source, destination);
    return 1;
}

void CTaskKav::ConnectStepsUnchecked(CTaskStep* source, CTaskStep* destination) {
    AddOnce(source->GetSuccessors(), destination);
    AddOnce(destination->GetPredecessors(), source);
}

int CTaskKav::DisconnectSteps(CTaskStep* source, CTaskStep* destination) {
    if (!source || !destination) {
        SetMessage(41114);
        return -1;
    }
    Remove(source->GetSuccessors(), destination);
    Remove(destination->GetPredecessors(), source);
    if (!destination->GetPredecessors().empty()) return 1;
    // A step left without an inbound connection stays reachable from the start.
    return ConnectSteps(startStep_, destination) == 1 ? 1 : -1;
}

int CTaskKav::InsertStep(CTaskStep* step, CTaskStep* predecessor, CTaskStep* successor) {
    const bool wasConnected = predecessor && step && Contains(predecessor->GetSuccessors(), step);
    if (ConnectSteps(predecessor, step) != 1) return 0;
    if (successor && ConnectSteps(step, successor) != 1) {
        // The caller deletes a step that was not inserted; the predecessor must not keep it.
        if (!wasConnected) {
            Remove(predecessor->GetSuccessors(), step);
            Remove(step->GetPredecessors(), predecessor);
        }
        return 0;
    }
    steps_.Add(step);
    return 1;
}

bool CTaskKav::DeleteStep(CTaskStep* step) {
    if (!step) {
        SetMessage(41118);
        return false;
    }
    if (step == startStep_) {
        SetMessage(41115);
        return false;
    }
    std::vector<CTaskStep*>& predecessors = step->GetPredecessors();
    std::vector<CTaskStep*>& successors = step->GetSuccessors();
    for (CTaskStep* predecessor : predecessors) {
        if (!Remove(predecessor->GetSuccessors(), step)) {
            SetMessage(41116);
            return false;
        }
    }
    for (CTaskStep* successor : successors) {
        if (!Remove(successor->GetPredecessors(), step)) {
            SetMessage(41117);
            return false;
        }
        for (CTaskStep* predecessor : predecessors)
            if (ConnectSteps(predecessor, successor) != 1) return false;
    }
    predecessors.clear();
    successors.clear();
    if (!steps_.Delete(step)) {
        SetMessage(41118);
        return false;
    }
    return true;
}
