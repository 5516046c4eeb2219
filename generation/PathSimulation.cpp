// Playing a path of test steps on the simulated application.
#include "conditions/ConditionContext.h"
#include "conditions/Designator.h"
#include "conditions/DesignatorValues.h"
#include "conditions/EventParser.h"
#include "generation/GuiSimulation.h"
#include "generation/SimulationSupport.h"
#include "generation/TCGNode.h"
#include "model/Combination.h"
#include "model/TaskStep.h"
#include "model/TestStep.h"
#include "model/WindowKav.h"
#include "platform/MessageBuffer.h"

namespace {

// Where a test step's conditions and actions are: the transition it was made from, else its
// base step, or the transition that base step performs.
CStepKav* SourceStep(const CTestStep& step) {
    if (step.GetTransition()) return step.GetTransition();
    CTaskStep* base = step.GetBaseStep();
    if (base && base->GetTransition()) return base->GetTransition();
    return base;
}

// The event with its arguments evaluated, and the designators of the other texts replaced.
int ExpandStepTexts(const CEventParser& parser, CTestStep& step, const CWindowKav& window,
                    const CCombination& combination) {
    std::string event;
    bool constant = true;
    if (parser.EvaluateArguments(step.GetEvent(), &window, combination, event, constant) != 1) return -1;
    step.SetEvent(event);
    struct Text {
        std::string (CStepKav::*get)() const;
        bool (CStepKav::*set)(const std::string&);
    };
    for (Text text : {Text{&CStepKav::GetCommands, &CStepKav::SetCommands},
                      Text{&CStepKav::GetDescription, &CStepKav::SetDescription},
                      Text{&CStepKav::GetInput, &CStepKav::SetInput},
                      Text{&CStepKav::GetExpectedResult, &CStepKav::SetExpectedResult}}) {
        const std::string original = (step.*text.get)();
        if (original.empty()) continue;
        std::string expanded;
        if (ExpandDesignators(InitConditionContext(), original, combination, expanded) != 1) return -1;
        (step.*text.set)(expanded);
    }
    return 1;
}

// The active window, from "ActiveWnd"; null with W0505.
CWindowKav* ActiveWindow(const CCombination& combination) {
    std::string name;
    CKavroObj* active = ReadDesignator("ActiveWnd", combination, name) ? ResolveDesignatorObject(name) : nullptr;
    if (!active || active->GetKind() != kKindWindow) {
        SetMessage(44505, name);
        return nullptr;
    }
    return static_cast<CWindowKav*>(active);
}

int WalkPath(OwningList<CTestStep>& steps, CCombination& combination, bool& applicationClosed, bool verify,
             bool expandTexts) {
    const CEventParser parser;
    for (size_t i = 0; i < steps.size();) {
        CTestStep& step = *steps[i];
        CWindowKav* window = step.GetStartWindow();
        if (!window) {
            SetMessage(41058);
            return -1;
        }
        if (const int usable = IsWindowUsable(*window, combination, false); usable != 1) return usable;
        CWindowKav* active = ActiveWindow(combination);
        if (!active) return -1;
        // A system-modal dialog keeps the test inside it.
        if (CWindowKav* dialog = CTCGNode::FindSystemModalDialog(active, combination))
            if (CTCGNode::FindSystemModalDialog(window, combination) != dialog) return 0;
        if (expandTexts && ExpandStepTexts(parser, step, *window, combination) != 1) return -1;
        if (const int set = AssignEventValue(parser, step.GetEvent(), *window, combination); set != 1) return set;

        // The walk goes on after the Verify steps that the actions insert.
        size_t next = i + 1;
        if (CStepKav* source = SourceStep(step)) {
            if (const int holds = PreconditionsHold(*source, combination); holds != 1) return holds;
            for (const CActionKav* action : source->GetActions()) {
                ActionEffects effects;
                if (SimulateAction(*action, combination, verify, false, nullptr, effects) != 1) return -1;
                if (effects.verifyStep)
                    steps.InsertAt(next++, static_cast<CTestStep*>(effects.verifyStep.release()));
                if (effects.applicationClosed) {
                    applicationClosed = true;
                    return next == steps.size() ? 1 : 0;
                }
            }
        }

        // A step without destination stays in its window.
        CWindowKav* destination = step.GetDestWindow() ? step.GetDestWindow() : window;
        if (!AssignDesignator("ActiveWnd", PathText(destination), combination)) return -1;
        const int usable = IsWindowUsable(*destination, combination, false);
        if (usable == 0) SetMessage(44506, PathText(destination));
        if (usable != 1) return -1;
        i = next;
    }
    return 1;
}

}  // namespace

int SimulatePath(OwningList<CTestStep>& steps, CCombination& combination, bool& applicationClosed, bool verify,
                 bool expandTexts) {
    applicationClosed = false;
    const int result = WalkPath(steps, combination, applicationClosed, verify, expandTexts);
    if (result != 1) combination.RemoveAll();
    return result;
}
