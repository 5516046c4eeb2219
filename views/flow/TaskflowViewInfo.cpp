// The information text of a step: what it does, or for a call of a task how often and with
// which parameter values it runs.
#include "conditions/DesignatorValues.h"
#include "model/ApplicationKav.h"
#include "model/Combination.h"
#include "model/ShellServices.h"
#include "model/TransitionKav.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"
#include "resources/MessageCatalogue.h"
#include "views/flow/StepInfo.h"
#include "views/flow/TaskflowView.h"

namespace {

constexpr int kRepeatLine = 49256;
constexpr int kValidRecordsLine = 49257;
constexpr int kInvalidRecordsLine = 49258;
constexpr int kAllRecordsLine = 49389;
constexpr int kParameterWord = 49259;
constexpr std::size_t kDescriptionWidth = 80;

// The loop line of a call by its loop mode; records need the loop's data set.
std::string DescribeLoop(const CTaskStep& step) {
    int line = 0;
    switch (step.GetLoopMode()) {
        case kLoopByCount:
        case kLoopBlockByCount: return FormatMessageId(kRepeatLine, step.GetLoopCount());
        case kLoopValidRecords: line = kValidRecordsLine; break;
        case kLoopInvalidRecords: line = kInvalidRecordsLine; break;
        case kLoopAllRecords: line = kAllRecordsLine; break;
        default: return {};
    }
    const CDataSet* dataSet = step.GetLoopDataSet();
    if (!dataSet || !CurrentApplication) return {};
    return FormatMessageId(line, CurrentApplication->GetObjectPathText(dataSet));
}

// What the called task does: the description of its one step when that step calls no task,
// with the call's parameter values in place of their designators; else the task's own.
std::string DescribeCalledTask(const CTaskStep& call) {
    const CTaskKav& task = *call.GetSubTask();
    const auto& steps = task.GetSteps();
    if (steps.size() != 2 || steps.back()->GetSubTask()) return task.GetDescription();
    CCombination values;
    for (const CAttributeKav* parameter : call.GetAttributes())
        RecordDesignatorVariable(parameter->GetName(), parameter->GetType(), parameter->GetValue(), values, "", nullptr);
    std::string expanded;
    ExpandDesignators(InitConditionContext(), steps.back()->GetDescription(), values, expanded);
    return expanded;
}

}  // namespace

std::string CTaskflowView::GetStepInfoText(const CTaskStep& step) const {
    if (step.GetSubTask()) return DescribeSubTaskCall(step);
    const CStepKav* source = step.GetTransition();
    return DescribeStepAction(step) + DescribeConditionsAndActions(source ? *source : step);
}

std::string CTaskflowView::DescribeSubTaskCall(const CTaskStep& step) const {
    std::string text = DescribeLoop(step);
    for (const CAttributeKav* parameter : step.GetAttributes())
        text += LoadMessage(kParameterWord) + parameter->GetName() + " = " + parameter->GetValue() + "\r\n";
    if (CurrentApplication && CurrentApplication->IsEsaOutputFormat()) {
        const std::string description = DescribeCalledTask(step);
        if (!description.empty()) text += (text.empty() ? "D: " : "\r\nD: ") + WrapText(description, kDescriptionWidth);
    }
    return text;
}
