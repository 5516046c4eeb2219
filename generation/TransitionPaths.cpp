// The transition search joining paths: a nested search's path after the path found so far,
// the transition's own step at the end, the steps that close system-modal dialogs in between,
// and the way from a found path to the end of the application.
#include <algorithm>
#include <vector>

#include "conditions/ConditionContext.h"
#include "conditions/ConditionEvaluator.h"
#include "generation/GenerationSettings.h"
#include "generation/GuiSimulation.h"
#include "generation/SimulationSupport.h"
#include "generation/TCGNode.h"
#include "generation/TCGState.h"
#include "model/CloneFlags.h"
#include "model/TransitionKav.h"
#include "model/WindowKav.h"
#include "platform/Format.h"
#include "platform/MessageBuffer.h"
#include "platform/Progress.h"

namespace {

// Simulates the steps from the state, which becomes the state after them.
int SimulateJoined(StepView& steps, CCombination& state, bool& closed) {
    return SimulatePath(steps.Steps(), state, closed, false, false);
}

}  // namespace

int CTCGNode::TryTransition(bool mustClose, const Candidate& candidate, bool& found) {
    found = false;
    CTCGState& state = *currentState_;
    bool again = false;
    for (;;) {
        Trace(Fmt("*** RECURSION DEPTH %d ***", depth_ + 1));
        const int searched = state.node->SearchPathToTrans(candidate.window, candidate.transition, state.variable,
                                                           state.mode, state.steps, candidate.value, combination,
                                                           again, depth_ + 1, *parameters_);
        Trace(Fmt("*** END OF RECURSION DEPTH %d ***", depth_ + 1));
        if (parameters_->empty()) {
            SetMessage(41052);
            return kSearchError;
        }
        parameters_->Delete(parameters_->back());
        if (searched == kSearchError || searched == kSearchStopped) return searched;
        if (searched == kSearchNotFound) {
            Trace("### No solution found => try next transition");
            state.steps.DeleteAll();
            return 1;
        }
        // Whatever fails from here asks the nested search for its next solution.
        again = true;
        TransitionPosition closing;
        OwningList<CTestStep> connecting;
        const int connected = ConnectPaths(*state.steps.front(), combination, closing, connecting);
        if (connected < 0) return kSearchError;
        if (connected == 0) {
            Trace("### No connection found for paths => try next path");
            continue;
        }
        StepView joined;
        joined.Append(*resultPath_);
        joined.Append(connecting);
        joined.Append(state.steps);
        CCombination simulated;
        initialCombination_->CopyTo(simulated);
        bool closed = false;
        const int valid = SimulateJoined(joined, simulated, closed);
        if (valid < 0) return kSearchError;
        if (valid == 0) {
            Trace("### Path simulation is invalid => try next path");
            continue;
        }
        if (closed != mustClose) {
            Trace("### Path to end does not terminate => try next path");
            continue;
        }
        if (!KeepsEarlierValues(simulated)) {
            Trace("### Path changes previous variables => try next path");
            continue;
        }
        Log("Found valid Path");
        combination.CopyTo(state.combination);
        state.stepCount = 0;
        for (const OwningList<CTestStep>* part : {&connecting, &state.steps})
            for (const CTestStep* step : *part) {
                resultPath_->Add(step->Clone(kCloneKeepReferences));
                ++state.stepCount;
            }
        simulated.CopyTo(combination);
        states.Add(currentState_.release());
        found = true;
        return 1;
    }
}

bool CTCGNode::KeepsEarlierValues(const CCombination& state) {
    const auto& wanted = wantedValues.GetVariables();
    for (size_t i = 0; i <= variableIndex_ && i < wanted.size(); ++i) {
        CVariable& variable = *wanted[i];
        std::string now;
        const std::string value = variable.GetValues();
        if (!ReadDesignator(variable.GetName(), state, now) || now == variable.GetValuesOneLine()) continue;
        // The condition may hold with the new value as well.
        variable.SetValues(now);
        const int holds = EvaluateToBool(InitConditionContext(), condition_.get(), wantedValues);
        variable.SetValues(value);
        if (holds != 1) return false;
    }
    return true;
}

int CTCGNode::SearchFinalPath() {
    std::unique_ptr<CTestStep> finalStep = CreateTransitionStep(window_, transition_, requiredValue_, position_, mode_);
    if (!finalStep) return kSearchError;
    finalStep->GetParameters() = CTCGParameters(window_, transition_, position_, requiredValue_);
    TransitionPosition closing;
    for (;;) {
        OwningList<CTestStep> connecting;
        const int connected = ConnectPaths(*finalStep, combination, closing, connecting);
        if (connected < 0) return kSearchError;
        if (connected == 0) {
            Trace("### No connection found for path and final transition => try next path");
            return kSearchNotFound;
        }
        StepView joined;
        joined.Append(*resultPath_);
        joined.Append(connecting);
        joined.Add(finalStep.get());
        CCombination simulated;
        initialCombination_->CopyTo(simulated);
        bool closed = false;
        const int valid = SimulateJoined(joined, simulated, closed);
        if (valid < 0) return kSearchError;
        if (valid == 1) {
            Log("Found valid Final Path");
            finalSteps_ = connecting.size() + 1;
            while (!connecting.empty()) resultPath_->Add(connecting.ReleaseAt(0));
            resultPath_->Add(finalStep.release());
            simulated.CopyTo(combination);
            return kSearchFound;
        }
        Trace("### Final Path simulation is invalid => try next path");
        // Without a closing step there is no other way to the transition.
        if (connecting.empty()) return kSearchNotFound;
    }
}

int CTCGNode::ConnectPaths(const CTestStep& next, const CCombination& state, TransitionPosition& closing,
                           OwningList<CTestStep>& connecting) {
    connecting.DeleteAll();
    std::string activeName;
    if (!ReadDesignator("ActiveWnd", state, activeName)) return kSearchError;
    CWindowKav* active = ResolveWindow(activeName);
    if (!active) {
        SetMessage(44503, activeName);
        return kSearchError;
    }
    CWindowKav* dialog = FindSystemModalDialog(active, state);
    if (!dialog) return 1;
    if (!next.GetStartWindow()) {
        SetMessage(44504);
        return kSearchError;
    }
    CWindowKav* target = FindSystemModalDialog(next.GetStartWindow(), state);
    if (target == dialog) return 1;

    auto addClosingStep = [&](CTransitionKav* transition, CWindowKav* closed) {
        connecting.Add(CreateTransitionStep(nullptr, transition, "", "", kStateByAction).release());
        Log("Adding additional step to close systemmodal dialogBox " + PathText(closed));
    };
    CTransitionKav* transition = FindTransitionOpeningWindow("CloseWindow", PathText(dialog), closing);
    if (!transition) {
        Trace("    ### No more CloseWindow actions found");
        return kSearchNotFound;
    }
    addClosingStep(transition, dialog);
    // Closing a dialog may lead into another one, which must be closed too.
    std::vector<CWindowKav*> closed{dialog};
    for (;;) {
        CWindowKav* destination = transition->GetDestWindow();
        CWindowKav* further = destination ? FindSystemModalDialog(destination, state) : nullptr;
        if (further && further == closed.back()) {
            SetMessage(44590, PathText(further));
            connecting.DeleteAll();
            return kSearchError;
        }
        if (!further || further == target) return 1;
        TransitionPosition fromStart;
        // Dialogs that close into each other never lead out.
        transition = std::find(closed.begin(), closed.end(), further) == closed.end()
                         ? FindTransitionOpeningWindow("CloseWindow", PathText(further), fromStart)
                         : nullptr;
        if (!transition) {
            Trace("    ### No more CloseWindow actions found");
            connecting.DeleteAll();
            return kSearchNotFound;
        }
        addClosingStep(transition, further);
        closed.push_back(further);
    }
}

int CTCGNode::SearchPathToEnd(const CCombination& start, OwningList<CTestStep>& resultPath) {
    depth_ = 1;
    indent_ = "    ";
    if (progress_ && GetGenerationSettings().detailedLog)
        progress_->AddLogText(Fmt("    SearchPathToEnd(initComb members: %d , resultPath length: %d)",
                                  static_cast<int>(start.GetVariables().size()), static_cast<int>(resultPath.size())));
    CCombination after;
    start.CopyTo(after);
    bool closed = false;
    const int valid = SimulatePath(resultPath, after, closed, false, false);
    if (valid != 1) {
        if (valid == 0) SetMessage(44502);
        resultPath.DeleteAll();
        return kSearchError;
    }
    if (closed) return kSearchFound;

    // The nested searches skip what the path's steps were searched for already.
    OwningList<CTCGParameters> parameters;
    for (const CTestStep* step : resultPath) parameters.Add(new CTCGParameters(step->GetParameters()));
    resultPath_ = &resultPath;
    parameters_ = &parameters;
    initialCombination_ = &start;
    after.CopyTo(combination);
    entryLength_ = resultPath.size();
    states.DeleteAll();
    wantedValues.RemoveAll();
    variableIndex_ = 0;
    currentState_ = std::make_unique<CTCGState>();
    currentState_->mode = kStateByAction;
    TransitionPosition at;
    for (;;) {
        CTransitionKav* closing = FindTransitionOpeningWindow("CloseApplication", "", at);
        if (!closing) {
            Trace("### No more CloseApplication actions found");
            currentState_.reset();
            return kSearchNotFound;
        }
        currentState_->node = std::make_unique<CTCGNode>(progress_);
        currentState_->steps.DeleteAll();
        bool found = false;
        const int tried = TryTransition(true, {at.window, closing, ""}, found);
        if (tried != 1 || found) {
            currentState_.reset();
            return found ? kSearchFound : tried;
        }
    }
}
