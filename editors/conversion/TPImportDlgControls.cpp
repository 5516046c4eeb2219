#include "editors/conversion/TPImportDlgControls.h"

namespace {

// A number of our own among the dialogs' (its help topic follows from it).
constexpr int kResourceId = 322;

struct TextBinding {
    int control;
    std::string TPImportChoices::*choice;
};
constexpr TextBinding kTexts[] = {{kTpUser, &TPImportChoices::user},
                                  {kTpPassword, &TPImportChoices::password},
                                  {kTpDatabase, &TPImportChoices::database},
                                  {kTpReportPath, &TPImportChoices::reportPath}};

struct CheckBinding {
    int control;
    const char* label;
    bool TPImportChoices::*choice;
};
constexpr CheckBinding kChecks[] = {{kTpImport, "Import Scripts into TestPartner Database", &TPImportChoices::import},
                                    {kTpWriteReport, "Write Report File", &TPImportChoices::report},
                                    {kTpRun, "Run Test Package", &TPImportChoices::run}};

}  // namespace

TPImportDlgControls::TPImportDlgControls(EditorHost& host, CTPImportDlg& dialog)
    : EditorDialog(host, kResourceId), dialog_(dialog) {
    SetTitle("Interface to TestPartner Database", false);
    AddControl(kIdOk, "Finish");
    for (const CheckBinding& check : kChecks) AddControl(check.control, check.label);
    for (const TextBinding& text : kTexts) AddControl(text.control);
    AddControl(kTpUserLabel, "User Name:");
    AddControl(kTpPasswordLabel, "Password:");
    AddControl(kTpDatabaseLabel, "Database:");
    AddControl(kTpReportPathLabel, "Path to Report File:");
    AddControl(kTpBrowse, "Browse...");
}

void TPImportDlgControls::OnInitDialog() { ShowChoices(); }

void TPImportDlgControls::OnImportOrReport() {
    ReadChoices();
    ShowChoices();
}

void TPImportDlgControls::OnBrowse() {
    ReadChoices();
    dialog_.OnBrowse();
    ShowChoices();
}

bool TPImportDlgControls::OnOK() {
    ReadChoices();
    dialog_.OnFinish();
    return true;
}

void TPImportDlgControls::ReadChoices() {
    TPImportChoices& choices = dialog_.Choices();
    for (const CheckBinding& check : kChecks) choices.*check.choice = IsChecked(check.control);
    for (const TextBinding& text : kTexts) choices.*text.choice = GetText(text.control);
}

void TPImportDlgControls::ShowChoices() {
    const TPImportChoices& choices = dialog_.Choices();
    for (const CheckBinding& check : kChecks) SetChecked(check.control, choices.*check.choice);
    for (const TextBinding& text : kTexts) SetText(text.control, choices.*text.choice);
    for (int id : std::initializer_list<int>{kTpUser, kTpPassword, kTpDatabase, kTpUserLabel, kTpPasswordLabel,
                                             kTpDatabaseLabel, kTpWriteReport, kTpReportPathLabel, kTpRun})
        Enable(id, dialog_.IsImportEnabled());
    Enable(kTpReportPath, dialog_.IsReportPathEnabled());
    Enable(kTpBrowse, dialog_.IsReportPathEnabled());
}
