#pragma once
#include <string>

// What the main frame gives the command Convert Test Cases: the dialogs of the conversion
// driver, shown through the host, so that the driver stays free of windows.
class CTestcaseConverterDlg;
class EditorHost;

// "Test Case Conversion" before the run, and after a TestPartner conversion the import into a
// TestPartner database.
void ShowConversionDialogsThrough(EditorHost& host, CTestcaseConverterDlg& driver);

// The import dialog alone, as the driver shows it after a TestPartner conversion: its result.
int RunTPImport(EditorHost& host, const std::string& projectName, const std::string& folder);
