#pragma once
// What the dialog "Interface to TestPartner Database" decides, without a window: its settings
// (kept between conversions), which fields the import and the report enable, and Finish, which
// loads the written assets into a TestPartner database with TestPartner's import tool and may
// start the suite's main script with its runner. The tools run through the tool runner, each
// typed value one argument.
#include <functional>
#include <string>

// Control identifiers of the dialog.
enum TPImportControl : int {
    kTpUser = 1437,
    kTpPassword = 1438,
    kTpDatabase = 1439,
    kTpWriteReport = 1440,
    kTpReportPath = 1441,
    kTpRun = 1442,
    kTpImport = 1443,
    kTpBrowse = 1460,
};

struct TPImportChoices {
    bool import = false;
    bool run = false;
    bool report = false;
    std::string user;
    std::string password;  // kept as typed
    std::string database;
    std::string reportPath;

    bool operator==(const TPImportChoices&) const = default;
};

class CTPImportDlg {
public:
    // Reads the settings and shows the dialog modally (true when Finish closed it): 1, or 0 when
    // the import tool could not be started, with the message in the global message buffer.
    static int Run(const std::string& projectName, const std::string& folder,
                   const std::function<bool(CTPImportDlg&)>& show);

    // The assets of the project lie in the folder.
    CTPImportDlg(std::string projectName, std::string folder);

    // Reads the seven settings.
    void OnInitDialog();
    TPImportChoices& Choices() { return choices_; }
    const TPImportChoices& Choices() const { return choices_; }

    // The login, the report box and the run box go with the import; the report path with the
    // import and the report.
    bool IsImportEnabled() const { return choices_.import; }
    bool IsReportPathEnabled() const { return choices_.import && choices_.report; }

    // A path for the report; Cancel keeps the one there is.
    void OnBrowse();
    // Runs what the choices ask for and stores them, unless the import tool could not start.
    void OnFinish();
    int GetResult() const { return result_; }

    // The folder, then the project name and "_IMPORTLOG.txt".
    std::string DefaultReportPath() const;

private:
    std::string projectName_;
    std::string folder_;
    TPImportChoices choices_;
    int result_ = 1;
};
