// The run of a UFT conversion: the repository, UFT launched and ready, and a UFT test per test
// case.
#include "conversion/uft/QTP.h"

#include <set>

#include "conversion/framework/ConverterHelpers.h"
#include "conversion/xml/XMLConverter.h"
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "model/TestCase.h"
#include "platform/FolderContents.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "platform/Paths.h"
#include "platform/Progress.h"
#include "platform/Registry.h"
#include "platform/TextUtil.h"

namespace {

constexpr int kNoUftInterface = 45160;
constexpr int kUftNotLaunched = 45161;
constexpr int kUftNotResponding = 45162;
constexpr int kNoRepositoryInterface = 45164;
constexpr int kUftAlreadyOpen = 45165;
constexpr int kUftErrorWhileStarting = 45166;
constexpr int kNewTestFailed = 45167;
constexpr int kNoAction = 45168;
constexpr int kImportFailed = 45169;
constexpr int kSaveFailed = 45170;
constexpr int kUftErrorWhileConverting = 45171;
constexpr int kSyntaxError = 45180;

constexpr const char* kRepositoryFolder = "_ObjectRepository";
constexpr const char* kReady = "Ready";
constexpr const char* kNotLaunched = "Not launched";
constexpr int kReadyTimeoutMs = 10000;
constexpr int kStatusPollMs = 100;

std::string ReadSetting(const char* name) {
    return ReadRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), name);
}

// The folder's name for the text: made safe, and "_2", "_3", ... behind it when an earlier one
// took it (compared without case).
std::string ClaimFolderName(const std::string& text, std::set<std::string>& taken) {
    const std::string base = MakeSafeFileName(text);
    std::string name = base;
    for (int suffix = 2; !taken.insert(ToLowerText(name)).second; ++suffix) name = base + "_" + std::to_string(suffix);
    return name;
}

}  // namespace

std::unique_ptr<CTestcaseConverter> CreateUftConverter(const ConverterSettings& settings) {
    return std::make_unique<CQTP>(settings.webTest, settings.progress);
}

CQTP::CQTP(int webTest, Progress* log, std::unique_ptr<UftAutomation> automation)
    : webTest_(webTest), log_(log), automation_(std::move(automation)), uftErrorMessage_(kUftErrorWhileStarting) {
    parser_.InitQtpKeyTable(CurrentApplication ? CurrentApplication->GetKeyboard() : 0);
}

CQTP::~CQTP() {
    if (!launched_) return;
    std::string status;
    UftCall call = automation_->GetStatus(status);
    if (call.ok && status != kNotLaunched && (closeUft_ || ReadSetting("TCC_QTP_OPEN") == "0"))
        call = automation_->Quit();
    if (!call.ok) GetInteraction().Inform(FormatMessageId(kUftErrorWhileStarting, call.error), MessageIcon::Warning);
}

void CQTP::Log(const std::string& line) const {
    if (log_) log_->AddLogText(line);
}

int CQTP::Called(const UftCall& call) const { return call.ok ? 1 : Fail(uftErrorMessage_, call.error); }

int CQTP::Init(std::string projectName, std::string scriptFolder, std::string exePath, std::string workingFolder,
               std::string parameters) {
    closeUft_ = false;
    uftErrorMessage_ = kUftErrorWhileStarting;
    Log("Creating directory structure");
    if (!CTestcaseConverter::Init(std::move(projectName), std::move(scriptFolder), std::move(exePath),
                                  std::move(workingFolder), std::move(parameters)))
        return 0;
    // Claimed before any package, so that no window or task of that name takes the folder.
    const std::filesystem::path repositoryFolder = ClaimPackageFile(kRepositoryFolder, "");
    DeleteFolderContents(repositoryFolder.string());
    MakeFolder(repositoryFolder);

    Log("Exporting object repository as XML");
    const std::string base = (repositoryFolder / ("UFTRepository_" + MakeSafeFileName(GetProjectName()))).string();
    CXMLConverter repository(XmlConverterMode::UftRepository);
    if (repository.ExportUftRepository(base + ".xml") != 1) return 0;
    if (!ConnectRepositoryUtil()) return 0;

    Log("Converting object repository to TSR format");
    tsrPath_ = base + ".tsr";
    if (!Called(automation_->ConvertXmlToTsr(base + ".xml", tsrPath_)) || !LaunchUft()) return 0;
    return Called(automation_->SetVisible(ReadSetting("TCC_QTP_SHOW") == "1")) &&
           Called(automation_->SetRunOption("None"));
}

int CQTP::LaunchUft() {
    Log("Connecting to UFT Application");
    if (!automation_->ConnectApplication()) return Fail(kNoUftInterface);
    bool launched = false;
    if (!Called(automation_->IsLaunched(launched))) return 0;
    if (launched) return Fail(kUftAlreadyOpen);
    Log("Launching UFT");
    if (!Called(automation_->Launch()) || !WaitUntilReady(kReadyTimeoutMs) ||
        !Called(automation_->IsLaunched(launched)))
        return 0;
    if (!launched) return Fail(kUftNotLaunched);
    launched_ = true;
    return 1;
}

int CQTP::ConnectRepositoryUtil() {
    Log("Connecting to UFT Object Repository Utilities");
    return automation_->ConnectRepositoryUtil() || Fail(kNoRepositoryInterface);
}

int CQTP::WaitUntilReady(int timeoutMs) {
    std::string status;
    if (!Called(automation_->GetStatus(status))) return 0;
    int waited = 0;
    while (status != kReady && waited <= timeoutMs) {
        automation_->Wait(kStatusPollMs);
        waited += kStatusPollMs;
        if (!Called(automation_->GetStatus(status))) return 0;
    }
    return (status == kReady && waited <= timeoutMs) || Fail(kUftNotResponding);
}

int CQTP::Convert(TestCaseList& list, std::string name, int& count, std::string& path) {
    count = 0;
    packageName_ = std::move(name);
    uftErrorMessage_ = kUftErrorWhileConverting;
    Log("Converting test package " + packageName_);
    const std::filesystem::path package = ClaimPackageFile(packageName_, "");
    DeleteFolderContents(package.string());
    MakeFolder(package);
    path = package.string();

    std::set<std::string> testFolders;
    std::string failure;
    for (const CTestCase* testCase : list) {
        const std::string testName = testCase->GetDisplayName();
        const std::filesystem::path folder = package / ClaimFolderName(testName, testFolders);
        Log("Converting test case " + testName);
        std::string script;
        // A test case that cannot be written is left out; the message of the last one stays.
        if (!WriteTestScript(*testCase, script)) {
            failure = GetGlobalMessageBuffer();
            continue;
        }
        std::vector<std::string> environments;
        CollectEnvironments(*testCase, environments);
        if (!ConvertTestCase(testName, script, folder, environments)) return 0;
        ++count;
    }
    if (failure.empty()) return 1;
    SetGlobalMessage(failure);
    return 0;
}

int CQTP::ConvertTestCase(const std::string& name, const std::string& script, const std::filesystem::path& folder,
                          const std::vector<std::string>& environments) {
    if (!automation_->NewTest().ok) return Fail(kNewTestFailed);
    if (!WaitUntilReady(kReadyTimeoutMs) || !Called(automation_->SetOnError("Dialog"))) return 0;
    if (!environments.empty() && !Called(automation_->AssociateEnvironments(environments))) return 0;
    bool found = false;
    if (!Called(automation_->OpenAction(kUftAction, found))) return 0;
    if (!found) return Fail(kNoAction);

    Log("Importing script into UFT");
    std::string syntaxError;
    if (!Called(automation_->CheckScriptSyntax(script, syntaxError))) return 0;
    if (!syntaxError.empty()) return Fail(kSyntaxError, name, syntaxError);
    if (!automation_->ImportScript(script).ok) return Fail(kImportFailed, name);
    if (!WaitUntilReady(kReadyTimeoutMs)) return 0;

    Log("Saving script");
    if (!automation_->SaveTestAs(folder.string()).ok) return Fail(kSaveFailed, name);
    return WaitUntilReady(kReadyTimeoutMs) && Called(automation_->AttachRepository(tsrPath_)) &&
           Called(automation_->SaveTest()) && WaitUntilReady(kReadyTimeoutMs);
}
