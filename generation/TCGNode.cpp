// The transition search: the condition under which the transition can be used, its solutions,
// and the walk over their variables with backtracking.
#include "generation/TCGNode.h"

#include <algorithm>

#include "conditions/ConditionContext.h"
#include "conditions/ConditionEvaluator.h"
#include "conditions/ConditionParser.h"
#include "conditions/ConditionTree.h"
#include "conditions/Designator.h"
#include "conditions/EventParser.h"
#include "conditions/SatisfyingValueSearch.h"
#include "conditions/ValueTypes.h"
#include "generation/GenerationSettings.h"
#include "generation/SimulationSupport.h"
#include "generation/TCGState.h"
#include "model/ApplicationKav.h"
#include "model/ConditionKav.h"
#include "model/ShellServices.h"
#include "model/TransitionKav.h"
#include "model/windows/WindowTypes.h"
#include "platform/Format.h"
#include "platform/MessageBuffer.h"
#include "platform/Progress.h"
#include "platform/TextUtil.h"

namespace {

// The condition text is built in a buffer of this many characters.
constexpr size_t kMaxConditionText = 2048;

// The actions that give a control its own value: a transition of the control or an input into
// it can set them.
bool SetsControlValue(const std::string& action) {
    for (const char* name :
         {"SetInputField", "SetCheckBox", "SetRadioGroup", "SetComboBox", "SetTabControl", "SetTableCell"})
        if (EqualsNoCase(action, name)) return true;
    return false;
}

DesignatorParts SplitName(const std::string& designator) {
    DesignatorParts parts;
    SplitDesignator(designator, parts);
    return parts;
}

// How the actions that open and close windows name them: "^Library:" before a library's window.
std::string WindowDesignator(const DesignatorParts& parts) {
    return (parts.library.empty() ? "" : "^" + parts.library + ":") + parts.window;
}

void NextMode(CTCGState& state, int mode) {
    state.mode = mode;
    state.window = nullptr;
    state.position.reset();
}

}  // namespace

CTCGNode::CTCGNode(Progress* progress) : progress_(progress) {}

// Out of line: deleting the states and the condition needs their complete types.
CTCGNode::~CTCGNode() = default;

int CTCGNode::SearchPathToTrans(CWindowKav* window, CTransitionKav* transition, const std::string& position,
                                int mode, OwningList<CTestStep>& resultPath, const std::string& requiredValue,
                                const CCombination& callerCombination, bool backtracking, int depth,
                                OwningList<CTCGParameters>& parameters) {
    window_ = window;
    transition_ = transition;
    position_ = position;
    mode_ = mode;
    requiredValue_ = requiredValue;
    resultPath_ = &resultPath;
    parameters_ = &parameters;
    initialCombination_ = &callerCombination;
    depth_ = depth;
    indent_ = std::string(4 + 2 * static_cast<size_t>(std::max(depth, 0)), ' ');
    Trace(Fmt("SearchPathToTrans(wnd = %s, trans = %s, posInWnd = %s, next = %d, initComb members: %d, "
              "reqCtrlValue = %s, resultPath length: %d)",
              PathText(window), transition ? transition->GetName() : std::string("<Empty>"), position,
              backtracking ? 1 : 0, static_cast<int>(callerCombination.GetVariables().size()), requiredValue,
              static_cast<int>(resultPath.size())));
    parameters.Add(new CTCGParameters(window, transition, position, requiredValue));

    if (Stopped()) return kSearchStopped;
    if (depth > GetGenerationSettings().maxRecursionDepth) {
        Trace("### Maximum number of recursions reached => break to avoid infinite loop");
        return kSearchNotFound;
    }
    if (backtracking) {
        RemoveFinalSteps();
        if (conditionHolds_) {
            Trace("### Condition OK (backtracking) => reject solution");
            return kSearchNotFound;
        }
        return Search(true);
    }

    states.DeleteAll();
    currentState_.reset();
    wantedValues.RemoveAll();
    conditionHolds_ = solverContinue_ = haveCombination_ = reversed_ = false;
    solverSteps_ = 0;
    finalSteps_ = 0;
    entryLength_ = resultPath.size();
    if (const int built = BuildCondition(); built != 1) return built;
    condition_ = ParseCondition(InitConditionContext(), conditionText_);
    if (!condition_) return kSearchError;
    callerCombination.CopyTo(combination);
    const int holds = EvaluateToBool(InitConditionContext(), condition_.get(), combination);
    if (holds < 0) return kSearchError;
    if (holds == 0) return Search(false);

    // The transition can be used at once.
    conditionHolds_ = true;
    std::unique_ptr<CTestStep> step = CreateTransitionStep(window_, transition_, requiredValue_, position_, mode_);
    if (!step) return kSearchError;
    step->GetParameters() = CTCGParameters(window_, transition_, position_, requiredValue_);
    resultPath.Add(step.release());
    finalSteps_ = 1;
    Log("Condition OK");
    return kSearchFound;
}

int CTCGNode::Search(bool backtrack) {
    for (;;) {
        bool resume = false;
        if (backtrack) {
            const int popped = PopState();
            if (popped < 0) return popped;
            resume = popped == 1;
        }
        if (!resume) {
            // Every variable of these values is exhausted: the next values.
            if (const int next = NextCombination(); next != 1) return next;
            StartAtFirstVariable();
        }
        const int worked = WorkVariables(resume);
        if (worked == 1) {
            const int final = SearchFinalPath();
            if (final != kSearchNotFound) return final;
        } else if (worked != kSearchNotFound) {
            return worked;
        }
        backtrack = true;
    }
}

int CTCGNode::BuildCondition() {
    CWindowKav* opening = GetOpeningWindow(window_);
    if (!opening) return kSearchError;
    std::string text = "(#" + PathText(opening) + ":$Exist#)";
    for (const CWindowKav* w = window_; w; w = w->GetParent()) {
        const std::string path = PathText(w);
        text += " AND #" + path + ":$Visible# AND #" + path + ":$Enabled#";
    }
    if ((mode_ == kStateByEvent || mode_ == kStateByInput) && window_->GetType() == kWndInputField)
        text += " AND NOT #" + PathText(window_) + ":$ReadOnly#";
    if (mode_ == kStateByEvent && transition_) {
        if (const int values = AppendEventValues(text); values != 1) return values;
    }
    if (transition_) {
        for (const CConditionKav* condition : transition_->GetConditions()) {
            std::string resolved = condition->GetText();
            if (!CurrentApplication || CurrentApplication->GetMetaConditions().ResolveMetaIds(resolved, std::nullopt) != 1) {
                SetMessage(44500, condition->GetText());
                return kSearchError;
            }
            text += " AND (" + resolved + ")";
        }
    }
    if (Utf16Length(text) > kMaxConditionText) {
        SetMessage(44088, static_cast<int>(kMaxConditionText));
        return kSearchError;
    }
    conditionText_ = text;
    return 1;
}

int CTCGNode::AppendEventValues(std::string& text) {
    CCombination needed;
    const int sets = CEventParser().EventSetsValue(transition_->GetEvent(), window_, SplitName(position_).attribute,
                                                   requiredValue_, needed);
    if (sets != 1) return sets < 0 ? kSearchError : kSearchNotFound;
    for (const CVariable* variable : needed.GetVariables()) {
        const std::string value = variable->GetValuesOneLine();
        text += " AND (#" + variable->GetName() + "#=" +
                (AreTypesCompatible(variable->GetType(), kTypeString) ? "\"" + value + "\"" : value) + ")";
    }
    return 1;
}

int CTCGNode::NextCombination() {
    if (haveCombination_ && !reversed_ && wantedValues.GetVariables().size() > 1) {
        Trace("### Reverse order of combination");
        CCombination reversed;
        const std::vector<CVariable*> variables = wantedValues.GetVariables().Snapshot();
        for (auto v = variables.rbegin(); v != variables.rend(); ++v) reversed.AddVariable(new CVariable(**v));
        reversed.CopyTo(wantedValues);
        reversed_ = true;
        return 1;
    }
    for (;;) {
        wantedValues.RemoveAll();
        const int proposed = condition_->FindSatisfyingValues("TRUE", solverContinue_, wantedValues,
                                                              InitConditionContext(), solverSteps_);
        solverContinue_ = true;
        if (proposed < 0) return kSearchError;
        // Past its step limit the solver proposes nothing new.
        if (proposed == 0 || solverSteps_ > kSearchStepLimit) {
            wantedValues.RemoveAll();
            Trace("### No more combinations possible");
            return kSearchNotFound;
        }
        if (EvaluateToBool(InitConditionContext(), condition_.get(), wantedValues) == 1) break;
    }
    Log("Found valid Combination");
    haveCombination_ = true;
    reversed_ = false;
    return 1;
}

void CTCGNode::StartAtFirstVariable() {
    states.DeleteAll();
    currentState_.reset();
    while (resultPath_->size() > entryLength_) resultPath_->Delete(resultPath_->back());
    initialCombination_->CopyTo(combination);
    variableIndex_ = 0;
    finalSteps_ = 0;
}

int CTCGNode::WorkVariables(bool resume) {
    for (; variableIndex_ < wantedValues.GetVariables().size(); ++variableIndex_) {
        const CVariable& variable = *wantedValues.GetVariables()[variableIndex_];
        if (!resume) {
            if (variable.GetActionName().empty() || HasWantedValue(variable)) continue;
            currentState_ = std::make_unique<CTCGState>();
            currentState_->variable = variable.GetName();
            currentState_->value = variable.GetValuesOneLine();
        }
        resume = false;
        if (const int found = FindPathForVariable(variable); found != kSearchFound) return found;
    }
    return kSearchFound;
}

bool CTCGNode::HasWantedValue(const CVariable& variable) const {
    std::string value;
    if (!ReadDesignator(variable.GetName(), combination, value)) return false;
    const std::string wanted = variable.GetValuesOneLine();
    return variable.GetType() == kTypeBool ? EqualsNoCase(value, wanted) : value == wanted;
}

int CTCGNode::FindPathForVariable(const CVariable& variable) {
    for (;;) {
        Candidate candidate;
        const int next = NextCandidate(variable, *currentState_, candidate);
        if (next < 0) return kSearchError;
        if (next == 0) {
            Trace("### No suitable action found => backtrack to last variable");
            currentState_.reset();
            return kSearchNotFound;
        }
        if (AlreadyAsked(variable, candidate)) {
            Trace("### Avoiding infinite loop => search next action");
            continue;
        }
        currentState_->node = std::make_unique<CTCGNode>(progress_);
        currentState_->steps.DeleteAll();
        bool found = false;
        if (const int tried = TryTransition(false, candidate, found); tried != 1) return tried;
        if (found) return kSearchFound;
    }
}

int CTCGNode::NextCandidate(const CVariable& variable, CTCGState& state, Candidate& candidate) {
    const std::string& action = variable.GetActionName();
    const DesignatorParts parts = SplitName(variable.GetName());
    for (;;) {
        switch (state.mode) {
            case kStateByEvent: {
                if (SetsControlValue(action)) {
                    CWindowKav* control = ResolveWindow(variable.GetName());
                    if (!control) {
                        SetMessage(41056, variable.GetName());
                        return -1;
                    }
                    CTransitionKav* transition = nullptr;
                    const int found =
                        FindTransitionSettingValue(*control, parts.attribute, state.value, state.position, transition);
                    if (found != 0) {
                        candidate = {control, transition, state.value};
                        return found;
                    }
                }
                NextMode(state, kStateByInput);
                break;
            }
            case kStateByInput: {
                if (!state.position) {
                    state.position = 0;
                    if (SetsControlValue(action)) {
                        CWindowKav* control = ResolveWindow(variable.GetName());
                        if (!control) {
                            SetMessage(41057, variable.GetName());
                            return -1;
                        }
                        candidate = {control, nullptr, state.value};
                        return 1;
                    }
                    // A window on a tab page becomes visible when its page is selected.
                    CTabControlKav* tabs = nullptr;
                    const CTabPage* page =
                        EqualsNoCase(parts.attribute, "$Visible") && EqualsNoCase(state.value, "TRUE") && CurrentApplication
                            ? CurrentApplication->GetWindowList().FindTabPage(WindowDesignator(parts), tabs)
                            : nullptr;
                    if (page) {
                        candidate = {tabs, nullptr, page->GetTitle()};
                        return 1;
                    }
                }
                NextMode(state, kStateByAction);
                break;
            }
            default: {
                const bool windowAction = EqualsNoCase(action, "OpenWindow") || EqualsNoCase(action, "OpenModalDialog") ||
                                          EqualsNoCase(action, "CloseWindow");
                TransitionPosition at{state.window, state.position};
                CTransitionKav* transition = FindTransitionOpeningWindow(
                    action, windowAction ? WindowDesignator(parts) : variable.GetName(), at);
                state.window = at.window;
                state.position = at.index;
                if (!transition) return 0;
                candidate = {at.window, transition, ""};
                return 1;
            }
        }
    }
}

bool CTCGNode::AlreadyAsked(const CVariable& variable, const Candidate& candidate) const {
    return parameters_->FindIf([&](const CTCGParameters* record) {
        return record->Matches(candidate.window, candidate.transition, variable.GetName(), candidate.value);
    }) != nullptr;
}

int CTCGNode::PopState() {
    if (states.empty()) return 0;
    currentState_.reset(states.ReleaseAt(states.size() - 1));
    currentState_->combination.CopyTo(combination);
    for (int i = 0; i < currentState_->stepCount && resultPath_->size() > entryLength_; ++i)
        resultPath_->Delete(resultPath_->back());
    const auto& variables = wantedValues.GetVariables();
    auto at = std::find_if(variables.begin(), variables.end(),
                           [&](const CVariable* v) { return EqualsNoCase(v->GetName(), currentState_->variable); });
    if (at == variables.end()) {
        SetMessage(41054, currentState_->variable);
        return -1;
    }
    variableIndex_ = static_cast<size_t>(at - variables.begin());
    return 1;
}

void CTCGNode::RemoveFinalSteps() {
    for (; finalSteps_ > 0 && resultPath_->size() > entryLength_; --finalSteps_) resultPath_->Delete(resultPath_->back());
    finalSteps_ = 0;
}

bool CTCGNode::Stopped() const { return progress_ && progress_->ShouldStop(); }

void CTCGNode::Trace(const std::string& line) const {
    if (progress_ && GetGenerationSettings().detailedLog) progress_->AddLogText(indent_ + line);
}

void CTCGNode::Log(const std::string& line) const {
    if (progress_) progress_->AddLogText(line);
}
