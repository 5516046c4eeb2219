#pragma once
// UFT (output format 7): tests of HP Functional Testing, made by UFT itself through its
// automation (UftAutomation). Init writes the object repository of every window's UFT
// description as XML into _ObjectRepository/ of the project folder and has UFT's repository
// utility convert it (UFTRepository_<project>.xml and .tsr), then launches UFT. Convert makes, per
// test case, a new UFT test whose action "Action1" gets the test case's VBScript, saves it into a
// folder of its own in the package's folder and attaches the shared repository.
//
// The descriptions (the tool data of each window, see GenerateTags) are computed beforehand by
// the tag generation, through the converter table; a conversion never recomputes them. Progress
// lines go to the log given.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "conversion/framework/ConverterTable.h"
#include "conversion/framework/TestcaseConverter.h"
#include "conversion/uft/QTPEventParser.h"
#include "conversion/uft/UftAutomation.h"
#include "conversion/uft/UftFileAutomation.h"

class CTestCase;
class CWindowKav;
class CXMLElement;
class MessageLog;
class Progress;

class CQTP : public CTestcaseConverter {
public:
    // webTest: the test starts the browser at the start page rather than the application. The
    // log may be null.
    CQTP(int webTest, Progress* log, std::unique_ptr<UftAutomation> automation = std::make_unique<UftFileAutomation>());
    // Closes UFT when it was launched here, unless the user chose to leave it open; an error of
    // UFT here is shown at once (W1166).
    ~CQTP() override;

    // The project folder, the repository and UFT launched. 1, or 0 with the base's message,
    // W1178, W1190 or W1195 (repository), W1160, W1161, W1162, W1164, W1165 or W1166 (UFT).
    int Init(std::string projectName, std::string scriptFolder, std::string exePath, std::string workingFolder,
             std::string parameters) override;
    // The package's folder, emptied, with a UFT test per test case. A test case whose script
    // cannot be made is left out and the others are converted; the result is then 0 with W1172.
    // A failing UFT call ends the package: 0 with W1162, W1167 to W1171 or W1180. path: the
    // package's folder.
    int Convert(TestCaseList& list, std::string name, int& count, std::string& path) override;

    // The VBScript of the test case, lines ending in "\n". 1, or 0 with W1172.
    int WriteTestScript(const CTestCase& testCase, std::string& text);
    // The environments (add-ins) that the windows of the test case's steps need, in order of
    // first appearance, without "Standard Windows"; their number.
    int CollectEnvironments(const CTestCase& testCase, std::vector<std::string>& environments) const;

    // UFT started and ready; 1, or 0 with W1160, W1161, W1162, W1165 or the call's error.
    int LaunchUft();
    // 1, or 0 with W1164.
    int ConnectRepositoryUtil();
    // 1 when UFT reports "Ready" within the time-out, or 0 with W1162.
    int WaitUntilReady(int timeoutMs);
    // UFT is closed at the end even when the user chose to leave it open (the identification
    // settings job, which launched it for its own purpose).
    void CloseUftWhenDone() { closeUft_ = true; }

    // ---- Importing UFT's repositories (UftRepositoryImport.cpp)

    // Reads a repository file of UFT into the project: UFT's repository utility converts it into
    // XML beside it (same name, ".xml"), the UFT repository reader makes the windows, and each
    // gets its rectangle from the position and size properties of its description (which are
    // then removed from it), its caption, name and place in the window table. A window without
    // size is left out with its subtree [W1187]. 1, or 0 with W1164, W0880, the reader's
    // message or the window table's.
    int ImportRepository(std::string path);
    // Makes UFT's object identification of every class of its active environments use the
    // position and size properties (reset 0), or no longer use them (any other reset). UFT is
    // launched for it and closed afterwards. 1, or 0 with W1181 or a message of launching UFT.
    int ConfigureIdentification(int reset);

    // ---- Descriptions (the tool data of windows)

    // Describes the window and every window below it for UFT, each captioned window numbering
    // the equal descriptions in its scope. Windows imported from UFT keep theirs, and so do
    // windows UFT reaches through another one. preferCaption: 1 names a Windows control by its
    // text rather than its control id. Returns 1.
    int GenerateTags(CWindowKav* window, int preferCaption);
    // Ordinal identifiers ("Location" 0, 1, ...; "Index" in Java) for the windows of the
    // captioned window's scope that have equal descriptions. 1, or 0 after showing F0146.
    int AssignOrdinalIdentifiers(CWindowKav* window);
    // The caption of the static text or group box beside the window that labels it, nearest
    // first; "" when none lies within 35 units.
    static std::string FindAttachedText(const CWindowKav* window);
    // Equal identification properties (the class aside); false after showing F0146 when a
    // description has no properties.
    static bool HaveSameDescription(const CWindowKav* a, const CWindowKav* b);
    // The descendants in the window's scope: those without caption bar that UFT addresses,
    // below captioned ones not entered.
    void CollectDescendants(const CWindowKav* window, std::vector<CWindowKav*>& list);

private:
    struct IdentificationProperty {
        std::string name;
        int type;  // value type: 2 number, 3 boolean, 4 string
        std::string value;
    };

    // ---- Init and Convert
    void Log(const std::string& line) const;
    // 1 when the call went through, else 0 with the message of UFT's error in this phase.
    int Called(const UftCall& call) const;
    // One test case as a UFT test in the folder; 1, or 0 with the message.
    int ConvertTestCase(const std::string& name, const std::string& script, const std::filesystem::path& folder,
                        const std::vector<std::string>& environments);
    std::string StartStatement() const;

    // ---- Descriptions
    std::vector<IdentificationProperty> CollectProperties(const CWindowKav& window, int preferCaption) const;
    static CXMLElement* MakeDescription(const std::string& className, const std::string& name,
                                        const std::vector<IdentificationProperty>& properties);

    int webTest_;
    CQTPEventParser parser_;
    Progress* log_;
    bool launched_ = false;
    bool closeUft_ = false;
    std::string tsrPath_;
    std::unique_ptr<UftAutomation> automation_;
    // The message of an error that UFT raises: W1166 while starting, W1171 while converting.
    int uftErrorMessage_;
};

std::unique_ptr<CTestcaseConverter> CreateUftConverter(const ConverterSettings& settings);
// The jobs that the message log window runs for the program's window, each on a UFT converter
// of its own that reports into the log: importing a repository file, and changing UFT's
// identification settings (reset as for ConfigureIdentification).
int RunUftRepositoryImport(const std::string& path, MessageLog& log);
int RunUftIdentificationSettings(int reset, MessageLog& log);
// The tag generator of the converter table.
int GenerateUftTags(CWindowKav& window, int preferCaption);
