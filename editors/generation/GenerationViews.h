#pragma once
// What the main frame gives the commands of test case and data record generation: their
// dialogs, shown through the host, so that the commands stay free of windows.
#include <vector>

#include "generation/DataRecordGenDlg.h"
#include "generation/TCGDlg.h"

class CApplicationKav;
class CStepKav;
class CTaskKav;
class CTestCase;
class CWindowKav;
class EditorHost;

// "Test Case Generation" with its random options, then the run's status window.
CTCGDlg::Views MakeGenerationViews(EditorHost& host);
// "Record Generator"; the DELTRA method's report goes to showReport.
CDataRecordGenDlg::Views MakeDataRecordGenViews(EditorHost& host, RecordReportViewer showReport);
// "Test Case Selection" over the test cases of the element (a window with a transition step, a
// window, a task, or nothing for the project): the one chosen opens in its view.
void SelectTestCaseToView(EditorHost& host, const CApplicationKav& project, CWindowKav* window,
                          CStepKav* transitionStep, CTaskKav* task, const std::vector<CTestCase*>& testCases);
