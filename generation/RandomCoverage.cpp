#include "generation/RandomCoverage.h"

#include <algorithm>

#include "generation/GenerationSettings.h"
#include "generation/TCGTask.h"
#include "model/TaskKav.h"
#include "platform/Format.h"
#include "platform/Progress.h"

CRandomCoverage::CRandomCoverage(int goal, double percentage, Progress& progress)
    : goal_(goal), percentage_(percentage), progress_(progress) {}

void CRandomCoverage::AddGraph(CTCGTask& graph) {
    graphs_.push_back(&graph);
    for (const CTaskNode* node : graph.GetNodes()) graphOf_[node] = &graph;
    const int entries = static_cast<int>(graph.GetStartNode()->successors.size());
    const int connections = static_cast<int>(graph.GetConnections().size()) - entries;
    const int steps = static_cast<int>(graph.GetNodes().size()) - 1;
    totalConnections_ += connections;
    totalSteps_ += steps;
    graph.SetTarget((goal_ & kGoalConnections ? connections : 0) + (goal_ & kGoalSteps ? steps : 0));
}

CTCGTask* CRandomCoverage::FindTaskGraph(const CTaskNode* node) const {
    auto graph = graphOf_.find(node);
    return graph == graphOf_.end() ? nullptr : graph->second;
}

int CRandomCoverage::AccountCoverage(CTaskNode* previous, CTaskNode* node, bool& increase, bool dryRun) {
    increase = goal_ & kGoalTestCases;
    CTCGTask* graph = FindTaskGraph(node);
    int newElements = 0;
    // Counts an element of a kind: an increase when the goal counts the kind.
    auto count = [&](int kind, bool perGraph) {
        if (!(goal_ & kind)) return;
        increase = true;
        if (dryRun) return;
        ++newElements;
        if (perGraph && graph) graph->AddCoveredElement();
    };

    if (!node->covered) {
        if (!dryRun) {
            node->covered = true;
            ++coveredSteps_;
        }
        count(kGoalSteps, true);
    }
    if (graph && !graph->IsCovered()) {
        if (!dryRun) {
            graph->MarkCovered();
            ++coveredBlocks_;
            if (GetGenerationSettings().detailedLog)
                progress_.AddLogText(Fmt("Covered Task: %s", graph->GetRootTask()->GetName()));
        }
        count(kGoalBlocks, false);
    }
    if (previous) {
        CTaskNodeConnect* edge = graph ? graph->FindConnection(previous, node) : nullptr;
        if (edge && !edge->covered) {
            if (!dryRun) {
                edge->covered = true;
                ++coveredConnections_;
            }
            count(kGoalConnections, true);
        }
        // A walk moves to another block, or begins one again after the end of its block.
        const CTCGTask* from = FindTaskGraph(previous);
        if (graph && from && (graph != from || previous->successors.empty())) {
            auto pairs = blockPairs_.find(from);
            const bool known = pairs != blockPairs_.end() &&
                               std::find(pairs->second.begin(), pairs->second.end(), graph) != pairs->second.end();
            if (!known) {
                if (!dryRun) {
                    blockPairs_[from].push_back(graph);
                    ++coveredPairs_;
                }
                count(kGoalBlockPairs, false);
            }
        }
    }
    if (!dryRun && increase && !(goal_ & kGoalTestCases)) AdvanceProgress(progress_, newElements);
    return 1;
}

int CRandomCoverage::AccountWalkCoverage(CTaskNode* first, const std::vector<CTaskNode*>& nodes, bool& increase,
                                         bool dryRun) {
    increase = false;
    CTaskNode* previous = first;
    for (CTaskNode* node : nodes) {
        bool increased = false;
        if (AccountCoverage(previous, node, increased, dryRun) != 1) return 0;
        increase = increase || increased;
        previous = node;
    }
    return 1;
}

bool CRandomCoverage::IsGoalReached() const {
    if (goal_ & kGoalTestCases) return false;
    auto reached = [&](int kind, int covered, int total) {
        return !(goal_ & kind) || total == 0 || percentage_ <= static_cast<double>(covered) / total;
    };
    return reached(kGoalBlocks, coveredBlocks_, GetTotalBlocks()) &&
           reached(kGoalSteps, coveredSteps_, totalSteps_) &&
           reached(kGoalConnections, coveredConnections_, totalConnections_) &&
           reached(kGoalBlockPairs, coveredPairs_, GetTotalPairs());
}

int CRandomCoverage::ComputeTarget(int maxTestCases) const {
    if (goal_ & kGoalTestCases) return maxTestCases;
    return (goal_ & kGoalBlocks ? GetTotalBlocks() : 0) + (goal_ & kGoalSteps ? totalSteps_ : 0) +
           (goal_ & kGoalConnections ? totalConnections_ : 0) + (goal_ & kGoalBlockPairs ? GetTotalPairs() : 0);
}

void AdvanceProgress(Progress& progress, int units) {
    for (; units > 0 && progress.Counts().remaining > 0; --units) progress.StepCompleted();
}
