#include "editors/FrameEditorsUi.h"

#include "conversion/framework/TestcaseConverterDlg.h"
#include "conversion/uft/QTP.h"
#include "editors/EditorWindows.h"
#include "editors/FrameEditorDialogs.h"
#include "editors/conversion/ConversionViews.h"
#include "editors/data/DataDlgUi.h"
#include "editors/generation/GenerationViews.h"
#include "editors/requirements/ReqDlgUi.h"
#include "shell/MainFrame.h"
#include "shell/wx/MainFrameUi.h"

namespace {

EditorHost& FrameAsHost(CMainFrame& frame) { return frame; }

void GiveFrameTheEditors(CMainFrame& frame, wxWindow* window) {
    frame.SetEditorWindows([window](EditorDialog& dialog) { return ShowEditorWindow(dialog, window); });
    GiveFrameTheEditorDialogs(frame);
    FrameRunDialogs& run = frame.Services().run;
    run.generateTestCases = [&frame](CWindowKav* target, CTransitionKav* transition, CTaskKav* task) {
        CTCGDlg::Run(frame.Root(), target, transition, task, MakeGenerationViews(frame));
    };
    run.convertTestCases = [&frame](CWindowKav* target, CTaskKav* task) {
        CTestcaseConverterDlg driver;
        ShowConversionDialogsThrough(frame, driver);
        return driver.ConvertTestCases(target, task, false);
    };
    run.selectTestCase = [&frame](CWindowKav* target, CStepKav* transition, CTaskKav* task,
                                  const std::vector<CTestCase*>& testCases) {
        SelectTestCaseToView(frame, frame.Root(), target, transition, task, testCases);
    };
    run.setRepositoryOptions = RunUftIdentificationSettings;
    frame.Services().importers.importUftRepository = RunUftRepositoryImport;
}

}  // namespace

void InstallFrameEditors() {
    InstallFrameParts("editors", GiveFrameTheEditors);
    InstallTestDataPage(FrameAsHost);
    InstallRequirementsPage(FrameAsHost);
}
