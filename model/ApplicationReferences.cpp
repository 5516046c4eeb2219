// Text replacement in the steps of the model: how references by name follow a rename.
#include <utility>

#include "model/ApplicationKav.h"
#include "platform/TextUtil.h"

namespace {

// Writes the text back only when something was replaced in it.
template <class Object>
void ReplaceIn(Object& object, std::string (Object::*get)() const, bool (Object::*set)(const std::string&),
               const std::string& oldText, const std::string& newText) {
    std::string result;
    if (ReplaceNoCase((object.*get)(), result, oldText, newText)) (object.*set)(result);
}

using StepGetter = std::string (CStepKav::*)() const;
using StepSetter = bool (CStepKav::*)(const std::string&);
const std::pair<StepGetter, StepSetter> kReplacedStepTexts[] = {
    {&CStepKav::GetEvent, &CStepKav::SetEvent},
    {&CStepKav::GetCommands, &CStepKav::SetCommands},
    {&CStepKav::GetDescription, &CStepKav::SetDescription},
    {&CStepKav::GetInput, &CStepKav::SetInput},
    {&CStepKav::GetExpectedResult, &CStepKav::SetExpectedResult},
    {&CStepKav::GetResultValue, &CStepKav::SetResultValue},
};

}  // namespace

bool CApplicationKav::ReplaceTextInStep(CStepKav* step, const std::string& oldText, const std::string& newText) {
    if (!step) return false;
    for (const auto& [get, set] : kReplacedStepTexts) ReplaceIn(*step, get, set, oldText, newText);
    for (CConditionKav* condition : step->GetConditions())
        ReplaceIn(*condition, &CConditionKav::GetText, &CConditionKav::SetText, oldText, newText);
    for (CActionKav* action : step->GetActions())
        for (CArgumentKav* argument : action->GetArguments())
            ReplaceIn(*argument, &CArgumentKav::GetValue, &CArgumentKav::SetValue, oldText, newText);
    if (step->GetStepType() == kStepTask) {
        auto& taskStep = static_cast<CTaskStep&>(*step);
        if (taskStep.GetSubTask()) {
            ReplaceIn(taskStep, &CTaskStep::GetLoopCount, &CTaskStep::SetLoopCount, oldText, newText);
            for (CAttributeKav* parameter : taskStep.GetAttributes())
                ReplaceIn(*parameter, &CAttributeKav::GetValue, &CAttributeKav::SetValue, oldText, newText);
        }
    }
    return true;
}

bool CApplicationKav::ReplaceTextInTaskTree(CTaskKav* task, const std::string& oldText, const std::string& newText) {
    for (CTaskStep* step : task->GetSteps()) ReplaceTextInStep(step, oldText, newText);
    for (CTaskKav* child : task->GetChildren()) ReplaceTextInTaskTree(child, oldText, newText);
    return true;
}
