// The pages of a task (with its steps) and of a test case (with its test steps).
#include "conditions/ValueTypes.h"
#include "docs/DocumentationPictures.h"
#include "docs/HTMLDlg.h"
#include "docs/HtmlText.h"
#include "docs/ObjectCells.h"
#include "docs/SortedLists.h"
#include "model/ApplicationKav.h"
#include "model/DisplayTexts.h"
#include "model/WindowKav.h"
#include "resources/MessageCatalogue.h"

namespace {

constexpr int kErrorCaseLine = 49180;
constexpr int kNormalCaseLine = 49181;

// The columns of the Task Steps and Test Steps tables.
constexpr int kNameWidth = 10;
constexpr int kStartWidth = 20;
constexpr int kDetailsWidth = 70;

// A label on a line of its own, then the text, whose line breaks continue indented.
std::string IndentedBlock(const char* label, const std::string& text) {
    const std::string indent(kHtmlIndent);
    return std::string(label) + "<BR>\n" + indent + HtmlLines(text, "<BR>\n" + indent) + "<BR>\n";
}

}  // namespace

bool CHTMLDlg::WriteTaskPage(CTaskKav& task) {
    const std::string name = task.GetName();
    const std::string heading = (task.GetType() == kTaskBuildingBlock ? "Building Block " : "Task ") + name;
    WritePageHeader(taskPages_.Page(&task, name), heading);
    Write("<H2>" + HtmlText(heading) + "</H2>\n");
    WriteObjectImage(taskPages_.Picture(&task, name), [&](const std::filesystem::path& file) {
        return pictures_->SaveTaskFlowPicture(task, file);
    });
    WriteTaskProperties(task);
    WriteObjectTableHead("Task Steps", {{kNameWidth, "Name"}, {kStartWidth, "Start Window / Delay"}, {kDetailsWidth, "Details"}});
    WriteTaskStepRows(SortTaskSteps(task));
    Write("</TABLE><BR>\n");
    return WritePageEnd();
}

void CHTMLDlg::WriteTaskProperties(const CTaskKav& task) {
    Write("<B>Test Goal: </B>" + HtmlText(task.GetTestGoal()) + "<BR>\n");
    Write("<B>Test Level: </B>" + HtmlText(task.GetTestLevel()) + "<BR>\n");
    Write("<B>Test Category: </B>" + HtmlText(task.GetTestType()) + "<BR>\n");
    Write("<B>Configuration: </B>" + HtmlText(task.GetConfiguration()) + "<BR>\n");
    Write("<B>Documentation File: </B>" + HtmlText(task.GetDocPath()) + "<BR>\n");
    if (const CDataSet* dataSet = task.GetDataSet())
        Write("<B>Assigned to Data Set: </B>" + HtmlText(dataSet->GetName()) + "<BR>\n");
    Write(IndentedBlock("<B>Precondition: </B>", task.GetPrecondition()));
    Write(IndentedBlock("<B>Description: </B>", task.GetDescription()));
    Write(IndentedBlock("<B>Postcondition: </B>", task.GetPostcondition()));
    const std::string indent(kHtmlIndent);
    if (!task.GetParameters().empty()) {
        Write("<B>Parameters: </B><BR>\n");
        for (const CAttributeKav* parameter : task.GetParameters())
            Write(indent + HtmlText(parameter->GetName()) + "(" + GetValueTypeName(parameter->GetType()) + ") = " +
                  HtmlText(parameter->GetValue()) + "<BR>\n");
    }
    if (!task.GetRequirements().empty()) {
        Write("<B>Associated Requirements: </B><BR>\n");
        for (const CRequirement* requirement : task.GetRequirements())
            Write(indent + HtmlText(requirement->GetID()) + " = " + HtmlText(requirement->GetTitle()) + "<BR>\n");
    }
    Write("<BR>\n");
}

void CHTMLDlg::WriteTaskStepRows(const std::vector<CTaskStep*>& steps) {
    for (const CTaskStep* step : steps) {
        const CTaskKav* subTask = step->GetSubTask();
        // A call links the called task's page, which it may not have.
        WritePlainCell(kNameWidth, true,
                       subTask ? HtmlLink(taskPages_.Page(subTask, subTask->GetName()), step->GetName())
                               : HtmlText(step->GetName()));
        WritePlainCell(kStartWidth, false, subTask ? std::string() : StartWindowAndDelay(*step));
        WriteCellOpening(kDetailsWidth, false);
        if (subTask) {
            Write(TypedAttributeLines(step->GetAttributes(), "P"));
            Write(LabelledLine("Loop", LoopText(*step)));
        } else {
            Write(StepTextLines(*step, kStepLabels));
            for (const CConditionKav* condition : step->GetConditions())
                Write(LabelledLine("Cnd", HtmlText(condition->GetText())));
            for (const CActionKav* action : step->GetActions()) Write(LabelledLine("Act", ActionCall(*action)));
        }
        Write("</TD></TR>\n");
    }
}

bool CHTMLDlg::WriteTestCasePage(CTestCase& testCase) {
    const std::string name = testCase.GetDisplayName();
    WritePageHeader(testCasePages_.Page(&testCase, name), "Test Case " + name);
    Write("<H2>Test Case " + HtmlText(name) + "</H2>\n");
    WriteObjectImage(testCasePages_.Picture(&testCase, name), [&](const std::filesystem::path& file) {
        return pictures_->SaveTestCasePicture(testCase, file);
    });
    Write("<B>Type: </B>" + GetTestCaseKindName(testCase.GetType()) +
          LoadMessage(testCase.GetErrorCase() ? kErrorCaseLine : kNormalCaseLine));
    WriteObjectTableHead("Test Steps", {{kNameWidth, "Name"}, {kStartWidth, "Start Window / Delay"}, {kDetailsWidth, "Details"}});
    WriteTestStepRows(testCase.GetSteps());
    Write("</TABLE><BR>\n");
    return WritePageEnd();
}

void CHTMLDlg::WriteTestStepRows(const OwningList<CTestStep>& steps) {
    for (const CTestStep* step : steps) {
        WritePlainCell(kNameWidth, true, HtmlText(step->GetName()));
        WritePlainCell(kStartWidth, false, StartWindowAndDelay(*step));
        WriteCellOpening(kDetailsWidth, false);
        Write(StepTextLines(*step, kStepLabels));
        Write("</TD>\n"
              "</TR>\n");
    }
}
