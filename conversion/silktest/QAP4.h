#pragma once
// SilkTest (output format 1): a 4Test project in the project folder. Includes/ holds the window
// declarations (the test frame MainWin.inc for the start window, one file per other top-level
// or captioned window), Incl.inc that uses them all, and Kavrolib.inc with the helper function
// of the Wait statements, which the user may extend and which is never overwritten.
// Test_Suite/ holds a script (TP_<package>.t) and a test plan (TP_<package>.pln) per package and
// Main.pln, which includes the test plans of every SilkTest script the project records.
//
// Every file is 8-bit text with CR LF line ends in SilkTest's outline notation: each line is
// tabs, a marker ("[ ]", "[-]" expanded, "[+]" collapsed), a blank and the content.
//
// The declarations copy each window's stored tag, which GenerateTag computes beforehand (the tag
// generation, through the converter table); a conversion never recomputes tags.
#include <memory>
#include <string>

#include "conversion/framework/ConverterTable.h"
#include "conversion/framework/ScriptFile.h"
#include "conversion/framework/TestcaseConverter.h"
#include "conversion/silktest/QapEventParser.h"
#include "model/WindowKav.h"

class CQAP4 : public CTestcaseConverter {
public:
    // Characters that 8-bit files cannot hold are reported to the progress (may be null).
    explicit CQAP4(Progress* progress = nullptr) : progress_(progress) {}

    // The project folder with Includes/ and Test_Suite/, and every file of Includes/. 1, or 0
    // with W0455 (folders), W0457, W0458 (test frame, after its own message box), W0459
    // (a window include), W0460 (Incl.inc) or W0462 (Kavrolib.inc).
    int Init(std::string projectName, std::string scriptFolder, std::string exePath, std::string workingFolder,
             std::string parameters) override;
    // The package's script and test plan; path is the test plan's. 1; 0 with W0444, W0448, W0355,
    // or W0454 when a test case could not be translated (the script says where, the other test
    // cases are written).
    int Convert(TestCaseList& list, std::string name, int& count, std::string& path) override;
    // Main.pln; 1, or 0 with W0445 or W0446.
    int Finish() override;
    std::vector<std::filesystem::path> PlannedFiles(const TestCaseList& list, const std::string& name) const override;

    // Stores the 4Test declaration lines ("tag ..." and, for captioned windows, "parent ...")
    // as the tag of the window and of every supported window below it; preferCaption 1 names a
    // control by its caption rather than its control id. Returns 1.
    int GenerateTag(CWindowKav* window, int preferCaption);

    // The 4Test class of the window; swfLinkLabel 1 gives a Windows Forms link its own class
    // (tag paths), 0 a custom window (declarations).
    static std::string GetWindowClassName(const CWindowKav* window, int swfLinkLabel);
    // A caption as a part of a tag path: characters with a meaning in tags become "?", "&" is
    // dropped, and more than 100 characters are cut to 99 and "*".
    static std::string EscapeTagText(const std::string& text);

private:
    // ---- Includes/ (Init)
    int WriteTestFrame();
    // How the recovery system starts the application.
    void WriteStartCommand(ScriptFile& file, const CWindowKav& start) const;
    int WriteWindowInclude(const CWindowKav& window, std::string& fileName);
    int WriteIncludeList(const std::vector<std::string>& fileNames);
    int WriteLibraryInclude();
    void WriteChildDeclarations(ScriptFile& file, const CWindowKav& window);
    void WriteWindowDeclaration(ScriptFile& file, const CWindowKav& window);
    void WriteTagLines(ScriptFile& file, const CWindowKav& window) const;
    void WriteHeader(ScriptFile& file, const std::string& first, const std::string& second) const;

    // ---- Test_Suite/ (Convert, Finish)
    int WriteTestCase(ScriptFile& file, const CTestCase& testCase);
    bool CommitFile(const ScriptFile& file) const;

    // ---- Tags
    std::string GetTagPath(const CWindowKav& window, int preferCaption);
    std::string GetTagPart(const CWindowKav& window, int preferCaption);
    std::string GetLabelText(const CWindowKav& window, const CWindowKav& referenceParent) const;
    int CountPrecedingSiblings(const CWindowKav& referenceParent, const CWindowKav& window, const WindowRect& rect);
    bool IsSkipped(const CWindowKav& window) { return parser_.IsWindowUnsupported(&window, 1); }

    std::filesystem::path Includes() const { return GetProjectFolder() / "Includes"; }
    std::filesystem::path Suite() const { return GetProjectFolder() / kSuiteFolder; }

    static constexpr const char* kSuiteFolder = "Test_Suite";

    CQapEventParser parser_;
    Progress* progress_;
};

std::unique_ptr<CTestcaseConverter> CreateSilkTestConverter(const ConverterSettings& settings);
// The tag generator of the converter table.
int GenerateSilkTestTags(CWindowKav& window, int preferCaption);
