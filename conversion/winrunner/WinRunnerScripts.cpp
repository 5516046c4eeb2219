// The WinRunner test suite: per package a function library with one function per test case
// and a main test that runs them, and the suite's main test that runs every package.
#include <algorithm>
#include <fstream>

#include "conversion/framework/OutputFormats.h"
#include "conversion/winrunner/WinRunner.h"
#include "conversion/winrunner/WinRunnerFormat.h"
#include "model/ApplicationKav.h"
#include "model/DisplayTexts.h"
#include "model/ShellServices.h"
#include "model/TaskKav.h"
#include "model/TestCase.h"
#include "model/TestScript.h"
#include "model/WindowKav.h"
#include "model/windows/WindowTypes.h"
#include "platform/Clock.h"
#include "platform/Format.h"
#include "platform/TextUtil.h"

namespace {

constexpr const char* kBanner = "##********************************************************************\n";
constexpr const char* kCommentLine = "## \n";
constexpr const char* kSeparator = "##--------------------------------------------------------------------\n";
constexpr const char* kFunctionLibrary = "Func_Lib";
constexpr const char* kMainTest = "Main";

// The bookkeeping files that WinRunner keeps in every test's db folder.
constexpr const char* kTestDatabase =
    "G track \"000000\" 0\n"
    "G sync \"000000\" 0\n"
    "G tlist \"000000\" 0\n"
    "G tests \"000000\" 0\n"
    "G x_product_name \"WinRunner\" 0\n"
    "G x_product_versn \"WR10\" 0\n";

// The C library's date form of the local time, with its line end.
std::string CreationTime() { return FormatCTime(GetClock().LocalNow()) + "\n"; }

// A TSL wait of whole seconds and milliseconds.
std::string WaitStatement(int milliseconds) {
    return Fmt("\twait(%d, %d);\n", milliseconds / 1000, milliseconds % 1000);
}

std::string EndOfFunction(const std::string& name) {
    return "#### * * * * * * * * * * * * *   End of function " + name;
}

}  // namespace

std::string CWinRunner::DoubleBackslashes(const std::string& text) { return ReplaceSeparators(text, "\\", "\\\\"); }

std::vector<std::filesystem::path> CWinRunner::PlannedFiles(const TestCaseList&, const std::string& name) const {
    const std::string package = PackageFilePath("TP_" + name, "").filename().string();
    const std::filesystem::path library = Suite() / package / kFunctionLibrary;
    const std::filesystem::path main = Suite() / package / (package + "_" + kMainTest);
    return {library / "script", library / "header",       library / "db" / "crvx.asc", library / "db" / "tm.asc",
            main / "script",    main / "db" / "crvx.asc", main / "db" / "tm.asc"};
}

bool CWinRunner::CreateTestFolder(const std::filesystem::path& folder, bool withHeader) const {
    const std::filesystem::path database = folder / "db";
    if (!MakeFolder(folder) || !IsFolder(folder) || !MakeFolder(database) || !IsFolder(database)) return false;
    for (const char* name : {"crvx.asc", "tm.asc"}) {
        ScriptFile file = NewFile(database / name);
        file.WriteText(kTestDatabase);
        if (!CommitFile(file)) return false;
    }
    MakeFolder(folder / "exp");
    if (!withHeader) return true;
    ScriptFile header = NewFile(folder / "header");
    header.WriteText("#! asci, 100 , 100 , Test Header , " + CreationTime() + "TDDB_ID = 0\nTYPE = \"CM\"\n");
    return CommitFile(header);
}

void CWinRunner::WriteScriptHeader(ScriptFile& file, const std::string& testPackage,
                                   const std::string& scriptName) const {
    file.WriteText(std::string(kBanner) + "## Project:\t\t" + GetProjectName() + "\n## Testpackage:\t" + testPackage +
                   "\t\t Scriptname:\t" + scriptName + "\n" + kBanner + "## Creation date:\t" + CreationTime() +
                   kCommentLine + kBanner + "\n");
}

void CWinRunner::WriteFunctionHeader(ScriptFile& file, const std::string& name, const std::string& parameters) const {
    file.WriteText(std::string(kSeparator) + kCommentLine + "## Function : " + name + " (" + parameters + ");   \n" +
                   kCommentLine + kSeparator + "public function " + name + " (" + parameters + ")\n{\n ");
}

int CWinRunner::Convert(TestCaseList& list, std::string name, int& count, std::string& path) {
    count = 0;
    path.clear();
    packageName_ = std::move(name);
    usedGuiMaps_.clear();
    if (!IsFolder(Suite())) return Fail(44543, kSuiteFolder);
    packageFolder_ = ClaimPackageFile("TP_" + packageName_, "").filename().string();
    const std::filesystem::path package = Suite() / packageFolder_;
    if (!MakeFolder(package)) return Fail(44695, packageFolder_);
    if (!IsFolder(package)) return Fail(44544, packageFolder_);

    if (!CreateTestFolder(package / kFunctionLibrary, true)) return Fail(44546, packageFolder_);
    ScriptFile library = NewFile(package / kFunctionLibrary / "script");
    const int converted = WriteFunctionLibrary(library, list, count);
    // A library that ends in an error is written too: it says where the conversion stopped.
    if (!CommitFile(library)) return Fail(44546, packageFolder_);
    if (!converted) return 0;

    const std::string mainTest = packageFolder_ + "_" + kMainTest;
    if (!CreateTestFolder(package / mainTest, false)) return Fail(44552, packageFolder_);
    ScriptFile main = NewFile(package / mainTest / "script");
    if (!WritePackageMain(main, mainTest)) return 0;
    if (!CommitFile(main)) return Fail(44552, packageFolder_);
    path = main.Path().string();
    return 1;
}

int CWinRunner::WriteFunctionLibrary(ScriptFile& file, const TestCaseList& list, int& count) {
    WriteScriptHeader(file, packageFolder_, kMainTest);
    WriteFunctionHeader(file, "tp_all", "out tc_arr[]");
    for (size_t k = 0; k < list.size(); ++k)
        file.WriteText(Fmt("\ttc_arr[%d]\t= \"", static_cast<int>(k + 1)) + list[k]->GetDisplayName() + "\";\n");
    file.WriteText(Fmt("\n\treturn ( %d );\t\t\n", static_cast<int>(list.size())) + "}" + MakeTabs(14) + "\n" +
                   EndOfFunction("tp_all") + "\n\n");

    for (const CTestCase* testCase : list) {
        const std::string name = testCase->GetDisplayName();
        WriteFunctionHeader(file, name, "");
        ++count;
        if (!WriteTestCaseBody(file, *testCase)) {
            file.WriteText(std::string(">ERROR in conversion\n") + kBanner);
            return 0;
        }
        file.WriteText("\treturn (rc);\n}\n" + EndOfFunction(name) + " \n\n");
    }
    WriteGuiMapFunction(file, "tc_gui_load", "GUI_load");
    WriteGuiMapFunction(file, "tc_gui_unload", "GUI_unload");
    file.WriteText("#### * * * * * * * * * * * * *   End of function_Lib \n\n");
    return 1;
}

// A function that loads (or unloads) the GUI map of every window that the test cases use.
void CWinRunner::WriteGuiMapFunction(ScriptFile& file, const std::string& name, const std::string& call) const {
    WriteFunctionHeader(file, name, "");
    for (const CWindowKav* window : usedGuiMaps_) {
        const auto known = guiMapFiles_.find(window);
        const std::string fileName = known != guiMapFiles_.end() ? known->second : window->GetName() + ".gui";
        file.WriteText("\t" + call + "(\"..\\\\..\\\\Gui_Maps\\\\" + fileName + "\");\n");
    }
    file.WriteText("\treturn ( 0 );\n}\n" + EndOfFunction(name) + "\n\n");
}

int CWinRunner::WritePackageMain(ScriptFile& file, const std::string& mainTest) const {
    const CApplicationKav& app = *CurrentApplication;
    WriteScriptHeader(file, packageFolder_, mainTest);
    file.WriteText(
        "  public DEFAULT_BROWSER; ## The value of this variable can be changed in kavrolib::m_init\n"
        "  m_init(); ## Initialize WinRunner options\n"
        "  reload(\"Func_Lib\",0,0);\n\n");
    if (webTest_) {
        file.WriteText("  ## URL of Start Page\n  start_page \t= \"" + DoubleBackslashes(GetExePath()) + "\";\n\n");
    } else {
        const CWindowKav* start = app.GetStartWindow();
        if (!start) return Fail(44494);
        file.WriteText("  ## Path to the application\u00B4s executable\n");
        file.WriteText("  work_dir \t= \"" + DoubleBackslashes(GetWorkingFolder()) + "\";\n");
        file.WriteText("  aut_name \t= \"" + DoubleBackslashes(GetExePath()) + "\";\n");
        file.WriteText("  aut_param \t= \"" + DoubleBackslashes(GetParameters()) + "\";\n");
        file.WriteText("  ## Name of the application\u00B4s start window (use KAVRO\u00B4s Application Editor to change it)\n");
        file.WriteText("  exp_Wnd_name \t= \"" + start->GetName() + "\";\n\n");
    }
    file.WriteText(
        "  tc_cnt \t= 1;\t\t\t\t## test case counter\n"
        "  mem_rc \t= E_OK;\t\t\t\t## 1 if at least one test case has failed\n\n"
        "  tc_gui_load ();\t\t\t\t## load all necessary GUI maps\n\n"
        "  tc_max\t= tp_all(tcase_arr);\t## fill test case array and get the number of test cases\n\n"
        " ## call all existing test cases in this test package\n"
        " while (tc_cnt <= tc_max)\n"
        " {\n");
    file.WriteText(webTest_
                       ? "\t aut_rc = web_browser_invoke(DEFAULT_BROWSER, start_page); ## Call the default browser "
                         "(can be changed in kavrolib::m_init)\n"
                       : "\t aut_rc = aut_launch(work_dir, aut_name, aut_param, exp_Wnd_name);\n");
    file.WriteText(
        "\t if (aut_rc == 0)\n"
        "\t {\n"
        "\t\t m_report(tcase_arr[tc_cnt]&\" : Start\", 0, \"****** S T A R T ****** \");\n"
        "\t\t eval(\"tc_rc = \" &tcase_arr[tc_cnt] &\"();\");\n"
        "\t\t m_report(tcase_arr[tc_cnt]&\" : Finished\", tc_rc, \"****** F I N I S H E D ****** \");\n");
    file.WriteText(webTest_                              ? "\t\t m_cleanup(tc_rc, \"Browser Main Window\");\n"
                   : app.GetGuiId() == kJavaGuiBuilderId ? "\t\t m_cleanup_java(tc_rc, exp_Wnd_name);\n"
                                                         : "\t\t m_cleanup(tc_rc, exp_Wnd_name);\n");
    file.WriteText(
        "\t\t if (mem_rc == E_OK)\tmem_rc = tc_rc;\n"
        "\t }\n"
        "\t else\n"
        "\t {\n"
        "\t\t m_report(tcase_arr[tc_cnt]&\" : Finished\",1,\" FAILED => testrun aborted.\");\n"
        "\t\t tc_gui_unload ();\t## unload all used GUI maps\n"
        "\t\t unload(\"Func_Lib\");\n"
        "\t\t treturn (aut_rc);\n"
        "\t }\t## else\n"
        "\t tc_cnt++;\n"
        " }  ## while\n"
        " tc_gui_unload ();\t\t## unload all used GUI maps\n"
        " unload(\"Func_Lib\");\n"
        " treturn(mem_rc);\n");
    file.WriteText("#### * * * * * * * * * * * * *   End of " + packageFolder_ + "-" + mainTest + " \n\n");
    return 1;
}

void CWinRunner::UseGuiMap(const CWindowKav& window) {
    if (std::find(usedGuiMaps_.begin(), usedGuiMaps_.end(), &window) == usedGuiMaps_.end())
        usedGuiMaps_.push_back(&window);
}

int CWinRunner::WriteTestCaseBody(ScriptFile& file, const CTestCase& testCase) {
    const CApplicationKav& app = *CurrentApplication;
    file.WriteText("\t## Type: " + GetTestCaseKindName(testCase.GetType()) +
                   (testCase.GetErrorCase() ? " (Error Case)\n" : " (Normal Case)\n"));
    const std::string variables = app.GetWinRunnerVariables();
    file.WriteText(variables.empty() ? "\tauto rc = E_OK, help = 0;\n"
                                     : "\tauto rc = E_OK, help = 0, " + variables + ";\n");
    const std::string timeout = std::to_string(app.GetTimeout());

    const CWindowKav* current = nullptr;
    int pendingDelay = 0;
    const auto& steps = testCase.GetSteps();
    for (size_t at = 0; at < steps.size(); ++at) {
        const CTestStep& step = *steps[at];
        const CWindowKav* window = step.GetStartWindow();
        std::string code = step.GetCommands();
        if (code.empty() && !window) continue;

        const std::string event = step.GetEventWithoutLineFeeds();
        std::string statement;
        if (!code.empty()) {
            parser_.TranslateKeyNames(code);
            statement = "# User-defined code\n\t" + ReplaceSeparators(code, "\n", "\n\t");
        } else if (!parser_.TranslateEventString(event, window, statement)) {
            const std::string reason = GetGlobalMessageBuffer();
            const std::string task = step.GetTask() ? "Task '" + step.GetTask()->GetName() + "' / " : "";
            SetMessage(45121, task, step.GetName(), reason);
            file.WriteText("\t##[ 9] // ERROR: Couldn't translate " + JoinLines(event) + "\n");
            return 0;
        }

        if (window) {
            // The statements of a window run in the window with a title bar that holds it.
            const CWindowKav* captioned = window;
            for (; !captioned->HasCaption(); captioned = captioned->GetParent())
                if (!captioned->GetParent()) return Fail(44557, captioned->GetName());
            if (captioned != current) {
                UseGuiMap(*captioned);
                const std::string name = "\n\tset_window(\"" + captioned->GetName() + "\", ";
                if (pendingDelay > 0 && app.GetOptimizeWait()) {
                    file.WriteText(name + SecondsText(pendingDelay) + ");\n");
                } else {
                    if (pendingDelay > 0) file.WriteText(WaitStatement(pendingDelay));
                    file.WriteText(name + timeout + ");\n");
                }
                current = captioned;
                pendingDelay = 0;
            }
        }
        if (pendingDelay > 0) file.WriteText(WaitStatement(pendingDelay));
        const std::string comment = step.GetComment();
        file.WriteText("\t" + statement + (comment.empty() ? "" : "  # " + JoinLines(comment)) + "\n");
        pendingDelay = step.GetDelay() > 0 ? step.GetDelay() : 0;
        if (pendingDelay > 0 && at + 1 == steps.size()) {
            file.WriteText(WaitStatement(pendingDelay));
            pendingDelay = 0;
        }
    }
    // The wait of a step that only skipped steps follow.
    if (pendingDelay > 0) file.WriteText(WaitStatement(pendingDelay));
    return 1;
}

int CWinRunner::Finish() {
    const std::filesystem::path main = GetProjectFolder() / kMainTest;
    if (!CreateTestFolder(main, false)) return Fail(44558, kSuiteFolder);
    ScriptFile script = NewFile(main / "script");
    WriteScriptHeader(script, kSuiteFolder, kMainTest);
    script.WriteText("\n ## Paths of all generated test packages\n");
    int packages = 0;
    for (const CTestScript* recorded : CurrentApplication->GetTestScripts()) {
        if (recorded->GetFormat() != kFormatWinRunner || !std::ifstream(recorded->GetPath()).good()) continue;
        // The package's main test, as a path in a TSL string inside an eval string.
        const std::string path = recorded->GetPath();
        const size_t separator = path.find_last_of("/\\");
        const std::string folder = path.substr(0, separator == std::string::npos ? 0 : separator);
        script.WriteText(Fmt(" tp_arr[%d] = \"", ++packages) + DoubleBackslashes(DoubleBackslashes(folder)) + "\";\n");
    }
    script.WriteText(Fmt(" tpAmount = %d;\t\t\n\n", packages) +
                     " m_report(\"Test-Suite-Main: START \",0, \"***** Testrun S T A R T *****\");\n"
                     " loopInd = 1;\n"
                     " mem_rc = E_OK;  ## 1 if at least one test case has failed\n\n"
                     " while ( loopInd <= tpAmount )\n"
                     " {\n"
                     "\t eval(\"tp_rc = call \\\"\"&tp_arr[loopInd]&\"\\\" ();\");\n"
                     "\t if (mem_rc == E_OK) mem_rc = tp_rc;\n"
                     "\t loopInd++;\n"
                     " }\n"
                     " m_report(\"Test_Suite-Main\", mem_rc, \"***** Testrun F I N I S H E D *****\");\t\n\n"
                     " treturn( mem_rc );" +
                     MakeTabs(7) +
                     "\n"
                     "##********** End of Test_Suite-Main *********\n");
    return CommitFile(script) || Fail(44447);
}
