// The SilkTest suite: a script and a test plan per package, and the main test plan.
#include "conversion/framework/OutputFormats.h"
#include "conversion/silktest/QAP4.h"
#include "conversion/silktest/SilkTestFormat.h"
#include "model/ApplicationKav.h"
#include "model/DisplayTexts.h"
#include "model/ShellServices.h"
#include "model/TaskKav.h"
#include "model/TestCase.h"
#include "model/TestScript.h"
#include "platform/Format.h"
#include "platform/Interaction.h"
#include "platform/TextUtil.h"
#include "resources/MessageCatalogue.h"

namespace {

constexpr const char* kMainPlan = "Main.pln";

// The step's description as a comment behind its statement, on the statement's line.
std::string StepComment(const CTestStep& step) {
    const std::string description = step.GetDescription();
    return description.empty() ? std::string() : "  // " + JoinLines(description);
}

// The user's 4Test code, one tab deep; code without outline markers of its own gets "[ ] " on
// each line.
std::string UserCode(const std::string& commands) {
    std::string code = commands.front() == '\t' ? ReplaceSeparators(commands, "\n", "\n")
                                                : ReplaceSeparators("\t" + commands, "\n", "\n\t");
    if (code.find('[') == std::string::npos) code = ReplaceSeparators(code, "\t", "\t[ ] ");
    return code;
}

}  // namespace

std::vector<std::filesystem::path> CQAP4::PlannedFiles(const TestCaseList&, const std::string& name) const {
    const std::string base = PackageFilePath("TP_" + name, ".t").stem().string();
    return {Suite() / (base + ".t"), Suite() / (base + ".pln")};
}

int CQAP4::Convert(TestCaseList& list, std::string name, int& count, std::string& path) {
    count = 0;
    path.clear();
    packageName_ = std::move(name);
    if (!IsFolder(Suite())) return Fail(44444, kSuiteFolder);
    const std::string base = ClaimPackageFile("TP_" + packageName_, ".t").stem().string();

    ScriptFile script(Suite() / (base + ".t"), kSilkTestEncoding, LineEnd::CrLf);
    WriteHeader(script, "Scriptname:   " + base + ".t", "generated for project:   " + GetProjectName());
    script.WriteLine();
    script.WriteLine("[ ] use \"..\\Includes\\Incl.inc\" // global include");
    script.WriteLine("[ ] ");
    bool failed = false;
    for (const CTestCase* testCase : list) {
        ++count;
        if (WriteTestCase(script, *testCase)) continue;
        failed = true;
        SetMessage(44453, testCase->GetDisplayName());
        script.WriteText(LoadMessage(49215));
        script.WriteLine(kOutlineSeparator.substr(4));
    }
    if (!CommitFile(script)) return Fail(44448, base);

    ScriptFile plan(Suite() / (base + ".pln"), kSilkTestEncoding, LineEnd::CrLf);
    WriteHeader(plan, "Test Plan:   " + base + ".pln", "generated for project:   " + GetProjectName());
    plan.WriteLine();
    plan.WriteLine("[ ] ");
    plan.WriteLine("[-] " + base);
    for (const CTestCase* testCase : list) {
        const std::string displayName = testCase->GetDisplayName();
        plan.WriteLine("\t[-] " + displayName);
        plan.WriteLine("\t\t[ ] script: " + base + ".t");
        plan.WriteLine("\t\t[ ] testcase: " + displayName);
    }
    plan.WriteLine("\t[ ]");
    if (!CommitFile(plan)) return Fail(44355, base);
    path = plan.Path().string();
    return failed ? Fail(44454) : 1;
}

int CQAP4::WriteTestCase(ScriptFile& file, const CTestCase& testCase) {
    file.WriteLine(kOutlineSeparator);
    file.WriteLine("[-] testcase " + testCase.GetDisplayName() + " ()");
    file.WriteLine("\t[ ] // Type: " + GetTestCaseKindName(testCase.GetType()) +
                   (testCase.GetErrorCase() ? " (Error Case)" : " (Normal Case)"));
    for (const CTestStep* step : testCase.GetSteps()) {
        const std::string comment = StepComment(*step);
        if (const std::string commands = step->GetCommands(); !commands.empty()) {
            file.WriteLine("\t[ ] // User-defined code");
            file.WriteText(UserCode(commands) + comment + "\n");
        } else if (CWindowKav* window = step->GetStartWindow()) {
            const std::string event = step->GetEventWithoutLineFeeds();
            std::string statement;
            if (!parser_.TranslateEventString(event, window, statement)) {
                const std::string task = step->GetTask() ? "Task '" + step->GetTask()->GetName() + "' / " : "";
                GetInteraction().Inform(FormatMessageId(45116, task, step->GetName(), GetGlobalMessageBuffer()),
                                        MessageIcon::Warning);
                file.WriteLine("\t[ ] // ERROR: Couldn't translate " + event + " for window " + window->GetName() + "!");
                file.Write(" ");
                return 0;
            }
            file.WriteText("\t[ ] " + statement + comment + "\n");
        } else {
            continue;
        }
        if (step->GetDelay() > 0)
            file.WriteLine(Fmt("\t[ ] Sleep(%1.3f)", static_cast<float>(step->GetDelay()) / 1000.0f));
    }
    file.WriteLine();
    return 1;
}

int CQAP4::Finish() {
    if (!IsFolder(Suite())) return Fail(44445);
    ScriptFile plan(Suite() / kMainPlan, kSilkTestEncoding, LineEnd::CrLf);
    WriteHeader(plan, "Main Test Plan", "generated for project:   " + GetProjectName());
    plan.WriteLine();
    plan.WriteLine("[-] " + GetProjectName());
    for (const CTestScript* script : CurrentApplication->GetTestScripts()) {
        if (script->GetFormat() != kFormatSilkTest) continue;
        plan.WriteLine("\t[-] " + script->GetName());
        plan.WriteLine("\t\t[ ] include: " + script->GetPath());
        plan.WriteLine("\t[ ]");
    }
    return CommitFile(plan) || Fail(44446, kMainPlan);
}
