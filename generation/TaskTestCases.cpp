#include "generation/TaskTestCases.h"

#include "conditions/Designator.h"
#include "conditions/EventParser.h"
#include "generation/GenerationSettings.h"
#include "generation/SimulationSupport.h"
#include "generation/TCGTask.h"
#include "model/TaskKav.h"
#include "platform/Format.h"
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

}  // namespace

std::unique_ptr<CTestStep> CreateTestStep(CTCGTask& graph, CTaskNode& node) {
    CTaskStep* step = node.step;
    std::string event = node.event;
    if (step->GetStartWindow() && EqualsNoCase(event, "Input")) {
        // The value that an Input without a text enters.
        std::string attribute, value;
        const CCombination none;
        if (CEventParser().GetEventValue(event, step->GetStartWindow(), attribute, value, none) < 0) return nullptr;
        event = "Input(\"" + value + "\")";
    }
    const bool verifyStep = node.contextNumber == kVerifyStepContext;
    CTaskStep* baseStep = verifyStep ? nullptr : step;
    auto testStep = std::make_unique<CTestStep>("", "", "", "", "", "", step->GetStartWindow(), step->GetDestWindow(),
                                                step->GetDelay(), step->GetCriticality(), "", baseStep, node.task,
                                                step->GetTransition(), "");
    // The base step gave its own texts: the node's, with current values, take their place.
    testStep->SetName(verifyStep ? "Verify Step based on Action"
                                 : Fmt("Task: %s / Step: %s", node.task->GetName(), step->GetName()));
    testStep->SetEvent(event);
    testStep->SetCommands(node.commands);
    testStep->SetDescription(node.description);
    testStep->SetInput(node.input);
    testStep->SetExpectedResult(node.expectedResult);
    testStep->SetResultValue(node.resultValue);
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
