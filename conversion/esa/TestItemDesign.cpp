#include "conversion/esa/TestItemDesign.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>
#include <utility>

#include "conversion/framework/BlockRecordEntry.h"
#include "conversion/xml/StepFieldTexts.h"
#include "conversion/xml/XMLConverter.h"
#include "model/DisplayTexts.h"
#include "model/FileKav.h"
#include "model/Requirement.h"
#include "model/TaskKav.h"
#include "model/TestCase.h"
#include "model/WindowKav.h"
#include "platform/TextUtil.h"

namespace {

constexpr std::string_view kApplicationPrefix = "--application=";

using NamedTexts = std::initializer_list<std::pair<const char*, std::string>>;

// Every attribute of the outline is left out when its text is empty, unless said otherwise.
void SetAttributes(CXMLInterface& document, NamedTexts attributes) {
    for (const auto& [name, value] : attributes) document.SetStringAttribute(name, value, "");
}

void AppendChild(CXMLInterface& document, const char* name, NamedTexts attributes) {
    document.AppendChildElement(name, "");
    document.EnterChild();
    SetAttributes(document, attributes);
    document.LeaveElement();
}

void AppendRequirements(CXMLInterface& document, const CTaskKav* task) {
    if (!task) return;
    for (const CRequirement* requirement : task->GetRequirements())
        AppendChild(document, "REQUIREMENT", {{"id", requirement->GetID()}, {"title", requirement->GetTitle()}});
}

void AppendParameters(CXMLInterface& document, const std::vector<std::string>& names,
                      const std::vector<std::string>& values) {
    for (size_t i = 0; i < names.size(); ++i)
        AppendChild(document, "PARAMETER", {{"name", names[i]}, {"value", values[i]}});
}

void SetCriticalityAndTimeout(CXMLInterface& document, const CTestStep& step) {
    document.SetAttribute("criticality", GetCriticalityName(step.GetCriticality()));
    if (step.GetDelay() != -1) document.SetAttribute("timeout", std::to_string(step.GetDelay()));
}

// The step's application: its window's, else the one its "application" parameter names.
std::string StepApplication(const CTestStep& step, const std::vector<std::string>& names,
                            const std::vector<std::string>& values) {
    if (const CWindowKav* window = step.GetStartWindow()) return window->GetSmurfValue("application");
    std::string named;
    for (size_t i = 0; i < names.size(); ++i)
        if (names[i] == "application") named = values[i];
    if (named.size() >= kApplicationPrefix.size() &&
        EqualsNoCase(std::string_view(named).substr(0, kApplicationPrefix.size()), kApplicationPrefix))
        named.erase(0, kApplicationPrefix.size());
    return named;
}

// The step's parameters as PARAMETERs; its application joins the list when new.
void AppendStepParameters(CXMLInterface& document, const CTestStep& step, const std::vector<std::string>& names,
                          const std::vector<std::string>& values, std::vector<std::string>& applications) {
    AppendParameters(document, names, values);
    const std::string application = StepApplication(step, names, values);
    if (!application.empty() && std::find(applications.begin(), applications.end(), application) == applications.end())
        applications.push_back(application);
}

// The project file that holds the step's task, as the project names it.
std::string LibraryOf(const CTestStep& step) {
    const CTaskKav* task = step.GetTask();
    return task && task->GetFile() ? task->GetFile()->GetPath() : std::string();
}

// The STEP elements that stand open while EUD-ART's entries nest by depth.
class OpenSteps {
public:
    explicit OpenSteps(CXMLInterface& document) : document_(document) {}
    ~OpenSteps() { CloseAll(); }

    // Closes the steps that are not above the depth and opens one inside the rest.
    void Open(int depth) {
        while (!depths_.empty() && depth <= depths_.back()) Close();
        document_.AppendChildElement("STEP", "");
        document_.EnterChild();
        depths_.push_back(depth);
    }
    void CloseAll() {
        while (!depths_.empty()) Close();
    }

private:
    void Close() {
        document_.LeaveElement();
        depths_.pop_back();
    }

    CXMLInterface& document_;
    std::vector<int> depths_;
};

}  // namespace

int CXMLConverter::WriteTestItemStep(const CTestStep& step, std::vector<std::string>& applications) {
    std::string instruction, second;
    std::vector<std::string> names, values;
    ParseNameValueList(step.GetCommands(), instruction, second, names, values);
    SetAttributes(document_, {{"description", step.GetDescription()},
                              {"expected_result_text", step.GetExpectedResult()},
                              {"expected_result_value", step.GetResultValue()}});
    document_.SetAttribute("test_oracle", "COMPARE_INTEGER");
    document_.SetStringAttribute("instruction", instruction, "");
    SetCriticalityAndTimeout(document_, step);
    document_.SetStringAttribute("internal_id", step.GetId(), "");
    AppendStepParameters(document_, step, names, values, applications);
    return 1;
}

int TestItemDesignWriter::Write(const CTaskKav& design, const std::vector<CTestCase*>& testCases, std::string& text) {
    document_.SetDocument();
    document_.AppendElement("TESTDESIGN", "");
    SetAttributes(document_, {{"name", design.GetName()},
                              {"test_level", design.GetTestLevel()},
                              {"test_type", design.GetTestType()},
                              {"description", design.GetDescription()}});
    AppendRequirements(document_, &design);
    int result = 1;
    for (const CTestCase* testCase : testCases) {
        BeginTestCase(*testCase);
        if (eudArt_) {
            result = AppendEudArtSteps(*testCase);
        } else {
            for (const CTestStep* step : testCase->GetSteps()) AppendCommanderStep(*step);
        }
        document_.LeaveElement();
        if (result != 1) break;
    }
    if (result == 1) text = document_.GetDocumentText();
    document_.SetDocument();
    return result;
}

void TestItemDesignWriter::BeginTestCase(const CTestCase& testCase) {
    const CTaskKav* task = testCase.GetTask();
    const auto taskText = [task](std::string (CTaskKav::*get)() const) { return task ? (task->*get)() : std::string(); };
    document_.AppendChildElement("TESTCASE", "");
    document_.EnterChild();
    SetAttributes(document_, {{"name", testCase.GetDisplayName()}, {"type", GetTestCaseKindName(testCase.GetType())}});
    if (eudArt_) {
        SetAttributes(document_, {{"category", taskText(&CTaskKav::GetTestType)},
                                  {"title", taskText(&CTaskKav::GetTestGoal)},
                                  {"description", taskText(&CTaskKav::GetDescription)},
                                  {"configuration", taskText(&CTaskKav::GetConfiguration)},
                                  {"required_tool", taskText(&CTaskKav::GetPrecondition)}});
        document_.SetAttribute("criticality", "MAJOR");
    } else {
        document_.SetStringAttribute("description", taskText(&CTaskKav::GetDescription), "");
    }
    AppendRequirements(document_, task);
}

void TestItemDesignWriter::AppendCommanderStep(const CTestStep& step) {
    std::string instruction, second;
    std::vector<std::string> names, values;
    ParseNameValueList(step.GetCommands(), instruction, second, names, values);
    document_.AppendChildElement("STEP", "");
    document_.EnterChild();
    SetAttributes(document_,
                  {{"name", step.GetName()}, {"instruction", instruction}, {"description", step.GetDescription()}});
    SetCriticalityAndTimeout(document_, step);
    SetAttributes(document_, {{"expected_result_value", step.GetResultValue()},
                              {"expected_result_text", step.GetExpectedResult()}});
    AppendStepParameters(document_, step, names, values, applications_);
    document_.LeaveElement();
}

int TestItemDesignWriter::AppendEudArtSteps(const CTestCase& testCase) {
    OpenSteps open(document_);
    int position = 0;
    for (const CTestStep* step : testCase.GetSteps()) {
        ++position;
        if (step->GetBBInfos().empty()) {
            open.Open(1);
            document_.SetStringAttribute("name", step->GetName(), "");
            document_.SetAttribute("is_executable", "1");
            document_.SetAttribute("step_id", std::to_string(position));
            document_.SetAttribute("depth", "1");
            document_.SetStringAttribute("library", LibraryOf(*step), "");
            converter_.WriteTestItemStep(*step, applications_);
            continue;
        }
        for (const CTestStepBBInfo* record : step->GetBBInfos()) {
            BlockRecordEntry entry;
            if (!ReadBlockRecord(*record, projectName_, entry)) return 0;
            open.Open(entry.depth);
            document_.SetStringAttribute("name", entry.name, "");
            document_.SetAttribute("is_executable", entry.executable ? "1" : "0");
            document_.SetStringAttribute("step_id", entry.stepId, "");
            if (entry.depth != -1) document_.SetAttribute("depth", std::to_string(entry.depth));
            document_.SetStringAttribute("library", entry.library, "");
            if (entry.executable) {
                converter_.WriteTestItemStep(*step, applications_);
                continue;
            }
            SetAttributes(document_, {{"description", record->GetPrecondition()},
                                      {"expected_result_text", record->GetPostcondition()},
                                      {"internal_id", entry.internalId}});
            AppendParameters(document_, entry.parameterNames, entry.parameterValues);
        }
    }
    return 1;
}
