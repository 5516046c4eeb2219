// Deep equality of steps: this step's references are compared with the other step's
// reference texts, as a step read from a project file carries them.
#include "model/ModelEquality.h"
#include "model/StepKav.h"
#include "model/TaskStep.h"
#include "model/TransitionKav.h"
#include "model/WindowKav.h"

namespace {

bool WindowMatches(const CWindowKav* window, const std::string& idText) {
    return window ? window->GetInternalID() == idText : idText.empty();
}

bool ActionsEqual(const CActionKav& a, const CActionKav& b) {
    return a.GetName() == b.GetName() && a.GetNumber() == b.GetNumber() &&
           ListsEqual(a.GetArguments(), b.GetArguments(), [](const CArgumentKav& x, const CArgumentKav& y) {
               return x.GetNumber() == y.GetNumber() && x.GetValue() == y.GetValue();
           });
}

}  // namespace

bool CStepKav::IsEqual(const CStepKav* other) const {
    if (!other || stepType_ != other->stepType_) return false;
    if (name_ != other->name_ || event_ != other->event_ || commands_ != other->commands_) return false;
    if (description_ != other->description_ || input_ != other->input_ ||
        expectedResult_ != other->expectedResult_)
        return false;
    if (delay_ != other->delay_ || criticality_ != other->criticality_) return false;
    if (resultValue_ != other->resultValue_) return false;
    if (!WindowMatches(startWindow_, other->startWndId_) || !WindowMatches(destWindow_, other->destWndId_))
        return false;
    if (!ListsEqual(conditions_, other->conditions_, ConditionsEqual)) return false;
    if (!ListsEqual(actions_, other->actions_, ActionsEqual)) return false;
    if (!AttributeListsEqual(attributes_, other->attributes_)) return false;
    switch (stepType_) {
        case kStepTransition:
            return static_cast<const CTransitionKav*>(this)->GetErrorCase() ==
                   static_cast<const CTransitionKav*>(other)->GetErrorCase();
        case kStepTask:
            return static_cast<const CTaskStep*>(this)->HasEqualFlowFields(*static_cast<const CTaskStep*>(other));
        default:
            return true;
    }
}
