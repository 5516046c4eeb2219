#pragma once
// The texts of a step that hold designators, as the passes that rewrite designators visit
// them: event, commands, description, input, expected result, result value, the text of each
// condition, the value of each argument of each action, and, for a task step that calls a
// sub-task, its loop count and the value of each parameter.
#include <string>

#include "model/StepKav.h"
#include "model/TaskStep.h"

enum class TextRewrite { Unchanged, Changed, Failed };

// The texts of the step and of its conditions are handed to rewrite without a copy.
// rewrite(text, result) tells whether it put a new text into result, left the text as it was,
// or failed. A new text is written back at once; the first failure ends the walk with FALSE.
template <class Rewrite>
bool RewriteStepTexts(CStepKav& step, Rewrite rewrite) {
    auto apply = [&](auto& object, auto get, auto set) {
        std::string result;
        const TextRewrite outcome = rewrite((object.*get)(), result);
        if (outcome == TextRewrite::Changed) (object.*set)(result);
        return outcome != TextRewrite::Failed;
    };
    if (!apply(step, &CStepKav::GetEventRef, &CStepKav::SetEvent) ||
        !apply(step, &CStepKav::GetCommandsRef, &CStepKav::SetCommands) ||
        !apply(step, &CStepKav::GetDescriptionRef, &CStepKav::SetDescription) ||
        !apply(step, &CStepKav::GetInputRef, &CStepKav::SetInput) ||
        !apply(step, &CStepKav::GetExpectedResultRef, &CStepKav::SetExpectedResult) ||
        !apply(step, &CStepKav::GetResultValueRef, &CStepKav::SetResultValue))
        return false;
    for (CConditionKav* condition : step.GetConditions())
        if (!apply(*condition, &CConditionKav::GetTextRef, &CConditionKav::SetText)) return false;
    for (CActionKav* action : step.GetActions())
        for (CArgumentKav* argument : action->GetArguments())
            if (!apply(*argument, &CArgumentKav::GetValue, &CArgumentKav::SetValue)) return false;
    if (step.GetStepType() != kStepTask) return true;
    auto& taskStep = static_cast<CTaskStep&>(step);
    if (!taskStep.GetSubTask()) return true;
    if (!apply(taskStep, &CTaskStep::GetLoopCountRef, &CTaskStep::SetLoopCount)) return false;
    for (CAttributeKav* parameter : taskStep.GetAttributes())
        if (!apply(*parameter, &CAttributeKav::GetValue, &CAttributeKav::SetValue)) return false;
    return true;
}
