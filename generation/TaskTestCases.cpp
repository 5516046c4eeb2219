#include "generation/TaskTestCases.h"

#include "conditions/Designator.h"
#include "conditions/EventParser.h"
#include "generation/GenerationSettings.h"
#include "generation/SimulationSupport.h"
#include "generation/TCGTask.h"
#include "model/TaskKav.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

namespace {

// The record under its instance number, its parameters named as the block knows them (the
// part after the block's path). Null when a parameter's name does not split.
std::unique_ptr<CTestStepBBInfo> NumberedRecord(CTestStepBBInfo& record, const std::string& number) {
    auto numbered = std::make_unique<CTestStepBBInfo>(
        number, record.GetDapiId(), record.GetTestGoal(), record.GetConfiguration(), record.GetPrecondition(),
        record.GetDescription(), record.GetPostcondition(), record.GetDepth(), record.GetHierarchy());
    numbered->SetNote(record.GetNote());
    while (!record.GetAttributes().empty()) {
        CAttributeKav* parameter = numbered->GetAttributes().Add(record.GetAttributes().ReleaseAt(0));
        DesignatorParts parts;
        if (!SplitDesignator(parameter->GetName(), parts)) return nullptr;
        parameter->SetName(parts.attribute);
    }
    return numbered;
}

// The building blocks the step lies in, then the step's own place in them.
bool AddBlockRecords(CTCGTask& graph, CTaskNode& node, CTestStep& step) {
    BuildingBlockNumbers& numbers = graph.GetBlockNumbers();
    for (CTestStepBBInfo* record : node.stepBlockInfos) {
        std::unique_ptr<CTestStepBBInfo> numbered =
            NumberedRecord(*record, numbers.GetBuildingBlockNumber(record->GetDepth()));
        if (!numbered) return false;
        step.GetBBInfos().Add(numbered.release());
    }
    node.stepBlockInfos.DeleteAll();
    step.GetBBInfos().Add(new CTestStepBBInfo(numbers.GetBuildingBlockNumber(node.level), "", "", "", "", "", "",
                                              node.level, PathText(node.task) + ":" + node.step->GetName()));
    return true;
}

// "Task: <task> / Step: <step>", built in one allocation.
std::string StepName(const CTaskKav& task, const CTaskStep& step) {
    constexpr std::string_view kTask = "Task: ", kStep = " / Step: ";
    const std::string taskName = task.GetName();
    const std::string stepName = step.GetName();
    std::string name;
    name.reserve(kTask.size() + taskName.size() + kStep.size() + stepName.size());
    name.append(kTask).append(taskName).append(kStep).append(stepName);
    return name;
}

}  // namespace

std::unique_ptr<CTestStep> CreateTestStep(CTCGTask& graph, CTaskNode& node) {
    CTaskStep* step = node.step;
    std::string event;
    if (step->GetStartWindow() && EqualsNoCase(node.event, "Input")) {
        // The value that an Input without a text enters.
        std::string attribute, value;
        const CCombination none;
        if (CEventParser().GetEventValue(node.event, step->GetStartWindow(), attribute, value, none) < 0) return nullptr;
        event = "Input(\"" + value + "\")";
    } else {
        event = node.event;
    }
    const bool verifyStep = node.contextNumber == kVerifyStepContext;
    std::string name = verifyStep ? std::string("Verify Step based on Action") : StepName(*node.task, *step);
    // The node's texts, with current values, stand in for the base step's own: the step is
    // made with them and linked to its base step without taking its fields.
    auto testStep = std::make_unique<CTestStep>(std::move(name), std::move(event), node.commands, node.description,
                                                node.input, node.expectedResult, step->GetStartWindow(),
                                                step->GetDestWindow(), step->GetDelay(), step->GetCriticality(),
                                                node.resultValue, nullptr, node.task, step->GetTransition(), "");
    if (!verifyStep) testStep->SetBaseStep(step);
    if (GetGenerationSettings().buildingBlockInfo && !AddBlockRecords(graph, node, *testStep)) return nullptr;
    return testStep;
}

std::unique_ptr<CTestCase> CreateTestCase(CTCGTask& graph, CTaskKav& task, int number, int kind,
                                          const TaskPath& path) {
    if (path.size() < 2) {
        SetMessage(44878, task.GetName());
        return nullptr;
    }
    graph.GetBlockNumbers().Reset();
    auto testCase = std::make_unique<CTestCase>(number, kind, nullptr, nullptr, &task, 0);
    for (CTaskNode* node : path) {
        if (node->step == node->task->GetStartStep()) continue;
        std::unique_ptr<CTestStep> step = CreateTestStep(graph, *node);
        if (!step) return nullptr;
        testCase->GetSteps().Add(step.release());
    }
    return testCase;
}
