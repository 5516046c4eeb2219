// The test packages and test items of a window or a task, as the exchange file and the
// test-management interface want them. Each package is written around its contents as they
// come (the package's text is split once where they go), so assembling is linear in the size
// of the text however many packages nest.
#include "conversion/vornak/VornakFragments.h"
#include "conversion/xml/XMLConverter.h"
#include "model/ApplicationKav.h"
#include "model/DisplayTexts.h"
#include "model/ShellServices.h"
#include "model/TaskKav.h"
#include "model/TestCase.h"
#include "model/TestScript.h"
#include "model/WindowKav.h"
#include "platform/MessageBuffer.h"

namespace {

constexpr int kNoPackageForSubtasks = 49910;

std::string InputOf(const CTestStep& step) {
    if (!step.GetInput().empty()) return step.GetInput();
    if (!step.GetCommands().empty()) return step.GetCommands();
    return step.GetEvent();
}

void AppendStep(CXMLInterface& scratch, const CTestStep& step) {
    scratch.AppendChildElement("STEP", "");
    scratch.EnterChild();
    scratch.AppendChildElement("INSTRUCTION", step.GetDescription());
    scratch.AppendChildElement("INPUT", InputOf(step));
    scratch.AppendChildElement("EXPECTED", step.GetExpectedResult());
    for (const CAttributeKav* field : step.GetAttributes()) {
        scratch.AppendChildElement("USR_FIELD", "");
        scratch.SetChildAttribute("name", field->GetName());
        scratch.EnterChild();
        scratch.AppendChildElement("VALUE", field->GetValue());
        scratch.LeaveElement();
    }
    scratch.LeaveElement();
}

// Appends the packages and test items of one window or task to the text.
class VornakItemWriter {
public:
    VornakItemWriter(CXMLInterface& scratch, bool packageMode, CXMLInterface* product)
        : scratch_(scratch), packageMode_(packageMode), product_(packageMode ? product : nullptr) {}

    int AppendWindow(CWindowKav& window, std::string& out);
    int AppendTask(CTaskKav& task, bool forcePackage, std::string& out);

private:
    void AppendTestItems(const std::vector<CTestCase*>& testCases, CWindowKav* window, CTaskKav* task,
                         std::string& out);

    CXMLInterface& scratch_;
    bool packageMode_;
    CXMLInterface* product_;
};

void VornakItemWriter::AppendTestItems(const std::vector<CTestCase*>& testCases, CWindowKav* window, CTaskKav* task,
                                       std::string& out) {
    const CTestScript* script = CurrentApplication->FindTestScript(window, task);
    for (const CTestCase* testCase : testCases) out += BuildTestItem(scratch_, *testCase, task, script);
}

int VornakItemWriter::AppendWindow(CWindowKav& window, std::string& out) {
    // A child without caption writes nothing of its own: its test cases are in the package of
    // its captioned ancestor.
    if (window.GetParent() && !window.HasCaption()) return 1;
    std::vector<CTestCase*> testCases;
    if (CurrentApplication->CollectTestCases(&window, nullptr, nullptr, false, false, testCases) == 0) return 1;
    const VornakPackageText package = BuildWindowPackage(scratch_, window);
    out += package.head;
    AppendTestItems(testCases, &window, nullptr, out);
    for (CWindowKav* child : window.GetChildren())
        if (const int result = AppendWindow(*child, out); result != 1) return result;
    out += package.tail;
    return 1;
}

int VornakItemWriter::AppendTask(CTaskKav& task, bool forcePackage, std::string& out) {
    if (!task.ContainsTask() && task.GetParent() != CurrentApplication->GetRootTask()) return 1;
    std::vector<CTestCase*> testCases;
    CurrentApplication->CollectTestCases(nullptr, nullptr, &task, false, false, testCases);
    task.SortChildrenByName();

    CXMLInterface* productPackage = nullptr;
    if (product_) {
        product_->ResetPosition();
        if (CXMLConverter::FindTestPackage(*product_, task.GetID())) productPackage = product_;
    }
    const bool opensPackage = forcePackage || task.IsFolder();
    VornakPackageText package;
    if (opensPackage) {
        package = BuildTaskPackage(scratch_, task, packageMode_, productPackage);
        out += package.head;
    }
    AppendTestItems(testCases, nullptr, &task, out);
    for (CTaskKav* child : task.GetChildren()) {
        const size_t before = out.size();
        if (const int result = AppendTask(*child, false, out); result != 1) return result;
        if (!opensPackage && out.size() > before) {
            SetMessage(kNoPackageForSubtasks, task.GetName(), child->GetName());
            return -1;
        }
    }
    out += package.tail;
    return 1;
}

}  // namespace

std::string BuildTestItem(CXMLInterface& scratch, const CTestCase& testCase, const CTaskKav* task,
                          const CTestScript* script) {
    const std::string name = testCase.GetDisplayName();
    scratch.SetDocument();
    scratch.AppendElement("TC", "");
    scratch.SetAttribute("user_defined_id", "kavrotc-" + testCase.GetUniqueId());
    scratch.SetAttribute("name", name);
    scratch.SetAttribute("situation", testCase.GetErrorCase() ? "Error" : "Regular");
    scratch.SetAttribute("state", "Ready");
    scratch.SetAttribute("inherit_requirements", "true");
    scratch.SetAttribute("inherit_attributes", "true");
    scratch.AppendChildElement("TESTGOAL", task ? task->GetTestGoal() : GetTestCaseKindName(testCase.GetType()));
    scratch.AppendChildElement("PRECONDITION", task ? task->GetPrecondition() : std::string());
    scratch.AppendChildElement("POSTCONDITION", task ? task->GetPostcondition() : std::string());
    for (const CTestStep* step : testCase.GetSteps()) AppendStep(scratch, *step);
    if (script) {
        if (const auto automation = GetVornakAutomation(script->GetFormat(), script->GetPath(), name,
                                                        CurrentApplication->GetName(),
                                                        CurrentApplication->GetExePath())) {
            scratch.AppendChildElement("AUTOMATION", "");
            scratch.SetChildAttribute("tool", automation->tool);
            scratch.SetChildAttribute("file", automation->file);
            scratch.SetChildAttribute("data", automation->data);
        }
    }
    std::string text = scratch.GetDocumentText();
    scratch.SetDocument();
    return text;
}

int CXMLConverter::WriteVornakTestItems(CWindowKav* window, CTaskKav* task, bool packageMode, bool forcePackage,
                                        CXMLInterface* productDocument, std::string& out) {
    out.clear();
    if (!CurrentApplication || (window == nullptr) == (task == nullptr)) return 1;
    VornakItemWriter writer(document_, packageMode, productDocument);
    const int result = window ? writer.AppendWindow(*window, out) : writer.AppendTask(*task, forcePackage, out);
    if (result != 1) out.clear();
    return result;
}

int CXMLConverter::FindTestPackage(CXMLInterface& document, const std::string& id) {
    if (document.GetCurrentName().empty() && !document.FindElement()) return 0;
    // Depth first through the elements that have children, without recursion: the document
    // comes from outside.
    int depth = 0;
    for (;;) {
        if (document.FindChildElement()) {
            if (document.GetCurrentName() == "TP" && document.GetCurrentAttribute("user_defined_id") == id) {
                // Readers of the package start at its first child.
                if (document.LeaveElement()) {
                    document.EnterChild();
                } else {
                    document.ResetPosition();
                    document.FindElement();
                }
                return 1;
            }
            document.EnterChild();
            ++depth;
            continue;
        }
        for (;;) {
            if (depth == 0) return 0;
            document.LeaveElement();
            --depth;
            if (document.FindChildElement()) {
                document.EnterChild();
                ++depth;
                break;
            }
        }
    }
}
