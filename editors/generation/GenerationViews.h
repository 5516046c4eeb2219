#pragma once
// What the main frame gives the commands of test case and data record generation: their
// dialogs, shown through the host, so that the commands stay free of windows.
#include "generation/DataRecordGenDlg.h"
#include "generation/TCGDlg.h"

class EditorHost;

// "Test Case Generation" with its random options, then the run's status window.
CTCGDlg::Views MakeGenerationViews(EditorHost& host);
// "Record Generator"; the DELTRA method's report goes to showReport.
CDataRecordGenDlg::Views MakeDataRecordGenViews(EditorHost& host, RecordReportViewer showReport);
