#pragma once
// The controls of the dialog "Test Case Conversion" over the settings and handlers of the
// conversion driver CTestcaseConverterDlg: the settings go into the controls when it opens and
// after every handler, and come back before each.
#include "conversion/framework/TestcaseConverterDlg.h"
#include "editors/generation/DialogControls.h"

class TestcaseConverterDlgControls : public DialogControls {
public:
    TestcaseConverterDlgControls(EditorHost& host, CTestcaseConverterDlg& dialog);

    void OnInitDialog() override;
    void OnSelchangeOutputFormat();
    void OnWebTest();
    void OnShowUftWindow();
    void OnBrowseScriptDir();
    void OnBrowseRootDir();
    void OnBrowseExecutable();
    void OnBrowseWorkingDir();
    // The time-out must be an integer, and within an hour for the tools that wait for windows.
    bool OnOK() override;

private:
    // Reads the controls, runs the driver's handler and shows the result.
    void Handle(void (CTestcaseConverterDlg::*handler)());
    void ReadSettings();
    void ShowSettings();

    CTestcaseConverterDlg& dialog_;
};
