#include "docs/ObjectCells.h"

#include <cstdlib>

#include "conditions/ValueTypes.h"
#include "docs/HtmlText.h"
#include "model/DataSet.h"
#include "model/TaskStep.h"
#include "model/WindowKav.h"

std::string BoolToYN(bool value) { return value ? "Y" : "N"; }

std::string LabelledLine(const char* label, const std::string& markup) {
    if (markup.empty()) return {};
    return std::string("<FONT SIZE=2><B>") + label + ": </B>" + markup + "</FONT><BR>\n";
}

std::string StepTextLines(const CStepKav& step, const StepLabels& labels) {
    return LabelledLine(labels.event, HtmlText(step.GetEvent())) +
           LabelledLine(labels.commands, HtmlLines(step.GetCommands(), "<BR>")) +
           LabelledLine(labels.description, HtmlLines(step.GetDescription(), "<BR>")) +
           LabelledLine(labels.input, HtmlLines(step.GetInput(), "<BR>")) +
           LabelledLine(labels.result, HtmlLines(step.GetExpectedResult(), "<BR>")) + TypedAttributeLines(step.GetAttributes());
}

std::string TypedAttributeLines(const OwningList<CAttributeKav>& attributes, const char* label) {
    std::string lines;
    for (const CAttributeKav* attribute : attributes)
        lines += std::string("<FONT SIZE=2><B>") + label + ": </B>" + HtmlText(attribute->GetName()) + "(" +
                 GetValueTypeName(attribute->GetType()) + ") = " + HtmlText(attribute->GetValue()) + "</FONT><BR>\n";
    return lines;
}

std::string ActionCall(const CActionKav& action) {
    std::string call = HtmlText(action.GetName()) + "(";
    bool first = true;
    for (const CArgumentKav* argument : action.GetArguments()) {
        if (!first) call += ", ";
        call += HtmlText(argument->GetValue());
        first = false;
    }
    return call + ")";
}

std::string StartWindowAndDelay(const CStepKav& step) {
    std::string text;
    if (const CWindowKav* window = step.GetStartWindow()) text = "<B>S: </B>" + HtmlText(window->GetName());
    if (step.GetDelay() > 0) text += "<BR><B>D: </B>" + std::to_string(step.GetDelay());
    return text;
}

std::string LoopText(const CTaskStep& step) {
    const std::string count = HtmlText(step.GetLoopCount());
    const CDataSet* dataSet = step.GetLoopDataSet();
    const std::string records = dataSet ? " records of data set '" + HtmlText(dataSet->GetName()) + "'" : "";
    switch (step.GetLoopMode()) {
        // The count is an expression: only its leading number counts here.
        case kLoopByCount:
            return std::strtol(step.GetLoopCount().c_str(), nullptr, 10) > 1 ? "repeat " + count + " time(s)" : "";
        case kLoopBlockByCount: return "repeat " + count + " time(s)";
        case kLoopValidRecords: return dataSet ? "for valid" + records : "";
        case kLoopInvalidRecords: return dataSet ? "for invalid" + records : "";
        case kLoopAllRecords: return dataSet ? "for all" + records : "";
        default: return {};
    }
}
