#include "conversion/framework/TestcaseConverterDlg.h"

#include "conditions/ProjectConditionCheck.h"
#include "conversion/framework/OutputFormats.h"
#include "model/ApplicationKav.h"
#include "model/DisplayTexts.h"
#include "model/ShellServices.h"
#include "model/WindowKav.h"
#include "platform/CommandLineSettings.h"
#include "platform/Format.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "platform/Paths.h"
#include "platform/Registry.h"
#include "platform/TextUtil.h"
#include "platform/UserFolders.h"

namespace {

constexpr const char* kFormatValue = "TCC_OUTPUT_FORMAT";
constexpr const char* kShowUftValue = "TCC_QTP_SHOW";
constexpr const char* kLeaveUftOpenValue = "TCC_QTP_OPEN";
constexpr const char* kUndoName = "Convert Test Cases";

std::string ReadSetting(const char* name) {
    return ReadRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), name);
}

void WriteSetting(const char* name, const std::string& value) {
    WriteRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), name, value, kRegistryText);
}

// A flag that only "0" switches off, so that a missing value counts as set.
int ReadFlagSetting(const char* name) { return ReadSetting(name) == "0" ? 0 : 1; }

// The stored choice of the last conversion, when it names a format; else the project's.
int ChooseOutputFormat(bool batch, int projectFormat) {
    if (batch && GetCommandLineSettings().outputFormat != 0) return GetCommandLineSettings().outputFormat;
    const std::string stored = ReadSetting(kFormatValue);
    if (!stored.empty()) {
        const int code = ParseLeadingInt(stored);
        if (code >= 1 && code <= 14) return code;
    }
    return projectFormat;
}

// A value the command line gave for this conversion only, else the project's.
std::string TakeCommandLinePath(std::string& given, const std::string& projectValue) {
    if (given.empty()) return projectValue;
    std::string value;
    value.swap(given);
    return value;
}

}  // namespace

CTestcaseConverterDlg::~CTestcaseConverterDlg() = default;

int CTestcaseConverterDlg::ConvertTestCases(CWindowKav* window, CTaskKav* task, bool batch) {
    CApplicationKav* app = CurrentApplication;
    if (!app) return 0;
    batch_ = batch;
    SetScope(window, task);
    LoadSettings(*app);
    // The dialog proposes the same path when it opens.
    settings_.outputPath = GetDefaultOutputPath();
    if (batch_) settings_.wholeProject = 1;
    else if (showDialog && !showDialog(*this)) return 0;
    if (settings_.webTest) settings_.exePath = settings_.startPageUrl;
    StoreSettings(*app);

    if (!CheckAllConditions()) {
        GetInteraction().ShowMessage({FormatMessageId(45118, GetGlobalMessageBuffer()), "Invalid Condition",
                                      MessageButtons::Ok, MessageIcon::Warning});
        return 0;
    }
    entry_ = FindConverterEntry(table_, settings_.outputFormat);
    if (!entry_) {
        GetInteraction().Inform(
            FormatMessageId(49900, settings_.outputFormat, GetConverterName(settings_.outputFormat)),
            MessageIcon::Warning);
        return 0;
    }
    converter_ = entry_->create({settings_.outputFormat, settings_.webTest, progress});
    int result;
    if (entry_->road == ConversionRoad::ExchangeFile) {
        result = RunExchangeExport(window, task);
    } else {
        if (settings_.wholeProject == 1) {
            app->GetTestScripts().DeleteAll();
            window = nullptr;
            task = nullptr;
        }
        result = RunConverter(window, task);
        if (result == 1 && convertedCount_ > 0 && !batch_ && settings_.outputFormat == kFormatTestPartner)
            ImportIntoTestPartner();
    }
    converter_.reset();
    entry_ = nullptr;
    RecordUndoStep(kUndoName);
    return result;
}

void CTestcaseConverterDlg::ImportIntoTestPartner() {
    if (!showTPImport) return;
    if (showTPImport(CurrentApplication->GetName(), converter_->GetProjectFolder().string()) != 1) {
        GetInteraction().ShowMessage(
            {GetGlobalMessageBuffer(), "TestPartner Export Failed", MessageButtons::Ok, MessageIcon::Warning});
    }
}

void CTestcaseConverterDlg::SetScope(const CWindowKav* window, const CTaskKav* task) {
    if (window) {
        settings_.scopeTitle = GetWindowTypeName(window->GetType()) + " " + window->GetName();
        settings_.wholeProject = 0;
    } else if (task) {
        settings_.scopeTitle = (task->IsFolder() ? "Folder " : "Task ") + task->GetName();
        settings_.wholeProject = 0;
    } else {
        settings_.scopeTitle = "Project " + CurrentApplication->GetName();
        settings_.wholeProject = 1;
    }
}

void CTestcaseConverterDlg::LoadSettings(CApplicationKav& app) {
    settings_.timeout = app.GetTimeout();
    settings_.webTest = app.GetWebTest();
    settings_.optimizeWait = app.GetOptimizeWait();
    settings_.extraVariables = app.GetWinRunnerVariables();
    settings_.outputFormat = ChooseOutputFormat(batch_, app.GetOutputFormat());
    settings_.showUft = ReadFlagSetting(kShowUftValue);
    settings_.leaveUftOpen = ReadFlagSetting(kLeaveUftOpenValue);

    // Values of the command line serve this conversion only.
    CommandLineSettings& given = GetCommandLineSettings();
    if (given.keyboard != CommandLineSettings::kKeyboardNotGiven) {
        settings_.keyboard = given.keyboard;
        given.keyboard = CommandLineSettings::kKeyboardNotGiven;
    } else {
        settings_.keyboard = app.GetKeyboard();
    }
    settings_.rootFolder = TakeCommandLinePath(given.rootPath, app.GetRootPath());
    settings_.exePath = TakeCommandLinePath(given.exePath, app.GetExePath());

    if (settings_.webTest) {
        settings_.startPageUrl = settings_.exePath;
        settings_.rootFolder.clear();
        settings_.exePath.clear();
        settings_.parameters.clear();
        settings_.workingFolder.clear();
    } else {
        settings_.startPageUrl.clear();
        settings_.parameters = app.GetExeParams();
        settings_.workingFolder = app.GetExeDir();
    }
}

void CTestcaseConverterDlg::StoreSettings(CApplicationKav& app) const {
    if (settings_.outputFormat == kFormatVornakXml) app.SetVornakPath(settings_.outputPath);
    else app.SetScriptPath(settings_.outputPath);
    app.SetRootPath(settings_.rootFolder);
    app.SetExePath(settings_.exePath);
    app.SetExeParams(settings_.parameters);
    app.SetExeDir(settings_.workingFolder);
    app.SetKeyboard(settings_.keyboard);
    app.SetTimeout(settings_.timeout);
    app.SetWebTest(settings_.webTest);
    app.SetOptimizeWait(settings_.optimizeWait);
    app.SetWinRunnerVariables(settings_.extraVariables);

    WriteSetting(kFormatValue, Fmt("%d", settings_.outputFormat));
    WriteSetting(kShowUftValue, settings_.showUft ? "1" : "0");
    WriteSetting(kLeaveUftOpenValue, settings_.leaveUftOpen ? "1" : "0");
}

int CTestcaseConverterDlg::RunExchangeExport(CWindowKav* window, CTaskKav* task) {
    ExchangeExport request;
    request.output = ResolvedOutputPath();
    request.window = window;
    request.task = task;
    if (converter_->ExportFile(request) != 1) {
        GetInteraction().ShowMessage(
            {GetGlobalMessageBuffer(), "Export Error", MessageButtons::Ok, MessageIcon::Warning});
        return 0;
    }
    if (request.report && (!batch_ || request.reportInBatch)) GetInteraction().ShowMessage(*request.report);
    return 1;
}

std::filesystem::path CTestcaseConverterDlg::ResolvedOutputPath() const {
    const std::string projectFile = CurrentApplication->GetMainFilePath();
    if (projectFile.empty()) return ResolveStoredPath(settings_.outputPath, GetUserFolders().scripts / "_");
    return ResolveStoredPath(settings_.outputPath, projectFile);
}
