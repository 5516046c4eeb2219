#include "editors/conversion/ConversionViews.h"

#include "editors/conversion/TPImportDlgControls.h"
#include "editors/conversion/TestcaseConverterDlgControls.h"
#include "shell/EditorHost.h"

void ShowConversionDialogsThrough(EditorHost& host, CTestcaseConverterDlg& driver) {
    driver.showDialog = [&host](CTestcaseConverterDlg& dialog) {
        TestcaseConverterDlgControls controls(host, dialog);
        return host.RunModal(controls) == kIdOk;
    };
    driver.showTPImport = [&host](const std::string& projectName, const std::string& folder) {
        return RunTPImport(host, projectName, folder);
    };
}

int RunTPImport(EditorHost& host, const std::string& projectName, const std::string& folder) {
    return CTPImportDlg::Run(projectName, folder, [&host](CTPImportDlg& dialog) {
        TPImportDlgControls controls(host, dialog);
        return host.RunModal(controls) == kIdOk;
    });
}
