// Generated test cases with their test steps and building-block records, and test scripts.
// References are written from the objects and read as identifier texts.
#include <memory>

#include "model/TaskKav.h"
#include "model/TestCase.h"
#include "model/TestScript.h"
#include "model/WindowKav.h"
#include "persistence/XMLDataManager.h"

namespace {

constexpr int kMissingBuildingBlockId = 44757;  // [W0757]
constexpr int kMissingTestCaseId = 44844;       // [W0844]
constexpr int kMissingTestScriptId = 44846;     // [W0846]
constexpr int kMissingTestStepId = 44847;       // [W0847]

constexpr int kDefaultNumber = 1;
constexpr int kDefaultDepth = 1;
constexpr int kDefaultFormat = 0;
constexpr int kDefaultTestCaseCount = 1;

}  // namespace

std::unique_ptr<CTestCase> CXMLDataManager::ReadTestCase() {
    const std::string id = RequiredAttribute("ID", kMissingTestCaseId);
    if (id.empty()) return nullptr;
    auto testCase = MakeWithFileId<CTestCase>(GetAttributeInt("TC_No", kDefaultNumber),
                                                GetAttributeInt("Type", kTestCaseGraphCoverage), nullptr, nullptr,
                                                nullptr, GetAttributeBool("ErrorCase", 0));
    testCase->SetUniqueId(id);
    testCase->SetWindowId(GetAttribute("WndID", ""));
    testCase->SetTaskId(GetAttribute("TaskID", ""));
    testCase->SetStepId(GetAttribute("StepID", ""));
    testCase->SetFileId(CurrentFileId());
    return testCase;
}

std::unique_ptr<CTestStep> CXMLDataManager::ReadTestStep() {
    const std::string id = RequiredAttribute("ID", kMissingTestStepId);
    if (id.empty()) return nullptr;
    StepFields f = ReadStepFields();
    auto step = MakeWithFileId<CTestStep>(std::move(f.name), std::move(f.event), std::move(f.commands),
                                            std::move(f.description), std::move(f.input), std::move(f.expectedResult),
                                            nullptr, nullptr, f.delay, f.criticality, std::move(f.resultValue),
                                            nullptr, nullptr, nullptr, GetAttribute("Comment", ""));
    step->SetId(id);
    step->SetStartWndId(GetAttribute("StartWndID", ""));
    step->SetDestWndId(GetAttribute("DestWndID", ""));
    step->SetTaskId(GetAttribute("TaskID", ""));
    step->SetBaseStepId(GetAttribute("BaseStepID", ""));
    return step;
}

std::unique_ptr<CTestStepBBInfo> CXMLDataManager::ReadBuildingBlockInfo() {
    const std::string id = RequiredAttribute("ID", kMissingBuildingBlockId);
    if (id.empty()) return nullptr;
    auto info = MakeWithFileId<CTestStepBBInfo>(
        GetAttribute("BBName", ""), GetAttribute("BBDapiID", ""), GetAttribute("TestGoal", ""),
        GetAttribute("Config", ""), GetAttribute("PreCnd", ""), GetAttribute("Descr", ""),
        GetAttribute("PostCnd", ""), GetAttributeInt("Depth", kDefaultDepth), GetAttribute("Hierarchy", ""));
    info->SetId(id);
    return info;
}

std::unique_ptr<CTestScript> CXMLDataManager::ReadTestScript() {
    const std::string id = RequiredAttribute("ID", kMissingTestScriptId);
    if (id.empty()) return nullptr;
    auto script = MakeWithFileId<CTestScript>();
    script->SetId(id);
    script->SetWindowId(GetAttribute("WndID", ""));
    script->SetTaskId(GetAttribute("TaskID", ""));
    script->SetName(GetAttribute("Name", ""));
    script->SetPath(GetAttribute("Path", ""));
    script->SetFormat(GetAttributeInt("Format", kDefaultFormat));
    script->SetSumTC(GetAttributeInt("SumTC", kDefaultTestCaseCount));
    script->SetFileId(CurrentFileId());
    return script;
}

int CXMLDataManager::WriteTestCase(const CTestCase& testCase) {
    CXMLInterface& xml = builder_;
    if (!xml.AppendElement("TC", "")) return 0;
    xml.SetStringAttribute("ID", testCase.GetUniqueId(), "");
    if (const CWindowKav* window = testCase.GetWindow()) xml.SetStringAttribute("WndID", window->GetInternalID(), "");
    if (const CTaskKav* task = testCase.GetTask()) xml.SetStringAttribute("TaskID", task->GetID(), "");
    if (const CStepKav* step = testCase.GetTransitionStep()) xml.SetStringAttribute("StepID", step->GetId(), "");
    xml.SetIntAttribute("TC_No", testCase.GetNumber(), kDefaultNumber);
    xml.SetIntAttribute("Type", testCase.GetType(), kTestCaseGraphCoverage);
    xml.SetBoolAttribute("ErrorCase", testCase.GetErrorCase() != 0, false);
    for (const CTestStep* step : testCase.GetSteps()) WriteTestStep(*step);
    return 1;
}

int CXMLDataManager::WriteTestStep(const CTestStep& step) {
    CXMLInterface& xml = builder_;
    if (!EnterNewChild("TESTSTEP")) return 0;
    xml.SetStringAttribute("ID", step.GetId(), "");
    if (const CWindowKav* start = step.GetStartWindow()) xml.SetStringAttribute("StartWndID", start->GetInternalID(), "");
    if (const CWindowKav* dest = step.GetDestWindow()) xml.SetStringAttribute("DestWndID", dest->GetInternalID(), "");
    if (const CTaskKav* task = step.GetTask()) xml.SetStringAttribute("TaskID", task->GetID(), "");
    xml.SetStringAttribute("BaseStepID", step.GetSourceStepId(), "");
    WriteStepFields(step);
    xml.SetStringAttribute("Comment", step.GetComment(), "");
    for (const CAttributeKav* field : step.GetAttributes()) WriteStepField(*field);
    for (const CTestStepBBInfo* info : step.GetBBInfos()) WriteBuildingBlockInfo(*info);
    xml.LeaveElement();
    return 1;
}

int CXMLDataManager::WriteBuildingBlockInfo(const CTestStepBBInfo& info) {
    CXMLInterface& xml = builder_;
    if (!EnterNewChild("BB_INFO")) return 0;
    xml.SetStringAttribute("ID", info.GetId(), "");
    xml.SetStringAttribute("BBName", info.GetName(), "");
    xml.SetStringAttribute("BBDapiID", info.GetDapiId(), "");
    xml.SetStringAttribute("TestGoal", info.GetTestGoal(), "");
    xml.SetStringAttribute("Config", info.GetConfiguration(), "");
    xml.SetStringAttribute("PreCnd", info.GetPrecondition(), "");
    xml.SetStringAttribute("Descr", info.GetDescription(), "");
    xml.SetStringAttribute("PostCnd", info.GetPostcondition(), "");
    xml.SetIntAttribute("Depth", info.GetDepth(), kDefaultDepth);
    xml.SetStringAttribute("Hierarchy", info.GetHierarchy(), "");
    for (const CAttributeKav* attribute : info.GetAttributes()) WriteAttribute(*attribute);
    xml.LeaveElement();
    return 1;
}

int CXMLDataManager::WriteTestScript(const CTestScript& script) {
    CXMLInterface& xml = builder_;
    if (!xml.AppendElement("TS", "")) return 0;
    xml.SetStringAttribute("ID", script.GetId(), "");
    if (const CWindowKav* window = script.GetWindow()) xml.SetStringAttribute("WndID", window->GetInternalID(), "");
    if (const CTaskKav* task = script.GetTask()) xml.SetStringAttribute("TaskID", task->GetID(), "");
    xml.SetStringAttribute("Name", script.GetName(), "");
    xml.SetStringAttribute("Path", script.GetPath(), "");
    xml.SetIntAttribute("Format", script.GetFormat(), kDefaultFormat);
    xml.SetIntAttribute("SumTC", script.GetSumTC(), kDefaultTestCaseCount);
    return 1;
}
