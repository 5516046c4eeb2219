#include "generation/TaskPathSearch.h"

#include <algorithm>

#include "generation/GenerationSettings.h"
#include "generation/TCGTask.h"
#include "model/TaskKav.h"
#include "platform/Format.h"
#include "platform/Progress.h"

namespace {

constexpr int kPenalty = 2000;
constexpr int kCoveredEdge = 1000;
// Weights from here on are never chosen.
constexpr int kUnreachableWeight = 9999;

std::string NodeName(const CTaskNode& node) { return node.task->GetName() + "/" + node.step->GetName(); }

}  // namespace

int CTaskPathSearch::Weight(const CTaskNode* candidate, const CTaskNode* node, bool backward) const {
    // The editors' range of priorities: no weight is zero or negative, no sum wraps.
    int weight = std::clamp(candidate->step->GetPriority(), 1, 999);
    if (candidate->penalised) weight += kPenalty;
    if (backward ? graph_.IsConnectionCovered(candidate, node) : graph_.IsConnectionCovered(node, candidate))
        weight += kCoveredEdge;
    return weight;
}

CTaskNode* CTaskPathSearch::ChooseNextNode(CTaskNode* node, CTaskNode* current, bool backward) {
    const std::vector<CTaskNode*>& candidates = backward ? node->predecessors : node->successors;
    int threshold = 0;
    if (!current) {
        for (CTaskNode* candidate : candidates) candidate->tried = false;
    } else {
        current->tried = true;
        // The weight current was chosen at: a penalty it got since must not hide the lighter
        // alternatives that come after it.
        threshold = current->chosenWeight;
    }
    // Alternatives come by increasing weight; among equal weights in list order after current.
    CTaskNode* choice = nullptr;
    int best = kUnreachableWeight;
    bool currentPassed = false;
    for (CTaskNode* candidate : candidates) {
        if (candidate == current) currentPassed = true;
        if (candidate->tried) continue;
        const CTaskNodeConnect* edge = backward ? graph_.FindConnection(candidate, node)
                                                : graph_.FindConnection(node, candidate);
        if (edge && edge->blocked) continue;
        const int weight = Weight(candidate, node, backward);
        if (weight == threshold && currentPassed) {
            choice = candidate;
            best = weight;
            currentPassed = false;
        } else if (weight > threshold && weight < best) {
            choice = candidate;
            best = weight;
        }
    }
    if (choice) choice->chosenWeight = best;
    return choice;
}

int CTaskPathSearch::CreatePathFromNode(CTaskNode* node, bool backward, std::deque<CTaskNode*>& path,
                                        int depthLimit) {
    if (Tracing())
        Trace(Fmt("CreatePathFromNode (%s/%s, %d, %d, %d)", node->task->GetName(), node->step->GetName(),
                  backward ? 1 : 0, static_cast<int>(path.size()), depthLimit));
    node->position = 0;
    if (progress_ && progress_->ShouldStop()) return kPathStopped;

    if (path.empty()) {
        node->exhausted = false;
        path.push_back(node);
        return Extend(backward, path);
    }
    if (path.size() < 2) {
        path.clear();
        return kNoFurtherPath;
    }
    CTaskNode* current = backward ? path.front() : path.back();
    for (;;) {
        if (current == node) {
            path.clear();
            return kNoFurtherPath;
        }
        backward ? path.pop_front() : path.pop_back();
        CTaskNode* end = backward ? path.front() : path.back();
        if (CTaskNode* alternative = ChooseNextNode(end, current, backward)) {
            if (backward && Tracing()) Trace("BACKTRACK END at " + NodeName(*end));
            alternative->position = end->position + 1;
            alternative->exhausted = false;
            backward ? path.push_front(alternative) : path.push_back(alternative);
            return Extend(backward, path);
        }
        if (backward && end->position <= depthLimit && depthLimit != kNoDepthLimit && !end->exhausted)
            graph_.BlockConnection(current, end);
        current = end;
    }
}

int CTaskPathSearch::Extend(bool backward, std::deque<CTaskNode*>& path) {
    for (;;) {
        CTaskNode* last = backward ? path.front() : path.back();
        if ((backward ? last->predecessors : last->successors).empty()) return kPathComplete;
        CTaskNode* next = ChooseNextNode(last, nullptr, backward);
        if (!next) {
            if (backward && Tracing()) Trace("DEAD END at " + NodeName(*last));
            return kPathDeadEnd;
        }
        next->position = last->position + 1;
        next->exhausted = false;
        backward ? path.push_front(next) : path.push_back(next);
    }
}

bool CTaskPathSearch::Tracing() const { return progress_ && GetGenerationSettings().detailedLog; }

void CTaskPathSearch::Trace(const std::string& line) const { progress_->AddLogText(line); }
