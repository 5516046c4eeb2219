// The sheet that a test-management tool imports as manual tests: one row per test step.
#include "conversion/framework/OutputFormats.h"
#include "conversion/plaintext/PlainTextConverter.h"
#include "conversion/plaintext/SheetRow.h"
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "model/TaskKav.h"
#include "model/TestCase.h"

namespace {

// The task's place below the root task: "Folder\Sub\Task".
std::string Subject(const CTaskKav* task) {
    if (!task) return {};
    std::string subject = task->GetName();
    const CTaskKav* root = CurrentApplication->GetRootTask();
    for (const CTaskKav* parent = task->GetParent(); parent && parent != root; parent = parent->GetParent())
        subject = parent->GetName() + "\\" + subject;
    return subject;
}

// What the tool makes of the tests: by the project's own output format, not the one written.
std::string TestType(int projectFormat) {
    switch (projectFormat) {
        case kFormatUft: return "QUICKTEST_TEST";
        case kFormatWinRunner: return "WR-AUTOMATED";
        case kFormatPlainText:
        case kFormatAlmSheet:
        case kFormatIbmQmXml:
        case kFormatBlockInfoSheet: return "MANUAL";
        default: return "SYSTEM-TEST";
    }
}

}  // namespace

int CPlainTextConverter::WriteAlmSheet(ScriptFile& file, const TestCaseList& list, int& count) const {
    WriteSheetHeader(file, {"Subject", "Test Name", "Description", "Type", "Status", "Step Name", "Step Description",
                            "Expected Results"});
    const std::string type = TestType(CurrentApplication->GetOutputFormat());
    for (const CTestCase* testCase : list) {
        ++count;
        const CTaskKav* task = testCase->GetTask();
        SheetRow testCaseFields;
        testCaseFields.Text(Subject(task)).Text(testCase->GetDisplayName());
        if (task) testCaseFields.Quoted(task->GetDescription());
        else testCaseFields.Empty();
        testCaseFields.Text(type).Text("Imported");
        for (const CTestStep* step : testCase->GetSteps()) {
            SheetRow row = testCaseFields;
            row.Text(step->GetName()).Quoted(step->GetDescription()).Quoted(step->GetExpectedResult());
            row.WriteTo(file);
        }
    }
    return 1;
}
