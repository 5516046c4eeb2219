#pragma once
// WinRunner (output format 8): a test suite of WinRunner tests in the project folder. Gui_Maps/
// holds one GUI map per top-level or captioned window (<window>.gui) and Gui_Maps_All.txt that
// lists them. Test_Suite/TP_<package>/ holds per package the test Func_Lib, whose script is the
// package's function library with one function per test case, and TP_<package>_Main, whose
// script runs them all; Main/ holds the script that runs every package the project records.
// Every WinRunner test is a folder with its "script", db/crvx.asc, db/tm.asc and exp/.
//
// Every file is 8-bit text with CR LF line ends. The GUI maps copy each window's stored tag,
// its physical description, which GenerateTags computes beforehand (the tag generation, through
// the converter table); a conversion never recomputes tags.
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "conversion/framework/ConverterTable.h"
#include "conversion/framework/ScriptFile.h"
#include "conversion/framework/TestcaseConverter.h"
#include "conversion/winrunner/WREventParser.h"

class CApplicationKav;
class CTestCase;
class CWindowKav;

class CWinRunner : public CTestcaseConverter {
public:
    // The parser gets the key table of the project's keyboard layout. Characters that 8-bit
    // files cannot hold are reported to the progress (may be null).
    explicit CWinRunner(int webTest = 0, Progress* progress = nullptr);

    // The project folder with Gui_Maps/ and Test_Suite/, and the GUI maps. 1, or 0 with
    // W0782 to W0785 (script and project folder), W0786 (Gui_Maps), W0787 (Test_Suite),
    // W0554 (Gui_Maps is no folder), W0555 (a GUI map, after its own message box) or W0461
    // (Gui_Maps_All.txt).
    int Init(std::string projectName, std::string scriptFolder, std::string exePath, std::string workingFolder,
             std::string parameters) override;
    // The package's Func_Lib and main test; path is the main test's script. 1, or 0 with W0543,
    // W0695, W0544, W0546, W0552, W0494, or W1121 when a step could not be translated (the
    // library then ends in an error line) or W0557 for a window without title bar above it.
    int Convert(TestCaseList& list, std::string name, int& count, std::string& path) override;
    // The suite's Main test; 1, or 0 with W0558 or W0447.
    int Finish() override;
    std::vector<std::filesystem::path> PlannedFiles(const TestCaseList& list, const std::string& name) const override;

    // ---- Physical descriptions (tags)

    // Stores the description of the window and of every window below it as their tags; equal
    // tags below a captioned window get their place among each other as location (position
    // for menu items). The flag changes nothing. Returns 1.
    int GenerateTags(CWindowKav* window, int flag);
    // Replaces every tag in the model's old notation ("$id, #index, text") by a description;
    // menu bars and tags that begin with "{" stay. Returns 1.
    int ConvertOldTags(CApplicationKav& project);
    // The description of the window from its old tag; withIndex keeps "#" tokens. An old tag
    // that says nothing usable gives the description from the window's data.
    std::string ConvertOldTag(const CWindowKav& window, int withIndex);
    // Appends, depth first in child order, every descendant without title bar, not descending
    // into those with one.
    static void CollectUntitledDescendants(const CWindowKav* window, std::vector<CWindowKav*>& list);
    // A caption as a WinRunner regular expression: "!" first, ".*" for "*", "." for characters
    // with a meaning, "&" dropped, at most 100 characters (cut to 98 and ".*").
    static std::string MakeRegularExpression(const std::string& text);
    // The WinRunner class of the window (error texts for menu bars and unknown types).
    static std::string GetWinRunnerClass(const CWindowKav& window);

    // Each "\" written as two.
    static std::string DoubleBackslashes(const std::string& text);

private:
    // ---- Tags
    // "{class: ...}" with the attribute text; generating picks html_edit for a web text area.
    static std::string Describe(const CWindowKav& window, const std::string& attributes, bool generating);
    std::string BuildAttributes(const CWindowKav& window);
    std::string BuildAttributesFromTag(const CWindowKav& window, int withIndex);
    static std::string NextTagToken(std::string& rest);
    void MakeLocationsUnique(CWindowKav& window);

    // ---- Gui_Maps/ (Init)
    int WriteGuiMaps();
    bool WriteGuiMapFile(const CWindowKav& window, const std::string& fileName);
    void WriteGuiMapChildren(ScriptFile& file, const CWindowKav& mapWindow, const CWindowKav& window, int level);
    void WriteGuiMapEntry(ScriptFile& file, const CWindowKav& mapWindow, const CWindowKav& window, int level);

    // ---- Test_Suite/ and Main/ (Convert, Finish)
    bool CreateTestFolder(const std::filesystem::path& folder, bool withHeader) const;
    void WriteScriptHeader(ScriptFile& file, const std::string& testPackage, const std::string& scriptName) const;
    void WriteFunctionHeader(ScriptFile& file, const std::string& name, const std::string& parameters) const;
    int WriteFunctionLibrary(ScriptFile& file, const TestCaseList& list, int& count);
    void WriteGuiMapFunction(ScriptFile& file, const std::string& name, const std::string& call) const;
    int WritePackageMain(ScriptFile& file, const std::string& mainTest) const;
    int WriteTestCaseBody(ScriptFile& file, const CTestCase& testCase);
    void UseGuiMap(const CWindowKav& window);
    bool CommitFile(const ScriptFile& file) const { return CommitReportingReplacements(file, progress_); }

    std::filesystem::path GuiMaps() const { return GetProjectFolder() / "Gui_Maps"; }
    std::filesystem::path Suite() const { return GetProjectFolder() / kSuiteFolder; }
    ScriptFile NewFile(const std::filesystem::path& path) const;

    static constexpr const char* kSuiteFolder = "Test_Suite";

    int webTest_;
    Progress* progress_;
    // The test package folder of the package being converted: "TP_" + its name, made unique.
    std::string packageFolder_;
    // The GUI map file (without ".gui") of every top-level or captioned window, from Init.
    std::map<const CWindowKav*, std::string> guiMapFiles_;
    // The GUI maps the package's test cases use, in the order of first use.
    std::vector<const CWindowKav*> usedGuiMaps_;
    CWREventParser parser_;
};

std::unique_ptr<CTestcaseConverter> CreateWinRunnerConverter(const ConverterSettings& settings);
// The tag generator of the converter table.
int GenerateWinRunnerTags(CWindowKav& window, int preferCaption);
