#pragma once
// The controls of the dialog "Interface to TestPartner Database" over its plain class
// CTPImportDlg. Finish (the OK button) runs the tools and closes the dialog.
#include "conversion/testpartner/TPImportDlg.h"
#include "editors/framework/EditorDialog.h"

// The labels, which are enabled with their fields.
enum TPImportLabel : int {
    kTpUserLabel = 1444,
    kTpPasswordLabel = 1445,
    kTpDatabaseLabel = 1446,
    kTpReportPathLabel = 1447,
};

class TPImportDlgControls : public EditorDialog {
public:
    TPImportDlgControls(EditorHost& host, CTPImportDlg& dialog);

    void OnInitDialog() override;
    // A click on the import or the report box.
    void OnImportOrReport();
    void OnBrowse();
    bool OnOK() override;
    bool OKTakesLong() const override { return true; }

private:
    void ReadChoices();
    void ShowChoices();

    CTPImportDlg& dialog_;
};
