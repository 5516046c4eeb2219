#include "conversion/testpartner/TPImportDlg.h"

#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "platform/Registry.h"
#include "platform/ToolRunner.h"

namespace {

constexpr int kImportToolMissing = 45053;

std::string ReadSetting(const char* name) {
    return ReadRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), name);
}

void WriteSetting(const char* name, const std::string& value) {
    WriteRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), name, value, kRegistryText);
}

std::string FlagText(bool flag) { return flag ? "1" : "0"; }

}  // namespace

int CTPImportDlg::Run(const std::string& projectName, const std::string& folder,
                      const std::function<bool(CTPImportDlg&)>& show) {
    CTPImportDlg dialog(projectName, folder);
    dialog.OnInitDialog();
    show(dialog);
    return dialog.GetResult();
}

CTPImportDlg::CTPImportDlg(std::string projectName, std::string folder)
    : projectName_(std::move(projectName)), folder_(std::move(folder)) {}

std::string CTPImportDlg::DefaultReportPath() const {
    std::string path = folder_;
    if (!path.empty() && path.back() != '/' && path.back() != '\\') path += '/';
    return path + projectName_ + "_IMPORTLOG.txt";
}

void CTPImportDlg::OnInitDialog() {
    choices_.import = ReadSetting("TPTCC_DoAutoImport") == "1";
    choices_.run = ReadSetting("TPTCC_DoAutoRun") == "1";
    choices_.report = ReadSetting("TPTCC_WriteReport") == "1";
    choices_.user = ReadSetting("TPTCC_User");
    choices_.password = ReadSetting("TPTCC_Pw");
    choices_.database = ReadSetting("TPTCC_Db");
    choices_.reportPath = ReadSetting("TPTCC_ReportPath");
    if (choices_.reportPath.empty()) choices_.reportPath = DefaultReportPath();
}

void CTPImportDlg::OnBrowse() {
    std::string start = choices_.reportPath;
    if (start.empty() || start.back() == '/' || start.back() == '\\') start += projectName_ + "_IMPORTLOG.txt";
    const std::optional<std::string> chosen = GetInteraction().AskForPath(
        {FileDialogRequest::Kind::Save, "Select a Report File Directory", "Directories|.|", start});
    if (chosen) choices_.reportPath = *chosen;
}

void CTPImportDlg::OnFinish() {
    if (choices_.import) {
        std::string report;
        if (choices_.report) {
            if (choices_.reportPath.empty()) choices_.reportPath = DefaultReportPath();
            report = choices_.reportPath;
        }
        const ToolCommand import{"tpimport",
                                 {"-u", choices_.user, "-p", choices_.password, "-d", choices_.database, "-mt", "sf",
                                  "-mn", folder_, "-prj", projectName_, "-parc", "a", "-ex"},
                                 report};
        if (!GetToolRunner().Run(import)) {
            SetMessage(kImportToolMissing);
            result_ = 0;
            return;
        }
        if (choices_.run) {
            // Its exit code tells nothing the user could act on here.
            GetToolRunner().Run({"tp",
                                 {"-u", choices_.user, "-p", choices_.password, "-d", choices_.database, "-r",
                                  projectName_, "-s", projectName_ + "_MAIN"},
                                 ""});
        }
    }
    WriteSetting("TPTCC_DoAutoImport", FlagText(choices_.import));
    WriteSetting("TPTCC_DoAutoRun", FlagText(choices_.run));
    WriteSetting("TPTCC_WriteReport", FlagText(choices_.report));
    WriteSetting("TPTCC_User", choices_.user);
    WriteSetting("TPTCC_Pw", choices_.password);
    WriteSetting("TPTCC_Db", choices_.database);
    WriteSetting("TPTCC_ReportPath", choices_.reportPath);
    result_ = 1;
}
