// The program's project data import: every main frame imports another project's data through
// the project reader, the user choosing what to take in the "Import Project Data" window.
#include "editors/import/ProjectDataImportDlgUi.h"
#include "import/ProjectDataImportDlg.h"
#include "persistence/XMLDataManager.h"
#include "shell/wx/MainFrameUi.h"

namespace {

void GiveFrameTheProjectImport(CMainFrame& frame, wxWindow* window) {
    frame.Services().importers.importProjectData = [window](const std::string& path, MessageLog& log) {
        CProjectDataImportDlg dialog([window](CProjectDataImportDlg& shown) { return RunProjectDataImportDlg(shown, window); });
        return GetProjectReader().ImportProjectData(path, &log, dialog);
    };
}

[[maybe_unused]] const bool kProjectImportInstalled = [] {
    InstallFrameParts("project-data-import", GiveFrameTheProjectImport);
    return true;
}();

}  // namespace
