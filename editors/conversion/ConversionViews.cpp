#include "editors/conversion/ConversionViews.h"

#include "editors/conversion/TestcaseConverterDlgControls.h"
#include "shell/EditorHost.h"

void ShowConversionDialogsThrough(EditorHost& host, CTestcaseConverterDlg& driver) {
    driver.showDialog = [&host](CTestcaseConverterDlg& dialog) {
        TestcaseConverterDlgControls controls(host, dialog);
        return host.RunModal(controls) == kIdOk;
    };
}
