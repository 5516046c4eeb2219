// The directed searches of random testing, for when random extension stops finding new
// coverage: a randomized breadth search from the walk's end, the exploration of the blocks
// next to it, and paths constructed to uncovered steps through the steps that enable them.
#include <algorithm>
#include <unordered_map>

#include "conditions/ConditionContext.h"
#include "conditions/ConditionEvaluator.h"
#include "conditions/ConditionTree.h"
#include "generation/RandomTesting.h"
#include "generation/SimulationSupport.h"
#include "generation/TCGNode.h"
#include "model/ActionKav.h"
#include "model/ConditionKav.h"
#include "model/TransitionKav.h"
#include "model/WindowKav.h"
#include "platform/Clock.h"
#include "platform/TextUtil.h"

namespace {

// The depth of the constructive search's recursion through enabling steps.
constexpr int kConstructiveDepth = 5;
// Depths of the breadth searches that explore adjacent blocks.
constexpr int kAdjacentDepth = 15;
constexpr int kEntryDepth = 20;
// A breadth search gives up after this many milliseconds.
constexpr std::uint32_t kSearchTimeLimit = 5000;

// Whether a state recorded for a node stands for the new one: each of its variables has the
// same value there.
bool SameState(const CCombination& recorded, const CCombination& state) {
    return std::all_of(recorded.GetVariables().begin(), recorded.GetVariables().end(), [&](const CVariable* v) {
        const CVariable* now = state.FindVariable(v->GetName());
        return now && EqualsNoCase(now->GetValuesOneLine(), v->GetValuesOneLine());
    });
}

const CStepKav& Source(const CTaskNode& node) {
    const CTaskStep& step = *node.step;
    return step.GetTransition() ? static_cast<const CStepKav&>(*step.GetTransition()) : step;
}

bool IsOpeningAction(const CActionKav& action) {
    return EqualsNoCase(action.GetName(), "OpenWindow") || EqualsNoCase(action.GetName(), "OpenModalDialog");
}

// The action opens the window or a window above it.
bool OpensWindowOf(const CActionKav& action, const CWindowKav& window) {
    if (!IsOpeningAction(action)) return false;
    for (const CWindowKav* w = &window; w; w = w->GetParent())
        if (EqualsNoCase(FirstArgumentName(action), PathText(w))) return true;
    return false;
}

// The action gives the designator a value: a SetAttribute on it, or the opening of the window
// whose existence it names.
bool Sets(const CActionKav& action, const std::string& designator) {
    const std::string named = FirstArgumentName(action);
    if (EqualsNoCase(action.GetName(), "SetAttribute")) return EqualsNoCase(named, designator);
    static const std::string exist = ":$Exist";
    return IsOpeningAction(action) && designator.size() > exist.size() &&
           EqualsNoCase(designator.substr(designator.size() - exist.size()), exist) &&
           EqualsNoCase(named, designator.substr(0, designator.size() - exist.size()));
}

}  // namespace

int CTCRandomTesting::ConstructiveSearch(CTCRandomWalk& walk) {
    if (walk.IsEmpty()) return 0;
    CTCRandomWalk scratch;
    scratch.CopyLastNodeFrom(walk);
    bool success = false;
    if (strategy_ & kStrategyRandomSearch) {
        bool found = false;
        const int searched = RandomSearch(scratch, dfsDepth_, true, nullptr, found);
        if (searched != 0 && searched != 1) return searched;
        success = searched == 1;
        if (success) Trace("Randomized DFS uncovered an element");
    }
    if (!success && (strategy_ & kStrategyAdjacentBlocks)) {
        const int explored = ExploreAdjacentBlocks(scratch);
        if (explored != 0 && explored != 1) return explored;
        success = explored == 1;
        if (success) Trace("Exploration of adjacent Building Blocks uncovered an element");
    }
    if (!success && (strategy_ & kStrategyConstructive) && (coverage_->GetGoal() & kGoalSteps)) {
        for (const CTCGTask* graph : taskGraphs_) {
            for (CTaskNode* node : graph->GetNodes()) {
                if (node == graph->GetStartNode() || node->covered) continue;
                bool found = false;
                const int constructed = ConstructPathToGoal(node, scratch, found, kConstructiveDepth);
                if (constructed != 0 && constructed != 1) return constructed;
                success = constructed == 1;
                if (success) break;
            }
            if (success) break;
        }
        if (success) Trace("Constructive Path Search Method has uncovered an element.");
    }
    if (!success) return 0;
    // The scratch walk began at the walk's last node.
    CTaskNode* last = walk.LastNode();
    std::vector<CTaskNode*> gained;
    walk.AppendFrom(scratch, gained);
    bool increase = false;
    coverage_->AccountWalkCoverage(last, gained, increase, false);
    return 1;
}

int CTCRandomTesting::RandomSearch(CTCRandomWalk& walk, int depth, bool allowRestart, const CTaskNode* goal,
                                   bool& found) {
    found = false;
    if (walk.IsEmpty()) return 0;
    const std::uint32_t began = GetClock().TickCount();
    OwningList<CTCRandomWalk> frontier;
    frontier.Add(new CTCRandomWalk)->CopyLastNodeFrom(walk);
    // The states in which each node was reached already.
    std::unordered_map<const CTaskNode*, OwningList<CCombination>> reached;
    while (!frontier.empty()) {
        const std::unique_ptr<CTCRandomWalk> current(frontier.ReleaseAt(RandomIndex(frontier.size())));
        const std::vector<CTaskNode*>& successors = current->LastNode()->successors;
        const std::vector<CTaskNode*>* candidates = &successors;
        if (successors.empty()) candidates = allowRestart ? &blockEntryNodes_ : nullptr;
        for (CTaskNode* candidate : candidates ? *candidates : std::vector<CTaskNode*>{}) {
            auto extended = std::make_unique<CTCRandomWalk>();
            extended->CopyFrom(*current);
            const int simulated = SimulateStep(*extended, candidate);
            if (simulated < 0) return -1;
            if (simulated == 0) continue;
            OwningList<CCombination>& states = reached[candidate];
            if (std::any_of(states.begin(), states.end(),
                            [&](const CCombination* s) { return SameState(*s, extended->State()); }))
                continue;
            extended->State().CopyTo(*states.Add(new CCombination));
            bool increase = false;
            coverage_->AccountCoverage(extended->LastNode(), candidate, increase, true);
            if (increase || candidate == goal) {
                extended->Append(candidate);
                std::vector<CTaskNode*> gained;
                walk.AppendFrom(*extended, gained);
                found = increase;
                return 1;
            }
            const int length = static_cast<int>(extended->NodeCount()) + 1;
            if (static_cast<int>(walk.NodeCount()) + length < length_ && length < depth) {
                extended->Append(candidate);
                frontier.Add(extended.release());
            }
        }
        if (const int interrupted = Interrupted()) return interrupted;
        if (GetClock().TickCount() - began > kSearchTimeLimit) return 0;
    }
    return 0;
}

int CTCRandomTesting::ExploreAdjacentBlocks(CTCRandomWalk& walk) {
    if (walk.IsEmpty()) return 0;
    CTCRandomWalk copy;
    copy.CopyFrom(walk);
    auto fullyCovered = [](const CTCGTask* graph) {
        return graph->IsCovered() && graph->GetCoveredCount() >= graph->GetTarget();
    };
    const CTCGTask* block = coverage_->FindTaskGraph(walk.LastNode());
    bool found = false;
    if (block && !fullyCovered(block)) {
        const int searched = RandomSearch(copy, kAdjacentDepth, false, nullptr, found);
        if (searched == 1) walk.CopyFrom(copy);
        if (searched != 0) return searched;
    }
    const int deep = DepthFirstSearch(copy, found);
    if (deep != 1) return deep;
    if (found) {
        walk.CopyFrom(copy);
        return 1;
    }
    for (CTaskNode* entry : blockEntryNodes_) {
        if (fullyCovered(coverage_->FindTaskGraph(entry))) continue;
        CTCRandomWalk attempt;
        bool increase = false;
        const int extended = ExtendedCopy(walk, entry, attempt, increase);
        if (extended < 0) return -1;
        if (extended == 0) continue;
        const int searched = increase ? 1 : RandomSearch(attempt, kEntryDepth, false, nullptr, found);
        if (searched == 1) walk.CopyFrom(attempt);
        if (searched != 0) return searched;
    }
    return 0;
}

int CTCRandomTesting::DepthFirstSearch(CTCRandomWalk& walk, bool& found) {
    found = false;
    if (walk.IsEmpty()) return 0;
    if (const int interrupted = Interrupted()) return interrupted;
    const std::vector<CTaskNode*>& successors = walk.LastNode()->successors;
    // An end of its graph, or of the walk's length.
    if (successors.empty() || static_cast<int>(walk.NodeCount()) >= length_) return 1;
    for (CTaskNode* successor : successors) {
        CTCRandomWalk attempt;
        bool increase = false;
        const int extended = ExtendedCopy(walk, successor, attempt, increase);
        if (extended < 0) return -1;
        if (extended == 0) continue;
        const int deeper = increase ? 1 : DepthFirstSearch(attempt, found);
        found = found || increase;
        if (deeper == 1 && found) walk.CopyFrom(attempt);
        if (deeper != 0) return deeper;
    }
    return 0;
}

int CTCRandomTesting::ExtendedCopy(const CTCRandomWalk& walk, CTaskNode* node, CTCRandomWalk& extended,
                                   bool& increase) {
    extended.CopyFrom(walk);
    const int simulated = SimulateStep(extended, node);
    if (simulated != 1) return simulated;
    coverage_->AccountCoverage(extended.LastNode(), node, increase, true);
    extended.Append(node);
    return 1;
}

int CTCRandomTesting::ConstructPathToGoal(CTaskNode* goal, CTCRandomWalk& walk, bool& found, int depth) {
    found = false;
    if (!goal || depth <= 0) return 0;
    if (const int interrupted = Interrupted()) return interrupted;
    int result = DepthFirstSearch(walk, found);
    if (result != 1 || found) return result;
    CTaskNode* failing = nullptr;
    if ((result = AppendGoalPath(goal, walk, found, failing)) != 0) return result;

    const std::vector<CTaskNode*> enablers = FindEnablers(*failing, walk);
    if (enablers.empty()) return 0;
    bool enabled = false;
    result = ConstructPathToGoal(enablers.front(), walk, enabled, depth - 1);
    if (result != 1) return result;
    if (enabled) {
        found = true;
        return 1;
    }
    // The walk reached the enabling step: on to the goal once more.
    if ((result = DepthFirstSearch(walk, found)) != 1 || found) return result;
    result = AppendGoalPath(goal, walk, found, failing);
    return result;
}

int CTCRandomTesting::AppendGoalPath(CTaskNode* goal, CTCRandomWalk& walk, bool& found, CTaskNode*& failing) {
    found = false;
    TaskPath path;
    for (CTaskNode* node = goal; node; node = node->predecessors.empty() ? nullptr : node->predecessors.front())
        path.insert(path.begin(), node);
    path.erase(path.begin());  // the graph's start node
    CCombination state;
    walk.State().CopyTo(state);
    const int simulated = SimulateSteps(path, state, walk.Records(), failing);
    if (simulated != 1) return simulated;
    coverage_->AccountWalkCoverage(walk.LastNode(), path, found, true);
    for (CTaskNode* node : path) walk.Append(node);
    state.CopyTo(walk.State());
    return 1;
}

std::vector<CTaskNode*> CTCRandomTesting::FindEnablers(const CTaskNode& failing, const CTCRandomWalk& walk) const {
    // What the failing step lacks: its window, or values under which its conditions hold.
    const CWindowKav* window = failing.step->GetStartWindow();
    const CVariable* exists = window ? walk.State().FindVariable(PathText(window) + ":$Exist") : nullptr;
    const bool windowMissing = window && !(exists && EqualsNoCase(exists->GetValuesOneLine(), "TRUE"));
    std::vector<std::string> wanted;
    for (CConditionKav* condition : Source(failing).GetConditions()) {
        CConditionTree* tree = condition->Parse();
        if (!tree || EvaluateToBool(InitConditionContext(), tree, walk.State()) == 1) continue;
        CCombination values;
        int steps = 0;
        if (tree->FindSatisfyingValues("TRUE", false, values, InitConditionContext(), steps) != 1) continue;
        for (const CVariable* value : values.GetVariables()) wanted.push_back(value->GetName());
        tree->ResetSearch(values);
    }

    std::vector<CTaskNode*> enablers;
    for (const CTCGTask* graph : taskGraphs_)
        for (CTaskNode* node : graph->GetNodes()) {
            if (node == graph->GetStartNode()) continue;
            const auto& actions = Source(*node).GetActions();
            const bool supplies = std::any_of(actions.begin(), actions.end(), [&](const CActionKav* action) {
                return (windowMissing && OpensWindowOf(*action, *window)) ||
                       std::any_of(wanted.begin(), wanted.end(), [&](const std::string& d) { return Sets(*action, d); });
            });
            if (!supplies) continue;
            CCombination state;
            walk.State().CopyTo(state);
            CTaskNode* failed = nullptr;
            if (SimulateSteps({node}, state, walk.Records(), failed) == 1) enablers.push_back(node);
        }
    return enablers;
}
