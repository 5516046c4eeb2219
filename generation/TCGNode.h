#pragma once
// One search of the transition tests: from a simulated state, a path of test steps to a state
// in which a transition can be used, followed by the transition's own step. The transition's
// condition (its window usable, its own conditions) is solved into wanted variable values;
// each variable that the state lacks is brought to its value by a nested search for a
// transition (or an input into a control) that sets it, one nested node per variable, with
// backtracking over the candidates, the order of the variables and further solutions.
#include <cstddef>
#include <memory>
#include <optional>
#include <string>

#include "model/Combination.h"
#include "model/TCGParameters.h"
#include "model/TestStep.h"
#include "platform/ObjectList.h"

class CActionKav;
class CConditionTree;
class CTCGState;
class CTransitionKav;
class CWindowKav;
class Progress;

// Search results: found (for TryTransition: the caller may go on), not found, an error with
// its message in the global message buffer, stopped by the user.
enum TransitionSearchResult : int {
    kSearchError = -1,
    kSearchNotFound = 0,
    kSearchFound = 1,
    kSearchStopped = 2,
};

// Where a walk over the project's transitions stands: the window of the last hit and the
// index of that transition among the window's transitions; no window: from the beginning.
struct TransitionPosition {
    CWindowKav* window = nullptr;
    std::optional<std::size_t> index;
};

class CTCGNode {
public:
    // progress: where the search logs and polls for Stop; may be null.
    explicit CTCGNode(Progress* progress);
    CTCGNode(const CTCGNode&) = delete;
    CTCGNode& operator=(const CTCGNode&) = delete;
    virtual ~CTCGNode();

    // The window that opening this one opens: the first on its parent chain, itself included,
    // whose open method is not "with its parent". Null with W0508 when the chain ends first.
    static CWindowKav* GetOpeningWindow(CWindowKav* window);
    // The first dialog box on the window's parent chain, itself included, that the combination
    // holds system-modal; null when none or when that cannot be read.
    static CWindowKav* FindSystemModalDialog(CWindowKav* window, const CCombination& combination);

    // Fills resultPath with the steps of a path from the caller's state to one in which the
    // transition (mode 0 or 2) or an input of requiredValue into the window (mode 1, no
    // transition) can be used, followed by that step. position names the variable being set
    // ("$row,column" in its last part for a table cell). Called again with backtracking on the
    // same node after a success, it drops that solution and looks for the next one. Pushes one
    // record onto parameters, which the caller pops. The depth of the outermost search is 0.
    int SearchPathToTrans(CWindowKav* window, CTransitionKav* transition, const std::string& position, int mode,
                          OwningList<CTestStep>& resultPath, const std::string& requiredValue,
                          const CCombination& callerCombination, bool backtracking, int depth,
                          OwningList<CTCGParameters>& parameters);
    // Appends steps to the path (which starts in the given state) until a transition with a
    // "CloseApplication" action has been used. On -1 the path's steps are deleted.
    int SearchPathToEnd(const CCombination& start, OwningList<CTestStep>& resultPath);

    // The values under which the transition's condition holds, in the order they are worked on.
    CCombination wantedValues;
    // The working state; after success, the state after the last step of the path.
    CCombination combination;
    // The variables brought to their values so far, newest at the end.
    OwningList<CTCGState> states;

private:
    // A way to give the current variable its value: a transition of the window, or (mode 1, no
    // transition) the window itself, to be given value.
    struct Candidate {
        CWindowKav* window = nullptr;
        CTransitionKav* transition = nullptr;
        std::string value;
    };

    // The search over the wanted values once the condition does not hold at once; backtrack:
    // the last solution is rejected first.
    int Search(bool backtrack);

    // ---- The condition and its solutions
    int BuildCondition();
    int AppendEventValues(std::string& text);
    // The next wanted values: the same ones in reverse order once, else the solver's next.
    int NextCombination();
    // Restarts at the first variable from the caller's state.
    void StartAtFirstVariable();

    // ---- Bringing variables to their values
    // 1 when every variable from the current one on has its value, 0 when one cannot get it
    // (backtrack), -1, 2. resume: the current state's candidate search goes on.
    int WorkVariables(bool resume);
    bool HasWantedValue(const CVariable& variable) const;
    int FindPathForVariable(const CVariable& variable);
    int NextCandidate(const CVariable& variable, CTCGState& state, Candidate& candidate);
    bool AlreadyAsked(const CVariable& variable, const Candidate& candidate) const;
    // Runs the nested search for the candidate and joins its path to the result path; found
    // when the joined path holds and (only when mustClose) closes the application. 1 when the
    // caller may go on, -1, 2.
    int TryTransition(bool mustClose, const Candidate& candidate, bool& found);
    // No wanted variable up to the current one got a value in the state that breaks the condition.
    bool KeepsEarlierValues(const CCombination& state);
    // Takes the newest state off the stack and undoes its steps: 1, or 0 when none is left.
    int PopState();
    // The transition's own step after the path, with the steps that close dialogs in between.
    int SearchFinalPath();
    // Steps that close the system-modal dialogs in which the path stands when the next step
    // lies outside them. 1 (maybe none needed), 0 no way, -1.
    int ConnectPaths(const CTestStep& next, const CCombination& state, TransitionPosition& closing,
                     OwningList<CTestStep>& connecting);
    void RemoveFinalSteps();

    bool Stopped() const;
    // A line of the detailed log, after the node's indent.
    void Trace(const std::string& line) const;
    void Log(const std::string& line) const;

    Progress* progress_;
    // The call.
    CWindowKav* window_ = nullptr;
    CTransitionKav* transition_ = nullptr;
    std::string position_;
    int mode_ = 0;
    std::string requiredValue_;
    OwningList<CTestStep>* resultPath_ = nullptr;
    OwningList<CTCGParameters>* parameters_ = nullptr;
    const CCombination* initialCombination_ = nullptr;
    int depth_ = 0;
    std::string indent_;

    std::string conditionText_;
    std::unique_ptr<CConditionTree> condition_;
    bool conditionHolds_ = false;
    bool solverContinue_ = false;
    bool haveCombination_ = false;
    bool reversed_ = false;
    int solverSteps_ = 0;

    std::size_t entryLength_ = 0;
    std::size_t variableIndex_ = 0;
    // The variable being worked on; pushed onto states_ once it has its value.
    std::unique_ptr<CTCGState> currentState_;
    // Steps of the final path at the end of the result path: the connecting steps and the
    // transition's own step.
    std::size_t finalSteps_ = 0;
};

// The next transition in the project, from the position on (the windows in the order of the
// window table, each one's transitions in order), with an action of that name ("OpenWindow"
// also takes "OpenModalDialog") whose first argument, without its first and last character,
// names the window (without case), or that has no arguments. The position moves onto the hit.
CTransitionKav* FindTransitionOpeningWindow(const std::string& actionName, const std::string& windowName,
                                            TransitionPosition& position);
// The next transition of the window after the position whose event sets the window's
// attribute to the value: 1 (position on it), 0 none, -1 with a message.
int FindTransitionSettingValue(CWindowKav& window, const std::string& attribute, const std::string& value,
                               std::optional<std::size_t>& position, CTransitionKav*& transition);
// The first argument of the action without its first and last character (the "#" around a
// designator); empty when it has none.
std::string FirstArgumentName(const CActionKav& action);
// The window that the designator names, or null.
CWindowKav* ResolveWindow(const std::string& designator);
// A backslash before every backslash and every double quote.
std::string EscapeQuotes(const std::string& text);
// The test step of the transition (modes 0 and 2) or of entering the value into the window
// (mode 1; position's last part "$row,column" for a table). Null with a message.
std::unique_ptr<CTestStep> CreateTransitionStep(CWindowKav* window, CTransitionKav* transition,
                                                const std::string& value, const std::string& position, int mode);

// Steps of other lists lined up for one simulation; the view does not own them.
class StepView {
public:
    StepView() = default;
    StepView(const StepView&) = delete;
    StepView& operator=(const StepView&) = delete;
    ~StepView() { steps_.Pointers().clear(); }
    void Append(const OwningList<CTestStep>& steps) {
        for (CTestStep* step : steps) steps_.Pointers().push_back(step);
    }
    void Add(CTestStep* step) { steps_.Pointers().push_back(step); }
    OwningList<CTestStep>& Steps() { return steps_; }

private:
    OwningList<CTestStep> steps_;
};
