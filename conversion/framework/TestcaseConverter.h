#pragma once
// The base of every converter. A conversion run calls it in a fixed order: Init, then for each
// package (the test cases of one window or task) CheckTestCases and Convert, then Finish; a
// failure of any step skips the rest. Converters that write one exchange file for the whole
// scope are called through ExportFile instead (ConversionRoad::ExchangeFile).
//
// Every file a converter writes lies in the project folder that Init makes (script folder /
// project name) and is written through a ScriptFile; its name comes from PackageFilePath, so
// that no model name can reach outside the folder and two packages of one run never share a
// file.
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Interaction.h"

class CTaskKav;
class CTestCase;
class CWindowKav;

// One package: the driver owns the test cases; a converter may reorder the list and take
// entries out of it.
using TestCaseList = std::vector<CTestCase*>;

// What the exchange-file road hands to ExportFile and what comes back.
struct ExchangeExport {
    std::filesystem::path output;
    // The scope as given to the driver (both null: the whole project).
    CWindowKav* window = nullptr;
    CTaskKav* task = nullptr;
    // Filled on success: what the driver tells the user, and whether batch mode tells it too.
    std::optional<MessageRequest> report;
    bool reportInBatch = true;
};

class CTestcaseConverter {
public:
    CTestcaseConverter() = default;
    CTestcaseConverter(const CTestcaseConverter&) = delete;
    CTestcaseConverter& operator=(const CTestcaseConverter&) = delete;
    virtual ~CTestcaseConverter() = default;

    // Stores the run's settings and makes the project folder: the script folder (an absolute
    // path) and inside it the folder of the project's name; folders that exist are taken. 1, or
    // 0 with W0773 (script folder), W0775 (project folder) or W0774 / W0776 when one exists but
    // cannot be entered.
    virtual int Init(std::string projectName, std::string scriptFolder, std::string exePath,
                     std::string workingFolder, std::string parameters);
    // Writes one package. 1 converted (count: test cases written; path: the file written), 0
    // stop with a warning, -1 stop with an error; the message is in the global buffer.
    virtual int Convert(TestCaseList& list, std::string name, int& count, std::string& path);
    // End of a run; 1, or 0 with the message in the global buffer.
    virtual int Finish() { return 1; }
    // The replay check of a package before Convert (ReplayCheck.cpp); 1, or 0 to stop with the
    // message in the global buffer.
    virtual int CheckTestCases(TestCaseList& list);
    // The files that the next Convert of this package will write, before it writes them.
    virtual std::vector<std::filesystem::path> PlannedFiles(const TestCaseList& list, const std::string& name) const;
    // The exchange-file road; 1, or another value with the message in the global buffer.
    virtual int ExportFile(ExchangeExport& request);

    const std::string& GetProjectName() const { return projectName_; }
    const std::string& GetPackageName() const { return packageName_; }
    const std::string& GetScriptFolder() const { return scriptFolder_; }
    const std::string& GetExePath() const { return exePath_; }
    const std::string& GetWorkingFolder() const { return workingFolder_; }
    const std::string& GetParameters() const { return parameters_; }
    // Where every file of the run goes; empty before Init.
    const std::filesystem::path& GetProjectFolder() const { return projectFolder_; }

protected:
    // What Init reports: the script folder cannot be made or exists but cannot be entered and
    // written; the same for the project folder.
    struct FolderMessages {
        int scriptFolderNotMade = 44773;
        int scriptFolderUnusable = 44774;
        int projectFolderNotMade = 44775;
        int projectFolderUnusable = 44776;
    };
    // Init with the converter's own messages.
    int InitProjectFolder(std::string projectName, std::string scriptFolder, std::string exePath,
                          std::string workingFolder, std::string parameters, const FolderMessages& messages);

    // The file of a package in the project folder: the name made safe, with "_2", "_3", ...
    // added when an earlier package of this run took that file (names compared without case,
    // as the file systems that scripts are copied to compare them).
    std::filesystem::path PackageFilePath(const std::string& name, std::string_view extension) const;
    // The same, and the file counts as taken for the rest of the run.
    std::filesystem::path ClaimPackageFile(const std::string& name, std::string_view extension);

    std::string packageName_;

private:
    std::string projectName_;
    std::string scriptFolder_;
    std::string exePath_;
    std::string workingFolder_;
    std::string parameters_;
    std::filesystem::path projectFolder_;
    std::set<std::string> claimedFiles_;
};
