#pragma once
// Ranorex (output format 10): a C# solution in the project folder. The solution folder holds
// <P>.rxsln and the Ranorex project folder <P>, which holds the project file <P>.csproj,
// Program.cs, the object repository <P>Repository.rxrep of every window, and per package (the
// test cases of one window or task) a test suite <package>.rxtst with, per test case, a
// recording <test case>.rxrec and its user code <test case>.UserCode.cs.
//
// Every file is UTF-8 with CR LF line ends; the test suite starts with a byte-order mark. The
// ids that tie the files together are made from names (MakeRanorexId), so they are the same on
// every run. Project file, Program.cs and the user-code methods are made from the templates in
// the installation's RanorexAddIn folder.
//
// Windows are addressed by their RanoreXPath, which GenerateTag stores in each window's tag
// beforehand (the tag generation, through the converter table).
#include <filesystem>
#include <map>
#include <set>
#include <memory>
#include <string>
#include <vector>

#include "conversion/framework/ConverterTable.h"
#include "conversion/framework/TestcaseConverter.h"
#include "conversion/ranorex/RanorexEventParser.h"
#include "conversion/ranorex/RanorexProjectFile.h"

class CTestCase;
class MessageLog;

class CRanorex : public CTestcaseConverter {
public:
    // webTest: every recording starts by opening the start page rather than the application.
    // The log (may be null) receives the lines of a repository import.
    explicit CRanorex(int webTest = 0, MessageLog* log = nullptr);

    // The solution file, the project file with the repository and Program.cs, Program.cs, the
    // repository, and the user-code methods of the template. 1, or 0 with the base's message,
    // W0773 (Ranorex project folder), W1178 (repository), W1198 (solution file or Program.cs),
    // W1197 (a template) or W1201 (project file).
    int Init(std::string projectName, std::string scriptFolder, std::string exePath, std::string workingFolder,
             std::string parameters) override;
    // The package's recordings, user code files and test suite, and their project entries. A
    // test case whose steps do not translate gets no files and is left out of the suite; the
    // suite is still written, and the result is then 0 with W1172. Otherwise 1, or 0 with W0774,
    // W1199, W1196 or W1197 (project file). path: the last recording written.
    int Convert(TestCaseList& list, std::string name, int& count, std::string& path) override;

    // ---- Tags (RanoreXPath, capability, capability list joined by CR LF)

    // Tags the window and every window below it; Ranorex tags know no preference. Returns 1.
    int GenerateTag(CWindowKav* window, int preferCaption);
    // The window's step appended to the path (or the path of its tool data in its place), and
    // its capability and capability list. Returns 1.
    int AppendPathStep(const CWindowKav& window, std::string& capability, std::string& capabilityList,
                       std::string& path) const;
    // Each of . $ | * + ? ^ ( ) [ ] preceded by a backslash.
    static std::string EscapeRegex(const std::string& text);
    // The blanks before the last shortcut token of a menu caption ("Open  Ctrl+O" gives
    // "OpenCtrl+O"), unless the token starts the caption.
    static std::string TrimMenuCaption(const std::string& caption);

    // ---- Importing Ranorex repositories (RanorexRepositoryImport.cpp)

    // Reads a repository file (".rxrep") into the project: the Ranorex repository reader makes
    // the windows, and each gets its name, caption, control id and rectangle from the last step
    // of its RanoreXPath and, as its tag, the path without coordinates and its capabilities
    // (see GenerateTag). A window without size is kept [W0398]. 1, or 0 with the reader's
    // message or the window table's (the windows before that one stay in the project).
    int ImportRepository(std::string path);
    // The attribute table of the path's last step: each "@name" with the value between the single
    // quotes that follow it (two quotes in a row stand for one); a later name replaces an earlier
    // one's value. Empty for a path without "[".
    void ParsePathAttributes(const std::string& path);
    const std::map<std::string, std::string>& GetPathAttributes() const { return pathAttributes_; }
    // The path without every predicate on the attribute, given with its "@" ("@x" is not "@xpos");
    // the joining " and " goes with it, and brackets left empty go too.
    static std::string RemovePathAttribute(const std::string& attribute, const std::string& path);
    // The path without its predicates on "@height", "@width", "@x" and "@y".
    static std::string RemoveCoordinateAttributes(const std::string& path);

    // The C# of the user-code methods by name, as the template gave them and the last test case
    // added them.
    const std::map<std::string, std::string>& GetUserMethods() const { return userMethods_; }

private:
    // What one test case adds to the suite.
    struct SuiteModule {
        std::string className;
        std::string recordingId;
        std::string moduleId;
    };

    // ---- Init
    int WriteSolutionFile(const std::string& fileStem) const;
    int WriteProgramFile() const;
    int ReadUserMethods();
    // The template's lines, or 0 with W1197 naming the file.
    static int ReadTemplate(const std::string& fileName, std::vector<std::string>& lines);

    // ---- Convert
    // The items of the steps; the methods that the items call, in order of first call. 1, or 0
    // with W1172.
    int TranslateSteps(const CTestCase& testCase, std::string& items, std::vector<std::string>& methods);
    static void AddCalledMethod(const std::string& item, std::vector<std::string>& methods);
    int WriteRecording(const CTestCase& testCase, const std::string& stem, const std::string& className,
                       const std::string& items, std::string& path) const;
    int WriteUserCodeFile(const std::string& stem, const std::string& className,
                          const std::vector<std::string>& methods) const;
    // The test suite of the package and its project entry; 1, or 0 with W1199.
    int WriteSuite(const std::vector<SuiteModule>& modules);
    void AddTestCaseToProject(const std::string& stem);
    // The class name for the test case's file stem, unique in the run.
    std::string ClaimClassName(const std::string& stem);

    std::filesystem::path RanorexFolder() const;
    std::string FileStem() const;
    std::string Namespace() const;

    int webTest_;
    CRanorexEventParser parser_;
    std::map<std::string, std::string> userMethods_;
    RanorexProjectFile projectFile_;
    std::set<std::string> classNames_;
    MessageLog* log_;
    std::map<std::string, std::string> pathAttributes_;
};

std::unique_ptr<CTestcaseConverter> CreateRanorexConverter(const ConverterSettings& settings);
// The tag generator of the converter table.
int GenerateRanorexTags(CWindowKav& window, int preferCaption);
// The job that the message log window runs for the program's window: importing a repository
// file on a Ranorex converter of its own that reports into the log.
int RunRanorexRepositoryImport(const std::string& path, MessageLog& log);
