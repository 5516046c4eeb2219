// The sheets that show each test case with its task's data and, per test step, the building
// blocks it was generated from: the general one and the ESA variant.
#include "conversion/framework/BlockRecordEntry.h"
#include "conversion/plaintext/PlainTextConverter.h"
#include "conversion/plaintext/SheetRow.h"
#include "conversion/xml/StepFieldTexts.h"
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "model/TaskKav.h"
#include "model/TestCase.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"

namespace {

// Test cases generated without building-block records are left out; the user hears of it
// once per sheet.
class BlockInfoFilter {
public:
    bool Accepts(const CTestCase& testCase) {
        const auto& steps = testCase.GetSteps();
        if (!steps.empty() && !steps.front()->GetBBInfos().empty()) return true;
        if (!warned_) GetInteraction().Inform(FormatMessageId(44753), MessageIcon::Warning);
        warned_ = true;
        return false;
    }

private:
    bool warned_ = false;
};

// The record read, and the row begun with its Step ID, Depth and Library. 0 with the
// splitter's message.
int BeginStepRow(const CTestStepBBInfo& record, const std::string& projectName, SheetRow& row,
                 BlockRecordEntry& entry) {
    if (!ReadBlockRecord(record, projectName, entry)) return 0;
    row.Text(entry.stepId).Number(entry.depth).Text(entry.library);
    return 1;
}

std::string RequirementIds(const CTaskKav& task) {
    std::string ids;
    for (const CRequirement* requirement : task.GetRequirements()) {
        if (!ids.empty()) ids += ", ";
        ids += requirement->GetID();
    }
    return ids;
}

// The parameters as lines "name = value".
std::string ParameterLines(const std::vector<std::string>& names, const std::vector<std::string>& values) {
    std::string lines;
    for (size_t i = 0; i < names.size(); ++i) {
        if (i) lines += '\n';
        lines += names[i] + " = " + values[i];
    }
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string joined;
    for (size_t i = 0; i < lines.size(); ++i) joined += (i ? "\n" : "") + lines[i];
    return joined;
}

void WriteLabelRow(ScriptFile& file, std::string_view label, std::string_view value, bool quoted) {
    SheetRow row;
    row.Empty(3).Text(label);
    if (quoted) row.Quoted(value);
    else row.Text(value);
    row.WriteTo(file);
}

// A titled row with a quoted text in the fifth column, when there is one.
void WriteTitleRow(ScriptFile& file, const std::string& title, const std::string& text, bool textAlways) {
    SheetRow row;
    row.Text(title);
    if (textAlways || !text.empty()) row.Empty(3).Quoted(text);
    row.WriteTo(file);
}

}  // namespace

int CPlainTextConverter::WriteBlockInfoSheet(ScriptFile& file, const TestCaseList& list, int& count) const {
    WriteSheetHeader(file, {"Step ID", "Depth", "Library", "Step Name", "Description / Instruction",
                            "Input / Precondition", "Expected Result / Postcondition", "Parameters",
                            "Parameter Values", "Delay", "Internal ID"});
    const CApplicationKav& app = *CurrentApplication;
    WriteTitleRow(file, "Project " + app.GetName(), app.GetDescription(), false);

    BlockInfoFilter filter;
    for (const CTestCase* testCase : list) {
        if (!filter.Accepts(*testCase)) continue;
        ++count;
        SheetRow().Text("Test Case " + testCase->GetDisplayName()).WriteTo(file);
        if (const CTaskKav* task = testCase->GetTask()) {
            WriteLabelRow(file, "Requirements:", RequirementIds(*task), false);
            WriteLabelRow(file, "Number of Atomic Steps:", std::to_string(testCase->GetSteps().size()), false);
            WriteLabelRow(file, "Test Goal:", task->GetTestGoal(), false);
            WriteLabelRow(file, "Test Level:", task->GetTestLevel(), false);
            WriteLabelRow(file, "Test Category:", task->GetTestType(), false);
            WriteLabelRow(file, "Configuration:", task->GetConfiguration(), false);
            WriteLabelRow(file, "Precondition:", task->GetPrecondition(), true);
            WriteLabelRow(file, "Description:", task->GetDescription(), true);
            WriteLabelRow(file, "Postcondition:", task->GetPostcondition(), true);
        }
        for (const CTestStep* step : testCase->GetSteps()) {
            for (const CTestStepBBInfo* record : step->GetBBInfos()) {
                SheetRow row;
                BlockRecordEntry entry;
                if (!BeginStepRow(*record, app.GetName(), row, entry)) return 0;
                if (entry.executable) {
                    row.Text(entry.name)
                        .Quoted(step->GetDescription())
                        .Quoted(step->GetInput())
                        .Quoted(step->GetExpectedResult())
                        .Empty(2)
                        .Number(step->GetDelay())
                        .Text(step->GetId());
                } else {
                    row.Text(entry.name)
                        .Quoted(record->GetDescription())
                        .Quoted(record->GetPrecondition())
                        .Quoted(record->GetPostcondition())
                        .Quoted(JoinLines(entry.parameterNames))
                        .Quoted(JoinLines(entry.parameterValues))
                        .Empty()
                        .Text(entry.internalId);
                }
                row.WriteTo(file);
            }
        }
    }
    return 1;
}

int CPlainTextConverter::WriteEsaBlockInfoSheet(ScriptFile& file, const TestCaseList& list, int& count) const {
    WriteSheetHeader(file, {"Step ID", "Depth", "Library", "Step Name", "Input", "Output", "Detailed Information",
                            "Instruction", "Expected Result Value", "Criticality", "Timeout", "Internal ID"});
    const CApplicationKav& app = *CurrentApplication;
    WriteTitleRow(file, "Test Item " + app.GetName(), app.GetDescription(), false);

    BlockInfoFilter filter;
    const CTaskKav* previousDesign = nullptr;
    for (const CTestCase* testCase : list) {
        if (!filter.Accepts(*testCase)) continue;
        ++count;
        const CTaskKav* task = testCase->GetTask();
        const CTaskKav* design = task ? task->GetParent() : nullptr;
        if (design && design != previousDesign) {
            std::string text = design->GetDescription();
            const std::string requirements = RequirementIds(*design);
            if (!text.empty() && !requirements.empty()) text += '\n';
            if (!requirements.empty()) text += "Requirements: " + requirements;
            WriteTitleRow(file, "Test Design " + design->GetName(), text, true);
        }
        previousDesign = design;

        SheetRow().Text("Test Case " + testCase->GetDisplayName()).WriteTo(file);
        // A test case without task leaves the task's rows empty.
        const auto taskText = [task](std::string (CTaskKav::*get)() const) {
            return task ? (task->*get)() : std::string();
        };
        WriteLabelRow(file, "Test Case Source / Requirements:", task ? RequirementIds(*task) : std::string(), false);
        WriteLabelRow(file, "Number of Atomic Steps:", std::to_string(testCase->GetSteps().size()), false);
        WriteLabelRow(file, "Test Category:", taskText(&CTaskKav::GetTestType), false);
        WriteLabelRow(file, "Test Case Title:", taskText(&CTaskKav::GetTestGoal), false);
        WriteLabelRow(file, "Description:", taskText(&CTaskKav::GetDescription), true);
        WriteLabelRow(file, "Assembly / Configuration:", taskText(&CTaskKav::GetConfiguration), false);
        WriteLabelRow(file, "Required Tool / Input:", taskText(&CTaskKav::GetPrecondition), true);

        for (const CTestStep* step : testCase->GetSteps()) {
            for (const CTestStepBBInfo* record : step->GetBBInfos()) {
                SheetRow row;
                BlockRecordEntry entry;
                if (!BeginStepRow(*record, app.GetName(), row, entry)) return 0;
                if (entry.executable) {
                    std::string first, second;
                    std::vector<std::string> names, values;
                    ParseNameValueList(step->GetCommands(), first, second, names, values);
                    const std::string instruction =
                        !second.empty() && second.front() == '_' ? second : second + "\n(" + first + ")";
                    row.Text(entry.name)
                        .Quoted(step->GetDescription())
                        .Quoted(step->GetExpectedResult())
                        .Quoted(ParameterLines(names, values))
                        .Quoted(instruction)
                        .Text(step->GetResultValue())
                        .Text(GetCriticalityName(step->GetCriticality()))
                        .Number(step->GetDelay())
                        .Text(step->GetId());
                } else {
                    row.Text(entry.name)
                        .Quoted(record->GetPrecondition())
                        .Quoted(record->GetPostcondition())
                        .Quoted(ParameterLines(entry.parameterNames, entry.parameterValues))
                        .Empty(4)
                        .Text(entry.internalId);
                }
                row.WriteTo(file);
            }
        }
    }
    return 1;
}
