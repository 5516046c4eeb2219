// Part of the program kavro itself: every main frame runs the XMI Model Data command, whose
// project data import shows the import dialog over the frame inside the message log window.
#include "editors/import/ProjectDataImportDlgUi.h"
#include "import/uml/XmiModelDataCommand.h"
#include "persistence/XMLDataManager.h"
#include "shell/MainFrame.h"
#include "shell/MessageLogDlg.h"
#include "shell/wx/MainFrameUi.h"

namespace {

void GiveFrameTheXmiImport(CMainFrame& frame, wxWindow* window) {
    auto* frameWindow = dynamic_cast<CMainFrameUi*>(window);
    if (!frameWindow) return;
    frame.Services().importers.xmiModelData = [&frame, frameWindow] {
        XmiImportHost host;
        host.saveProject = [&frame] { return frame.SaveOrSendProject(0); };
        host.importProjectData = [frameWindow](const std::string& projectFile) {
            CMessageLogDlg log(CMessageLogDlg::kImportProject, [&](MessageLog& lines) {
                CProjectDataImportDlg dialog(
                    [frameWindow](CProjectDataImportDlg& shown) { return RunProjectDataImportDlg(shown, frameWindow); });
                return GetProjectReader().ImportProjectData(projectFile, &lines, dialog);
            });
            return frameWindow->RunMessageLog(log);
        };
        host.undo = [&frame] { frame.Undo(); };
        host.updateControlBars = [&frame] { frame.UpdateControlBars(PaneKind::TasksPage); };
        host.setWaitCursor = [frameWindow](bool on) { frameWindow->SetWaitCursor(on); };
        RunXmiModelDataCommand(host);
    };
}

[[maybe_unused]] const bool kXmiImportInstalled = [] {
    InstallFrameParts("import/uml", GiveFrameTheXmiImport);
    return true;
}();

}  // namespace
