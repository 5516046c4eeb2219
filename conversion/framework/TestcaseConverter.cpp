#include "conversion/framework/TestcaseConverter.h"

#include <unistd.h>

#include <system_error>

#include "platform/MessageBuffer.h"
#include "platform/Paths.h"
#include "platform/TextUtil.h"

namespace {

// 1 when the folder exists or was made, 0 when it cannot be made, -1 when it exists but
// cannot be entered and written.
int MakeFolder(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (!std::filesystem::exists(folder, error)) return 0;
    if (!std::filesystem::is_directory(folder, error)) return -1;
    return ::access(folder.c_str(), W_OK | X_OK) == 0 ? 1 : -1;
}

}  // namespace

int CTestcaseConverter::Init(std::string projectName, std::string scriptFolder, std::string exePath,
                             std::string workingFolder, std::string parameters) {
    return InitProjectFolder(std::move(projectName), std::move(scriptFolder), std::move(exePath),
                             std::move(workingFolder), std::move(parameters), FolderMessages{});
}

int CTestcaseConverter::InitProjectFolder(std::string projectName, std::string scriptFolder, std::string exePath,
                                          std::string workingFolder, std::string parameters,
                                          const FolderMessages& messages) {
    projectName_ = std::move(projectName);
    scriptFolder_ = std::move(scriptFolder);
    exePath_ = std::move(exePath);
    workingFolder_ = std::move(workingFolder);
    parameters_ = std::move(parameters);
    projectFolder_.clear();
    claimedFiles_.clear();

    const std::filesystem::path scripts(scriptFolder_);
    if (const int made = MakeFolder(scripts); made != 1) {
        SetMessage(made == 0 ? messages.scriptFolderNotMade : messages.scriptFolderUnusable, scriptFolder_);
        return 0;
    }
    const std::filesystem::path project = scripts / MakeSafeFileName(projectName_);
    if (const int made = MakeFolder(project); made != 1) {
        SetMessage(made == 0 ? messages.projectFolderNotMade : messages.projectFolderUnusable, projectName_);
        return 0;
    }
    projectFolder_ = project;
    return 1;
}

int CTestcaseConverter::Convert(TestCaseList&, std::string, int& count, std::string&) {
    count = 0;
    return 1;
}

std::vector<std::filesystem::path> CTestcaseConverter::PlannedFiles(const TestCaseList&, const std::string&) const {
    return {};
}

int CTestcaseConverter::ExportFile(ExchangeExport&) { return 1; }

std::filesystem::path CTestcaseConverter::PackageFilePath(const std::string& name, std::string_view extension) const {
    const std::string base = MakeSafeFileName(name);
    std::string file = base + std::string(extension);
    for (int suffix = 2; claimedFiles_.count(ToLowerText(file)); ++suffix)
        file = base + "_" + std::to_string(suffix) + std::string(extension);
    return projectFolder_ / file;
}

std::filesystem::path CTestcaseConverter::ClaimPackageFile(const std::string& name, std::string_view extension) {
    std::filesystem::path path = PackageFilePath(name, extension);
    claimedFiles_.insert(ToLowerText(path.filename().string()));
    return path;
}
